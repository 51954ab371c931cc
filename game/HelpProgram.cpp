#include "game/HelpProgram.h"

#include "core/GameState.h"
#include "core/Settings.h"
#include "game/ProgramServices.h"
#include "help/StandaloneHelp.h"

#include "base/Files.h"
#include "common/Language.h"

#include <QApplication>

#include <memory>

int HelpProgramMain(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Dravenholt Help");
  GameState st;
  st.AppFolder = DataFolder();
  UseDesktopLanguage(st.AppFolder);
  st.PlayerFolder = SettlePlayerFolder(st.AppFolder);
  st.SpeechType = -1;
  LoadSettings(st);
  // The built-in voice speaks where the player chose it, or chose nothing yet
  // (the game asks with it); a screen reader reads the viewer by itself, and
  // "No speech" stays silent.
  std::unique_ptr<ProgramServices> svc;
  if (st.SpeechType == 3 || st.SpeechType < 0) {
    svc = std::make_unique<ProgramServices>(st);
    svc->Start();
    svc->KeepVoiceSettings(st.SapiVoiceNumber, st.SapiRate, st.SapiVolume);
    svc->TTSSetup(3);
  }
  const int code = RunStandaloneHelp(argc > 0 ? argv[0] : "DRVHelp", [&svc](const std::string& text) {
    if (svc) svc->SpeakForHelp(text);
  });
  svc.reset();
  return code;
}
