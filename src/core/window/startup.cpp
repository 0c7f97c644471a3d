// Start-up of the main window (the layout at creation, the deferred work of
// the first timer tick) and the minimise/restore handling.

#include <string>

#include "../game/game.h"
#include "../levels/levels.h"
#include "../records/records.h"
#include "../translation.h"
#include "links.h"
#include "window.h"

namespace quib::window {

namespace {

void Place(Label& label, int left, int top, const std::string& caption, bool visible) {
    label.Left = left;
    label.Top = top;
    label.Caption = caption;
    label.Visible = visible;
}

void BuildMenus(Session& session) {
    Menus& m = session.menu;
    Platform& p = session.platform;
    m.NewGame.Caption = p.Translate("Menu", "New Game");
    const char* modes[] = {"", QUIB_TRANSLATE_NOOP("Mode", "Easy"), QUIB_TRANSLATE_NOOP("Mode", "Medium"),
                           QUIB_TRANSLATE_NOOP("Mode", "Difficult"), QUIB_TRANSLATE_NOOP("Mode", "Practice")};
    // The four modes and "High Scores" wait for the start-up to have read
    // the files; it enables them.
    for (int i = 1; i <= kPracticeMode; ++i)
        m.NewGameModes[static_cast<std::size_t>(i)] = {p.Translate("Mode", modes[i]), false, false};
    m.RestartLevelEntry = {p.Translate("Menu", "Restart Level"), true, false};
    m.SaveMenu = {p.Translate("Menu", "Save"), true, false};
    m.LoadMenu = {p.Translate("Menu", "Load"), true, false};
    for (int i = 1; i <= 5; ++i) {
        m.SaveSlotEntries[static_cast<std::size_t>(i)] = {std::to_string(i), true, false};
        m.LoadSlotEntries[static_cast<std::size_t>(i)] = {std::to_string(i), false, false};
    }
    m.GotoLevelMenu = {p.Translate("Menu", "Goto Level"), false, false};
    m.GotoLevelEntries.clear();
    m.GotoLevelEntries[1] = {"1", true, false};  // the entries 10 .. 190 are added at start-up
    m.QuitEntry = {p.Translate("Menu", "Quit"), false, false};
    m.HighScoresEntry = {p.Translate("Menu", "High Scores"), false, false};
    m.PreferencesMenu = {p.Translate("Menu", "Preferences"), true, false};
    m.SoundOption = {p.Translate("Menu", "Sound"), true, true};
    m.GridsOption = {p.Translate("Menu", "Grids"), true, false};
    m.TellAFriendEntry = {p.Translate("Menu", "Tell a friend"), true, false};
    m.DonateEntry = {p.Translate("Menu", "Donate"), true, false};
    m.MoreGamesEntry = {p.Translate("Menu", "More free games"), true, false};
    m.HelpMenu = {p.Translate("Menu", "Help"), true, false};
    m.SolveEntry = {p.Translate("Menu", "Solve"), session.tasks.PlaybackMenuEnabled, false};
    m.TestEntry = {p.Translate("Menu", "Test"), session.tasks.PlaybackMenuEnabled, false};
    m.AboutEntry = {p.Translate("Menu", "About"), true, false};
    m.ContentsEntry = {p.Translate("Menu", "Contents"), true, false};
}

void BuildIntroScreen(Session& session) {
    IntroScreen& in = session.intro;
    Platform& p = session.platform;
    // Positions inside the start screen, which stands at (126, 77).
    Place(in.Title, 0, 0, "Quib", true);
    Place(in.TitleShadow, 0, 0, "Quib", true);
    Place(in.DifficultyHeading, 0, 0, p.Translate("StartScreen", "Select Difficulty"), true);
    const char* modes[] = {"", "Easy", "Medium", "Difficult", "Practice"};
    for (int i = 1; i <= kPracticeMode; ++i)
        Place(in.ModeChoices[static_cast<std::size_t>(i)], 0, 0, p.Translate("Mode", modes[i]), true);
    Place(in.ContinueChoice, 0, 0, p.Translate("StartScreen", "Continue"), false);
    Place(in.ExitLabel, 0, 0, p.Translate("StartScreen", "Exit"), true);
    Place(in.GoalLine, 0, 0,
          p.Translate("StartScreen",
                      "Remove the frogs by jumping them over each other until only one frog is left."),
          true);
    Place(in.TriesLine, 0, 0,
          p.Translate("StartScreen", "You are given a limited number of chances for each game."), true);
    Place(in.ScoreLine, 0, 0,
          p.Translate("StartScreen", "Your score increases each time you complete a level. "), true);
    Place(in.DifficultyLine, 0, 0,
          p.Translate(
              "StartScreen",
              "The higher the difficulty level the more points you get per level but you are given fewer "
              "chances."),
          true);
    Place(in.WebAddress, 0, 0, kHomePageText, true);
    in.ExitLabel.ForeColor = Rgb(255, 255, 255);
    in.Image3Visible = true;
}

}  // namespace

void OpenWindow(Session& session) {
    session.high.HighScoreSeconds.fill(0);
    BuildMenus(session);
    BuildIntroScreen(session);
    for (int i = 1; i <= kPracticeMode; ++i) session.intro.ModeChoices[static_cast<std::size_t>(i)].ForeColor = Rgb(100, 100, 250);
    session.library.LevelCount = kLevelsPlayed;

    session.window.Left = 0;
    session.window.Top = 0;
    session.board.FrogClickForwarded = false;
    session.menu.SaveMenu.Enabled = false;
    session.game.SaveSlot = 0;
    session.window.Width = 800;
    session.window.Height = 580;
    session.menu.RestartLevelEntry.Enabled = false;
    // A window opens on the start screen, whatever an earlier one showed.
    session.play = PlayState{};

    Messages& msg = session.msg;
    Place(msg.PanelTitle, 0, 40, "", false);
    Place(msg.PanelCount, 0, 100, "", false);
    Place(msg.PanelScore, 0, 200, "", false);
    Place(msg.RoundOverHeading, 0, 40, "", false);
    Place(msg.RoundOverLabel, 0, 86, "", false);
    session.game.ResumeOffered = false;
    msg.NameInput = {"Anonymous", 200, 208, false};  // a name for high.txt: never translated
    msg.EnterButton = {session.platform.Translate("Messages", "Enter"), 508, 208, false, false};
    Place(msg.PausedLabel, 0, 200, session.platform.Translate("Messages", "Game Paused"), false);
    Place(msg.MessageLine, 0, 300, "", false);
    msg.PlaybackInput = {"", 0, 0, false};

    session.game.Score = 0;
    session.game.ModeIndex = 1;
    session.game.GameMode = "Easy";
    session.game.TriesAllowed = 10;

    session.board.SelectedFrog = 0;
    session.board.CheckSelectedFrog = 0;
    session.board.BoardColumns = kColumns;
    session.board.BoardRows = kRows;
    session.board.CellWidth = 38;
    session.board.CellHeight = 38;
    session.board.HighLight = {0, 0, 38, 38, false};
    session.menu.GridsOption.Checked = false;
    levels::BuildBoardGrid(session);
    session.board.Rect.assign(1, FrogRecord{});
    session.board.Frog.assign(1, FrogPicture{});

    session.intro.Left = 126;
    session.intro.Top = 77;
    session.intro.Visible = true;
    game::UpdateCaption(session);

    session.colours.RedCaption.Caption = Arg(session.platform.Translate("Colours", "Red %1"), "");
    session.colours.GreenCaption.Caption = Arg(session.platform.Translate("Colours", "Green %1"), "");
    session.colours.BlueCaption.Caption = Arg(session.platform.Translate("Colours", "Blue %1"), "");

    session.tasks.TimerInterval = 1;
    session.tasks.StartupPending = true;
    session.clock.State = ClockState::FreezeRequested;
    ShowNextMessage(session);
}

void StartUp(Session& session) {
    Platform& p = session.platform;
    session.window.MousePointer = Pointer::Hourglass;
    session.clock.StartDay = p.Day();
    session.clock.State = ClockState::Running;
    session.tasks.TimerInterval = 1;
    session.clock.LevelStartTime = p.Timer();
    session.tasks.StartupPending = false;

    session.game.RetryPending = false;
    session.gen.GenerationRequested = false;
    session.gen.GenerationDone = false;
    session.gen.GenerationLevel = 0;
    session.tasks.PlaybackActive = false;
    session.tasks.PlaybackStep = 1;
    session.tasks.PlaybackPhase = 0;
    session.tasks.DemoLoop = false;
    session.game.HighestLevel = 1;
    session.game.SoundOn = true;
    session.game.TryNumber = 1;
    session.game.LevelTries = 1;

    // A write that a crash or a kill cut off left its temporary file behind.
    records::RemoveStaleTemporaries(session);
    records::ReadDataFile(session);
    levels::ReadLevelLibrary(session, "levels.txt");

    for (int n = 10; n <= 190; n += 10) session.menu.GotoLevelEntries[n] = {std::to_string(n), session.game.HighestLevel >= n, false};

    if (!session.clock.LevelStartTime) session.clock.LevelStartTime = p.Timer();
    game::UpdateCaption(session);
    session.gen.GenerationRequested = true;
    session.gen.GenerationDone = true;
    records::BuildHighScoreTable(session);
    records::UpdateSlotMenus(session);

    session.window.MousePointer = Pointer::Default;
    for (int i = 1; i <= kPracticeMode; ++i) session.menu.NewGameModes[static_cast<std::size_t>(i)].Enabled = true;
    session.menu.HighScoresEntry.Enabled = true;
    for (int i = 1; i <= kPracticeMode; ++i) session.intro.ModeChoices[static_cast<std::size_t>(i)].ForeColor = session.intro.ExitLabel.ForeColor;
    TellUnreadableFiles(session);
}

void ChangeWindowState(Session& session, WindowState windowState) {
    // Time spent minimised is no playing time: the stretch played so far is
    // added on the way down (a close while minimised adds nothing more), and
    // a new one starts on the way back.
    game::SetWindowState(session, windowState);
    ClockState& state = session.clock.State;
    if (windowState == WindowState::Minimised && state == ClockState::Running) state = ClockState::FreezeRequested;
    if (windowState == WindowState::Maximised && state == ClockState::Frozen) state = ClockState::RestoreRequested;
    if (windowState == WindowState::Normal && state == ClockState::Frozen) state = ClockState::RestoreRequested;
}

}  // namespace quib::window
