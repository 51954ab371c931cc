#pragma once
// The game's program-wide state, under the names the rest of the game uses.
#include <cstdint>
#include <string>
#include <vector>

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
  int16_t TileSize = 0;
  bool AnnounceCoordinates = false;
  bool AnnounceStatus = false;
  float TileDuration = 2.0f;
  std::string SongFile;
  int32_t SongVolume = 0;
  int16_t SongSlot = 0;
  bool PuzzleSolved = false;
  bool Shuffling = false;
  bool NoKeyYet = true;
  bool SuppressMarkSound = false;
  // A saved game whose song could not be played: kept on disk until a new save replaces it.
  bool KeepSavedGame = false;
  int16_t SpeechType = -1;
  int16_t SapiVoiceNumber = 1, SapiRate = 0, SapiVolume = 95;
  std::string AppFolder, PlayerFolder, MusicLibraryFolder, FileDialogError;
  std::string HelpName = "MT";
};
