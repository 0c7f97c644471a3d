// The extras around the game: every link opens its exact address, "Tell a
// friend" composes its exact message, the About box is a single box whose
// closing leaves the pause as it found it, help asks for the file beside the
// program, and "Exit" asks the window to close.

#include <gtest/gtest.h>

#include "core/window/window.h"
#include "support/test_game.h"

namespace quib {
namespace {

using testing::TestGame;

constexpr const char* kExpectedHomePage = "https://quib-game.example/";

TEST(Links, DonateOpensTheDonationPageWithItsKeysInOrder) {
    TestGame game(false);
    window::mnu_donate_Click(game.form());
    ASSERT_EQ(game.platform.urls.size(), 1u);
    EXPECT_EQ(game.platform.urls[0],
              "https://donate.quib-game.example/cgi-bin/webscr?cmd=_xclick&business=donate%40quib-game.example"
              "&item_name=Quib&buyer_credit_promo_code=&buyer_credit_product_category="
              "&buyer_credit_shipping_method=&buyer_credit_user_address_change=&no_shipping=0&no_note=1"
              "&tax=0&currency_code=USD&lc=CA&bn=PP%2dDonationsBF&charset=UTF%2d8");
}

TEST(Links, EveryHomePageLinkOpensTheHomePage) {
    TestGame game(false);
    Form1& f = game.form();
    window::mnu_morefree_Click(f);
    window::Label3_Click(f);
    window::Ad_Label_Click(f);
    window::Form2_Label3_Click(f);
    ASSERT_EQ(game.platform.urls.size(), 4u);
    for (const std::string& url : game.platform.urls) EXPECT_EQ(url, kExpectedHomePage);
}

TEST(Links, TheMessageLineLinkWorksWhateverMessageItShows) {
    TestGame game(false);
    Form1& f = game.form();
    for (double r : {0.0, 0.25, 0.5, 0.75, 0.99}) {
        game.platform.script.push_back(r);
        window::ShowNextMessage(f);
        window::Ad_Label_Click(f);
    }
    ASSERT_EQ(game.platform.urls.size(), 5u);
    for (const std::string& url : game.platform.urls) EXPECT_EQ(url, kExpectedHomePage);
}

TEST(TellAFriend, ComposesTheExactSubjectAndBody) {
    TestGame game(false);
    window::mnu_tellafriend_click(game.form());
    ASSERT_EQ(game.platform.mails.size(), 1u);
    EXPECT_EQ(game.platform.mails[0].first, "Free logic game");
    EXPECT_EQ(game.platform.mails[0].second,
              "Check out a free logic game called Quib. Remove frogs by jumping over them. It is very "
              "challenging and a great way to exercise your brain.\r\nhttps://quib-game.example/");
    EXPECT_TRUE(game.platform.urls.empty());
}

// Choosing "About" twice keeps one box and asks twice to bring it forward.
TEST(AboutBox, OpenedTwiceIsOneBoxAndOkayClosesIt) {
    TestGame game(false);
    Form1& f = game.form();
    window::aboutmenue_Click(f);
    window::aboutmenue_Click(f);
    EXPECT_TRUE(f.about.Loaded);
    EXPECT_EQ(f.about.RaiseRequests, 2);

    window::Form2_Command1_Click(f);
    EXPECT_FALSE(f.about.Loaded);
}

// The pause notice that showed when the box opened shows again when it
// closes, even if something hid it meanwhile.
TEST(AboutBox, ClosingRestoresThePauseThatShowedWhenItOpened) {
    TestGame game(false);
    Form1& f = game.form();
    f.msg.PausedLabel.Visible = true;  // a game paused on the board
    window::aboutmenue_Click(f);
    EXPECT_TRUE(f.clock.WasPaused);

    f.msg.PausedLabel.Visible = false;
    window::Form2_Unload(f);
    EXPECT_FALSE(f.about.Loaded);
    EXPECT_TRUE(f.msg.PausedLabel.Visible);
}

TEST(AboutBox, OpenedWhileNotPausedRemembersNoPause) {
    TestGame game(false);
    Form1& f = game.form();
    f.clock.WasPaused = true;  // left over from an earlier high-score table
    f.msg.PausedLabel.Visible = false;
    window::aboutmenue_Click(f);
    EXPECT_FALSE(f.clock.WasPaused);
    window::Form2_Command1_Click(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
}

// A close of a box that is not open must not act on the pause.
TEST(AboutBox, ClosingWhenNotOpenChangesNothing) {
    TestGame game(false);
    Form1& f = game.form();
    f.msg.PausedLabel.Visible = true;
    window::aboutmenue_Click(f);
    window::Form2_Unload(f);
    ASSERT_TRUE(f.msg.PausedLabel.Visible);

    f.msg.PausedLabel.Visible = false;
    window::Form2_Unload(f);
    EXPECT_FALSE(f.msg.PausedLabel.Visible);
    EXPECT_FALSE(f.about.Loaded);
}

TEST(AboutBox, LicenseAgreementShowsTheDisclaimerInAnInformationBox) {
    TestGame game(false);
    window::Form2_Command2_Click(game.form());
    ASSERT_EQ(game.platform.infos.size(), 1u);
    const std::string& text = game.platform.infos[0];
    EXPECT_NE(text.find("free"), std::string::npos);
    EXPECT_NE(text.find("\"as is\""), std::string::npos);
    EXPECT_NE(text.find("without warranty"), std::string::npos);
    EXPECT_TRUE(game.platform.questions.empty());
}

// Help is the file beside the program; when it is missing the viewer is
// still asked to show that path, so it can say what is missing.
TEST(Help, AsksThePlatformToShowTheHelpFileEvenWhenItIsMissing) {
    TestGame game(false);
    ASSERT_FALSE(std::filesystem::exists(game.program.path() + "help.txt"));
    window::contentsmenue_Click(game.form());
    ASSERT_EQ(game.platform.shownFiles.size(), 1u);
    EXPECT_EQ(game.platform.shownFiles[0], game.program.path() + "help.txt");
}

TEST(ExitLabel, AsksTheWindowToCloseWithoutDecidingItself) {
    TestGame game(false);
    Form1& f = game.form();
    ASSERT_FALSE(f.window.CloseRequested);
    window::ExitLabel_Click(f);
    EXPECT_TRUE(f.window.CloseRequested);
    EXPECT_TRUE(game.platform.questions.empty());
    EXPECT_FALSE(f.window.Ended);
}

}  // namespace
}  // namespace quib
