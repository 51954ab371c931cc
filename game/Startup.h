#pragma once
// The whole program: the application, the real services, the window and the game.
int TunzleMain(int argc, char** argv);
