// The game's stream outlives its sound server: while the server is away a
// stand-in keeps the mixer's clock, so playing sounds move on and runs end;
// a new server gets the stream at the mixer's rate, corked if the game rests.
#include "sound/ReconnectingOutput.h"

#include <gtest/gtest.h>

#include <QTest>

#include <atomic>
#include <mutex>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct FakeServer : ServerOutput {
  explicit FakeServer(int rate) : rate(rate) {}
  int Rate() const override { return rate; }
  bool PipeWire() const override { return false; }
  bool Open(Render r, int, int) override {
    render = std::move(r);
    return true;
  }
  void SetCorked(bool c) override { corked = c; }
  int BufferFrames() const override { return 0; }
  bool Lost() const override { return lost; }
  int rate;
  Render render;
  std::atomic<bool> corked{false};
  std::atomic<bool> lost{false};
};

struct Rig {
  std::atomic<long long> mixed{0};
  std::atomic<bool> serverUp{false};
  std::atomic<int> askedRate{0};
  std::atomic<FakeServer*> second{nullptr};
  std::mutex mu;
  std::vector<bool> links;
  FakeServer* first = new FakeServer(48000);
  ReconnectingOutput out{std::unique_ptr<ServerOutput>(first),
                         [this](int rate) -> std::unique_ptr<ServerOutput> {
                           askedRate = rate;
                           if (!serverUp) return nullptr;
                           auto s = std::make_unique<FakeServer>(44100);
                           second = s.get();
                           return s;
                         },
                         [this](bool up) {
                           std::lock_guard g(mu);
                           links.push_back(up);
                         },
                         20ms};
  std::vector<bool> Links() {
    std::lock_guard g(mu);
    return links;
  }
};

TEST(ReconnectingOutput, StandsInWhileTheServerIsAwayAndPlaysOnTheNextOne) {
  Rig rig;
  ASSERT_TRUE(rig.out.Open([&rig](float*, int frames) { rig.mixed += frames; }, 480, 3));
  ASSERT_TRUE(rig.first->render);
  EXPECT_TRUE(rig.out.Connected());

  rig.first->lost = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.Links() == std::vector<bool>{false}; }, 5000));
  EXPECT_FALSE(rig.out.Connected());
  // Nobody asks for sound, yet the mixer runs on in whole periods.
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.mixed >= 4800; }, 5000));
  EXPECT_EQ(rig.mixed % 480, 0);
  EXPECT_EQ(rig.askedRate, 48000);

  // The game rests meanwhile: the next server's stream starts corked.
  rig.out.SetCorked(true);
  rig.serverUp = true;
  ASSERT_TRUE(QTest::qWaitFor([&] { return rig.Links() == std::vector<bool>{false, true}; }, 5000));
  FakeServer* next = rig.second;
  ASSERT_NE(next, nullptr);
  EXPECT_TRUE(rig.out.Connected());
  EXPECT_TRUE(next->corked);
  EXPECT_EQ(rig.out.Rate(), 48000);
  // It mixes with the same mixer as before.
  const long long before = rig.mixed;
  float buffer[2 * 64];
  next->render(buffer, 64);
  EXPECT_EQ(rig.mixed, before + 64);
  rig.out.SetCorked(false);
  EXPECT_FALSE(next->corked);
}

}  // namespace
