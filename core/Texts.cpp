#include "core/Texts.h"

#include "base/VB.h"

namespace text {

const char* const Caption = "Music Tunzle   Press F1 for Help";

const char* const IntroTitle = "Music Tunzle.";
const char* const IntroMaker = "A Korvel Game.";
const char* const IntroDevelopers = "By the Music Tunzle developers.";
const char* const SampleCopyFailed = "Error copying sample.mp3 to user's game folder";
const char* const ResumeQuestion = "Would you like to play your saved game?";
const char* const SavedGameDamaged = "The saved game is damaged and cannot be played. A new game starts.";
std::string SavedSongUnplayable(const std::string& path) {
  return "The song " + path +
         " of your saved game could not be played. Your saved game is kept. Please choose a song for a new game.";
}

const char* const WarningTitle = "Warning";
const char* const ErrorTitle = "Error";
const char* const SaveTitle = "Save Game?";
const char* const WinTitle = "Congratulations";
const char* const TooShortTitle = "Song Too Short";

const char* const SelectSongTitle = "Select Music File to tunzle";
const char* const SelectSongHint = "Escape plays the sample song.";
std::string SongUnplayable(const std::string& path) {
  return "The song " + path + " could not be played. Please choose another song.";
}
std::string SongUnplayableOrBack(const std::string& path) {
  return "The song " + path + " could not be played. Please choose another song, or press Escape to go back without a new game.";
}
const char* const SongTooShort =
    "song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or "
    "select a longer MP3.";
const char* const NoGame = "No game. Press N for a new game or Q to quit.";
const char* const NewGame = "New game";
const char* const SavedGame = "Saved game";
std::string Announce(const std::string& which, const GameState& st) {
  return which + ", " + std::to_string(st.BoardRows) + " by " + std::to_string(st.BoardColumns) + ". The cursor is on row " +
         std::to_string(st.CursorRow) + ", column " + std::to_string(st.CursorColumn) + ", the empty square on row " +
         std::to_string(st.EmptyRow) + ", column " + std::to_string(st.EmptyColumn) + ".";
}
const char* const NothingInOrder = "No tile is in order yet.";

const char* const EmptyWord = "Space";
const char* const InRunWord = "correct";
const char* const OutOfRunWord = "wrong";
std::string Square(int row, int column) { return std::to_string(row) + ", " + std::to_string(column); }
const char* const CoordinatesOn = "Row and column on";
const char* const CoordinatesOff = "Row and column off";
const char* const StatusOn = "Correct and wrong on";
const char* const StatusOff = "Correct and wrong off";
const char* const NoTileToMark = "No tile to mark here.";
const char* const NoTileToMarkMarkRemoved = "No tile to mark here. The mark is removed.";

namespace {
std::string count(int32_t n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }
// Plain words for a voice: "1 hour 2 minutes 5 seconds", "3 minutes", "0 seconds".
std::string duration(int32_t seconds) {
  const int32_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  std::string out;
  auto part = [&out](int32_t n, const char* one, const char* many) {
    if (!out.empty()) out += " ";
    out += count(n, one, many);
  };
  if (h > 0) part(h, "hour", "hours");
  if (m > 0) part(m, "minute", "minutes");
  if (s > 0 || out.empty()) part(s, "second", "seconds");
  return out;
}
std::string boardAndLength(int size, float tileLength) {
  return std::to_string(size) + " by " + std::to_string(size) + " with tiles of " + FloatToText(tileLength) +
         (tileLength == 1.0f ? " second" : " seconds");
}
}  // namespace

std::string Progress(int inOrder, int tiles, int32_t moves, int32_t seconds) {
  return std::to_string(inOrder) + " of " + std::to_string(tiles) + " tiles in order, " + count(moves, "move", "moves") +
         ", " + duration(seconds) + ".";
}
std::string Solved(int32_t moves, int32_t seconds) {
  return "Solved in " + count(moves, "move", "moves") + " and " + duration(seconds) + ".";
}
std::string NewBest(bool fewestMoves, bool fastest, int size, float tileLength) {
  const std::string which = fewestMoves && fastest ? "the fewest moves and the fastest time"
                            : fewestMoves          ? "the fewest moves"
                                                   : "the fastest time";
  return "Your best for " + boardAndLength(size, tileLength) + ": " + which + ".";
}
std::string BestResult(int size, float tileLength, int32_t moves, int32_t seconds) {
  return boardAndLength(size, tileLength) + ": fewest moves " + std::to_string(moves) + ", fastest " + duration(seconds) + ".";
}
const char* const NoBestResults = "No best results yet.";

const char* const AnotherGame = "Would you like another game?";
const char* const SaveQuestion = "Would you like to save your game?";
std::string SettingsUnwritable(const std::string& path) { return "Could not write the settings file " + path; }
std::string SaveUnwritable(const std::string& path) { return "Could not write the saved game " + path; }
// The farewell names the game's makers and where to find them.
const char* const Farewell =
    "Thank you for playing Music Tunzle, from the Music Tunzle developers. "
    "Visit the Music Tunzle project page for new versions and help.";

const char* const LibraryTitle = "Select Music Library Folder by Selecting Any File from that Folder";
const char* const LibraryHint = "Escape keeps the folder as it is.";
std::string LibraryFolder(const std::string& folder) { return "Music library folder " + folder; }

std::string SpeechTypeList(int16_t current) {
  // Nothing chosen yet: the built-in voice is what asks, so Enter keeps it.
  const int16_t starred = current < 0 ? 3 : current;
  auto item = [starred](const char* name, int16_t type) {
    return std::string("|") + (starred == type ? "*" : "") + name + ":" + std::to_string(type);
  };
  return "p:Select Speech Type" + item("No speech", 0) + item("Screen reader", 1) + item("Built-in voice", 3);
}

std::string SizeList() {
  std::string spec = "p:Select square size";
  for (int n = rules::SmallestBoard; n <= rules::LargestBoard; ++n) spec += "|" + std::to_string(n);
  return spec;
}

std::string TileLengthList(float current) {
  // The list opens on the length in use, so Enter keeps it.
  bool starred = false;
  for (const char* length : rules::TileLengths) starred = starred || static_cast<float>(Val(length)) == current;
  std::string spec = "p:Song tile duration in seconds";
  for (const char* length : rules::TileLengths) {
    const bool mark = starred ? static_cast<float>(Val(length)) == current : std::string(length) == rules::FallbackTileLength;
    spec += std::string("|") + (mark ? "*" : "") + length;
  }
  return spec;
}

}  // namespace text
