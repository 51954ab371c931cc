// The song operations against a fake media graph: positions, run ends,
// timer intervals and the player table.
#include "tests/support/TraceCapture.h"
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/Trace.h"
#include "sound/SongPlayers.h"
#include "test_song_util.h"

using songtest::FakeGraph;
using songtest::FakeHost;
using songtest::TempFolder;

namespace {

class SongPlayersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.folder = dir.path.string() + "/";
    dir.File("SONG.MP3", "x");
  }

  // Opens a song the way the game does and makes it the game's song.
  FakeGraph& OpenSong(double length = 100.0) {
    nextLength = length;
    int16_t index = players.PlaySound("SONG.MP3");
    EXPECT_GT(index, 200);
    players.UseSong(static_cast<int16_t>(index - 200));
    return *graphs.back();
  }
  std::string Trace() { return trace.Text(); }

  TempFolder dir;
  TraceCapture trace;
  FakeHost host;
  std::vector<FakeGraph*> graphs;
  double nextLength = 100.0;
  bool nextRenders = true;
  struct Players : SongPlayers {
    using SongPlayers::SongPlayers;
    int16_t PlaySound(const std::string& name, int16_t flags = 0) { return PlayMP3Sound(name, 0, -1, 0, flags); }
  } players{host, [this] {
    auto g = std::make_unique<FakeGraph>();
    g->length = nextLength;
    g->renders = nextRenders;
    graphs.push_back(g.get());
    return g;
  }};
};

TEST_F(SongPlayersTest, OpeningPlaysFromTheStartWithTheCallersSettings) {
  FakeGraph& g = OpenSong();
  EXPECT_EQ(g.path, (dir.path / "SONG.MP3").string());
  EXPECT_TRUE(g.running);
  EXPECT_EQ(g.pos, 0.0);
  EXPECT_LT(g.stopAt, 0);
  EXPECT_EQ(g.volume, 0);
  EXPECT_EQ(g.balance, 0);
  players.SetMP3Volume(-3000);
  EXPECT_EQ(g.volume, -3000);

  // Flag 4 opens paused; 1024 (3D) is refused with a message but the song opens.
  int16_t index = players.PlayMP3Sound("SONG.MP3", -500, 44100, 7000, 4 | 1024);
  ASSERT_GT(index, 200);
  FakeGraph& h = *graphs.back();
  EXPECT_NE(Trace().find("Standard MP3 Files can not be 3d. File: " + host.folder + "SONG.MP3"), std::string::npos);
  EXPECT_EQ(h.volume, -500);
  EXPECT_EQ(h.balance, 5000) << "pan is limited to -5000..5000";
  EXPECT_DOUBLE_EQ(h.rate, 2.0);
  EXPECT_FALSE(h.running);
  players.UnpauseOneMP3(index);
  EXPECT_TRUE(h.running);
}

TEST_F(SongPlayersTest, TilesOfTwoAndAHalfSeconds) {
  FakeGraph& g = OpenSong();
  players.PlayTile(3, 3, 2.5f);
  EXPECT_TRUE(g.running);
  EXPECT_DOUBLE_EQ(g.pos, 5.0);
  EXPECT_DOUBLE_EQ(g.stopAt, 7.5);
  EXPECT_EQ(host.timerInterval, 2500);
  EXPECT_TRUE(host.timerEnabled);

  // A new run cancels the old one: paused first, and the old end no longer applies.
  int pauses = g.pauses;
  players.PlayTile(1, 8, 2.5f);
  EXPECT_EQ(g.pauses, pauses + 1);
  EXPECT_DOUBLE_EQ(g.pos, 0.0);
  EXPECT_DOUBLE_EQ(g.stopAt, 20.0);
  EXPECT_EQ(host.timerInterval, 20000);

  // The timer's handler pauses the song; the graph itself has held at the run's end.
  g.Advance(30);
  EXPECT_DOUBLE_EQ(g.pos, 20.0);
  players.PauseMP3();
  EXPECT_FALSE(g.running);
  EXPECT_FALSE(host.timerEnabled);
  EXPECT_TRUE(players.isMP3Playing()) << "a song paused in the middle still counts as playing";

  players.PlayOriginalTile(4, 2.5);
  EXPECT_DOUBLE_EQ(g.pos, 7.5);
  EXPECT_DOUBLE_EQ(g.stopAt, 10.0);
  EXPECT_EQ(host.timerInterval, 2500);

  // A piece of a tile, to hear a volume by: the tile's start, never past its end.
  players.PlayPiece(4, 2.5f, 0.6f);
  EXPECT_DOUBLE_EQ(g.pos, 7.5);
  EXPECT_NEAR(g.stopAt, 8.1, 1e-6);
  EXPECT_EQ(host.timerInterval, 600);
  players.PlayPiece(4, 0.5f, 0.6f);
  EXPECT_DOUBLE_EQ(g.stopAt, 2.0);

  players.PlayEntireSong();
  EXPECT_TRUE(g.running);
  EXPECT_DOUBLE_EQ(g.pos, 0.0);
  EXPECT_LT(g.stopAt, 0) << "the whole song plays to its end";
  EXPECT_FALSE(host.timerEnabled);
  g.Advance(99);
  EXPECT_TRUE(players.IsSongRunning());
  g.Advance(1000);
  EXPECT_FALSE(players.isMP3Playing());
  EXPECT_FALSE(players.IsSongRunning()) << "played out: the win's question may come";
}

// The tile timer may fire before the run's last sample has played (a coarse
// timer, or a device that started late): the pause waits for that sample.
TEST_F(SongPlayersTest, TileTimerPausesOnlyOnceTheRunHasPlayedOut) {
  FakeGraph& g = OpenSong();
  players.PlayTile(3, 3, 2.5f);
  g.Advance(2.4);
  players.TileTimerDue();
  EXPECT_TRUE(g.running) << "0.1 s of the tile was still to be heard";
  EXPECT_TRUE(host.timerEnabled);
  EXPECT_EQ(host.timerInterval, 100);
  g.Advance(0.1);
  players.TileTimerDue();
  EXPECT_FALSE(g.running);
  EXPECT_FALSE(host.timerEnabled);
  EXPECT_EQ(Trace().substr(Trace().rfind("songpause")), "songpause\t7.5\n") << "paused at the run's end";
}

// A cue for after the tile (the bump at the board's edge, the marker) sounds
// once the run has played out, never over it, and a new run drops it.
TEST_F(SongPlayersTest, ACueAfterTheRunWaitsForItsEndAndANewRunDropsIt) {
  FakeGraph& g = OpenSong();
  int cues = 0;
  players.PlayTile(3, 3, 2.0f);
  players.CueAfterRun([&] { ++cues; });
  g.Advance(1.0);
  players.TileTimerDue();
  EXPECT_EQ(cues, 0) << "the tile still plays";
  g.Advance(1.0);
  players.TileTimerDue();
  EXPECT_EQ(cues, 1);
  players.TileTimerDue();
  EXPECT_EQ(cues, 1) << "once";

  // A key held down: each new run drops the cue the last one left waiting.
  players.PlayTile(3, 3, 2.0f);
  players.CueAfterRun([&] { ++cues; });
  players.PlayTile(3, 3, 2.0f);
  players.CueAfterRun([&] { ++cues; });
  g.Advance(2.0);
  players.TileTimerDue();
  EXPECT_EQ(cues, 2) << "one cue for the last run only";

  // Nothing playing: at once.
  players.CueAfterRun([&] { ++cues; });
  EXPECT_EQ(cues, 3);
}

TEST_F(SongPlayersTest, TimerIntervals) {
  FakeGraph& g = OpenSong(200);
  // 75 s is too long for the timer: none is set, yet the run still ends on its last tile.
  players.PlayTile(1, 15, 5.0f);
  EXPECT_TRUE(g.running);
  EXPECT_DOUBLE_EQ(g.pos, 0.0);
  EXPECT_FALSE(host.timerEnabled);
  EXPECT_DOUBLE_EQ(g.stopAt, 75.0);

  players.PlayTile(1, 2, 32.767f);
  EXPECT_TRUE(host.timerEnabled);
  EXPECT_EQ(host.timerInterval, 65534);
  players.PlayTile(1, 2, 32.768f);
  EXPECT_FALSE(host.timerEnabled);

  // Halves go to the even neighbour.
  players.PlayTile(1, 1, 1.0625f);
  EXPECT_EQ(host.timerInterval, 1062);
  players.PlayTile(2, 4, 1.0625f);
  EXPECT_EQ(host.timerInterval, 3188);
  players.PlayOriginalTile(3, 1.0625);
  EXPECT_EQ(host.timerInterval, 1062);
}

TEST_F(SongPlayersTest, SilentCases) {
  FakeGraph& g = OpenSong();
  players.PlayTile(2, 2, 2.5f);
  players.PlayTile(4, 3, 2.5f);  // backward: nothing, rather than the rest of the song
  EXPECT_FALSE(g.running);
  EXPECT_FALSE(host.timerEnabled);

  players.PlayTile(2, 2, 2.0f);
  players.UseSong(0);
  players.PauseMP3();
  EXPECT_TRUE(host.timerEnabled) << "no song: the timer is left as it was";
  EXPECT_TRUE(g.running);
  EXPECT_FALSE(players.isMP3Playing());
  players.PlayTile(1, 1, 2.0f);
  players.PlayEntireSong();
  EXPECT_TRUE(players.IsSongTooShort(8, 2.0f));
}

TEST_F(SongPlayersTest, TooShortOnThreeByThreeWithTwoSecondTiles) {
  for (double length : {13.0, 14.0, 14.5, 15.0}) {
    SCOPED_TRACE(length);
    FakeGraph& g = OpenSong(length);
    players.PlayTile(2, 2, 2.0f);
    EXPECT_EQ(players.IsSongTooShort(8, 2.0f), length <= 14.0);
    // A question: the tile plays on, where it was, with its timer.
    EXPECT_TRUE(g.running);
    EXPECT_DOUBLE_EQ(g.pos, 2.0);
    EXPECT_TRUE(host.timerEnabled);
  }
  // 9 × 9: the last of 80 tiles starts at 158 s.
  OpenSong(158.0);
  EXPECT_TRUE(players.IsSongTooShort(80, 2.0f));
  OpenSong(158.5);
  EXPECT_FALSE(players.IsSongTooShort(80, 2.0f));
}

TEST_F(SongPlayersTest, PlayerTable) {
  std::vector<int16_t> got;
  for (int i = 0; i < 20; ++i) got.push_back(players.PlaySound("SONG.MP3"));
  for (int i = 0; i < 20; ++i) EXPECT_EQ(got[static_cast<size_t>(i)], 201 + i);
  for (FakeGraph* g : graphs) g->Pause();  // paused songs still hold their players
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 0) << "the 21st song";
  graphs[6]->pos = graphs[6]->length;  // played to its end: taken over
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 207);

  // A finished class 3 player is never taken; a deleted one is.
  graphs.clear();
  players.Resize(2);
  EXPECT_EQ(players.PlaySound("SONG.MP3", 2), 201);
  EXPECT_EQ(players.PlaySound("SONG.MP3", 256), 202);
  graphs[0]->pos = graphs[0]->length;
  graphs[1]->pos = graphs[1]->length;
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 202);
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 0);
  players.DeleteSound(1);
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 201);
}

TEST_F(SongPlayersTest, MissingAndUnplayableFiles) {
  EXPECT_EQ(players.PlaySound("GONE.MP3"), 0);
  EXPECT_NE(Trace().find("File: GONE.MP3 does not exist!"), std::string::npos);
  EXPECT_TRUE(graphs.empty());

  nextRenders = false;
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 0);
  nextRenders = true;
  EXPECT_EQ(players.PlaySound("SONG.MP3"), 201) << "a failed open leaves the slot free";

  // Names come in upper case; the file on disk need not be.
  dir.File("Mixed Case.mp3", "x");
  EXPECT_EQ(players.PlaySound("MIXED CASE.MP3"), 202);
  EXPECT_EQ(graphs.back()->path, (dir.path / "Mixed Case.mp3").string());
  EXPECT_EQ(players.PlaySound(dir.path.string() + "/SONG.MP3"), 203) << "an absolute path stands as it is";
}

TEST_F(SongPlayersTest, PauseAllUnpauseAndPlayOpenedSound) {
  FakeGraph& a = OpenSong();
  players.PlaySound("SONG.MP3");
  FakeGraph& b = *graphs.back();
  b.pos = b.length;  // ended: not paused by pause-all, so not resumed either
  b.running = false;
  players.PauseAll();
  EXPECT_FALSE(a.running);
  players.UnPauseAll();
  EXPECT_TRUE(a.running);
  EXPECT_FALSE(b.running);

  players.PlayOpenedSound(1, 12, 0);
  EXPECT_DOUBLE_EQ(a.pos, 12.0);
  EXPECT_FALSE(a.running) << "stays paused until unpaused";
  players.UnpauseOne(1);
  EXPECT_TRUE(a.running);
}

TEST_F(SongPlayersTest, TraceShowsRunsAndPauses) {
  OpenSong();
  players.PlayTile(3, 3, 2.5f);
  players.PauseMP3();
  std::string t = Trace();
  EXPECT_NE(t.find("\tsongrun\t0\t0\n"), std::string::npos);
  EXPECT_NE(t.find("\tsongrun\t5\t2500\n"), std::string::npos);
  EXPECT_NE(t.find("\tsongpause\t5\n"), std::string::npos);
}

}  // namespace
