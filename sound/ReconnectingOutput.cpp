#include "sound/ReconnectingOutput.h"

#include "base/Trace.h"
#include "common/SoundWake.h"
#include "sound/PipeWireOutput.h"
#include "sound/PulseOutput.h"

#include <algorithm>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLossPoll = std::chrono::milliseconds(200);

std::unique_ptr<ServerOutput> ConnectAt(int rate) {
  auto pulse = PulseOutput::Connect(rate);
  // Asked first through the pulse protocol: a PipeWire that runs beside
  // PulseAudio (for screen sharing, say) has no sink worth playing to.
  if (pulse && pulse->PipeWire())
    if (auto own = PipeWireOutput::Connect(pulse->Rate())) return own;
  return pulse;
}

}  // namespace

std::unique_ptr<ServerOutput> ServerOutput::Connect() {
  auto first = ConnectAt(0);
  if (!first) return nullptr;
  return std::make_unique<ReconnectingOutput>(std::move(first), ConnectAt, soundwake::LinkChanged);
}

ReconnectingOutput::ReconnectingOutput(std::unique_ptr<ServerOutput> first, Connector connect, Link link,
                                       std::chrono::milliseconds retry)
    : rate_(first->Rate()), pipewire_(first->PipeWire()), connect_(std::move(connect)), link_(std::move(link)),
      retry_(retry), live_(std::move(first)) {}

ReconnectingOutput::~ReconnectingOutput() {
  {
    std::lock_guard g(mu_);
    stop_ = true;
  }
  wake_.notify_all();
  if (watch_.joinable()) watch_.join();
  live_.reset();
}

bool ReconnectingOutput::Open(Render render, int periodFrames, int periods) {
  std::lock_guard g(mu_);
  if (render_ || !live_ || !render) return false;
  if (!live_->Open(render, periodFrames, periods)) return false;
  render_ = std::move(render);
  periodFrames_ = std::max(1, periodFrames);
  periods_ = periods;
  scratch_.resize(static_cast<size_t>(periodFrames_) * 2);
  watch_ = std::thread([this] { Watch(); });
  return true;
}

void ReconnectingOutput::SetCorked(bool corked) {
  std::lock_guard g(mu_);
  corked_ = corked;
  if (live_) live_->SetCorked(corked);
  wake_.notify_all();
}

int ReconnectingOutput::BufferFrames() const {
  std::lock_guard g(mu_);
  if (live_) return live_->BufferFrames();
  return render_ ? periodFrames_ : 0;
}

bool ReconnectingOutput::Connected() const {
  std::lock_guard g(mu_);
  return live_ != nullptr;
}

void ReconnectingOutput::StandIn(Clock::time_point& last) {
  const auto now = Clock::now();
  if (corked_) {
    last = now;
    return;
  }
  // Whole periods, as a server would ask for them; a stall is caught up at once.
  const auto due = std::chrono::duration_cast<std::chrono::microseconds>(now - last).count() * rate_ / 1000000;
  for (long long left = due; left >= periodFrames_; left -= periodFrames_) render_(scratch_.data(), periodFrames_);
  last += std::chrono::microseconds(due / periodFrames_ * periodFrames_ * 1000000 / rate_);
}

bool ReconnectingOutput::TryReconnect(std::unique_lock<std::mutex>& lock) {
  // Unlocked: a server that is starting may keep us waiting, and the window
  // may cork or uncork meanwhile. Nothing else mixes while this thread waits.
  lock.unlock();
  auto next = connect_(rate_);
  const bool open = next && next->Open(render_, periodFrames_, periods_);
  lock.lock();
  if (!open) return false;
  if (corked_) next->SetCorked(true);
  live_ = std::move(next);
  return true;
}

void ReconnectingOutput::Watch() {
  std::unique_lock lock(mu_);
  auto last = Clock::now();
  auto nextTry = last;
  while (!stop_) {
    if (live_ && !live_->Lost()) {
      wake_.wait_for(lock, kLossPoll);
      continue;
    }
    if (live_) {
      // Its threads stop before the stand-in mixes: one mixer at a time.
      auto gone = std::move(live_);
      lock.unlock();
      gone.reset();
      lock.lock();
      Trace::write("output", {"lost"});
      if (link_) link_(false);
      last = Clock::now();
      nextTry = last + retry_;
    }
    StandIn(last);
    if (Clock::now() >= nextTry) {
      if (TryReconnect(lock)) {
        Trace::write("output", {"back"});
        if (link_) link_(true);
        continue;
      }
      nextTry = Clock::now() + retry_;
    }
    if (stop_) break;
    // Corked, nothing is due until the next try.
    if (corked_) wake_.wait_until(lock, nextTry);
    else wake_.wait_for(lock, std::chrono::microseconds(1000000LL * periodFrames_ / rate_));
  }
}
