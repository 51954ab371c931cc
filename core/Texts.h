#pragma once
// Every text the game says or shows, and the pick lists it offers, in one
// place, each in the player's language. The English here is the source.
#include "core/GameState.h"
#include "core/Tutorial.h"

#include <string>

namespace text {

// The window's caption.
std::string Caption();

// Start-up.
std::string IntroTitle();
std::string IntroMaker();
std::string IntroDevelopers();
std::string SampleCopyFailed();
std::string ResumeQuestion();
std::string ResumeTitle();
std::string SavedGameDamaged();
std::string SavedSongUnplayable(const std::string& path);

// Back on the board after the quit question was cancelled, or after help.
std::string GameGoesOn();
std::string BackToBoard();

// The sound server went away, or answers again.
std::string SoundGone();
std::string SoundBack();

// Titles of message boxes.
std::string WarningTitle();
std::string ErrorTitle();
std::string SaveTitle();
std::string WinTitle();
std::string TooShortTitle();

// New game.
std::string SelectSongTitle();
std::string SelectSongHint();
std::string SongUnplayable(const std::string& path);
// After the sample itself failed: Escape leads back without a new game.
std::string SongUnplayableOrBack(const std::string& path);
// The song at `path` is too short for the board: names its format, asks whether to choose again.
std::string SongTooShort(const std::string& path);
std::string NoGame();
// "New game" or "Saved game", with the board and where the cursor and the empty square are.
std::string NewGame();
std::string SavedGame();
std::string Announce(const std::string& which, const GameState& st);
// F11 and F12: the cues' new volume, 0 to 100.
std::string CueVolume(int percent);

// On the board.
std::string EmptyWord();
std::string InRunWord();
std::string OutOfRunWord();
std::string Square(int row, int column);
std::string CoordinatesOn();
std::string CoordinatesOff();
std::string StatusOn();
std::string StatusOff();
std::string NoTileToMark();
std::string NoTileToMarkMarkRemoved();

// Progress: where the game stands, the win's result, the best results.
// Times in whole seconds, said as hours, minutes and seconds.
std::string Progress(int inOrder, int tiles, int32_t moves, int32_t seconds);
std::string Solved(int32_t moves, int32_t seconds);
// A result better than every earlier one of this board size and tile length.
std::string NewBest(bool fewestMoves, bool fastest, int size, float tileLength);
// The first result of this board size and tile length.
std::string FirstBest(int size, float tileLength);
std::string BestResult(int size, float tileLength, int32_t moves, int32_t seconds);
std::string NoBestResults();

// The win and the end.
std::string AnotherGame();
std::string SaveQuestion();
std::string SettingsUnwritable(const std::string& path);
std::string SaveUnwritable(const std::string& path);
std::string Farewell();

// The library folder.
std::string LibraryTitle();
std::string LibraryHint();
std::string LibraryFolder(const std::string& folder);

// A number such as "2.5" with the language's decimal mark.
std::string Decimal(const std::string& number);

// Pick lists: "p:" and the title, then "|" before each item; "*" marks the
// one the list opens on, ":" gives an item's value.
std::string SpeechTypeList(int16_t current);
// A speech type's name, as the list offers it.
std::string SpeechTypeName(int16_t type);
std::string SizeList(int current);
std::string TileLengthList(float current);
// After the tile-length list: the length chosen, or the one kept on Escape.
std::string TileLengthNow(float length);
std::string TileLengthKept(float length);

// The tutorial.
std::string TutorialTitle();
std::string TutorialOffer();
std::string TutorialWelcome();
// What the step asks; at the second slide, where the empty square is in the
// middle, what to do first.
std::string TutorialStep(tutorial::Step step, bool emptyInMiddle);
std::string TutorialGood();
std::string TutorialWrongKey();
std::string TutorialCannotSlide();
std::string TutorialOneTile();
std::string TutorialHint(int row, int column);
std::string TutorialSolved();
std::string TutorialOver();
std::string TutorialLeave();
std::string TutorialGoesOn();
std::string TutorialUnplayable();
std::string BackToYourGame();

}  // namespace text
