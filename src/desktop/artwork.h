#pragma once
// Quib's own pictures, drawn with QPainter so that they stay sharp at any
// scale: the frogs, the pond, the start screen's picture and the icon.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRectF>

namespace quib::desktop {

// A frog sitting on its lily pad, filling rect, facing left or right.
void PaintFrog(QPainter& p, const QRectF& rect, bool facingLeft);

// The calm pond under the board.
void PaintPond(QPainter& p, const QRectF& rect);

// The start screen's background picture: a pond at dusk.
void PaintIntroPicture(QPainter& p, const QRectF& rect);

// A rounded, semi-opaque card that keeps text readable over the board.
void PaintCard(QPainter& p, const QRectF& rect, qreal radius = 18);

// The game's icon, a frog on a rounded pond square, size by size; the window
// icon and the installed icons are all drawn by it.
void PaintAppIcon(QPainter& p, qreal size);
QImage AppIconImage(int size);
// The icon for windows: each size is painted when a window asks for it, and
// no picture is kept (the window system keeps its own copy).
QIcon AppIcon();

// The game's fonts at a size in logical pixels.
QFont UiFont(qreal pixelSize, bool bold = false);
QFont TitleFont(qreal pixelSize);

// A colour of the core (0xRRGGBB) as a QColor.
inline QColor ToQColor(unsigned colour) {
    return QColor((colour >> 16) & 0xff, (colour >> 8) & 0xff, colour & 0xff);
}

}  // namespace quib::desktop
