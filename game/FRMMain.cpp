#include "game/FRMMain.h"

#include "game/Board.h"
#include "game/Settings.h"

#include "common/Keys.h"
#include "common/Trace.h"
#include "common/Twips.h"
#include "common/VB.h"
#include "sound/SongDecoder.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cmath>
#include <cstdlib>

const QColor FRMMain::Red(255, 0, 0);
const QColor FRMMain::Green(0, 255, 0);
const QColor FRMMain::Black(0, 0, 0);
const QColor FRMMain::White(255, 255, 255);
const QColor FRMMain::Yellow(255, 255, 0);
const QColor FRMMain::Blue(0, 0, 255);

namespace {
// The farewell names the game's makers and where to find them.
const char* const Farewell =
    "Thank you for playing Music Tunzle, from the Music Tunzle developers. "
    "Visit the Music Tunzle project page for new versions and help.";
const char* const NoGame = "No game. Press N for a new game or Q to quit.";
// How long F3 and F4 let the new volume be heard.
constexpr float VolumePieceSeconds = 0.6f;
}  // namespace

std::string SpeechTypeList(int16_t current) {
  // Nothing chosen yet: the built-in voice is what asks, so Enter keeps it.
  const int16_t starred = current < 0 ? 3 : current;
  auto item = [starred](const char* name, int16_t type) {
    return std::string("|") + (starred == type ? "*" : "") + name + ":" + std::to_string(type);
  };
  return "p:Select Speech Type" + item("No speech", 0) + item("Screen reader", 1) + item("Built-in voice", 3);
}

namespace {
// A plain widget reports itself as filler; the board is the game's window.
QAccessibleInterface* boardAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("FRMMain") && object && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window, QString::fromLatin1(FRMMain::Caption));
  return nullptr;
}
}  // namespace

FRMMain::FRMMain(GameState& state, GameServices& services, QWidget* parent)
    : QWidget(parent), st(state), svc(services) {
  static const bool factory = (QAccessible::installFactory(boardAccessible), true);
  (void)factory;
  setWindowTitle(Caption);
  setAccessibleName(Caption);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(64, 64, 64));
  setPalette(p);
  Timer1.setInterval(1);
  Timer1.setSingleShot(false);
  // A coarse timer may fire 5 % early and cut a tile's end off.
  Timer1.setTimerType(Qt::PreciseTimer);
  connect(&Timer1, &QTimer::timeout, this, [this] {
    Timer1.stop();
    svc.TileTimerDue();
  });
}

FRMMain::Shape& FRMMain::shape(int k) {
  if (k < 1) {
    static Shape none;  // a square off the board: drawn nowhere
    none = Shape{};
    return none;
  }
  if (static_cast<int>(shapes.size()) <= k) shapes.resize(static_cast<size_t>(k + 1));
  return shapes[static_cast<size_t>(k)];
}

int FRMMain::windowHeightTwips() const {
  return static_cast<int>(std::lround(PixelsToTwips(height() > 0 ? height() : 600)));
}

// ---- Board ------------------------------------------------------------

void FRMMain::CoverScreen() {
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    if (QScreen* screen = app->primaryScreen()) setGeometry(screen->geometry());
}

void FRMMain::calcRC(int k, int16_t& r, int16_t& c) const { board::calcRC(st, k, r, c); }

bool FRMMain::TileInPlace(int k) const { return board::TileInPlace(st, k); }

void FRMMain::BuildSquare(bool NewGame) {
  board::LaySolved(st, st.BoardRows);
  CoverScreen();
  st.TileSize = static_cast<int16_t>(RoundHalfEven((windowHeightTwips() - 500.0) / st.BoardRows));
  const int n = st.BoardRows * st.BoardColumns;
  for (int k = 1; k <= n + 1; ++k) {
    Shape& s = shape(k);
    s.exists = true;
    s.width = s.height = st.TileSize;
  }
  int k = 0;
  for (int i = 1; i <= st.BoardRows; ++i)
    for (int j = 1; j <= st.BoardColumns; ++j) {
      ++k;
      PositionTile(k, i, j, Red);
      shape(k).visible = true;
      shape(k).border = White;
    }
  shape(n).fill = Black;
  // Squares left over from a larger board would confuse an onlooker.
  for (int extra = n + 2; extra < static_cast<int>(shapes.size()); ++extra) shapes[static_cast<size_t>(extra)].visible = false;
  shape(n + 1).visible = false;
  ++boardBuilds;
  if (NewGame) {
    st.MarkedTile = 0;
    SetColour();
  }
  update();
}

void FRMMain::PositionTile(int k, int i, int j, const QColor& colour) {
  Shape& s = shape(k);
  s.left = (st.TileSize + 50) * (j - 1) + 200;
  s.top = (st.TileSize + 50) * (i - 1) + 200;
  s.fill = colour;
}

void FRMMain::SetBorder(int R, int c, int BorderStyle) {
  int k = board::SquareNumber(st, R, c);
  if (k < 1 || k >= static_cast<int>(shapes.size())) return;
  shape(k).border = BorderStyle == 1 ? White : Yellow;
  update();
}

void FRMMain::SetColour() {
  const int n = st.BoardRows * st.BoardColumns;
  st.TilesInOrder = board::CountInOrder(st, n);
  for (int k = 1; k <= n; ++k) {
    const QColor& want = k <= st.TilesInOrder ? Green : Red;
    if (shape(k).fill != want) shape(k).fill = want;
  }
  shape(board::SquareNumber(st, st.EmptyRow, st.EmptyColumn)).fill = Black;
  update();
}

void FRMMain::marker() {
  Shape& m = shape(markShape());
  if (st.MarkedTile == 0) {
    m.visible = false;
    update();
    return;
  }
  m.visible = true;
  int r = 0, c = 0;
  for (int k = 1; k <= st.BoardRows * st.BoardColumns; ++k) {
    int16_t rr, cc;
    calcRC(k, rr, cc);
    if (st.Board(rr, cc) == st.MarkedTile) { r = rr; c = cc; break; }
  }
  const int h = static_cast<int>(RoundHalfEven(shape(1).height / 2.0));
  m.width = m.height = h;
  m.fill = Blue;
  m.border = Blue;
  m.left = static_cast<int>((2 * h + 50) * (c - 1) + 200 + h / 2.0);
  m.top = static_cast<int>((2 * h + 50) * (r - 1) + 200 + h / 2.0);
  update();
}

void FRMMain::MoveHole(int Direction, bool Silent) {
  const int16_t m = board::ApplyMove(st, Direction);
  if (m == 0) return;
  // The empty square is moved before anything sounds: the notes wait with
  // events running, and a key pressed meanwhile must see a whole board.
  board::FinishMove(st, Direction);
  ++boardMoves;
  if (Silent || m > st.TilesInOrder) return;
  const bool wins = st.TilesInOrder == st.BoardRows * st.BoardColumns - 1;
  // The winning move: the solved board is shown, and keys wait for the question.
  if (wins) {
    celebrating = true;
    SetColour();
    marker();
  }
  const unsigned moves = boardMoves, game = boardBuilds;
  for (int k = m; k <= st.TilesInOrder; ++k) {
    svc.PlaySound("note.wav");
    svc.Wait(0.3f, false);
    // A key handled during the wait changed the board and sounded it itself.
    if (moves != boardMoves || game != boardBuilds) {
      celebrating = false;
      return;
    }
  }
  if (wins) {
    WinSequence();
    return;
  }
  svc.PlayTile(1, st.TilesInOrder, st.TileDuration);
}

void FRMMain::Shuffle() {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  board::ShuffleMoves(st, [&] { return unit(rng); });
  st.CursorRow = st.CursorColumn = 1;
  SetBorder(1, 1, 2);
  SetColour();
  show();
}

void FRMMain::WinSequence() {
  celebrating = true;
  SetColour();
  marker();
  for (int i = 0; i < 10; ++i) {
    svc.PlaySound("note.wav");
    svc.Wait(0.15f, false);
  }
  // The whole song is heard before the question is spoken, never under it;
  // a key during the song goes straight on to the question.
  skipReward = false;
  svc.PlayEntireSong();
  while (!skipReward && svc.IsSongPlaying()) svc.Wait(0.05f, false);
  if (skipReward) svc.PauseMP3();
  celebrating = false;
  const int16_t answer = svc.SpeakMsgBox("Would you like another game?", mb::YesNo, "Congratulations");
  if (answer == mb::Yes) {
    form_keydown('N', 0);
  } else if (answer == mb::No) {
    st.PuzzleSolved = true;
    form_keydown('Q', 0);
  }
}

// ---- Commands ---------------------------------------------------------

void FRMMain::AnnounceSquare() {
  const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
  std::vector<std::string> words;
  if (t == 0 && st.AnnounceStatus) words.push_back("Space");
  if (st.AnnounceCoordinates) words.push_back(std::to_string(st.CursorRow) + ", " + std::to_string(st.CursorColumn));
  if (st.AnnounceStatus) {
    const QColor& fill = shape(board::SquareNumber(st, st.CursorRow, st.CursorColumn)).fill;
    if (fill == Red) words.push_back("wrong");
    else if (fill == Green) words.push_back("correct");
  }
  // The words come before the tile, never over it, nor over the in-order run
  // a slide has just started. A key pressed meanwhile has announced its own square.
  if (!words.empty()) {
    const unsigned keys = keyEvents;
    while (svc.IsSongPlaying()) {
      svc.Wait(0.05f, false);
      if (keys != keyEvents) return;
    }
    for (const auto& w : words) Say(w);
    svc.WaitForSpeech(5.0f, false);
    if (keys != keyEvents) return;
  }
  if (t == 0) {
    svc.PlaySound("noTile.wav");
  } else {
    svc.PlayTile(t, t, st.TileDuration);
    if (t == st.MarkedTile) svc.PlaySound("marker.wav");
  }
}

void FRMMain::AnnounceGame(const std::string& which) {
  Say(which + ", " + std::to_string(st.BoardRows) + " by " + std::to_string(st.BoardColumns) +
      ". The cursor is on row " + std::to_string(st.CursorRow) + ", column " + std::to_string(st.CursorColumn) +
      ", the empty square on row " + std::to_string(st.EmptyRow) + ", column " + std::to_string(st.EmptyColumn) + ".");
}

void FRMMain::Resumed() {
  st.NoKeyYet = false;
  AnnounceGame("Saved game");
  // What is in order plays after the words, unless the player went on already.
  const unsigned keys = keyEvents;
  svc.WaitForSpeech(10.0f, false);
  if (keys != keyEvents) return;
  if (st.TilesInOrder > 0) form_keydown('P', 0);
  else Say("No tile is in order yet.");
}

void FRMMain::MoveCursorTo(int r, int c) {
  SetBorder(st.CursorRow, st.CursorColumn, 1);
  st.CursorRow = static_cast<int16_t>(r);
  st.CursorColumn = static_cast<int16_t>(c);
  SetBorder(st.CursorRow, st.CursorColumn, 2);
  AnnounceSquare();
}

bool FRMMain::Slide() {
  if (st.CursorRow == st.EmptyRow && st.CursorColumn == st.EmptyColumn) return false;
  if (st.CursorRow != st.EmptyRow && st.CursorColumn != st.EmptyColumn) return false;
  const int dr = st.EmptyRow - st.CursorRow, dc = st.EmptyColumn - st.CursorColumn;
  const int Direction = dr >= 1 ? 1 : dr <= -1 ? 3 : dc >= 1 ? 4 : 2;
  const int toRow = st.CursorRow, toColumn = st.CursorColumn;
  // Checked before every step: a key or click handled during a note's wait
  // may have moved the empty square already, or started another game.
  auto stillOnTheWay = [&] {
    switch (Direction) {
      case 1: return st.EmptyColumn == toColumn && st.EmptyRow > toRow;
      case 3: return st.EmptyColumn == toColumn && st.EmptyRow < toRow;
      case 4: return st.EmptyRow == toRow && st.EmptyColumn > toColumn;
      default: return st.EmptyRow == toRow && st.EmptyColumn < toColumn;
    }
  };
  const unsigned game = boardBuilds;
  while (!quitStarted && game == boardBuilds && stillOnTheWay()) MoveHole(Direction, false);
  // After a win answered with a new game, its cursor stays on the top-left square.
  if (quitStarted || game != boardBuilds) return true;
  SetBorder(st.CursorRow, st.CursorColumn, 1);
  st.CursorRow = st.EmptyRow;
  st.CursorColumn = st.EmptyColumn;
  SetBorder(st.CursorRow, st.CursorColumn, 2);
  SetColour();
  marker();
  AnnounceSquare();
  return true;
}

void FRMMain::PlayInOrder(bool rowOnly, bool& bump) {
  int n = board::CountInOrder(st, st.BoardRows * st.BoardColumns - 1);
  if (n == 0) { bump = true; return; }
  if (!rowOnly) { svc.PlayTile(1, static_cast<int16_t>(n), st.TileDuration); return; }
  const int s = (st.CursorRow - 1) * st.BoardColumns + 1;
  if (n > s + st.BoardColumns - 1) n = s + st.BoardColumns - 1;
  // A run that stops before this row has nothing of the row to play.
  if (TileInPlace(s) && n >= s) svc.PlayTile(static_cast<int16_t>(s), static_cast<int16_t>(n), st.TileDuration);
  else bump = true;
}

void FRMMain::NewGame() {
  const std::string sample = st.PlayerFolder + "sample.mp3";
  const std::string oldFile = st.SongFile;
  std::string path;
  bool sampleFailed = false;
  for (;;) {
    st.FileDialogError.clear();
    path = svc.SelectFile(st.MusicLibraryFolder, kSongFilePattern, 1, "Select Music File to tunzle", st.FileDialogError, "",
                          "Escape plays the sample song.");
    const bool chosen = st.FileDialogError.empty() && !path.empty();
    // Once the sample has failed, backing out of the selector must lead
    // somewhere other than the same sample again.
    if (!chosen && sampleFailed) {
      BackOutOfNewGame(oldFile);
      return;
    }
    if (!chosen) path = sample;
    // The old song's player is let go, or twenty new games would fill every slot.
    if (st.SongSlot > 0) svc.DeleteSound(static_cast<int16_t>(st.SongSlot + 200));
    const int16_t index = svc.PlaySong(path);
    st.SongSlot = index > 200 ? static_cast<int16_t>(index - 200) : 0;
    if (st.SongSlot != 0) break;
    // Say why the selector comes back, rather than looping without a word.
    if (chosen) {
      svc.SpeakMsgBox("The song " + path + " could not be played. Please choose another song.", mb::OkOnly, "Error");
    } else {
      sampleFailed = true;
      svc.SpeakMsgBox("The song " + path + " could not be played. Please choose another song, or press Escape to go "
                      "back without a new game.",
                      mb::OkOnly, "Error");
    }
  }
  svc.PauseMP3();
  svc.SetMP3Volume(st.SongVolume);
  const std::string size = svc.PickList("p:Select square size|3|4|5|6|7|8|9");
  if (size.empty()) {
    svc.DeleteSound(static_cast<int16_t>(st.SongSlot + 200));
    st.SongSlot = 0;
    BackOutOfNewGame(oldFile);
    return;
  }
  st.SongFile = path;
  st.PuzzleSolved = false;
  const int16_t rows = static_cast<int16_t>(std::clamp<int>(static_cast<int>(Val(size)), 3, 9));
  st.BoardRows = st.BoardColumns = rows;
  if (svc.IsSongTooShort())
    svc.SpeakMsgBox(
        "song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or "
        "select a longer MP3.",
        mb::OkOnly, "Song Too Short");
  st.EmptyRow = st.BoardRows;
  st.EmptyColumn = st.BoardColumns;
  st.Shuffling = true;
  BuildSquare(true);
  Shuffle();
  st.Shuffling = false;
  AnnounceGame("New game");
}

void FRMMain::BackOutOfNewGame(const std::string& oldFile) {
  if (!st.HasBoard()) {
    Say(NoGame);
    noGameSaid = true;
    return;
  }
  // The game in progress gets its song back; the selector let it go.
  if (st.SongSlot == 0 && !oldFile.empty()) {
    const int16_t index = svc.PlaySong(oldFile);
    st.SongSlot = index > 200 ? static_cast<int16_t>(index - 200) : 0;
    if (st.SongSlot > 0) {
      svc.PauseMP3();
      svc.SetMP3Volume(st.SongVolume);
    }
  }
  AnnounceSquare();
}

void FRMMain::Quit() {
  if (!SaveSettings(st))
    svc.SpeakMsgBox("Could not write the settings file " + st.PlayerFolder + "config.ini", mb::OkOnly, "Error");
  // Without a board there is no game to save, and a kept saved game stays.
  bool remove = st.PuzzleSolved && st.HasBoard();
  if (!st.PuzzleSolved && st.HasBoard()) {
    const int16_t answer = svc.SpeakMsgBox("Would you like to save your game?", mb::YesNoCancel, "Save Game?");
    if (answer == mb::Yes) {
      if (!SaveGame(st)) {
        // Without the file the game would be lost: stay in it.
        svc.SpeakMsgBox("Could not write the saved game " + st.PlayerFolder + "SaveGame.gam", mb::OkOnly, "Error");
        return;
      }
    } else if (answer == mb::No) {
      remove = true;
    } else {
      return;  // Cancel, or a box closed without an answer: the game goes on
    }
  }
  if (remove && !st.KeepSavedGame) DeleteSavedGame(st);
  quitStarted = true;
  Say(Farewell);
  // Heard to its end; without speech, five seconds.
  if (!svc.WaitForSpeech(10.0f, false)) svc.Wait(5.0f, false);
  svc.EndProgram();
}

void FRMMain::ChooseLibraryFolder() {
  st.FileDialogError.clear();
  std::string path = svc.SelectFile(st.MusicLibraryFolder, kSongFilePattern, 1,
                                    "Select Music Library Folder by Selecting Any File from that Folder",
                                    st.FileDialogError, "", "Escape keeps the folder as it is.");
  if (!st.FileDialogError.empty()) svc.SpeakMsgBox(st.FileDialogError, mb::OkOnly, "Error");
  auto slash = path.rfind('/');
  if (!path.empty() && slash != std::string::npos) {
    st.MusicLibraryFolder = path.substr(0, slash + 1);
    Say("Music library folder " + st.MusicLibraryFolder);
  }
}

void FRMMain::ChooseTileLength(bool& bump) {
  // The list opens on the length in use, so Enter keeps it.
  std::string spec = "p:Song tile duration in seconds";
  bool starred = false;
  for (const char* length : {"1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5"}) {
    const bool current = static_cast<float>(Val(length)) == st.TileDuration;
    spec += std::string("|") + (current ? "*" : "") + length;
    starred = starred || current;
  }
  if (!starred) spec = "p:Song tile duration in seconds|1|1.5|2|*2.5|3|3.5|4|4.5|5";
  std::string answer = svc.PickList(spec);
  if (!answer.empty() && answer[0] == '*') answer.erase(0, 1);
  if (!IsNumeric(answer)) return;
  st.TileDuration = static_cast<float>(Val(answer));
  if (st.TileDuration < 1.0f) {
    bump = true;
    st.TileDuration = 2.0f;
  }
}

void FRMMain::form_keydown(int16_t KeyCode, int16_t Shift) {
  if (st.NoKeyYet) st.NoKeyYet = false;
  if (svc.KeyCapture()) {
    svc.StoreCapturedKey(KeyCode, Shift);
    return;
  }
  const unsigned thisKey = ++keyEvents;
  if (celebrating) {
    if (KeyCode > 0) skipReward = true;
    return;
  }
  if (Shift == shiftmask::Alt && KeyCode == vk::F4) KeyCode = 'Q';
  if (KeyCode > 0) svc.StopSpeech();
  if (KeyCode == vk::F3 || KeyCode == vk::F4) {
    const int32_t before = st.SongVolume;
    st.SongVolume = KeyCode == vk::F3 ? std::min<int32_t>(st.SongVolume + 200, 0) : std::max<int32_t>(st.SongVolume - 200, -3000);
    svc.SetMP3Volume(st.SongVolume);
    // At the limit nothing changes; say so rather than stay silent.
    if (st.SongVolume == before) {
      svc.PlaySound("boop2.wav");
    } else if (st.HasBoard() && st.SongSlot > 0) {
      // The new volume is heard on a piece of the tile under the cursor.
      const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
      svc.PlayPiece(t > 0 ? t : int16_t(1), st.TileDuration, VolumePieceSeconds);
    }
    return;
  }
  if (st.SongSlot > 0) svc.PauseMP3();

  bool bump = false;
  // Until a game exists, only the commands that need no board do anything.
  const bool needsBoard = !(KeyCode == 'N' || KeyCode == 'Q' || KeyCode == 'C' || KeyCode == 'S' ||
                            (KeyCode >= vk::F1 && KeyCode <= vk::F9));
  if (needsBoard && !st.HasBoard()) {
    const bool known = (KeyCode >= vk::Prior && KeyCode <= vk::Down) || KeyCode == vk::Space ||
                       std::string("EPRFOMGB").find(static_cast<char>(KeyCode)) != std::string::npos;
    if (known && KeyCode != 0) {
      if (noGameSaid) svc.PlaySound("boop2.wav");
      else Say(NoGame);
      noGameSaid = true;
    }
    return;
  }

  switch (KeyCode) {
    case vk::Up:
    case vk::Down:
    case vk::Left:
    case vk::Right: {
      int r = st.CursorRow, c = st.CursorColumn;
      if (KeyCode == vk::Up) --r;
      if (KeyCode == vk::Down) ++r;
      if (KeyCode == vk::Left) --c;
      if (KeyCode == vk::Right) ++c;
      if (r < 1 || r > st.BoardRows || c < 1 || c > st.BoardColumns) {
        bump = true;
        r = st.CursorRow;
        c = st.CursorColumn;
      }
      MoveCursorTo(r, c);
      break;
    }
    case vk::Home: MoveCursorTo(st.CursorRow, 1); break;
    case vk::End: MoveCursorTo(st.CursorRow, st.BoardColumns); break;
    case vk::Prior: MoveCursorTo(1, st.CursorColumn); break;
    case vk::Next: MoveCursorTo(st.BoardRows, st.CursorColumn); break;
    case vk::Space:
      if (!Slide()) svc.Beep();
      break;
    case 'E':
      if (st.TilesInOrder > 0) {
        int16_t r, c;
        calcRC(st.TilesInOrder, r, c);
        MoveCursorTo(r, c);
      } else {
        bump = true;  // no run to go to; silence would leave the player guessing
      }
      break;
    case 'P': PlayInOrder(false, bump); break;
    case 'R': PlayInOrder(true, bump); break;
    case 'F': svc.PlayTile(1, static_cast<int16_t>(st.BoardRows * st.BoardColumns - 1), st.TileDuration); break;
    case 'O':
      svc.PlayOriginalTile(static_cast<int16_t>(board::SquareNumber(st, st.CursorRow, st.CursorColumn)), st.TileDuration);
      break;
    case 'M': {
      const bool hadMark = st.MarkedTile > 0;
      st.MarkedTile = st.Board(st.CursorRow, st.CursorColumn);
      marker();
      if (st.MarkedTile > 0 && !st.SuppressMarkSound) svc.PlaySound("marker.wav");
      // The empty square takes no mark: say so, rather than nothing.
      if (st.MarkedTile == 0 && !st.SuppressMarkSound && st.HasBoard())
        Say(hadMark ? "No tile to mark here. The mark is removed." : "No tile to mark here.");
      st.SuppressMarkSound = false;
      break;
    }
    case 'G': {
      if (st.MarkedTile == 0) {
        bump = true;
        AnnounceSquare();
        break;
      }
      int fr = 0, fc = 0;
      for (int r = 1; r <= st.BoardRows && !fr; ++r)
        for (int c = 1; c <= st.BoardColumns; ++c)
          if (st.Board(r, c) == st.MarkedTile) { fr = r; fc = c; break; }
      if (!fr) { bump = true; fr = fc = 1; }
      MoveCursorTo(fr, fc);
      break;
    }
    case 'B':
      if (Shift == shiftmask::Ctrl) MoveCursorTo(st.EmptyRow, st.EmptyColumn);
      else Say(std::to_string(st.EmptyRow) + ", " + std::to_string(st.EmptyColumn));
      break;
    case 'S':
      st.AnnounceCoordinates = !st.AnnounceCoordinates;
      Say(st.AnnounceCoordinates ? "Row and column on" : "Row and column off");
      if (st.HasBoard()) {
        // Switched off, the square has no words to wait for: its tile must
        // still not start over these.
        const unsigned keys = keyEvents;
        svc.WaitForSpeech(5.0f, false);
        if (keys == keyEvents) AnnounceSquare();
      }
      break;
    case 'C':
      st.AnnounceStatus = !st.AnnounceStatus;
      Say(st.AnnounceStatus ? "Correct and wrong on" : "Correct and wrong off");
      break;
    case 'N': NewGame(); break;
    case 'Q': Quit(); break;
    case vk::F1: svc.ShowHelp(st.AppFolder + st.HelpName + ".TXT"); break;
    case vk::F2: ChooseLibraryFolder(); break;
    case vk::F5: {
      // Opens on the speech in use: one Enter by mistake changes nothing.
      std::string answer = svc.PickList(SpeechTypeList(st.SpeechType));
      if (IsNumeric(answer)) {
        st.SpeechType = static_cast<int16_t>(Val(answer));
        svc.TTSSetup(st.SpeechType);
      }
      break;
    }
    // The voice that speaks, not the type chosen: a screen reader that failed
    // leaves the voice speaking, and its settings must still be reachable.
    case vk::F6: if (svc.ActiveSpeechType() == 3) svc.AdjustVoice(st.SapiVoiceNumber); break;
    case vk::F7: if (svc.ActiveSpeechType() == 3) svc.AdjustRate(st.SapiRate); break;
    case vk::F8: if (svc.ActiveSpeechType() == 3) svc.AdjustVolume(st.SapiVolume); break;
    case vk::F9: ChooseTileLength(bump); break;
    default: break;
  }
  // A later key pressed while this one's words were said has its own sounds:
  // a bump now would seem to be that key's.
  if (bump && thisKey == keyEvents) svc.PlaySound("boop2.wav");
}

// ---- Mouse ------------------------------------------------------------

int FRMMain::HitTest(float X, float Y) const {
  const int n = st.BoardRows * st.BoardColumns;
  for (int k = 1; k <= n && k < static_cast<int>(shapes.size()); ++k) {
    const Shape& s = shapes[static_cast<size_t>(k)];
    if (s.left <= X && X < s.left + s.width && s.top <= Y && Y < s.top + s.height) return k;
  }
  return 0;
}

void FRMMain::Form_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button < 1 || !st.HasBoard()) return;
  if (celebrating) {
    skipReward = true;  // a click, like a key, goes on to the question
    return;
  }
  const int k = HitTest(X, Y);
  if (k == 0) return;
  SetBorder(st.CursorRow, st.CursorColumn, 1);
  calcRC(k, st.CursorRow, st.CursorColumn);
  SetBorder(st.CursorRow, st.CursorColumn, 2);
  if (Button == 1) {
    form_keydown(vk::Space, 0);
  } else if (Button == 2) {
    st.SuppressMarkSound = true;
    form_keydown('M', 0);
  }
}

void FRMMain::Form_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (st.NoKeyYet || !st.HasBoard() || celebrating) return;
  if (std::abs(X - MouseX) < 5 && std::abs(Y - MouseY) < 5) return;
  MouseX = X;
  MouseY = Y;
  const double now = svc.TimeOfDay();
  if (MouseTime == 0) {
    MouseTime = static_cast<float>(now);
    return;
  }
  if (std::abs(now - MouseTime) < 0.5) return;
  MouseTime = static_cast<float>(now);
  if (Button != 0) return;
  const int k = HitTest(X, Y);
  if (k == 0) {
    LastHoverTile = 0;
    return;
  }
  SetBorder(st.CursorRow, st.CursorColumn, 1);
  calcRC(k, st.CursorRow, st.CursorColumn);
  SetBorder(st.CursorRow, st.CursorColumn, 2);
  const int16_t t = st.Board(st.CursorRow, st.CursorColumn);
  if (t == LastHoverTile) return;
  if (t != 0) svc.PlayTile(t, t, st.TileDuration);
  else svc.PlaySound("noTile.wav");
  LastHoverTile = t;
}

// ---- Qt events ----------------------------------------------------------

void FRMMain::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int n = static_cast<int>(shapes.size());
  auto draw = [&](const Shape& s) {
    if (!s.exists || !s.visible) return;
    QRect r(TwipsToPixels(s.left), TwipsToPixels(s.top), TwipsToPixels(s.width), TwipsToPixels(s.height));
    p.fillRect(r, s.fill);
    p.setPen(QPen(s.border, 3));
    p.drawRect(r.adjusted(1, 1, -2, -2));
  };
  const int mark = st.HasBoard() ? markShape() : -1;
  for (int k = 1; k < n; ++k)
    if (k != mark) draw(shapes[static_cast<size_t>(k)]);
  if (mark > 0 && mark < n) draw(shapes[static_cast<size_t>(mark)]);  // in front
}

bool FRMMain::event(QEvent* e) {
  // Tab would move focus away; the game wants every key.
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      keyPressEvent(k);
      return true;
    }
  }
  return QWidget::event(e);
}

void FRMMain::keyPressEvent(QKeyEvent* e) {
  KeyCode k = KeyFromQt(*e);
  form_keydown(k.code, k.shift);
}

void FRMMain::mousePressEvent(QMouseEvent* e) {
  int16_t button = e->button() == Qt::LeftButton ? 1 : e->button() == Qt::RightButton ? 2 : e->button() == Qt::MiddleButton ? 4 : 0;
  Form_MouseDown(button, 0, static_cast<float>(PixelsToTwips(e->position().x())), static_cast<float>(PixelsToTwips(e->position().y())));
}

// The second press of a double-click arrives as this event; by default it
// would be handled as another press and slide again.
void FRMMain::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void FRMMain::mouseMoveEvent(QMouseEvent* e) {
  int16_t buttons = 0;
  if (e->buttons() & Qt::LeftButton) buttons |= 1;
  if (e->buttons() & Qt::RightButton) buttons |= 2;
  if (e->buttons() & Qt::MiddleButton) buttons |= 4;
  Form_MouseMove(buttons, 0, static_cast<float>(PixelsToTwips(e->position().x())), static_cast<float>(PixelsToTwips(e->position().y())));
}

void FRMMain::WindowDestroyed() {
  if (!quitStarted) form_keydown('Q', 0);
  // Still here: the player stays. The old native window is gone already;
  // a hidden widget without one gets a new window when shown.
  hide();
  destroy();
  show();
  activateWindow();
}

void FRMMain::closeEvent(QCloseEvent* e) {
  // The window manager's close is the quit command; Cancel keeps the game.
  e->ignore();
  if (!quitStarted) form_keydown('Q', 0);
}
