// Tiles from a six-minute variable-rate MP3: how long PlayTile takes the
// caller, how soon the feeder has sound queued, and how far the first
// rendered sample lies from the asked start. Also the two ways of reaching a
// position exactly: seeking with pre-roll, and decoding the whole song.
#include "tests/support/QuietSoundHost.h"
#include "tests/support/LoopbackContext.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <benchmark/benchmark.h>
#include <mpg123.h>
#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <vector>

#include "sound/MediaGraph.h"
#include "sound/SongDecoder.h"
#include "sound/SongPlayers.h"
#include "sound/SoundHost.h"
#include "tools/Synth.h"

namespace {

// A run's first frames fade in: the gains of its first `frames`, per sample.
std::vector<float> FadeIn(size_t frames, int32_t rate) {
  std::vector<float> g(frames * 2, 1.0f);
  ApplyEdgeFade(g.data(), static_cast<int64_t>(frames), 0, INT64_MAX / 2, EdgeFadeFrames(rate));
  return g;
}

constexpr int kRate = 44100;
constexpr double kSongSeconds = 360.0;
using Clock = std::chrono::steady_clock;

struct Host : QuietSoundHost {
  Host() : QuietSoundHost("/") {}
};

// Chords that change every half beat at 120 bpm, a noise hit on each beat
// and a quiet bar now and then: the encoder's rate swings widely.
void WriteSong(const std::string& path) {
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = 2;
  info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
  SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!f) std::abort();
  int mode = SF_BITRATE_MODE_VARIABLE;
  sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> noise(-1, 1);
  const int64_t total = static_cast<int64_t>(kSongSeconds * kRate), step = kRate / 4;
  std::vector<float> buf;
  for (int64_t i0 = 0; i0 < total; i0 += 65536) {
    buf.clear();
    for (int64_t i = i0; i < std::min(total, i0 + 65536); ++i) {
      int64_t seg = i / step;
      double t = static_cast<double>(i) / kRate;
      double root = 110.0 * std::pow(2.0, static_cast<double>((seg * 5) % 19) / 12.0);
      float quiet = (seg / 16) % 7 == 6 ? 0.02f : 1.0f;
      float l = quiet * static_cast<float>(0.25 * std::sin(2 * M_PI * root * t) + 0.15 * std::sin(2 * M_PI * root * 1.26 * t));
      float r = quiet * static_cast<float>(0.25 * std::sin(2 * M_PI * root * 1.5 * t) + 0.1 * std::sin(2 * M_PI * root * 2 * t));
      if (i % (2 * step) < 800) {
        l += 0.3f * noise(rng);
        r += 0.3f * noise(rng);
      }
      buf.push_back(l);
      buf.push_back(r);
    }
    sf_writef_float(f, buf.data(), static_cast<sf_count_t>(buf.size() / 2));
  }
  sf_close(f);
}

mpg123_handle* OpenDecoder(const std::string& path) {
  int err = 0;
  mpg123_handle* mh = mpg123_new(nullptr, &err);
  mpg123_param(mh, MPG123_FLAGS, MPG123_GAPLESS | MPG123_FORCE_STEREO | MPG123_QUIET, 0);
  mpg123_param(mh, MPG123_INDEX_SIZE, -1000, 0);
  mpg123_format_none(mh);
  mpg123_format(mh, kRate, MPG123_STEREO, MPG123_ENC_FLOAT_32);
  if (mpg123_open(mh, path.c_str()) != MPG123_OK) std::abort();
  return mh;
}

size_t Read(mpg123_handle* mh, float* out, size_t frames) {
  size_t want = frames * 2 * sizeof(float), got = 0;
  while (got < want) {
    size_t done = 0;
    int r = mpg123_read(mh, reinterpret_cast<unsigned char*>(out) + got, want - got, &done);
    got += done;
    if (r == MPG123_NEW_FORMAT) continue;
    if (r != MPG123_OK || done == 0) break;
  }
  return got / (2 * sizeof(float));
}

std::vector<float> DecodeAll(const std::string& path) {
  mpg123_handle* mh = OpenDecoder(path);
  std::vector<float> all;
  std::vector<float> chunk(65536 * 2);
  while (size_t n = Read(mh, chunk.data(), 65536)) all.insert(all.end(), chunk.begin(), chunk.begin() + static_cast<long>(n * 2));
  mpg123_delete(mh);
  return all;
}

struct Env {
  std::string path;
  std::vector<float> straight;
  // Declared first: the players' streams must end before the context does.
  LoopbackContext loop{kRate};
  Host host;
  std::unique_ptr<SongPlayers> players;
  Mp3Graph* graph = nullptr;

  Env() {
    path = (std::filesystem::temp_directory_path() / ("bench-song-" + std::to_string(getpid()) + ".mp3")).string();
    WriteSong(path);
    straight = DecodeAll(path);
    players = std::make_unique<SongPlayers>(host);
    int16_t index = players->PlayMP3Sound(path, 0, -1, 0, 0);
    if (index <= 200) std::abort();
    players->UseSong(static_cast<int16_t>(index - 200));
    players->PauseMP3();
    graph = dynamic_cast<Mp3Graph*>(players->Graph(static_cast<int16_t>(index - 200)));
  }
  ~Env() {
    players.reset();
    std::filesystem::remove(path);
  }
  std::vector<float> Render(size_t frames) {
    std::vector<float> out(frames * 2);
    for (size_t done = 0; done < frames; done += 256) {
      graph->WaitFed(std::chrono::milliseconds(2000));
      loop.Render(out.data() + done * 2, std::min<size_t>(256, frames - done));
    }
    return out;
  }
  // Where in the straight decode the rendered block lies, relative to `expected`
  // (frames), searching a tenth of a second either way; exact matches first.
  bool Locate(const std::vector<float>& got, int64_t expected, size_t frames, int64_t& offset) {
    const int64_t span = kRate / 10, songFrames = static_cast<int64_t>(straight.size() / 2);
    const std::vector<float> fade = FadeIn(frames, kRate);
    double best = 1e300;
    for (int64_t d = 0; d <= span; d = d > 0 ? -d : -d + 1) {
      int64_t at = expected + d;
      if (at < 0 || at + static_cast<int64_t>(frames) > songFrames) continue;
      double err = 0;
      for (size_t i = 0; i < frames * 2 && err < best; ++i) {
        double e = got[i] - straight[static_cast<size_t>(at) * 2 + i] * fade[i];
        err += e * e;
      }
      if (err < best) {
        best = err;
        offset = d;
        if (err == 0) return true;
      }
    }
    return false;
  }
};

Env& env() {
  static Env e;
  return e;
}

void BM_PlayTile(benchmark::State& state) {
  Env& e = env();
  const float lengths[] = {2.0f, 2.5f, 3.0f, 1.5f, 4.0f};
  std::mt19937 rng(11);
  double maxErrMs = 0, sumErrMs = 0, maxReadyMs = 0, sumReadyMs = 0;
  int64_t n = 0, inexact = 0;
  for (auto _ : state) {
    float length = lengths[n % 5];
    int16_t tiles = static_cast<int16_t>((kSongSeconds - 5) / length);
    int16_t k = static_cast<int16_t>(1 + rng() % static_cast<unsigned>(tiles));
    auto t0 = Clock::now();
    e.players->PlayTile(k, k, length);
    auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());

    e.graph->WaitFed(std::chrono::milliseconds(2000));
    double readyMs = std::chrono::duration<double, std::milli>(Clock::now() - t1).count();
    std::vector<float> out = e.Render(1024);
    int64_t expected = std::llround(static_cast<double>(k - 1) * length * kRate);
    int64_t offset = 0;
    if (!e.Locate(out, expected, 1024, offset)) ++inexact;
    double errMs = std::abs(static_cast<double>(offset)) * 1000.0 / kRate;
    maxErrMs = std::max(maxErrMs, errMs);
    sumErrMs += errMs;
    maxReadyMs = std::max(maxReadyMs, readyMs);
    sumReadyMs += readyMs;
    ++n;
    e.players->PauseMP3();
  }
  state.counters["start_err_max_ms"] = maxErrMs;
  state.counters["start_err_mean_ms"] = n ? sumErrMs / n : 0;
  state.counters["not_bit_exact"] = static_cast<double>(inexact);
  state.counters["sound_queued_max_ms"] = maxReadyMs;
  state.counters["sound_queued_mean_ms"] = n ? sumReadyMs / n : 0;
}
BENCHMARK(BM_PlayTile)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(300);

// Opening the song: the decoder and the full scan for the exact length.
void BM_RenderFile(benchmark::State& state) {
  Env& e = env();
  for (auto _ : state) {
    Mp3Graph g;
    benchmark::DoNotOptimize(g.RenderFile(e.path));
  }
}
BENCHMARK(BM_RenderFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The chosen way: seek to ten frames before the target, decode and drop
// them, then decode the first buffer to play.
void BM_SeekWithPreroll(benchmark::State& state) {
  Env& e = env();
  mpg123_handle* mh = OpenDecoder(e.path);
  mpg123_scan(mh);
  const int64_t length = mpg123_length(mh), preroll = 10 * 1152;
  std::vector<float> scratch(preroll * 2 + 2048 * 2);
  std::mt19937 rng(5);
  for (auto _ : state) {
    int64_t target = static_cast<int64_t>(rng() % static_cast<unsigned>(length - kRate));
    int64_t from = std::max<int64_t>(0, target - preroll);
    off_t at = mpg123_seek(mh, from, SEEK_SET);
    benchmark::DoNotOptimize(Read(mh, scratch.data(), static_cast<size_t>(target - at) + 1024));
  }
  mpg123_delete(mh);
}
BENCHMARK(BM_SeekWithPreroll)->Unit(benchmark::kMicrosecond)->Iterations(500);

// The alternative: the whole song decoded into memory once.
void BM_DecodeWholeSong(benchmark::State& state) {
  Env& e = env();
  size_t bytes = 0;
  for (auto _ : state) {
    std::vector<float> all = DecodeAll(e.path);
    bytes = all.size() * sizeof(float);
    benchmark::DoNotOptimize(all.data());
  }
  state.counters["memory_MB_float"] = static_cast<double>(bytes) / 1e6;
  state.counters["memory_MB_16bit"] = static_cast<double>(bytes) / 2e6;
}
BENCHMARK(BM_DecodeWholeSong)->Unit(benchmark::kMillisecond)->Iterations(3);

// The project's own song, six minutes of it, in each format the game plays,
// and a low-rate MP3 (MPEG-2 at 22.05 kHz, 48 kbit/s: the writer's scale
// of bit rates is MPEG-1's, so 118 asks for that).
struct FormatCase {
  const char* label;
  const char* ext;
};
const FormatCase kFormats[] = {{"mp3", ".mp3"},   {"flac", ".flac"}, {"vorbis", ".ogg"},
                               {"opus", ".opus"}, {"wav", ".wav"},   {"mp3_22k", ".mp3"}};

struct FormatFiles {
  std::map<int, std::string> paths;
  ~FormatFiles() {
    for (auto& p : paths) std::filesystem::remove(p.second);
  }
  const std::string& Get(int i) {
    auto it = paths.find(i);
    if (it != paths.end()) return it->second;
    static const synth::Audio song = synth::LongSong(kSongSeconds);
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("bench-song-" + std::to_string(getpid()) + "-" + kFormats[i].label + kFormats[i].ext))
                                 .string();
    const bool ok = std::string(kFormats[i].label) == "mp3_22k" ? synth::WriteMp3(path, synth::Resample(song, 22050), 118)
                                                                 : synth::WriteSongFile(path, song);
    if (!ok) std::abort();
    return paths[i] = path;
  }
};

// Tiles of random lengths and places: PlayTile's own time, how soon sound is
// queued, and where the first rendered samples lie in a straight decode of
// the same file (at the file's decoded rate: 48 kHz for Opus, 22.05 kHz for
// the low-rate MP3), searched a tenth of a second either way.
void BM_Format(benchmark::State& state) {
  static FormatFiles files;
  const std::string& path = files.Get(static_cast<int>(state.range(0)));
  state.SetLabel(kFormats[state.range(0)].label);
  std::vector<float> straight;
  int32_t rate = 0;
  {
    auto d = OpenSongDecoder(path);
    if (!d) std::abort();
    rate = d->Rate();
    std::vector<float> buf(65536 * 2);
    while (int64_t n = d->Decode(buf.data(), 65536)) straight.insert(straight.end(), buf.begin(), buf.begin() + n * 2);
  }
  const int64_t songFrames = static_cast<int64_t>(straight.size() / 2);
  LoopbackContext loop(rate);
  Host host;
  SongPlayers players(host);
  auto o0 = Clock::now();
  const int16_t index = players.PlayMP3Sound(path, 0, -1, 0, 0);
  const double openMs = std::chrono::duration<double, std::milli>(Clock::now() - o0).count();
  if (index <= 200) std::abort();
  players.UseSong(static_cast<int16_t>(index - 200));
  players.PauseMP3();
  auto* graph = dynamic_cast<Mp3Graph*>(players.Graph(static_cast<int16_t>(index - 200)));

  const float lengths[] = {2.0f, 2.5f, 3.0f, 1.5f, 4.0f};
  std::mt19937 rng(11);
  int64_t n = 0, inexact = 0, maxErr = 0;
  double maxReadyMs = 0, sumReadyMs = 0, maxDiff = 0;
  std::vector<float> out(1024 * 2);
  const std::vector<float> fade = FadeIn(1024, rate);
  for (auto _ : state) {
    const float length = lengths[n % 5];
    const int16_t tiles = static_cast<int16_t>((kSongSeconds - 5) / length);
    const int16_t k = static_cast<int16_t>(1 + rng() % static_cast<unsigned>(tiles));
    auto t0 = Clock::now();
    players.PlayTile(k, k, length);
    auto t1 = Clock::now();
    state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    graph->WaitFed(std::chrono::milliseconds(2000));
    const double readyMs = std::chrono::duration<double, std::milli>(Clock::now() - t1).count();
    for (size_t done = 0; done < 1024; done += 256) {
      graph->WaitFed(std::chrono::milliseconds(2000));
      loop.Render(out.data() + done * 2, 256);
    }
    const int64_t expected = std::llround(static_cast<double>(k - 1) * length * rate);
    // The closest stretch of the straight decode; its distance is the start error.
    int64_t offset = 0;
    double best = 1e300;
    for (int64_t d = 0; d <= rate / 10 && best > 0; d = d > 0 ? -d : -d + 1) {
      const int64_t at = expected + d;
      if (at < 0 || at + 1024 > songFrames) continue;
      double err = 0;
      for (size_t i = 0; i < out.size() && err < best; ++i)
        err += std::abs(out[i] - straight[static_cast<size_t>(at) * 2 + i] * fade[i]);
      if (err < best) best = err, offset = d;
    }
    if (best > 0) {
      ++inexact;
      for (size_t i = 0; i < out.size(); ++i)
        maxDiff = std::max(maxDiff, static_cast<double>(std::abs(out[i] - straight[static_cast<size_t>(expected + offset) * 2 + i] * fade[i])));
    }
    maxErr = std::max(maxErr, std::abs(offset));
    maxReadyMs = std::max(maxReadyMs, readyMs);
    sumReadyMs += readyMs;
    ++n;
    players.PauseMP3();
  }
  state.counters["open_ms"] = openMs;
  state.counters["start_err_max_samples"] = static_cast<double>(maxErr);
  state.counters["not_bit_exact"] = static_cast<double>(inexact);
  state.counters["max_sample_diff"] = maxDiff;
  state.counters["sound_queued_max_ms"] = maxReadyMs;
  state.counters["sound_queued_mean_ms"] = n ? sumReadyMs / n : 0;
}
BENCHMARK(BM_Format)->DenseRange(0, 5)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(300);

}  // namespace

BENCHMARK_MAIN();
