// The level library file "levels.txt": one ready puzzle per level, written
// in a fixed item order and read back at start-up. The file is a cache the
// game refills itself, so a damaged one is never trusted: anything out of
// bounds stops the read and the library rebuilds itself in the background.

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "../records/items.h"
#include "library_writer.h"
#include "../records/records.h"
#include "levels.h"

namespace quib::levels {

namespace {

using records::ItemReader;
using records::ItemWriter;
using records::ReadFailure;

const char kLibraryFile[] = "levels.txt";

// The count the writer puts first: levels above the last one the tables can
// hold frogs for cannot be written, and a negative count means none.
int WrittenLevelCount(const LevelLibrary& lib) { return std::clamp(lib.LevelCount, 0, kMaxStoredLevel); }

// A library that could not be read rebuilds itself: every level but the
// first is marked for the background generator. The interrupted game is the
// player's, not the library's (its board is in the resume file), so
// "Continue" keeps offering it; a deleted library must not cost a game.
void TakeFallback(Session& session) {
    session.game.CurrentLevel = 1;
    session.gen.GenerationLevel = 1;
    LevelLibrary& lib = session.library;
    // A count above what the tables hold would run the marking past the
    // flag table; no level above the last storable one can be played anyway.
    lib.LevelCount = std::min(lib.LevelCount, kMaxStoredLevel);
    for (int k = 2; k <= lib.LevelCount; ++k) lib.LevelNeedsGenerating[static_cast<std::size_t>(k)] = true;
    // Only a level beyond what the damaged file counted has no place left.
    if (session.game.ResumeLevel > lib.LevelCount) session.game.ResumeOffered = false;
}

// Whether level i holds a whole puzzle: every frog cell and every jump set.
bool HoldsPuzzle(const LevelLibrary& lib, int i) {
    for (int j = 1; j <= i + 3; ++j)
        if (lib.LevelPieces(i, j) == 0) return false;
    for (int j = 1; j <= i + 2; ++j)
        if (!lib.SolutionFrom(i, j).value_or(0) || lib.SolutionTo(i, j) == 0) return false;
    return true;
}

// Reads the items of the file into the tables in the written order; throws
// ReadFailure at the first item that is missing, does not convert or lies
// outside the tables or the board.
void ReadItems(LevelLibrary& lib, ItemReader& in) {
    const std::int64_t count = in.Integer(INT32_MIN, INT32_MAX);
    // A library of no levels or fewer is no library: nothing would ever be
    // generated again, so it rebuilds the full set instead.
    if (count < 1) {
        lib.LevelCount = kLevelsPlayed;
        throw ReadFailure("level count below 1");
    }
    lib.LevelCount = static_cast<int>(count);
    for (int i = 1; i <= lib.LevelCount; ++i) {
        if (i > kMaxStoredLevel) throw ReadFailure("level beyond the tables");
        in.Skip(3);  // "Level", the level number, "Pieces": positions alone count
        for (int j = 1; j <= i + 3; ++j)
            lib.LevelPieces(i, j) = static_cast<std::int16_t>(in.Integer(0, kCells));
        in.Skip();  // "Solution"
        for (int j = 1; j <= i + 2; ++j) {
            const std::optional<std::int64_t> from = in.OptionalInteger(0, kCells);
            lib.SolutionFrom(i, j) = from ? OptionalCell(static_cast<int>(*from)) : std::nullopt;
            lib.SolutionTo(i, j) = static_cast<std::int16_t>(in.Integer(0, kCells));
        }
    }
}

// The text of n empty entries in a row, as the items would be written one
// by one: a frog cell 0 is "0", a jump with no start and end 0 is "" "0".
std::string Repeated(std::string_view item, int times) {
    std::string t;
    for (int j = 0; j < times; ++j) t += item;
    return t;
}
std::string_view EmptyFrogs(int n) {
    static const std::string run = Repeated("0\n", kPieceIndexMax);
    return std::string_view(run).substr(0, 2 * static_cast<std::size_t>(n));
}
std::string_view EmptyJumps(int n) {
    static const std::string run = Repeated("\n0\n", kStepIndexMax);
    return std::string_view(run).substr(0, 3 * static_cast<std::size_t>(n));
}

// The items of level i in the file's order, their counts taken from the
// level number.
void WriteLevelItems(ItemWriter& out, const LevelLibrary& lib, int i) {
    // Each row read whole (the checked index of every item cost as much as
    // writing it): up to the last storable level an entry ends within its
    // row, and its last item is looked up checked.
    const std::int16_t* const pieces = &lib.LevelPieces(i, i + 3) - (i + 3);
    const OptionalCell* const from = &lib.SolutionFrom(i, i + 2) - (i + 2);
    const std::int16_t* const to = &lib.SolutionTo(i, i + 2) - (i + 2);
    out.Text("Level").Integer(i).Text("Pieces");
    // A level waiting for its puzzle (every level of a library being
    // rebuilt) is written as a block.
    static const std::array<std::int16_t, kStepIndexMax + 1> zeros{};
    const auto allZero = [](const std::int16_t* first, int n) {
        return std::memcmp(first, zeros.data(), sizeof(std::int16_t) * static_cast<std::size_t>(n)) == 0;
    };
    if (allZero(pieces + 1, i + 3)) {
        out.Raw(EmptyFrogs(i + 3));
    } else {
        for (int j = 1; j <= i + 3; ++j) out.Integer(pieces[j]);
    }
    out.Text("Solution");
    if (allZero(to + 1, i + 2) &&
        std::none_of(from + 1, from + i + 3, [](const OptionalCell& f) { return f.has_value(); })) {
        out.Raw(EmptyJumps(i + 2));
    } else {
        for (int j = 1; j <= i + 2; ++j) out.OptionalInteger(from[j]).Integer(to[j]);
    }
}

// Room for the text of levels 1..count: 3i + 11 items for level i, rarely
// more than four characters each.
std::size_t TextSizeHint(int count) {
    const std::size_t n = static_cast<std::size_t>(count);
    return 4 * (3 * n * (n + 1) / 2 + 11 * n) + 8;
}

// The file text, joined from each level's part; only the parts of levels
// changed since they were last formatted are formatted again.
std::string CachedLibraryText(LevelLibrary& lib) {
    if (lib.TextRevision != lib.Revision) {
        // A change other than an install may have touched any level.
        lib.TextCurrent.fill(false);
        lib.TextRevision = lib.Revision;
    }
    const int count = WrittenLevelCount(lib);
    lib.LevelText.resize(kMaxStoredLevel + 1);
    ItemWriter out;
    out.Reuse(std::move(lib.TextMemory));
    out.Reserve(TextSizeHint(count));
    out.Integer(count);
    for (int i = 1; i <= count; ++i) {
        std::string& part = lib.LevelText[static_cast<std::size_t>(i)];
        if (lib.TextCurrent[static_cast<std::size_t>(i)]) {
            out.Raw(part);
            continue;
        }
        const std::size_t from = out.Size();
        WriteLevelItems(out, lib, i);
        part.assign(out.Since(from));  // keeps the part's memory
        lib.TextCurrent[static_cast<std::size_t>(i)] = true;
    }
    return out.Take();
}

// What the file now holds; the text it held before lends its memory to the
// next one.
void KeepContent(LevelLibrary& lib, std::string&& text) {
    if (lib.FileContent) lib.TextMemory = std::move(*lib.FileContent);
    lib.FileContent = std::move(text);
}

}  // namespace

std::string LevelLibraryText(const Session& session) {
    const LevelLibrary& lib = session.library;
    const int count = WrittenLevelCount(lib);
    ItemWriter out;
    out.Reserve(TextSizeHint(count));
    out.Integer(count);
    for (int i = 1; i <= count; ++i) WriteLevelItems(out, lib, i);
    return out.Take();
}

bool ReadLevelLibrary(Session& session, const std::string& fileName) {
    LevelLibrary& lib = session.library;
    std::string text;
    bool ok = records::ReadFolderFile(session, fileName, text) == records::FileRead::Read;
    if (ok) {
        try {
            ItemReader in(text);
            ReadItems(lib, in);
        } catch (const ReadFailure&) {
            ok = false;
        } catch (const std::out_of_range&) {
            ok = false;
        }
    }
    TouchLibrary(lib);
    // What the file holds is known now: the first rewrite is skipped only
    // when it would write these very bytes. A file the reader refused can
    // never be what the writer writes.
    lib.FileContent.reset();
    if (!ok) {
        TakeFallback(session);
        return false;
    }
    // A level stored without a puzzle (a library written before a crash
    // cut its first rebuild short) is renewed by the background supply.
    for (int i = 1; i <= lib.LevelCount; ++i)
        if (!HoldsPuzzle(lib, i)) lib.LevelNeedsGenerating[static_cast<std::size_t>(i)] = true;
    if (fileName == kLibraryFile) {
        if (CachedLibraryText(lib) == text) lib.FileRevision = lib.Revision;
        lib.FileContent = std::move(text);
        lib.FileStamp = session.storage->Stamp(kLibraryFile);
    }
    return true;
}

bool WriteLevelLibrary(Session& session) {
    LevelLibrary& lib = session.library;
    if (lib.Writer) {
        // A save on the writer's thread: while it runs nothing is known yet;
        // once it is done, its outcome counts as this save's.
        if (lib.Writer->Busy()) return true;
        if (std::optional<LibraryWriter::Outcome> done = lib.Writer->Take()) {
            if (!done->written) return false;
            lib.FileRevision = done->revision;
            KeepContent(lib, std::move(done->text));
            lib.FileStamp = std::move(done->stamp);
        }
    }
    // The timer asks for a rewrite up to a hundred times a second; while the
    // tables are unchanged this returns before building any text. The count
    // is compared as well, since the timer lowers it without a revision.
    if (LibraryFileCurrent(session)) return true;
    std::string text = CachedLibraryText(lib);
    if (lib.FileContent && *lib.FileContent == text) {
        lib.FileRevision = lib.Revision;
        lib.TextMemory = std::move(text);
        return true;
    }
    // The file is a cache rewritten after every new puzzle. Should a crash
    // undo the last rename, the previous library is there, complete, and
    // the game plays on with a puzzle one generation older, so the wait
    // for the folder to reach the disk is not worth a hitch in every tick.
    if (lib.Writer) {
        if (session.files.Unreadable.count(kLibraryFile) != 0) return false;
        lib.Writer->Start(session.storage, kLibraryFile, std::move(text), lib.Revision);
        return true;
    }
    if (!records::WriteFolderFile(session, kLibraryFile, text, records::FolderFlush::Skip)) {
        lib.TextMemory = std::move(text);
        return false;
    }
    KeepContent(lib, std::move(text));
    lib.FileRevision = lib.Revision;
    lib.FileStamp = session.storage->Stamp(kLibraryFile);
    return true;
}

bool LibraryFileCurrent(const Session& session) {
    const LevelLibrary& lib = session.library;
    if (!lib.FileContent || lib.Revision != lib.FileRevision) return false;
    const std::string head = std::to_string(WrittenLevelCount(lib)) + '\n';
    return lib.FileContent->compare(0, head.size(), head) == 0;
}

void CheckLibraryFile(Session& session) {
    LevelLibrary& lib = session.library;
    if (!lib.FileContent || session.storage->Stamp(kLibraryFile) == lib.FileStamp) return;
    // Removed, or replaced by someone else: what the file holds is unknown,
    // so the next save writes it whole.
    lib.FileContent.reset();
    lib.FileStamp.reset();
}

void InstallGeneratedLevel(Session& session, int level) {
    // Only levels whose frogs fit the tables can hold a puzzle.
    if (level < 1 || level > kMaxStoredLevel) return;
    LevelLibrary& lib = session.library;
    const Generator& gen = session.gen;
    for (int j = 1; j <= level + 3; ++j) lib.LevelPieces(level, j) = gen.GeneratedPieces(level, j);
    for (int j = 1; j <= level + 2; ++j) {
        lib.SolutionFrom(level, j) = gen.GeneratedSolutionFrom(level, j);
        lib.SolutionTo(level, j) = gen.GeneratedSolutionTo(level, j);
    }
    TouchLevel(lib, level);
}

}  // namespace quib::levels
