#pragma once
// What the Practice aids show on the board: the hint's outlines, painted by
// the board view, and the small notice that says whether the board can still
// be solved.

#include <QPainter>
#include <QWidget>

#include "core/form.h"
#include "core/practice/practice.h"

namespace quib::desktop {

// Gold outlines on the hinted frog's cell and its landing cell, apart from
// the green landing hints and the selection.
void PaintPracticeHint(QPainter& p, const Session& session);

// A small mark in the board's bottom-right corner: a coloured dot and a word.
// Clicks go through to the board beneath.
class PracticeNotice : public QWidget {
    Q_OBJECT
public:
    explicit PracticeNotice(QWidget* parent);
    void sync(practice::Notice notice);
    practice::Notice shown() const { return notice_; }
    QString text() const;
    // The words of a notice in the player's language.
    static QString TextOf(practice::Notice notice);
    // The font of the words and the place they are drawn in, in the game's
    // coordinates relative to the notice.
    static QFont textFont();
    QRectF textBox() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    practice::Notice notice_ = practice::Notice::Hidden;
};

}  // namespace quib::desktop
