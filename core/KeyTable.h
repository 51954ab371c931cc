#pragma once
// Which key does what on the board: one table, which the help's list of keys
// must name in full.
#include <cstdint>

// The commands from Up to SayEmpty need a game on the board: without one only
// "No game" is said.
enum class Command {
  None,
  Up, Down, Left, Right, RowStart, RowEnd, ColumnTop, ColumnBottom,
  Slide, Undo, SayProgress, EndOfRun, PlayRun, PlayRowRun, PlaySong, PlayHomeTile, Mark, GoToMark, GoToEmpty, SayEmpty,
  ToggleCoordinates, ToggleStatus, BestResults,
  NewGame, Quit, Help, LibraryFolder, Louder, Softer, SpeechType, Voice, VoiceRate, VoiceVolume, TileLength,
  CueLouder, CueSofter, Tutorial,
};

struct KeyBinding {
  int16_t code;
  int16_t shift;  // AnyShift: whatever shift keys are held
  Command command;
  const char* name;   // as the help names the key
};
constexpr int16_t AnyShift = -1;

inline bool NeedsBoard(Command c) { return c >= Command::Up && c <= Command::SayEmpty; }

// Every binding; an exact shift wins over AnyShift.
const KeyBinding* KeyBindings(int& count);
// The binding of a key, or null when the key does nothing on the board.
const KeyBinding* FindBinding(int16_t code, int16_t shift);
