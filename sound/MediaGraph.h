#pragma once
// The song player's media graph: opens one song file and plays it from any
// position. The song players only start, seek and pause it; the real graph
// decodes and feeds the sound device from a thread of its own, so the song
// never starves while the user-interface thread is busy or blocked.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

class SongDecoder;

class MediaGraph {
 public:
  virtual ~MediaGraph() = default;

  // Opens the file and builds what decodes it. False when nothing in it decodes.
  virtual bool RenderFile(const std::string& path) = 0;
  // Plays from the current position.
  virtual void Run() = 0;
  // Holds the position; silence at once.
  virtual void Pause() = 0;
  // As Pause: the position is kept so a later Run resumes there.
  virtual void Stop() = 0;

  // Hundredths of a decibel, 0 loudest, -10000 silent.
  virtual void SetVolume(int32_t hundredthsDb) = 0;
  // -10000 .. 10000: hundredths of a decibel taken off the right (negative)
  // or the left (positive) side.
  virtual void SetBalance(int32_t balance) = 0;

  // Seconds. A position past the end reads back as the stop time.
  virtual void SetCurrentPosition(double seconds) = 0;
  virtual double CurrentPosition() = 0;
  // The song's exact length in seconds.
  virtual double StopTime() = 0;
  // 1.0 is normal speed; zero or less is ignored.
  virtual void SetRate(double rate) = 0;

  // The graph falls silent and holds its position when it reaches this
  // point, so a run of tiles ends on its last sample whatever the timer's
  // jitter. Negative: play to the end.
  virtual void SetStopAt(double seconds) = 0;

  // Seconds of the current run still to be played out to the device; 0 when
  // paused or when the run's last sample has left the player. A pause before
  // then would cut the run's end off.
  virtual double RunLeft() { return 0.0; }

  // The song from `from` to `to` seconds stays within `peak` of full scale
  // (or lies past its end). Answered from a decode of its own, without
  // touching the playing position; a graph that cannot tell says false.
  virtual bool IsQuiet(double /*from*/, double /*to*/, float /*peak*/) { return false; }
};

// A run fades in over its first frames and out over its last, this many
// (4 ms): a cut inside loud music would click. Its first frame still sits
// exactly at its place in the song.
int64_t EdgeFadeFrames(int32_t rate);
// Applies that fade to `frames` stereo frames of a run: `fromStart` of the
// run's frames lie before the first of them, `toEnd` from it to the run's end.
void ApplyEdgeFade(float* stereo, int64_t frames, int64_t fromStart, int64_t toEnd, int64_t fade);

// The real graph (below); the song players use this unless given another.
std::unique_ptr<MediaGraph> MakeMediaGraph();

// A song file (MP3, FLAC, Vorbis, Opus or WAV; see SongDecoder) decoded with
// its exact length and sample-exact seeking into an OpenAL streaming source
// of the context that is current when the file is opened. With no current
// context the graph plays silently: positions run on a clock.
class Mp3Graph : public MediaGraph {
 public:
  Mp3Graph();
  ~Mp3Graph() override;
  Mp3Graph(const Mp3Graph&) = delete;
  Mp3Graph& operator=(const Mp3Graph&) = delete;

  bool RenderFile(const std::string& path) override;
  void Run() override;
  void Pause() override;
  void Stop() override;
  void SetVolume(int32_t hundredthsDb) override;
  void SetBalance(int32_t balance) override;
  void SetCurrentPosition(double seconds) override;
  double CurrentPosition() override;
  double StopTime() override;
  void SetRate(double rate) override;
  void SetStopAt(double seconds) override;
  double RunLeft() override;
  bool IsQuiet(double from, double to, float peak) override;

  // True when the graph sounds through a device (false: silent, clock-driven).
  bool HasDevice() const { return source_ != 0; }
  int32_t SampleRate() const { return rate_; }
  // Waits until the feeding thread has filled the device's queue or reached
  // the end of the run; for tests and benchmarks that render by hand.
  bool WaitFed(std::chrono::milliseconds timeout);

 private:
  void FeedLoop();
  // How long the feeder may sleep: until the front buffer has played.
  std::chrono::microseconds FrontBufferLeftLocked();
  int64_t PositionLocked();
  int64_t EndLocked() const;
  int64_t ToSample(double seconds) const;
  // Takes back the buffers the source has played.
  void DropPlayedLocked();
  // Starts (or, after an underrun, restarts) the source on what is queued.
  void PlayQueuedLocked();
  // Decoder side, feeding thread only.
  bool SeekDecoder(int64_t sample);
  int64_t Decode(float* out, int64_t frames);

  std::unique_ptr<SongDecoder> decoder_;
  // IsQuiet's own decoder (the caller's thread only) and its answers, by
  // stretch in frames and peak: the file does not change while it is open.
  std::string path_;
  std::unique_ptr<SongDecoder> probe_;
  std::map<std::tuple<int64_t, int64_t, float>, bool> quiet_;
  int32_t rate_ = 44100;
  int64_t length_ = 0;        // frames

  std::mutex mu_;
  std::condition_variable cv_;
  std::condition_variable fedCv_;
  std::thread feeder_;
  bool quit_ = false;

  // Transport, guarded by mu_.
  bool running_ = false;
  uint64_t generation_ = 0;   // bumped on every run, pause and seek
  int64_t pos_ = 0;           // held position while not running
  int64_t runStart_ = 0;      // position where the current run started
  std::chrono::steady_clock::time_point runClock_;
  int64_t stopAt_ = -1;
  double speed_ = 1.0;
  float gainLeft_ = 1.0f, gainRight_ = 1.0f;

  // Device side, guarded by mu_.
  void* context_ = nullptr;
  uint32_t source_ = 0;
  std::vector<uint32_t> freeBuffers_;
  std::vector<std::pair<uint32_t, int64_t>> queued_;  // buffer, frames
  uint64_t fedGeneration_ = ~0ull;
  int64_t queueStart_ = 0;   // song frame of the first buffer still queued
  int64_t feedPos_ = 0;      // next song frame to decode
  bool decoderAt_ = false;   // decoder is positioned at feedPos_
  bool endOfData_ = false;   // decoding ended early (truncated file)
  bool sourceStarted_ = false;  // the source has been started in this run
  // The last buffers queued while the source was not playing: never heard,
  // though a stopped source counts them as processed.
  size_t unplayed_ = 0;
  bool floatFormat_ = true;
};
