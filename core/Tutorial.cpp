#include "core/Tutorial.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace tutorial {

namespace {

// The step that teaches a command; commands the tutorial never teaches have none.
std::optional<Step> TaughtAt(Command c) {
  switch (c) {
    case Command::Up: case Command::Down: case Command::Left: case Command::Right:
    case Command::RowStart: case Command::RowEnd: case Command::ColumnTop: case Command::ColumnBottom:
      return Step::Arrows;
    case Command::PlayHomeTile: return Step::HomeTile;
    case Command::SayEmpty: return Step::WhereEmpty;
    case Command::GoToEmpty: return Step::GoToEmpty;
    case Command::Slide: return Step::SlideOne;
    case Command::PlayRun: return Step::PlayRun;
    case Command::EndOfRun: return Step::EndOfRun;
    case Command::Mark: return Step::Mark;
    case Command::GoToMark: return Step::GoToMark;
    case Command::SayProgress: return Step::Progress;
    case Command::Undo: return Step::Undo;
    // Named by the last step's words.
    case Command::PlaySong: case Command::PlayRowRun: return Step::Finish;
    default: return std::nullopt;
  }
}

// Neither teaches nor gets in the way: the help, the volumes, the speech.
bool AlwaysAllowed(Command c) {
  switch (c) {
    case Command::Help: case Command::Louder: case Command::Softer: case Command::CueLouder:
    case Command::CueSofter: case Command::SpeechType: case Command::Voice: case Command::VoiceRate:
    case Command::VoiceVolume:
      return true;
    default: return false;
  }
}

// A 3 × 3 board as a number: the rank of its permutation.
constexpr int Cells = 9;
// The squares beside square e (0 … 8), or −1 off the board.
std::array<int, 4> Beside(int e) { return {e - 3, e + 3, e % 3 ? e - 1 : -1, e % 3 != 2 ? e + 1 : -1}; }
int Rank(const std::array<int8_t, Cells>& p) {
  int rank = 0;
  for (int i = 0; i < Cells; ++i) {
    int smaller = 0;
    for (int j = i + 1; j < Cells; ++j) smaller += p[j] < p[i];
    rank = rank * (Cells - i) + smaller;
  }
  return rank;
}

// Slides from every board to solved, found once by a search back from solved.
const std::vector<int8_t>& Distances() {
  static const std::vector<int8_t> table = [] {
    std::vector<int8_t> d(362880, -1);
    std::array<int8_t, Cells> solved{1, 2, 3, 4, 5, 6, 7, 8, 0};
    std::deque<std::array<int8_t, Cells>> queue{solved};
    d[static_cast<size_t>(Rank(solved))] = 0;
    while (!queue.empty()) {
      const auto p = queue.front();
      queue.pop_front();
      const int e = static_cast<int>(std::find(p.begin(), p.end(), 0) - p.begin());
      for (int n : Beside(e)) {
        if (n < 0 || n >= Cells) continue;
        auto q = p;
        std::swap(q[static_cast<size_t>(e)], q[static_cast<size_t>(n)]);
        auto& slot = d[static_cast<size_t>(Rank(q))];
        if (slot >= 0) continue;
        slot = static_cast<int8_t>(d[static_cast<size_t>(Rank(p))] + 1);
        queue.push_back(q);
      }
    }
    return d;
  }();
  return table;
}

std::optional<std::array<int8_t, Cells>> Layout(const GameState& s) {
  if (s.BoardRows != Rows || s.BoardColumns != Rows || s.Cells.size() != Cells) return std::nullopt;
  std::array<int8_t, Cells> p{};
  std::copy(s.Cells.begin(), s.Cells.end(), p.begin());
  return p;
}

}  // namespace

Verdict Judge(Step step, Command command) {
  const auto taught = TaughtAt(command);
  // The two slide steps both ask for Space.
  if (taught == step || (command == Command::Slide && step == Step::SlideSeveral)) return Verdict::Asked;
  if (AlwaysAllowed(command) || (taught && *taught < step)) return Verdict::Allowed;
  return Verdict::Wrong;
}

std::optional<int> SlidesToSolve(const GameState& s) {
  const auto p = Layout(s);
  if (!p) return std::nullopt;
  const int8_t d = Distances()[static_cast<size_t>(Rank(*p))];
  if (d < 0) return std::nullopt;  // not a board slides can solve
  return d;
}

std::optional<std::pair<int16_t, int16_t>> NextSlide(const GameState& s) {
  const auto p = Layout(s);
  const auto now = SlidesToSolve(s);
  if (!p || !now || *now == 0) return std::nullopt;
  const int e = (s.EmptyRow - 1) * Rows + (s.EmptyColumn - 1);
  for (int n : Beside(e)) {
    if (n < 0 || n >= Cells) continue;
    auto q = *p;
    std::swap(q[static_cast<size_t>(e)], q[static_cast<size_t>(n)]);
    if (Distances()[static_cast<size_t>(Rank(q))] == *now - 1)
      return std::pair{static_cast<int16_t>(n / Rows + 1), static_cast<int16_t>(n % Rows + 1)};
  }
  return std::nullopt;
}

}  // namespace tutorial
