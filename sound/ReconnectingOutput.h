#pragma once
// The game's stream, kept through a sound server's restart. When the server
// goes away a stand-in mixes into nothing in real time, so sounds that were
// playing move on and runs still end, and a new connection is tried each
// second without holding up the window; once a server answers, the game
// plays there. The mixer keeps the rate it started with: a new server is
// asked for a stream at that rate.
#include "sound/ServerOutput.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class ReconnectingOutput : public ServerOutput {
 public:
  // A new connection at a given stream rate; nullptr while no server answers.
  using Connector = std::function<std::unique_ptr<ServerOutput>(int rate)>;
  // Link: told (on the watch thread) when the server is lost and when it is back.
  using Link = std::function<void(bool up)>;

  ReconnectingOutput(std::unique_ptr<ServerOutput> first, Connector connect, Link link = nullptr,
                     std::chrono::milliseconds retry = std::chrono::seconds(1));
  ~ReconnectingOutput() override;
  ReconnectingOutput(const ReconnectingOutput&) = delete;
  ReconnectingOutput& operator=(const ReconnectingOutput&) = delete;

  int Rate() const override { return rate_; }
  bool PipeWire() const override { return pipewire_; }
  bool Open(Render render, int periodFrames, int periods) override;
  void SetCorked(bool corked) override;
  int BufferFrames() const override;
  // Never: while the server is away the stand-in plays.
  bool Lost() const override { return false; }
  // Whether a server plays the stream now.
  bool Connected() const;

 private:
  void Watch();
  // With mu_ held; false when no server took the stream.
  bool TryReconnect(std::unique_lock<std::mutex>& lock);
  void StandIn(std::chrono::steady_clock::time_point& last);

  const int rate_;
  const bool pipewire_;
  const Connector connect_;
  const Link link_;
  const std::chrono::milliseconds retry_;

  mutable std::mutex mu_;
  std::condition_variable wake_;
  std::unique_ptr<ServerOutput> live_;  // nullptr while the server is away
  Render render_;
  int periodFrames_ = 0, periods_ = 0;
  bool corked_ = false;
  bool stop_ = false;
  std::vector<float> scratch_;
  std::thread watch_;
};
