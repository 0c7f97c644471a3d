#pragma once
// The game's second windows: the About box and the colour sliders.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>

namespace quib::desktop {

class TextItem;

// The About box: a window of its own that never blocks the game.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    QPushButton* okayButton() const { return okay_; }
    QPushButton* licenseButton() const { return license_; }
    QWidget* addressLine() const;

signals:
    void okayClicked();
    void licenseClicked();
    void addressClicked();
    // The player closed the box by its close box or Escape.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override;

private:
    QPushButton* okay_ = nullptr;
    QPushButton* license_ = nullptr;
    QLabel* address_ = nullptr;
};

// The three colour sliders with their swatch and captions.
class ColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit ColourDialog(QWidget* parent = nullptr);
    // Shows the game's values without sending them back as changes.
    void sync(const std::array<int, 3>& values, unsigned swatch, const std::array<std::string, 3>& captions);
    QScrollBar* slider(int which) const { return sliders_.at(static_cast<std::size_t>(which - 2)); }
    QLabel* caption(int which) const { return captions_.at(static_cast<std::size_t>(which - 2)); }
    QColor swatchColour() const { return swatchColour_; }

signals:
    // which is 2 (red), 3 (green) or 4 (blue).
    void sliderMoved(int which, int value);

private:
    std::array<QScrollBar*, 3> sliders_{};
    std::array<QLabel*, 3> captions_{};
    QWidget* swatch_ = nullptr;
    QColor swatchColour_;
};

}  // namespace quib::desktop
