#include "sound/OutputSleep.h"

#include "common/SoundWake.h"
#include "base/Trace.h"

#include <QThread>

#include <algorithm>

namespace {

// The installed instance; the lock keeps it alive while a handler runs.
std::mutex activeLock;
OutputSleep* active = nullptr;

void WakeActive(double seconds) {
  std::lock_guard g(activeLock);
  if (active) active->Wake(seconds);
}

constexpr std::chrono::milliseconds kPoll{1000};

}  // namespace

OutputSleep::OutputSleep(Sounding sounding, SetPaused setPaused, std::chrono::milliseconds idleDelay)
    : sounding_(std::move(sounding)), setPaused_(std::move(setPaused)), idleDelay_(idleDelay),
      busyUntil_(Clock::now()) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::CoarseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Check(); });
  {
    std::lock_guard g(mu_);
    ArmLocked(idleDelay_);
  }
  std::lock_guard g(activeLock);
  active = this;
  soundwake::SetHandler(WakeActive);
}

OutputSleep::~OutputSleep() {
  std::lock_guard g(activeLock);
  if (active == this) {
    active = nullptr;
    soundwake::SetHandler(nullptr);
  }
}

bool OutputSleep::Asleep() const {
  std::lock_guard g(mu_);
  return asleep_;
}

void OutputSleep::ArmLocked(std::chrono::milliseconds in) {
  armed_ = true;
  const int ms = static_cast<int>(std::max<std::chrono::milliseconds::rep>(1, in.count()));
  if (QThread::currentThread() == thread()) {
    timer_.start(ms);
  } else {
    QMetaObject::invokeMethod(this, [this, ms] { timer_.start(ms); }, Qt::QueuedConnection);
  }
}

void OutputSleep::Wake(double seconds) {
  std::lock_guard g(mu_);
  const auto now = Clock::now();
  const auto lasts = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(std::max(0.0, seconds)));
  // Back-to-back pieces of one sound (a voice's chunks) add up.
  busyUntil_ = std::max(busyUntil_, now) + lasts;
  ++wakes_;
  if (asleep_) {
    setPaused_(false);
    asleep_ = false;
    Trace::write("output", {"wake"});
  }
  if (!armed_) ArmLocked(idleDelay_);
}

void OutputSleep::Check() {
  unsigned long long seen = 0;
  {
    std::lock_guard g(mu_);
    seen = wakes_;
  }
  // Asked without our lock: players take their own locks, and may call Wake under them.
  const bool sounding = sounding_ && sounding_();
  std::lock_guard g(mu_);
  const auto now = Clock::now();
  if (sounding) busyUntil_ = std::max(busyUntil_, now);
  const auto left = busyUntil_ + idleDelay_ - now;
  if (wakes_ != seen || left > Clock::duration::zero()) {
    ArmLocked(std::min(kPoll, std::chrono::ceil<std::chrono::milliseconds>(std::max(left, Clock::duration::zero()))));
    return;
  }
  armed_ = false;
  asleep_ = true;
  setPaused_(true);
  Trace::write("output", {"sleep"});
}
