#include "core/Texts.h"

#include "base/Translate.h"
#include "base/VB.h"

#include <cmath>
#include <filesystem>
#include <vector>

namespace text {

//: The window's caption; the game's name stays as it is.
std::string Caption() { return Tr("text", "Music Tunzle   Press F1 for Help"); }

std::string IntroTitle() { return Tr("text", "Music Tunzle."); }
//: The game's maker, a name: keep it.
std::string IntroMaker() { return Tr("text", "A Korvel Game."); }
std::string IntroDevelopers() { return Tr("text", "By the Music Tunzle developers."); }
std::string SampleCopyFailed() { return Tr("text", "Error copying sample.mp3 to user's game folder"); }
// The resume question has its own context: a translation may title it as a saved game, not a save.
std::string ResumeQuestion() { return Tr("resume", "Would you like to play your saved game?"); }
//: The title of the question whether to go on with the saved game (not whether to save it).
std::string ResumeTitle() { return Tr("resume", "Save Game?"); }
std::string SavedGameDamaged() { return Tr("text", "The saved game is damaged and cannot be played. A new game starts."); }
std::string SavedSongUnplayable(const std::string& path) {
  return Fill(Tr("text", "The song %1 of your saved game could not be played. Your saved game is kept. Please choose a song for a new game."), {path});
}

std::string GameGoesOn() { return Tr("text", "The game goes on."); }
std::string BackToBoard() { return Tr("text", "Back to the board."); }
std::string SoundGone() { return Tr("text", "The sound is gone. The game waits for it to come back."); }
std::string SoundBack() { return Tr("text", "The sound is back."); }

//: Titles of message boxes, said before their message.
std::string WarningTitle() { return Tr("text", "Warning"); }
std::string ErrorTitle() { return Tr("text", "Error"); }
//: The title of the question whether to save the game on quitting.
std::string SaveTitle() { return Tr("text", "Save Game?"); }
//: The title of the question after a solved puzzle.
std::string WinTitle() { return Tr("text", "Congratulations"); }
//: The title of the warning that a song has fewer tiles than the board needs.
std::string TooShortTitle() { return Tr("text", "Song Too Short"); }

std::string SelectSongTitle() { return Tr("text", "Select Music File to tunzle"); }
std::string SelectSongHint() { return Tr("text", "Escape plays the sample song."); }
std::string SongUnplayable(const std::string& path) {
  return Fill(Tr("text", "The song %1 could not be played. Please choose another song."), {path});
}
std::string SongUnplayableOrBack(const std::string& path) {
  return Fill(Tr("text", "The song %1 could not be played. Please choose another song, or press Escape to go back without a new game."), {path});
}
std::string SongTooShort(const std::string& path) {
  // The file name's extension only: a dot in a folder's name is no format.
  const std::string extension = std::filesystem::path(path).extension().string();
  const std::string format = UCase(extension.empty() ? extension : extension.substr(1));
  std::string warning;
  if (format == "MP3" || format.empty())
    //: The start of a sentence of its own: a translation may begin it with a capital.
    warning = Tr("text", "song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer MP3.");
  else
    //: %1 is the song's format, such as WAV or FLAC. A sentence of its own: a translation may begin it with a capital.
    warning = Fill(Tr("text", "song is too short. Either reduce the duration of the song tiles, reduce the number of rows and columns, or select a longer %1."), {format});
  return warning + " " + Tr("text", "Would you like to choose another song?");
}
std::string NoGame() { return Tr("text", "No game. Press N for a new game or Q to quit."); }
//: Said as a new game begins, before its size.
std::string NewGame() { return Tr("text", "New game"); }
//: Said as a saved game goes on, before its size.
std::string SavedGame() { return Tr("text", "Saved game"); }
std::string Announce(const std::string& which, const GameState& st) {
  //: %1 is "New game" or "Saved game"; %2 by %3 the board's size.
  return Fill(Tr("text", "%1, %2 by %3. The cursor is on row %4, column %5, the empty square on row %6, column %7."),
              {which, std::to_string(st.BoardRows), std::to_string(st.BoardColumns), std::to_string(st.CursorRow),
               std::to_string(st.CursorColumn), std::to_string(st.EmptyRow), std::to_string(st.EmptyColumn)});
}
//: F11 and F12 change the volume of the game's sounds (notes, bumps), not the song's; %1 is 0 to 100.
std::string CueVolume(int percent) { return Fill(Tr("text", "Sound effects %1 percent."), {std::to_string(percent)}); }

//: Said of the empty square when "correct" and "wrong" are on.
std::string EmptyWord() { return Tr("text", "Space"); }
//: Said of a tile already part of the run in order (its place is right), before it plays.
std::string InRunWord() { return Tr("text", "correct"); }
//: Said of a tile not yet part of the run in order (its place is not yet right).
std::string OutOfRunWord() { return Tr("text", "wrong"); }
std::string Square(int row, int column) {
  //: A square's row, then its column.
  return Fill(Tr("text", "%1, %2"), {std::to_string(row), std::to_string(column)});
}
std::string CoordinatesOn() { return Tr("text", "Row and column on"); }
std::string CoordinatesOff() { return Tr("text", "Row and column off"); }
std::string StatusOn() { return Tr("text", "Correct and wrong on"); }
std::string StatusOff() { return Tr("text", "Correct and wrong off"); }
std::string NoTileToMark() { return Tr("text", "No tile to mark here."); }
std::string NoTileToMarkMarkRemoved() { return Tr("text", "No tile to mark here. The mark is removed."); }

namespace {
// Plain words for a voice: "1 hour 2 minutes 5 seconds", "3 minutes", "0 seconds".
// Each count has its language's plural forms; the parts are joined as the
// language joins them (English by a space).
std::string duration(int32_t seconds) {
  const int32_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  std::vector<std::string> parts;
  //: A part of a time said aloud.
  if (h > 0) parts.push_back(Tr("text", "%n hour(s)", nullptr, h));
  //: A part of a time said aloud.
  if (m > 0) parts.push_back(Tr("text", "%n minute(s)", nullptr, m));
  //: A part of a time said aloud; also a tile length of whole seconds.
  if (s > 0) parts.push_back(Tr("text", "%n second(s)", nullptr, s));
  //: No time yet: "0 seconds" (French and Brazilian Portuguese count 0 with 1, yet say no "une"/"um" for it).
  if (parts.empty()) return Tr("text", "%n second(s)", "none", 0);
  if (parts.size() == 1) return parts[0];
  if (parts.size() == 2)
    //: Joins the two parts of a time, such as "2 minutes" and "4 seconds" (English says them side by side).
    return Fill(Tr("time", "%1 %2"), {parts[0], parts[1]});
  //: Joins the three parts of a time: hours, minutes and seconds (English says them side by side).
  return Fill(Tr("time", "%1 %2 %3"), {parts[0], parts[1], parts[2]});
}
//: A count of moves said aloud.
std::string moves(int32_t n) { return Tr("text", "%n move(s)", nullptr, n); }
std::string tileSeconds(float length);
std::string boardAndLength(int size, float tileLength) {
  //: %1 by %1 is the board's size; %2 the tile length in words, such as "2 seconds" or "1.5 seconds".
  return Fill(Tr("text", "%1 by %1 with tiles of %2"), {std::to_string(size), tileSeconds(tileLength)});
}
}  // namespace

std::string Decimal(const std::string& number) {
  //: The decimal mark of numbers such as 1.5 (seconds), as a voice reads it best.
  const std::string point = Tr("text", ".");
  std::string out = number;
  if (const size_t dot = out.find('.'); dot != std::string::npos) out.replace(dot, 1, point);
  return out;
}

namespace {
// A tile length in words. A fraction has forms of its own, counted by its
// whole part: French says "1,5 seconde", German "1,5 Sekunden", Russian
// "1,5 секунды".
std::string tileSeconds(float length) {
  const Count n(length, Decimal(FloatToText(length)));
  if (length == std::floor(length)) return Tr("text", "%n second(s)", nullptr, n);
  //: A length with a fraction, such as 1.5 or 2.5 seconds: %n is the number, the form is chosen by its whole part (1 for 1.5).
  return Tr("text", "%n second(s)", "fraction", n);
}
}  // namespace

//: %1 is a length in words, such as "2.5 seconds".
std::string TileLengthNow(float length) { return Fill(Tr("text", "Tiles are now %1 long."), {tileSeconds(length)}); }
std::string TileLengthKept(float length) { return Fill(Tr("text", "Tiles stay %1 long."), {tileSeconds(length)}); }

std::string Progress(int inOrder, int tiles, int32_t moveCount, int32_t seconds) {
  //: %1 tiles in order of all %n tiles, then the moves and the time, each already in words.
  return Fill(Tr("text", "%1 of %n tiles in order, %2, %3.", nullptr, tiles),
              {std::to_string(inOrder), moves(moveCount), duration(seconds)});
}
std::string Solved(int32_t moveCount, int32_t seconds) {
  return Fill(Tr("text", "Solved in %1 and %2."), {moves(moveCount), duration(seconds)});
}
std::string NewBest(bool fewestMoves, bool fastest, int size, float tileLength) {
  const std::string which = fewestMoves && fastest ? Tr("text", "the fewest moves and the fastest time")
                            : fewestMoves          ? Tr("text", "the fewest moves")
                                                   : Tr("text", "the fastest time");
  return Fill(Tr("text", "Your best for %1: %2."), {boardAndLength(size, tileLength), which});
}
std::string FirstBest(int size, float tileLength) {
  return Fill(Tr("text", "Your first result for %1: your best so far."), {boardAndLength(size, tileLength)});
}
std::string BestResult(int size, float tileLength, int32_t moveCount, int32_t seconds) {
  return Fill(Tr("text", "%1: fewest moves %2, fastest %3."),
              {boardAndLength(size, tileLength), std::to_string(moveCount), duration(seconds)});
}
std::string NoBestResults() { return Tr("text", "No best results yet."); }

std::string AnotherGame() { return Tr("text", "Would you like another game?"); }
std::string SaveQuestion() { return Tr("text", "Would you like to save your game?"); }
std::string SettingsUnwritable(const std::string& path) {
  return Fill(Tr("text", "Could not write the settings file %1"), {path});
}
std::string SaveUnwritable(const std::string& path) { return Fill(Tr("text", "Could not write the saved game %1"), {path}); }
// The farewell names the game's makers and where to find them.
std::string Farewell() { return Tr("text", "Thank you for playing Music Tunzle, from the Music Tunzle developers. Visit the Music Tunzle project page for new versions and help."); }

std::string LibraryTitle() { return Tr("text", "Select Music Library Folder by Selecting Any File from that Folder"); }
std::string LibraryHint() { return Tr("text", "Escape keeps the folder as it is."); }
std::string LibraryFolder(const std::string& folder) { return Fill(Tr("text", "Music library folder %1"), {folder}); }

std::string SpeechTypeList(int16_t current) {
  // Nothing chosen yet: the built-in voice is what asks, so Enter keeps it.
  const int16_t starred = current < 0 ? 3 : current;
  auto item = [starred](const std::string& name, int16_t type) {
    return "|" + std::string(starred == type ? "*" : "") + name + ":" + std::to_string(type);
  };
  return "p:" + Tr("text", "Select Speech Type") + item(SpeechTypeName(0), 0) + item(SpeechTypeName(1), 1) +
         item(SpeechTypeName(3), 3);
}

std::string SpeechTypeName(int16_t type) {
  return type == 1 ? Tr("text", "Screen reader") : type == 3 ? Tr("text", "Built-in voice") : Tr("text", "No speech");
}

std::string SizeList(int current) {
  // Opens on the size in use, so Enter keeps it; without a game, on the first.
  std::string spec = "p:" + Tr("text", "Select square size");
  for (int n = rules::SmallestBoard; n <= rules::LargestBoard; ++n)
    spec += "|" + (n == current ? "*" + std::to_string(n) + ":" : std::string()) + std::to_string(n);
  return spec;
}

std::string TileLengthList(float current) {
  // The list opens on the length in use, so Enter keeps it.
  bool starred = false;
  for (const char* length : rules::TileLengths) starred = starred || static_cast<float>(Val(length)) == current;
  std::string spec = "p:" + Tr("text", "Song tile duration in seconds");
  // Said with the language's decimal mark; the value stays the number.
  for (const char* length : rules::TileLengths) {
    const bool mark = starred ? static_cast<float>(Val(length)) == current : std::string(length) == rules::FallbackTileLength;
    const std::string label = Decimal(length);
    spec += "|" + std::string(mark ? "*" : "") + label + (label == length ? "" : std::string(":") + length);
  }
  return spec;
}

// ---- The tutorial

//: The title of the tutorial's questions.
std::string TutorialTitle() { return Tr("tutorial", "Tutorial"); }
//: Asked once, at the first start. T is the key that starts the tutorial.
std::string TutorialOffer() {
  return Tr("tutorial", "Would you like a short tutorial first? It teaches the game one key at a time on a small board. "
                        "T starts it again whenever you like.");
}
std::string TutorialWelcome() {
  return Tr("tutorial", "Tutorial. A song is cut into tiles of one second, laid out of order on a board of three rows and "
                        "three columns, with one square empty. You slide the tiles until the song plays in order. Each step "
                        "waits for you. T says the step again, Escape leaves the tutorial.");
}

std::string TutorialStep(tutorial::Step step, bool emptyInMiddle) {
  using tutorial::Step;
  switch (step) {
    case Step::Arrows:
      return Tr("tutorial", "The cursor is on the top left square. The arrow keys move it: you hear the square's row and "
                            "column, whether its tile is in order, then the tile. Press an arrow key.");
    case Step::HomeTile:
      return Tr("tutorial", "Every square is the home of one piece of the song. Press O to hear the piece that belongs on "
                            "the square under the cursor.");
    case Step::WhereEmpty: return Tr("tutorial", "Press B to hear where the empty square is.");
    //: Control+B: the keys as a player presses them, said aloud.
    case Step::GoToEmpty: return Tr("tutorial", "Press Control+B to go to the empty square.");
    case Step::SlideOne:
      return Tr("tutorial", "A tile beside the empty square slides into it. Move to a square next to the empty one and "
                            "press Space.");
    case Step::SlideSeveral:
      if (emptyInMiddle)
        return Tr("tutorial", "Space also slides several tiles at once, from two squares away in the empty square's row or "
                              "column. The empty square is in the middle now, where nothing is two squares away: slide one "
                              "tile first.");
      return Tr("tutorial", "The cursor went with the empty square. Space also slides several tiles at once: go two squares "
                            "away from the empty square, in its row or column, and press Space.");
    case Step::PlayRun:
      return Tr("tutorial", "When a slide brings tiles home in order from the first, a note sounds for each tile that joins, "
                            "then the tiles in order play. Press P to hear the tiles in order from the first.");
    case Step::EndOfRun: return Tr("tutorial", "Press E to go to the last tile in order.");
    case Step::Mark: return Tr("tutorial", "Press M to mark the tile under the cursor.");
    case Step::GoToMark:
      return Tr("tutorial", "Whenever you land on the marked tile, its sound follows the tile. Move away with the arrows, "
                            "then press G to go back to it.");
    case Step::Progress: return Tr("tutorial", "Press I to hear how many tiles are in order, your moves and your time.");
    case Step::Undo: return Tr("tutorial", "Press U to take back your last slide.");
    case Step::Finish:
      //: H is the tutorial's hint key.
      return Tr("tutorial", "Now put the whole song in order. F plays the board from the first square to the last. Press H "
                            "for a hint; after a minute without progress, a hint comes by itself.");
    case Step::Over: break;
  }
  return {};
}

std::string TutorialGood() { return Tr("tutorial", "Good."); }
std::string TutorialWrongKey() { return Tr("tutorial", "Not that key now."); }
std::string TutorialCannotSlide() {
  return Tr("tutorial", "That beep means nothing can slide from there: only a tile in the empty square's row or column can.");
}
std::string TutorialOneTile() { return Tr("tutorial", "That slid one tile."); }
std::string TutorialHint(int row, int column) {
  return Fill(Tr("tutorial", "Hint: slide the tile on row %1, column %2."), {std::to_string(row), std::to_string(column)});
}
std::string TutorialSolved() { return Tr("tutorial", "Solved! That was the song in order."); }
std::string TutorialOver() { return Tr("tutorial", "The tutorial is over. Press T whenever you want to take it again."); }
std::string TutorialLeave() { return Tr("tutorial", "Would you like to leave the tutorial?"); }
std::string TutorialGoesOn() { return Tr("tutorial", "The tutorial goes on."); }
std::string TutorialUnplayable() { return Tr("tutorial", "The sample song cannot be played, so the tutorial cannot start."); }
std::string BackToYourGame() { return Tr("tutorial", "Back to your game."); }

}  // namespace text
