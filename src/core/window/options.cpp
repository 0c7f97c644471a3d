// The "Preferences" options: the jump sound, the cell outlines ("Grids"),
// the colour sliders, and the playing of wave files.

#include <filesystem>
#include <string>
#include <system_error>

#include "../translation.h"
#include "window.h"

namespace quib::window {

// "Sound": the check mark is the setting; the flag the board reads follows it.
void ToggleSound(Session& session) {
    MenuEntry& entry = session.menu.SoundOption;
    entry.Checked = !entry.Checked;
    session.game.SoundOn = entry.Checked;
}

// "Grids": checking it shows every cell with a black outline, so the player
// sees the whole board; unchecking removes the outlines again (the cells stay
// shown). The template cell 0 is never part of the board and stays as it is.
void ToggleGrids(Session& session) {
    MenuEntry& entry = session.menu.GridsOption;
    std::vector<Cell>& grid = session.board.Grid;
    if (entry.Checked) {
        entry.Checked = false;
        for (std::size_t i = 1; i < grid.size(); ++i) grid[i].Outlined = false;
    } else {
        entry.Checked = true;
        for (std::size_t i = 1; i < grid.size(); ++i) {
            grid[i].Visible = true;
            grid[i].BorderColor = 0;
            grid[i].Outlined = true;
        }
    }
}

// A colour slider moved; its scroll bar runs 0..255. An unknown slider
// changes nothing.
void SetColourLevel(Session& session, int which, int value) {
    ColourPanel& c = session.colours;
    switch (which) {
        case 2: c.RedLevel = value; break;
        case 3: c.GreenLevel = value; break;
        case 4: c.BlueLevel = value; break;
        default: return;
    }
    c.Swatch = Rgb(c.RedLevel, c.GreenLevel, c.BlueLevel);
    c.RedCaption.Caption = Arg(session.platform.Translate("Colours", "Red %1"), std::to_string(c.RedLevel));
    c.GreenCaption.Caption = Arg(session.platform.Translate("Colours", "Green %1"), std::to_string(c.GreenLevel));
    c.BlueCaption.Caption = Arg(session.platform.Translate("Colours", "Blue %1"), std::to_string(c.BlueLevel));
}

std::string JumpSoundPath(const Session& session) { return session.ProgramFolder + "Sounds/Jump.wav"; }

void PlaySoundFile(Session& session, const std::string& fileName, bool wait) {
    (void)wait;  // the game never waits for a sound
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec)) return;  // a missing file is silent
    session.platform.PlaySound(fileName);
}

}  // namespace quib::window
