// Time from speak() to the first rendered speech sample, through an OpenAL
// loopback device made current as the game's sound engine makes its own.
#include "speech/FRMTTS.h"

#define AL_ALEXT_PROTOTYPES
#include "tests/support/LoopbackContext.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>
#include <QApplication>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace {

struct Loopback : LoopbackContext {
  // True when the block holds any sound.
  bool renderHeard(int frames) {
    buf.resize(static_cast<size_t>(frames) * 2);
    Render(buf.data(), static_cast<size_t>(frames));
    for (float v : buf)
      if (std::fabs(v) > 1e-4f) return true;
    return false;
  }
  std::vector<float> buf;
};

void speakToFirstSample(benchmark::State& state, const char* text) {
  Loopback lb;
  if (!lb.ok()) {
    state.SkipWithError("no loopback device");
    return;
  }
  FRMTTS tts;
  tts.TTSSetup(3);
  if (tts.ActiveSpeechType() != 3) {
    state.SkipWithError("espeak-ng did not start");
    return;
  }
  for (auto _ : state) {
    tts.StopSpeech();
    lb.renderHeard(1024);
    const auto t0 = std::chrono::steady_clock::now();
    tts.speak(text);
    // 32 frames is under a millisecond of audio: the render step adds next to nothing.
    while (!lb.renderHeard(32)) {
      if (std::chrono::steady_clock::now() - t0 > std::chrono::seconds(5)) {
        state.SkipWithError("no speech within 5 s");
        return;
      }
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
}

void BM_SpeakToFirstSample_Short(benchmark::State& state) { speakToFirstSample(state, "Music Tunzle."); }
void BM_SpeakToFirstSample_Long(benchmark::State& state) {
  speakToFirstSample(state, "Use the arrows to adjust rate. Press Enter when done. Here is the new rate.");
}

}  // namespace

BENCHMARK(BM_SpeakToFirstSample_Short)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_SpeakToFirstSample_Long)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(50);

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
