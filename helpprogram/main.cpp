// The standalone help viewer. Its own file name picks the help file:
// DRVHelp shows DRV.TXT, MTHelp shows MT.TXT, both beside the program.
#include "game/HelpProgram.h"

int main(int argc, char** argv) { return HelpProgramMain(argc, argv); }
