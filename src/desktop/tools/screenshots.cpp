// Takes the screenshots of the game's main states by playing it through its
// real window: mouse clicks on the board and the labels, menu entries, and
// the keyboard for the name entry.
// Usage: quib_screenshots <output folder> [--extra]
//
// The game runs on a temporary data folder; the exit question is answered
// "No" so that closing writes the resume file without ending the run.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>
#include <vector>

#include "../board_view.h"
#include "../dialogs.h"
#include "../main_window.h"
#include "../qt_platform.h"
#include "../translations.h"
#include "core/board/board.h"
#include "core/practice/practice.h"

using namespace quib;
using namespace quib::desktop;

namespace {

// The real platform, except that no box waits for an answer and no browser
// or mail program opens.
class ScriptedPlatform : public QtPlatform {
public:
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void ShowInfo(const std::string&) override {}
    void OpenUrl(const std::string&) override {}
    void ComposeMail(const std::string&, const std::string&) override {}
};

class Driver {
public:
    Driver(MainWindow& window, QString out) : w_(window), out_(std::move(out)) {}

    // In another language ("de"), only the views where its longer words
    // must fit are saved, named "de-start-screen.png" and so on.
    static QString& language() {
        static QString installed;
        return installed;
    }

    void wait(int ms = 60) { QTest::qWait(ms); }

    void shot(const QString& name) {
        wait(120);
        const QImage image = w_.grab().toImage();
        save(image, name);
    }

    void save(const QImage& image, const QString& name) {
        static const QStringList translated = {"start-screen.png",    "small-start-screen.png",
                                               "level-in-play.png",   "round-over.png",
                                               "small-round-over.png", "level-completed.png",
                                               "name-entry.png",      "practice-notice-not-sure.png"};
        if (!language().isEmpty() && !translated.contains(name)) return;
        const QString path = out_ + "/" + (language().isEmpty() ? name : language() + "-" + name);
        std::printf("%s %s\n", image.save(path) ? "saved" : "FAILED", qPrintable(path));
    }

    // A click at a point of the game's coordinates on the board view.
    void clickGame(QPointF g) {
        BoardView* view = w_.boardView();
        QTest::mouseClick(view, Qt::LeftButton, {}, view->toWidget(g).toPoint());
        wait(30);
    }
    void clickFrogOn(int cell) {
        const Cell& c = w_.session().board.Grid[static_cast<std::size_t>(cell)];
        clickGame({c.Left + 3 + 16, c.Top + 5 + 16});
    }
    void clickCell(int cell) {
        const Cell& c = w_.session().board.Grid[static_cast<std::size_t>(cell)];
        clickGame({c.Left + 19, c.Top + 19});
    }
    void jump(int from, int to) {
        clickFrogOn(from);
        clickCell(to);
    }
    void clickWidget(const QString& name) {
        auto* widget = w_.findChild<QWidget*>(name);
        if (!widget) {
            std::printf("no widget %s\n", qPrintable(name));
            return;
        }
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        wait(30);
    }
    void trigger(const QString& action) {
        auto* a = w_.findChild<QAction*>(action);
        if (a) a->trigger();
        wait(30);
    }

    // A sequence of jumps from the board as it stands that leaves several
    // frogs and no jump: searched on a copy of the cells.
    std::vector<std::pair<int, int>> losingLine() {
        std::vector<Cell> cells = w_.session().board.Grid;
        std::vector<std::pair<int, int>> line;
        search(cells, line);
        return line;
    }

private:
    bool search(std::vector<Cell>& cells, std::vector<std::pair<int, int>>& line) {
        const int W = w_.session().board.BoardColumns;
        const int N = static_cast<int>(cells.size()) - 1;
        int frogs = 0;
        bool any = false;
        for (int f = 1; f <= N; ++f) {
            if (cells[static_cast<std::size_t>(f)].RecordNumber == 0) continue;
            ++frogs;
            any = any || board::HasJumpFrom(cells, W, f);
        }
        if (!any) return frogs >= 2 && !line.empty();
        for (int f = 1; f <= N; ++f) {
            if (cells[static_cast<std::size_t>(f)].RecordNumber == 0) continue;
            for (int t = 1; t <= N; ++t) {
                if (!board::IsLandingCell(cells, W, f, t)) continue;
                const board::JumpTest test = board::TryJump(cells, W, f, t);
                if (!test.legal) continue;
                std::vector<Cell> next = cells;
                next[static_cast<std::size_t>(t)].RecordNumber = next[static_cast<std::size_t>(f)].RecordNumber;
                next[static_cast<std::size_t>(f)].RecordNumber = 0;
                next[static_cast<std::size_t>(test.jumped)].RecordNumber = 0;
                line.emplace_back(f, t);
                if (search(next, line)) return true;
                line.pop_back();
            }
        }
        return false;
    }

    MainWindow& w_;
    QString out_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    // "--extra" also saves views that are only for looking at, not for the docs.
    const bool extra = argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--extra");
    QDir().mkpath(out);
    QTemporaryDir data;
    const std::string dataFolder = data.path().toStdString() + "/";
    const std::string programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
    Driver::language() = InstallTranslations(QCoreApplication::applicationDirPath() + "/translations");

    ScriptedPlatform platform;
    {
        MainWindow window(platform, dataFolder, programFolder);
        window.show();
        Driver d(window, out);
        d.wait(400);  // the first ticks read the data folder
        // Active, the window shows the keyboard focus on "Easy".
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) std::printf("the window never became active\n");
        d.shot("start-screen.png");

        const QSize firstSize = window.size();
        window.resize(300, 200);  // as small as the window goes
        d.shot("small-start-screen.png");
        window.resize(firstSize);

        d.clickWidget("CommandLabel(1)");  // Easy
        d.wait(200);
        Session& f = window.session();
        const int from = f.library.SolutionFrom(f.game.CurrentLevel, 1).value_or(0);
        d.clickFrogOn(from);
        d.shot("level-in-play.png");
        window.resize(300, 200);
        d.shot("small-window-in-play.png");
        window.resize(firstSize);

        // The keyboard: the first frog selected by Space, the cursor moved on.
        BoardView* view = window.boardView();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Escape);
        QTest::keyClick(view, Qt::Key_Space);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Right);
        d.shot("keyboard-cursor.png");
        if (const QScreen* screen = window.screen()) {
            window.resize(screen->availableGeometry().size());
            d.shot("large-window.png");
            window.resize(firstSize);
        }
        QTest::keyClick(view, Qt::Key_Escape);
        d.clickFrogOn(from);

        d.trigger("mnuGrids");
        d.shot("level-in-play-grids.png");
        d.trigger("mnuGrids");

        const int level = f.game.CurrentLevel;
        for (int k = 1; k <= level + 2; ++k)
            d.jump(f.library.SolutionFrom(level, k).value_or(0), f.library.SolutionTo(level, k));
        d.shot("level-completed.png");

        d.clickGame({400, 480});  // dismiss: the next level starts
        d.wait(200);
        for (const auto& [a, b] : d.losingLine()) d.jump(a, b);
        d.shot("round-over.png");
        window.resize(300, 200);
        d.shot("small-round-over.png");
        window.resize(firstSize);

        d.clickGame({400, 480});  // a retry of the same level
        d.wait(200);
        const auto line = d.losingLine();
        if (!line.empty()) d.jump(line[0].first, line[0].second);
        window.close();  // writes the resume file; the question is answered "No"
        d.wait(100);

        d.trigger("mnuQuit");
        auto* name = window.nameInput();
        if (!name->isHidden()) {
            name->selectAll();
            QTest::keyClicks(name, "Lily Pad");
            d.shot("name-entry.png");
            QTest::keyClick(name, Qt::Key_Return);
            d.shot("high-scores.png");
            d.clickWidget("HighLabel");
            if (extra) d.shot("extra-after-game.png");
        } else {
            std::printf("no name entry after Quit\n");
        }

        d.trigger("aboutmenue");
        d.wait(150);
        QImage scene = window.grab().toImage();
        const QImage box = window.aboutBox()->grab().toImage();
        {
            QPainter p(&scene);
            const QPoint at((scene.width() - box.width()) / 2, (scene.height() - box.height()) / 2);
            for (int k = 1; k <= 6; ++k)  // a soft shadow, as a desktop would draw it
                p.fillRect(QRect(at + QPoint(k, k + 2), box.size()), QColor(0, 0, 0, 12));
            p.drawImage(at, box);
            p.setPen(QColor(255, 255, 255, 90));
            p.drawRect(QRect(at, box.size()).adjusted(0, 0, -1, -1));
        }
        d.save(scene, "about-box.png");
        d.trigger("aboutmenue");
        window.aboutBox()->okayButton()->click();
        d.wait(50);

        if (extra) {
            // A Practice game on a larger window, paused behind the About box.
            d.clickWidget("CommandLabel(4)");
            d.wait(200);
            window.resize(1200, 860);
            d.wait(100);
            d.shot("extra-practice-large.png");
            window.resize(kCanvasWidth, kCanvasHeight + 24);
            d.trigger("coloursDialog");
            window.colourDialog()->slider(3)->setValue(128);
            window.colourDialog()->slider(2)->setValue(40);
            d.wait(50);
            d.save(window.colourDialog()->grab().toImage(), "extra-colours.png");
            window.colourDialog()->close();
            d.trigger("contentsmenue");
            d.wait(100);
            if (platform.textViewer()) d.save(platform.textViewer()->grab().toImage(), "extra-help.png");
        }
    }

    // A second run on the same data folder offers to continue the game.
    {
        MainWindow window(platform, dataFolder, programFolder);
        window.show();
        Driver d(window, out);
        d.wait(400);
        d.shot("continue.png");
    }

    // The Practice aids: a hint, and the notice's three states.
    {
        MainWindow window(platform, dataFolder, programFolder);
        window.show();
        Driver d(window, out);
        d.wait(400);
        Session& f = window.session();
        auto practiceAt = [&](int level) {
            f.game.CurrentLevel = level;  // as "Goto Level" would
            d.trigger("NewGameMenue(4)");
            d.wait(200);
        };
        practiceAt(12);
        d.trigger("HintMenue");
        d.shot("practice-hint-solvable.png");
        // Along the stored solution until one jump leads into a position
        // that still has jumps but no solution.
        for (int step = 0; step < 14; ++step) {
            const practice::Position p = practice::PositionOf(f.board);
            bool lost = false;
            for (const practice::Move& m : practice::LegalMoves(p)) {
                const practice::Position q = practice::Apply(p, m);
                practice::FailedTable table;
                if (practice::LegalMoves(q).empty() ||
                    practice::Solve(q, practice::Budget{200000, {}}, table).verdict != practice::Verdict::Lost)
                    continue;
                d.jump(m.from, m.to);
                lost = true;
                break;
            }
            if (lost) break;
            const auto next = practice::AidsOf(f).Next;
            if (!next) break;
            d.jump(next->from, next->to);
        }
        d.wait(300);  // the timer's slices prove it
        d.shot("practice-notice-lost.png");

        practiceAt(150);
        const int stored = f.library.SolutionFrom(150, 1).value_or(0);
        for (const practice::Move& m : practice::LegalMoves(practice::PositionOf(f.board))) {
            if (m.from == stored) continue;
            d.jump(m.from, m.to);
            break;
        }
        d.shot("practice-notice-not-sure.png");
    }
    return 0;
}
