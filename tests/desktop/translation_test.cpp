// The window in the player's language: the menus, the start screen and the
// messages read in the language the environment asks for (run by CTest under
// LANGUAGE=de, fr, es and under C and English), today's English under C; and
// no text a player sees escapes the translation system.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cerrno>
#include <functional>
#include <map>
#include <set>

#include "core/window/links.h"
#include "core/window/window.h"
#include "desktop/game_folders.h"
#include "desktop/overlay.h"
#include "desktop/single_instance.h"
#include "desktop/translations.h"
#include "languages.h"
#include "support/fake_platform.h"
#include "support/play.h"
#include "window_fixture.h"

namespace quib::desktop::testing {
namespace {

using quib::testing::InstallRowPuzzles;
using quib::testing::LevelPuzzle;

// Every menu's title and entries (without the digits of "Save", "Load" and
// "Goto Level"), keyed by the entry's name.
void ReadMenus(MainWindow& window, std::map<QString, QString>& seen) {
    static const QRegularExpression numbered(QStringLiteral("^mnu(savegame|loadgame|level)\\("));
    for (QAction* top : window.menuBar()->actions()) {
        seen[top->objectName()] = top->text();
        if (!top->menu()) continue;
        for (QAction* a : top->menu()->actions())
            if (!a->isSeparator() && !numbered.match(a->objectName()).hasMatch())
                seen[a->objectName()] = a->text();
    }
}

// The texts over the board that show now, and the caption. A line too long
// for its place would be cut short with an ellipsis.
void ReadScreen(MainWindow& window, const QString& screen, std::map<QString, QString>& seen) {
    for (TextItem* t : window.findChildren<TextItem*>()) {
        if (!t->isVisibleTo(&window) || t->text().isEmpty()) continue;
        seen[screen + t->objectName()] = t->text();
        EXPECT_EQ(t->shownText().toStdString(), t->text().toStdString())
            << "cut short: " << t->objectName().toStdString();
    }
    seen[screen + QStringLiteral("caption")] = window.windowTitle();
}

// The start screen, the menus and the message of a lost try.
std::map<QString, QString> ReadWindow() {
    TranslatingPlatform platform;
    WindowFixture w(platform);
    InstallRowPuzzles(w.session(), 4);
    std::map<QString, QString> seen;
    ReadMenus(*w.window, seen);
    ReadScreen(*w.window, QStringLiteral("start:"), seen);
    w.action("NewGameMenue(1)")->trigger();
    const auto puzzle = LevelPuzzle(1);
    w.clickFrogOn(puzzle.pieces[1]);
    w.clickCell(puzzle.pieces[0] - 1);
    EXPECT_TRUE(w.session().msg.RoundOverLabel.Visible) << "the losing jump ends the round";
    // The message line below rotates at random: the third one, every time.
    platform.script = {0.5};
    w.window->run([](Session& f) { window::ShowNextMessage(f); });
    ReadScreen(*w.window, QStringLiteral("round over:"), seen);
    return seen;
}

// A line that holds nothing but the game's name, numbers, the home page and
// punctuation reads the same in every language.
bool SameInEveryLanguage(QString line) {
    line.remove(QRegularExpression(QStringLiteral("https?://\\S*")));
    line.remove(QString::fromLatin1(window::kHomePageText));
    line.remove(QRegularExpression(QStringLiteral("Quib|QUIB|[0-9]|[[:punct:]]|\\s|…")));
    return line.isEmpty();
}

// Each menu's entries have letters of their own: two entries with one letter
// would leave the second out of reach of the keyboard.
void ExpectMenuLettersUnique(MainWindow& window) {
    auto letters = [](const QList<QAction*>& actions, const QString& menu) {
        std::set<QChar> taken;
        for (QAction* a : actions) {
            if (a->isSeparator() || a->objectName().startsWith(QLatin1String("mnulevel("))) continue;
            const QString text = QString(a->text()).replace(QLatin1String("&&"), QString());
            const int at = text.indexOf(u'&');
            EXPECT_TRUE(at >= 0 && at + 1 < text.size())
                << menu.toStdString() << ": no letter in " << text.toStdString();
            if (at < 0 || at + 1 >= text.size()) continue;
            EXPECT_TRUE(taken.insert(text.at(at + 1).toLower()).second)
                << menu.toStdString() << ": the letter of " << text.toStdString() << " is taken";
        }
    };
    letters(window.menuBar()->actions(), QStringLiteral("menu bar"));
    for (QAction* top : window.menuBar()->actions())
        if (top->menu()) letters(top->menu()->actions(), top->text());
}

// The window reads in the language of the environment: every text with a
// word in it differs from the English one, line by line, and each menu keeps
// letters of its own. Under C or English the texts are today's, exactly.
TEST(Translation, WindowSpeaksThePlayersLanguage) {
    RemoveTranslations();
    const std::map<QString, QString> english = ReadWindow();
    const QString language = InstallTranslations(QStringLiteral(QUIB_TRANSLATIONS_DIR));
    if (qEnvironmentVariableIsSet("QUIB_TEST_LANGUAGE")) {
        ASSERT_EQ(language.toStdString(), qEnvironmentVariable("QUIB_TEST_LANGUAGE").toStdString())
            << "the language of the environment";
    }
    const std::map<QString, QString> seen = ReadWindow();
    // The help text and Qt's own buttons (the Yes of the exit question)
    // speak the language too.
    const QString help = LocalizedFile(QStringLiteral(QUIB_ASSETS_DIR "/help.txt"));
    EXPECT_TRUE(
        help.endsWith(language.isEmpty() ? QStringLiteral("/help.txt") : "/help." + language + ".txt"))
        << help.toStdString();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes") == QStringLiteral("&Yes"),
              language.isEmpty());
    {
        TranslatingPlatform platform;
        WindowFixture w(platform);
        ExpectMenuLettersUnique(*w.window);
        // At the window's first size every menu stands on the bar, none
        // behind its overflow arrow.
        QMenuBar* bar = w.window->menuBar();
        for (QAction* a : bar->actions()) {
            const QRect at = bar->actionGeometry(a);
            EXPECT_TRUE(!at.isEmpty() && at.right() < bar->width())
                << Plain(a->text()).toStdString() << " does not fit on the menu bar of " << bar->width()
                << " pixels";
        }
    }
    RemoveTranslations();

    ASSERT_EQ(seen.size(), english.size());
    if (language.isEmpty()) {
        // Today's English: the menus with their letters, the start screen and
        // the message of a lost first try.
        const std::map<QString, QString> today = {
            {"NewGame", "&New Game"},
            {"NewGameMenue(1)", "&Easy"},
            {"NewGameMenue(2)", "&Medium"},
            {"NewGameMenue(3)", "&Difficult"},
            {"NewGameMenue(4)", "&Practice"},
            {"exitGame", "E&xit"},
            {"RestartLevelMenue", "&Restart Level"},
            {"mnusave", "&Save"},
            {"mnuload", "&Load"},
            {"GotoLevelMenue", "&Goto Level"},
            {"mnuQuit", "&Quit"},
            {"mnuHighScores", "High S&cores"},
            {"mnupreferences", "&Preferences"},
            {"sndmenue", "&Sound"},
            {"mnuGrids", "&Grids"},
            {"coloursDialog", "&Colours…"},
            {"mnu_tellafriend", "&Tell a friend"},
            {"mnu_donate", "&Donate"},
            {"mnu_morefree", "&More free games"},
            {"HelpMenu", "&Help"},
            {"SolveMenue", "&Solve"},
            {"TestMenue", "&Test"},
            {"aboutmenue", "&About"},
            {"contentsmenue", "&Contents"},
            {"UndoJumpMenue", "&Undo Jump"},
            {"HintMenue", "&Hint"},
            {"start:caption", " QUIB   "},
            {"start:Label7", "Quib"},
            {"start:Label9", "Quib"},
            {"start:Label13", "Select Difficulty"},
            {"start:CommandLabel(1)", "Easy"},
            {"start:CommandLabel(2)", "Medium"},
            {"start:CommandLabel(3)", "Difficult"},
            {"start:CommandLabel(4)", "Practice"},
            {"start:ExitLabel", "Exit"},
            {"start:Label8", "Remove the frogs by jumping them over each other until only one frog is left."},
            {"start:Label10", "You are given a limited number of chances for each game."},
            {"start:Label11", "Your score increases each time you complete a level. "},
            {"start:Label12",
             "The higher the difficulty level the more points you get per level but you are given fewer "
             "chances."},
            {"start:Label3", window::kHomePageText},
            {"round over:caption",
             "QUIB      Mode: Easy  Level:   1 of 200                 3 left out of   4    Tries Left:  10   "
             " Score:     0"},
            {"round over:Label1", "Round Over: Level Incomplete"},
            {"round over:RoundOverLabel",
             "2: You needed to jump 2 more frog(s).\nSCORE: 0  Time 0:0:0\nPress Mouse button to try again"},
        };
        for (const auto& [name, text] : today) {
            ASSERT_TRUE(seen.count(name)) << name.toStdString();
            EXPECT_EQ(seen.at(name).toStdString(), text.toStdString()) << name.toStdString();
        }
        for (const auto& [name, text] : english)
            EXPECT_EQ(seen.at(name).toStdString(), text.toStdString()) << name.toStdString();
        return;
    }
    for (const auto& [name, text] : english) {
        const QStringList from = Plain(text).split(u'\n');
        const QStringList to = Plain(seen.at(name)).split(u'\n');
        ASSERT_EQ(to.size(), from.size()) << name.toStdString() << ": " << seen.at(name).toStdString();
        for (qsizetype i = 0; i < from.size(); ++i)
            if (!SameInEveryLanguage(from[i])) {
                EXPECT_NE(to[i].toStdString(), from[i].toStdString())
                    << name.toStdString() << " is left in English";
            }
    }
}

// Marks every text that goes through the translation system, so that a text
// shown without the marks has bypassed it. Menu letters stay as they are.
class PseudoTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QLatin1String(context) == QLatin1String("MenuLetter")) return QString::fromUtf8(source);
        QStringList lines = QString::fromUtf8(source).split(u'\n');
        for (QString& line : lines)
            if (!line.isEmpty()) line = QStringLiteral("⟪") + line + QStringLiteral("⟫");
        return lines.join(u'\n');
    }
    bool isEmpty() const override { return false; }
};

// Every line of text in the window and its dialogs, and the caption.
void ReadEverything(QWidget* top, const QString& screen, std::map<QString, QString>& seen) {
    if (!top->isVisible()) return;
    const QString at = screen + top->objectName() + u':';
    seen[at + QStringLiteral("title")] = top->windowTitle();
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top)) continue;
        const QString key = at + w->objectName();
        if (auto* t = qobject_cast<TextItem*>(w)) seen[key] = t->text();
        if (auto* l = qobject_cast<QLabel*>(w)) seen[key] = l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) seen[key] = Plain(b->text());
        if (auto* e = qobject_cast<QLineEdit*>(w)) seen[key] = e->text();
    }
}

// Under a pseudo-translation that marks every text it is asked for, no line
// a player can see is left unmarked: not in the menus, the start screen, the
// round-over and level-completed messages, the name entry, the high-score
// table, the About box and its licence, the colour window, the message to a
// friend or the exit question. And no mark reaches a file: the game's files
// are the same in every language.
TEST(Translation, NoShownTextBypassesTheTranslationSystem) {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    std::map<QString, QString> seen;
    TranslatingPlatform platform;
    {
        WindowFixture w(platform);
        InstallRowPuzzles(w.session(), 4);
        ReadMenus(*w.window, seen);
        auto read = [&](const char* screen) {
            for (QWidget* top : QApplication::topLevelWidgets())
                ReadEverything(top, QString::fromLatin1(screen), seen);
        };
        read("start:");
        w.action("NewGameMenue(1)")->trigger();
        w.action("mnusavegame(1)")->trigger();
        const auto puzzle = LevelPuzzle(1);
        w.clickFrogOn(puzzle.pieces[1]);
        w.clickCell(puzzle.pieces[0] - 1);
        read("round over:");
        w.clickGame({400, 540});
        for (const auto& [from, to] : puzzle.solution) {
            w.clickFrogOn(from);
            w.clickCell(to);
        }
        read("level completed:");
        w.clickGame({400, 540});
        w.action("mnuQuit")->trigger();
        EXPECT_TRUE(w.session().msg.NameInput.Visible) << "a game with points asks for a name";
        read("name entry:");
        w.clickWidget("Command1");
        read("high scores:");
        w.action("aboutmenue")->trigger();
        w.action("coloursDialog")->trigger();
        read("dialogs:");
        w.clickWidget("Command2");  // the licence
        w.action("mnu_tellafriend")->trigger();
        platform.answerYes = false;
        w.window->close();
        const QDir folder(QString::fromStdString(w.data.path()));
        const QStringList files = folder.entryList(QDir::Files);
        EXPECT_TRUE(files.contains("high.txt") && files.contains("data.txt") &&
                    files.contains("savedgame1.txt"))
            << files.join(u' ').toStdString();
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_FALSE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("⟪")))
                << name.toStdString();
        }
    }
    QCoreApplication::removeTranslator(&pseudo);

    ASSERT_EQ(platform.questions.size(), 1u);
    seen[QStringLiteral("exit question")] =
        QString::fromStdString(platform.questions[0]).section(u':', 1).trimmed();
    ASSERT_EQ(platform.infos.size(), 1u);
    seen[QStringLiteral("licence")] = QString::fromStdString(platform.infos[0]);
    ASSERT_EQ(platform.mails.size(), 1u);
    seen[QStringLiteral("mail subject")] = QString::fromStdString(platform.mails[0].first);
    seen[QStringLiteral("mail body")] = QString::fromStdString(platform.mails[0].second);
    for (const auto& [name, text] : seen)
        for (const QString& line : text.split(u'\n'))
            EXPECT_TRUE(line.contains(QStringLiteral("⟪")) || SameInEveryLanguage(line))
                << name.toStdString() << " shows \"" << line.toStdString() << "\" untranslated";
}

// Every message box about the player's files, at the start and at the
// close, is the player's language too, down to each file's part; only
// names, places and the system's reasons are inserted as they are.
TEST(Translation, FileMessagesAreTranslatedWhole) {
    struct Case {
        const char* name;
        std::function<QString(TranslatingPlatform&)> show;
        const char* opening;   // the start of the message, marked
        const char* inserted;  // a part inserted as it is
    };
    // The message the game shows after the handler, through its platform.
    auto shown = [](TranslatingPlatform& platform, std::function<void(Session&)> handler) {
        WindowFixture w(platform);
        w.window->run(handler);
        return platform.infos.empty() ? QString() : QString::fromStdString(platform.infos.back());
    };
    const Case cases[] = {
        {"close, the data folder gone",
         [](TranslatingPlatform& platform) {
             platform.answerYes = false;
             WindowFixture(platform).closeWithTheDataFolderGone();
             return platform.infos.empty() ? QString() : QString::fromStdString(platform.infos.back());
         },
         "⟪Quib could not save your game", "⟪data.txt could not be written (Not a directory)⟫; ⟪high.txt"},
        {"close, a file unreadable since the start",
         [&](TranslatingPlatform& platform) {
             return shown(platform, [](Session& f) {
                 f.files.Unreadable.insert("high.txt");
                 f.files.Failures["high.txt"] = EACCES;
                 window::TellFilesNotKept(f, false, true);
             });
         },
         "⟪Quib could not save your game", "⟪high.txt could not be read when the game started (Permission denied)"},
        {"start, no folder to write in",
         [&](TranslatingPlatform& platform) {
             return shown(platform, [](Session& f) { window::TellFilesNotKept(f, true, true); });
         },
         "⟪Quib cannot keep anything", "/quib-test-"},
        {"start, a file that cannot be read",
         [&](TranslatingPlatform& platform) {
             return shown(platform, [](Session& f) {
                 f.files.Unreadable.insert("high.txt");
                 f.files.Failures["high.txt"] = EACCES;
                 window::TellUnreadableFiles(f);
             });
         },
         "⟪Quib cannot read ", "high.txt (Permission denied)"},
        {"start, the folder beside the program read-only",
         [](TranslatingPlatform&) {
             GameFolders moved;
             moved.data = QStringLiteral("/home/player/.local/share/Quib/");
             moved.notUsed = QStringLiteral("/opt/quib/data/");
             moved.notUsedBecause = EROFS;
             return MovedFilesNotice(moved);
         },
         "⟪Quib cannot write in the folder", "/opt/quib/data/"},
        {"start, the data folder held by another program",
         [](TranslatingPlatform&) {
             quib::testing::TempFolder data;
             records::FolderLock other(data.path());
             EXPECT_EQ(other.Take(), records::FolderLock::Claim::Taken);
             SingleInstance instance(QString::fromStdString(data.path()));
             EXPECT_FALSE(instance.claim());
             return instance.problem();
         },
         "⟪Quib cannot start", "quib_desktop_te"},
    };
    for (const Case& c : cases) {
        PseudoTranslator pseudo;
        QCoreApplication::installTranslator(&pseudo);
        TranslatingPlatform platform;
        const QString told = c.show(platform);
        QCoreApplication::removeTranslator(&pseudo);
        EXPECT_TRUE(told.startsWith(QString::fromUtf8(c.opening)) && told.contains(QString::fromUtf8(c.inserted)))
            << c.name << ": " << told.toStdString();
        for (const QString& line : told.split(u'\n'))
            EXPECT_TRUE(line.isEmpty() || line.startsWith(QStringLiteral("⟪"))) << c.name << ": " << line.toStdString();
    }
}

}  // namespace
}  // namespace quib::desktop::testing

namespace quib::desktop::testing {
namespace {

// Every translation keeps the "%1", "%2" and "%n" of its source, in each
// plural form: one without "%1" would drop the score from a message. A menu
// letter is a single letter.
TEST(Translation, CataloguesKeepEveryNumberAndName) {
    static const QRegularExpression marker(QStringLiteral("%(\\d|n)"));
    auto markers = [](const QString& text) {
        std::set<QString> found;
        for (auto it = marker.globalMatch(text); it.hasNext();) found.insert(it.next().captured());
        return found;
    };
    const QStringList languages = GameLanguages();
    ASSERT_FALSE(languages.isEmpty());
    for (const QString& language : languages) {
        QString error;
        for (const CatalogueEntry& e : ReadCatalogue(language, &error)) {
            EXPECT_EQ(markers(e.translation), markers(e.source))
                << language.toStdString() << ": \"" << e.translation.toStdString() << "\" for \""
                << e.source.toStdString() << '"';
            if (e.context == u"MenuLetter") {
                EXPECT_EQ(e.translation.size(), 1) << language.toStdString() << ": " << e.translation.toStdString();
            }
        }
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    }
}

}  // namespace
}  // namespace quib::desktop::testing

namespace quib::desktop::testing {
namespace {

// The catalogue chosen for a desktop's environment, as gettext would choose:
// the C locale is English whatever LANGUAGE says; English anywhere first
// ends the search; a language without a catalogue does not; a region's
// catalogue serves its region and the plain language, and a region without
// one of its own takes the language's.
TEST(Translation, LanguageChoiceFollowsTheDesktop) {
    struct Case {
        std::map<std::string, QString> env;
        QStringList available;
        const char* catalogue;
    };
    const QStringList three = {"de", "es", "fr"};
    const QStringList withBrazil = {"de", "es", "fr", "pt_BR"};
    const Case cases[] = {
        {{{"LC_ALL", "C"}, {"LANGUAGE", "de"}}, three, ""},
        {{{"LANG", "POSIX"}, {"LANGUAGE", "de"}}, three, ""},
        {{{"LANGUAGE", "de"}}, three, ""},
        {{{"LC_ALL", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, three, ""},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, three, "de"},
        {{{"LANG", "en_US.UTF-8"}}, three, ""},
        {{{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, three, ""},
        {{{"LANG", "de_AT.UTF-8"}}, three, "de"},
        {{{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, three, "fr"},
        {{{"LC_ALL", "es_ES.UTF-8"}, {"LC_MESSAGES", "fr_FR.UTF-8"}}, three, "es"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "sv:de"}}, three, "de"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "it:sv:fr"}}, three, "fr"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "sv"}}, three, "de"},
        {{{"LANG", "sv_SE.UTF-8"}}, three, ""},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "pt:es"}}, three, "es"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "pt:es"}}, withBrazil, "pt_BR"},
        {{{"LANG", "pt_BR.UTF-8"}}, withBrazil, "pt_BR"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "pt_BR"}}, withBrazil, "pt_BR"},
        {{{"LANG", "pt_PT.UTF-8"}}, withBrazil, "pt_BR"},
        {{{"LANG", "de_CH.UTF-8@euro"}}, withBrazil, "de"},
    };
    for (const Case& c : cases) {
        const QStringList wanted = DesktopLanguages([&](const char* name) {
            const auto found = c.env.find(name);
            return found == c.env.end() ? QString() : found->second;
        });
        QString where;
        for (const auto& [name, value] : c.env) where += QString::fromStdString(name) + u'=' + value + u' ';
        EXPECT_EQ(ChooseCatalogue(wanted, c.available).toStdString(), c.catalogue)
            << where.toStdString() << "with " << c.available.join(u' ').toStdString();
    }
}

}  // namespace
}  // namespace quib::desktop::testing
