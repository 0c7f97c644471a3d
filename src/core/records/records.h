#pragma once
// Records: high scores, the five save slots, and the settings and resume
// file. The item notation shared by every file is in items.h.

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "../form.h"

namespace quib::records {

// ------------------------------------------------------------ data folder

enum class FileRead;
enum class FolderFlush;
// Reads a file of the data folder by its name. A file that is there but
// cannot be read is remembered, so that this run never writes over it.
FileRead ReadFolderFile(Session& session, const std::string& name, std::string& content);
// Replaces a file of the data folder safely; false when it was not written,
// which includes a file this run found unreadable.
bool WriteFolderFile(Session& session, const std::string& name, const std::string& content, FolderFlush folder);
// Removes the temporary files that a write cut off by a crash or a kill left
// in the data folder: plain files of this user named as a safe write names
// them (".high.txt.quib-tmp-" and six letters or digits), nothing else.
void RemoveStaleTemporaries(const Session& session);

// ------------------------------------------------------------ high scores

// "h:m:s" without leading zeros: 3903 seconds give "1:5:3".
std::string FormatPlayTime(std::int64_t seconds);
void BuildHighScoreTable(Session& session);
void ReadHighScores(Session& session);
bool WriteHighScores(Session& session);
void InsertHighScore(Session& session);
void EnterName(Session& session);
void NameKey(Session& session, int keyAscii);
void ShowHighScores(Session& session);
void CloseHighScores(Session& session);
void CloseHighScoresAtName(Session& session, int index);
void CloseHighScoresAtScore(Session& session, int index);

// ------------------------------------------------------------- save slots

std::string SlotFileName(int slot);
void UpdateSlotMenus(Session& session);
void UpdateSlotMenu(Session& session, int slot);
void SaveToSlot(Session& session, int index);
void LoadFromSlot(Session& session, int index);
// Closes the game's slot when its game ends: the file holds the one text
// item given ("Hi" after the last level, "hi" after a lost game).
void CloseSaveSlot(Session& session, const std::string& item);

// ------------------------------------------------ settings and resume file

bool WriteDataFile(Session& session);
void ReadDataFile(Session& session);

// ------------------------------- frog records shared by data.txt and slots

class ItemReader;
class ItemWriter;
// The most frog records a file may bring in.
constexpr int kMaxStoredFrogs = 300;
// Bounds of the numbers the resume file and the slots bring in; anything
// beyond them is damage, not a game.
constexpr double kMaxPosition = 100000;  // pixels: far outside any window
// The level time grows by a day at each midnight of a running level; a
// billion seconds is decades.
constexpr double kMaxLevelTime = 1e9;
// Tries are counted down by every fresh level start, so long Practice games
// go far below zero; anything near this is damage.
constexpr std::int64_t kMaxTryNumber = 1'000'000'000;
constexpr std::int64_t kInt16Min = -32768;
constexpr std::int64_t kInt16Max = 32767;
constexpr std::int64_t kInt32Min = INT32_MIN;
constexpr std::int64_t kInt32Max = INT32_MAX;
// The next item as a number within [-limit, limit]; throws ReadFailure.
double ReadBounded(ItemReader& in, double limit);
// Reads the count N and the N - 1 records (left, top, cell) that follow it.
// Throws ReadFailure unless N is at most kMaxStoredFrogs + 1 (N <= 1: no
// records) and every record stands on its own cell of the board and its own
// position.
std::vector<FrogRecord> ReadFrogRecords(ItemReader& in, const Board& board);
void WriteFrogRecords(ItemWriter& out, const Board& board);
// Replaces the board's frog records with these (pictures untouched).
void PlaceFrogRecords(Session& session, const std::vector<FrogRecord>& records);

}  // namespace quib::records
