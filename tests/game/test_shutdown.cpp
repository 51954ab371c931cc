// The real services taken down with events still queued, as a key or timer
// leaves them when the program ends.
#include "game/ProgramServices.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>

TEST(ProgramShutdown, EventsRunDuringShutdownNeverReachFreedPlayers) {
  GameState st;
  const char* data = std::getenv("TUNZLE_TEST_DATA");
  st.AppFolder = std::string(data ? data : ".") + "/";
  auto* svc = new ProgramServices(st);
  svc->StartSound();
  int ran = 0;
  QTimer::singleShot(0, [&] {
    ++ran;
    svc->DeleteSound(201);  // a song player
    svc->DeleteSound(101);  // an Ogg stream
    svc->PlaySound("NOTE.WAV");
  });
  delete svc;
  EXPECT_EQ(ran, 1) << "the queued event runs while the sound engine shuts down";
}
