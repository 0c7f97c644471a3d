#include "menu_keys.h"

#include <QHash>
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
// Q C P T D M H.
QChar LetterOf(const QString& objectName) {
    static const QHash<QString, QChar> letters = {
        {QStringLiteral("NewGame"), u'N'},          {QStringLiteral("NewGameMenue(1)"), u'E'},
        {QStringLiteral("NewGameMenue(2)"), u'M'},  {QStringLiteral("NewGameMenue(3)"), u'D'},
        {QStringLiteral("NewGameMenue(4)"), u'P'},  {QStringLiteral("exitGame"), u'x'},
        {QStringLiteral("RestartLevelMenue"), u'R'}, {QStringLiteral("mnusave"), u'S'},
        {QStringLiteral("mnuload"), u'L'},          {QStringLiteral("GotoLevelMenue"), u'G'},
        {QStringLiteral("mnuQuit"), u'Q'},          {QStringLiteral("mnuHighScores"), u'c'},
        {QStringLiteral("mnupreferences"), u'P'},   {QStringLiteral("sndmenue"), u'S'},
        {QStringLiteral("mnuGrids"), u'G'},         {QStringLiteral("coloursDialog"), u'C'},
        {QStringLiteral("mnu_tellafriend"), u'T'},  {QStringLiteral("mnu_donate"), u'D'},
        {QStringLiteral("mnu_morefree"), u'M'},     {QStringLiteral("HelpMenu"), u'H'},
        {QStringLiteral("SolveMenue"), u'S'},       {QStringLiteral("TestMenue"), u'T'},
        {QStringLiteral("aboutmenue"), u'A'},       {QStringLiteral("contentsmenue"), u'C'},
        {QStringLiteral("UndoJumpMenue"), u'U'},    {QStringLiteral("HintMenue"), u'H'},
    };
    const auto it = letters.constFind(objectName);
    if (it != letters.constEnd()) return *it;
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
