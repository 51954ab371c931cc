#pragma once
// Every text the game says or shows, and the pick lists it offers, in one
// place. The English here is the source of any translation.
#include "core/GameState.h"

#include <string>

namespace text {

// The window's caption.
extern const char* const Caption;

// Start-up.
extern const char* const IntroTitle;
extern const char* const IntroMaker;
extern const char* const IntroDevelopers;
extern const char* const SampleCopyFailed;
extern const char* const ResumeQuestion;
extern const char* const SavedGameDamaged;
std::string SavedSongUnplayable(const std::string& path);

// Titles of message boxes.
extern const char* const WarningTitle;
extern const char* const ErrorTitle;
extern const char* const SaveTitle;
extern const char* const WinTitle;
extern const char* const TooShortTitle;

// New game.
extern const char* const SelectSongTitle;
extern const char* const SelectSongHint;
std::string SongUnplayable(const std::string& path);
// After the sample itself failed: Escape leads back without a new game.
std::string SongUnplayableOrBack(const std::string& path);
extern const char* const SongTooShort;
extern const char* const NoGame;
// "New game" or "Saved game", with the board and where the cursor and the empty square are.
extern const char* const NewGame;
extern const char* const SavedGame;
std::string Announce(const std::string& which, const GameState& st);
extern const char* const NothingInOrder;

// On the board.
extern const char* const EmptyWord;
extern const char* const InRunWord;
extern const char* const OutOfRunWord;
std::string Square(int row, int column);
extern const char* const CoordinatesOn;
extern const char* const CoordinatesOff;
extern const char* const StatusOn;
extern const char* const StatusOff;
extern const char* const NoTileToMark;
extern const char* const NoTileToMarkMarkRemoved;

// Progress: where the game stands, the win's result, the best results.
// Times in whole seconds, said as hours, minutes and seconds.
std::string Progress(int inOrder, int tiles, int32_t moves, int32_t seconds);
std::string Solved(int32_t moves, int32_t seconds);
// A result better than every earlier one of this board size and tile length.
std::string NewBest(bool fewestMoves, bool fastest, int size, float tileLength);
std::string BestResult(int size, float tileLength, int32_t moves, int32_t seconds);
extern const char* const NoBestResults;

// The win and the end.
extern const char* const AnotherGame;
extern const char* const SaveQuestion;
std::string SettingsUnwritable(const std::string& path);
std::string SaveUnwritable(const std::string& path);
extern const char* const Farewell;

// The library folder.
extern const char* const LibraryTitle;
extern const char* const LibraryHint;
std::string LibraryFolder(const std::string& folder);

// Pick lists: "p:" and the title, then "|" before each item; "*" marks the
// one the list opens on, ":" gives an item's value.
std::string SpeechTypeList(int16_t current);
std::string SizeList();
std::string TileLengthList(float current);

}  // namespace text
