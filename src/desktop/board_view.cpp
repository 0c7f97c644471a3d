#include "board_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "artwork.h"
#include "practice_view.h"

namespace quib::desktop {

namespace {

bool SameCell(const Cell& a, const Cell& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height &&
           a.Visible == b.Visible && a.Outlined == b.Outlined && a.BorderColor == b.BorderColor;
}

bool SamePicture(const FrogPicture& a, const FrogPicture& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height &&
           a.Visible == b.Visible && a.FacingLeft == b.FacingLeft;
}

QRectF PictureRect(const FrogPicture& f, const Board& b) {
    // A frog picture is the cell less 6 pixels each way.
    const qreal w = f.Width > 0 ? f.Width : b.CellWidth - 6;
    const qreal h = f.Height > 0 ? f.Height : b.CellHeight - 6;
    return {f.Left, f.Top, w, h};
}

}  // namespace

bool BoardView::Snapshot::operator==(const Snapshot& o) const {
    if (cells.size() != o.cells.size() || frogs.size() != o.frogs.size()) return false;
    if (highlight.Left != o.highlight.Left || highlight.Top != o.highlight.Top ||
        highlight.Width != o.highlight.Width || highlight.Height != o.highlight.Height ||
        highlight.Visible != o.highlight.Visible || hint != o.hint)
        return false;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (!SameCell(cells[i], o.cells[i])) return false;
    for (std::size_t i = 0; i < frogs.size(); ++i)
        if (!SamePicture(frogs[i], o.frogs[i])) return false;
    return true;
}

BoardView::BoardView(const Session& session, QWidget* parent) : QWidget(parent), form_(session) {
    setObjectName(QStringLiteral("BoardView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kMinimumBoardWidth, kMinimumBoardHeight);
    setFocusPolicy(Qt::StrongFocus);
    shown_ = take();
}

BoardView::Snapshot BoardView::take() const {
    const practice::Aids* aids = practice::FindAids(form_);
    const std::array<int, 2> hint = aids != nullptr && aids->HintVisible ? std::array<int, 2>{aids->HintFrom, aids->HintTo}
                                                                          : std::array<int, 2>{};
    return {form_.board.Grid, form_.board.Frog, form_.board.HighLight, hint};
}

bool BoardView::refresh() {
    // Cheap enough for every timer tick: a few hundred small records.
    Snapshot now = take();
    if (now == shown_) return false;
    shown_ = std::move(now);
    update();
    return true;
}

int BoardView::frogPictureAt(QPointF g) const {
    const Board& b = form_.board;
    for (std::size_t i = 1; i < b.Frog.size(); ++i) {
        const FrogPicture& f = b.Frog[i];
        if (f.Visible && PictureRect(f, b).contains(g)) return static_cast<int>(i);
    }
    return 0;
}

void BoardView::setCursorCell(int cell) {
    if (cell == cursorCell_) return;
    cursorCell_ = cell;
    update();
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void BoardView::resizeEvent(QResizeEvent*) {
    const qreal sx = width() / static_cast<qreal>(kCanvasWidth);
    const qreal sy = height() / static_cast<qreal>(kCanvasHeight);
    scale_ = qMax<qreal>(0.1, qMin(sx, sy));
    origin_ = QPointF((width() - kCanvasWidth * scale_) / 2, (height() - kCanvasHeight * scale_) / 2);
    emit scaled();
}

void BoardView::paintEvent(QPaintEvent*) {
    ++paintCount_;
    QPainter p(this);
    p.translate(origin_);
    p.scale(scale_, scale_);
    // The pond fills the whole widget, beyond the game's area too when the
    // window's shape differs from the board's.
    PaintPond(p, QRectF(-origin_ / scale_, QSizeF(width(), height()) / scale_));

    const Board& b = form_.board;
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    // Outlines: black lines for "Grids", thicker with a soft fill for the
    // coloured landing hints so that they stand out on the water.
    for (std::size_t i = 1; i < b.Grid.size(); ++i) {
        const Cell& c = b.Grid[i];
        if (!c.Visible || !c.Outlined) continue;
        const QColor colour = ToQColor(c.BorderColor);
        const QRectF r(c.Left, c.Top, c.Width, c.Height);
        if (c.BorderColor == 0) {
            p.setPen(QPen(colour, 1.0));
            p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
        } else {
            QColor fill = colour;
            fill.setAlpha(60);
            p.fillRect(r.adjusted(2, 2, -2, -2), fill);
            p.setPen(QPen(colour, 2.0));
            p.drawRect(r.adjusted(1, 1, -1, -1));
        }
    }

    p.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t i = 1; i < b.Frog.size(); ++i) {
        const FrogPicture& f = b.Frog[i];
        if (f.Visible) PaintFrog(p, PictureRect(f, b), f.FacingLeft);
    }

    PaintPracticeHint(p, form_);

    const Outline& h = b.HighLight;
    if (h.Visible) {
        const QRectF r(h.Left, h.Top, h.Width, h.Height);
        p.setPen(QPen(QColor(0, 255, 0, 90), 5.0));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
        p.setPen(QPen(QColor(0, 255, 0), 2.0));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
    }

    // The keyboard cursor: a square frame of white dashes on deep blue,
    // thicker than any outline and of neither green, so that it never reads
    // as the selection, a landing hint or an outline of another colour. It
    // lies inside the selection's outline, which stays in sight around it.
    const bool inPlay = form_.play.Now == Screen::LevelInPlay;
    if (cursorCell_ > 0 && cursorCell_ < static_cast<int>(b.Grid.size()) && hasFocus() && inPlay) {
        const Cell& c = b.Grid[static_cast<std::size_t>(cursorCell_)];
        const QRectF r = QRectF(c.Left, c.Top, c.Width, c.Height).adjusted(4.5, 4.5, -4.5, -4.5);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(QColor(16, 40, 150), 3.0));
        p.drawRect(r);
        QPen dashes(QColor(255, 255, 255), 3.0, Qt::CustomDashLine, Qt::FlatCap);
        dashes.setDashPattern({2, 2});
        p.setPen(dashes);
        p.drawRect(r);
    }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    const QPointF g = toGame(event->position());
    const int picture = frogPictureAt(g);
    if (picture > 0)
        emit frogPressed(picture);
    else
        emit boardPressed(static_cast<float>(g.x()), static_cast<float>(g.y()));
}

}  // namespace quib::desktop
