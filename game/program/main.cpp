#include "game/Startup.h"

int main(int argc, char** argv) { return TunzleMain(argc, argv); }
