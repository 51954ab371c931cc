// PlaySound of a cue that is already loaded, and how soon its first sample
// is mixed after the call.
#include "tests/support/QuietSoundHost.h"
#include "tests/support/FakeDirectSound.h"
#include "sound/OpenALDirectSound.h"
#include "sound/Sound.h"
#include "sound/SoundHost.h"

#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Host = QuietSoundHost;

// A folder with a short bright note that starts on a non-zero sample.
std::string CueFolder() {
  static const std::string folder = [] {
    fs::path dir = fs::temp_directory_path() / "tunzle-bench-sound";
    fs::create_directories(dir);
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open((dir / "note.wav").c_str(), SFM_WRITE, &info);
    std::vector<float> pcm(6615);
    for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = 0.3f * std::cos(2 * M_PI * 1320 * i / 44100.0);
    sf_writef_float(f, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    sf_close(f);
    return dir.string() + "/";
  }();
  return folder;
}

void PlayLoadedCue(benchmark::State& state, std::unique_ptr<DSDevice> device) {
  Host host(CueFolder());
  Sound sound(host, std::move(device));
  sound.DSInit();
  if (!sound.DeviceReady()) {
    state.SkipWithError("no device");
    return;
  }
  sound.StopPlay(sound.PlaySound("note.wav"));  // loads it
  for (auto _ : state) {
    const int16_t i = sound.PlaySound("note.wav");
    benchmark::DoNotOptimize(i);
    sound.StopPlay(i);
  }
}

void BM_PlaySoundLoadedCue_OpenAL(benchmark::State& state) {
  PlayLoadedCue(state, OpenALDirectSound::Loopback(44100));
}

void BM_PlaySoundLoadedCue_EngineOnly(benchmark::State& state) {
  PlayLoadedCue(state, std::make_unique<FakeDirectSound>());
}

// PlaySound, then one mixed block of 256 frames: the counter tells at which
// frame of that block the cue's first sample lands (0: at once).
void BM_CueStartThroughLoopback(benchmark::State& state) {
  Host host(CueFolder());
  auto dev = OpenALDirectSound::Loopback(44100);
  OpenALDirectSound* al = dev.get();
  Sound sound(host, std::move(dev));
  sound.DSInit();
  std::vector<float> block(512);
  sound.StopPlay(sound.PlaySound("note.wav"));
  int64_t firstFrame = 0, blocks = 0, missed = 0;
  for (auto _ : state) {
    const int16_t i = sound.PlaySound("note.wav");
    al->RenderSamples(block.data(), 256);
    int k = 0;
    while (k < 256 && std::abs(block[2 * k]) < 1e-3f) ++k;
    if (k == 256) ++missed;
    firstFrame += k;
    ++blocks;
    sound.StopPlay(i);
  }
  state.counters["first_sample_frame"] = blocks ? double(firstFrame) / blocks : 0;
  state.counters["blocks_without_cue"] = double(missed);
}

// What a real device (here the null driver) mixes ahead of the ear.
void BM_RealDeviceMixAhead(benchmark::State& state) {
  Host host(CueFolder());
  auto dev = std::make_unique<OpenALDirectSound>();
  OpenALDirectSound* al = dev.get();
  Sound sound(host, std::move(dev));
  sound.DSInit();
  for (auto _ : state) benchmark::DoNotOptimize(al->MixAheadFrames());
  const int frames = al->MixAheadFrames();
  const int rate = al->OutputRate();
  state.counters["mix_ahead_frames"] = frames;
  state.counters["mix_ahead_ms"] = rate ? 1000.0 * frames / rate : 0;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("ALSOFT_DRIVERS", "null", 0);
  setenv("TUNZLE_NO_SYSTEM_BOX", "1", 0);
  // The real device first, so that it is the library's first use and its
  // mix-ahead settings take effect, as in the game.
  benchmark::RegisterBenchmark("BM_RealDeviceMixAhead", BM_RealDeviceMixAhead)->Iterations(1);
  benchmark::RegisterBenchmark("BM_PlaySoundLoadedCue_OpenAL", BM_PlaySoundLoadedCue_OpenAL);
  benchmark::RegisterBenchmark("BM_PlaySoundLoadedCue_EngineOnly", BM_PlaySoundLoadedCue_EngineOnly);
  benchmark::RegisterBenchmark("BM_CueStartThroughLoopback", BM_CueStartThroughLoopback);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
