#pragma once
// The game's pending steps. Each waits for a time, or for a signal (speech
// heard, a run ended, an answer given) with a time as its bound; the game
// runs the ready ones from the top of the event loop, never inside another
// step. A step belongs to a flow, so a rule can drop a flow's steps at once.
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

// Notes: a slide's notes and run, and the win's flourish; Song: the win's
// song; Win: from its end to the question; Lesson: the tutorial's words and
// its end; Hint: the tutorial's hint after a while without progress.
enum class Flow { Intro, Resume, Notes, Song, Win, Square, Quit, Answer, Lesson, Hint };

class Schedule {
 public:
  using Step = std::function<void()>;
  static constexpr double Never = std::numeric_limits<double>::infinity();

  // A step that runs once the steady clock reaches `due`, or once its ticket
  // is signalled, whichever comes first.
  unsigned Add(Flow flow, double due, Step step);
  void Signal(unsigned ticket);
  // Drops every pending step of the flow.
  void Cancel(Flow flow);
  bool Pending(Flow flow) const;
  // Removes and returns the oldest step ready at `now`.
  std::optional<Step> TakeReady(double now);
  // The earliest bound still ahead (signalled steps are ready at once).
  std::optional<double> NextDue() const;

 private:
  struct Waiting {
    unsigned ticket;
    Flow flow;
    double due;
    bool signalled;
    Step step;
  };
  std::vector<Waiting> steps_;
  unsigned next_ = 0;
};
