#include "menu_keys.h"

#include <QHash>
#include <QRegularExpression>

namespace quib::desktop {

namespace {

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
    static const QRegularExpression slot(QStringLiteral("^mnu(save|load)game\\((\\d)\\)$"));
    static const QRegularExpression level(QStringLiteral("^mnulevel\\((\\d+)\\)$"));
    if (const auto m = slot.match(objectName); m.hasMatch()) return m.captured(2).at(0);
    if (const auto m = level.match(objectName); m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n == 10) return u'0';
        if (n >= 1 && n < 100) return m.captured(1).at(0);
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
