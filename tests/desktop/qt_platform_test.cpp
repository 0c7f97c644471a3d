// The Qt platform hands the game's links and mail to the desktop unchanged:
// "Tell a friend" arrives as a mailto address whose subject and body decode
// to the game's exact text, the donation page keeps its keys in order; and
// the clock and the dice give what the game expects of them.

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <set>

#include "desktop/qt_platform.h"
#include "window_fixture.h"

namespace quib::desktop {

// Receives the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

namespace {

using testing::WindowFixture;

// The value of one key in an encoded query, decoded.
QString QueryValue(const QUrl& url, const QString& key) {
    const QStringList pairs = url.query(QUrl::FullyEncoded).split('&');
    for (const QString& pair : pairs) {
        const int eq = pair.indexOf('=');
        if (pair.left(eq) == key) return QUrl::fromPercentEncoding(pair.mid(eq + 1).toLatin1());
    }
    return QStringLiteral("<missing>");
}

class Intercept {
public:
    explicit Intercept(const char* scheme) : scheme_(QString::fromLatin1(scheme)) {
        QDesktopServices::setUrlHandler(scheme_, &catcher, "open");
    }
    ~Intercept() { QDesktopServices::unsetUrlHandler(scheme_); }
    UrlCatcher catcher;

private:
    QString scheme_;
};

TEST(QtMail, TellAFriendOpensAMailWithTheExactSubjectAndBody) {
    Intercept mail("mailto");
    QtPlatform platform;
    WindowFixture fx(platform);
    fx.action("mnu_tellafriend")->trigger();
    ASSERT_EQ(mail.catcher.urls.size(), 1);
    const QUrl url = mail.catcher.urls[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_TRUE(url.path().isEmpty()) << "the player chooses the recipient";
    EXPECT_EQ(QueryValue(url, "subject"), QStringLiteral("Free logic game"));
    EXPECT_EQ(QueryValue(url, "body"),
              QString::fromLatin1("Check out a free logic game called Quib. Remove frogs by jumping over them. It is very "
                                  "challenging and a great way to exercise your brain.\r\n" QUIB_HOME_PAGE));
}

// Characters with a meaning in a query must not cut the text short.
TEST(QtMail, EncodesEveryCharacterThatWouldBreakTheQuery) {
    Intercept mail("mailto");
    QtPlatform platform;
    platform.ComposeMail("A & B = 100% + more?", "line one\r\nline two #hash & more");
    ASSERT_EQ(mail.catcher.urls.size(), 1);
    EXPECT_EQ(QueryValue(mail.catcher.urls[0], "subject"), QStringLiteral("A & B = 100% + more?"));
    EXPECT_EQ(QueryValue(mail.catcher.urls[0], "body"), QStringLiteral("line one\r\nline two #hash & more"));
}

TEST(QtLinks, DonateOpensTheDonationPageWithItsKeysInOrder) {
    Intercept web("https");
    QtPlatform platform;
    WindowFixture fx(platform);
    fx.action("mnu_donate")->trigger();
    ASSERT_EQ(web.catcher.urls.size(), 1);
    const QUrl url = web.catcher.urls[0];
    EXPECT_EQ(url.host(), QUrl(QStringLiteral(QUIB_DONATION_SITE)).host());
    EXPECT_EQ(url.path(), QStringLiteral("/cgi-bin/webscr"));
    QStringList keys;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) keys << key;
    EXPECT_EQ(keys, (QStringList{"cmd", "business", "item_name", "buyer_credit_promo_code",
                                 "buyer_credit_product_category", "buyer_credit_shipping_method",
                                 "buyer_credit_user_address_change", "no_shipping", "no_note", "tax", "currency_code",
                                 "lc", "bn", "charset"}));
    EXPECT_EQ(QueryValue(url, "cmd"), QStringLiteral("_xclick"));
    EXPECT_EQ(QueryValue(url, "item_name"), QStringLiteral("Quib"));
    EXPECT_EQ(QueryValue(url, "bn"), QStringLiteral("PP-DonationsBF"));
    EXPECT_EQ(QueryValue(url, "charset"), QStringLiteral("UTF-8"));
    EXPECT_EQ(QueryValue(url, "buyer_credit_promo_code"), QString());
}

TEST(QtLinks, StartScreenAddressOpensTheHomePage) {
    Intercept web("https");
    QtPlatform platform;
    WindowFixture fx(platform);
    fx.clickWidget("Label3");
    ASSERT_EQ(web.catcher.urls.size(), 1);
    EXPECT_EQ(web.catcher.urls[0], QUrl(QStringLiteral(QUIB_HOME_PAGE)));
}

TEST(QtClock, TimeOfDayAndDayAreInRange) {
    QtPlatform platform;
    const double t = platform.Timer();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 86400.0);
    EXPECT_GE(platform.Day(), 1);
    EXPECT_LE(platform.Day(), 31);
    const std::int64_t a = platform.Now();
    EXPECT_GT(a, 1'600'000'000);  // a date after 2020
    EXPECT_LE(a, platform.Now());
}

// Every re-seed gives a sequence of its own, even several in a row.
TEST(QtRandom, NumbersLieInTheUnitRangeAndReseedsDiffer) {
    QtPlatform platform;
    std::set<double> firsts;
    for (int i = 0; i < 20; ++i) {
        platform.Randomize();
        const double r = platform.Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        firsts.insert(r);
    }
    EXPECT_EQ(firsts.size(), 20u);
}

}  // namespace
}  // namespace quib::desktop

#include "qt_platform_test.moc"
