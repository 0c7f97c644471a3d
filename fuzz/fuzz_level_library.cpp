// Feeds arbitrary bytes to the level library reader as "levels.txt". No
// input may crash it, hang it or leave a level count outside the tables, and
// whatever it accepts must write out and read back to the same text.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/levels/levels.h"
#include "support/fake_platform.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

struct Fixture {
    quib::testing::FakePlatform platform;
    std::string folder;
    std::unique_ptr<quib::Form1> form;
    Fixture() {
        // A memory-backed folder where there is one: each input is a file.
        char tmpl[] = "/dev/shm/quib_fuzz_XXXXXX";
        char fallback[] = "/tmp/quib_fuzz_XXXXXX";
        const char* made = ::mkdtemp(tmpl);
        if (!made) made = ::mkdtemp(fallback);
        if (!made) std::abort();
        folder = std::string(made) + "/";
        form = std::make_unique<quib::Form1>(platform, folder, folder);
    }
    ~Fixture() {
        ::unlink((folder + "levels.txt").c_str());
        ::rmdir(folder.c_str());
    }
};

// A plain write: the safe replace flushes to disk, far too slow per input.
void Put(const std::string& path, const std::string& text) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture fx;
    quib::Form1& form = *fx.form;
    const std::string path = fx.folder + "levels.txt";
    const std::string text(reinterpret_cast<const char*>(data), size);
    Put(path, text);

    const bool ok = quib::levels::ReadLevelLibrary(form, "levels.txt");
    const int count = form.library.LevelCount;
    Check(count >= 1 && count <= quib::kMaxStoredLevel);
    if (!ok) {
        Check(form.game.CurrentLevel == 1 && !form.intro.CommandLabel2.Visible);
        for (int k = 2; k <= count; ++k) Check(form.library.LevelNeedsGenerating[static_cast<std::size_t>(k)]);
        return 0;
    }
    // Accepted: written out it must read back into the same text.
    const std::string written = quib::levels::LevelLibraryText(form);
    Put(path, written);
    Check(quib::levels::ReadLevelLibrary(form, "levels.txt"));
    Check(quib::levels::LevelLibraryText(form) == written);
    return 0;
}
