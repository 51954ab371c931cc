#pragma once
// The standalone help program (DRVHelp, MTHelp): the viewer on the help file
// its own name picks, read aloud as the game reads its help, by the speech
// the player chose in the game.
int HelpProgramMain(int argc, char** argv);
