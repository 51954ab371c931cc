#pragma once
// The game's numbers, in one place.
#include <cstdint>

namespace rules {

// Boards are square, 3 × 3 to 9 × 9.
constexpr int16_t SmallestBoard = 3, LargestBoard = 9;

// Tile lengths in seconds, as the tile-length list offers them.
constexpr float ShortestTile = 1.0f, LongestTile = 5.0f, DefaultTileSeconds = 2.0f;
constexpr const char* TileLengths[] = {"1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5"};
// Starred when the length in use is not in the list.
constexpr const char* FallbackTileLength = "2.5";

// Song volume in hundredths of a decibel: F3 and F4 step it, within these.
constexpr int32_t VolumeStep = 200, VolumeFloor = -3000, VolumeCeiling = 0;
// How long F3 and F4 let the new volume be heard.
constexpr float VolumePieceSeconds = 0.6f;

// Names the song selector lists, matched without regard to letter case:
// the formats the song players decode.
constexpr const char* SongFilePattern = "*.mp3;*.flac;*.ogg;*.oga;*.opus;*.wav";

// Random slides of the empty square that scramble a new board.
constexpr int ShuffleMoves = 1999;

// A note for each tile a slide joins to the run, this far apart.
constexpr float NoteGap = 0.3f;
// The win's flourish: this many notes, this far apart.
constexpr int WinNotes = 10;
constexpr float WinNoteGap = 0.15f;
// At most this long a cue is left to ring out before what must not sound
// under it (the flourish's last note before the song, a bump before a
// square's cue), looked at this often.
constexpr float RingOutWait = 1.0f, RingOutPoll = 0.05f;
// After the win's whole song, this long before its words: the song's last
// note, still in the sound server's buffers when the song ends, is heard alone.
constexpr float AfterSongPause = 0.5f;

// Waits for speech to be heard, at most: a square's words, a resumed game's,
// the farewell, the win's result; and without speech the farewell's pause.
constexpr float SquareWordsWait = 5.0f, ResumeWordsWait = 10.0f, FarewellWait = 10.0f, SilentFarewell = 5.0f;
constexpr float ResultWordsWait = 10.0f;

// The intro: its sound, the title after it, the credits after that, and at
// most this long for the credits to be heard out.
constexpr float IntroSound = 6.0f, IntroTitle = 2.0f, IntroCredits = 2.0f, IntroWordsWait = 8.0f;
// A resumed board is drawn this long before its words.
constexpr float ResumePause = 0.1f;

// The tutorial: a hint after this long without coming nearer to solved; its
// words wait for the square's words and tile, looked at this often, then
// this pause.
constexpr double TutorialHintAfter = 60.0, QuietPoll = 0.1, TutorialPause = 0.3;

// The mouse: a pointer resting this long on a square plays it; smaller moves are jitter.
constexpr double HoverSeconds = 0.5;
constexpr float HoverJitterTwips = 5.0f;

// The board's drawing, in twips: margin at the top and left, gap between
// squares, and what is kept free below the board.
constexpr int BoardMargin = 200, SquareGap = 50, BelowBoard = 500;

}  // namespace rules
