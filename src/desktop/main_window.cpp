#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWindowStateChangeEvent>
#include <exception>

#include "accessibility.h"
#include "accessibility_bus_guard.h"
#include "artwork.h"
#include "board_view.h"
#include "core/board/board.h"
#include "core/game/game.h"
#include "core/levels/levels.h"
#include "core/levels/library_writer.h"
#include "core/practice/practice.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "dialogs.h"
#include "keyboard_play.h"
#include "menu_keys.h"
#include "overlay.h"
#include "practice_view.h"
#include "qt_platform.h"

namespace quib::desktop {

namespace {

using Style = TextItem::Style;

// Where the start screen's elements stand inside it.
constexpr qreal kIntroWidth = 540;
constexpr qreal kIntroHeight = 430;

// The start screen's frame with its background picture; clicks on the
// picture go on to the window beneath.
class IntroPanel : public QWidget {
public:
    IntroPanel(QWidget* parent, const bool& pictureShown) : QWidget(parent), pictureShown_(pictureShown) {
        setObjectName(QStringLiteral("IntroFrame"));
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const QRectF logical = LogicalRect(this);
        if (!pictureShown_ || logical.width() <= 0) return;
        QPainter p(this);
        const qreal s = width() / logical.width();
        p.scale(s, s);
        PaintIntroPicture(p, QRectF(0, 0, logical.width(), logical.height()));
    }
    void mousePressEvent(QMouseEvent* event) override { event->ignore(); }

private:
    const bool& pictureShown_;
};

// PlaybackInput passes every typed character through the game, which may change it.
class KeyFilterEdit : public QLineEdit {
public:
    KeyFilterEdit(QWidget* parent, std::function<char(char)> filter) : QLineEdit(parent), filter_(std::move(filter)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 127) {
            const char c = filter_(static_cast<char>(text[0].unicode()));
            insert(QString(QChar::fromLatin1(c)));
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    std::function<char(char)> filter_;
};

// The name entry: Enter stores the name and ends there. Passed on, the same
// key press would reach the high-score table the name has just opened.
class NameEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
    }
};

const QColor kMessageText(246, 244, 232);
const QColor kHeadingText(255, 212, 110);
const QColor kLinkText(150, 222, 255);
const QColor kHelpText(226, 238, 232);

}  // namespace

MainWindow::MainWindow(Platform& platform, const std::string& dataFolder, const std::string& programFolder,
                       QWidget* parent)
    : QMainWindow(parent), form_(std::make_unique<Session>(platform, dataFolder, programFolder)) {
    setObjectName(QStringLiteral("Form1"));
    anonymous_ = tr("Anonymous").toStdString();
#ifdef QUIB_PLAYBACK_MENU
    form_->tasks.PlaybackMenuEnabled = true;
#endif
    practice::Subscribe(*form_);
    // The solver's threads post their answers to the window's event loop.
    practice::SetSolverWake(*form_, [this] {
        QMetaObject::invokeMethod(
            this, [this] { if (busy_ == 0) run([](Session&) {}); }, Qt::QueuedConnection);
    });
    window::OpenWindow(*form_);

    if (auto* qt = dynamic_cast<QtPlatform*>(&platform)) {
        qt->setDialogParent(this);
        qt->setDataFolder(QString::fromStdString(dataFolder));
        qtPlatform_ = qt;
    }

    GuardAccessibilityBus();
    InstallAccessibleInterfaces();
    board_ = new BoardView(*form_, this);
    setCentralWidget(board_);
    connect(board_, &BoardView::frogPressed, this, [this](int i) { run([i](Session& f) { board::ClickFrog(f, i); }); });
    connect(board_, &BoardView::boardPressed, this,
            [this](float x, float y) { run([x, y](Session& f) { board::PressAt(f, 1, 0, x, y); }); });
    connect(board_, &BoardView::scaled, this, &MainWindow::placeOverlays);

    buildMenus();
    buildOverlays();
    LinkMessageLines(board_);
    keys_ = new KeyboardPlay(*form_, board_, [this](const std::function<void(Session&)>& handler) { run(handler); });

    move(form_->window.Left, form_->window.Top);
    resize(kCanvasWidth, kCanvasHeight + menuBar()->sizeHint().height());

    connect(&timer_, &QTimer::timeout, this, &MainWindow::onTick);
    timer_.setTimerType(Qt::PreciseTimer);
    // The first tick reads the game's files, and the window icon is painted:
    // both wait until the board has been painted once, so the window shows
    // first (or a second at most, for a window that is never painted).
    board_->installEventFilter(this);
    QTimer::singleShot(1000, this, &MainWindow::finishStart);
    // The library file's saves run on a thread of their own.
    form_->library.Writer = std::make_shared<levels::LibraryWriter>();
    render();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == board_ && event->type() == QEvent::Paint && !ticking_) {
        board_->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &MainWindow::finishStart, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::finishStart() {
    if (!firstPaintWorkDone_) {
        firstPaintWorkDone_ = true;
        // Every window of the game that has no icon of its own takes this one.
        QApplication::setWindowIcon(AppIcon());
        // The first jump must not wait for the file.
        if (qtPlatform_) qtPlatform_->preloadSound(window::JumpSoundPath(*form_));
    }
    startTicking();
}

// The About box and the colour sliders are made when first opened: most
// games never open them.
AboutBox* MainWindow::aboutBox() {
    if (!about_) {
        about_ = new AboutBox(this);
        connect(about_, &AboutBox::okayClicked, this, [this] { run(window::AboutOkay); });
        connect(about_, &AboutBox::closeRequested, this, [this] { run(window::CloseAboutBox); });
        connect(about_, &AboutBox::licenseClicked, this, [this] { run(window::ShowDisclaimer); });
        connect(about_, &AboutBox::addressClicked, this, [this] { run(window::OpenAboutAddress); });
    }
    return about_;
}

ColourDialog* MainWindow::colourDialog() {
    if (!colours_) {
        colours_ = new ColourDialog(this);
        connect(colours_, &ColourDialog::sliderMoved, this, [this](int which, int value) {
            run([which, value](Session& f) { window::SetColourLevel(f, which, value); });
        });
        syncColours();
    }
    return colours_;
}

void MainWindow::startTicking() {
    if (ticking_ || form_->window.Ended) return;
    ticking_ = true;
    timer_.start(qMax(1, form_->tasks.TimerInterval));
}

MainWindow::~MainWindow() {
    timer_.stop();
    // The solver's thread posts to this window: it goes first.
    practice::StopSolver(*form_);
    // The widgets read the game's state: let them go before the game does.
    delete about_;
    delete colours_;
    delete takeCentralWidget();
}

// ------------------------------------------------------------------ menus

QAction* MainWindow::bindAction(QAction* action, const MenuEntry& entry, const QString& name,
                                std::function<void(Session&)> handler, bool checkable) {
    action->setObjectName(name);
    action->setCheckable(checkable);
    action->setShortcuts(MenuShortcuts(name));
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    menus_.push_back({action, &entry});
    return action;
}

void MainWindow::buildMenus() {
    Menus& m = form_->menu;
    QMenuBar* bar = menuBar();
    // Twelve entries share 800 pixels: a compact font and padding keep every
    // one of them on the bar instead of behind an overflow arrow.
    bar->setFont(UiFont(12));
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { spacing: 0px; }"
        "QMenuBar::item { padding: 4px 4px; background: transparent; }"
        "QMenuBar::item:selected { background: #cfe8e4; border-radius: 3px; }"
        "QMenuBar::item:disabled { color: #a0a0a0; }"));
    auto text = [](const MenuEntry& e) { return QString::fromStdString(e.Caption); };

    QMenu* newGame = bar->addMenu(text(m.NewGame));
    bindAction(newGame->menuAction(), m.NewGame, QStringLiteral("NewGame"), {});
    for (int i = 1; i <= 4; ++i) {
        const MenuEntry& e = m.NewGameModes[static_cast<std::size_t>(i)];
        QAction* a = newGame->addAction(text(e));
        bindAction(a, e, QStringLiteral("NewGameMenue(%1)").arg(i), {});
        connect(a, &QAction::triggered, this,
                [this, i] { runWithHourglass([i](Session& f) { game::StartNewGame(f, i); }); });
    }
    // Ctrl+Q closes the window as its close box does, through the exit question.
    newGame->addSeparator();
    QAction* exitGame = newGame->addAction(WithMenuLetter(QStringLiteral("exitGame"), tr("Exit")));
    exitGame->setObjectName(QStringLiteral("exitGame"));
    exitGame->setShortcuts(MenuShortcuts(exitGame->objectName()));
    connect(exitGame, &QAction::triggered, this, &QWidget::close);

    bindAction(bar->addAction(text(m.RestartLevelEntry)), m.RestartLevelEntry, QStringLiteral("RestartLevelMenue"),
               game::RestartLevel);

    QMenu* save = bar->addMenu(text(m.SaveMenu));
    bindAction(save->menuAction(), m.SaveMenu, QStringLiteral("mnusave"), {});
    for (int i = 1; i <= 5; ++i) {
        const MenuEntry& e = m.SaveSlotEntries[static_cast<std::size_t>(i)];
        bindAction(save->addAction(text(e)), e, QStringLiteral("mnusavegame(%1)").arg(i),
                   [i](Session& f) { records::SaveToSlot(f, i); }, true);
    }
    QMenu* load = bar->addMenu(text(m.LoadMenu));
    bindAction(load->menuAction(), m.LoadMenu, QStringLiteral("mnuload"), {});
    for (int i = 1; i <= 5; ++i) {
        const MenuEntry& e = m.LoadSlotEntries[static_cast<std::size_t>(i)];
        bindAction(load->addAction(text(e)), e, QStringLiteral("mnuloadgame(%1)").arg(i),
                   [i](Session& f) { records::LoadFromSlot(f, i); });
    }

    gotoMenu_ = bar->addMenu(text(m.GotoLevelMenu));
    bindAction(gotoMenu_->menuAction(), m.GotoLevelMenu, QStringLiteral("GotoLevelMenue"), {});
    rebuildGotoLevelMenu();

    bindAction(bar->addAction(text(m.QuitEntry)), m.QuitEntry, QStringLiteral("mnuQuit"), game::Quit);
    bindAction(bar->addAction(text(m.HighScoresEntry)), m.HighScoresEntry, QStringLiteral("mnuHighScores"),
               records::ShowHighScores);

    QMenu* prefs = bar->addMenu(text(m.PreferencesMenu));
    bindAction(prefs->menuAction(), m.PreferencesMenu, QStringLiteral("mnupreferences"), {});
    bindAction(prefs->addAction(text(m.SoundOption)), m.SoundOption, QStringLiteral("sndmenue"), window::ToggleSound,
               true);
    bindAction(prefs->addAction(text(m.GridsOption)), m.GridsOption, QStringLiteral("mnuGrids"), window::ToggleGrids,
               true);
    prefs->addSeparator();
    QAction* colours = prefs->addAction(WithMenuLetter(QStringLiteral("coloursDialog"), tr("Colours…")));
    colours->setObjectName(QStringLiteral("coloursDialog"));
    connect(colours, &QAction::triggered, this, [this] {
        ColourDialog* dialog = colourDialog();
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
        render();
    });

    bindAction(bar->addAction(text(m.TellAFriendEntry)), m.TellAFriendEntry, QStringLiteral("mnu_tellafriend"),
               window::TellAFriend);
    bindAction(bar->addAction(text(m.DonateEntry)), m.DonateEntry, QStringLiteral("mnu_donate"),
               window::Donate);
    bindAction(bar->addAction(text(m.MoreGamesEntry)), m.MoreGamesEntry, QStringLiteral("mnu_morefree"),
               window::ShowMoreGames);

    QMenu* help = bar->addMenu(text(m.HelpMenu));
    bindAction(help->menuAction(), m.HelpMenu, QStringLiteral("HelpMenu"), {});
    bindAction(help->addAction(text(m.SolveEntry)), m.SolveEntry, QStringLiteral("SolveMenue"),
               levels::StartSolutionPlayback);
    bindAction(help->addAction(text(m.TestEntry)), m.TestEntry, QStringLiteral("TestMenue"), levels::ToggleDemoLoop);
    bindAction(help->addAction(text(m.AboutEntry)), m.AboutEntry, QStringLiteral("aboutmenue"),
               window::ShowAboutBox);
    bindAction(help->addAction(text(m.ContentsEntry)), m.ContentsEntry, QStringLiteral("contentsmenue"),
               window::ShowHelpFile);
    // The Practice aids, after the written entries.
    practice::Aids& aids = practice::AidsOf(*form_);
    bindAction(help->addAction(text(aids.UndoJumpEntry)), aids.UndoJumpEntry, QStringLiteral("UndoJumpMenue"),
               practice::UndoJump)
        ->setShortcut(QKeySequence::Undo);
    bindAction(help->addAction(text(aids.HintEntry)), aids.HintEntry, QStringLiteral("HintMenue"), practice::ShowHint)
        ->setShortcut(QKeySequence(Qt::Key_H));
}

// The "Goto Level" entries are created at start-up, after the window is up,
// so the drop-down follows whatever entries the game holds.
void MainWindow::rebuildGotoLevelMenu() {
    for (QAction* a : gotoActions_) {
        gotoMenu_->removeAction(a);
        shownCaptions_.erase(a);
        a->deleteLater();
    }
    gotoActions_.clear();
    gotoLevels_.clear();
    for (const auto& [level, entry] : form_->menu.GotoLevelEntries) {
        QAction* a = gotoMenu_->addAction(QString::fromStdString(entry.Caption));
        a->setObjectName(QStringLiteral("mnulevel(%1)").arg(level));
        const int n = level;
        connect(a, &QAction::triggered, this,
                [this, n] { runWithHourglass([n](Session& f) { game::GoToLevel(f, n); }); });
        gotoActions_.push_back(a);
        gotoLevels_.push_back(level);
    }
}

// --------------------------------------------------------------- overlays

TextItem* MainWindow::addLabel(QWidget* parent, const Label& label, const QString& name, int style, qreal fontPixels,
                               bool clickable, QColor colour, std::function<void(Session&)> handler) {
    auto* item = new TextItem(parent, name, static_cast<Style>(style), fontPixels, clickable);
    if (handler) connect(item, &TextItem::clicked, this, [this, handler] { run(handler); });
    labels_.push_back({item, &label, colour});
    return item;
}

void MainWindow::buildOverlays() {
    Messages& msg = form_->msg;
    HighScores& high = form_->high;

    messageCard_ = new Card(board_, QStringLiteral("MessageCard"));
    adCard_ = new Card(board_, QStringLiteral("MessageLineCard"));
    tableCard_ = new Card(board_, QStringLiteral("HighScoreCard"));

    // A message label spans the width of the board from the game's position.
    auto place = [](TextItem* item, const Label& l, qreal height) {
        item->setLogical(QRectF(l.Left, l.Top, kCanvasWidth - 2 * l.Left, height));
    };
    auto message = [&](const Label& l, const QString& name, Style style, qreal px, qreal height, QColor colour,
                       std::function<void(Session&)> handler) {
        TextItem* item = addLabel(board_, l, name, static_cast<int>(style), px, true, colour, std::move(handler));
        place(item, l, height);
        messageItems_.push_back(item);
        return item;
    };
    message(msg.RoundOverHeading, QStringLiteral("Label1"), Style::Heading, 30, 44, kHeadingText, game::DismissMessage);
    message(msg.RoundOverLabel, QStringLiteral("RoundOverLabel"), Style::Plain, 19, 112, kMessageText,
            game::DismissMessage);
    message(msg.PanelTitle, QStringLiteral("Label2"), Style::Heading, 34, 54, kHeadingText, game::DismissPanel);
    message(msg.PanelCount, QStringLiteral("Label3b"), Style::Plain, 22, 40, kMessageText, game::DismissPanel);
    message(msg.PanelScore, QStringLiteral("Label6"), Style::Plain, 22, 40, kMessageText, game::DismissPanel);
    message(msg.PausedLabel, QStringLiteral("PausedLabel"), Style::Heading, 34, 60, kHeadingText,
            game::DismissPauseNotice);
    TextItem* ad = message(msg.MessageLine, QStringLiteral("Ad_Label"), Style::Link, 16, 52, kLinkText,
                           window::OpenMessageLink);
    ad->setLogical(QRectF(120, msg.MessageLine.Top, kCanvasWidth - 240, 52));
    // The message line has a small card of its own below the message.
    messageItems_.pop_back();
    adItem_ = ad;

    // The high-score table: a heading and three columns of rows 40 apart.
    TextItem* heading =
        addLabel(board_, high.HighLabel, QStringLiteral("HighLabel"), static_cast<int>(Style::Heading), 30, true,
                 kHeadingText, records::CloseHighScores);
    heading->setLogical(QRectF(0, 1, kCanvasWidth, 38));
    tableItems_.push_back(heading);
    for (int i = 0; i <= 10; ++i) {
        const auto row = static_cast<std::size_t>(i);
        const qreal top = 40 + 40 * i;
        const QColor colour = i == 0 ? kHeadingText : kMessageText;
        const Style style = i == 0 ? Style::Heading : Style::Plain;
        const qreal px = i == 0 ? 19 : 18;
        auto column = [&](const Label& l, const QString& name, qreal left, qreal width,
                          std::function<void(Session&)> handler) {
            auto* item = new TextItem(board_, name, style, px, static_cast<bool>(handler),
                                      Qt::AlignLeft | Qt::AlignVCenter);
            if (handler) connect(item, &TextItem::clicked, this, [this, handler] { run(handler); });
            item->setLogical(QRectF(left, top, width, 36));
            labels_.push_back({item, &l, colour});
            tableItems_.push_back(item);
        };
        column(high.NamesLabel[row], QStringLiteral("NamesLabel(%1)").arg(i), 25, 420,
               [i](Session& f) { records::CloseHighScoresAtName(f, i); });
        column(high.ScoreLabel[row], QStringLiteral("ScoreLabel(%1)").arg(i), 455, 140,
               [i](Session& f) { records::CloseHighScoresAtScore(f, i); });
        column(high.TimeLabel[row], QStringLiteral("TimeLabel(%1)").arg(i), 602, 170, {});
    }

    // The high-score name entry and its "Enter" button.
    nameInput_ = new NameEdit(board_);
    nameInput_->setObjectName(QStringLiteral("NameInput"));
    nameInput_->setMaxLength(40);
    nameInput_->setStyleSheet(QStringLiteral(
        "QLineEdit { background: #fbfaf2; color: #16323c; border: 2px solid #8fd0a8; border-radius: 8px;"
        " padding: 0 8px; }"));
    SetLogicalRect(nameInput_, QRectF(msg.NameInput.Left, msg.NameInput.Top, 296, 36), 18);
    nameInput_->hide();
    connect(nameInput_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_->msg.NameInput.Text = text.toStdString(); });
    connect(nameInput_, &QLineEdit::returnPressed, this,
            [this] { run([](Session& f) { records::NameKey(f, 13); }); });

    enterButton_ = new QPushButton(QString::fromStdString(msg.EnterButton.Caption), board_);
    enterButton_->setObjectName(QStringLiteral("Command1"));
    enterButton_->setStyleSheet(QStringLiteral(
        "QPushButton { background: #3d9a6e; color: white; border: 1px solid #b8f0cc; border-radius: 8px;"
        " font-weight: bold; } QPushButton:pressed { background: #2e7a56; }"));
    SetLogicalRect(enterButton_, QRectF(msg.EnterButton.Left, msg.EnterButton.Top, 100, 36), 17);
    enterButton_->hide();
    connect(enterButton_, &QPushButton::clicked, this, [this] { run(records::EnterName); });

    text1_ = new KeyFilterEdit(board_, [this](char c) { return levels::PlaybackKey(*form_, c); });
    text1_->setObjectName(QStringLiteral("Text1"));
    SetLogicalRect(text1_, QRectF(msg.PlaybackInput.Left + 8, msg.PlaybackInput.Top + 496, 120, 28), 14);
    text1_->hide();
    connect(text1_, &QLineEdit::textChanged, this,
            [this](const QString& text) { form_->msg.PlaybackInput.Text = text.toStdString(); });

    buildIntro();
    notice_ = new PracticeNotice(board_);
}

void MainWindow::buildIntro() {
    IntroScreen& in = form_->intro;
    introFrame_ = new IntroPanel(board_, in.Image3Visible);
    SetLogicalRect(introFrame_, QRectF(in.Left, in.Top, kIntroWidth, kIntroHeight));
    QWidget* frame = introFrame_;

    auto item = [&](const Label& l, const QString& name, Style style, qreal px, QRectF rect, bool clickable,
                    QColor colour, std::function<void(Session&)> handler = {}) {
        TextItem* t = addLabel(frame, l, name, static_cast<int>(style), px, clickable, colour, std::move(handler));
        t->setLogical(rect);
        return t;
    };
    // The title is drawn twice, a dark copy offset beneath the light one.
    item(in.TitleShadow, QStringLiteral("Label9"), Style::Title, 68, QRectF(3, 12, kIntroWidth, 80), false,
         QColor(6, 24, 30, 170));
    item(in.Title, QStringLiteral("Label7"), Style::Title, 68, QRectF(0, 8, kIntroWidth, 80), false,
         QColor(200, 242, 128));
    item(in.DifficultyHeading, QStringLiteral("Label13"), Style::Heading, 19, QRectF(0, 94, kIntroWidth, 28), false,
         QColor(255, 232, 160));
    for (int i = 1; i <= 4; ++i) {
        const qreal left = 25 + (i - 1) * 126;
        TextItem* choice = item(in.ModeChoices[static_cast<std::size_t>(i)], QStringLiteral("CommandLabel(%1)").arg(i),
                                Style::Choice, 17, QRectF(left, 130, 112, 40), true, QColor());
        connect(choice, &TextItem::clicked, this,
                [this, i] { runWithHourglass([i](Session& f) { game::ChooseMode(f, i); }); });
    }
    // "Continue" has no colour of the game's own; it matches the others.
    continueItem_ = item(in.ContinueChoice, QStringLiteral("CommandLabel2"), Style::Choice, 16,
                         QRectF(151, 182, 112, 36), true, QColor(255, 255, 255), game::ContinueGame);
    exitItem_ = item(in.ExitLabel, QStringLiteral("ExitLabel"), Style::Choice, 16, QRectF(214, 182, 112, 36), true,
                     QColor(), window::ChooseExit);

    TextItem* goal = item(in.GoalLine, QStringLiteral("Label8"), Style::Plain, 14.5, QRectF(40, 232, 460, 40), false,
                          kHelpText);
    goal->setWrap(true);
    item(in.TriesLine, QStringLiteral("Label10"), Style::Plain, 14.5, QRectF(40, 274, 460, 22), false, kHelpText);
    item(in.ScoreLine, QStringLiteral("Label11"), Style::Plain, 14.5, QRectF(40, 296, 460, 22), false, kHelpText);
    TextItem* more = item(in.DifficultyLine, QStringLiteral("Label12"), Style::Plain, 14.5, QRectF(40, 318, 460, 40), false,
                          kHelpText);
    more->setWrap(true);
    item(in.WebAddress, QStringLiteral("Label3"), Style::Link, 15, QRectF(150, 380, 240, 26), true, kLinkText,
         window::OpenWebAddress);
}

void MainWindow::placeOverlays() {
    LayoutScaled(board_, board_->scale(), board_->origin());
}

// ---------------------------------------------------------------- events

void MainWindow::run(const std::function<void(Session&)>& handler) {
    ++busy_;
    try {
        handler(*form_);
        practice::UpdateAids(*form_);
    } catch (const std::exception& e) {
        // A fault in one handler must not take the player's game down with it.
        qWarning("Quib: a handler failed: %s", e.what());
    }
    --busy_;
    scheduleTick();
    render();
}

// The timer ticks at the game's interval while a tick has work, and rests
// otherwise; any handler that gives it work brings it back at once.
void MainWindow::scheduleTick() {
    if (!timer_.isActive()) return;
    const int wait = levels::TimerWait(*form_);
    if (wait < timer_.interval())
        timer_.start(wait);
    else if (wait != timer_.interval())
        timer_.setInterval(wait);
}

void MainWindow::runWithHourglass(const std::function<void(Session&)>& handler) {
    // A new game may build its puzzle in the foreground.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    run(handler);
    QApplication::restoreOverrideCursor();
}

void MainWindow::onTick() {
    // While a handler waits on a question box, the game's state is mid-change:
    // the tick waits for the next round.
    if (busy_ > 0) return;
    run(levels::TimerTick);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!form_->window.Ended) {
        // Whether to exit is the player's answer: should anything on the way
        // fail, the window stays open.
        bool stayOpen = true;
        run([&stayOpen](Session& f) { stayOpen = window::RequestClose(f); });
        if (stayOpen) {
            event->ignore();
            return;
        }
    }
    event->accept();
    timer_.stop();
    if (about_) about_->hide();
    if (colours_) colours_->hide();
    QCoreApplication::quit();
}

void MainWindow::endSession() {
    run(window::SessionEnd);
    // The session ends whether or not every write succeeded.
    form_->window.Ended = true;
    close();
    // A close already under way (the exit question open in its own event
    // loop) takes no second close: every event loop ends here instead, the
    // question's with no answer, and the program with it.
    if (isVisible()) {
        timer_.stop();
        QCoreApplication::exit(0);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const WindowState state = isMinimized()   ? WindowState::Minimised
                                  : isMaximized() ? WindowState::Maximised
                                                  : WindowState::Normal;
        run([state](Session& f) { window::ChangeWindowState(f, state); });
    }
    QMainWindow::changeEvent(event);
}

// ---------------------------------------------------------------- render

namespace {

// The name high.txt keeps for a player who gave none: shown in the player's
// language, kept in English so that the table reads the same in any.
const std::string kAnonymous = "Anonymous";

}  // namespace

const std::string& MainWindow::shown(const Label& label) const {
    const auto& names = form_->high.NamesLabel;
    const bool name = &label >= &names.front() && &label <= &names.back();
    return name && label.Caption == kAnonymous ? anonymous_ : label.Caption;
}

void MainWindow::render() {
    const Session& f = *form_;
    const QString title = QString::fromStdString(f.window.Caption);
    if (windowTitle() != title) setWindowTitle(title);

    const bool hourglass = f.window.MousePointer == Pointer::Hourglass;
    if (hourglass != (cursor().shape() == Qt::WaitCursor)) {
        if (hourglass)
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
    }

    renderMenus();
    renderLabels();
    renderCards();
    if (const practice::Aids* aids = practice::FindAids(f)) notice_->sync(aids->Shown);
    board_->refresh();
    renderDialogs();
    if (keys_) keys_->follow();

    if (f.window.CloseRequested && busy_ == 0) {
        form_->window.CloseRequested = false;
        close();
    }
}

void MainWindow::renderMenus() {
    const Session& f = *form_;
    auto apply = [this](QAction* a, const MenuEntry& e, bool enabled) {
        auto [shown, first] = shownCaptions_.try_emplace(a);
        if (first || shown->second != e.Caption) {
            shown->second = e.Caption;
            const QString caption = WithMenuLetter(a->objectName(), QString::fromStdString(e.Caption));
            if (a->text() != caption) a->setText(caption);
        }
        if (a->isEnabled() != enabled) a->setEnabled(enabled);
        if (a->isCheckable() && a->isChecked() != e.Checked) a->setChecked(e.Checked);
    };
    // The Practice aids stand in the Help menu in Practice only; elsewhere
    // the menu is the written one.
    const practice::Aids* aids = practice::FindAids(f);
    for (const MenuBinding& b : menus_) {
        if (aids && (b.entry == &aids->UndoJumpEntry || b.entry == &aids->HintEntry) &&
            b.action->isVisible() != (f.game.ModeIndex == kPracticeMode))
            b.action->setVisible(f.game.ModeIndex == kPracticeMode);
        bool enabled = b.entry->Enabled;
        // The playback entries open only in a build that asks for them.
        if (b.entry == &f.menu.SolveEntry || b.entry == &f.menu.TestEntry)
            enabled = enabled && f.tasks.PlaybackMenuEnabled;
        apply(b.action, *b.entry, enabled);
    }

    bool same = gotoLevels_.size() == f.menu.GotoLevelEntries.size();
    if (same) {
        std::size_t i = 0;
        for (const auto& kv : f.menu.GotoLevelEntries) same = same && gotoLevels_[i++] == kv.first;
    }
    if (!same) rebuildGotoLevelMenu();
    std::size_t i = 0;
    for (const auto& kv : f.menu.GotoLevelEntries) {
        QAction* a = gotoActions_[i++];
        apply(a, kv.second, kv.second.Enabled);
    }
}

void MainWindow::renderLabels() {
    const Session& f = *form_;
    for (const LabelBinding& b : labels_) {
        const QColor colour = b.colour.isValid() ? b.colour : ToQColor(b.label->ForeColor);
        // "Continue" is shown while the game offers it, whatever its label holds.
        const bool visible = b.label == &f.intro.ContinueChoice ? f.game.ResumeOffered : b.label->Visible;
        b.item->sync(shown(*b.label), visible, colour);
    }

    // With "Continue" hidden, "Exit" moves to the middle.
    const QRectF exitRect = f.game.ResumeOffered ? QRectF(277, 182, 112, 36) : QRectF(214, 182, 112, 36);
    if (LogicalRect(exitItem_) != exitRect) {
        exitItem_->setLogical(exitRect);
        placeOverlays();
    }
    if (introFrame_->isHidden() == f.intro.Visible) {
        introFrame_->setVisible(f.intro.Visible);
        if (f.intro.Visible) introFrame_->raise();
    }

    const TextBox& name = f.msg.NameInput;
    const QString nameText = QString::fromStdString(name.Text == kAnonymous ? anonymous_ : name.Text);
    if (nameInput_->text() != nameText) nameInput_->setText(nameText);
    if (nameInput_->isHidden() == name.Visible) {
        nameInput_->setVisible(name.Visible);
        if (name.Visible) {
            nameInput_->raise();
            nameInput_->setFocus();
            nameInput_->selectAll();
        }
    }
    const Button& enter = f.msg.EnterButton;
    const QString enterText = QString::fromStdString(enter.Caption);
    if (enterButton_->text() != enterText) enterButton_->setText(enterText);
    if (enterButton_->isHidden() == enter.Visible) {
        enterButton_->setVisible(enter.Visible);
        if (enter.Visible) enterButton_->raise();
    }

    const TextBox& t1 = f.msg.PlaybackInput;
    const QString t1Text = QString::fromStdString(t1.Text);
    if (text1_->text() != t1Text) text1_->setText(t1Text);
    if (text1_->isHidden() == t1.Visible) text1_->setVisible(t1.Visible);
}

// The cards behind the messages and the table enclose whatever of them shows.
void MainWindow::renderCards() {
    auto enclose = [](const std::vector<TextItem*>& items, std::initializer_list<QWidget*> more) {
        QRectF r;
        for (TextItem* t : items)
            if (!t->isHidden() && !t->text().isEmpty()) r = r.united(LogicalRect(t));
        for (QWidget* w : more)
            if (!w->isHidden()) r = r.united(LogicalRect(w));
        return r;
    };
    auto show = [this](Card* card, const QRectF& content, qreal left, qreal width, bool allowed) {
        const bool visible = allowed && !content.isNull();
        if (visible) {
            const QRectF r(left, qMax<qreal>(0, content.top() - 12), width,
                           qMin<qreal>(kCanvasHeight, content.bottom() + 18) - qMax<qreal>(0, content.top() - 12));
            if (LogicalRect(card) != r) {
                card->setLogical(r);
                placeOverlays();
            }
        }
        if (card->isHidden() == visible) card->setVisible(visible);
    };
    // The start screen stands in front of any message left behind it.
    const bool intro = form_->play.Now == Screen::StartScreen;
    show(messageCard_, enclose(messageItems_, {nameInput_, enterButton_}), 48, kCanvasWidth - 96, !intro);
    show(adCard_, enclose({adItem_}, {}), 176, kCanvasWidth - 352, !intro);
    show(tableCard_, enclose(tableItems_, {}), 10, kCanvasWidth - 20, true);
}

void MainWindow::renderDialogs() {
    const Session& f = *form_;
    if (f.about.Loaded) {
        AboutBox* box = aboutBox();
        if (box->isHidden()) {
            box->show();
            shownRaiseRequests_ = f.about.RaiseRequests - 1;
        }
        if (shownRaiseRequests_ != f.about.RaiseRequests) {
            shownRaiseRequests_ = f.about.RaiseRequests;
            box->raise();
            box->activateWindow();
        }
    } else if (about_ && !about_->isHidden()) {
        about_->hide();
    }

    if (colours_) syncColours();
}

void MainWindow::syncColours() {
    const ColourPanel& c = form_->colours;
    colours_->sync({c.RedLevel, c.GreenLevel, c.BlueLevel}, c.Swatch,
                   {c.RedCaption.Caption, c.GreenCaption.Caption, c.BlueCaption.Caption});
}

}  // namespace quib::desktop
