// Every text fits where it is shown, in English and in every language of
// translations/: each label over the board, the cards' messages, the Practice
// notice, the buttons, the About box and colour window, and the menu titles,
// measured with the font each is drawn in, at the window's first size and at
// the smallest it can be made.

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <cmath>

#include "core/game/game.h"
#include "core/practice/practice.h"
#include "core/window/window.h"
#include "desktop/dialogs.h"
#include "desktop/overlay.h"
#include "desktop/practice_view.h"
#include "desktop/translations.h"
#include "languages.h"
#include "support/fake_platform.h"
#include "support/play.h"
#include "window_fixture.h"

namespace quib::desktop::testing {
namespace {

using quib::testing::InstallRowPuzzles;
using quib::testing::LevelPuzzle;

// What is measured, where: "fr 792x552 level completed PanelTitle".
class FitCheck {
public:
    explicit FitCheck(const QString& language)
        : language_(language.isEmpty() ? QStringLiteral("en") : language) {}
    void setPlace(MainWindow& window, const QString& screen) {
        place_ = language_ + u' ' + QString::number(window.width()) + u'x' +
                 QString::number(window.height()) + u' ' + screen;
    }

    // A label over the board is painted in its logical box at its logical
    // font, scaled as one picture: its words must lie inside that box. A
    // single line may be taller than its box (the big title's line height).
    void textItem(const TextItem* t) {
        const QRectF box(QPointF(), LogicalRect(t).size());
        const QFontMetricsF metrics(t->paintFont());
        QSizeF needed = metrics.boundingRect(box, Qt::AlignCenter | Qt::TextWordWrap, t->text()).size();
        if (needed.height() < metrics.lineSpacing() * 1.5) needed.setHeight(0);
        if (!t->text().contains(u'\n') && t->shownText() != t->text())  // elided
            needed.setWidth(metrics.horizontalAdvance(t->text()));
        expectFits(t->objectName(), t->text(), needed, box.size());
    }

    // The notice shows one of three words in the same place: each must fit.
    void notice(const PracticeNotice* n) {
        for (auto kind : {practice::Notice::Solvable, practice::Notice::Lost, practice::Notice::NotSure}) {
            const QString text = PracticeNotice::TextOf(kind);
            const qreal needed = QFontMetricsF(PracticeNotice::textFont()).horizontalAdvance(text);
            expectFits(n->objectName(), text, {needed, 0}, n->textBox().size());
        }
    }

    // A button shows its text whole: within its layout it has at least the
    // room it asks for; placed by the game, its words and a small margin fit.
    void button(const QAbstractButton* b) {
        const QString text = Plain(b->text());
        const qreal needed = b->parentWidget() && b->parentWidget()->layout()
                                 ? b->sizeHint().width()
                                 : QFontMetricsF(b->font()).horizontalAdvance(text) + 8;
        expectFits(b->objectName(), text, {needed, 0}, b->size());
    }

    void label(const QLabel* l) {
        const QSizeF needed = l->wordWrap() ? QSizeF(0, l->heightForWidth(l->width()))
                                            : QSizeF(l->minimumSizeHint().width(), 0);
        expectFits(l->objectName(), l->text(), needed, l->size());
    }

    // A menu title on the bar is whole and inside the bar; at the first
    // size every title stands on the bar, none behind its overflow arrow.
    void menuTitles(QMenuBar* bar, bool allOnTheBar) {
        for (QAction* a : bar->actions()) {
            const QRect at = bar->actionGeometry(a);
            const QString text = Plain(a->text());
            if (at.isEmpty() || at.right() >= bar->width()) {
                if (allOnTheBar) failures << place_ + u' ' + text + QStringLiteral(" is not on the menu bar");
                continue;
            }
            expectFits(a->objectName(), text, {QFontMetricsF(bar->font()).horizontalAdvance(text), 0},
                       at.size());
        }
    }

    // Everything shown now in the window and its dialogs.
    void everything() {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            for (TextItem* t : top->findChildren<TextItem*>())
                if (t->window() == top && t->isVisibleTo(top) && !t->text().isEmpty()) textItem(t);
            for (PracticeNotice* n : top->findChildren<PracticeNotice*>())
                if (n->window() == top && n->isVisibleTo(top)) notice(n);
            for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
                if (b->window() == top && b->isVisibleTo(top) && !b->text().isEmpty()) button(b);
            for (QLabel* l : top->findChildren<QLabel*>())
                if (l->window() == top && l->isVisibleTo(top) && !l->text().isEmpty()) label(l);
        }
        ++screens;
    }

    int screens = 0;
    QStringList failures;

private:
    void expectFits(const QString& name, const QString& text, QSizeF needed, QSizeF room) {
        if (needed.width() > room.width() + 0.5 || needed.height() > room.height() + 0.5)
            failures << place_ + u' ' + name + QStringLiteral(" \"") + text +
                            QStringLiteral("\" needs %1x%2 of its %3x%4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height());
    }

    QString language_;
    QString place_;
};

// The window's first size and the smallest it can be made (400 by 290).
void AtEverySize(WindowFixture& w, FitCheck& check, const QString& screen) {
    const QSize first = w.window->size();
    for (bool smallest : {false, true}) {
        if (smallest) w.window->resize(200, 120);
        QTest::qWait(10);
        check.setPlace(*w.window, screen);
        check.everything();
        check.menuTitles(w.window->menuBar(), !smallest);
    }
    w.window->resize(first);
    QTest::qWait(10);
}

// Plays through every screen that shows text: the start screen with
// "Continue", a lost round, a completed level, the Practice notice in each
// of its states, the pause, the name entry and the high-score table, the
// last try's end, the About box and the colour window.
FitCheck CheckEveryScreen(const QString& language) {
    FitCheck check(language);
    TranslatingPlatform platform;
    WindowFixture w(platform);
    InstallRowPuzzles(w.session(), 4);
    w.window->run([](Session& f) { f.game.ResumeOffered = true; });
    AtEverySize(w, check, QStringLiteral("start screen"));

    w.action("NewGameMenue(1)")->trigger();
    const auto puzzle = LevelPuzzle(1);
    w.clickFrogOn(puzzle.pieces[1]);
    w.clickCell(puzzle.pieces[0] - 1);
    // Each of the five lines of the message line below it.
    for (int n = 0; n < 5; ++n) {
        platform.script = {(n + 0.5) / 5};
        w.window->run([](Session& f) { window::ShowNextMessage(f); });
        AtEverySize(w, check, QStringLiteral("round over"));
    }
    w.clickGame({400, 540});
    for (const auto& [from, to] : puzzle.solution) {
        w.clickFrogOn(from);
        w.clickCell(to);
    }
    AtEverySize(w, check, QStringLiteral("level completed"));
    w.clickGame({400, 540});

    // Back from a minimised window, the pause notice.
    w.window->run([](Session& f) {
        f.clock.WasPaused = true;
        game::DismissPauseNotice(f);
    });
    AtEverySize(w, check, QStringLiteral("paused"));
    w.clickGame({400, 540});

    w.action("mnuQuit")->trigger();
    AtEverySize(w, check, QStringLiteral("name entry"));
    w.clickWidget("Command1");
    AtEverySize(w, check, QStringLiteral("high scores"));
    w.clickGame({400, 540});

    // The last of Easy's tries, lost (level 1's puzzle is renewed by now).
    InstallRowPuzzles(w.session(), 4);
    w.action("NewGameMenue(1)")->trigger();
    w.window->run([](Session& f) { f.game.TryNumber = f.game.TriesAllowed; });
    w.clickFrogOn(puzzle.pieces[1]);
    w.clickCell(puzzle.pieces[0] - 1);
    AtEverySize(w, check, QStringLiteral("last try lost"));
    w.clickGame({400, 540});

    w.action("NewGameMenue(4)")->trigger();
    EXPECT_TRUE(w.window->practiceNotice()->isVisible());
    AtEverySize(w, check, QStringLiteral("Practice"));

    w.action("aboutmenue")->trigger();
    w.action("coloursDialog")->trigger();
    QTest::qWait(20);
    AtEverySize(w, check, QStringLiteral("dialogs"));
    platform.answerYes = false;
    return check;
}

TEST(Translation, EveryTextFitsWhereItIsShown) {
    QStringList languages = GameLanguages();
    ASSERT_FALSE(languages.isEmpty());
    languages.prepend(QString());
    for (const QString& language : languages) {
        RemoveTranslations();
        if (!language.isEmpty()) {
            ASSERT_EQ(InstallTranslations(QStringLiteral(QUIB_TRANSLATIONS_DIR), {language}).toStdString(),
                      language.toStdString());
        }
        FitCheck check = CheckEveryScreen(language);
        check.failures.removeDuplicates();
        EXPECT_EQ(check.screens, 2 * 13) << language.toStdString();
        for (const QString& failure : check.failures) ADD_FAILURE() << failure.toStdString();
    }
    RemoveTranslations();
}

}  // namespace
}  // namespace quib::desktop::testing
