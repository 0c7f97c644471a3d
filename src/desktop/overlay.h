#pragma once
// The labels and panels that lie over the board. Each is placed in the
// game's own pixel coordinates and painted scaled, so the whole window
// scales as one picture when it is enlarged.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <string>

namespace quib::desktop {

// Remembers where a widget stands in the game's coordinates (relative to its
// parent) and at which font size, for the scaled layout.
void SetLogicalRect(QWidget* widget, const QRectF& rect, qreal fontPixels = 0);
QRectF LogicalRect(const QWidget* widget);
// Places every child of parent that has a logical rect, at scale s from the
// given origin, and scales the fonts of text boxes and buttons; recurses into
// children that hold placed children of their own.
void LayoutScaled(QWidget* parent, qreal s, QPointF origin = {});

// A line or block of text over the board, optionally clickable.
class TextItem : public QWidget {
    Q_OBJECT
public:
    enum class Style {
        Plain,    // text with a soft shadow
        Heading,  // larger, bold, warm colour
        Title,    // the big "Quib" of the start screen
        Link,     // underlined on hover
        Choice,   // a rounded pill, the start screen's choices
    };

    TextItem(QWidget* parent, const QString& name, Style style, qreal fontPixels, bool clickable,
             Qt::Alignment align = Qt::AlignCenter);

    // Copies one label of the game; repaints only when something changed.
    void sync(const std::string& caption, bool visible, QColor colour);
    void setLogical(const QRectF& rect);
    QString text() const { return text_; }
    // The text as painted: a single line too long for its place is elided.
    QString shownText() const;
    QFont paintFont() const;
    QColor colour() const { return colour_; }
    void setBold(bool bold) { bold_ = bold; }
    void setWrap(bool wrap) { wrap_ = wrap; }
    Style style() const { return style_; }
    bool isClickable() const { return clickable_; }
    // A message that a click dismisses can take the keyboard focus.
    void takeFocusAsMessage();
    // The other labels (by name) that a screen reader reads with this one.
    void setReadWith(const QStringList& names) { readWith_ = names; }
    QStringList readWith() const { return readWith_; }
    // What a click does.
    void activate() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::string caption_;
    QString text_;
    QColor colour_;
    Style style_;
    qreal fontPixels_;
    bool clickable_;
    bool bold_ = false;
    bool wrap_ = false;
    bool hover_ = false;
    bool pressed_ = false;
    QStringList readWith_;
    Qt::Alignment align_;
};

// A rounded card behind a group of labels; clicks go through to the board.
class Card : public QWidget {
    Q_OBJECT
public:
    explicit Card(QWidget* parent, const QString& name);
    void setLogical(const QRectF& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quib::desktop
