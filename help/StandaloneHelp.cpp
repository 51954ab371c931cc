#include "help/StandaloneHelp.h"

#include "base/Translate.h"

#include "base/Files.h"
#include "common/MsgBox.h"
#include "base/VB.h"
#include "help/FRMHelp.h"
#include "help/HelpFile.h"

#include <QCoreApplication>
#include <QTime>
#include <chrono>
#include <filesystem>
#include <thread>

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

void StandaloneWait(float seconds, const std::function<double()>& clock) {
  auto now = [&clock] {
    return clock ? clock() : QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
  };
  const double start = now();
  const double until = start + seconds;
  for (;;) {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
    double t = now();
    // The time of day starts again at midnight.
    if (t < start) t += 24.0 * 60 * 60;
    if (t > until) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void ShowError(const std::string& message) { SystemMsgBox(message, msgbox::OkOnly, Tr("Help", "Error! ")); }

int RunStandaloneHelp(const std::string& programPath, std::function<void(const std::string&)> speak) {
  const StandaloneHelpFile file = HelpFileForProgram(programPath, ProgramFolder());
  HelpOptions options = HelpOptions::Standalone();
  options.speak = std::move(speak);
  FRMHelp viewer(options);
  // The translation beside the English file, as F1 in the game finds it.
  return viewer.OpenFile(helpfile::Localized(file.Path())) == FRMHelp::Closed ? 0 : 1;
}
