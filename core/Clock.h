#pragma once
// Time as the game sees it: the time of day, a steady count of seconds, and
// the one timer that brings the game back when its next step is due. The
// program's timer fires from the event loop; a test's clock moves when the
// test moves it.
#include <functional>

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since midnight.
  virtual double TimeOfDay() = 0;
  // Seconds from any fixed start, never going back (the time of day jumps at
  // midnight and when the system clock is set): a game's time is measured on it.
  virtual double SteadySeconds() = 0;
  // `due` is to run, from the event loop, once SteadySeconds reaches
  // `steady`; a new call replaces the one before.
  virtual void WakeAt(double steady, std::function<void()> due) = 0;
};
