#include "game/Startup.h"

#include "core/Game.h"
#include "game/FRMMain.h"
#include "game/ProgramServices.h"
#include "game/WindowGone.h"

#include "base/Files.h"
#include "common/Language.h"
#include "common/SoundWake.h"

#include <QApplication>
#include <QTime>
#include <QTimer>

namespace {
// Told from the sound engine's thread; the game hears it on the window's.
Game* linkGame = nullptr;
void SoundLinkChanged(bool up) {
  QMetaObject::invokeMethod(qApp, [up] { if (linkGame) linkGame->SoundServerChanged(up); }, Qt::QueuedConnection);
}
}  // namespace

int TunzleMain(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setApplicationName("Music Tunzle");
  // The program ends through the quit alone, which asks and saves; a window
  // that vanished must not end it behind the player's back.
  app.setQuitOnLastWindowClosed(false);
  GameState st;
  st.AppFolder = DataFolder();
  // Before anything speaks or is shown: every text and voice follows it.
  UseDesktopLanguage(st.AppFolder);
  ProgramServices svc(st);
  svc.Start();
  FRMMain window(st);
  svc.SetWindow(&window);
  Game game(st, svc, svc, window);
  window.SetGame(&game);
  svc.OnHoverRest([&game] { game.HoverRested(); });
  svc.OnSpoken([&window](const std::string& text) { window.Caption(text); });
  game.Seed(static_cast<uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));
  std::string commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  OnNativeWindowDestroyed(window, [&window] { window.WindowDestroyed(); });
  OnDisplayLost([&game] { game.KeepOnLoss(); });
  linkGame = &game;
  soundwake::SetLinkHandler(SoundLinkChanged);
  // The start-up runs from the main loop, as everything after it does.
  QTimer::singleShot(0, [&game, commandLine] { game.Start(commandLine); });
  const int code = app.exec();
  // What was posted for the game and not run is dropped: the objects it
  // would reach close down now.
  QCoreApplication::removePostedEvents(nullptr);
  soundwake::SetLinkHandler(nullptr);
  linkGame = nullptr;
  return code;
}
