#pragma once
// How far a game has come and the best results, in "Progress.dat" in the
// player folder: a file of its own, so config.ini and SaveGame.gam keep their
// formats. Records as in Records.h, one a line:
//   "Music Tunzle progress",1
//   "game",fingerprint of SaveGame.gam,moves,seconds   (the saved game's)
//   "best",board size,tile length,fewest moves,fastest seconds   (one a size and length)
#include <cstdint>
#include <map>
#include <string>

// The time a game has been played: runs while its board is on the screen,
// held while a dialog or the help is open. Times are the Clock's steady seconds.
class PlayTime {
 public:
  // Starts counting on from `already` seconds.
  void Start(double now, double already = 0);
  // Dialogs may open dialogs: the time runs again when the last one closes.
  void Hold(double now);
  void Release(double now);
  // The game is over: the time stays as it is.
  void Stop(double now);
  double Seconds(double now) const;

 private:
  double before = 0, since = 0;
  int holds = 0;
  bool running = false;
};

// The best results of one board size and tile length; the fewest moves and
// the fastest time may come from different games.
struct BestKey {
  int16_t size = 0;
  float tileLength = 0;
  auto operator<=>(const BestKey&) const = default;
};
struct Best {
  int32_t moves = 0;
  int32_t seconds = 0;
  bool operator==(const Best&) const = default;
};

struct Progress {
  // The saved game these moves and seconds belong to; empty when none.
  std::string savedGame;
  int32_t moves = 0, seconds = 0;
  std::map<BestKey, Best> best;
  bool operator==(const Progress&) const = default;
};

// Tells one saved game's bytes from another's.
std::string Fingerprint(const std::string& bytes);

// What of the text can be used: a record that is damaged or out of range is
// left out, and a text without the first record gives nothing at all.
Progress ParseProgress(const std::string& text);
std::string ProgressText(const Progress& p);

// The file in the player folder; a missing or unreadable one gives nothing.
Progress LoadProgress(const std::string& playerFolder);
// Written whole or not at all; false when it could not be written.
bool SaveProgress(const std::string& playerFolder, const Progress& p);
