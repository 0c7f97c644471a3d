// Feeds arbitrary bytes to the level library reader as "levels.txt". No
// input may crash it, hang it or leave a level count outside the tables, and
// whatever it accepts must be saved as the writer's text and read back to it.

#include <cstdint>
#include <string>

#include "core/levels/levels.h"
#include "core/records/items.h"
#include "harness.h"

using quib::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quib::fuzz::Fixture fx;
    quib::Session& session = *fx.session;
    fx.PutInput("levels.txt", data, size);

    const bool offered = session.game.ResumeOffered;
    const bool ok = quib::levels::ReadLevelLibrary(session, "levels.txt");
    const int count = session.library.LevelCount;
    Check(count >= 1 && count <= quib::kMaxStoredLevel);
    if (!ok) {
        // The interrupted game stays offered while the library counts its level.
        Check(session.game.CurrentLevel == 1 &&
              session.game.ResumeOffered == (offered && session.game.ResumeLevel <= count));
        for (int k = 2; k <= count; ++k) Check(session.library.LevelNeedsGenerating[static_cast<std::size_t>(k)]);
        return 0;
    }
    // Accepted: the game's own rewrite holds the writer's text (whatever
    // parts of it were kept from before), and it reads back into that text.
    const std::string written = quib::levels::LevelLibraryText(session);
    Check(quib::levels::WriteLevelLibrary(session));
    Check(fx.storage->Get("levels.txt") == written);
    // Read back, its tables give the text on disk again: the reader's own
    // comparison of the two marks the file current.
    Check(quib::levels::ReadLevelLibrary(session, "levels.txt"));
    Check(quib::levels::LibraryFileCurrent(session) && session.library.FileContent == written);
    return 0;
}
