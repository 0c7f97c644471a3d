#pragma once
// The main window: the menu bar, the board with the labels and panels over
// it, the name entry, the About box and the colour sliders. It owns the game
// and its timer, hands every event to the game's handler and then shows what
// the game's state says. It takes no game decision of its own.

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/form.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quib::desktop {

class AboutBox;
class BoardView;
class Card;
class PracticeNotice;
class QtPlatform;
class ColourDialog;
class KeyboardPlay;
class TextItem;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // dataFolder and programFolder end with '/'.
    MainWindow(Platform& platform, const std::string& dataFolder, const std::string& programFolder,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    Session& session() { return *form_; }
    BoardView* boardView() const { return board_; }
    // Made on first use.
    AboutBox* aboutBox();
    ColourDialog* colourDialog();
    PracticeNotice* practiceNotice() const { return notice_; }
    QLineEdit* nameInput() const { return nameInput_; }
    QTimer& timer() { return timer_; }
    // Copies the game's state into the widgets, touching only what changed.
    void render();
    // Runs one handler of the game, then shows the result.
    void run(const std::function<void(Session&)>& handler);
    // The desktop session ends: the close request's writes without the
    // question, then the program quits.
    void endSession();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct MenuBinding {
        QAction* action;
        const MenuEntry* entry;
    };
    struct LabelBinding {
        TextItem* item;
        const Label* label;
        QColor colour;  // the colour we give it; the game's own when invalid
    };

    // A label's text as the window shows it.
    const std::string& shown(const Label& label) const;
    void buildMenus();
    void rebuildGotoLevelMenu();
    QAction* bindAction(QAction* action, const MenuEntry& entry, const QString& name,
                        std::function<void(Session&)> handler, bool checkable = false);
    void buildOverlays();
    void buildIntro();
    TextItem* addLabel(QWidget* parent, const Label& label, const QString& name, int style, qreal fontPixels,
                       bool clickable, QColor colour, std::function<void(Session&)> handler = {});
    void runWithHourglass(const std::function<void(Session&)>& handler);
    void onTick();
    void scheduleTick();
    void finishStart();
    void startTicking();
    void placeOverlays();
    void renderMenus();
    void renderLabels();
    void renderCards();
    void renderDialogs();
    void syncColours();

    std::unique_ptr<Session> form_;
    QTimer timer_;
    bool ticking_ = false;  // the timer has been started once
    bool firstPaintWorkDone_ = false;  // what waits for the first paint has been done
    BoardView* board_ = nullptr;
    QWidget* introFrame_ = nullptr;
    Card* messageCard_ = nullptr;
    Card* adCard_ = nullptr;
    TextItem* adItem_ = nullptr;
    Card* tableCard_ = nullptr;
    QLineEdit* nameInput_ = nullptr;
    QPushButton* enterButton_ = nullptr;
    QLineEdit* text1_ = nullptr;
    AboutBox* about_ = nullptr;
    ColourDialog* colours_ = nullptr;
    QtPlatform* qtPlatform_ = nullptr;  // the real platform, when it is one
    QMenu* gotoMenu_ = nullptr;
    PracticeNotice* notice_ = nullptr;
    KeyboardPlay* keys_ = nullptr;

    std::vector<MenuBinding> menus_;
    std::vector<LabelBinding> labels_;
    std::vector<TextItem*> messageItems_;
    std::vector<TextItem*> tableItems_;
    std::vector<int> gotoLevels_;
    std::vector<QAction*> gotoActions_;
    // The game's caption each action last showed, so the Alt letter is worked
    // out only when a caption changes, not on every render.
    std::unordered_map<const QAction*, std::string> shownCaptions_;
    TextItem* exitItem_ = nullptr;
    TextItem* continueItem_ = nullptr;
    int shownRaiseRequests_ = 0;
    // "Anonymous" in the player's language (see shown()).
    std::string anonymous_;
    int busy_ = 0;  // handlers under way; timer ticks wait until they end
};

}  // namespace quib::desktop
