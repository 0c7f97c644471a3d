#pragma once
// What the fuzz targets share: a check that stops the fuzzer on the spot, a
// game window with a data folder of its own, and a plain file write that puts
// each input where the game's reader looks for it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "core/form.h"
#include "core/records/records.h"
#include "core/window/window.h"
#include "support/fake_platform.h"

namespace quib::fuzz {

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// The board's invariants: at most the records a file may bring, each on its
// own cell of the board, every taken cell naming its record, nothing else
// taken.
inline void CheckBoard(const Form1& form) {
    const Board& b = form.board;
    Check(b.Rect.size() >= 1 && b.Rect.size() <= records::kMaxStoredFrogs + 1);
    int taken = 0;
    for (std::size_t n = 1; n < b.Grid.size(); ++n) taken += b.Grid[n].Tag != 0;
    Check(taken == static_cast<int>(b.Rect.size()) - 1);
    Check(b.Grid.empty() || b.Grid[0].Tag == 0);
    for (std::size_t r = 1; r < b.Rect.size(); ++r) {
        const int c = b.Rect[r].Tag;
        Check(c >= 1 && c <= kCells && b.Grid[static_cast<std::size_t>(c)].Tag == static_cast<int>(r));
    }
}

// A plain write: the safe replace flushes to disk, far too slow per input.
inline void Put(const std::string& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) std::abort();
}

// The window as the game opens it, alike for every input: nothing of the
// game, the clock or the used-puzzle marks of the input before is left.
inline void OpenWindowAfresh(Form1& form) {
    form.game = Game{};
    form.clock = Clock{};
    form.library.LevelNeedsGenerating.fill(false);
    form.files = DataFiles{};
    window::Form_Load(form);
}

// One window for the whole run, on the fake platform. Each input is a file,
// so the data folder is memory-backed where the machine has such a folder.
struct Fixture {
    testing::FakePlatform platform;
    std::string folder;
    std::unique_ptr<Form1> form;

    Fixture() {
        char tmpl[] = "/dev/shm/quib_fuzz_XXXXXX";
        char fallback[] = "/tmp/quib_fuzz_XXXXXX";
        const char* made = ::mkdtemp(tmpl);
        if (!made) made = ::mkdtemp(fallback);
        if (!made) std::abort();
        folder = std::string(made) + "/";
        form = std::make_unique<Form1>(platform, folder, folder);
    }
    ~Fixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Fixture(const Fixture&) = delete;
    Fixture& operator=(const Fixture&) = delete;

    // Puts the input into the data folder under the game's file name.
    void PutInput(const std::string& fileName, const std::uint8_t* data, std::size_t size) const {
        Put(folder + fileName, std::string(reinterpret_cast<const char*>(data), size));
    }
};

}  // namespace quib::fuzz
