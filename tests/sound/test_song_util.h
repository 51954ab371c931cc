#pragma once
// Shared by the song tests: a fake host, a fake media graph, generated MP3
// files whose pitch tells which tile is heard, and an OpenAL loopback device.
#include "tests/support/LoopbackContext.h"
#include "tests/support/QuietSoundHost.h"
#include "tests/support/ScratchFolder.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sound/MediaGraph.h"
#include "sound/SoundHost.h"

namespace songtest {

using FakeHost = QuietSoundHost;

// A graph with a hand-driven clock: Advance moves a running graph on, and it
// holds at its stop point or its end as the real one does.
class FakeGraph : public MediaGraph {
 public:
  double length = 100.0;
  bool renders = true;
  std::string path;
  bool running = false;
  int pauses = 0;
  double pos = 0, stopAt = -1, rate = 1.0;
  int32_t volume = 1, balance = 1;  // 1: never set

  bool RenderFile(const std::string& p) override {
    path = p;
    return renders;
  }
  void Run() override { running = true; }
  void Pause() override {
    running = false;
    ++pauses;
  }
  void Stop() override { Pause(); }
  void SetVolume(int32_t v) override { volume = v; }
  void SetBalance(int32_t b) override { balance = b; }
  void SetCurrentPosition(double s) override { pos = s < 0 ? 0 : (s > length ? length : s); }
  double CurrentPosition() override { return pos; }
  double StopTime() override { return length; }
  void SetRate(double r) override {
    if (r > 0) rate = r;
  }
  void SetStopAt(double s) override { stopAt = s; }
  double RunLeft() override { return running ? (End() - pos) / rate : 0.0; }
  double End() const { return stopAt >= 0 && stopAt < length ? stopAt : length; }

  void Advance(double seconds) {
    if (!running) return;
    double end = stopAt >= 0 && stopAt < length ? stopAt : length;
    pos = pos + seconds * rate < end ? pos + seconds * rate : (pos > end ? pos : end);
  }
};

struct TempFolder : ScratchFolder {
  const std::filesystem::path path = Root();
};

std::string ReadText(const std::string& path);

// Tile k (1-based) sounds Pitch(k) Hz on both channels for tileSeconds.
double Pitch(int tile);
// Writes a 44.1 kHz stereo MP3 of the given tiles; `tail` seconds of tone
// Pitch(tiles + 1) follow the last whole tile.
void WriteToneMp3(const std::string& path, int tiles, double tileSeconds, bool vbr, double tail = 0);
// Music-like test content that strains the decoder's bit reservoir:
// changing chords, noise bursts and near-silence.
void WriteBusyMp3(const std::string& path, double seconds, bool vbr);

// A straight decode of the whole file, interleaved stereo float, as the
// graph's decoder is set up.
std::vector<float> StraightDecode(const std::string& path);
// What a run of `runFrames` from song frame `from` should sound for its first
// `frames`: the straight decode there, with the run's edges faded.
std::vector<float> AsPlayed(const std::vector<float>& straight, size_t from, size_t frames, size_t runFrames,
                            int32_t rate = 44100);

// Strength of one frequency in a stretch of one channel (Goertzel).
double Power(const float* stereo, size_t frames, double hz, int channel = 0);
// Of the pitches of tiles 1..maxTile, the strongest in the stretch.
int LoudestTile(const float* stereo, size_t frames, int maxTile);

// A loopback device rendering into memory at 44.1 kHz float stereo, current
// for the process while it lives.
class Loopback : public LoopbackContext {
 public:
  Loopback() : LoopbackContext(44100) {}
  using LoopbackContext::Render;
  // Renders frames, letting the graph's feeder catch up between small blocks.
  std::vector<float> Render(Mp3Graph* graph, size_t frames);
};

}  // namespace songtest
