// The real Ogg library through the engine's table, heard on OpenAL's loopback device.
#include "tests/support/QuietSoundHost.h"
#include "sound/OggPlayers.h"

#define AL_ALEXT_PROTOTYPES
#include "tests/support/LoopbackContext.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <gtest/gtest.h>
#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <future>
#include <thread>

namespace {

namespace fs = std::filesystem;
constexpr int kRate = 44100;

using Host = QuietSoundHost;

// Writes an Ogg Vorbis file of consecutive tones, `seconds` each, one frequency per step.
void WriteTones(const fs::path& path, int channels, const std::vector<double>& freqs, double seconds) {
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = channels;
  info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
  const int per = static_cast<int>(seconds * kRate);
  std::vector<float> frames(static_cast<size_t>(per) * channels * freqs.size());
  for (size_t k = 0; k < freqs.size(); ++k)
    for (int n = 0; n < per; ++n)
      for (int c = 0; c < channels; ++c)
        frames[(k * per + n) * channels + c] = static_cast<float>(0.5 * std::sin(2 * M_PI * freqs[k] * n / kRate));
  sf_writef_float(f, frames.data(), static_cast<sf_count_t>(per * freqs.size()));
  sf_close(f);
}

// Power of one frequency in a stretch of one channel (Goertzel).
double Power(const std::vector<short>& st, int channel, size_t from, size_t frames, double hz) {
  const double w = 2 * M_PI * hz / kRate, coeff = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < from + frames; ++i) {
    const double s = st[i * 2 + channel] / 32768.0 + coeff * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return s1 * s1 + s2 * s2 - coeff * s1 * s2;
}

// Which of the candidate tones dominates a stretch.
double Dominant(const std::vector<short>& st, size_t from, size_t frames, const std::vector<double>& candidates) {
  double best = 0, bestPower = -1;
  for (double hz : candidates) {
    const double p = Power(st, 0, from, frames, hz);
    if (p > bestPower) { bestPower = p; best = hz; }
  }
  return best;
}

// Silence, as the 16-bit output's dither leaves it.
bool Quiet(short v) { return std::abs(v) <= 2; }

double Rms(const std::vector<short>& st, int channel, size_t from, size_t frames) {
  double sum = 0;
  for (size_t i = from; i < from + frames; ++i) sum += std::pow(st[i * 2 + channel] / 32768.0, 2);
  return std::sqrt(sum / frames);
}

const std::vector<double> kSteps = {300, 400, 500, 600, 700, 800, 900, 1000};

class OggLoopback : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("ogg_loopback_" + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    host.folder = dir.string() + "/";
    WriteTones(dir / "steps.ogg", 1, kSteps, 0.2);
    WriteTones(dir / "stereo.ogg", 2, {440, 440, 440, 440, 440}, 0.4);
    WriteTones(dir / "short.ogg", 1, {660}, 0.3);

    loop = std::make_unique<LoopbackContext>(kRate, ALC_SHORT_SOFT);
    ASSERT_TRUE(loop->ok());

    players = std::make_unique<OggPlayers>(host);
    players->Resize(20);
    players->Start();  // the library is found beside this program
    ASSERT_TRUE(players->PumpEnabled()) << "libCustomOggS.so not found beside the tests";
  }
  void TearDown() override {
    if (players) players->Shutdown();
    players.reset();
    loop.reset();
    fs::remove_all(dir);
  }
  // Renders and appends `seconds` of output, pumping the library as the engine's timer would.
  void Render(double seconds, bool pump = true, int sleepMs = 0) {
    size_t frames = static_cast<size_t>(seconds * kRate);
    while (frames > 0) {
      const size_t n = std::min<size_t>(frames, 1024);
      const size_t at = out.size();
      out.resize(at + n * 2);
      loop->Render(out.data() + at, n);
      frames -= n;
      if (pump) players->Pump();
      if (sleepMs) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));
    }
  }
  size_t Frames() const { return out.size() / 2; }
  static size_t At(double seconds) { return static_cast<size_t>(seconds * kRate); }

  fs::path dir;
  Host host;
  std::unique_ptr<LoopbackContext> loop;
  std::unique_ptr<OggPlayers> players;
  std::vector<short> out;
};

TEST_F(OggLoopback, StreamPlaysPausesAndResumesWhereItWas) {
  ASSERT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 0), 101);
  Render(0.5);
  EXPECT_EQ(Dominant(out, At(0.02), At(0.15), kSteps), 300);
  EXPECT_EQ(Dominant(out, At(0.42), At(0.07), kSteps), 500);
  EXPECT_TRUE(players->IsPlaying(1));

  players->StopPlay(1);
  EXPECT_FALSE(players->IsPlaying(1));
  const size_t pausedAt = Frames();
  Render(0.3);
  EXPECT_LT(Rms(out, 0, pausedAt + At(0.01), At(0.28)), 0.001);

  players->UnpauseOne(1);
  EXPECT_TRUE(players->IsPlaying(1));
  const size_t resumedAt = Frames();
  Render(0.25);
  EXPECT_GT(Rms(out, 0, resumedAt, At(0.05)), 0.1);
  EXPECT_EQ(Dominant(out, resumedAt + At(0.01), At(0.07), kSteps), 500);
  EXPECT_EQ(Dominant(out, resumedAt + At(0.13), At(0.07), kSteps), 600);
}

TEST_F(OggLoopback, OpenedPausedThenRepositioned) {
  ASSERT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 4), 101);
  Render(0.2);
  EXPECT_LT(Rms(out, 0, 0, Frames()), 0.001);
  // Byte 4 * 0.2 s of 16-bit mono: the fourth step (600 Hz).
  players->PlayOpenedSound(1, 2 * At(0.6) + 2 * At(0.02), 0);
  Render(0.1);
  EXPECT_LT(Rms(out, 0, At(0.2), At(0.1)), 0.001) << "restarted before it was unpaused";
  players->UnPauseAll();
  EXPECT_TRUE(players->IsPlaying(1));
  const size_t from = Frames();
  Render(0.15);
  EXPECT_EQ(Dominant(out, from + At(0.01), At(0.1), kSteps), 600);
}

TEST_F(OggLoopback, APlayedOutStreamRestartedCanBePausedAndResumed) {
  ASSERT_EQ(players->Play("SHORT.OGG", 0, -1, 0, 0), 101);
  Render(0.5);
  ASSERT_FALSE(players->IsPlaying(1)) << "played out";
  players->PlayOpenedSound(1, 0, 0);
  players->UnpauseOne(1);
  EXPECT_TRUE(players->IsPlaying(1)) << "an unpause resumes the restarted stream";
  size_t from = Frames();
  Render(0.1);
  EXPECT_GT(Rms(out, 0, from + At(0.02), At(0.06)), 0.1);
  players->StopPlay(1);
  EXPECT_FALSE(players->IsPlaying(1)) << "a pause pauses it";
  from = Frames();
  Render(0.1);
  EXPECT_LT(Rms(out, 0, from + At(0.01), At(0.08)), 0.001);
  players->UnpauseOne(1);
  EXPECT_TRUE(players->IsPlaying(1));
}

TEST_F(OggLoopback, AStreamThatCannotStartLeavesNothingBehind) {
  // Every source of the context taken: the stream cannot get one.
  std::vector<ALuint> taken;
  for (ALuint s = 1; s && taken.size() < 4096;) {
    s = 0;
    alGenSources(1, &s);
    if (s && alIsSource(s)) taken.push_back(s);
    else s = 0;
  }
  ALuint probe = 0;
  alGenBuffers(1, &probe);
  alDeleteBuffers(1, &probe);
  EXPECT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 0), 0);
  for (ALuint id = probe; id < probe + 64; ++id) EXPECT_FALSE(alIsBuffer(id)) << "buffer " << id << " leaked";
  alDeleteSources(static_cast<ALsizei>(taken.size()), taken.data());
  EXPECT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 0), 101);
}

TEST_F(OggLoopback, AWholeFileDecodeNeverHoldsUpPlayingStreams) {
  ASSERT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 0), 101);
  // A file whose bytes come only when the test says: the decode waits inside it.
  const fs::path pipe = dir / "slow.ogg";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::vector<int16_t> pcm;
  int channels = 0, rate = 0;
  std::thread decoder([&] { players->DecodeWhole(pipe.string(), pcm, channels, rate); });
  // A writer can open the pipe once the decoder is reading it.
  int writer = -1;
  for (auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
       writer < 0 && std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(std::chrono::milliseconds(1)))
    writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  auto answer = std::async(std::launch::async, [&] { return players->IsPlaying(1); });
  const bool answered = answer.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
  close(writer);  // the file ends empty: the decode fails and returns
  decoder.join();
  EXPECT_TRUE(answered) << "the decode held the streams' lock";
  EXPECT_TRUE(answer.get());
}

TEST_F(OggLoopback, VolumeAndPanReachTheOutput) {
  ASSERT_EQ(players->Play("STEREO.OGG", 0, -1, 0, 0), 101);
  Render(0.3);
  const double full = Rms(out, 0, At(0.1), At(0.2));
  EXPECT_GT(full, 0.1);
  EXPECT_NEAR(Rms(out, 1, At(0.1), At(0.2)) / full, 1.0, 0.05);

  players->SetVolume(1, -2000);  // 20 dB down
  size_t from = Frames();
  Render(0.2);
  EXPECT_NEAR(Rms(out, 0, from + At(0.1), At(0.1)) / full, 0.1, 0.02);

  players->SetVolume(1, -5000);  // the bottom of the range is silence
  from = Frames();
  Render(0.1);
  EXPECT_LT(Rms(out, 0, from + At(0.05), At(0.05)), 0.001);

  players->SetVolume(1, 0);
  players->SetPan(1, 3000);  // 30 dB off the left
  from = Frames();
  Render(0.5);
  const double left = Rms(out, 0, from + At(0.4), At(0.1)), right = Rms(out, 1, from + At(0.4), At(0.1));
  EXPECT_NEAR(right / full, 1.0, 0.05);
  EXPECT_LT(left / right, 0.05);
}

TEST_F(OggLoopback, OnceEndsAndLoopingGoesOn) {
  players->Resize(2);
  ASSERT_EQ(players->Play("SHORT.OGG", 0, -1, 0, 0), 101);
  ASSERT_EQ(players->Play("SHORT.OGG", 0, -1, 0, 8), 102);
  Render(1.0);
  EXPECT_FALSE(players->IsPlaying(1));
  EXPECT_TRUE(players->IsPlaying(2));
  // Only the looping one is heard at the end: one stream's level, not two.
  const double early = Rms(out, 0, At(0.05), At(0.2)), late = Rms(out, 0, At(0.8), At(0.2));
  EXPECT_NEAR(late / early, 0.5, 0.1);
  // A played-out stream keeps its slot until it is taken over.
  EXPECT_EQ(players->Play("SHORT.OGG", 0, -1, 0, 0), 101);
}

// The engine's thread may be stuck in a wait; the library keeps feeding by itself.
TEST_F(OggLoopback, StreamsPlayOnWithoutThePump) {
  ASSERT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 0), 101);
  // Rendered in about real time (23 ms of sound every 20 ms) and never pumped.
  Render(1.5, false, 20);
  size_t silentRun = 0, longest = 0;
  for (size_t i = 0; i < At(1.55) && i < Frames(); ++i) {
    silentRun = Quiet(out[i * 2]) ? silentRun + 1 : 0;
    longest = std::max(longest, silentRun);
  }
  EXPECT_LT(longest, 20u) << "the stream starved";
  EXPECT_EQ(Dominant(out, At(1.42), At(0.07), kSteps), 1000);
}

// A server asking for far more than is queued empties the source: the rest follows the gap.
TEST_F(OggLoopback, AStreamThatRunsDryGoesOnWhereItStopped) {
  ASSERT_EQ(players->Play("STEPS.OGG", 0, -1, 0, 0), 101);
  Render(0.1);
  std::vector<short> burst(At(0.6) * 2);
  loop->Render(burst.data(), At(0.6));  // one call: the feeder has no chance to keep up
  out.insert(out.end(), burst.begin(), burst.end());
  Render(2.0);
  // What is heard, less the stretches of silence (the steps have none of their own).
  std::vector<short> heard;
  size_t gaps = 0;
  for (size_t i = 0; i < Frames();) {
    size_t j = i;
    while (j < Frames() && Quiet(out[2 * j])) ++j;
    if (j - i >= 64) {
      gaps += j < Frames();
    } else {
      j = std::max(j, i + 1);
      heard.insert(heard.end(), out.begin() + 2 * i, out.begin() + 2 * j);
    }
    i = j;
  }
  ASSERT_NEAR(static_cast<double>(heard.size() / 2), static_cast<double>(At(1.6)), 64) << "every step, once";
  EXPECT_GE(gaps, 1u) << "the stream never ran dry";
  for (size_t k = 0; k < kSteps.size() && heard.size() / 2 >= At(0.2 * k + 0.15); ++k)
    EXPECT_EQ(Dominant(heard, At(0.2 * k + 0.05), At(0.1), kSteps), kSteps[k]) << "step " << k;
}

TEST_F(OggLoopback, WholeFileDecodeGivesTheFilesSamples) {
  std::vector<int16_t> pcm;
  int channels = 0, rate = 0;
  ASSERT_TRUE(players->DecodeWhole(host.folder + "STEREO.OGG", pcm, channels, rate));
  EXPECT_EQ(channels, 2);
  EXPECT_EQ(rate, kRate);
  SF_INFO info{};
  SNDFILE* f = sf_open((dir / "stereo.ogg").c_str(), SFM_READ, &info);
  ASSERT_NE(f, nullptr);
  std::vector<int16_t> direct(static_cast<size_t>(info.frames + 10000) * 2);
  direct.resize(sf_readf_short(f, direct.data(), info.frames + 10000) * 2);
  sf_close(f);
  EXPECT_EQ(pcm.size(), static_cast<size_t>(2 * At(2.0)));
  EXPECT_EQ(pcm, direct);

  EXPECT_FALSE(players->DecodeWhole(host.folder + "NONE.OGG", pcm, channels, rate));
}

// The library's own answers, through the engine's loader.
TEST_F(OggLoopback, LibraryFunctions) {
  auto lib = LoadOggLibrary(host.folder);
  ASSERT_NE(lib, nullptr);
  EXPECT_EQ(lib->PlayOggFromDisc((dir / "none.ogg").string(), 0), 0);
  const int32_t h = lib->PlayOggFromDisc((dir / "steps.ogg").string(), 0);
  ASSERT_GT(h, 0);
  EXPECT_NE(lib->OggIsPlaying(h), 0);
  lib->PauseOgg(h);
  EXPECT_EQ(lib->OggIsPlaying(h), 0);
  lib->PauseOgg(h);
  EXPECT_NE(lib->OggIsPlaying(h), 0);
  EXPECT_NE(lib->StopOgg(h), 0);
  EXPECT_EQ(lib->OggIsPlaying(h), 0);
  EXPECT_EQ(lib->StopOgg(h), 0);
  EXPECT_EQ(lib->PauseOgg(h), 0);

  // The first call of a decode writes nothing into the single byte it is given.
  uint8_t guard[4] = {0x5A, 0x5A, 0x5A, 0x5A};
  int32_t bytes = 1, ch = 0, rate = 0;
  EXPECT_NE(lib->DecodeOggFileToBuffer((dir / "short.ogg").string(), guard, bytes, ch, rate), 0);
  EXPECT_EQ(bytes, 2 * static_cast<int32_t>(At(0.3)));
  EXPECT_EQ(ch, 1);
  EXPECT_EQ(rate, kRate);
  EXPECT_EQ(guard[0], 0x5A);
  EXPECT_EQ(guard[1], 0x5A);
  bytes = 0;
  EXPECT_EQ(lib->DecodeOggFileToBuffer((dir / "none.ogg").string(), guard, bytes, ch, rate), 0);
}

TEST(OggNoAudio, StreamsWithoutAContextFailQuietly) {
  Host host;
  host.folder = fs::temp_directory_path().string() + "/";
  auto lib = LoadOggLibrary(host.folder);
  ASSERT_NE(lib, nullptr);
  ASSERT_EQ(alcGetCurrentContext(), nullptr);
  const fs::path file = fs::temp_directory_path() / ("ogg_noctx_" + std::to_string(::getpid()) + ".ogg");
  WriteTones(file, 1, {440}, 0.1);
  EXPECT_EQ(lib->PlayOggFromDisc(file.string(), 0), 0);
  fs::remove(file);
}

}  // namespace
