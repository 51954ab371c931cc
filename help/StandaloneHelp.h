#pragma once
// The standalone help program: which file it shows follows from its own name.
#include <functional>
#include <string>

struct StandaloneHelpFile {
  std::string HelpName;   // the base name, in capitals
  std::string AppFolder;  // ends with the separator
  std::string Path() const { return AppFolder + HelpName + ".TXT"; }
};

// The base name from a program file name: the name without its extension,
// in capitals, up to the first "HELP" ("DRVHelp" gives "DRV", "help" gives "").
// A name without "HELP" is taken whole.
std::string HelpNameFromProgram(const std::string& programFileName);

// The help file of the program at `programPath` (its own folder); a bare name
// (started through the search path) is looked up in `programFolder`.
StandaloneHelpFile HelpFileForProgram(const std::string& programPath, const std::string& programFolder);

// The whole program: shows the viewer on the program's help file and runs
// the program's main loop until it closes. Returns the exit code: 0 after a normal close, 1 after an error.
// `speak`, when given, reads the viewer for a player without a screen reader.
int RunStandaloneHelp(const std::string& programPath, std::function<void(const std::string&)> speak = {});
