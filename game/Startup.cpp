#include "game/Startup.h"

#include "game/Board.h"
#include "game/Settings.h"

#include "common/Files.h"
#include "common/Trace.h"
#include "common/VB.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string SettlePlayerFolder(const std::string& appFolder) {
  std::string parent;
  if (const char* appdata = std::getenv("appdata"); appdata && *appdata) {
    parent = appdata;
  } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    parent = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    parent = std::string(home) + "/.local/share";
  }
  if (parent.empty()) return WithTrailingSeparator(appFolder);
  std::string folder = WithTrailingSeparator(parent) + "Music Tunzle/";
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!fs::is_directory(folder, ec)) return WithTrailingSeparator(appFolder);
  return folder;
}

void OfferSavedGame(GameState& st, GameServices& svc, FRMMain& window) {
  const std::string path = SavedGamePath(st);
  if (path.empty()) {
    window.form_keydown('N', 0);
    return;
  }
  const int16_t answer = svc.SpeakMsgBox("Would you like to play your saved game?", mb::YesNoCancel, "Save Game?");
  if (answer == mb::No) {
    DeleteSavedGame(st);
    window.form_keydown('N', 0);
    return;
  }
  // Cancel, or a box closed without an answer: no game, and the file stays.
  if (answer != mb::Yes) return;
  GameState saved = st;
  if (!ReadSavedGame(path, saved)) {
    // Left on disk: the next quit replaces it.
    svc.SpeakMsgBox("The saved game is damaged and cannot be played. A new game starts.", mb::OkOnly, "Error");
    window.form_keydown('N', 0);
    return;
  }
  const int16_t index = svc.PlaySong(saved.SongFile);
  if (index <= 200) {
    // A silent board is no game; the song may come back (a drive plugged in
    // again), so the file stays until a new save replaces it.
    st.KeepSavedGame = true;
    svc.SpeakMsgBox("The song " + saved.SongFile +
                        " of your saved game could not be played. Your saved game is kept. Please choose a song for a "
                        "new game.",
                    mb::OkOnly, "Error");
    window.form_keydown('N', 0);
    return;
  }
  // The saved header and board; the rest of the state was copied in unchanged.
  st = saved;
  st.SongSlot = static_cast<int16_t>(index - 200);
  svc.SetMP3Volume(st.SongVolume);
  window.BuildSquare(false);
  st.Cells = saved.Cells;
  window.SetColour();
  window.marker();
  window.SetBorder(st.CursorRow, st.CursorColumn, 2);
  svc.Wait(0.1f, false);
  window.Resumed();
}

void RunStartup(GameState& st, GameServices& svc, FRMMain& window, const std::string& commandLine) {
  st.TileDuration = 2.0f;
  st.HelpName = "MT";
  st.NoKeyYet = true;
  st.PlayerFolder = SettlePlayerFolder(st.AppFolder);
  st.MusicLibraryFolder = st.PlayerFolder;

  if (!FindFileNoCase(st.PlayerFolder, "sample.mp3")) {
    if (!CopyFile(st.AppFolder + "sample.mp3", st.PlayerFolder + "sample.mp3"))
      svc.SpeakMsgBox("Error copying sample.mp3 to user's game folder", mb::OkOnly, "Warning");
  }

  st.SapiVoiceNumber = 1;
  st.SapiRate = 0;
  st.SapiVolume = 95;
  st.SpeechType = -1;
  LoadSettings(st);

  if (!Trim(commandLine).empty()) {
    st.SpeechType = IsNumeric(commandLine) ? static_cast<int16_t>(Val(commandLine)) : int16_t(0);
    // Without this a player who starts with 3 would hear nothing.
    svc.TTSSetup(st.SpeechType);
  } else if (st.SpeechType < 0) {
    // Nothing is chosen yet: the built-in voice asks, and speaks on if the
    // player leaves the question (it comes again at the next start).
    svc.SpeakBeforeChoice();
    std::string answer = svc.PickList(SpeechTypeList(st.SpeechType));
    if (IsNumeric(answer)) {
      st.SpeechType = static_cast<int16_t>(Val(answer));
      svc.TTSSetup(st.SpeechType);
    }
  } else {
    svc.TTSSetup(st.SpeechType);
  }

  window.setWindowTitle(FRMMain::Caption);
  window.CoverScreen();
  window.show();
  Trace::write("window", {FRMMain::Caption});

  svc.PlaySound("intro0.wav");
  svc.Wait(6.0f, true);
  svc.speak("Music Tunzle.");
  svc.Wait(2.0f, true);
  svc.speak("A Korvel Game.");
  svc.speak("By the Music Tunzle developers.");
  svc.Wait(2.0f, true);
  // What follows stops speech: let the credit line finish first.
  svc.WaitForSpeech(8.0f, true);

  OfferSavedGame(st, svc, window);
}

#include "game/ProgramServices.h"
#include "game/WindowGone.h"

#include <QApplication>
#include <QTime>

int TunzleMain(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Music Tunzle");
  // The program ends through the quit alone, which asks and saves; a window
  // that vanished must not end it behind the player's back.
  app.setQuitOnLastWindowClosed(false);
  GameState st;
  st.AppFolder = DataFolder();
  ProgramServices svc(st);
  svc.StartSound();
  FRMMain window(st, svc);
  svc.SetWindow(&window);
  svc.StartSpeech();
  window.Seed(static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
  std::string commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  OnNativeWindowDestroyed(window, [&window] { window.WindowDestroyed(); });
  RunStartup(st, svc, window, commandLine);
  return app.exec();
}
