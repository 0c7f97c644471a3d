// Each language's glossary (translations/glossary_<lang>.txt) names the
// words the game uses for its main terms, and the game uses them: the mode
// names and "Continue" of the menus, the start screen and the caption are
// the glossary's, and wherever an English text of the catalogues, the help
// file, the desktop entry or the metainfo uses a term, its translation uses
// the glossary's word for it.

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <vector>

#include "desktop/overlay.h"
#include "desktop/translations.h"
#include "languages.h"
#include "support/fake_platform.h"
#include "window_fixture.h"

namespace quib::desktop::testing {
namespace {

// The terms every glossary holds, in this order.
const QStringList kTerms = {"frog",     "frogs", "jump",       "try",        "tries",
                            "level",    "Easy",  "Medium",     "Difficult",  "Practice",
                            "Continue", "slot",  "high score", "high scores"};
// The terms that are captions of the game: used exactly as written.
const QStringList kCaptions = {"Easy", "Medium", "Difficult", "Practice", "Continue"};

struct Term {
    QString base;
    QStringList forms;  // the base form and its accepted forms
};

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// The glossary's terms by their English names, and what is wrong with the
// file's form.
std::map<QString, Term> ReadGlossary(const QString& language, QStringList& problems) {
    std::map<QString, Term> terms;
    const QString path = QStringLiteral(QUIB_TS_DIR "/glossary_") + language + QStringLiteral(".txt");
    const QString text = ReadText(path);
    if (text.isEmpty()) problems << path + QStringLiteral(" is missing or empty");
    QStringList order;
    for (const QString& line : text.split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList columns = line.split(u'\t');
        if (columns.size() < 2 || columns.size() > 3 || columns[1].trimmed().isEmpty()) {
            problems << path + QStringLiteral(": not \"term<TAB>base form<TAB>accepted forms\": ") + line;
            continue;
        }
        Term term{columns[1].trimmed(), {columns[1].trimmed()}};
        if (columns.size() == 3)
            for (const QString& session : columns[2].split(u',', Qt::SkipEmptyParts))
                term.forms << session.trimmed();
        order << columns[0];
        terms[columns[0]] = term;
    }
    if (order != kTerms)
        problems << path + QStringLiteral(" holds the terms ") + order.join(QStringLiteral(", ")) +
                        QStringLiteral(" instead of ") + kTerms.join(QStringLiteral(", "));
    return terms;
}

// Whether an English text uses a term ("high-score table" uses "high score").
bool EnglishUses(const QString& text, const QString& term) {
    QString pattern = QRegularExpression::escape(term);
    pattern.replace(QStringLiteral("\\ "), QStringLiteral("[- ]"));
    const auto options = kCaptions.contains(term) ? QRegularExpression::NoPatternOption
                                                  : QRegularExpression::CaseInsensitiveOption;
    return QRegularExpression(QStringLiteral("\\b") + pattern + QStringLiteral("\\b"), options)
        .match(text)
        .hasMatch();
}

// Whether a translation uses the glossary's word: a caption exactly, any
// other term in one of its forms.
bool TranslationUses(const QString& text, const QString& english, const Term& term) {
    if (kCaptions.contains(english)) return text.contains(term.base);
    for (const QString& session : term.forms)
        if (text.contains(session, Qt::CaseInsensitive)) return true;
    return false;
}

// An English text and its translation, and where they stand.
struct Pair {
    QString where, english, translated;
    bool numerus = false;  // one of a count's forms ("%n Frosch", "%n Frösche")
};

// A count's singular form may say "frog" where the English says "frogs".
QString OtherNumber(const QString& term) {
    static const std::map<QString, QString> other = {{"frog", "frogs"},
                                                     {"frogs", "frog"},
                                                     {"try", "tries"},
                                                     {"tries", "try"},
                                                     {"high score", "high scores"},
                                                     {"high scores", "high score"}};
    const auto found = other.find(term);
    return found == other.end() ? QString() : found->second;
}

// Every text of the catalogue with each of its translated forms.
void CataloguePairs(const QString& language, std::vector<Pair>& pairs) {
    QString error;
    for (const CatalogueEntry& e : ReadCatalogue(language, &error)) {
        // The menu bar has room for short titles only: "Neustart" may say
        // "Restart Level" without the level.
        if (e.context != u"MenuLetter" && e.context != u"Menu")
            pairs.push_back({QStringLiteral("catalogue ") + e.context, e.source, e.translation, e.numerus});
    }
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
}

// The desktop entry's keys and the metainfo's summary and description, in
// English and in the language.
void DesktopPairs(const QString& language, std::vector<Pair>& pairs) {
    const QString entry = ReadText(QStringLiteral(QUIB_SOURCE_DIR "/dist/quib.desktop.in"));
    for (const char* key : {"GenericName", "Comment", "Keywords"}) {
        const auto value = [&](const QString& suffix) {
            const QRegularExpression line(QStringLiteral("^") + QLatin1String(key) +
                                              QRegularExpression::escape(suffix) + QStringLiteral("=(.*)$"),
                                          QRegularExpression::MultilineOption);
            return line.match(entry).captured(1);
        };
        pairs.push_back({QStringLiteral("desktop entry ") + QLatin1String(key), value({}),
                         value(u'[' + language + u']')});
    }
    QFile file(QStringLiteral(QUIB_SOURCE_DIR "/dist/quib.metainfo.xml.in"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::map<QString, QString> text;  // by language, "" for English
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() != u"summary" && xml.name() != u"p") continue;
        const QString lang = xml.attributes().value(QLatin1String("xml:lang")).toString();
        text[lang] += xml.readElementText() + u'\n';
    }
    pairs.push_back({QStringLiteral("metainfo"), text[QString()], text[language]});
}

// The start screen's, the menus' and the caption's mode names and
// "Continue", as the window shows them in the language.
std::map<QString, QStringList> CaptionsShown(const QString& language) {
    RemoveTranslations();
    EXPECT_EQ(InstallTranslations(QStringLiteral(QUIB_TRANSLATIONS_DIR), {language}).toStdString(),
              language.toStdString());
    std::map<QString, QStringList> shown;
    {
        TranslatingPlatform translating;
        WindowFixture w(translating);
        w.window->run([](Session& f) { f.game.ResumeOffered = true; });
        shown["Continue"] << w.window->findChild<TextItem*>(QStringLiteral("CommandLabel2"))->text();
        for (int i = 1; i <= 4; ++i) {
            const QString term = kCaptions[i - 1];
            const QString name = QStringLiteral("CommandLabel(%1)").arg(i);
            shown[term] << w.window->findChild<TextItem*>(name)->text();
            const QByteArray menu = QStringLiteral("NewGameMenue(%1)").arg(i).toLatin1();
            shown[term] << w.action(menu.constData())->text().remove(u'&');
            w.action(menu.constData())->trigger();
            // The caption names the mode after "Mode: ", as the catalogue has it.
            const QString title = w.window->windowTitle();
            const QString mode =
                QCoreApplication::translate("Caption", "Mode: %1").section(QStringLiteral("%1"), 0, 0);
            const int at = title.indexOf(mode);
            shown[term] << (at < 0 ? title : title.mid(at + mode.size()).section(QStringLiteral("  "), 0, 0));
        }
    }
    RemoveTranslations();
    return shown;
}

TEST(Glossary, TermsAreTheOnesTheGameUses) {
    const QStringList languages = GameLanguages();
    ASSERT_FALSE(languages.isEmpty());
    const QString englishHelp = ReadText(QStringLiteral(QUIB_ASSETS_DIR "/help.txt"));
    ASSERT_FALSE(englishHelp.isEmpty());
    for (const QString& language : languages) {
        const std::string lang = language.toStdString();
        QStringList problems;
        const std::map<QString, Term> glossary = ReadGlossary(language, problems);
        for (const QString& problem : problems) ADD_FAILURE() << problem.toStdString();
        if (!problems.isEmpty()) continue;

        for (const auto& [term, shown] : CaptionsShown(language))
            for (const QString& caption : shown)
                EXPECT_EQ(caption.toStdString(), glossary.at(term).base.toStdString())
                    << lang << ": the caption for " << term.toStdString();

        std::vector<Pair> pairs;
        CataloguePairs(language, pairs);
        DesktopPairs(language, pairs);
        pairs.push_back(
            {QStringLiteral("help file"), englishHelp,
             ReadText(QStringLiteral(QUIB_ASSETS_DIR "/help.") + language + QStringLiteral(".txt"))});
        for (const Pair& pair : pairs)
            for (const QString& term : kTerms)
                if (EnglishUses(pair.english, term)) {
                    const QString other = pair.numerus ? OtherNumber(term) : QString();
                    EXPECT_TRUE(
                        TranslationUses(pair.translated, term, glossary.at(term)) ||
                        (!other.isEmpty() && TranslationUses(pair.translated, other, glossary.at(other))))
                        << lang << " " << pair.where.toStdString() << " does not say \""
                        << glossary.at(term).base.toStdString() << "\" for \"" << term.toStdString()
                        << "\" in \"" << pair.translated.left(120).toStdString() << "\"";
                }
    }
}

}  // namespace
}  // namespace quib::desktop::testing
