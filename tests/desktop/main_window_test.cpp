// The main window as the player first sees it, and the window's extras: the
// caption, the start screen, the menu bar's entries in order with their
// enabled states, the About box as one window, the help viewer, the colour
// sliders and the exit question.

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <stdexcept>

#include "core/levels/levels.h"
#include "desktop/artwork.h"
#include "desktop/dialogs.h"
#include "desktop/overlay.h"
#include "desktop/qt_platform.h"
#include "desktop/session_end.h"
#include "support/fake_platform.h"
#include "support/play.h"
#include "window_fixture.h"

namespace quib::desktop {
namespace {

using testing::WindowFixture;

// The entries' captions without the marks of their Alt-key letters.
QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions)
        if (!a->isSeparator()) texts << QString(a->text()).remove(QLatin1Char('&'));
    return texts;
}

QString TextOf(QWidget* w) {
    auto* item = qobject_cast<TextItem*>(w);
    return item ? item->text() : QString();
}

TEST(MainWindowAtStart, ShowsTheBareCaptionAndTheStartScreen) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    EXPECT_EQ(fx.window->windowTitle(), QStringLiteral(" QUIB   "));

    QWidget* intro = fx.widget("IntroFrame");
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(intro->isVisible());
    const char* modes[] = {"Easy", "Medium", "Difficult", "Practice"};
    for (int i = 1; i <= 4; ++i) {
        QWidget* choice = fx.widget(qPrintable(QStringLiteral("CommandLabel(%1)").arg(i)));
        ASSERT_NE(choice, nullptr);
        EXPECT_TRUE(choice->isVisible());
        EXPECT_EQ(TextOf(choice), QString::fromLatin1(modes[i - 1]));
    }
    EXPECT_EQ(TextOf(fx.widget("Label7")), QStringLiteral("Quib"));
    EXPECT_EQ(TextOf(fx.widget("Label13")), QStringLiteral("Select Difficulty"));
    EXPECT_FALSE(fx.widget("CommandLabel2")->isVisible()) << "no game to continue in an empty data folder";
    EXPECT_TRUE(fx.widget("ExitLabel")->isVisible());
    EXPECT_EQ(TextOf(fx.widget("ExitLabel")), QStringLiteral("Exit"));
    EXPECT_EQ(TextOf(fx.widget("Label3")), QString::fromLatin1(QUIB_HOME_PAGE_TEXT));
    for (const char* help : {"Label8", "Label10", "Label11", "Label12"}) {
        EXPECT_TRUE(fx.widget(help)->isVisible()) << help;
        EXPECT_FALSE(TextOf(fx.widget(help)).isEmpty()) << help;
    }
    // Nothing of a game lies over the board yet.
    for (const char* hidden : {"Label1", "RoundOverLabel", "Label2", "PausedLabel", "HighLabel", "NameInput"})
        EXPECT_FALSE(fx.widget(hidden)->isVisible()) << hidden;
}

TEST(MainWindowAtStart, MenuBarHoldsEveryEntryInOrderWithItsEnabledState) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    const QList<QAction*> bar = fx.window->menuBar()->actions();
    EXPECT_EQ(Texts(bar), (QStringList{"New Game", "Restart Level", "Save", "Load", "Goto Level", "Quit",
                                       "High Scores", "Preferences", "Tell a friend", "Donate", "More free games",
                                       "Help"}));
    ASSERT_EQ(bar.size(), 12);
    const bool enabled[] = {true, false, false, true, false, false, true, true, true, true, true, true};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(bar[i]->isEnabled(), enabled[i]) << bar[i]->text().toStdString();

    EXPECT_EQ(Texts(bar[0]->menu()->actions()), (QStringList{"Easy", "Medium", "Difficult", "Practice", "Exit"}));
    for (QAction* a : bar[0]->menu()->actions()) EXPECT_TRUE(a->isEnabled());
    EXPECT_EQ(Texts(bar[2]->menu()->actions()), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Texts(bar[3]->menu()->actions()), (QStringList{"1", "2", "3", "4", "5"}));
    for (QAction* a : bar[3]->menu()->actions()) EXPECT_FALSE(a->isEnabled()) << "no saved game to load";

    QStringList levels{"1"};
    for (int n = 10; n <= 190; n += 10) levels << QString::number(n);
    const QList<QAction*> gotoEntries = bar[4]->menu()->actions();
    EXPECT_EQ(Texts(gotoEntries), levels);
    for (QAction* a : gotoEntries) EXPECT_EQ(a->isEnabled(), a->text() == "&1") << a->text().toStdString();

    const QList<QAction*> prefs = bar[7]->menu()->actions();
    EXPECT_EQ(Texts(prefs).mid(0, 2), (QStringList{"Sound", "Grids"}));
    EXPECT_TRUE(prefs[0]->isChecked());
    EXPECT_FALSE(prefs[1]->isChecked());
    EXPECT_TRUE(Texts(prefs).contains(QStringLiteral("Colours…")));

    const QList<QAction*> help = bar[11]->menu()->actions();
    EXPECT_EQ(Texts(help), (QStringList{"Solve", "Test", "About", "Contents", "Undo Jump", "Hint"}));
#ifndef QUIB_PLAYBACK_MENU
    EXPECT_FALSE(help[0]->isEnabled());
    EXPECT_FALSE(help[1]->isEnabled());
#endif
    EXPECT_TRUE(help[2]->isEnabled());
    EXPECT_TRUE(help[3]->isEnabled());
    EXPECT_FALSE(help[4]->isEnabled() || help[5]->isEnabled()) << "the Practice aids wait for a Practice level";

    // Every entry has an Alt-key letter of its own within its menu, apart
    // from "Goto Level" 100 to 190 (twenty numbers, ten digits).
    auto letters = [](const QList<QAction*>& entries, const QString& menu) {
        QMap<int, QString> seen;
        for (QAction* a : entries) {
            if (a->isSeparator()) continue;
            const QKeySequence key = QKeySequence::mnemonic(a->text());
            if (key.isEmpty()) {
                EXPECT_TRUE(menu == "Goto Level" && a->text().size() == 3) << a->text().toStdString();
                continue;
            }
            EXPECT_FALSE(seen.contains(key[0].toCombined()))
                << menu.toStdString() << ": " << a->text().toStdString() << " and " << seen[key[0].toCombined()].toStdString();
            seen[key[0].toCombined()] = a->text();
        }
    };
    letters(bar, QStringLiteral("the menu bar"));
    for (QAction* a : bar)
        if (a->menu()) letters(a->menu()->actions(), Texts({a}).first());
}

// The window icon waits until the window has been painted, then it is the
// game's frog at every size the window system is offered.
TEST(MainWindowAtStart, WindowIconIsTheFrogOnceTheWindowIsUp) {
    quib::testing::FakePlatform platform;
    quib::testing::TempFolder data;
    quib::testing::TempFolder program;
    QApplication::setWindowIcon(QIcon());  // an earlier window's in this process
    MainWindow window(platform, data.path(), program.path());
    EXPECT_TRUE(QApplication::windowIcon().isNull()) << "painted before the window";
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.windowIcon().isNull(); }, 3000));
    const QIcon icon = window.windowIcon();
    EXPECT_EQ(icon.availableSizes().size(), 7);
    for (int size : {16, 48, 256}) EXPECT_EQ(icon.pixmap(size).toImage(), AppIconImage(size)) << size;
}

// Every element carries the game's name, once: a click found by name must
// reach that element and no other.
TEST(MainWindowAtStart, EveryNamedElementIsUnique) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    // The About box and the colour sliders are windows of their own, with
    // names of their own.
    auto inOwnWindow = [&](QObject* o) {
        for (QObject* p = o; p; p = p->parent())
            if (p == fx.window->aboutBox() || p == fx.window->colourDialog()) return true;
        return false;
    };
    QMap<QString, int> count;
    for (QObject* o : fx.window->findChildren<QObject*>())
        if (!o->objectName().isEmpty() && !o->objectName().startsWith(QStringLiteral("qt_")) && !inOwnWindow(o))
            ++count[o->objectName()];
    for (auto it = count.cbegin(); it != count.cend(); ++it) EXPECT_EQ(it.value(), 1) << it.key().toStdString();
    EXPECT_TRUE(count.contains(QStringLiteral("CommandLabel2")));
    EXPECT_TRUE(count.contains(QStringLiteral("CommandLabel(2)")));
}

// A name of 40 wide letters fits the high-score table or ends in an
// ellipsis, at the first size and on the smallest window alike.
TEST(HighScoreTable, ALongNameIsElidedInsteadOfCut) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    const QString name(40, QLatin1Char('W'));
    fx.session().high.NamesLabel[1].Caption = name.toStdString();
    fx.action("mnuHighScores")->trigger();
    auto* row = qobject_cast<TextItem*>(fx.widget("NamesLabel(1)"));
    ASSERT_TRUE(row && row->isVisible());
    for (int width : {800, 300}) {
        fx.window->resize(width, 580);
        QTest::qWait(20);
        const QString shown = row->shownText();
        EXPECT_TRUE(shown == name || (shown.endsWith(QChar(0x2026)) && name.startsWith(shown.chopped(1))))
            << shown.toStdString();
        EXPECT_LE(QFontMetricsF(row->paintFont()).horizontalAdvance(shown), LogicalRect(row).width());
    }
}

// The menu's check marks follow the game, not Qt's own toggling.
TEST(MainWindowMenus, SoundAndGridsMarksFollowTheGame) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    QAction* sound = fx.action("sndmenue");
    QAction* grids = fx.action("mnuGrids");
    sound->trigger();
    grids->trigger();
    EXPECT_FALSE(fx.session().game.SoundOn);
    EXPECT_FALSE(sound->isChecked());
    EXPECT_TRUE(fx.session().menu.GridsOption.Checked);
    EXPECT_TRUE(grids->isChecked());
    sound->trigger();
    grids->trigger();
    EXPECT_TRUE(sound->isChecked());
    EXPECT_FALSE(grids->isChecked());
}

// Every entry of the game's menus, chosen through its real action, reaches
// its own handler: a game is started in each mode, saved, replaced, loaded
// back, restarted, covered by the table, moved to a chosen level and given
// up; the three links ask the platform. ("Sound", "Grids", "Colours…",
// "About" and "Contents" have tests of their own; "Solve" and "Test" stay
// disabled.)
TEST(MainWindowMenus, EveryEntryReachesItsHandler) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    Session& f = fx.session();
    const auto choose = [&fx](const char* name) {
        QAction* a = fx.action(name);
        ASSERT_TRUE(a && a->isEnabled()) << name;
        a->trigger();
    };
    const auto game = [&f] { return std::tuple(f.game.ModeIndex, f.game.CurrentLevel, f.game.SaveSlot); };

    choose("NewGameMenue(2)");
    EXPECT_EQ(std::pair(game(), f.game.TriesAllowed), std::pair(std::tuple(2, 5, 0), 8));
    choose("mnusavegame(3)");
    EXPECT_EQ(game(), std::tuple(2, 5, 3));
    const std::vector<int> cells = quib::testing::FrogCells(f);
    choose("NewGameMenue(1)");
    EXPECT_EQ(game(), std::tuple(1, 1, 0));
    choose("mnuloadgame(3)");
    EXPECT_EQ(std::pair(game(), quib::testing::FrogCells(f)), std::pair(std::tuple(2, 5, 3), cells));
    const int tries = f.game.LevelTries;
    choose("RestartLevelMenue");
    EXPECT_EQ(f.game.LevelTries, tries + 1);
    choose("mnuHighScores");
    EXPECT_TRUE(fx.widget("HighLabel")->isVisible() && f.high.HighLabel.Visible);
    fx.clickGame({400, 300});
    EXPECT_FALSE(f.high.HighLabel.Visible);
    choose("NewGameMenue(3)");
    EXPECT_EQ(game(), std::tuple(3, 10, 0));
    choose("NewGameMenue(4)");
    EXPECT_EQ(game(), std::tuple(4, 10, 0));  // Practice keeps the level
    choose("mnulevel(1)");
    EXPECT_EQ(game(), std::tuple(4, 1, 0));
    choose("mnuQuit");
    EXPECT_TRUE(game::StartScreenUp(f) && fx.widget("IntroFrame")->isVisible());

    choose("mnu_tellafriend");
    choose("mnu_donate");
    choose("mnu_morefree");
    EXPECT_EQ(std::pair(platform.mails.size(), platform.urls.size()), std::pair(std::size_t{1}, std::size_t{2}));
}

TEST(AboutWindow, OpenedTwiceIsOneWindowAndOkayClosesIt) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    fx.action("aboutmenue")->trigger();
    fx.action("aboutmenue")->trigger();
    QTest::qWait(20);

    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<AboutBox*>(w) && w->isVisible()) ++shown;
    EXPECT_EQ(shown, 1);
    AboutBox* box = fx.window->aboutBox();
    ASSERT_TRUE(box->isVisible());
    EXPECT_TRUE(fx.session().about.Loaded);
    EXPECT_FALSE(box->isModal());

    QTest::mouseClick(box->okayButton(), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(fx.session().about.Loaded);
}

TEST(AboutWindow, ItsCloseBoxAndAClickOnTheMainWindowCloseIt) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    AboutBox* box = fx.window->aboutBox();

    fx.action("aboutmenue")->trigger();
    ASSERT_TRUE(box->isVisible());
    box->close();
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(fx.session().about.Loaded);

    fx.action("aboutmenue")->trigger();
    ASSERT_TRUE(box->isVisible());
    fx.clickGame({400, 500});
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(fx.session().about.Loaded);
}

TEST(AboutWindow, AddressLineOpensTheHomePage) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    fx.action("aboutmenue")->trigger();
    QWidget* address = fx.window->aboutBox()->addressLine();
    QTest::mouseClick(address, Qt::LeftButton, {}, address->rect().center());
    ASSERT_EQ(platform.urls.size(), 1u);
    EXPECT_EQ(platform.urls[0], QUIB_HOME_PAGE);
}

// "Contents" opens the game's own viewer; a missing help file is explained
// there, and the game goes on.
TEST(HelpViewer, SaysWhichFileIsMissing) {
    QtPlatform platform;
    WindowFixture fx(platform);
    fx.action("contentsmenue")->trigger();
    QPlainTextEdit* viewer = platform.textViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isReadOnly());
    const QString text = viewer->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("could not be found"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(fx.program.path() + "help.txt"))) << text.toStdString();
    EXPECT_TRUE(fx.window->isVisible());
    viewer->close();
}

TEST(HelpViewer, ShowsTheHelpFileBesideTheProgram) {
    QtPlatform platform;
    WindowFixture fx(platform);
    std::ofstream(fx.program.path() + "help.txt") << "How to play: jump the frogs.\nHave fun!\n";
    fx.action("contentsmenue")->trigger();
    ASSERT_NE(platform.textViewer(), nullptr);
    // The player's own folder heads the text: the help tells where scores and saves are kept.
    EXPECT_EQ(platform.textViewer()->toPlainText(),
              QStringLiteral("Your scores, saved games and settings are in:\n  %1\n\nHow to play: jump the frogs.\nHave fun!\n")
                  .arg(QString::fromStdString(fx.data.path())));
    platform.textViewer()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(platform.textViewer()));
    QTest::keyClick(platform.textViewer(), Qt::Key_Escape);
    EXPECT_FALSE(platform.textViewer()->isVisible()) << "Escape closes the viewer";
}

// The sliders tell the game, and the dialog shows what the game says.
TEST(ColourDialogWindow, GreenSliderColoursTheSwatchAndItsCaption) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    fx.action("coloursDialog")->trigger();
    ColourDialog* dialog = fx.window->colourDialog();
    ASSERT_TRUE(dialog->isVisible());
    dialog->slider(3)->setValue(128);
    EXPECT_EQ(fx.session().colours.GreenLevel, 128);
    EXPECT_EQ(fx.session().colours.Swatch, Rgb(0, 128, 0));
    EXPECT_EQ(dialog->caption(3)->text(), QStringLiteral("Green 128"));
    EXPECT_EQ(dialog->caption(2)->text(), QStringLiteral("Red 0"));
    EXPECT_EQ(dialog->swatchColour(), QColor(0, 128, 0));
    EXPECT_EQ(TextOf(fx.widget("Label7")), QStringLiteral("Quib")) << "the start screen's title stays";

    // Tab reaches the blue slider and Page Down moves it.
    for (int i = 0; i < 3 && dialog->focusWidget() != dialog->slider(4); ++i)
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Tab);
    ASSERT_EQ(dialog->focusWidget(), dialog->slider(4));
    QTest::keyClick(dialog->slider(4), Qt::Key_PageDown);
    EXPECT_EQ(fx.session().colours.BlueLevel, 16);
    dialog->close();
}

// "Exit" asks the exit question; "No" keeps the game open.
TEST(ExitQuestion, ExitLabelAsksAndNoKeepsTheWindowOpen) {
    quib::testing::FakePlatform platform;
    platform.answerYes = false;
    WindowFixture fx(platform);
    fx.clickWidget("ExitLabel");
    QTest::qWait(20);
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0], "Quib: Are you sure you want to exit the program?");
    EXPECT_TRUE(fx.window->isVisible());
    EXPECT_FALSE(fx.session().window.CloseRequested);

    fx.window->close();
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_TRUE(fx.window->isVisible());
}

// Whether to exit is the player's answer: a close whose question fails keeps
// the window open.
TEST(ExitQuestion, AFailureOnTheWayKeepsTheWindowOpen) {
    struct FailingQuestion : quib::testing::FakePlatform {
        bool AskYesNo(const std::string&, const std::string&) override { throw std::runtime_error("no question box"); }
    } platform;
    WindowFixture fx(platform);
    fx.window->close();
    QTest::qWait(20);
    EXPECT_TRUE(fx.window->isVisible());
    EXPECT_FALSE(fx.session().window.Ended);
}

// A close whose writes fail (the data folder gone, a full disk) tells the
// player once, before the exit question, which files were not kept and why;
// the question itself is the game's own.
TEST(ExitQuestion, FailedWritesAreToldOnceBeforeTheQuestion) {
    quib::testing::FakePlatform platform;
    platform.answerYes = false;
    WindowFixture fx(platform);
    fx.closeWithTheDataFolderGone(2);
    ASSERT_EQ(platform.infos.size(), 1u);
    EXPECT_EQ(platform.infos[0].rfind("Quib could not save your game: ", 0), 0u) << platform.infos[0];
    // Each file with the system's reason, not a guess.
    EXPECT_NE(platform.infos[0].find("data.txt could not be written (Not a directory); high.txt could not be written "
                                     "(Not a directory)"),
              std::string::npos)
        << platform.infos[0];
    ASSERT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(platform.questions[0], "Quib: Are you sure you want to exit the program?");
}

// A logout or shutdown (SIGTERM) in the middle of a Medium game: the game is
// saved without a question and the program quits; a second signal arriving
// while the files are written cuts none of them.
TEST(SessionEnd, TerminationSignalSavesTheGameWithoutAskingAndQuits) {
    struct SignalMidWrite : quib::testing::FakePlatform {
        bool armed = false;
        std::int64_t Now() override {
            if (armed) {
                armed = false;
                std::raise(SIGTERM);
            }
            return now;
        }
    } platform;
    WindowFixture fx(platform);
    SessionEndWatcher watcher(*fx.window);
    quib::testing::InstallPairs(fx.session(), 5);
    fx.action("NewGameMenue(2)")->trigger();
    ASSERT_EQ(fx.session().game.CurrentLevel, 5);

    platform.armed = true;
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fx.window->isVisible(); }, 5000));
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_FALSE(platform.armed);  // the second signal came during the writes
    const std::vector<std::string> items = quib::testing::FileLines(fx.data.file("data.txt"));
    ASSERT_EQ(items.size(), 12u + 2u + 200u + 1u + 3u * 8u);
    EXPECT_EQ(std::pair(items[0], items[6]), std::pair(std::string("5"), std::string("2")));  // level, mode
}

// A logout while the exit question is open: the files are written and the
// program quits, as it does without the question; the open question does not
// keep the game running until the session is killed.
TEST(SessionEnd, TerminationSignalDuringTheExitQuestionQuits) {
    struct SignalWhileAsking : quib::testing::FakePlatform {
        bool endedByTheQuestion = true;
        bool AskYesNo(const std::string& question, const std::string& title) override {
            questions.push_back(title + ": " + question);
            std::raise(SIGTERM);
            // The question box's own event loop, until something ends it.
            QEventLoop loop;
            QTimer::singleShot(10000, &loop, [&] {
                endedByTheQuestion = false;
                loop.exit(1);
            });
            loop.exec();
            return false;  // a box closed without an answer
        }
    } platform;
    WindowFixture fx(platform);
    SessionEndWatcher watcher(*fx.window);
    quib::testing::InstallPairs(fx.session(), 5);
    fx.action("NewGameMenue(2)")->trigger();
    ASSERT_EQ(fx.session().game.CurrentLevel, 5);

    fx.window->close();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(platform.endedByTheQuestion) << "the session end left the exit question open";
    EXPECT_TRUE(fx.session().window.Ended);
    const std::vector<std::string> items = quib::testing::FileLines(fx.data.file("data.txt"));
    ASSERT_EQ(items.size(), 12u + 2u + 200u + 1u + 3u * 8u);
    EXPECT_EQ(std::pair(items[0], items[6]), std::pair(std::string("5"), std::string("2")));  // level, mode
}

// At rest on the start screen, every level supplied and saved, the timer
// waits a second between ticks; a minimise gives it work at once.
TEST(TimerRest, RestsOnTheStartScreenAndWakesForAMinimise) {
    quib::testing::FakePlatform platform;
    WindowFixture fx(platform);
    Session& f = fx.session();
    for (int level = 1; level <= kLevelsPlayed; ++level) quib::testing::InstallPairs(f, level);
    f.library.LevelNeedsGenerating.fill(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fx.window->timer().interval() == levels::kRestingTimerWait; }, 5000));
    fx.window->showMinimized();
    EXPECT_EQ(f.clock.State, ClockState::FreezeRequested);
    EXPECT_EQ(fx.window->timer().interval(), 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.clock.State == ClockState::Frozen; }, 2000));
}

}  // namespace
}  // namespace quib::desktop
