#pragma once
// Time as the game sees it: waits and the time of day. The program's clock
// runs window events during a wait; a test's advances at once.
class Clock {
 public:
  virtual ~Clock() = default;
  // Waits; processes window events (keys among them) unless noEvents.
  virtual void Wait(float seconds, bool noEvents) = 0;
  // Seconds since midnight.
  virtual double TimeOfDay() = 0;
};
