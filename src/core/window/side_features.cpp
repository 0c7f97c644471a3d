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
void ShowHelpFile(Session& form) { form.platform.ShowTextFile(form.ProgramFolder + "help.txt"); }

// "About": one box only. A second choice brings the same box to the front.
// Whether the game was paused is remembered so that closing the box leaves
// the pause as it was.
void ShowAboutBox(Session& form) {
    form.clock.WasPaused = form.msg.PausedLabel.Visible;
    form.about.Loaded = true;
    ++form.about.RaiseRequests;
}

// The About box closes. Closing a box that is not open does nothing, so a
// stray close cannot resume a game with a stale pause flag.
void CloseAboutBox(Session& form) {
    if (!form.about.Loaded) return;
    form.about.Loaded = false;
    game::UpdatePauseNotice(form);
}

void AboutOkay(Session& form) { CloseAboutBox(form); }

void ShowDisclaimer(Session& form) {
    form.platform.ShowInfo(form.platform.Translate("About", kDisclaimer));
}

void OpenAboutAddress(Session& form) { ShowMoreGames(form); }

// "Exit" on the start screen: the front end closes the window, which runs the
// close request with its exit question.
void ChooseExit(Session& form) { form.window.CloseRequested = true; }

// Every link goes through here to the desktop's default handler. Whether a
// browser opened is not known and does not matter to the game.
void RunShellExecute(Session& form, const std::string& address) { form.platform.OpenUrl(address); }

void ShowMoreGames(Session& form) { RunShellExecute(form, kHomePage); }

void OpenWebAddress(Session& form) { RunShellExecute(form, kHomePage); }

void OpenMessageLink(Session& form) { RunShellExecute(form, kHomePage); }

void Donate(Session& form) { RunShellExecute(form, kDonationUrl); }

// The player's own mail program opens with the message ready; the player
// picks the recipient and sends it.
void TellAFriend(Session& form) {
    form.platform.ComposeMail(form.platform.Translate("Links", kTellAFriendSubject),
                              form.platform.Translate("Links", kTellAFriendBody) + "\r\n" + kHomePage);
}

void ShowNextMessage(Session& form) {
    form.platform.Randomize();
    int n = 1 + static_cast<int>(form.platform.Rnd() * 5);
    if (n < 1 || n > 5) n = 1;
    form.msg.MessageLine.Caption =
        form.platform.Translate("Messages", kMessageFirstLines[static_cast<std::size_t>(n - 1)]) + "\n" +
        Arg(form.platform.Translate("Messages", kMessageSecondLine), kHomePageText);
}

}  // namespace quib::window
