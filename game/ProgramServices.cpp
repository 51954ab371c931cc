#include "game/ProgramServices.h"

#include "common/Beep.h"
#include "base/Trace.h"
#include "dialogs/GenProcs.h"
#include "dialogs/SelectFile.h"
#include "help/FRMHelp.h"
#include "sound/OggPlayers.h"
#include "sound/OpenALDirectSound.h"
#include "sound/SongPlayers.h"
#include "sound/Sound.h"
#include "speech/FRMTTS.h"
#include "speech/ScreenReaderWatch.h"
#include "speech/SpeechEngines.h"

#include <QApplication>
#include <QTime>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

ProgramServices::ProgramServices(GameState& state) : st(state) {
  // A coarse timer may fire 5 % early and cut a tile's end off.
  tileTimer.setTimerType(Qt::PreciseTimer);
  tileTimer.setSingleShot(true);
  tileTimer.setInterval(1);
  QObject::connect(&tileTimer, &QTimer::timeout, [this] {
    if (songs) songs->TileTimerDue();
  });
  hoverTimer.setSingleShot(true);
  QObject::connect(&hoverTimer, &QTimer::timeout, [this] {
    if (hoverRested) hoverRested();
  });
  // The notes' gap is heard: a coarse timer would stretch it.
  wakeTimer.setTimerType(Qt::PreciseTimer);
  wakeTimer.setSingleShot(true);
  QObject::connect(&wakeTimer, &QTimer::timeout, [this] {
    if (auto due = std::exchange(wakeDue, nullptr)) due();
  });
  runWatch.setInterval(20);
  QObject::connect(&runWatch, &QTimer::timeout, [this] {
    if (songs && songs->IsSongRunning()) return;
    runWatch.stop();
    for (auto& ended : std::exchange(runWaiters, {})) ended();
  });
}

ProgramServices::~ProgramServices() {
  tileTimer.stop();
  hoverTimer.stop();
  wakeTimer.stop();
  runWatch.stop();
  tts.reset();
  screenReader.reset();
  // Pending events run here, so every player is still alive for them.
  if (sound) sound->ShutdownForm1();
  // The engine forgets the players before they go, and runs no events after.
  if (sound) {
    sound->SetSongPlayers(nullptr);
    sound->SetOggPlayers(nullptr);
    sound->SetOggDecoder(nullptr);
  }
  if (oggs) oggs->SetShutdownHandler(nullptr);
  // The song streams feed the sound device's context: they go first.
  if (songs) songs->Shutdown();
  songs.reset();
  oggs.reset();
  sound.reset();
}

void ProgramServices::StartSound() {
  songs = std::make_unique<SongPlayers>(*this);
  sound = std::make_unique<Sound>(*this, std::make_unique<OpenALDirectSound>());
  sound->SetSongPlayers(songs.get());
  oggs = std::make_unique<OggPlayers>(*this);
  sound->SetOggPlayers(oggs.get());
  sound->SetOggDecoder([o = oggs.get()](const std::string& path, std::vector<int16_t>& pcm, int& channels, int& rate) {
    return o->DecodeWhole(path, pcm, channels, rate);
  });
  oggs->SetShutdownHandler([s = sound.get()] { s->ShutdownForm1(); });
  sound->DSInit();
}

void ProgramServices::Start() {
  StartSound();
  screenReader = std::make_unique<ScreenReaderWatch>();
  tts = std::make_unique<FRMTTS>();
  tts->SetBump([this] { PlaySound("boop2.wav"); });
  tts->SetScreenReaderQuery([w = screenReader.get()] { return w->Running(); });
  Trace::write("screenreader", {screenReader->Running() ? "1" : "0"});
  QObject::connect(screenReader.get(), &ScreenReaderWatch::RunningChanged,
                   [](bool on) { Trace::write("screenreader", {on ? "1" : "0"}); });
  SetDialogSpeech(this);
}

// ---- Sound --------------------------------------------------------------

int16_t ProgramServices::PlaySound(const std::string& name) { return sound ? sound->PlaySound(name) : 0; }
SongHandle ProgramServices::OpenSong(const std::string& path) {
  const int16_t index = sound ? sound->PlaySong(path) : 0;
  // Song players answer 200 and above; anything else is no song.
  const SongHandle song{static_cast<int16_t>(index > 200 ? index - 200 : 0)};
  if (song) songs->UseSong(song.slot);
  return song;
}
void ProgramServices::CloseSong(SongHandle song) {
  if (song) DeleteSound(static_cast<int16_t>(song.slot + 200));
}
void ProgramServices::PlayTile(int16_t first, int16_t last, float length) { if (songs) songs->PlayTile(first, last, length); }
void ProgramServices::PlayOriginalTile(int16_t tile, float length) { if (songs) songs->PlayOriginalTile(tile, length); }
void ProgramServices::PlayEntireSong() { if (songs) songs->PlayEntireSong(); }
void ProgramServices::PlayPiece(int16_t tile, float length, float seconds) {
  if (songs) songs->PlayPiece(tile, length, seconds);
}
void ProgramServices::WhenRunEnds(std::function<void()> ended) {
  if (!songs || !songs->IsSongRunning()) {
    QTimer::singleShot(0, std::move(ended));
    return;
  }
  runWaiters.push_back(std::move(ended));
  if (!runWatch.isActive()) runWatch.start();
}
void ProgramServices::PauseMP3() { if (songs) songs->PauseMP3(); }
void ProgramServices::SetMP3Volume(int32_t vol) { if (songs) songs->SetMP3Volume(vol); }
void ProgramServices::SetCueVolume(int32_t vol) { if (sound) sound->SetCueVolume(vol); }
bool ProgramServices::IsSongTooShort(int tiles, float length) { return songs ? songs->IsSongTooShort(tiles, length) : false; }
bool ProgramServices::IsTileSilent(int16_t tile, float length) {
  return songs && songs->IsStretchSilent((tile - 1) * static_cast<double>(length), tile * static_cast<double>(length));
}
void ProgramServices::DeleteSound(int16_t index) { if (sound) sound->DeleteSound(index); }

// ---- Speech -------------------------------------------------------------

void ProgramServices::speak(const std::string& text) {
  if (tts) tts->speak(text);
  if (spoken) spoken(text);
}
void ProgramServices::StopSpeech() { if (tts) tts->StopSpeech(); }
void ProgramServices::StopSpeakingAll() { if (tts) tts->StopSpeakingAll(); }
void ProgramServices::TTSSetup(int16_t type) { if (tts) tts->TTSSetup(type); }
void ProgramServices::SpeakBeforeChoice() { if (tts) tts->UseVoiceUntilChosen(); }
void ProgramServices::KeepVoiceSettings(int16_t voice, int16_t rate, int16_t volume) {
  if (tts) tts->KeepVoiceSettings(voice, rate, volume);
}
void ProgramServices::AdjustVoice(int16_t voice, std::function<void(int16_t)> done) {
  if (tts) tts->AdjustVoice(voice, std::move(done));
  else QTimer::singleShot(0, [done, voice] { done(voice); });
}
void ProgramServices::AdjustRate(int16_t rate, std::function<void(int16_t)> done) {
  if (tts) tts->AdjustRate(rate, std::move(done));
  else QTimer::singleShot(0, [done, rate] { done(rate); });
}
void ProgramServices::AdjustVolume(int16_t volume, std::function<void(int16_t)> done) {
  if (tts) tts->AdjustVolume(volume, std::move(done));
  else QTimer::singleShot(0, [done, volume] { done(volume); });
}
void ProgramServices::AdjusterKey(int16_t code, int16_t shift) {
  if (tts) tts->AdjusterKey(code, shift);
}
void ProgramServices::WhenSpeechHeard(float atMost, std::function<void()> heard) {
  if (tts) tts->WhenHeard(atMost, [heard](bool) { heard(); });
  else QTimer::singleShot(0, std::move(heard));
}
int16_t ProgramServices::ActiveSpeechType() const { return tts ? tts->ActiveSpeechType() : 0; }
bool ProgramServices::ScreenReaderRunning() const { return screenReader && screenReader->Running(); }

// ---- Dialogs and help ---------------------------------------------------

void ProgramServices::SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title,
                                  std::function<void(int16_t)> answered) {
  ::SpeakMsgBox(text, buttons, title, std::move(answered));
}
int16_t ProgramServices::SpeakMsgBox(const std::string& text, int16_t buttons, const std::string& title) {
  ::SpeakMsgBox(text, buttons, title);
  return 0;
}
void ProgramServices::PickList(const std::string& spec, std::function<void(std::string)> picked) {
  ::PickList(spec, std::move(picked));
}
void ProgramServices::SelectFile(const std::string& folder, const std::string& pattern, int16_t mode,
                                 const std::string& title, const std::string& initial, const std::string& hint,
                                 std::function<void(std::string, std::string)> chosen) {
  ::SelectFile(folder, pattern, mode, title, initial, hint,
               [chosen](const std::string& path, const std::string& error) { chosen(path, error); });
}
void ProgramServices::ShowHelp(const std::string& file, std::function<void()> closed) {
  HelpOptions options = HelpOptions::Game();
  options.message = [](const std::string& text, const std::string& title) { ::SpeakMsgBox(text, 0, title); };
  options.speak = [this](const std::string& text) { SpeakForHelp(text); };
  ShowHelpFile(file, window, options, [this, closed](FRMHelp::Result) {
    // The topic being read belongs to the closed window.
    StopSpeech();
    closed();
  });
}

void ProgramServices::SpeakForHelp(const std::string& text) {
  // A screen reader reads the viewer by itself; the game's own voice must be told.
  if (ActiveSpeechType() != 3 || ScreenReaderRunning()) return;
  StopSpeech();
  speak(text);
}

// ---- Time and the end ---------------------------------------------------

double ProgramServices::TimeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
double ProgramServices::SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
void ProgramServices::WakeAt(double steady, std::function<void()> due) {
  wakeDue = std::move(due);
  wakeTimer.start(std::max(0, static_cast<int>(std::ceil((steady - SteadySeconds()) * 1000))));
}
void ProgramServices::PlaySoundAfterRun(const std::string& name) {
  if (songs) songs->CueAfterRun([this, name] { PlaySound(name); });
  else PlaySound(name);
}
bool ProgramServices::IsSoundPlaying(int16_t index) { return sound && sound->IsPlaying(index); }
void ProgramServices::Beep() { ::Beep(); }
void ProgramServices::Bump() { PlaySound("boop2.wav"); }
void ProgramServices::SpeakCharacter(const std::string& ch) {
  if (tts) tts->SpeakCharacter(ch);
}
void ProgramServices::HoverLater(float seconds) { hoverTimer.start(std::max(1, static_cast<int>(seconds * 1000 + 0.5f))); }
void ProgramServices::EndProgram() {
  Trace::write("end");
  // The main loop ends; the program's objects close down behind it.
  QCoreApplication::exit(0);
}

// ---- The program as the sound layer sees it ------------------------------

std::string ProgramServices::AppFolder() { return st.AppFolder; }
void ProgramServices::SetTileTimerInterval(int32_t ms) { tileTimer.setInterval(ms); }
void ProgramServices::SetTileTimerEnabled(bool on) {
  if (on) tileTimer.start();
  else tileTimer.stop();
}
