#pragma once
// The game's own playback stream at the desktop's sound server. OpenAL Soft
// mixes into it through a loopback device, so the stream carries the game's
// name, icon and role, asks the server for exactly the period the game
// wants, is filled when the server asks, and is corked while the
// game is idle, so neither runs for nothing.
#include <functional>
#include <memory>

class ServerOutput {
 public:
  // Mixes `frames` interleaved stereo float frames into `out`.
  using Render = std::function<void(float* out, int frames)>;

  // The session's server, without starting one; nullptr when none answers.
  // Where PipeWire serves the desktop's audio the stream is PipeWire's own,
  // else the PulseAudio protocol's. It outlives the server: once lost, it
  // connects again to whichever answers.
  static std::unique_ptr<ServerOutput> Connect();
  virtual ~ServerOutput() = default;

  // The server's own sample rate: the stream runs at it, so nothing resamples.
  virtual int Rate() const = 0;
  // Whether PipeWire serves the audio (natively or through pipewire-pulse).
  virtual bool PipeWire() const = 0;
  // Opens the stream, playing: the server asks for `periodFrames` at a time
  // (and, where it queues, keeps `periods` of them). False when it cannot.
  virtual bool Open(Render render, int periodFrames, int periods) = 0;
  // Corked after seconds of silence: the server asks nothing of the game,
  // and the stream stays linked so that uncorking plays at once.
  virtual void SetCorked(bool corked) = 0;
  // The buffer the server granted, in frames (0 before Open).
  virtual int BufferFrames() const = 0;
  // The server went away or dropped the stream: this connection will ask
  // nothing more of the game. Safe from any thread.
  virtual bool Lost() const = 0;
};
