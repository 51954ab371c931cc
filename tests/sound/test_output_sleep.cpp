// The idle output device: sleeps once nothing has sounded for the delay, and
// every player's wake resumes it before its sound starts, from any thread.
#include "sound/OutputSleep.h"

#include "common/SoundWake.h"

#include <gtest/gtest.h>

#include <QTest>

#include <atomic>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Device {
  std::atomic<bool> sounding{false};
  std::vector<bool> calls;  // PauseOutput's arguments, in order
  OutputSleep sleep{[this] { return sounding.load(); }, [this](bool p) { calls.push_back(p); }, 50ms};
};

TEST(OutputSleep, SleepsWhenIdleAndWakesBeforeTheNextSound) {
  Device d;
  ASSERT_TRUE(QTest::qWaitFor([&] { return d.sleep.Asleep(); }, 5000));
  EXPECT_EQ(d.calls, std::vector<bool>{true});

  // The wake that every player calls resumes the device before it returns.
  soundwake::Wake();
  EXPECT_FALSE(d.sleep.Asleep());
  EXPECT_EQ(d.calls, (std::vector<bool>{true, false}));

  // A sound the engine can see keeps it awake however long it lasts ...
  d.sounding = true;
  QTest::qWait(300);
  EXPECT_FALSE(d.sleep.Asleep());
  // ... and it sleeps again once that sound ends.
  d.sounding = false;
  ASSERT_TRUE(QTest::qWaitFor([&] { return d.sleep.Asleep(); }, 5000));
  EXPECT_EQ(d.calls, (std::vector<bool>{true, false, true}));
}

TEST(OutputSleep, AWakeFromAnotherThreadResumesAndCountsTheSoundsLength) {
  Device d;
  ASSERT_TRUE(QTest::qWaitFor([&] { return d.sleep.Asleep(); }, 5000));
  // A voice's chunk, handed over on its own thread: nothing can be asked about it later.
  std::thread voice([] { soundwake::Wake(10.0); });
  voice.join();
  EXPECT_FALSE(d.sleep.Asleep());
  QTest::qWait(300);
  EXPECT_FALSE(d.sleep.Asleep());
  EXPECT_EQ(d.calls, (std::vector<bool>{true, false}));
}

TEST(OutputSleep, GoneItWakesNothing) {
  std::vector<bool> calls;
  {
    OutputSleep sleep([] { return false; }, [&](bool p) { calls.push_back(p); }, 10ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sleep.Asleep(); }, 5000));
  }
  soundwake::Wake();
  EXPECT_EQ(calls, std::vector<bool>{true});
}

}  // namespace
