#include "overlay.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QKeyEvent>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariant>

#include "artwork.h"

namespace quib::desktop {

namespace {
constexpr const char* kRectProperty = "quibLogicalRect";
constexpr const char* kFontProperty = "quibFontPixels";
}  // namespace

void SetLogicalRect(QWidget* widget, const QRectF& rect, qreal fontPixels) {
    widget->setProperty(kRectProperty, rect);
    if (fontPixels > 0) widget->setProperty(kFontProperty, fontPixels);
}

QRectF LogicalRect(const QWidget* widget) { return widget->property(kRectProperty).toRectF(); }

void LayoutScaled(QWidget* parent, qreal s, QPointF origin) {
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child) continue;
        const QVariant v = child->property(kRectProperty);
        if (!v.isValid()) continue;
        const QRectF r = v.toRectF();
        const QRect placed(qRound(origin.x() + r.left() * s), qRound(origin.y() + r.top() * s),
                           qMax(1, qRound(r.width() * s)), qMax(1, qRound(r.height() * s)));
        if (child->geometry() != placed) child->setGeometry(placed);
        const QVariant font = child->property(kFontProperty);
        if (font.isValid() && (qobject_cast<QLineEdit*>(child) || qobject_cast<QAbstractButton*>(child))) {
            QFont f = child->font();
            const int px = qMax(1, qRound(font.toReal() * s));
            if (f.pixelSize() != px) {
                f.setPixelSize(px);
                child->setFont(f);
            }
        }
        LayoutScaled(child, s);
    }
}

TextItem::TextItem(QWidget* parent, const QString& name, Style style, qreal fontPixels, bool clickable,
                   Qt::Alignment align)
    : QWidget(parent), style_(style), fontPixels_(fontPixels), clickable_(clickable), align_(align) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    if (clickable_) setCursor(Qt::PointingHandCursor);
    // The start screen's choices and the links are reached with Tab.
    if (clickable_ && (style == Style::Choice || style == Style::Link)) setFocusPolicy(Qt::StrongFocus);
    bold_ = style == Style::Heading || style == Style::Choice;
    hide();
}

void TextItem::setLogical(const QRectF& rect) { SetLogicalRect(this, rect); }

void TextItem::sync(const std::string& caption, bool visible, QColor colour) {
    if (caption != caption_) {
        caption_ = caption;
        text_ = QString::fromStdString(caption);
        update();
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
    if (isHidden() == visible) setVisible(visible);
}

void TextItem::paintEvent(QPaintEvent*) {
    const QRectF logical = LogicalRect(this);
    if (logical.width() <= 0) return;
    const qreal s = width() / logical.width();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(s, s);
    QRectF box(0, 0, logical.width(), logical.height());

    const QFont font = paintFont();
    p.setFont(font);

    if (style_ == Style::Choice) {
        QPainterPath pill;
        pill.addRoundedRect(box.adjusted(1, 1, -1, -1), box.height() / 2 - 1, box.height() / 2 - 1);
        QLinearGradient fill(0, 0, 0, box.height());
        const QColor top = hover_ ? QColor(64, 150, 120) : QColor(44, 118, 98);
        fill.setColorAt(0, pressed_ ? top.darker(120) : top);
        fill.setColorAt(1, (pressed_ ? top.darker(120) : top).darker(125));
        p.setPen(QPen(QColor(200, 240, 210, 150), 1.5));
        p.setBrush(fill);
        p.drawPath(pill);
    }

    const int flags = static_cast<int>(align_) | (wrap_ ? Qt::TextWordWrap : 0);
    const QString shown = shownText();

    // The keyboard focus on a choice or a link: a bright dashed ring round
    // the pill or the text. A message with the focus needs none: it is the
    // one thing on the board to act on.
    if (hasFocus() && (style_ == Style::Choice || style_ == Style::Link)) {
        p.setPen(QPen(QColor(255, 226, 92), 2.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        if (style_ == Style::Choice) {
            p.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), box.height() / 2 - 1, box.height() / 2 - 1);
        } else {
            const QRectF around = p.boundingRect(box, flags, shown).adjusted(-6, -2, 6, 2) & box;
            p.drawRoundedRect(around.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
        }
    }

    // A soft shadow keeps light text readable on any background.
    if (style_ != Style::Title) {
        p.setPen(QColor(0, 0, 0, 110));
        p.drawText(box.translated(1.2, 1.4), flags, shown);
    }
    p.setPen(colour_);
    p.drawText(box, flags, shown);
}

QFont TextItem::paintFont() const {
    QFont font = style_ == Style::Title ? TitleFont(fontPixels_) : UiFont(fontPixels_, bold_);
    if (style_ == Style::Link && hover_) font.setUnderline(true);
    // A choice's word is never cut: a long one ("Entraînement") is drawn a
    // little smaller so that it stays within its pill's rounded ends.
    if (style_ == Style::Choice) {
        const qreal room = LogicalRect(this).width() - 16;
        while (font.pixelSize() > 10 && QFontMetricsF(font).horizontalAdvance(text_) > room)
            font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

// A line too long for its place (a name of 40 wide letters in the
// high-score table) ends in an ellipsis instead of a cut letter.
QString TextItem::shownText() const {
    if (wrap_ || text_.contains(QLatin1Char('\n'))) return text_;
    return QFontMetricsF(paintFont()).elidedText(text_, Qt::ElideRight, LogicalRect(this).width() - 2);
}

void TextItem::takeFocusAsMessage() { setFocusPolicy(Qt::StrongFocus); }

// Enter or Space does what a click does. Other keys go on to the board
// beneath, which dismisses a message on Escape as well.
void TextItem::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (clickable_ && activates && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TextItem::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TextItem::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TextItem::mousePressEvent(QMouseEvent* event) {
    if (!clickable_ || event->button() != Qt::LeftButton) {
        event->ignore();  // the board beneath takes it
        return;
    }
    pressed_ = true;
    update();
    event->accept();
}

void TextItem::mouseReleaseEvent(QMouseEvent* event) {
    if (!clickable_ || !pressed_) {
        event->ignore();
        return;
    }
    pressed_ = false;
    update();
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void TextItem::enterEvent(QEnterEvent*) {
    if (clickable_ && (style_ == Style::Link || style_ == Style::Choice)) {
        hover_ = true;
        update();
    }
}

void TextItem::leaveEvent(QEvent*) {
    if (hover_) {
        hover_ = false;
        update();
    }
}

Card::Card(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void Card::setLogical(const QRectF& rect) {
    if (LogicalRect(this) != rect) SetLogicalRect(this, rect);
}

void Card::paintEvent(QPaintEvent*) {
    const QRectF logical = LogicalRect(this);
    if (logical.width() <= 0) return;
    const qreal s = width() / logical.width();
    QPainter p(this);
    p.scale(s, s);
    PaintCard(p, QRectF(0, 0, logical.width(), logical.height()).adjusted(1, 1, -1, -5));
}

void Card::mousePressEvent(QMouseEvent* event) { event->ignore(); }

}  // namespace quib::desktop
