#include "sound/OggPlayers.h"

#include "base/Files.h"
#include "common/MsgBox.h"
#include "common/SoundWake.h"
#include "base/Translate.h"
#include "base/VB.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

OggPlayers::OggPlayers(SoundHost& host, Loader loader) : host_(host), loader_(std::move(loader)) {
  slots_.resize(21);
  pump_.setInterval(10);
  QObject::connect(&pump_, &QTimer::timeout, [this] { Pump(); });
}

OggPlayers::~OggPlayers() = default;

OggLibrary* OggPlayers::Library() {
  if (!triedLoading_) {
    triedLoading_ = true;
    if (loader_) library_ = loader_(host_.AppFolder());
  }
  return library_.get();
}

OggPlayers::OggSlot* OggPlayers::Slot(int16_t slot) {
  if (slot < 1 || slot >= static_cast<int16_t>(slots_.size())) return nullptr;
  return &slots_[slot];
}

void OggPlayers::Resize(int16_t count) {
  // Streams of the old table would play on with no index to stop them.
  if (library_)
    for (auto& s : slots_)
      if (s.handle != 0) library_->StopOgg(s.handle);
  slots_.assign(static_cast<size_t>(std::clamp<int16_t>(count, 0, 100)) + 1, OggSlot{});
}

void OggPlayers::Start() {
  OggLibrary* lib = Library();
  if (!lib) return;
  if (lib->InitOgg(0, 0) != 0) {
    available_ = true;
    lib->SetOggBufferSize(5);
  }
}

void OggPlayers::Shutdown() {
  pump_.stop();
  available_ = false;
  if (library_) library_->ShutdownOgg();
  // The library has let every stream go; stale handles must not reach it again.
  for (auto& s : slots_) {
    s.handle = 0;
    s.paused = false;
  }
}

void OggPlayers::Pump() {
  if (library_) library_->UpdateOgg();
  for (int16_t i = 1; i <= Count(); ++i)
    if (IsPlaying(i)) return;
  pump_.stop();
}

void OggPlayers::WakePump() {
  if (available_ && !pump_.isActive()) pump_.start();
}

void OggPlayers::LibraryMissing() {
  SystemMsgBox(Tr("Sound", "OGG DLL is missing."), msgbox::Critical, Tr("Sound", "Error"));
  if (shutdownHandler_) shutdownHandler_();
  else Shutdown();
  // The program cannot go on without the library it was asked to use: a failure exit.
  std::exit(EXIT_FAILURE);
}

int16_t OggPlayers::Play(const std::string& name, int16_t Volume, int32_t Frequency, int16_t Pan, int16_t DSFlags) {
  if (!available_) LibraryMissing();
  OggLibrary* lib = library_.get();

  const std::string path = host_.AppFolder() + name;
  const std::filesystem::path found = ResolvePathNoCase(path);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(found, ec)) {
    SystemMsgBox(Fill(Tr("Sound", "File: %1 does not exist!"), {name}), msgbox::Critical, Tr("Sound", "File not found."));
    return 0;
  }

  int16_t chosen = 0;
  for (int16_t pass = -1; pass <= 2 && !chosen; ++pass)
    for (int16_t i = 1; i <= Count(); ++i)
      if ((slots_[i].ReuseClass == pass || slots_[i].handle == 0) && !IsPlaying(i)) {
        chosen = i;
        break;
      }
  if (!chosen) {
    SystemMsgBox(Tr("Sound", "insufficient OGG Handles available."), msgbox::Critical, Tr("Sound", "Error!"));
    return 0;
  }
  OggSlot& slot = slots_[chosen];
  if (slot.handle > 0) DeleteSound(chosen);

  if (DSFlags & dsflags::ThreeD) SystemMsgBox(Fill(Tr("Sound", "Standard OGG Files can not be 3d. File: %1"), {path}), msgbox::Critical, Tr("Sound", "Error."));

  if (!(DSFlags & dsflags::NoPlay)) soundwake::Wake();
  slot.handle = lib->PlayOggFromDisc(found.string(), (DSFlags & dsflags::Loop) ? 1 : 0);
  slot.paused = false;
  slot.name = name;
  if (slot.handle == 0) return 0;

  if (Volume < 0) SetVolume(chosen, Volume);
  if (Pan != 0) SetPan(chosen, Pan);
  if (Frequency > -1) SetFrequency(chosen, Frequency);
  if (DSFlags & dsflags::NoPlay) {
    lib->PauseOgg(slot.handle);
    slot.paused = true;
  }
  if (slot.handle < 1) {
    slot.paused = false;
    return 0;
  }
  slot.ReuseClass = ReuseClassFromFlags(DSFlags);
  WakePump();
  return static_cast<int16_t>(100 + chosen);
}

bool OggPlayers::IsPlaying(int16_t slot) {
  OggSlot* s = Slot(slot);
  return s && s->handle != 0 && library_ && library_->OggIsPlaying(s->handle) != 0;
}

void OggPlayers::StopPlay(int16_t slot) {
  OggSlot* s = Slot(slot);
  if (!s || s->handle == 0 || !library_) return;
  library_->PauseOgg(s->handle);
  s->paused = true;
}

void OggPlayers::DeleteSound(int16_t slot) {
  OggSlot* s = Slot(slot);
  if (!s) return;
  if (s->handle != 0 && library_) library_->StopOgg(s->handle);
  s->paused = false;
  s->handle = 0;
}

void OggPlayers::SetVolume(int16_t slot, int16_t Volume) {
  OggSlot* s = Slot(slot);
  if (!s || s->handle == 0 || !library_) return;
  // Hundredths of a decibel, -5000..0, onto the library's 0..100.
  const double v = std::clamp(RoundHalfEven((static_cast<double>(Volume) + 5000.0) / 50.0), 0.0, 100.0);
  library_->SetVolumeOfOgg(static_cast<int32_t>(v), s->handle);
}

void OggPlayers::SetPan(int16_t slot, int16_t Pan) {
  OggSlot* s = Slot(slot);
  if (!s || s->handle == 0 || !library_) return;
  const int16_t clamped = std::clamp<int16_t>(Pan, -5000, 5000);
  library_->SetPanOfOgg(static_cast<int32_t>(RoundHalfEven(clamped / 100.0)), s->handle);
}

void OggPlayers::SetFrequency(int16_t slot, int32_t Frequency) {
  OggSlot* s = Slot(slot);
  if (!s || s->handle == 0 || !library_) return;
  library_->SetFrequencyOfOgg(Frequency, s->handle);
}

void OggPlayers::PlayOpenedSound(int16_t slot, int32_t startOffset, int16_t) {
  if (IsPlaying(slot)) StopPlay(slot);
  OggSlot* s = Slot(slot);
  // The library positions by stream handle; the stream stays paused until unpaused.
  if (!s || s->handle == 0 || !library_) return;
  library_->OggSetPosition(s->handle, startOffset);
  // A stream that had played out waits paused too: mark it, or no unpause
  // would resume it and the next pause would start it instead.
  if (library_->OggIsPlaying(s->handle) == 0) s->paused = true;
}

void OggPlayers::PauseAll() {
  for (int16_t i = 1; i <= Count(); ++i)
    if (IsPlaying(i)) StopPlay(i);
}

void OggPlayers::UnPauseAll() {
  for (int16_t i = 1; i <= Count(); ++i) {
    OggSlot& s = slots_[i];
    if (!s.paused) continue;
    // Pausing is a toggle: a stream that plays already would be paused again.
    if (!IsPlaying(i) && s.handle != 0 && library_) {
      soundwake::Wake();
      library_->PauseOgg(s.handle);
    }
    s.paused = false;
  }
  WakePump();
}

void OggPlayers::UnpauseOne(int16_t slot) {
  OggSlot* s = Slot(slot);
  if (!s || !s->paused) return;
  if (s->handle != 0 && library_) {
    soundwake::Wake();
    library_->PauseOgg(s->handle);
  }
  s->paused = false;
  WakePump();
}

bool OggPlayers::DecodeWhole(const std::string& path, std::vector<int16_t>& pcm, int& channels, int& rate) {
  OggLibrary* lib = Library();
  if (!lib) return false;
  const std::string file = ResolvePathNoCase(path).string();
  uint8_t single = 0;
  int32_t bytes = 0, ch = 0, hz = 0;
  lib->DecodeOggFileToBuffer(file, &single, bytes, ch, hz);
  if (bytes <= 0 || ch <= 0 || hz <= 0) return false;
  std::vector<uint8_t> raw(static_cast<size_t>(bytes));
  int32_t capacity = bytes;
  if (lib->DecodeOggFileToBuffer(file, raw.data(), capacity, ch, hz) == 0) return false;
  pcm.resize(raw.size() / sizeof(int16_t));
  std::memcpy(pcm.data(), raw.data(), pcm.size() * sizeof(int16_t));
  channels = ch;
  rate = hz;
  return true;
}
