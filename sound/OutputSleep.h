#pragma once
// Lets the output device sleep once nothing has sounded for a while, so an
// idle game costs the machine nothing and the sound server asks nothing of
// it, and wakes it before any sound starts. The one owner of "something plays / idle
// since" for the whole process: every player plays through the one device,
// and each calls soundwake::Wake before it starts a sound. While the device
// sleeps no timer runs; while it is awake a check runs once a second.
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <mutex>

class OutputSleep : public QObject {
 public:
  using Clock = std::chrono::steady_clock;
  // Asked on the main thread: does any player the engine knows still sound?
  using Sounding = std::function<bool()>;
  // Pauses (true) or resumes (false) the device, under this object's lock.
  using SetPaused = std::function<void(bool paused)>;

  static constexpr std::chrono::milliseconds kIdleDelay{3000};

  // Installs itself as the process's wake handler (one at a time).
  OutputSleep(Sounding sounding, SetPaused setPaused, std::chrono::milliseconds idleDelay = kIdleDelay);
  ~OutputSleep() override;
  OutputSleep(const OutputSleep&) = delete;
  OutputSleep& operator=(const OutputSleep&) = delete;

  // A sound is about to start (any thread): resumes a sleeping device first.
  void Wake(double seconds = 0.0);
  bool Asleep() const;

 private:
  void Check();
  void ArmLocked(std::chrono::milliseconds in);

  Sounding sounding_;
  SetPaused setPaused_;
  std::chrono::milliseconds idleDelay_;
  mutable std::mutex mu_;
  bool asleep_ = false;
  bool armed_ = false;
  unsigned long long wakes_ = 0;
  Clock::time_point busyUntil_;  // nothing may sleep before this
  QTimer timer_;
};
