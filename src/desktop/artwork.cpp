#include "artwork.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QStringList>
#include <QTransform>

namespace quib::desktop {

namespace {

const QColor kFrogDark(28, 84, 30);
const QColor kFrogBody(104, 196, 72);
const QColor kFrogBack(78, 165, 56);
const QColor kFrogBelly(214, 242, 160);
const QColor kPadDark(25, 96, 58);
const QColor kPad(52, 140, 78);

// The lily pad: a disc with the wedge cut out that makes it a lily pad.
QPainterPath LilyPad(const QRectF& r) {
    QPainterPath pad;
    pad.moveTo(r.center());
    pad.arcTo(r, 70, 330);  // leaves a 30 degree notch at the upper right
    pad.closeSubpath();
    return pad;
}

// The frog facing right in a 100 by 100 design box.
void PaintFrogRight(QPainter& p) {
    const QPen outline(kFrogDark, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    // Lily pad under the frog.
    const QRectF padRect(2, 58, 96, 40);
    p.setPen(QPen(kPadDark, 2.4));
    QLinearGradient padGrad(0, 58, 0, 98);
    padGrad.setColorAt(0, kPad.lighter(115));
    padGrad.setColorAt(1, kPad.darker(110));
    p.setBrush(padGrad);
    p.drawPath(LilyPad(padRect));
    p.setPen(QPen(kPadDark.lighter(120), 1.4));
    p.drawLine(QPointF(50, 78), QPointF(14, 80));
    p.drawLine(QPointF(50, 78), QPointF(40, 95));
    p.drawLine(QPointF(50, 78), QPointF(72, 94));

    // Back leg, folded under the body.
    p.setPen(outline);
    p.setBrush(kFrogBack);
    QPainterPath leg;
    leg.moveTo(18, 74);
    leg.cubicTo(8, 60, 22, 42, 40, 50);
    leg.cubicTo(50, 56, 46, 74, 34, 78);
    leg.lineTo(22, 80);
    leg.cubicTo(14, 81, 12, 78, 18, 74);
    p.drawPath(leg);

    // Body and head in one rounded shape.
    QPainterPath body;
    body.moveTo(20, 66);
    body.cubicTo(18, 44, 38, 30, 58, 30);
    body.cubicTo(80, 30, 94, 42, 94, 56);
    body.cubicTo(94, 70, 80, 78, 60, 78);
    body.lineTo(34, 78);
    body.cubicTo(24, 78, 20, 74, 20, 66);
    QLinearGradient bodyGrad(0, 28, 0, 80);
    bodyGrad.setColorAt(0, kFrogBody.lighter(112));
    bodyGrad.setColorAt(1, kFrogBody.darker(108));
    p.setBrush(bodyGrad);
    p.drawPath(body);

    // Pale belly.
    p.setPen(Qt::NoPen);
    p.setBrush(kFrogBelly);
    p.drawEllipse(QRectF(48, 56, 40, 20));

    // Spots on the back.
    p.setBrush(kFrogBack.darker(115));
    p.drawEllipse(QRectF(34, 44, 9, 7));
    p.drawEllipse(QRectF(46, 38, 7, 6));
    p.drawEllipse(QRectF(28, 56, 7, 6));

    // Front leg: a short limb ending in a splayed foot.
    p.setPen(outline);
    p.setBrush(kFrogBack);
    QPainterPath arm;
    arm.moveTo(61, 66);
    arm.cubicTo(60, 75, 62, 82, 66, 85);
    arm.lineTo(81, 85);
    arm.cubicTo(86, 85, 86, 79, 81, 79);
    arm.lineTo(74, 79);
    arm.cubicTo(72, 75, 72, 70, 72, 66);
    arm.closeSubpath();
    p.drawPath(arm);

    // Eyes on top of the head, looking ahead.
    for (const QPointF& c : {QPointF(60, 28), QPointF(80, 30)}) {
        p.setPen(outline);
        p.setBrush(kFrogBody.lighter(105));
        p.drawEllipse(c, 12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c, 8.4, 8.4);
        p.setBrush(QColor(20, 30, 20));
        p.drawEllipse(c + QPointF(2.6, 0.6), 4.6, 5.2);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(3.8, -1.6), 1.6, 1.6);
    }

    // Smile and cheek.
    p.setPen(QPen(kFrogDark, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath smile;
    smile.moveTo(70, 52);
    smile.cubicTo(76, 58, 86, 57, 91, 50);
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 140, 140, 150));
    p.drawEllipse(QRectF(76, 42, 9, 6));
}

}  // namespace

QFont UiFont(qreal pixelSize, bool bold) {
    QFont f;
    f.setFamilies(QStringList{"DejaVu Sans", "Noto Sans", "Liberation Sans", "Sans Serif"});
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont TitleFont(qreal pixelSize) {
    QFont f;
    f.setFamilies(QStringList{"URW Bookman", "DejaVu Serif", "Noto Serif", "Serif"});
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(QFont::DemiBold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void PaintFrog(QPainter& p, const QRectF& rect, bool facingLeft) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / 100.0, rect.height() / 100.0);
    if (facingLeft) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    PaintFrogRight(p);
    p.restore();
}

void PaintPond(QPainter& p, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient water(rect.topLeft(), rect.bottomLeft());
    water.setColorAt(0, QColor(138, 206, 200));
    water.setColorAt(1, QColor(98, 176, 178));
    p.fillRect(rect, water);

    // Soft light patches and ripple rings, placed by a fixed pattern so the
    // pond looks the same on every repaint.
    p.setPen(Qt::NoPen);
    const struct {
        qreal x, y, r;
    } glows[] = {{0.18, 0.22, 0.22}, {0.72, 0.35, 0.26}, {0.42, 0.78, 0.24}, {0.9, 0.85, 0.18}};
    for (const auto& g : glows) {
        const QPointF c(rect.left() + g.x * rect.width(), rect.top() + g.y * rect.height());
        QRadialGradient glow(c, g.r * rect.width());
        glow.setColorAt(0, QColor(255, 255, 255, 42));
        glow.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(glow);
        p.drawEllipse(c, g.r * rect.width(), g.r * rect.width());
    }
    p.setBrush(Qt::NoBrush);
    const struct {
        qreal x, y, w;
    } rings[] = {{0.12, 0.62, 0.07}, {0.58, 0.14, 0.09}, {0.84, 0.55, 0.06}, {0.33, 0.40, 0.05}, {0.66, 0.9, 0.08}};
    for (const auto& r : rings) {
        const QPointF c(rect.left() + r.x * rect.width(), rect.top() + r.y * rect.height());
        for (int k = 0; k < 3; ++k) {
            const qreal w = r.w * rect.width() * (1.0 + 0.55 * k);
            p.setPen(QPen(QColor(255, 255, 255, 55 - 15 * k), 1.2));
            p.drawEllipse(c, w, w * 0.38);
        }
    }
    p.restore();
}

void PaintIntroPicture(QPainter& p, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath frame;
    frame.addRoundedRect(rect, 22, 22);
    p.setClipPath(frame);

    QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
    sky.setColorAt(0.0, QColor(24, 52, 78));
    sky.setColorAt(0.55, QColor(22, 78, 86));
    sky.setColorAt(1.0, QColor(18, 92, 80));
    p.fillRect(rect, sky);

    // The moon and its glow in the upper right.
    const QPointF moon(rect.right() - 70, rect.top() + 62);
    QRadialGradient glow(moon, 120);
    glow.setColorAt(0, QColor(255, 246, 200, 90));
    glow.setColorAt(1, QColor(255, 246, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(moon, 120, 120);
    p.setBrush(QColor(255, 248, 214));
    p.drawEllipse(moon, 24, 24);
    p.setBrush(QColor(24, 52, 78, 200));
    p.drawEllipse(moon + QPointF(10, -6), 20, 20);

    // A few stars.
    p.setBrush(QColor(255, 255, 255, 170));
    const QPointF stars[] = {{40, 26}, {120, 54}, {210, 18}, {300, 40}, {380, 22}, {90, 100}, {330, 96}};
    for (const QPointF& s : stars) p.drawEllipse(rect.topLeft() + s, 1.4, 1.4);

    // Reeds at the left edge.
    for (int i = 0; i < 5; ++i) {
        const qreal x = rect.left() + 10 + i * 9;
        QPainterPath reed;
        reed.moveTo(x, rect.bottom());
        reed.cubicTo(x + 4, rect.bottom() - 80, x - 6 + i * 3, rect.bottom() - 150, x + 6 - i, rect.bottom() - 200 + i * 18);
        p.setPen(QPen(QColor(40, 110, 70, 200), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(reed);
    }
    for (int i = 0; i < 2; ++i) {
        const QPointF top(rect.left() + 18 + i * 18, rect.bottom() - 150 + i * 26);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 78, 44));
        p.drawRoundedRect(QRectF(top, QSizeF(7, 30)), 3.5, 3.5);
    }

    // Water line with pads, and a frog watching from the right.
    QLinearGradient water(0, rect.bottom() - 70, 0, rect.bottom());
    water.setColorAt(0, QColor(28, 106, 104, 0));
    water.setColorAt(1, QColor(28, 106, 104, 180));
    p.fillRect(QRectF(rect.left(), rect.bottom() - 70, rect.width(), 70), water);
    p.setPen(QPen(QColor(20, 70, 44), 2));
    p.setBrush(QColor(46, 128, 74, 210));
    p.drawPath(LilyPad(QRectF(rect.left() + 70, rect.bottom() - 34, 70, 24)));
    p.drawPath(LilyPad(QRectF(rect.left() + 160, rect.bottom() - 22, 54, 18)));
    p.drawPath(LilyPad(QRectF(rect.right() - 210, rect.bottom() - 30, 60, 20)));
    PaintFrog(p, QRectF(rect.right() - 118, rect.bottom() - 104, 100, 100), true);
    p.restore();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(rect.adjusted(0.75, 0.75, -0.75, -0.75), 22, 22);
    p.restore();
}

void PaintCard(QPainter& p, const QRectF& rect, qreal radius) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(rect.translated(0, 4), radius, radius);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(18, 48, 66, 232));
    fill.setColorAt(1, QColor(14, 38, 52, 236));
    p.setBrush(fill);
    p.setPen(QPen(QColor(255, 255, 255, 80), 1.5));
    p.drawRoundedRect(rect, radius, radius);
    p.restore();
}

void PaintAppIcon(QPainter& p, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient bg(QPointF(s * 0.5, s * 0.4), s * 0.6);
    bg.setColorAt(0, QColor(150, 214, 206));
    bg.setColorAt(1, QColor(70, 150, 160));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.22, s * 0.22);
    PaintFrog(p, QRectF(s * 0.02, s * 0.04, s * 0.96, s * 0.96), false);
}

QImage AppIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    PaintAppIcon(p, size);
    return image;
}

namespace {

class AppIconEngine : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int size = qMin(rect.width(), rect.height());
        p->save();
        p->translate(rect.x() + (rect.width() - size) / 2, rect.y() + (rect.height() - size) / 2);
        PaintAppIcon(*p, size);
        p->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(AppIconImage(qMax(1, qMin(size.width(), size.height()))));
    }
    // The sizes the window system is offered, as the installed icons.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
};

}  // namespace

QIcon AppIcon() { return QIcon(new AppIconEngine); }

}  // namespace quib::desktop
