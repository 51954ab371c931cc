// Real MP3 files through the real graph and an OpenAL loopback device: what
// is rendered must be exactly what a straight decode has at that place.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "sound/SongPlayers.h"
#include "test_song_util.h"

using namespace songtest;

namespace {

constexpr int kRate = 44100;

// Files are written once for the whole suite: encoding takes a moment.
struct Songs {
  TempFolder dir;
  std::string cbr, vbr, busy, s14, s15;
  Songs() {
    cbr = (dir.path / "CBR.MP3").string();
    vbr = (dir.path / "VBR.MP3").string();
    busy = (dir.path / "BUSY.MP3").string();
    s14 = (dir.path / "S14.MP3").string();
    s15 = (dir.path / "S15.MP3").string();
    WriteToneMp3(cbr, 5, 0.5, false);
    WriteToneMp3(vbr, 5, 0.5, true);
    WriteBusyMp3(busy, 6.0, true);
    WriteToneMp3(s14, 7, 2.0, false);
    WriteToneMp3(s15, 7, 2.0, false, 1.0);
  }
};
Songs& songs() {
  static Songs s;
  return s;
}

class SongAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TUNZLE_NO_SYSTEM_BOX", "1", 1);
    ASSERT_TRUE(loop.ok());
    host.folder = songs().dir.path.string() + "/";
  }
  // Opens a song as the game does and stops it, as the game's first pause would.
  Mp3Graph* Open(const std::string& path) {
    int16_t index = players->PlayMP3Sound(path, 0, -1, 0, 0);
    if (index <= 200) return nullptr;
    slot = static_cast<int16_t>(index - 200);
    players->UseSong(slot);
    players->PauseMP3();
    return dynamic_cast<Mp3Graph*>(players->Graph(slot));
  }
  static size_t Frames(double seconds) { return static_cast<size_t>(std::llround(seconds * kRate)); }
  static void ExpectSame(const float* got, const float* want, size_t frames, const char* what) {
    size_t bad = 0, first = 0;
    for (size_t i = 0; i < frames * 2; ++i)
      if (got[i] != want[i] && bad++ == 0) first = i / 2;
    EXPECT_EQ(bad, 0u) << what << ": first differing frame " << first;
  }
  static bool Silent(const float* p, size_t frames) {
    for (size_t i = 0; i < frames * 2; ++i)
      if (p[i] != 0.0f) return false;
    return true;
  }

  Loopback loop;  // lives longer than the players, whose sources it holds
  FakeHost host;
  std::unique_ptr<SongPlayers> players = std::make_unique<SongPlayers>(host);
  int16_t slot = 0;  // the open song's
};

TEST_F(SongAudioTest, ATileSoundsExactlyItsOwnStretchAndThenSilence) {
  for (const std::string* path : {&songs().cbr, &songs().vbr}) {
    SCOPED_TRACE(*path);
    Mp3Graph* g = Open(*path);
    ASSERT_NE(g, nullptr);
    ASSERT_TRUE(g->HasDevice());
    EXPECT_DOUBLE_EQ(g->StopTime(), 2.5) << "gapless, exact length";
    std::vector<float> straight = StraightDecode(*path);
    const size_t tile = Frames(0.5);
    for (int k : {3, 1, 5, 2}) {
      SCOPED_TRACE(k);
      players->PlayTile(static_cast<int16_t>(k), static_cast<int16_t>(k), 0.5f);
      EXPECT_TRUE(host.timerEnabled);
      EXPECT_EQ(host.timerInterval, 500);
      std::vector<float> out = loop.Render(g, tile + Frames(0.3));
      ExpectSame(out.data(), AsPlayed(straight, (k - 1) * tile, tile, tile).data(), tile, "tile");
      EXPECT_EQ(LoudestTile(out.data() + 2000 * 2, tile - 4000, 6), k);
      EXPECT_TRUE(Silent(out.data() + tile * 2, Frames(0.3))) << "the run ends on its last sample";
      EXPECT_NEAR(g->CurrentPosition(), k * 0.5, 1e-9) << "held at the run's end";
      EXPECT_EQ(players->isMP3Playing(), k < 5) << "only the last tile reaches the song's end";
      players->PauseMP3();  // what the tile timer does
    }
  }
}

TEST(SongEdgeFade, RunsRiseFromNearSilenceAndFallBackInFourMilliseconds) {
  const int64_t fade = EdgeFadeFrames(44100);
  EXPECT_EQ(fade, 176);
  for (int64_t run : {int64_t{1000}, fade + 10}) {
    SCOPED_TRACE(run);
    std::vector<float> ones(static_cast<size_t>(run) * 2, 1.0f);
    // In two pieces, as the feeder's chunks arrive.
    ApplyEdgeFade(ones.data(), 100, 0, run, fade);
    ApplyEdgeFade(ones.data() + 200, run - 100, 100, run - 100, fade);
    EXPECT_LT(ones.front(), 0.01f);
    EXPECT_LT(ones.back(), 0.01f);
    for (int64_t i = 1; i < run; ++i) {
      if (i <= run / 2) ASSERT_GE(ones[2 * i], ones[2 * i - 2]) << i;
      else ASSERT_LE(ones[2 * i], ones[2 * i - 2]) << i;
      ASSERT_EQ(ones[2 * i], ones[2 * i + 1]) << "both sides alike";
      ASSERT_EQ(ones[2 * i] == 1.0f, i >= fade && i < run - fade) << i;
    }
  }
}

TEST_F(SongAudioTest, ARunOfTilesPlaysStraightThrough) {
  Mp3Graph* g = Open(songs().vbr);
  ASSERT_NE(g, nullptr);
  std::vector<float> straight = StraightDecode(songs().vbr);
  players->PlayTile(2, 4, 0.5f);
  EXPECT_EQ(host.timerInterval, 1500);
  std::vector<float> out = loop.Render(g, Frames(1.7));
  ExpectSame(out.data(), AsPlayed(straight, Frames(0.5), Frames(1.5), Frames(1.5)).data(), Frames(1.5), "tiles 2..4");
  EXPECT_TRUE(Silent(out.data() + Frames(1.5) * 2, Frames(0.2)));
}

TEST_F(SongAudioTest, ASourceThatRunsDryGoesOnWhereItStopped) {
  // A server that asks for far more than the feeder has queued (after an
  // underrun of its own) empties the source: the rest follows the gap.
  Mp3Graph* g = Open(songs().vbr);
  ASSERT_NE(g, nullptr);
  std::vector<float> straight = StraightDecode(songs().vbr);
  players->PlayTile(1, 5, 0.5f);
  std::vector<float> out = loop.Render(g, Frames(0.2));
  std::vector<float> burst(Frames(1.0) * 2);
  loop.Render(burst.data(), Frames(1.0));  // one call, the feeder no chance to keep up
  std::vector<float> rest = loop.Render(g, Frames(2.5));
  out.insert(out.end(), burst.begin(), burst.end());
  out.insert(out.end(), rest.begin(), rest.end());
  // What is heard, less the stretches of silence (the tone song has none of its own).
  std::vector<float> heard;
  size_t gaps = 0;
  for (size_t i = 0; i < out.size() / 2;) {
    size_t j = i;
    while (j < out.size() / 2 && out[2 * j] == 0.0f && out[2 * j + 1] == 0.0f) ++j;
    if (j - i >= 64) {
      gaps += j < out.size() / 2;
      i = j;
      continue;
    }
    heard.insert(heard.end(), out.begin() + 2 * i, out.begin() + 2 * std::max(j, i + 1));
    i = std::max(j, i + 1);
  }
  ASSERT_GE(gaps, 1u) << "the source never ran dry";
  ASSERT_EQ(heard.size(), Frames(2.5) * 2) << "the whole song, once, nothing skipped";
  ExpectSame(heard.data(), AsPlayed(straight, 0, Frames(2.5), Frames(2.5)).data(), Frames(2.5),
             "the song around the gap");
}

TEST_F(SongAudioTest, ASecondTileCutsTheFirst) {
  Mp3Graph* g = Open(songs().cbr);
  ASSERT_NE(g, nullptr);
  std::vector<float> straight = StraightDecode(songs().cbr);
  const size_t tile = Frames(0.5);
  players->PlayTile(1, 1, 0.5f);
  std::vector<float> a = loop.Render(g, Frames(0.2));
  ExpectSame(a.data(), AsPlayed(straight, 0, Frames(0.2), tile).data(), Frames(0.2), "first tile");
  players->PlayTile(4, 4, 0.5f);
  std::vector<float> b = loop.Render(g, tile + 1000);
  ExpectSame(b.data(), AsPlayed(straight, 3 * tile, tile, tile).data(), tile, "second tile from its start");
  EXPECT_TRUE(Silent(b.data() + tile * 2, 1000));
}

TEST_F(SongAudioTest, SeeksLandExactlyEvenInABusyVariableRateFile) {
  Mp3Graph* g = Open(songs().busy);
  ASSERT_NE(g, nullptr);
  std::vector<float> straight = StraightDecode(songs().busy);
  ASSERT_EQ(straight.size(), Frames(6.0) * 2);
  EXPECT_DOUBLE_EQ(g->StopTime(), 6.0);
  const size_t span = 2048;
  for (double at : {0.0, 0.013, 0.9, 1.2345, 2.5, 3.61, 4.999, 5.9}) {
    SCOPED_TRACE(at);
    g->SetStopAt(at + static_cast<double>(span) / kRate);
    g->SetCurrentPosition(at);
    g->Run();
    std::vector<float> out = loop.Render(g, span);
    size_t from = static_cast<size_t>(std::llround(at * kRate));
    size_t n = std::min(span, straight.size() / 2 - from);
    ExpectSame(out.data(), AsPlayed(straight, from, n, n).data(), n, "after the seek");
    g->Pause();
  }
}

TEST_F(SongAudioTest, TooShortOnThreeByThreeWithTwoSecondTiles) {
  struct Case {
    const std::string* path;
    bool tooShort;
  };
  for (Case c : {Case{&songs().s14, true}, Case{&songs().s15, false}}) {
    SCOPED_TRACE(*c.path);
    Mp3Graph* g = Open(*c.path);
    ASSERT_NE(g, nullptr);
    g->Pause();
    EXPECT_EQ(players->IsSongTooShort(8, 2.0f), c.tooShort);
    EXPECT_TRUE(Silent(loop.Render(g, 4096).data(), 4096)) << "a question starts nothing";
  }
}

TEST_F(SongAudioTest, VolumeAndBalanceAreAppliedToWhatIsHeard) {
  Mp3Graph* g = Open(songs().cbr);
  ASSERT_NE(g, nullptr);
  std::vector<float> straight = StraightDecode(songs().cbr);
  players->SetPan(slot, 2000);  // left side 20 dB down
  players->SetMP3Volume(-600);
  players->PlayTile(2, 2, 0.5f);
  std::vector<float> out = loop.Render(g, 8000);
  const float* want = straight.data() + Frames(0.5) * 2;
  double gain = std::pow(10.0, -600 / 2000.0);
  for (size_t i = 4000; i < 4100; ++i) {
    EXPECT_NEAR(out[2 * i], want[2 * i] * 0.1 * gain, 1e-4);
    EXPECT_NEAR(out[2 * i + 1], want[2 * i + 1] * gain, 1e-4);
  }
}

TEST_F(SongAudioTest, BadFilesGetNoPlayerAndTruncatedOnesPlayWhatThereIs) {
  TempFolder dir;
  std::string empty = dir.File("EMPTY.MP3");
  std::string text = dir.File("TEXT.MP3", std::string(5000, 'a') + "\nnot a song\n");
  std::string bytes = ReadText(songs().s15);
  std::string cut = dir.File("CUT.MP3", bytes.substr(0, bytes.size() / 2));
  std::string junk = dir.File("JUNK.MP3", bytes.substr(bytes.size() / 2, 10));
  EXPECT_EQ(players->PlayMP3Sound(empty, 0, -1, 0, 0), 0);
  EXPECT_EQ(players->PlayMP3Sound(text, 0, -1, 0, 0), 0);
  EXPECT_EQ(players->PlayMP3Sound(junk, 0, -1, 0, 0), 0);

  Mp3Graph* g = Open(cut);
  ASSERT_NE(g, nullptr);
  EXPECT_GT(g->StopTime(), 6.0);
  EXPECT_LT(g->StopTime(), 9.0);
  players->PlayTile(7, 7, 2.0f);  // past the end: nothing to hear, no hang
  EXPECT_TRUE(Silent(loop.Render(g, 4096).data(), 4096));
  EXPECT_FALSE(players->isMP3Playing());
  players->PlayTile(2, 2, 2.0f);
  std::vector<float> out = loop.Render(g, Frames(1.0));
  EXPECT_EQ(LoudestTile(out.data() + 4000 * 2, Frames(1.0) - 4000, 8), 2);
}

TEST(SongSilentTest, WithoutADeviceTheSongStillOpensAndKeepsTime) {
  // Whatever another test left current, this one runs with no device.
  ALCcontext* saved = alcGetCurrentContext();
  alcMakeContextCurrent(nullptr);
  struct Restore {
    ALCcontext* c;
    ~Restore() { alcMakeContextCurrent(c); }
  } restore{saved};
  FakeHost host;
  host.folder = songs().dir.path.string() + "/";
  SongPlayers players(host);
  int16_t index = players.PlayMP3Sound("S15.MP3", 0, -1, 0, 0);
  ASSERT_GT(index, 200);
  players.UseSong(static_cast<int16_t>(index - 200));
  auto* g = dynamic_cast<Mp3Graph*>(players.Graph(static_cast<int16_t>(index - 200)));
  ASSERT_NE(g, nullptr);
  EXPECT_FALSE(g->HasDevice());
  EXPECT_DOUBLE_EQ(g->StopTime(), 15.0);
  EXPECT_TRUE(players.isMP3Playing());

  players.PlayTile(3, 3, 0.1f);
  double start = g->CurrentPosition();
  EXPECT_GE(start, 0.2);
  EXPECT_LE(start, 0.3);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_DOUBLE_EQ(g->CurrentPosition(), 0.3) << "holds at the run's end";
  players.PauseMP3();
  EXPECT_DOUBLE_EQ(g->CurrentPosition(), 0.3);
  EXPECT_FALSE(players.IsSongTooShort(8, 2.0f));
  players.PlayEntireSong();
  EXPECT_LT(g->CurrentPosition(), 1.0);
}

// A real-time (silent) device: the song goes on while the calling thread
// does nothing at all, as during the game's intro.
TEST(SongRealTimeTest, PlaysOnWhileTheCallerIsBlocked) {
  ALCcontext* saved = alcGetCurrentContext();
  ALCdevice* device = alcOpenDevice(nullptr);
  ASSERT_NE(device, nullptr);
  ALCcontext* context = alcCreateContext(device, nullptr);
  alcMakeContextCurrent(context);
  {
    FakeHost host;
    host.folder = songs().dir.path.string() + "/";
    SongPlayers players(host);
    int16_t index = players.PlayMP3Sound("S15.MP3", 0, -1, 0, 0);
    ASSERT_GT(index, 200);
    auto* g = dynamic_cast<Mp3Graph*>(players.Graph(static_cast<int16_t>(index - 200)));
    ASSERT_TRUE(g && g->HasDevice());
    // Reading the position feeds nothing; a loaded machine only makes the wait longer.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (g->CurrentPosition() <= 0.5 && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_GT(g->CurrentPosition(), 0.5) << "the device heard the song without the caller feeding it";
  }
  alcMakeContextCurrent(saved);
  alcDestroyContext(context);
  alcCloseDevice(device);
}

}  // namespace
