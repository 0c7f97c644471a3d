#pragma once
// Every web and mail address the game uses, in one place. The addresses
// are set when the game is configured (cmake/QuibLinks.cmake).

#include <array>
#include <string>

#include "../translation.h"

namespace quib::window {

// The game's home page: "More free games", the start screen's address
// line, the message line and the About box all open it.
inline constexpr const char* kHomePage = QUIB_HOME_PAGE;
// Shown on the start screen and in the About box.
inline constexpr const char* kHomePageText = QUIB_HOME_PAGE_TEXT;
// The donation page: path and query keys in this order, values encoded as
// listed.
inline constexpr const char* kDonationUrl =
    QUIB_DONATION_SITE "/cgi-bin/webscr"
    "?cmd=_xclick"
    "&business=" QUIB_DONATION_ACCOUNT
    "&item_name=Quib"
    "&buyer_credit_promo_code="
    "&buyer_credit_product_category="
    "&buyer_credit_shipping_method="
    "&buyer_credit_user_address_change="
    "&no_shipping=0"
    "&no_note=1"
    "&tax=0"
    "&currency_code=USD"
    "&lc=CA"
    "&bn=PP%2dDonationsBF"
    "&charset=UTF%2d8";

inline constexpr const char* kTellAFriendSubject = QUIB_TRANSLATE_NOOP("Links", "Free logic game");
// The body is followed by a line break and the home page.
inline constexpr const char* kTellAFriendBody =
    QUIB_TRANSLATE_NOOP("Links",
                        "Check out a free logic game called Quib. Remove frogs by jumping over them. "
                        "It is very challenging and a great way to exercise your brain.");

// The rotating message line: a first line, then the web site.
inline constexpr std::array<const char*, 5> kMessageFirstLines = {
    QUIB_TRANSLATE_NOOP("Messages", "Slow aging & improve mental abilities"),
    QUIB_TRANSLATE_NOOP("Messages", "Slow aging & reduce stress"),
    QUIB_TRANSLATE_NOOP("Messages", "Improve mental and physical heath"),
    QUIB_TRANSLATE_NOOP("Messages", "Excersise your mind and body"),
    QUIB_TRANSLATE_NOOP("Messages", "Meditation, Qigong, Tai Chi, Hypnosis"),
};
// The second line: "%1" is the web site.
inline constexpr const char* kMessageSecondLine = QUIB_TRANSLATE_NOOP("Messages", "More free games at %1");

}  // namespace quib::window
