// The real OpenAL Soft backend, rendered into memory through a loopback device.
#include "test_sound_support.h"

#include "sound/OpenALDirectSound.h"
#include "speech/EspeakVoice.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <thread>

using namespace soundtest;

namespace {

constexpr int kRate = 44100;

struct LoopbackEngine {
  TempFolder dir;
  FakeHost host{dir.Folder()};
  OpenALDirectSound* al = nullptr;
  std::unique_ptr<Sound> sound;

  LoopbackEngine() {
    auto dev = OpenALDirectSound::Loopback(kRate);
    al = dev.get();
    sound = std::make_unique<Sound>(host, std::move(dev));
    sound->DSInit();
  }
  // Interleaved stereo frames.
  std::vector<float> Render(int frames) {
    std::vector<float> out(static_cast<size_t>(frames) * 2);
    EXPECT_TRUE(al->RenderSamples(out.data(), frames));
    return out;
  }
  int16_t Play(const std::string& name, int16_t volume = 0, int16_t pan = 0, int32_t offset = 0, int16_t flags = 0) {
    int32_t f = -1;
    return sound->PlaySound(name, volume, f, pan, offset, flags);
  }
};

float Rms(const std::vector<float>& s, int channel) {
  double sum = 0;
  size_t n = 0;
  for (size_t i = channel; i < s.size(); i += 2, ++n) sum += double(s[i]) * s[i];
  return n ? static_cast<float>(std::sqrt(sum / n)) : 0.0f;
}

float Peak(const std::vector<float>& s) {
  float p = 0;
  for (float v : s) p = std::max(p, std::abs(v));
  return p;
}

struct OpenALTest : ::testing::Test {
  TraceCapture trace;  // also keeps message boxes from opening
  LoopbackEngine e;
  void SetUp() override { ASSERT_TRUE(e.sound->DeviceReady()) << "loopback device did not open"; }
};

TEST_F(OpenALTest, GeneratedCueIsHeardOnBothSides) {
  WriteToneWav(e.dir / "tone.wav", 441, 0.5, kRate, 1, 0.25);
  const int16_t i = e.Play("tone.wav");
  ASSERT_GT(i, 0);
  EXPECT_TRUE(e.sound->IsPlaying(i));
  auto out = e.Render(4410);
  // A sine of amplitude 0.25 has an RMS of 0.177.
  EXPECT_NEAR(Rms(out, 0), 0.177f, 0.01f);
  EXPECT_NEAR(Rms(out, 1), 0.177f, 0.01f);
  // Its first sample is the file's first sample: the cue starts in the first block.
  EXPECT_NEAR(out[2], 0.25f * std::sin(2 * M_PI * 441 / kRate), 1e-3f);

  e.Render(kRate);  // past its end
  EXPECT_FALSE(e.sound->IsPlaying(i));
  EXPECT_LT(Peak(e.Render(512)), 1e-6f);
}

TEST_F(OpenALTest, TwoOverlappingPlaysSum) {
  WriteToneWav(e.dir / "tone.wav", 441, 0.3, kRate, 1, 0.2);
  const int16_t a = e.Play("tone.wav");
  const auto single = e.Render(2048);
  e.sound->StopPlay(a);

  const int16_t first = e.Play("tone.wav");
  const int16_t second = e.Play("tone.wav");
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  ASSERT_NE(first, second);  // the second is a duplicate
  const auto both = e.Render(2048);
  for (size_t k = 0; k < single.size(); k += 37) ASSERT_NEAR(both[k], 2 * single[k], 1e-4f) << k;
  EXPECT_GT(Peak(both), 0.35f);
}

TEST_F(OpenALTest, SoundsThatPileUpPastFullScaleAreTurnedDownWholeAndQuietOnesPassUntouched) {
  WriteToneWav(e.dir / "loud.wav", 441, 0.2, kRate, 1, 0.7);
  const int16_t one = e.Play("loud.wav");
  const auto alone = e.Render(4410);
  e.sound->StopPlay(one);

  for (int k = 0; k < 3; ++k) ASSERT_GT(e.Play("loud.wav"), 0);  // 2.1 at the peaks
  const auto piled = e.Render(4410);
  EXPECT_LE(Peak(piled), 1.0f);
  // After the first peak, the same tone, turned down: not squared off, not pumping.
  const float gain = Peak(piled) / (3 * Peak(alone));
  EXPECT_GT(gain, 0.45f);
  for (size_t k = 400; k < piled.size(); ++k) ASSERT_NEAR(piled[k], 3 * alone[k] * gain, 1e-3f) << k;

  e.Render(kRate / 2);  // the loud plays end; the gain comes back
  e.Play("loud.wav");
  const auto after = e.Render(4410);
  for (size_t k = 0; k < alone.size(); ++k) ASSERT_EQ(after[k], alone[k]) << k;
}

TEST_F(OpenALTest, SilentVolumeRendersNothing) {
  WriteToneWav(e.dir / "tone.wav", 441, 0.3, kRate, 1, 0.5);
  const int16_t i = e.Play("tone.wav", -10000);
  ASSERT_GT(i, 0);
  EXPECT_TRUE(e.sound->IsPlaying(i));
  EXPECT_EQ(Peak(e.Render(4096)), 0.0f);

  // -2000 is a tenth of the amplitude.
  e.sound->SetVolume(i, -2000);
  e.Render(256);
  const auto quiet = e.Render(4410);
  EXPECT_NEAR(Rms(quiet, 0), 0.5f * 0.1f / std::sqrt(2.0f), 0.003f);
}

TEST_F(OpenALTest, StartOffsetPlaysFromThere) {
  // Sample k holds 4 * k, so the first sample heard tells the offset.
  std::vector<int16_t> ramp(4000);
  for (int k = 0; k < 4000; ++k) ramp[k] = static_cast<int16_t>(4 * k);
  WriteSamplesWav(e.dir / "ramp.wav", ramp);
  int16_t v = 0, p = 0, flags = 0;
  int32_t f = -1, offset = 2003;  // bytes; lowered to 2000, which is sample 1000
  const int16_t i = e.sound->PlaySound("ramp.wav", v, f, p, offset, flags);
  ASSERT_GT(i, 0);
  EXPECT_EQ(offset, 2000);
  // A fresh start mid-sound fades in over the first mixed block (no click);
  // after it the samples are those from sample 1000 on.
  const auto fade = e.Render(16);
  EXPECT_GT(fade[30], 0.0f);
  const auto out = e.Render(8);
  EXPECT_NEAR(out[0], (1000 + 16) * 4 / 32768.0f, 1e-5f);
  EXPECT_NEAR(out[14], (1000 + 23) * 4 / 32768.0f, 1e-5f);

  // PlayOpenedSound moves a loaded cue likewise.
  e.sound->PlayOpenedSound(i, 4000, 0);
  const auto again = e.Render(4);
  EXPECT_NEAR(again[0], 8000 / 32768.0f, 1e-5f);
  EXPECT_NEAR(again[2], 8004 / 32768.0f, 1e-5f);

  // Restarting it while it plays moves both sides together.
  ASSERT_TRUE(e.sound->IsPlaying(i));
  flags = dsflags::Restart;
  offset = 6000;
  EXPECT_EQ(e.sound->PlaySound("ramp.wav", v, f, p, offset, flags), i);
  e.Render(16);
  const auto moved = e.Render(4);
  EXPECT_NEAR(moved[0], (3000 + 16) * 4 / 32768.0f, 1e-5f);
  EXPECT_EQ(moved[0], moved[1]);
}

TEST_F(OpenALTest, PanAttenuatesOneSideOnly) {
  WriteToneWav(e.dir / "tone.wav", 441, 0.3, kRate, 1, 0.25);
  const int16_t right = e.Play("tone.wav", 0, 10000);
  auto out = e.Render(4410);
  EXPECT_EQ(Rms(out, 0), 0.0f);
  EXPECT_NEAR(Rms(out, 1), 0.177f, 0.01f);

  // The same buffer again, right side down 20 dB.
  e.sound->StopPlay(right);
  EXPECT_EQ(e.Play("tone.wav", 0, -2000), right);
  e.Render(64);  // gain changes glide over one mixed block
  out = e.Render(4410);
  EXPECT_NEAR(Rms(out, 0), 0.177f, 0.01f);
  EXPECT_NEAR(Rms(out, 1) / Rms(out, 0), 0.1f, 0.005f);
}

TEST_F(OpenALTest, StereoFileKeepsItsChannels) {
  // Left 441 Hz at 0.25, right silent.
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 2;
  info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
  SNDFILE* f = sf_open((e.dir / "left.wav").c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr);
  std::vector<float> pcm(2 * 8820, 0.0f);
  for (int k = 0; k < 8820; ++k) pcm[2 * k] = 0.25f * std::sin(2 * M_PI * 441 * k / kRate);
  sf_writef_float(f, pcm.data(), 8820);
  sf_close(f);

  const int16_t i = e.Play("left.wav");
  ASSERT_GT(i, 0);
  EXPECT_EQ(e.sound->Slot(i).Format.Channels, 2);
  EXPECT_EQ(e.sound->Slot(i).Format.BlockAlign, 4);
  const auto out = e.Render(4410);
  EXPECT_NEAR(Rms(out, 0), 0.177f, 0.01f);
  EXPECT_EQ(Rms(out, 1), 0.0f);
}

TEST_F(OpenALTest, FrequencyChangesThePitch) {
  WriteToneWav(e.dir / "tone.wav", 441, 1.0, kRate, 1, 0.25);
  int16_t v = 0, p = 0, flags = 0;
  int32_t freq = 2 * kRate, off = 0;
  const int16_t i = e.sound->PlaySound("tone.wav", v, freq, p, off, flags);
  ASSERT_GT(i, 0);
  EXPECT_EQ(e.sound->GetFrequency(i), 2 * kRate);
  const auto out = e.Render(kRate / 10);
  int crossings = 0;
  for (size_t k = 2; k < out.size(); k += 2) crossings += (out[k - 2] < 0) != (out[k] < 0);
  // 882 Hz for a tenth of a second: about 176 sign changes.
  EXPECT_NEAR(crossings, 176, 3);
}

TEST_F(OpenALTest, ThreeDCueSoundsAndStereoIsRefused) {
  WriteToneWav(e.dir / "mono.wav", 441, 0.3, kRate, 1, 0.25);
  WriteToneWav(e.dir / "wide.wav", 441, 0.3, kRate, 2, 0.25);
  const int16_t i = e.Play("mono.wav", 0, 0, 0, dsflags::ThreeD | dsflags::ConeAngles);
  ASSERT_GT(i, 0);
  EXPECT_NE(e.sound->Slot(i).Buffer3D, nullptr);
  EXPECT_GT(Peak(e.Render(4410)), 0.05f);
  EXPECT_EQ(e.Play("wide.wav", 0, 0, 0, dsflags::ThreeD), 0);
  EXPECT_EQ(trace.Count("msgbox\tWarning \tWIDE.WAV will not play.  Trying to use a stereo sound in a 3D buffer."), 1);
}

TEST(OpenALDevice, DefaultDeviceOpensUnderTheNullDriver) {
  TraceCapture trace;
  TempFolder dir;
  FakeHost host(dir.Folder());
  Sound sound(host, std::make_unique<OpenALDirectSound>());
  sound.DSInit();
  ASSERT_TRUE(sound.DeviceReady());
  EXPECT_EQ(trace.Count("msgbox\tMusic Tunzle\tThe game found no sound output. Check the sound card or the sound server; the game goes on without sound."), 0);
  WriteToneWav(dir / "note.wav", 880, 0.2);
  const int16_t i = sound.PlaySound("note.wav");
  EXPECT_GT(i, 0);
  EXPECT_TRUE(sound.IsPlaying(i));
  sound.ShutdownForm1();
  EXPECT_FALSE(sound.IsPlaying(i));
}

// The built-in voice speaks through the engine's device; a reset of the engine
// closes that device and opens another, and the voice must follow it there.
TEST(OpenALDevice, TheVoiceSpeaksOnAfterTheEngineResets) {
  LoopbackEngine e;
  EspeakVoice voice;
  // Renders until the speech has been heard and has ended; the worker may
  // start late on a loaded machine, so the limit is wall time, not blocks.
  auto heard = [&](const char* text) {
    voice.Speak(text, svsf::Async);
    float peak = 0;
    for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
         std::chrono::steady_clock::now() < end && (peak == 0 || voice.IsSpeaking());
         std::this_thread::sleep_for(std::chrono::milliseconds(1)))
      peak = std::max(peak, Peak(e.Render(512)));
    return peak;
  };
  EXPECT_GT(heard("Music Tunzle."), 0.01f);
  e.sound->ResetSounds();
  ASSERT_TRUE(e.sound->DeviceReady());
  EXPECT_GT(heard("Again."), 0.01f) << "the voice spoke into the device the reset closed";
}

}  // namespace

namespace {

// The player's own OpenAL Soft settings win: ours fill in only what no file
// of theirs sets, and a file they name in ALSOFT_CONF is carried whole.
TEST(OpenALDevice, PlayerSettingsWinOverTheGamesOwn) {
  const std::string stock = "# period_size = 1024\n[general]\n#periods = 3\n[decoder]\nquad =\n";
  const std::string ours = OpenALDirectSound::GameAlsoftConf({stock}, "");
  EXPECT_EQ(ours, "[general]\nperiod_size = 256\nperiods = 3\nchannels = stereo\n");

  // Either period key of theirs, before any section or under [General], is their choice.
  for (const char* own : {"periods=4\n", "[General]\n  PERIOD_SIZE = 512 # smaller clicks\n"}) {
    std::string c = OpenALDirectSound::GameAlsoftConf({stock, own}, "");
    EXPECT_EQ(c.find("period"), std::string::npos) << own;
    EXPECT_NE(c.find("channels = stereo"), std::string::npos) << own;
  }
  // The same keys of another section are not theirs for the device.
  EXPECT_NE(OpenALDirectSound::GameAlsoftConf({"[pulse]\nperiod_size = 4096\n"}, "").find("period_size = 256"),
            std::string::npos);

  // A named file is kept as it stands, ours after it; nothing added, nothing changed.
  const std::string named = "[general]\ndrivers = pulse\nchannels = mono";
  EXPECT_EQ(OpenALDirectSound::GameAlsoftConf({named}, named), named + "\n[general]\nperiod_size = 256\nperiods = 3\n");
  const std::string full = "[general]\nperiods = 2\nchannels = surround51\n";
  EXPECT_EQ(OpenALDirectSound::GameAlsoftConf({full}, full), full);
  EXPECT_EQ(OpenALDirectSound::GameAlsoftConf({full}, ""), "");
}

}  // namespace
