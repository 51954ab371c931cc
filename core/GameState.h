#pragma once
// The game's program-wide state, under the names the rest of the game uses.
#include "core/Rules.h"

#include <cstdint>
#include <string>
#include <vector>

// The song the game has open, as the sound layer numbers its song players; 0 is none.
struct SongHandle {
  int16_t slot = 0;
  explicit operator bool() const { return slot > 0; }
  bool operator==(const SongHandle&) const = default;
};

struct GameState {
  // Board(r, c), 1-based; 0 marks the empty square.
  std::vector<int16_t> Cells;
  int16_t BoardRows = 0;
  int16_t BoardColumns = 0;
  int16_t& Board(int r, int c) { return Cells[static_cast<size_t>((r - 1) * BoardColumns + (c - 1))]; }
  int16_t Board(int r, int c) const { return Cells[static_cast<size_t>((r - 1) * BoardColumns + (c - 1))]; }
  bool HasBoard() const { return BoardRows > 0 && !Cells.empty(); }

  int16_t EmptyRow = 0, EmptyColumn = 0;
  int16_t CursorRow = 1, CursorColumn = 1;
  int16_t TilesInOrder = 0;
  int16_t MarkedTile = 0;
  bool AnnounceCoordinates = false;
  bool AnnounceStatus = false;
  float TileDuration = rules::DefaultTileSeconds;
  std::string SongFile;
  int32_t SongVolume = 0;
  // The cues' (notes, bumps, marker, intro), in the song's hundredths of a decibel.
  int32_t CueVolume = 0;
  SongHandle Song;
  bool PuzzleSolved = false;
  bool NoKeyYet = true;
  // A saved game whose song could not be played: kept on disk until a new save replaces it.
  bool KeepSavedGame = false;
  int16_t SpeechType = -1;
  int16_t SapiVoiceNumber = 1, SapiRate = 0, SapiVolume = 95;
  std::string AppFolder, PlayerFolder, MusicLibraryFolder, FileDialogError;
  std::string HelpName = "MT";
};
