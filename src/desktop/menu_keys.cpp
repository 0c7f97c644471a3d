#include "menu_keys.h"

#include <QCoreApplication>
#include <QStringView>

namespace quib::desktop {

namespace {

// The digits of an entry name "<prefix><digits>)", or nothing when the name
// has another form. (A regular expression costs the start a compiler.)
QStringView NumberIn(QStringView name, QLatin1String prefix) {
    if (!name.startsWith(prefix) || !name.endsWith(u')')) return {};
    const QStringView digits = name.sliced(prefix.size(), name.size() - prefix.size() - 1);
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return {};
    return digits;
}

// Each entry's letter, unique within its menu: the menu bar takes N R S L G
// Q C P T D M H. A translation gives each entry a letter of its own caption
// (the comment names the entry), again unique within its menu.
QChar LetterOf(const QString& objectName) {
    // QT_TRANSLATE_NOOP3 gives {letter, entry}: the entry's name is the
    // translators' comment.
    struct Letter {
        const char* letter;
        const char* entry;
    };
    static const Letter letters[] = {
        QT_TRANSLATE_NOOP3("MenuLetter", "N", "NewGame"),
        QT_TRANSLATE_NOOP3("MenuLetter", "E", "NewGameMenue(1)"),
        QT_TRANSLATE_NOOP3("MenuLetter", "M", "NewGameMenue(2)"),
        QT_TRANSLATE_NOOP3("MenuLetter", "D", "NewGameMenue(3)"),
        QT_TRANSLATE_NOOP3("MenuLetter", "P", "NewGameMenue(4)"),
        QT_TRANSLATE_NOOP3("MenuLetter", "x", "exitGame"),
        QT_TRANSLATE_NOOP3("MenuLetter", "R", "RestartLevelMenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "S", "mnusave"),
        QT_TRANSLATE_NOOP3("MenuLetter", "L", "mnuload"),
        QT_TRANSLATE_NOOP3("MenuLetter", "G", "GotoLevelMenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "Q", "mnuQuit"),
        QT_TRANSLATE_NOOP3("MenuLetter", "c", "mnuHighScores"),
        QT_TRANSLATE_NOOP3("MenuLetter", "P", "mnupreferences"),
        QT_TRANSLATE_NOOP3("MenuLetter", "S", "sndmenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "G", "mnuGrids"),
        QT_TRANSLATE_NOOP3("MenuLetter", "C", "coloursDialog"),
        QT_TRANSLATE_NOOP3("MenuLetter", "T", "mnu_tellafriend"),
        QT_TRANSLATE_NOOP3("MenuLetter", "D", "mnu_donate"),
        QT_TRANSLATE_NOOP3("MenuLetter", "M", "mnu_morefree"),
        QT_TRANSLATE_NOOP3("MenuLetter", "H", "HelpMenu"),
        QT_TRANSLATE_NOOP3("MenuLetter", "S", "SolveMenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "T", "TestMenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "A", "aboutmenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "C", "contentsmenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "U", "UndoJumpMenue"),
        QT_TRANSLATE_NOOP3("MenuLetter", "H", "HintMenue"),
    };
    for (const Letter& l : letters) {
        if (objectName != QLatin1String(l.entry)) continue;
        const QString letter = QCoreApplication::translate("MenuLetter", l.letter, l.entry);
        return letter.isEmpty() ? QChar() : letter.front();
    }
    // "Save" and "Load" slots 1 to 5 take their digit. "Goto Level" has 20
    // entries but only ten digits: 1 takes "1", 10 takes "0", 20 to 90 their
    // first digit; 100 to 190 are reached with the arrow keys.
    for (QLatin1String slot : {QLatin1String("mnusavegame("), QLatin1String("mnuloadgame(")})
        if (const QStringView digits = NumberIn(objectName, slot); digits.size() == 1) return digits.at(0);
    if (const QStringView digits = NumberIn(objectName, QLatin1String("mnulevel(")); !digits.isEmpty()) {
        const int n = digits.toInt();
        if (n == 10) return u'0';
        if (n >= 1 && n < 100) return digits.at(0);
    }
    return {};
}

}  // namespace

QString WithMenuLetter(const QString& objectName, const QString& caption) {
    QString text = caption;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QChar letter = LetterOf(objectName);
    if (letter.isNull()) return text;
    const int at = text.indexOf(letter, 0, Qt::CaseInsensitive);
    if (at >= 0) text.insert(at, QLatin1Char('&'));
    return text;
}

QList<QKeySequence> MenuShortcuts(const QString& objectName) {
    if (objectName == QStringLiteral("contentsmenue")) return {QKeySequence(Qt::Key_F1)};
    if (objectName == QStringLiteral("RestartLevelMenue"))
        return {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)};
    if (objectName == QStringLiteral("exitGame")) return {QKeySequence(Qt::CTRL | Qt::Key_Q)};
    return {};
}

}  // namespace quib::desktop
