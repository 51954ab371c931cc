#include "core/Game.h"

#include "core/Board.h"
#include "core/Layout.h"
#include "core/Texts.h"

#include <string>
#include <vector>

void Game::AnnounceSquare(const char* after) {
  const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
  std::vector<std::string> words;
  if (t == 0 && st.AnnounceStatus) words.push_back(text::EmptyWord());
  if (st.AnnounceCoordinates) words.push_back(text::Square(st.CursorRow, st.CursorColumn));
  if (st.AnnounceStatus) {
    const SquareKind kind = KindOf(st, board::SquareNumber(st, st.CursorRow, st.CursorColumn));
    if (kind == SquareKind::OutOfRun) words.push_back(text::OutOfRunWord());
    else if (kind == SquareKind::InRun) words.push_back(text::InRunWord());
  }
  if (words.empty()) {
    PlaySquare(t, after);
    return;
  }
  // The words come before the tile, never over it, nor over the in-order run
  // a slide has just started; the next key drops them.
  AfterRun(Flow::Square, [this, words, after] {
    for (const auto& w : words) Say(w);
    AfterSpeech(Flow::Square, rules::SquareWordsWait,
                [this, after] { PlaySquare(st.Board(st.CursorRow, st.CursorColumn), after); });
  });
}

void Game::PlaySquare(int16_t t, const char* after) {
  if (t == 0) {
    // After a slide's run, as the bump and the marker: never over its start.
    svc.PlaySoundAfterRun("noTile.wav");
  } else if (PlayTiles(t, t) == 0 && t == st.MarkedTile) {
    // After the tile, not over its start (a silent tile has only its bump).
    svc.PlaySoundAfterRun("marker.wav");
  }
  // A key held at the edge restarts the square: a new run drops the bump still waiting.
  if (after) svc.PlaySoundAfterRun(after);
}

int16_t Game::PlayTiles(int16_t first, int16_t last) {
  for (int16_t t = first; t <= last; ++t)
    if (!svc.IsTileSilent(t, st.TileDuration)) {
      svc.PlayTile(first, last, st.TileDuration);
      return 0;
    }
  // Silence would sound like a key that failed: the bump says there is nothing to hear.
  return svc.PlaySound("boop2.wav");
}

void Game::RingOut(int16_t sound, Flow flow, Schedule::Step then, float waited) {
  if (waited >= rules::RingOutWait || !svc.IsSoundPlaying(sound)) {
    then();
    return;
  }
  After(flow, rules::RingOutPoll,
        [this, sound, flow, then = std::move(then), waited] { RingOut(sound, flow, then, waited + rules::RingOutPoll); });
}

void Game::MoveCursorTo(int r, int c, const char* after) {
  st.CursorRow = static_cast<int16_t>(r);
  st.CursorColumn = static_cast<int16_t>(c);
  view.Changed();
  AnnounceSquare(after);
}

bool Game::Slide() {
  if (st.CursorRow == st.EmptyRow && st.CursorColumn == st.EmptyColumn) return false;
  if (st.CursorRow != st.EmptyRow && st.CursorColumn != st.EmptyColumn) return false;
  const int dr = st.EmptyRow - st.CursorRow, dc = st.EmptyColumn - st.CursorColumn;
  const int Direction = dr >= 1 ? 1 : dr <= -1 ? 3 : dc >= 1 ? 4 : 2;
  const int toRow = st.CursorRow, toColumn = st.CursorColumn;
  ++moveCount;
  // The board moves at once; its notes follow, a step each. Each step that
  // brings a tile into the run sounds a note for every tile it joins, then the run.
  std::vector<std::pair<int, int>> joins;  // the tile brought in, the run after its step
  int steps = 0;
  while (st.EmptyRow != toRow || st.EmptyColumn != toColumn) {
    const int16_t m = board::Move(st, Direction);
    if (m == 0) break;
    ++steps;
    if (m <= st.TilesInOrder) joins.emplace_back(m, st.TilesInOrder);
  }
  slidesMade.push_back({Direction, steps});
  // The cursor stands on the empty square, said once the notes have sounded.
  st.CursorRow = st.EmptyRow;
  st.CursorColumn = st.EmptyColumn;
  view.Changed();
  // The tutorial's board solved is no win: it has its own end.
  if (st.TilesInOrder == st.BoardRows * st.BoardColumns - 1 && !lesson) {
    // The winning move: the solved board is shown, and keys wait for the question.
    mode_ = Mode::Celebrating;
    Solved();
    // The game is over: its time and moves are its result, and its slides are no longer to be taken back.
    playTime.Stop(clock.SteadySeconds());
    slidesMade.clear();
  }
  SlideNotes(std::move(joins), 0, 0);
  return true;
}

void Game::SlideNotes(std::vector<std::pair<int, int>> joins, size_t at, int note) {
  if (at == joins.size()) {
    AnnounceSquare();
    return;
  }
  const auto [first, run] = joins[at];
  if (first + note <= run) {
    svc.PlaySound("note.wav");
    After(Flow::Notes, rules::NoteGap, [this, joins = std::move(joins), at, note] { SlideNotes(joins, at, note + 1); });
    return;
  }
  if (mode_ == Mode::Celebrating && at + 1 == joins.size()) {
    WinSequence(0);
    return;
  }
  // A run with nothing to hear bumps, and the square's cue waits for the bump.
  if (const int16_t bump = PlayTiles(1, static_cast<int16_t>(run)))
    RingOut(bump, Flow::Notes, [this, joins, at] { SlideNotes(joins, at + 1, 0); });
  else
    SlideNotes(std::move(joins), at + 1, 0);
}

void Game::PlayInOrder(bool rowOnly, bool& bump) {
  int n = board::CountInOrder(st, st.BoardRows * st.BoardColumns - 1);
  if (n == 0) { bump = true; return; }
  if (!rowOnly) { PlayTiles(1, static_cast<int16_t>(n)); return; }
  const int s = (st.CursorRow - 1) * st.BoardColumns + 1;
  if (n > s + st.BoardColumns - 1) n = s + st.BoardColumns - 1;
  // A run that stops before this row has nothing of the row to play.
  if (board::TileInPlace(st, s) && n >= s) PlayTiles(static_cast<int16_t>(s), static_cast<int16_t>(n));
  else bump = true;
}

void Game::Mark(bool silent) {
  const bool hadMark = st.MarkedTile > 0;
  st.MarkedTile = st.Board(st.CursorRow, st.CursorColumn);
  view.Changed();
  if (silent) return;
  if (st.MarkedTile > 0) svc.PlaySound("marker.wav");
  // The empty square takes no mark: say so, rather than nothing.
  else Say(hadMark ? text::NoTileToMarkMarkRemoved() : text::NoTileToMark());
}

void Game::GoToMark() {
  // No mark, or a mark on no tile: the square is heard again, then the bump.
  if (st.MarkedTile == 0) {
    AnnounceSquare("boop2.wav");
    return;
  }
  int fr = 0, fc = 0;
  for (int r = 1; r <= st.BoardRows && !fr; ++r)
    for (int c = 1; c <= st.BoardColumns; ++c)
      if (st.Board(r, c) == st.MarkedTile) { fr = r; fc = c; break; }
  if (fr) MoveCursorTo(fr, fc);
  else MoveCursorTo(1, 1, "boop2.wav");
}

void Game::ToggleCoordinates() {
  st.AnnounceCoordinates = !st.AnnounceCoordinates;
  Say(st.AnnounceCoordinates ? text::CoordinatesOn() : text::CoordinatesOff());
  if (!st.HasBoard()) return;
  // Switched off, the square has no words to wait for: its tile must
  // still not start over these.
  AfterSpeech(Flow::Square, rules::SquareWordsWait, [this] { AnnounceSquare(); });
}
