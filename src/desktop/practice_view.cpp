#include "practice_view.h"

#include <QFontMetricsF>
#include <cmath>

#include "artwork.h"
#include "overlay.h"

namespace quib::desktop {

namespace {

const QColor kHintGold(255, 176, 32);

// The notice stands in the board's bottom-right corner; the text begins
// after the dot and keeps a small margin on the right.
constexpr qreal kNoticeRight = 784;
constexpr qreal kNoticeTop = 507;
constexpr qreal kNoticeHeight = 17;
constexpr qreal kNoticeLeastWidth = 96;
constexpr qreal kTextLeft = 18;
constexpr qreal kTextRight = 5;

QColor DotColour(practice::Notice notice) {
    switch (notice) {
        case practice::Notice::Solvable: return QColor(80, 220, 110);
        case practice::Notice::Lost: return QColor(235, 80, 70);
        default: return QColor(200, 200, 190);
    }
}

}  // namespace

void PaintPracticeHint(QPainter& p, const Session& session) {
    const practice::Aids* aids = practice::FindAids(session);
    if (aids == nullptr || !aids->HintVisible) return;
    const auto& grid = session.board.Grid;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(Qt::NoBrush);
    for (int cell : {aids->HintFrom, aids->HintTo}) {
        if (cell < 1 || cell >= static_cast<int>(grid.size())) continue;
        const Cell& c = grid[static_cast<std::size_t>(cell)];
        const QRectF r = QRectF(c.Left, c.Top, c.Width, c.Height).adjusted(3, 3, -3, -3);
        // The landing cell dashed, the frog to move solid.
        QPen pen(kHintGold, 3.0, cell == aids->HintTo ? Qt::DashLine : Qt::SolidLine);
        p.setPen(pen);
        p.drawEllipse(r);
    }
    p.restore();
}

PracticeNotice::PracticeNotice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PracticeNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    // As wide as the longest of its words in the player's language needs
    // ("Pas encore sûr" is wider than "Not sure yet"), growing to the left.
    const QFontMetricsF metrics(textFont());
    qreal widest = 0;
    for (practice::Notice n : {practice::Notice::Solvable, practice::Notice::Lost, practice::Notice::NotSure})
        widest = qMax(widest, metrics.horizontalAdvance(TextOf(n)));
    const qreal width = qMax(kNoticeLeastWidth, std::ceil(widest) + kTextLeft + kTextRight + 2);
    SetLogicalRect(this, QRectF(kNoticeRight - width, kNoticeTop, width, kNoticeHeight));
    hide();
}

QFont PracticeNotice::textFont() { return UiFont(11); }

QRectF PracticeNotice::textBox() const {
    const QRectF logical = LogicalRect(this);
    return QRectF(0.5, 0.5, logical.width() - 1, logical.height() - 1).adjusted(kTextLeft, 0, -kTextRight, 0);
}

QString PracticeNotice::text() const { return TextOf(notice_); }

QString PracticeNotice::TextOf(practice::Notice notice) {
    switch (notice) {
        case practice::Notice::Solvable:
            return tr("Solvable");
        case practice::Notice::Lost:
            return tr("Lost");
        case practice::Notice::NotSure:
            return tr("Not sure yet");
        default: return {};
    }
}

void PracticeNotice::sync(practice::Notice notice) {
    if (notice != notice_) {
        notice_ = notice;
        setAccessibleName(text());
        update();
    }
    const bool visible = notice_ != practice::Notice::Hidden;
    if (isHidden() == visible) setVisible(visible);
    if (visible) raise();
}

void PracticeNotice::paintEvent(QPaintEvent*) {
    const QRectF logical = LogicalRect(this);
    if (logical.width() <= 0) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = width() / logical.width();
    p.scale(s, s);
    const QRectF r(0.5, 0.5, logical.width() - 1, logical.height() - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 30, 36, 150));
    p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
    p.setBrush(DotColour(notice_));
    p.drawEllipse(QPointF(r.left() + 9, r.center().y()), 4, 4);
    p.setFont(textFont());
    p.setPen(QColor(240, 240, 228));
    p.drawText(textBox(), Qt::AlignVCenter | Qt::AlignLeft, text());
}

}  // namespace quib::desktop
