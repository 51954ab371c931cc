// The Ogg pump runs every 10 ms on the UI thread and must return quickly.
#include "tests/support/QuietSoundHost.h"
#include "sound/OggPlayers.h"

#define AL_ALEXT_PROTOTYPES
#include "tests/support/LoopbackContext.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <QCoreApplication>

#include <cmath>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Host = QuietSoundHost;

// Pump cost with `streams` stereo streams playing, 10 ms of output rendered between ticks.
void BM_OggPump(benchmark::State& state) {
  const fs::path dir = fs::temp_directory_path() / "bench_ogg";
  fs::create_directories(dir);
  {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    SNDFILE* f = sf_open((dir / "tone.ogg").c_str(), SFM_WRITE, &info);
    std::vector<float> frames(44100 * 2 * 5);
    for (size_t i = 0; i < frames.size(); ++i) frames[i] = static_cast<float>(0.3 * std::sin(i * 0.02));
    sf_writef_float(f, frames.data(), 44100 * 5);
    sf_close(f);
  }
  LoopbackContext loop(44100, ALC_SHORT_SOFT);
  Host host;
  host.folder = dir.string() + "/";
  {
    OggPlayers players(host);
    players.Resize(20);
    players.Start();
    for (int i = 0; i < state.range(0); ++i) players.Play("TONE.OGG", 0, -1, 0, 8);
    std::vector<short> out(441 * 2);
    for (auto _ : state) {
      state.PauseTiming();
      loop.Render(out.data(), 441);
      state.ResumeTiming();
      players.Pump();
    }
    players.Shutdown();
  }
  fs::remove_all(dir);
}
BENCHMARK(BM_OggPump)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the pump's timer needs one
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
