#include "core/Schedule.h"

#include <algorithm>

unsigned Schedule::Add(Flow flow, double due, Step step) {
  steps_.push_back({++next_, flow, due, false, std::move(step)});
  return next_;
}

void Schedule::Signal(unsigned ticket) {
  for (auto& s : steps_)
    if (s.ticket == ticket) s.signalled = true;
}

void Schedule::Cancel(Flow flow) {
  std::erase_if(steps_, [flow](const Waiting& s) { return s.flow == flow; });
}

bool Schedule::Pending(Flow flow) const {
  return std::any_of(steps_.begin(), steps_.end(), [flow](const Waiting& s) { return s.flow == flow; });
}

std::optional<Schedule::Step> Schedule::TakeReady(double now) {
  // Signalled steps first, in the order they were added; then those whose time has come, earliest first.
  auto it = std::find_if(steps_.begin(), steps_.end(), [](const Waiting& s) { return s.signalled; });
  if (it == steps_.end()) {
    it = std::min_element(steps_.begin(), steps_.end(), [](const Waiting& a, const Waiting& b) { return a.due < b.due; });
    if (it == steps_.end() || it->due > now) return std::nullopt;
  }
  Step step = std::move(it->step);
  steps_.erase(it);
  return step;
}

std::optional<double> Schedule::NextDue() const {
  std::optional<double> due;
  for (const auto& s : steps_) {
    if (s.signalled) return 0.0;
    if (s.due != Never && (!due || s.due < *due)) due = s.due;
  }
  return due;
}
