#include "help/StandaloneHelp.h"

#include "base/Files.h"
#include "base/VB.h"
#include "help/FRMHelp.h"
#include "help/HelpFile.h"

#include <QCoreApplication>
#include <filesystem>

namespace fs = std::filesystem;

std::string HelpNameFromProgram(const std::string& programFileName) {
  const std::string name = UCase(fs::path(programFileName).stem().string());
  const auto at = name.find("HELP");
  return at == std::string::npos ? name : name.substr(0, at);
}

StandaloneHelpFile HelpFileForProgram(const std::string& programPath, const std::string& programFolder) {
  StandaloneHelpFile f;
  const fs::path p(programPath);
  f.HelpName = HelpNameFromProgram(p.filename().string());
  if (p.has_parent_path()) {
    std::error_code ec;
    const fs::path folder = fs::absolute(p.parent_path(), ec).lexically_normal();
    f.AppFolder = WithTrailingSeparator((ec ? p.parent_path() : folder).string());
  } else {
    f.AppFolder = WithTrailingSeparator(programFolder);
  }
  // Installed, the texts live in the program's data folder, not beside it.
  if (FindFileNoCase(f.AppFolder, f.HelpName + ".TXT")) return f;
  for (const fs::path& installed : InstalledDataFolders(f.AppFolder)) {
    if (FindFileNoCase(installed, f.HelpName + ".TXT")) {
      f.AppFolder = WithTrailingSeparator(installed.lexically_normal().string());
      break;
    }
  }
  return f;
}

int RunStandaloneHelp(const std::string& programPath, std::function<void(const std::string&)> speak) {
  const StandaloneHelpFile file = HelpFileForProgram(programPath, ProgramFolder());
  HelpOptions options = HelpOptions::Standalone();
  options.speak = std::move(speak);
  FRMHelp viewer(options);
  int code = 1;
  // The translation beside the English file, as F1 in the game finds it.
  viewer.OpenFile(helpfile::Localized(file.Path()), [&code](FRMHelp::Result r) {
    code = r == FRMHelp::Closed ? 0 : 1;
    QCoreApplication::quit();
  });
  QCoreApplication::exec();  // the help program's own main loop
  return code;
}
