// The small features around the game: help, the About box, the "Exit"
// label, the web links, "Tell a friend" and the rotating message line.

#include "../game/game.h"
#include "../translation.h"
#include "links.h"
#include "window.h"

namespace quib::window {

namespace {

// Shown by the About box's "License Agreement" button.
constexpr const char* kDisclaimer =
    QUIB_TRANSLATE_NOOP("About",
                        "Quib is free: you may play it, copy it and give it away at no charge.\n\n"
                        "The game is provided \"as is\", without warranty of any kind, express or implied, "
                        "including but not limited to the warranties of merchantability, fitness for a "
                        "particular purpose and non-infringement. In no event shall its makers be liable "
                        "for any claim, damages or other liability arising from the use of the game.");

}  // namespace

// "Contents": the help file lies beside the program. A missing file is the
// viewer's to report; the game itself never fails over it.
void ShowHelpFile(Session& session) { session.platform.ShowTextFile(session.ProgramFolder + "help.txt"); }

// "About": one box only. A second choice brings the same box to the front.
// Whether the game was paused is remembered so that closing the box leaves
// the pause as it was.
void ShowAboutBox(Session& session) {
    session.clock.WasPaused = session.msg.PausedLabel.Visible;
    session.about.Loaded = true;
    ++session.about.RaiseRequests;
}

// The About box closes. Closing a box that is not open does nothing, so a
// stray close cannot resume a game with a stale pause flag.
void CloseAboutBox(Session& session) {
    if (!session.about.Loaded) return;
    session.about.Loaded = false;
    game::UpdatePauseNotice(session);
}

void AboutOkay(Session& session) { CloseAboutBox(session); }

void ShowDisclaimer(Session& session) {
    session.platform.ShowInfo(session.platform.Translate("About", kDisclaimer));
}

void OpenAboutAddress(Session& session) { ShowMoreGames(session); }

// "Exit" on the start screen: the front end closes the window, which runs the
// close request with its exit question.
void ChooseExit(Session& session) { session.window.CloseRequested = true; }

// Every link goes through here to the desktop's default handler. Whether a
// browser opened is not known and does not matter to the game.
void RunShellExecute(Session& session, const std::string& address) { session.platform.OpenUrl(address); }

void ShowMoreGames(Session& session) { RunShellExecute(session, kHomePage); }

void OpenWebAddress(Session& session) { RunShellExecute(session, kHomePage); }

void OpenMessageLink(Session& session) { RunShellExecute(session, kHomePage); }

void Donate(Session& session) { RunShellExecute(session, kDonationUrl); }

// The player's own mail program opens with the message ready; the player
// picks the recipient and sends it.
void TellAFriend(Session& session) {
    session.platform.ComposeMail(session.platform.Translate("Links", kTellAFriendSubject),
                              session.platform.Translate("Links", kTellAFriendBody) + "\r\n" + kHomePage);
}

void ShowNextMessage(Session& session) {
    session.platform.Randomize();
    int n = 1 + static_cast<int>(session.platform.Rnd() * 5);
    if (n < 1 || n > 5) n = 1;
    session.msg.MessageLine.Caption =
        session.platform.Translate("Messages", kMessageFirstLines[static_cast<std::size_t>(n - 1)]) + "\n" +
        Arg(session.platform.Translate("Messages", kMessageSecondLine), kHomePageText);
}

}  // namespace quib::window
