// The extras around the game: every link opens its exact address, "Tell a
// friend" composes its exact message, the About box is a single box whose
// closing leaves the pause as it found it, help asks for the file beside the
// program, and "Exit" asks the window to close.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/window/window.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

constexpr const char* kExpectedHomePage = QUIB_HOME_PAGE;  // as configured

// "Donate" opens the donation page with its keys in order; "Tell a friend"
// composes its exact subject and body.
TEST(Links, DonateAndTellAFriendUseTheirExactTexts) {
    TestGame game(false);
    window::Donate(game.session());
    window::TellAFriend(game.session());
    EXPECT_EQ(game.platform.urls,
              std::vector<std::string>{
                  QUIB_DONATION_SITE "/cgi-bin/webscr?cmd=_xclick&business=" QUIB_DONATION_ACCOUNT
                  "&item_name=Quib&buyer_credit_promo_code=&buyer_credit_product_category="
                  "&buyer_credit_shipping_method=&buyer_credit_user_address_change=&no_shipping=0&no_note=1"
                  "&tax=0&currency_code=USD&lc=CA&bn=PP%2dDonationsBF&charset=UTF%2d8"});
    EXPECT_EQ(game.platform.mails,
              (std::vector<std::pair<std::string, std::string>>{
                  {"Free logic game",
                   "Check out a free logic game called Quib. Remove frogs by jumping over them. It is very "
                   "challenging and a great way to exercise your brain.\r\n" QUIB_HOME_PAGE}}));
}

// "More free games", the start screen's address, the About box's address and
// the message line, whichever of its five messages it shows.
TEST(Links, EveryHomePageLinkOpensTheHomePage) {
    TestGame game(false);
    Session& f = game.session();
    window::ShowMoreGames(f);
    window::OpenWebAddress(f);
    window::OpenAboutAddress(f);
    const char* firstLines[] = {"Slow aging & improve mental abilities", "Slow aging & reduce stress",
                                "Improve mental and physical heath", "Excersise your mind and body",
                                "Meditation, Qigong, Tai Chi, Hypnosis"};
    for (int n = 0; n < 5; ++n) {
        game.platform.script.push_back(n * 0.2 + 0.19);
        window::ShowNextMessage(f);
        EXPECT_EQ(f.msg.MessageLine.Caption.substr(0, f.msg.MessageLine.Caption.find('\n')), firstLines[n]);
        window::OpenMessageLink(f);
    }
    EXPECT_EQ(game.platform.urls, std::vector<std::string>(8, kExpectedHomePage));
}

// Choosing "About" twice keeps one box and asks twice to bring it forward;
// "Okay" closes it. The pause notice that showed when the box opened shows
// again when it closes, even if something hid it meanwhile; one that did not
// show stays hidden; a close of a box that is not open does nothing.
TEST(AboutBox, IsOneBoxWhoseClosingRestoresThePauseAsItWasWhenItOpened) {
    TestGame game(false);
    Session& f = game.session();
    f.msg.PausedLabel.Visible = true;
    window::ShowAboutBox(f);
    window::ShowAboutBox(f);
    EXPECT_TRUE(f.about.Loaded && f.clock.WasPaused);
    EXPECT_EQ(f.about.RaiseRequests, 2);
    f.msg.PausedLabel.Visible = false;
    window::CloseAboutBox(f);
    EXPECT_TRUE(f.msg.PausedLabel.Visible && !f.about.Loaded);

    f.msg.PausedLabel.Visible = false;
    window::CloseAboutBox(f);  // not open
    EXPECT_FALSE(f.msg.PausedLabel.Visible);

    window::ShowAboutBox(f);
    EXPECT_FALSE(f.clock.WasPaused);
    f.msg.PausedLabel.Visible = true;
    window::AboutOkay(f);  // "Okay"
    EXPECT_FALSE(f.msg.PausedLabel.Visible || f.about.Loaded);

    window::ShowDisclaimer(f);  // "License Agreement": an information box
    ASSERT_EQ(game.platform.infos.size(), 1u);
    EXPECT_NE(game.platform.infos[0].find("without warranty"), std::string::npos);
}

// Help is the file beside the program; when it is missing the viewer is
// still asked to show that path, so it can say what is missing. "Exit" asks
// the window to close without deciding itself.
TEST(Help, ShowsTheHelpFileEvenWhenMissingAndExitAsksTheWindowToClose) {
    TestGame game(false);
    Session& f = game.session();
    ASSERT_FALSE(std::filesystem::exists(game.program.path() + "help.txt"));
    window::ShowHelpFile(f);
    EXPECT_EQ(game.platform.shownFiles, std::vector<std::string>{game.program.path() + "help.txt"});
    window::ChooseExit(f);
    EXPECT_TRUE(f.window.CloseRequested && game.platform.questions.empty() && !f.window.Ended);
}

}  // namespace
}  // namespace quib
