#pragma once
// The program's start-up, from folders to the first game.
#include "game/FRMMain.h"
#include "game/GameServices.h"
#include "game/GameState.h"

#include <string>

// The player folder: "appdata"/Music Tunzle/ when that variable is set, else
// the per-user data folder, else the program folder. Created when missing.
std::string SettlePlayerFolder(const std::string& appFolder);

// Steps after the engines exist: folders, sample song, settings, speech
// type, the intro and the saved-game offer. `commandLine` is the program's
// argument text.
void RunStartup(GameState& st, GameServices& svc, FRMMain& window, const std::string& commandLine);

// The saved-game offer: resume, start anew, or (Cancel) leave no game.
void OfferSavedGame(GameState& st, GameServices& svc, FRMMain& window);

// The whole program.
int TunzleMain(int argc, char** argv);
