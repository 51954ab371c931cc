#pragma once
// The game's own playback stream at a sound server that speaks the PulseAudio
// protocol (PulseAudio itself, or PipeWire's pipewire-pulse). OpenAL Soft
// mixes into it through a loopback device, so the stream carries the game's
// name, icon and role, asks the server for exactly the buffer the game wants,
// is filled at once when the server asks (no extra thread to wake), and is
// closed while the game is idle so the server's graph sleeps too.
#include <functional>
#include <memory>

class PulseOutput {
 public:
  // Mixes `frames` interleaved stereo float frames into `out`.
  using Render = std::function<void(float* out, int frames)>;

  // Connects to the session's server without starting one; nullptr when none answers.
  static std::unique_ptr<PulseOutput> Connect();
  ~PulseOutput();
  PulseOutput(const PulseOutput&) = delete;
  PulseOutput& operator=(const PulseOutput&) = delete;

  // The server's own sample rate: the stream runs at it, so nothing resamples.
  int Rate() const;
  // Whether the server is PipeWire's pipewire-pulse (rather than PulseAudio).
  bool PipeWire() const;
  // Opens the stream, playing: the server asks for `periodFrames` at a time and
  // keeps `periods` of them queued. False when the stream cannot be made.
  bool Open(Render render, int periodFrames, int periods);
  // Corked, the stream is closed (the engine corks only after seconds of
  // silence); uncorked, a new one is opened, without waiting for the server.
  void SetCorked(bool corked);
  // The buffer the server granted, in frames (0 before Open).
  int BufferFrames() const;

 private:
  struct Impl;
  explicit PulseOutput(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};
