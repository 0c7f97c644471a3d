#pragma once
// The state of Quib's main window as the game sees it: the board, the level
// library, the game fields, the clock, the high-score rows and every screen
// element with its caption and visibility. The core's handlers change this
// state; the desktop front end draws it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "game/play_state.h"
#include "hooks.h"
#include "platform.h"
#include "records/storage.h"

namespace quib {

namespace levels {
class LibraryWriter;
}
namespace practice {
struct Aids;
}

using Colour = std::uint32_t;  // 0xRRGGBB
constexpr Colour Rgb(int r, int g, int b) {
    return (static_cast<Colour>(r & 0xff) << 16) | (static_cast<Colour>(g & 0xff) << 8) |
           static_cast<Colour>(b & 0xff);
}

constexpr int kColumns = 21;
constexpr int kRows = 14;
constexpr int kCells = kColumns * kRows;  // 294
constexpr int kLevelsPlayed = 200;        // levels of a game; the caption says "of 200"
constexpr int kLevelIndexMax = 350;       // level tables are indexed 0..350
constexpr int kPieceIndexMax = 350;       // frogs of a level: 1..level+3 <= 350
constexpr int kStepIndexMax = 400;        // solution steps: 1..level+2 <= 400
constexpr int kMaxStoredLevel = kPieceIndexMax - 3;  // 347

// The cells of a table come from calloc, and a new cell is left as calloc
// gave it: all zero bits, which is the empty value of every cell type a
// table holds (0, an empty std::optional). A large table then lies on fresh
// pages of the system that take no memory until a cell on them is written,
// so the rows of levels never read or generated cost nothing.
template <class T>
struct ZeroedCells {
    using value_type = T;
    ZeroedCells() = default;
    template <class U>
    ZeroedCells(const ZeroedCells<U>&) {}
    T* allocate(std::size_t n) {
        if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t) { std::free(p); }
    template <class U>
    void construct(U*) {}
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    friend bool operator==(const ZeroedCells&, const ZeroedCells&) { return true; }
};

// A jump's start cell in a level table, or none (an empty item of the file):
// an optional number in two bytes, where all zero bits are none, so that a
// table of them is empty as calloc gives it. Holds 0..32766; a cell number
// is at most 294.
class OptionalCell {
public:
    OptionalCell() = default;
    OptionalCell(std::nullopt_t) {}
    OptionalCell(int value) : stored_(Stored(value)) {}
    OptionalCell(std::optional<int> value) : stored_(value ? Stored(*value) : 0) {}
    bool has_value() const { return stored_ != 0; }
    explicit operator bool() const { return has_value(); }
    int operator*() const { return stored_ - 1; }
    int value() const {
        if (!has_value()) throw std::bad_optional_access();
        return stored_ - 1;
    }
    int value_or(int otherwise) const { return has_value() ? stored_ - 1 : otherwise; }
    operator std::optional<int>() const { return has_value() ? std::optional<int>(stored_ - 1) : std::nullopt; }
    bool operator==(const OptionalCell&) const = default;

private:
    static std::int16_t Stored(int value) {
        if (value < 0 || value > INT16_MAX - 1) throw std::out_of_range("cell number");
        return static_cast<std::int16_t>(value + 1);
    }
    std::int16_t stored_ = 0;
};

// A two-dimensional table indexed 0..MaxI by 0..MaxJ, as the level tables
// are. Every access is checked: an index outside throws std::out_of_range,
// so a damaged file or a runaway loop can never write past the table.
template <class T, int MaxI, int MaxJ>
class Table {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "a cell left as calloc gave it must be a plain value");

public:
    Table() : cells_(static_cast<std::size_t>(MaxI + 1) * (MaxJ + 1)) {}
    static constexpr bool InRange(int i, int j) { return i >= 0 && i <= MaxI && j >= 0 && j <= MaxJ; }
    T& operator()(int i, int j) { return cells_[Index(i, j)]; }
    const T& operator()(int i, int j) const { return cells_[Index(i, j)]; }
    void Clear() { std::fill(cells_.begin(), cells_.end(), T{}); }
    bool operator==(const Table&) const = default;

private:
    static std::size_t Index(int i, int j) {
        if (!InRange(i, j)) throw std::out_of_range("table index");
        return static_cast<std::size_t>(i) * (MaxJ + 1) + static_cast<std::size_t>(j);
    }
    std::vector<T, ZeroedCells<T>> cells_;
};

// ---------------------------------------------------------------- elements

struct Label {
    std::string Caption;
    int Left = 0;
    int Top = 0;
    bool Visible = false;
    Colour ForeColor = 0;
};

struct MenuEntry {
    std::string Caption;
    bool Enabled = true;
    bool Checked = false;
};

struct TextBox {
    std::string Text;
    int Left = 0;
    int Top = 0;
    bool Visible = false;
};

struct Button {
    std::string Caption;
    int Left = 0;
    int Top = 0;
    bool Visible = false;
    bool Pressed = false;
};

enum class Pointer { Default, Hourglass };

// ------------------------------------------------------------------- board

// A cell of the board (or of the hidden check board). RecordNumber is the
// number of the frog record standing on it, 0 when empty.
struct Cell {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    int RecordNumber = 0;
    bool Outlined = false;  // drawn with a solid outline
    Colour BorderColor = 0;
    Colour BackColor = 0;
    bool Visible = false;
};

// An invisible frog record; CellNumber is the cell the frog stands on.
struct FrogRecord {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    int CellNumber = 0;
    Colour BorderColor = 0;
};

// A frog picture. Pictures keep their numbers for the whole level; records
// are renumbered, so a record's picture is always found by position.
struct FrogPicture {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    int CellNumber = 0;
    bool Visible = false;
    bool FacingLeft = false;
    // The frog of this picture has left the board. Its hidden picture stays
    // where it was, but is never found by position again: a frog landing on
    // that cell later has a picture of its own.
    bool Removed = false;
};

struct Outline {
    float Left = 0;
    float Top = 0;
    float Width = 38;
    float Height = 38;
    bool Visible = false;
};

struct Board {
    int BoardColumns = kColumns;
    int BoardRows = kRows;
    float CellWidth = 38;
    int CellHeight = 38;

    std::vector<Cell> Grid;         // 0 template, 1..294 cells
    std::vector<FrogRecord> Rect;   // 0 template, 1..M live frogs
    std::vector<FrogPicture> Frog;  // 0 template, 1..K pictures of the level
    int SelectedFrog = 0;
    Outline HighLight;
    bool FrogClickForwarded = false;

    // The hidden twin on which generated puzzles are replayed.
    std::vector<Cell> GridB;
    std::vector<FrogRecord> RectB;
    int CheckSelectedFrog = 0;
};

// ----------------------------------------------------------- level library

struct LevelLibrary {
    int LevelCount = kLevelsPlayed;
    Table<std::int16_t, kLevelIndexMax, kPieceIndexMax> LevelPieces;
    Table<OptionalCell, kLevelIndexMax, kStepIndexMax> SolutionFrom;
    Table<std::int16_t, kLevelIndexMax, kStepIndexMax> SolutionTo;
    std::array<bool, kLevelIndexMax + 1> LevelNeedsGenerating{};
    // What the library file on disk holds, as far as this run knows; a
    // rewrite with the same content is skipped.
    std::optional<std::string> FileContent;
    // Grows with every change of the tables (install, read, slot load), so
    // the timer's rewrite can skip even building the text while nothing
    // changed. Whoever writes into the tables calls TouchLibrary().
    std::uint64_t Revision = 1;
    std::uint64_t FileRevision = 0;  // Revision that FileContent reflects
    // Each level's part of the file text as last formatted, so that the save
    // after an install formats that one level instead of all of them. The
    // parts are current while TextRevision equals Revision, apart from the
    // levels whose TextCurrent is false.
    std::vector<std::string> LevelText;
    std::array<bool, kLevelIndexMax + 1> TextCurrent{};
    std::uint64_t TextRevision = 0;
    // Memory for the next whole text: the last one's, once the file holds
    // a newer (a library's text is a quarter of a megabyte).
    std::string TextMemory;
    // The writes that failed in a row; each failure doubles the wait before
    // the next attempt (seconds of the platform's Now()), up to a minute.
    int WriteFailures = 0;
    std::int64_t WriteRetryAt = 0;
    // The file as the game last wrote or read it (folder entry, size and
    // modification time), checked now and then: a file removed or put in
    // its place by someone else is written again.
    std::optional<std::string> FileStamp;
    std::int64_t NextFileCheck = 0;
    // Set by the window: the file's saves then run on a thread of their own.
    std::shared_ptr<levels::LibraryWriter> Writer;
};

inline void TouchLibrary(LevelLibrary& library) { ++library.Revision; }
// A change of one level's entry (an install, a slot's start layout put back).
// If the cached parts of the file text were current until now, that level's
// part alone goes stale; if not, an earlier change has made them all stale.
inline void TouchLevel(LevelLibrary& library, int level) {
    const bool textWasCurrent = library.TextRevision == library.Revision;
    TouchLibrary(library);
    library.TextCurrent.at(static_cast<std::size_t>(level)) = false;
    if (textWasCurrent) library.TextRevision = library.Revision;
}

// The generator's hand-shake with the timer and the level start.
struct Generator {
    int GenerationLevel = 0;
    bool GenerationRequested = false;
    bool GenerationDone = false;
    std::array<bool, kLevelIndexMax + 1> LevelVerified{};
    Table<std::int16_t, kLevelIndexMax, kPieceIndexMax> GeneratedPieces;
    Table<OptionalCell, kLevelIndexMax, kStepIndexMax> GeneratedSolutionFrom;
    Table<std::int16_t, kLevelIndexMax, kStepIndexMax> GeneratedSolutionTo;
};

// -------------------------------------------------------------- game state

// The mode numbers of the mode choosers; Practice has no tries to lose and
// enters no high-score table.
constexpr int kEasyMode = 1;
constexpr int kPracticeMode = 4;

struct Game {
    int CurrentLevel = 1;
    int HighestLevel = 1;
    int ModeIndex = 1;  // 1 Easy, 2 Medium, 3 Difficult, 4 Practice
    std::string GameMode = "Easy";
    int TriesAllowed = 10;  // -1 in Practice
    int TryNumber = 1;
    int LevelTries = 1;
    bool RetryPending = false;
    std::int32_t Score = 0;
    int SaveSlot = 0;  // 0 none, 1..5
    bool JumpPossible = false;
    int ResumeLevel = 1;  // level of the interrupted game read from the resume file
    // The start screen's "Continue" resumes the game at ResumeLevel: the
    // one answer the start screen draws and the background supply reads.
    bool ResumeOffered = false;
    bool SoundOn = true;
};

// What the level clock does: it runs, or a freeze is asked for and the next
// tick freezes it, or it is frozen and a restore is asked for, which the
// next tick carries out. Handlers ask; only the tick changes the clock.
enum class ClockState { Running, FreezeRequested, Frozen, RestoreRequested };

// The level clock and the playing time. Play time is kept wider than the
// 16 bits the files were designed around, so long games never overflow.
struct Clock {
    std::optional<double> LevelStartTime;  // seconds since midnight
    ClockState State = ClockState::FreezeRequested;
    double FrozenElapsed = 0;
    std::optional<double> LastTick;
    std::optional<std::int64_t> LastTickAt;  // the date-time of LastTick
    int StartDay = 0;
    std::int64_t SessionStart = 0;  // date-times, whole seconds
    std::int64_t SessionNow = 0;
    std::int64_t PlaySeconds = 0;
    std::int64_t PlayHours = 0;
    std::int64_t PlayMinutes = 0;
    std::int64_t PlaySecs = 0;
    bool WasPaused = false;
};

// The window timer and the solution playback.
struct Tasks {
    int TimerInterval = 0;  // milliseconds; 0 = not armed
    bool StartupPending = true;
    bool PlaybackActive = false;
    int PlaybackStep = 1;
    int PlaybackPhase = 0;
    bool DemoLoop = false;
    // "Solve" and "Test" are disabled in the shipped game; a developer build
    // can enable them (see the QUIB_PLAYBACK_MENU build option).
    bool PlaybackMenuEnabled = false;
};

struct HighScores {
    Label HighLabel;
    std::array<Label, 11> NamesLabel;  // row 0 is the header
    std::array<Label, 11> ScoreLabel;
    std::array<Label, 11> TimeLabel;
    std::array<std::int64_t, 13> HighScoreSeconds{};
    int NewScoreRank = 0;
    // What was visible when the table was opened, restored when it closes.
    struct Shown {
        bool RoundOverHeading = false, RoundOverLabel = false, NameInput = false, EnterButton = false;
        bool PanelTitle = false, PanelCount = false, PanelScore = false, PausedLabel = false;
    } Remembered;
};

// ---------------------------------------------------------- screen elements

struct IntroScreen {
    bool Visible = true;  // IntroFrame
    int Left = 126;
    int Top = 77;
    Label Title, TitleShadow;              // "Quib" titles
    Label DifficultyHeading;                     // "Select Difficulty"
    std::array<Label, 5> ModeChoices; // 1..4: the mode choices
    Label ContinueChoice;               // "Continue"
    Label ExitLabel;                   // "Exit"
    Label GoalLine, TriesLine, ScoreLine, DifficultyLine;  // help lines
    Label WebAddress;                      // the web address
    bool Image3Visible = true;         // background picture
};

struct Messages {
    Label RoundOverHeading;          // heading of the round-over message
    Label RoundOverLabel;  // the round-over message
    Label PanelTitle;          // level-completed panel: title
    Label PanelCount;         // level-completed panel: count line
    Label PanelScore;          // level-completed panel: score line
    Label MessageLine;        // the rotating message line
    Label PausedLabel;     // "Game Paused"
    TextBox NameInput;     // high-score name entry
    Button EnterButton;       // its "Enter" button
    TextBox PlaybackInput;         // playback phase display
};

struct Menus {
    MenuEntry NewGame;
    std::array<MenuEntry, 5> NewGameModes;  // 1..4
    MenuEntry RestartLevelEntry;
    MenuEntry SaveMenu;
    std::array<MenuEntry, 6> SaveSlotEntries;  // 1..5
    MenuEntry LoadMenu;
    std::array<MenuEntry, 6> LoadSlotEntries;  // 1..5
    MenuEntry GotoLevelMenu;
    std::map<int, MenuEntry> GotoLevelEntries;  // keyed by level: 1, 10, 20, ..., 190
    MenuEntry QuitEntry;
    MenuEntry HighScoresEntry;
    MenuEntry PreferencesMenu;
    MenuEntry SoundOption;
    MenuEntry GridsOption;
    MenuEntry TellAFriendEntry;
    MenuEntry DonateEntry;
    MenuEntry MoreGamesEntry;
    MenuEntry HelpMenu;
    MenuEntry SolveEntry;
    MenuEntry TestEntry;
    MenuEntry AboutEntry;
    MenuEntry ContentsEntry;
};

// The three colour sliders with their swatch and captions. They have labels
// of their own, so moving a slider never overwrites the start screen's titles.
struct ColourPanel {
    int RedLevel = 0;  // red
    int GreenLevel = 0;  // green
    int BlueLevel = 0;  // blue
    Colour Swatch = 0;
    Label RedCaption, GreenCaption, BlueCaption;
};

struct AboutBox {
    bool Loaded = false;     // the About box is open
    int RaiseRequests = 0;   // grows each time "About" asks to bring it to the front
};

// The data folder's files as this run found them.
struct DataFiles {
    // Names of the files that exist but could not be read (permissions, an
    // I/O error): they are not damaged, so they are kept and never written
    // over in this run.
    std::set<std::string> Unreadable;
    // Why the last read or write of a file failed (an errno), by name; a
    // file written since has none.
    std::map<std::string, int> Failures;
};

// The window as the desktop shows it; time spent minimised is no play time.
enum class WindowState { Normal, Minimised, Maximised };

struct Window {
    std::string Caption;
    Pointer MousePointer = Pointer::Default;
    WindowState State = WindowState::Normal;
    int Left = 0;
    int Top = 0;
    int Width = 800;   // outer size in pixels
    int Height = 580;
    bool CloseRequested = false;  // the "Exit" label asks the front end to close
    bool Ended = false;           // the exit question was answered Yes
    bool ToldFilesNotKept = false;  // the player knows the game's files cannot be kept
};

// ----------------------------------------------------------------- the form

struct Session {
    Session(Platform& platform, std::string dataFolder, std::string programFolder)
        : platform(platform),
          DataFolder(std::move(dataFolder)),
          ProgramFolder(std::move(programFolder)),
          storage(std::make_shared<records::FolderStorage>(DataFolder)) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Platform& platform;
    std::string DataFolder;     // ends with '/'; holds levels.txt, data.txt, high.txt, savedgameN.txt
    std::string ProgramFolder;  // ends with '/'; holds help.txt and Sounds/Jump.wav
    // Where the files of the data folder are read and written; the desktop
    // puts one guarded by the folder's lock in its place.
    std::shared_ptr<records::Storage> storage;

    Board board;
    LevelLibrary library;
    Generator gen;
    Game game;
    Clock clock;
    Tasks tasks;
    HighScores high;
    IntroScreen intro;
    Messages msg;
    Menus menu;
    ColourPanel colours;
    AboutBox about;
    Window window;
    DataFiles files;
    // What is happening now; changed through game::Enter, read by everything else.
    PlayState play;
    // What happened, for the features built on top of the game.
    Hooks hooks;
    // Undo, hint and the solvability notice of Practice mode, made on first
    // use (src/core/practice).
    std::shared_ptr<practice::Aids> practice;
};

}  // namespace quib
