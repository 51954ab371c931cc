#pragma once
// Time as the game sees it: waits, the time of day, and a steady count of
// seconds. The program's clock runs window events during a wait; a test's
// advances at once.
class Clock {
 public:
  virtual ~Clock() = default;
  // Waits; processes window events (keys among them) unless noEvents.
  virtual void Wait(float seconds, bool noEvents) = 0;
  // Seconds since midnight.
  virtual double TimeOfDay() = 0;
  // Seconds from any fixed start, never going back (the time of day jumps at
  // midnight and when the system clock is set): a game's time is measured on it.
  virtual double SteadySeconds() = 0;
};
