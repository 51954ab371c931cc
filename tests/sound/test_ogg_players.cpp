// The Ogg slot table against a fake library: slot choice, messages, pause marks, mappings.
#include "tests/support/QuietSoundHost.h"
#include "sound/OggPlayers.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TraceCapture.h"

#include "base/Trace.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace {

namespace fs = std::filesystem;

using Host = QuietSoundHost;

// Records every call; streams "play" until the test says they ended. Pausing toggles.
struct FakeState {
  int32_t initResult = 1;
  int32_t nextHandle = 1;
  bool failPlays = false;
  std::map<int32_t, bool> sounding;  // handle -> playing
  std::map<int32_t, bool> pausedInLib;
  std::vector<std::string> calls;
  std::vector<int16_t> decoded = {1, -2, 300, -400};
  int updates = 0;
};

class FakeLibrary : public OggLibrary {
 public:
  explicit FakeLibrary(FakeState& s) : s_(s) {}
  int32_t InitOgg(int32_t a, int32_t b) override { log("InitOgg", a, b); return s_.initResult; }
  int32_t SetOggBufferSize(int32_t n) override { log("SetOggBufferSize", n); return 1; }
  int32_t UpdateOgg() override { ++s_.updates; return 1; }
  int32_t PlayOggFromDisc(const std::string& path, int32_t loop) override {
    log("PlayOggFromDisc " + fs::path(path).filename().string(), loop);
    if (s_.failPlays) return 0;
    const int32_t h = s_.nextHandle++;
    s_.sounding[h] = true;
    return h;
  }
  int32_t PauseOgg(int32_t h) override {
    log("PauseOgg", h);
    bool& p = s_.pausedInLib[h];
    p = !p;
    s_.sounding[h] = !p;
    return p;
  }
  int32_t StopOgg(int32_t h) override { log("StopOgg", h); s_.sounding.erase(h); return 1; }
  int32_t OggIsPlaying(int32_t h) override { return s_.sounding.count(h) && s_.sounding[h]; }
  int32_t SetVolumeOfOgg(int32_t v, int32_t h) override { log("SetVolumeOfOgg", v, h); return 1; }
  int32_t SetPanOfOgg(int32_t p, int32_t h) override { log("SetPanOfOgg", p, h); return 1; }
  int32_t SetFrequencyOfOgg(int32_t f, int32_t h) override { log("SetFrequencyOfOgg", f, h); return 1; }
  int32_t OggSetPosition(int32_t h, int32_t o) override { log("OggSetPosition", h, o); return 1; }
  int32_t DecodeOggFileToBuffer(const std::string&, uint8_t* buffer, int32_t& bytes, int32_t& ch, int32_t& rate) override {
    const int32_t need = static_cast<int32_t>(s_.decoded.size() * 2);
    log("Decode", bytes);
    const int32_t capacity = bytes;
    bytes = need; ch = 2; rate = 22050;
    if (capacity < need) return 1;
    std::memcpy(buffer, s_.decoded.data(), need);
    return 1;
  }
  int32_t ShutdownOgg() override { log("ShutdownOgg"); return 1; }

 private:
  template <typename... A>
  void log(const std::string& name, A... args) {
    std::string line = name;
    ((line += " " + std::to_string(args)), ...);
    s_.calls.push_back(line);
  }
  FakeState& s_;
};

class OggPlayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.folder = scratch.Folder();
    for (const char* name : {"music.ogg", "Loop.OGG"}) scratch.File(name, "x");
  }
  std::unique_ptr<OggPlayers> Make(bool present = true) {
    auto p = std::make_unique<OggPlayers>(host, [this, present](const std::string& folder) -> std::unique_ptr<OggLibrary> {
      loadedFrom = folder;
      if (!present) return nullptr;
      return std::make_unique<FakeLibrary>(fake);
    });
    return p;
  }
  std::unique_ptr<OggPlayers> Started(int16_t count = 20) {
    auto p = Make();
    p->Resize(count);
    p->Start();
    fake.calls.clear();
    return p;
  }
  bool Called(const std::string& call) const {
    return std::find(fake.calls.begin(), fake.calls.end(), call) != fake.calls.end();
  }
  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(fake.calls.begin(), fake.calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
  }
  std::string Trace() { return trace.Text(); }

  ScratchFolder scratch;
  TraceCapture trace;
  Host host;
  FakeState fake;
  std::string loadedFrom;
};

TEST_F(OggPlayersTest, StartRunsThePumpOnlyWhenTheLibraryStarted) {
  auto p = Make();
  EXPECT_TRUE(loadedFrom.empty()) << "loaded before its first use";
  p->Start();
  EXPECT_EQ(loadedFrom, host.folder);
  EXPECT_TRUE(p->PumpEnabled());
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"InitOgg 0 0", "SetOggBufferSize 5"}));
  // The pump ticks while a stream sounds, and stops when none does.
  EXPECT_FALSE(p->PumpTicking()) << "nothing plays: an idle game must sleep";
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 101);
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < 80) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_GE(fake.updates, 3);
  fake.sounding.clear();
  p->Pump();
  EXPECT_FALSE(p->PumpTicking());
  p->Shutdown();
  EXPECT_FALSE(p->PumpEnabled());
  EXPECT_TRUE(Called("ShutdownOgg"));

  FakeState refusing;
  refusing.initResult = 0;
  OggPlayers q(host, [&](const std::string&) { return std::make_unique<FakeLibrary>(refusing); });
  q.Start();
  EXPECT_FALSE(q.PumpEnabled());
  EXPECT_EQ(refusing.calls, (std::vector<std::string>{"InitOgg 0 0"}));

  auto missing = Make(false);
  missing->Start();
  EXPECT_FALSE(missing->PumpEnabled());
}

TEST_F(OggPlayersTest, PlaysFromTheProgramFolderIgnoringCase) {
  auto p = Started();
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 101);
  EXPECT_TRUE(Called("PlayOggFromDisc music.ogg 0"));
  EXPECT_EQ(p->Play("LOOP.OGG", 0, -1, 0, 8), 102);
  EXPECT_TRUE(Called("PlayOggFromDisc Loop.OGG 1"));
  // Defaults leave the stream's volume, pan and rate alone.
  EXPECT_EQ(Count("SetVolumeOfOgg") + Count("SetPanOfOgg") + Count("SetFrequencyOfOgg"), 0);
  EXPECT_TRUE(p->IsPlaying(1));
}

TEST_F(OggPlayersTest, MissingFileAndRefusedStreams) {
  auto p = Started();
  EXPECT_EQ(p->Play("NONE.OGG", 0, -1, 0, 0), 0);
  EXPECT_NE(Trace().find("msgbox\tFile not found.\tFile: NONE.OGG does not exist!"), std::string::npos);
  EXPECT_EQ(Count("PlayOggFromDisc"), 0);

  fake.failPlays = true;
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 0);
  EXPECT_EQ(Trace().find("insufficient"), std::string::npos);
}

TEST_F(OggPlayersTest, ThreeDimensionalRequestIsRefusedButPlays) {
  auto p = Started();
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 1024), 101);
  EXPECT_NE(Trace().find("msgbox\tError.\tStandard OGG Files can not be 3d. File: " + host.folder + "MUSIC.OGG"), std::string::npos);
  EXPECT_TRUE(Called("PlayOggFromDisc music.ogg 0"));
}

TEST_F(OggPlayersTest, AllSlotsPlayingGivesTheHandlesMessage) {
  auto p = Started(3);
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 101);
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 102);
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 103);
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 0);
  EXPECT_NE(Trace().find("msgbox\tError!\tinsufficient OGG Handles available."), std::string::npos);

  auto none = Started(0);
  EXPECT_EQ(none->Play("MUSIC.OGG", 0, -1, 0, 0), 0);
}

TEST_F(OggPlayersTest, FinishedSlotsAreTakenInClassOrder) {
  auto p = Started(4);
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 128), 101);  // class 1
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 102);    // class 0
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 256), 103);  // class -1
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 2), 104);    // class 3: only DeleteSound frees it
  for (auto& [h, on] : fake.sounding) on = false;        // all played out

  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 8), 103);  // class -1 first; the old stream is stopped
  EXPECT_TRUE(Called("StopOgg 3"));
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 102);
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 101);
  // What is left is a finished class 3 slot and streams still playing (one looping).
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 0);
  EXPECT_FALSE(Called("StopOgg 4"));
  EXPECT_NE(Trace().find("insufficient OGG Handles available."), std::string::npos);

  // The looping stream's slot comes free only through DeleteSound.
  p->DeleteSound(3);
  EXPECT_TRUE(Called("StopOgg 5"));
  EXPECT_FALSE(p->IsPlaying(3));
  EXPECT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 103);
}

TEST_F(OggPlayersTest, VolumePanAndFrequencyMappings) {
  auto p = Started();
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 101);
  for (int i = 0; i < 4; ++i) p->Play("MUSIC.OGG", 0, -1, 0, 0);  // 105 is handle 5
  fake.calls.clear();
  p->SetVolume(5, -5000);
  p->SetVolume(5, 0);
  p->SetVolume(5, -4975);  // 0.5 goes to the even neighbour
  p->SetVolume(5, -4925);  // 1.5 goes to 2
  p->SetVolume(5, -10000);
  p->SetVolume(5, 500);
  p->SetPan(5, 3000);
  p->SetPan(5, -250);      // -2.5 goes to -2
  p->SetPan(5, -10000);    // clamped to the side
  p->SetFrequency(5, 0);
  p->SetFrequency(5, 11025);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{
      "SetVolumeOfOgg 0 5", "SetVolumeOfOgg 100 5", "SetVolumeOfOgg 0 5", "SetVolumeOfOgg 2 5",
      "SetVolumeOfOgg 0 5", "SetVolumeOfOgg 100 5", "SetPanOfOgg 30 5", "SetPanOfOgg -2 5",
      "SetPanOfOgg -50 5", "SetFrequencyOfOgg 0 5", "SetFrequencyOfOgg 11025 5"}));

  // The same mappings apply when a stream is opened with them; 0 volume, pan 0 and -1 are left alone.
  fake.calls.clear();
  EXPECT_EQ(p->Play("MUSIC.OGG", -2500, 22050, -1000, 0), 106);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"PlayOggFromDisc music.ogg 0", "SetVolumeOfOgg 50 6",
                                                  "SetPanOfOgg -10 6", "SetFrequencyOfOgg 22050 6"}));

  // Slots without a stream are skipped.
  fake.calls.clear();
  p->SetVolume(9, 0);
  p->SetPan(9, 100);
  p->StopPlay(9);
  p->DeleteSound(9);
  p->SetVolume(200, 0);
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_FALSE(p->IsPlaying(9));
}

TEST_F(OggPlayersTest, PauseMarksAndTheToggle) {
  auto p = Started();
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 4), 101);  // opened paused
  EXPECT_TRUE(Called("PauseOgg 1"));
  EXPECT_FALSE(p->IsPlaying(1));
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 102);
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 103);
  fake.sounding[3] = false;  // played out, never paused

  fake.calls.clear();
  p->PauseAll();
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"PauseOgg 2"}));
  EXPECT_FALSE(p->IsPlaying(2));

  // A marked stream that reports itself playing must not be toggled back into a pause.
  fake.pausedInLib[2] = false;
  fake.sounding[2] = true;
  fake.calls.clear();
  p->UnPauseAll();
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"PauseOgg 1"}));
  EXPECT_TRUE(p->IsPlaying(1));
  EXPECT_TRUE(p->IsPlaying(2));
  fake.calls.clear();
  p->UnPauseAll();  // marks are cleared: nothing more to resume
  EXPECT_TRUE(fake.calls.empty());

  p->StopPlay(2);
  fake.calls.clear();
  p->UnpauseOne(3);  // not marked
  p->UnpauseOne(2);
  p->UnpauseOne(2);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"PauseOgg 2"}));
  EXPECT_TRUE(p->IsPlaying(2));
}

TEST_F(OggPlayersTest, PlayOpenedSoundPositionsAndLeavesItPaused) {
  auto p = Started();
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 0), 101);
  fake.calls.clear();
  p->PlayOpenedSound(1, 4000, 0);
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"PauseOgg 1", "OggSetPosition 1 4000"}));
  EXPECT_FALSE(p->IsPlaying(1));
  p->UnpauseOne(1);
  EXPECT_TRUE(p->IsPlaying(1));
}

TEST_F(OggPlayersTest, ShutdownForgetsEveryStream) {
  auto p = Started();
  ASSERT_EQ(p->Play("MUSIC.OGG", 0, -1, 0, 4), 101);
  p->Shutdown();
  fake.calls.clear();
  p->DeleteSound(1);
  p->UnPauseAll();
  EXPECT_TRUE(fake.calls.empty());
}

TEST_F(OggPlayersTest, DecodeWholeUsesTheTwoCallProtocol) {
  auto p = Make();
  std::vector<int16_t> pcm;
  int channels = 0, rate = 0;
  ASSERT_TRUE(p->DecodeWhole(host.folder + "MUSIC.OGG", pcm, channels, rate));
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"Decode 0", "Decode 8"}));
  EXPECT_EQ(pcm, fake.decoded);
  EXPECT_EQ(channels, 2);
  EXPECT_EQ(rate, 22050);

  fake.decoded.clear();
  EXPECT_FALSE(p->DecodeWhole(host.folder + "MUSIC.OGG", pcm, channels, rate));
  // Without the library the decode fails; the program goes on.
  auto missing = Make(false);
  EXPECT_FALSE(missing->DecodeWhole(host.folder + "MUSIC.OGG", pcm, channels, rate));
}

TEST_F(OggPlayersTest, MissingLibraryEndsTheProgramWithTheMessage) {
  // Forked, so the child writes to this test's trace file.
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "fast");
  auto p = Make(false);
  p->Start();
  bool shutdownRan = false;
  p->SetShutdownHandler([&] {
    shutdownRan = true;
    Trace::write("shutdown");
  });
  EXPECT_EXIT(p->Play("MUSIC.OGG", 0, -1, 0, 0), ::testing::ExitedWithCode(EXIT_FAILURE), "");
  GTEST_FLAG_SET(death_test_style, style);
  const std::string t = Trace();
  const size_t box = t.find("msgbox\tError\tOGG DLL is missing.");
  ASSERT_NE(box, std::string::npos) << t;
  EXPECT_NE(t.find("shutdown", box), std::string::npos) << "the engine was not shut down first";
  EXPECT_FALSE(shutdownRan);  // that happened in the child
}

}  // namespace
