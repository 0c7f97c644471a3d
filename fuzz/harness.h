#pragma once
// What the fuzz targets share: a check that stops the fuzzer on the spot, and
// a game window whose data folder is kept in memory, where each input is put
// as the file the game's reader looks for.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>


#include "core/form.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/fake_platform.h"
#include "support/memory_storage.h"

namespace quib::fuzz {

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// The board's invariants: at most the records a file may bring, each on its
// own cell of the board, every taken cell naming its record, nothing else
// taken.
inline void CheckBoard(const Session& session) {
    const Board& b = session.board;
    Check(b.Rect.size() >= 1 && b.Rect.size() <= records::kMaxStoredFrogs + 1);
    int taken = 0;
    for (std::size_t n = 1; n < b.Grid.size(); ++n) taken += b.Grid[n].RecordNumber != 0;
    Check(taken == static_cast<int>(b.Rect.size()) - 1);
    Check(b.Grid.empty() || b.Grid[0].RecordNumber == 0);
    for (std::size_t r = 1; r < b.Rect.size(); ++r) {
        const int c = b.Rect[r].CellNumber;
        Check(c >= 1 && c <= kCells && b.Grid[static_cast<std::size_t>(c)].RecordNumber == static_cast<int>(r));
    }
}

// The window as the game opens it, alike for every input: nothing of the
// game, the clock or the used-puzzle marks of the input before is left.
inline void OpenWindowAfresh(Session& session) {
    session.game = Game{};
    session.clock = Clock{};
    session.library.LevelNeedsGenerating.fill(false);
    session.files = DataFiles{};
    window::OpenWindow(session);
}

// Row i of a level table is level i's entry: its frogs (columns 1..i+3) or
// its jumps (1..i+2). Nothing of the game writes past an entry, so only
// entries are zeroed (with memset: a copy of a table goes through the
// sanitizer's byte-by-byte memmove, a plain loop is traced at every step).
// A disengaged std::optional<int> is all zeros.
constexpr int kFrogsPast = 3, kJumpsPast = 2;
template <class T, int MaxI, int MaxJ>
void ZeroEntry(Table<T, MaxI, MaxJ>& table, int i, int width) {
    static_assert(std::is_trivially_copyable_v<T>);
    const int end = std::min(MaxJ, i + width);
    std::memset(static_cast<void*>(&table(i, 0)), 0, sizeof(T) * static_cast<std::size_t>(end + 1));
}
template <class T, int MaxI, int MaxJ>
bool AllZero(Table<T, MaxI, MaxJ>& table) {
    for (int i = 0; i <= MaxI; ++i) {
        const T* row = &table(i, 0);
        for (int j = 0; j <= MaxJ; ++j)
            if (!(row[j] == T{})) return false;
    }
    return true;
}

// A window built once and brought back to its freshly built state for every
// input. Building one fills megabytes of level tables with zeros, which cost
// more than the rest of a whole start-up: here the tables keep their memory
// and are zeroed in place, and everything else is copied over from a window
// kept as built.
class ReusedWindow {
public:
    // storage: where the window's files are, the same for every input.
    ReusedWindow(Platform& platform, const std::string& folder, std::shared_ptr<records::Storage> storage)
        : built_(platform, folder, folder), form_(platform, folder, folder), spare_(platform, folder, folder) {
        TakeTables(spare_, built_);
        form_.storage = std::move(storage);
    }
    // The window as a fresh Session is, before OpenWindow.
    Session& Fresh() {
        // The library's tables are written only with a new revision.
        const bool libraryChanged = form_.library.Revision != built_.library.Revision;
        TakeTables(spare_, form_);
        // Every member but the platform, the two folders and the storage
        // (the same for both): a member added to Session must be added here too.
        form_.board = built_.board;
        form_.library = built_.library;
        form_.gen = built_.gen;
        form_.game = built_.game;
        form_.clock = built_.clock;
        form_.tasks = built_.tasks;
        form_.high = built_.high;
        form_.intro = built_.intro;
        form_.msg = built_.msg;
        form_.menu = built_.menu;
        form_.colours = built_.colours;
        form_.about = built_.about;
        form_.window = built_.window;
        form_.files = built_.files;
        form_.play = built_.play;
        form_.hooks = built_.hooks;
        form_.practice = built_.practice;
        TakeTables(form_, spare_);

        LevelLibrary& lib = form_.library;
        if (libraryChanged) {
            for (int i = 0; i <= kLevelIndexMax; ++i) {
                ZeroEntry(lib.LevelPieces, i, kFrogsPast);
                ZeroEntry(lib.SolutionFrom, i, kJumpsPast);
                ZeroEntry(lib.SolutionTo, i, kJumpsPast);
            }
        }
        // The generator writes a level's first frog before anything else
        // of it, so a level it has not begun is still all zeros.
        Generator& gen = form_.gen;
        for (int g = 0; g <= kLevelIndexMax; ++g) {
            if (gen.GeneratedPieces(g, 1) == 0) continue;
            ZeroEntry(gen.GeneratedPieces, g, kFrogsPast);
            ZeroEntry(gen.GeneratedSolutionFrom, g, kJumpsPast);
            ZeroEntry(gen.GeneratedSolutionTo, g, kJumpsPast);
        }
        // Now and then the whole of every table is checked: a write the
        // zeroing above does not foresee stops the fuzzer here.
        if (++uses_ % 256 == 0) {
            Check(AllZero(lib.LevelPieces) && AllZero(lib.SolutionFrom) && AllZero(lib.SolutionTo));
            Check(AllZero(gen.GeneratedPieces) && AllZero(gen.GeneratedSolutionFrom) &&
                  AllZero(gen.GeneratedSolutionTo));
        }
        return form_;
    }

private:
    // Moves the level tables from one window to the other (the giver's are
    // left empty).
    static void TakeTables(Session& to, Session& from) {
        to.library.LevelPieces = std::move(from.library.LevelPieces);
        to.library.SolutionFrom = std::move(from.library.SolutionFrom);
        to.library.SolutionTo = std::move(from.library.SolutionTo);
        to.gen.GeneratedPieces = std::move(from.gen.GeneratedPieces);
        to.gen.GeneratedSolutionFrom = std::move(from.gen.GeneratedSolutionFrom);
        to.gen.GeneratedSolutionTo = std::move(from.gen.GeneratedSolutionTo);
        // The library's texts keep their memory too; a fresh window marks
        // none of the parts current and has no file content, so what they
        // hold is never read.
        to.library.LevelText = std::move(from.library.LevelText);
        if (from.library.FileContent) from.library.TextMemory = std::move(*from.library.FileContent);
        to.library.TextMemory = std::move(from.library.TextMemory);
    }
    Session built_;  // as built, without its tables
    Session form_;
    Session spare_;  // holds form_'s tables while the rest is copied
    unsigned uses_ = 0;
};

// One window for the whole run, on the fake platform. Each input is a file,
// kept in memory: the disk would cost more than the readers do, and the file
// access beneath the storage has tests of its own.
struct Fixture {
    testing::FakePlatform platform;
    std::string folder = "/memory/";
    std::shared_ptr<testing::MemoryStorage> storage = std::make_shared<testing::MemoryStorage>(folder);
    std::unique_ptr<Session> session;

    Fixture() {
        session = std::make_unique<Session>(platform, folder, folder);
        session->storage = storage;
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    // Puts the input into the data folder under the game's file name, on a
    // platform as it was at the start: the same clock and random numbers for
    // every run of an input, and nothing kept from the runs before.
    void PutInput(const std::string& fileName, const std::uint8_t* data, std::size_t size) {
        ResetPlatform();
        storage->Put(fileName, std::string(reinterpret_cast<const char*>(data), size));
    }
    void ResetPlatform() { platform = testing::FakePlatform{}; }
};

}  // namespace quib::fuzz
