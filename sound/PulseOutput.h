#pragma once
// The game's stream at a server that speaks the PulseAudio protocol.
#include "sound/ServerOutput.h"

class PulseOutput : public ServerOutput {
 public:
  // Connects to the session's server without starting one; nullptr when none
  // answers. The stream runs at `streamRate`, or at the server's rate if 0.
  static std::unique_ptr<PulseOutput> Connect(int streamRate = 0);
  ~PulseOutput() override;
  PulseOutput(const PulseOutput&) = delete;
  PulseOutput& operator=(const PulseOutput&) = delete;

  int Rate() const override;
  // pipewire-pulse rather than PulseAudio.
  bool PipeWire() const override;
  bool Open(Render render, int periodFrames, int periods) override;
  void SetCorked(bool corked) override;
  int BufferFrames() const override;
  bool Lost() const override;

 private:
  struct Impl;
  explicit PulseOutput(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};
