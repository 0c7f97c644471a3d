#pragma once
// The board: the pond, the cells' outlines, the frogs, the selection and the
// landing hints, painted from the game's board in its own pixel coordinates
// and scaled to the widget. It is also the canvas that holds every label and
// panel the game places over the board.

#include <QPointF>
#include <QWidget>
#include <array>
#include <vector>

#include "core/form.h"

namespace quib::desktop {

// The game's drawing area: the board's cells span (7, 5) to (785, 524).
constexpr int kCanvasWidth = 792;
constexpr int kCanvasHeight = 530;
// The smallest board the window shrinks to: about half the game's size, so
// that the game still fits a small laptop screen at 150 % scaling.
constexpr int kMinimumBoardWidth = 400;
constexpr int kMinimumBoardHeight = 268;

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const Session& session, QWidget* parent = nullptr);

    // Repaints when the board differs from what was painted last; returns
    // whether it did.
    bool refresh();
    // Scale and origin of the game's coordinates inside the widget.
    qreal scale() const { return scale_; }
    QPointF origin() const { return origin_; }
    QPointF toGame(QPointF widgetPoint) const { return (widgetPoint - origin_) / scale_; }
    QPointF toWidget(QPointF gamePoint) const { return origin_ + gamePoint * scale_; }
    // The visible frog picture at a game point, 0 for none.
    int frogPictureAt(QPointF gamePoint) const;
    int paintCount() const { return paintCount_; }
    const Session& session() const { return form_; }
    // The keyboard cursor's cell, 0 for none. It is drawn while the board has
    // the keyboard focus and a level is on the board.
    void setCursorCell(int cell);
    int cursorCell() const { return cursorCell_; }

    QSize sizeHint() const override { return {kCanvasWidth, kCanvasHeight}; }
    QSize minimumSizeHint() const override { return {kMinimumBoardWidth, kMinimumBoardHeight}; }

signals:
    void frogPressed(int index);
    void boardPressed(float x, float y);
    // The scale changed: the overlays must be placed again.
    void scaled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Snapshot {
        std::vector<Cell> cells;
        std::vector<FrogPicture> frogs;
        Outline highlight;
        std::array<int, 2> hint;  // the Practice hint's cells, 0 when none
        bool operator==(const Snapshot& o) const;
    };
    Snapshot take() const;

    const Session& form_;
    Snapshot shown_;
    qreal scale_ = 1;
    QPointF origin_;
    int paintCount_ = 0;
    int cursorCell_ = 0;
};

}  // namespace quib::desktop
