#include "dialogs.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "artwork.h"
#include "core/window/links.h"

namespace quib::desktop {

namespace {

// A label that reports clicks, for the About box's address line.
class ClickLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick) onClick();
    }
};

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font, const QString& css) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setStyleSheet(css);
    return label;
}

// The frog that greets the player in the About box.
class FrogBadge : public QWidget {
public:
    explicit FrogBadge(QWidget* parent) : QWidget(parent) { setFixedSize(84, 84); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintFrog(p, QRectF(0, 0, width(), height()), false);
    }
};

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("About Quib"));
    setModal(false);
    setWindowModality(Qt::NonModal);
    setFixedSize(440, 340);
    setStyleSheet(QStringLiteral(
        "QPushButton { background: #2f7d62; color: white; border: 1px solid #9fe0bd; border-radius: 7px;"
        " padding: 6px 16px; font-weight: bold; }"
        "QPushButton:hover { background: #3a9475; }"
        "QPushButton:pressed { background: #245f4b; }"
        "QPushButton:focus { border: 2px solid #d9ffe8; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(26, 20, 26, 18);
    layout->setSpacing(6);

    auto* top = new QHBoxLayout;
    top->addWidget(new FrogBadge(this));
    auto* titles = new QVBoxLayout;
    titles->setSpacing(2);
    titles->addWidget(MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Quib"), TitleFont(46),
                                QStringLiteral("color: #c8f080;")));
    titles->addWidget(MakeLabel(this, QStringLiteral("Label2"), tr("Version 1.5"), UiFont(15, true),
                                QStringLiteral("color: #f4f1de;")));
    titles->addWidget(MakeLabel(this, QStringLiteral("VersionLine"),
                                tr("Linux desktop edition, build %1").arg(QStringLiteral(QUIB_VERSION)),
                                UiFont(12), QStringLiteral("color: #b9d6d0;")));
    top->addLayout(titles, 1);
    layout->addLayout(top);

    auto* address = new ClickLabel(QString::fromLatin1(window::kHomePageText), this);
    address->setObjectName(QStringLiteral("Label3"));
    address->setFont(UiFont(14));
    address->setStyleSheet(QStringLiteral("color: #8fd8ff; text-decoration: underline;"));
    address->setCursor(Qt::PointingHandCursor);
    address->setAlignment(Qt::AlignCenter);
    address->onClick = [this] { emit addressClicked(); };
    address_ = address;
    layout->addSpacing(4);
    layout->addWidget(address);
    layout->addSpacing(8);

    layout->addWidget(MakeLabel(this, QStringLiteral("Label4"), tr("Warning"), UiFont(15, true),
                                QStringLiteral("color: #ffd27a;")));
    auto* notice = MakeLabel(
        this, QStringLiteral("Label5"),
        tr("Quib is free. It is provided as is, without warranty of any kind; you play it at your own "
           "risk. You may copy and share it freely, but you may not sell it. See the License "
           "Agreement for the full terms."),
        UiFont(13), QStringLiteral("color: #e8eee9;"));
    notice->setWordWrap(true);
    layout->addWidget(notice);
    layout->addStretch(1);

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgba(255,255,255,90);"));
    layout->addWidget(line);

    auto* buttons = new QHBoxLayout;
    okay_ = new QPushButton(tr("Okay"), this);
    okay_->setObjectName(QStringLiteral("Command1"));
    license_ = new QPushButton(tr("License Agreement"), this);
    license_->setObjectName(QStringLiteral("Command2"));
    okay_->setDefault(true);
    buttons->addWidget(license_);
    buttons->addStretch(1);
    buttons->addWidget(okay_);
    layout->addLayout(buttons);
    connect(okay_, &QPushButton::clicked, this, &AboutBox::okayClicked);
    connect(license_, &QPushButton::clicked, this, &AboutBox::licenseClicked);
}

QWidget* AboutBox::addressLine() const { return address_; }

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(22, 56, 76));
    g.setColorAt(1, QColor(16, 78, 74));
    p.fillRect(rect(), g);
}

// The box is closed only by the game: the close box asks, the game decides.
void AboutBox::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

void AboutBox::reject() { emit closeRequested(); }

ColourDialog::ColourDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ColourDialog"));
    setWindowTitle(tr("Colours"));
    setModal(false);
    auto* layout = new QHBoxLayout(this);
    const char* names[] = {"VScroll2", "VScroll3", "VScroll4"};
    const char* labels[] = {"Label7", "Label8", "Label9"};
    const QString colourNames[] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int i = 0; i < 3; ++i) {
        auto* column = new QVBoxLayout;
        auto* bar = new QScrollBar(Qt::Vertical, this);
        bar->setObjectName(QString::fromLatin1(names[i]));
        bar->setRange(0, 255);
        bar->setPageStep(16);
        // Reached with Tab and moved with the arrow keys, like any slider.
        bar->setFocusPolicy(Qt::StrongFocus);
        bar->setAccessibleName(colourNames[i]);
        bar->setMinimumHeight(180);
        auto* caption = new QLabel(this);
        caption->setObjectName(QString::fromLatin1(labels[i]));
        caption->setMinimumWidth(80);
        caption->setAlignment(Qt::AlignCenter);
        column->addWidget(bar, 1, Qt::AlignHCenter);
        column->addWidget(caption);
        layout->addLayout(column);
        sliders_[static_cast<std::size_t>(i)] = bar;
        captions_[static_cast<std::size_t>(i)] = caption;
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int value) { emit sliderMoved(i + 2, value); });
    }
    swatch_ = new QFrame(this);
    swatch_->setObjectName(QStringLiteral("Shape3"));
    swatch_->setMinimumSize(110, 110);
    swatch_->setAutoFillBackground(true);
    layout->addWidget(swatch_);
}

void ColourDialog::sync(const std::array<int, 3>& values, unsigned swatch, const std::array<std::string, 3>& captions) {
    for (std::size_t i = 0; i < 3; ++i) {
        if (sliders_[i]->value() != values[i]) {
            const QSignalBlocker block(sliders_[i]);
            sliders_[i]->setValue(values[i]);
        }
        const QString text = QString::fromStdString(captions[i]);
        if (captions_[i]->text() != text) captions_[i]->setText(text);
    }
    const QColor colour = ToQColor(swatch);
    if (colour != swatchColour_) {
        swatchColour_ = colour;
        QPalette pal = swatch_->palette();
        pal.setColor(QPalette::Window, colour);
        swatch_->setPalette(pal);
    }
}

}  // namespace quib::desktop
