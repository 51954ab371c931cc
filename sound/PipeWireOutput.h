#pragma once
// The game's stream as PipeWire's own client. Through pipewire-pulse a
// stream's data crosses the protocol's socket and a queue first, and it
// underran there under load: here the graph's real-time thread asks for
// each quantum and we mix it on the spot.
#include "sound/ServerOutput.h"

class PipeWireOutput : public ServerOutput {
 public:
  // Connects to the session's PipeWire; `rate` is its graph's rate (as its
  // pulse server reports it). nullptr when PipeWire does not answer.
  static std::unique_ptr<PipeWireOutput> Connect(int rate);
  ~PipeWireOutput() override;
  PipeWireOutput(const PipeWireOutput&) = delete;
  PipeWireOutput& operator=(const PipeWireOutput&) = delete;

  int Rate() const override;
  bool PipeWire() const override { return true; }
  // `periods` is not used: the graph keeps no queue of ours.
  bool Open(Render render, int periodFrames, int periods) override;
  void SetCorked(bool corked) override;
  int BufferFrames() const override;
  bool Lost() const override;

 private:
  struct Impl;
  explicit PipeWireOutput(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};
