#pragma once
// The settings file "config.ini" and the saved game "SaveGame.gam", both in
// the player folder.
#include "core/GameState.h"

#include <string>

// The player folder: "appdata"/Music Tunzle/ when that variable is set, else
// the per-user data folder, else the program folder. Created when missing.
std::string SettlePlayerFolder(const std::string& appFolder);

// An absolute folder: nothing is written into a relative or empty one.
bool UsablePlayerFolder(const std::string& folder);

// Reads the six settings into the state; anything missing or out of range
// keeps its default.
void LoadSettings(GameState& st);
// False when the file could not be written (the old one is then untouched),
// and always for an empty or relative player folder.
bool SaveSettings(const GameState& st);
// The cue volume, in a file of its own beside config.ini, whose fields older
// versions read to the byte. LoadSettings reads it too.
bool SaveCueVolume(const GameState& st);
bool SaveGame(const GameState& st);
// The saved game's bytes, as SaveGame writes them.
std::string SavedGameText(const GameState& st);
// Deletes "savegame.gam" in any letter case; failures are ignored.
void DeleteSavedGame(const GameState& st);

// The saved game's path when one exists.
std::string SavedGamePath(const GameState& st);

// Reads and checks a saved game; false when it is damaged or impossible,
// and `st` is then untouched.
bool ReadSavedGame(const std::string& path, GameState& st);
