#pragma once
// The song players behind sound indexes 201 and above, and the operations the
// game plays its song with: a tile is a stretch of the one open song, played
// by seeking, running, and pausing again when the tile timer fires.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sound/IndexedPlayers.h"
#include "sound/MediaGraph.h"

class SoundHost;

class SongPlayers : public IndexedPlayers {
 public:
  using GraphFactory = std::function<std::unique_ptr<MediaGraph>()>;

  explicit SongPlayers(SoundHost& host, GraphFactory factory = MakeMediaGraph);
  ~SongPlayers() override;

  // Opens a song file (MP3, FLAC, Vorbis, Opus, WAV) in a free player and
  // starts it from the beginning. Returns 200 + slot, or 0 (missing file, no
  // free player, nothing in it decodes).
  int16_t PlayMP3Sound(const std::string& waveFileIn, int16_t Volume, int32_t Frequency, int16_t Pan,
                       int16_t DSFlags);

  // The song the operations below play: a slot PlayMP3Sound returned less 200
  // (0: none). Deleting that slot forgets it.
  void UseSong(int16_t slot) { song_ = slot; }

  // The song has not reached its end; a paused song counts.
  bool isMP3Playing();
  // Pauses the song and switches the tile timer off; nothing without a song.
  void PauseMP3();
  // The tile timer fired: pauses the song once the run's last sample has
  // played, re-arming the timer for what is left until then.
  void TileTimerDue();
  // Runs `cue` once the timed run now playing has played out; at once when
  // none plays. Pausing the song (a new run, a stop) drops it, so cues never
  // pile up behind a key held down.
  void CueAfterRun(std::function<void()> cue);
  // The song does not reach past the start of the last of `tiles` tiles. Leaves it paused.
  bool IsSongTooShort(int tiles, float length);
  // The open song has nothing to hear from `from` to `to` seconds: the
  // stretch starts past its end, or stays within -60 dBFS. Asked of the
  // song open now, never kept across songs. Leaves the song as it was.
  bool IsStretchSilent(double from, double to);
  // Plays tiles first..last in one run; a timer pauses the song after the run.
  void PlayTile(int16_t first, int16_t last, float length);
  void PlayOriginalTile(double tile, double length);
  void PlayEntireSong();
  // The first `seconds` of a tile (all of it when shorter).
  void PlayPiece(int16_t tile, float length, float seconds);
  // The song runs and has not played its run out yet.
  bool IsSongRunning();
  void SetMP3Volume(int32_t vol);
  void PauseAllMP3Sounds();
  void UnPauseAllMP3Sounds();
  void UnpauseOneMP3(int16_t Index);

  // IndexedPlayers: `slot` is the sound index less 200.
  void Resize(int16_t count) override;
  int16_t Play(const std::string& name, int16_t Volume, int32_t Frequency, int16_t Pan, int16_t DSFlags) override;
  bool IsPlaying(int16_t slot) override;
  void StopPlay(int16_t slot) override;
  void DeleteSound(int16_t slot) override;
  void SetVolume(int16_t slot, int16_t Volume) override;
  void SetPan(int16_t slot, int16_t Pan) override;
  void SetFrequency(int16_t slot, int32_t Frequency) override;
  void PlayOpenedSound(int16_t slot, int32_t startOffset, int16_t DSFlags) override;
  void PauseAll() override { PauseAllMP3Sounds(); }
  void UnPauseAll() override { UnPauseAllMP3Sounds(); }
  void UnpauseOne(int16_t slot) override { UnpauseOneMP3(static_cast<int16_t>(slot + 200)); }
  int16_t Count() override { return static_cast<int16_t>(players_.size() - 1); }
  // A song counts while its run still has samples to play, not while it waits paused.
  bool Sounding() override;
  void Shutdown() override;

  // The graph of a slot, or null (for the engine's tests and diagnostics).
  MediaGraph* Graph(int16_t slot);

 private:
  struct SongPlayer {
    std::unique_ptr<MediaGraph> graph;
    int16_t ReuseClass = 0;
    bool paused = false;
    std::string name;
  };

  SongPlayer* Slot(int16_t slot);
  MediaGraph* Song();
  // Pause, seek, set where the run ends, run, and arm the timer (0: none).
  void StartRun(MediaGraph& g, double start, double stopAt, int32_t timerMs);

  SoundHost& host_;
  GraphFactory factory_;
  // When the tile timer gives up waiting for a run's end (a device that
  // stopped consuming must not keep the timer firing for good).
  std::chrono::steady_clock::time_point runDeadline_{};
  std::function<void()> afterRun_;
  std::vector<SongPlayer> players_;  // 0..count; slot 0 is never used
  int16_t song_ = 0;
};
