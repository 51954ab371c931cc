// Sound names: texts, wildcards, letter case and the choice of player.
#include "test_sound_support.h"

#include "base/VB.h"

using namespace soundtest;

namespace {

struct NameTest : ::testing::Test {
  TraceCapture trace;
  FakeEngine e;
  RecordingPlayers oggs{100}, songs{200};
  void SetUp() override {
    e.sound->SetOggPlayers(&oggs);
    e.sound->SetSongPlayers(&songs);
    e.sound->DSInit();
  }
};

TEST_F(NameTest, BlankNameDoesNothing) {
  EXPECT_EQ(e.Play("   "), 0);
  EXPECT_EQ(e.Play(""), 0);
  EXPECT_TRUE(e.host.log.empty());
  EXPECT_EQ(trace.Count("sound\t\t0"), 0);
}

TEST_F(NameTest, HashNamesAreSpokenAndPlayOnlyWhenAFileHasThatName) {
  EXPECT_EQ(e.Play("##Hello"), 0);
  EXPECT_EQ(e.host.log, (std::vector<std::string>{"stop", "speak:Hello"}));
  e.host.log.clear();
  EXPECT_EQ(e.Play("#Hello"), 0);
  EXPECT_EQ(e.host.log, (std::vector<std::string>{"speak:Hello"}));
  EXPECT_EQ(trace.Count("sound\tHELLO\t0"), 2);

  WriteToneWav(e.dir / "hello", 440, 0.01);
  EXPECT_GT(e.Play("#hello"), 0);
}

TEST_F(NameTest, WildcardPicksANumberUpToItsDigits) {
  WriteToneWav(e.dir / "step1.wav", 440, 0.01);
  WriteToneWav(e.dir / "step12.wav", 440, 0.01);
  std::vector<int32_t> asked;
  int32_t answer = 12;
  e.sound->SetRandom([&](int32_t n) {
    asked.push_back(n);
    return std::min(answer, n);
  });
  const int16_t i = e.Play("step*12.wav");
  ASSERT_GT(i, 0);
  EXPECT_EQ(e.sound->Slot(i).Name, "STEP12.WAV");
  EXPECT_EQ(asked.front(), 12);
  answer = 1;
  const int16_t j = e.Play("step*2.wav");
  EXPECT_EQ(e.sound->Slot(j).Name, "STEP1.WAV");
  EXPECT_EQ(trace.Count("sound\tSTEP1.WAV\t" + std::to_string(j)), 1);
}

TEST_F(NameTest, WildcardWithoutOneToThreeDigitsIsReported) {
  for (const std::string name : {"step*.wav", "step*1234.wav", "#step*x"}) {
    EXPECT_EQ(e.Play(name), 0) << name;
  }
  const std::string msg = "msgbox\tError in PlaySound\tWildcard wave file must have 1 to 3 digit number after asterisk. File: ";
  EXPECT_EQ(trace.Count(msg + "step*.wav"), 1);
  EXPECT_EQ(trace.Count(msg + "step*1234.wav"), 1);
  EXPECT_EQ(trace.Count(msg + "step*x"), 1);
}

TEST_F(NameTest, FilesAreFoundWhateverTheirLetterCase) {
  WriteToneWav(e.dir / "noTile.wav", 440, 0.01);
  const int16_t i = e.Play("NOTILE.wav");
  ASSERT_GT(i, 0);
  EXPECT_EQ(e.sound->Slot(i).Name, "NOTILE.WAV");
  EXPECT_EQ(trace.Count("sound\tNOTILE.WAV\t" + std::to_string(i)), 1);
  // A full path works too.
  WriteToneWav(e.dir / "Full.wav", 440, 0.01);
  EXPECT_GT(e.Play((e.dir / "Full.wav").string()), 0);
}

TEST_F(NameTest, SongAndOggNamesGoToTheirPlayers) {
  EXPECT_EQ(songs.calls, (std::vector<std::string>{"Resize 20"}));
  EXPECT_EQ(oggs.calls, (std::vector<std::string>{"Resize 20", "Start"}));
  EXPECT_EQ(e.Play("song.mp3"), 201);
  EXPECT_EQ(songs.calls.back(), "Play SONG.MP3");
  EXPECT_EQ(e.Play("Music.ogg"), 101);
  EXPECT_EQ(oggs.calls.back(), "Play MUSIC.OGG");
  EXPECT_EQ(trace.Count("sound\tSONG.MP3\t201"), 1);
  EXPECT_EQ(trace.Count("sound\tMUSIC.OGG\t101"), 1);
}

TEST_F(NameTest, ASongIsAPathWhateverItsExtensionAndAnExistingStarIsNoWildcard) {
  for (const std::string name : {"/m/Song.ogg", "/m/b.WAV", "/m/c.flac"}) {
    EXPECT_EQ(e.sound->PlaySong(name), 201) << name;
    EXPECT_EQ(songs.calls.back(), "Play " + name);
    EXPECT_EQ(trace.Count("sound\t" + UCase(name) + "\t201"), 1);
  }
  EXPECT_TRUE(oggs.calls.back() == "Start") << "no song went to the Ogg streams";
  std::ofstream(e.dir / "a*1 b?.mp3") << "x";
  EXPECT_EQ(e.Play("a*1 b?.mp3"), 201);
  EXPECT_EQ(songs.calls.back(), "Play A*1 B?.MP3");
  EXPECT_EQ(e.sound->PlaySong((e.dir / "a*1 b?.mp3").string()), 201);
  EXPECT_EQ(songs.calls.back(), "Play " + (e.dir / "a*1 b?.mp3").string());
}

TEST_F(NameTest, WithoutPlayersSongsAndOggsGiveZero) {
  FakeEngine bare;
  bare.sound->DSInit();
  EXPECT_EQ(bare.Play("song.mp3"), 0);
  EXPECT_EQ(bare.Play("music.ogg"), 0);
  EXPECT_FALSE(bare.sound->IsPlaying(201));
  bare.sound->SetVolume(101, -100);
  bare.sound->KillAllSounds();
}

TEST_F(NameTest, OggBangIsDecodedWholeIntoABuffer) {
  std::ofstream(e.dir / "music.ogg") << "not really ogg";
  // No decoder: the Ogg library counts as missing.
  EXPECT_EQ(e.Play("music.ogg!"), 0);

  std::string decodedPath;
  e.sound->SetOggDecoder([&](const std::string& path, std::vector<int16_t>& pcm, int& ch, int& rate) {
    decodedPath = path;
    pcm.assign(2000, 100);
    ch = 2;
    rate = 44100;
    return true;
  });
  const int16_t i = e.Play("music.ogg!loud");
  ASSERT_GE(i, 1);
  ASSERT_LE(i, 100);
  EXPECT_EQ(fs::path(decodedPath).filename(), "music.ogg");
  EXPECT_EQ(e.sound->Slot(i).Name, "MUSIC.OGG");
  const WaveFormat& f = e.sound->Slot(i).Desc.Format;
  EXPECT_EQ(f.Channels, 2);
  EXPECT_EQ(f.SamplesPerSec, 44100);
  EXPECT_EQ(f.BlockAlign, 4);
  EXPECT_EQ(f.AvgBytesPerSec, 176400);
  EXPECT_EQ(e.sound->Slot(i).Desc.BufferBytes, 4000);
  EXPECT_EQ(e.Buf(i)->data->bytes.size(), 4000u);
  EXPECT_TRUE(oggs.calls.back() == "Start");  // the stream player never saw it

  e.sound->SetOggDecoder([](const std::string&, std::vector<int16_t>&, int&, int&) { return false; });
  e.sound->DeleteSound(i);
  EXPECT_EQ(e.Play("music.ogg!"), 0);
}

TEST_F(NameTest, PerIndexOperationsReachTheRightTable) {
  e.sound->SetVolume(105, -5000);
  e.sound->SetPan(105, 3000);
  e.sound->SetPan(205, -9000);
  e.sound->SetFrequency(203, 44100);
  e.sound->StopPlay(static_cast<int32_t>(107));
  e.sound->PlayOpenedSound(202, 7, 0);
  e.sound->DeleteSound(220);
  e.sound->DeleteSound(221);  // beyond the 20 song players
  e.sound->DeleteSound2(250);  // Ogg slot 150 does not exist
  e.sound->DeleteSound2(210);  // ... but Ogg slot 110 neither
  e.sound->DeleteSound2(120);
  EXPECT_EQ(oggs.calls, (std::vector<std::string>{"Resize 20", "Start", "SetVolume 5 -5000", "SetPan 5 3000",
                                                  "StopPlay 7", "DeleteSound 20"}));
  EXPECT_EQ(songs.calls, (std::vector<std::string>{"Resize 20", "SetPan 5 -5000", "SetFrequency 3 44100",
                                                   "PlayOpenedSound 2 4", "DeleteSound 20"}));

  songs.playing[4] = true;
  EXPECT_TRUE(e.sound->IsPlaying(204));
  EXPECT_FALSE(e.sound->IsPlaying(104));
  e.sound->PlayOpenedSound(204, 0, 0);
  EXPECT_EQ(songs.calls[songs.calls.size() - 2], "StopPlay 4");
}

TEST_F(NameTest, KillResetAndShutdownReachThePlayers) {
  oggs.calls.clear();
  songs.calls.clear();
  e.sound->KillAllSounds();
  ASSERT_EQ(oggs.calls.size(), 20u);
  EXPECT_EQ(oggs.calls.front(), "DeleteSound 1");
  EXPECT_EQ(songs.calls.back(), "DeleteSound 20");

  WriteToneWav(e.dir / "note.wav", 440, 0.01);
  const int16_t i = e.Play("note.wav");
  ASSERT_GT(i, 0);
  oggs.calls.clear();
  e.sound->ResetSounds();
  EXPECT_EQ(e.ds->opens, 2);
  EXPECT_EQ(e.ds->releases, 1);
  EXPECT_EQ(e.sound->Slot(i).Buffer, nullptr);
  EXPECT_EQ(oggs.calls.back(), "Start");
  EXPECT_NE(std::find(oggs.calls.begin(), oggs.calls.end(), "Shutdown"), oggs.calls.end());
  EXPECT_GT(e.Play("note.wav"), 0);

  oggs.calls.clear();
  songs.calls.clear();
  e.sound->ShutdownForm1();
  EXPECT_EQ(oggs.calls, (std::vector<std::string>{"Shutdown"}));
  // The song feeders stop too: the end may come without the game's own teardown.
  EXPECT_EQ(songs.calls, (std::vector<std::string>{"Shutdown"}));
  for (int16_t s = 1; s <= 30; ++s) EXPECT_EQ(e.sound->Slot(s).Buffer, nullptr);
}

}  // namespace
