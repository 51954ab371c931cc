// "sounds.ini" and the start of the device.
#include "test_sound_support.h"

using namespace soundtest;

namespace {

struct IniTest : ::testing::Test {
  TraceCapture trace;
  FakeEngine e;
  RecordingPlayers oggs{100}, songs{200};
  void Init(const std::string& ini) {
    e.dir.Write("sounds.ini", ini);
    e.sound->SetOggPlayers(&oggs);
    e.sound->SetSongPlayers(&songs);
    e.sound->DSInit();
  }
};

TEST_F(IniTest, ExampleFileWithCommentsAndBareKeys) {
  Init("' sound settings\nSOUND BUFFERS = 40\nsoftware buffers=1\nHRTF ' a key alone means 1\n");
  EXPECT_EQ(e.sound->SoundBuffers, 40);
  EXPECT_TRUE(e.sound->SoftwareBuffers);
  EXPECT_TRUE(e.sound->UseHRTF);
  EXPECT_FALSE(e.sound->MinimalSounds);
  EXPECT_EQ(e.sound->OggBuffers, 20);
  EXPECT_EQ(e.sound->MP3Buffers, 20);
  EXPECT_TRUE(e.host.log.empty());

  // Software buffers show in every new buffer's flags.
  WriteToneWav(e.dir / "a.wav", 440, 0.01);
  const int16_t i = e.Play("a.wav");
  EXPECT_TRUE(e.sound->Slot(i).Desc.Flags & dsbcaps::Software);
}

TEST_F(IniTest, CountsAreLimitedAndRoundedHalfToEven) {
  struct Case { std::string line; int16_t SoundBuffers, Ogg, MP3; };
  const Case cases[] = {
      {"SOUND BUFFERS=10", 30, 20, 20},      {"SOUND BUFFERS=100", 100, 20, 20},
      {"SOUND BUFFERS=101", 30, 20, 20},     {"OGG BUFFERS=500", 30, 100, 20},
      {"SOUND BUFFERS=20.5", 20, 20, 20},    {"SOUND BUFFERS=21.5", 22, 20, 20},
      {"sound buffers = 55 slots", 55, 20, 20}, {"SOUND BUFFERS=lots", 30, 20, 20},
      {"MP3 BUFFERS=0", 30, 20, 0},          {"MP3 BUFFERS=-3", 30, 20, 0},
      {"OGG BUFFERS=7\r", 30, 7, 20},
  };
  for (const Case& c : cases) {
    FakeEngine fresh;
    fresh.dir.Write("sounds.ini", c.line + "\n");
    RecordingPlayers o{100}, s{200};
    fresh.sound->SetOggPlayers(&o);
    fresh.sound->SetSongPlayers(&s);
    fresh.sound->DSInit();
    EXPECT_EQ(fresh.sound->SoundBuffers, c.SoundBuffers) << c.line;
    EXPECT_EQ(fresh.sound->OggBuffers, c.Ogg) << c.line;
    EXPECT_EQ(fresh.sound->MP3Buffers, c.MP3) << c.line;
    EXPECT_EQ(o.calls.front(), "Resize " + std::to_string(c.Ogg)) << c.line;
    EXPECT_EQ(s.calls.front(), "Resize " + std::to_string(c.MP3)) << c.line;
    EXPECT_TRUE(fresh.host.log.empty()) << c.line;
  }
}

TEST_F(IniTest, SixteenBitOverflowKeepsThePreviousValue) {
  Init("SOUND BUFFERS=40\nSOUND BUFFERS=99999\nOGG BUFFERS=50\nOGG BUFFERS=-40000\n");
  EXPECT_EQ(e.sound->SoundBuffers, 40);
  EXPECT_EQ(e.sound->OggBuffers, 50);
}

TEST_F(IniTest, UnknownKeyIsReportedAndReadingGoesOn) {
  Init("foo=1 ' test\nMODIFY FREQUENCY=3\nMINIMAL SOUNDS=0.5\nsound buffer=25\nSOUND BUFFERS=25\n");
  EXPECT_EQ(e.host.log, (std::vector<std::string>{
                            "msgbox:1::Error in sounds.ini file - unrecognized parameter in line FOO=1",
                            "msgbox:1::Error in sounds.ini file - unrecognized parameter in line SOUND BUFFER=25"}));
  EXPECT_TRUE(e.sound->MinimalSounds);
  EXPECT_EQ(e.sound->SoundBuffers, 25);
}

TEST_F(IniTest, MissingFileLeavesDefaults) {
  e.sound->DSInit();
  EXPECT_EQ(e.sound->SoundBuffers, 30);
  EXPECT_TRUE(e.host.log.empty());
  // And the file name's letter case does not matter.
  FakeEngine upper;
  upper.dir.Write("SOUNDS.INI", "SOUND BUFFERS=60\n");
  upper.sound->DSInit();
  EXPECT_EQ(upper.sound->SoundBuffers, 60);
}

TEST_F(IniTest, NoDeviceIsReportedOnceAndTheGameGoesOnSilently) {
  const std::string msg = "msgbox\tMusic Tunzle\tThe game found no sound output. Check the sound card or the sound server; the game goes on without sound.";
  for (int step = 0; step < 3; ++step) {
    FakeEngine bad;
    bad.ds->failLibrary = step == 0;
    bad.ds->failDevice = step == 1;
    bad.ds->failPrimary = step == 2;
    RecordingPlayers o{100};
    bad.sound->SetOggPlayers(&o);
    const int before = trace.Count(msg);
    bad.sound->DSInit();
    EXPECT_EQ(trace.Count(msg), before + 1) << step;
    EXPECT_FALSE(bad.sound->DeviceReady());
    EXPECT_EQ(o.calls.back(), "Start");  // the Ogg library still starts
    WriteToneWav(bad.dir / "note.wav", 440, 0.01);
    EXPECT_EQ(bad.Play("note.wav"), 0);
    EXPECT_FALSE(bad.sound->IsPlaying(1));
    bad.sound->ResetSounds();
    bad.sound->ShutdownForm1();
  }
  // Without the listener sounds still play, after the message.
  FakeEngine noListener;
  noListener.ds->failListener = true;
  const int before = trace.Count(msg);
  noListener.sound->DSInit();
  EXPECT_EQ(trace.Count(msg), before + 1);
  WriteToneWav(noListener.dir / "note.wav", 440, 0.01);
  EXPECT_GT(noListener.Play("note.wav"), 0);
}

}  // namespace
