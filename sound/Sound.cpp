#include "sound/Sound.h"

#include "base/Translate.h"

#include "common/Beep.h"
#include "base/Files.h"
#include "common/MsgBox.h"
#include "base/Trace.h"
#include "base/VB.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

// The engine whose tone the beep plays; another engine's release leaves it alone.
Sound* beepOwner = nullptr;

std::string noDevice() {
  return Tr("Sound", "The game found no sound output. Check the sound card or the sound server; the game goes on without sound.");
}

bool Has(int16_t flags, int16_t bit) { return (flags & bit) != 0; }

bool Contains(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

// A whole number from a "sounds.ini" value; nullopt when it overflows 16 bits.
std::optional<int16_t> CountValue(const std::string& value) { return ToInt16(Val(value)); }

}  // namespace

Sound::Sound(SoundHost& host, std::unique_ptr<DSDevice> device, QObject* parent)
    : QObject(parent), host_(host), device_(std::move(device)) {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  random_ = [engine](int32_t n) { return std::uniform_int_distribution<int32_t>(1, n)(*engine); };
}

Sound::~Sound() {
  for (int16_t i = 1; i <= 100; ++i) DeleteSound(i);
  ReleaseDevice();
}

int32_t Sound::Random(int32_t n) { return n < 1 ? 1 : random_(n); }

// ---------------------------------------------------------------- start-up

void Sound::DSInit() {
  SoundBuffers = 30;
  OggBuffers = 20;
  MP3Buffers = 20;
  ReadSoundsIni();
  if (oggs_) oggs_->Resize(OggBuffers);
  if (songs_) songs_->Resize(MP3Buffers);
  InitDevice();
  if (oggs_) oggs_->Start();
}

void Sound::ReadSoundsIni() {
  auto path = FindFileNoCase(host_.AppFolder(), "sounds.ini");
  if (!path) return;
  std::ifstream in(*path);
  if (!in) return;
  std::string raw;
  while (std::getline(in, raw)) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    std::string line = UCase(Trim(raw));
    if (auto q = line.find('\''); q != std::string::npos) line = Trim(line.substr(0, q));
    if (line.empty()) continue;

    std::string key = line, value = "1";
    if (auto eq = line.find('='); eq != std::string::npos) {
      key = Trim(line.substr(0, eq));
      value = Trim(line.substr(eq + 1));
    }

    if (key == "SOUND BUFFERS") {
      if (auto v = CountValue(value)) SoundBuffers = *v;
      if (SoundBuffers < 20 || SoundBuffers > 100) SoundBuffers = 30;
    } else if (key == "OGG BUFFERS") {
      if (auto v = CountValue(value)) OggBuffers = *v;
      // A negative count cannot size a table; it means no Ogg slots.
      OggBuffers = std::clamp<int16_t>(OggBuffers, 0, 100);
    } else if (key == "MP3 BUFFERS") {
      if (auto v = CountValue(value)) MP3Buffers = *v;
      MP3Buffers = std::clamp<int16_t>(MP3Buffers, 0, 100);
    } else if (key == "SOFTWARE BUFFERS") {
      SoftwareBuffers = Val(value) > 0;
    } else if (key == "HRTF") {
      UseHRTF = Val(value) > 0;
    } else if (key == "MODIFY FREQUENCY") {
      (void)Val(value);
    } else if (key == "MINIMAL SOUNDS") {
      MinimalSounds = Val(value) > 0;
    } else {
      host_.SpeakMsgBox(Fill(Tr("Sound", "Error in sounds.ini file - unrecognized parameter in line %1"), {line}), 1, "");
    }
  }
}

void Sound::InitDevice() {
  deviceReady_ = false;
  // Each step needs the one before; a failed step ends the start with one message.
  if (!device_->LoadLibrary() || !device_->OpenDevice() || !device_->CreatePrimary()) {
    SystemMsgBox(noDevice());
    return;
  }
  deviceReady_ = true;
  if (device_->TakeListener()) {
    device_->SetListenerDistanceFactor(1.0f);
    device_->SetListenerRolloffFactor(3.4f);
  } else {
    SystemMsgBox(noDevice());
  }
  MakeBeepTone();
  if (device_->CanPauseOutput())
    sleep_ = std::make_unique<OutputSleep>([this] { return Sounding(); },
                                           [this](bool paused) { device_->PauseOutput(paused); });
}

bool Sound::Sounding() {
  for (int16_t i = 1; i <= 100; ++i)
    if (SlotPlaying(i)) return true;
  if (beep_ && (beep_->GetStatus() & 1)) return true;
  return (oggs_ && oggs_->Sounding()) || (songs_ && songs_->Sounding());
}

void Sound::ReleaseDevice() {
  sleep_.reset();
  if (beepOwner == this) {
    SetBeepTone(nullptr);
    beepOwner = nullptr;
  }
  beep_.reset();
  device_->Release();
  deviceReady_ = false;
}

// The system beep is silent on many desktops; this tone is not.
void Sound::MakeBeepTone() {
  const int rate = 22050;
  const int frames = rate / 10;
  const int fade = rate / 200;
  std::vector<int16_t> pcm(frames);
  for (int i = 0; i < frames; ++i) {
    double env = std::min({1.0, double(i) / fade, double(frames - 1 - i) / fade});
    pcm[i] = static_cast<int16_t>(std::lround(12000.0 * env * std::sin(2.0 * M_PI * 880.0 * i / rate)));
  }
  BufferDesc desc;
  desc.Flags = dsbcaps::Static | dsbcaps::CtrlPan | dsbcaps::CtrlFrequency | dsbcaps::CtrlVolume;
  desc.Format.Channels = 1;
  desc.Format.SamplesPerSec = rate;
  desc.Format.BlockAlign = 2;
  desc.Format.AvgBytesPerSec = rate * 2;
  desc.BufferBytes = frames * 2;
  beep_ = device_->CreateSoundBuffer(desc);
  if (!beep_ || !beep_->WriteBuffer(pcm.data(), desc.BufferBytes)) {
    beep_.reset();
    return;
  }
  DSBuffer* tone = beep_.get();
  beepOwner = this;
  SetBeepTone([tone] {
    tone->SetCurrentPosition(0);
    tone->Play(false);
  });
}

// ---------------------------------------------------------------- playing

int16_t Sound::PlaySong(const std::string& path) {
  const std::string name = Trim(path);
  if (name.empty()) return 0;
  // The exact name, so "Song.flac" beside "SONG.FLAC" opens the one chosen;
  // the trace shows it in upper case as it does every sound name.
  const int16_t index = songs_ ? songs_->Play(name, 0, -1, 0, 0) : 0;
  Trace::write("sound", {UCase(name), std::to_string(index)});
  return index;
}

int16_t Sound::PlaySound(const std::string& waveFileIn) {
  int16_t Volume = cueVolume_, Pan = 0, DSFlags = 0;
  int32_t Frequency = -1, startOffset = 0;
  return PlaySound(waveFileIn, Volume, Frequency, Pan, startOffset, DSFlags);
}

int16_t Sound::PlaySound(const std::string& waveFileIn, int16_t& Volume, int32_t& Frequency, int16_t& Pan,
                         int32_t& startOffset, int16_t& DSFlags) {
  std::string name = Trim(waveFileIn);
  if (name.empty()) return 0;

  if (name[0] == '#') {
    if (name.size() > 1 && name[1] == '#') {
      host_.StopSpeakingAll();
      name = name.substr(2);
    } else {
      name = name.substr(1);
    }
    host_.speak(name);
  }

  // A file may hold "*" in its name; one that exists is never expanded.
  std::error_code ec;
  if (auto star = name.find('*');
      star != std::string::npos && !fs::is_regular_file(ResolvePathNoCase(FilePath(Trim(name))), ec)) {
    size_t end = star + 1;
    while (end < name.size() && std::isdigit(static_cast<unsigned char>(name[end]))) ++end;
    const size_t digits = end - star - 1;
    if (digits < 1 || digits > 3) {
      SystemMsgBox(Fill(Tr("Sound", "Wildcard wave file must have 1 to 3 digit number after asterisk. File: %1"), {name}),
                   msgbox::OkOnly, Tr("Sound", "Error in PlaySound"));
      return 0;
    }
    const int32_t n = std::stoi(name.substr(star + 1, digits));
    name = name.substr(0, star) + std::to_string(Random(n)) + name.substr(end);
  }

  name = UCase(Trim(name));
  if (name.empty()) return 0;

  auto traced = [&name](int16_t index) {
    Trace::write("sound", {name, std::to_string(index)});
    return index;
  };

  if (Contains(name, ".MP3")) return traced(songs_ ? songs_->Play(name, Volume, Frequency, Pan, DSFlags) : 0);
  if (auto bang = name.find(".OGG!"); bang != std::string::npos) {
    name = name.substr(0, bang + 4);
  } else if (Contains(name, ".OGG")) {
    return traced(oggs_ ? oggs_->Play(name, Volume, Frequency, Pan, DSFlags) : 0);
  }

  // Buffer path.
  if (!deviceReady_) return traced(0);
  const bool want3D = Has(DSFlags, dsflags::ThreeD);
  int32_t r = Random(SoundBuffers);
  int16_t found = 0;
  for (int16_t i = 1; i <= SoundBuffers; ++i) {
    BufferSlot& s = slots_[i];
    // A slot whose load failed holds no sound, whatever its name.
    if (s.Buffer && s.Name == name && want3D == (s.Buffer3D != nullptr)) {
      found = i;
      CurrentSlot = i;
      break;
    }
    if (s.ReuseClass == -1 && !SlotPlaying(i)) r = i - 1;
  }

  bool reuse = false;
  if (found) {
    const bool playing = SlotPlaying(found);
    if (Has(DSFlags, dsflags::SkipIfPlaying) && playing) return traced(0);
    reuse = (!Has(DSFlags, dsflags::Duplicate) && !playing) || Has(DSFlags, dsflags::Restart);
  }

  if (!reuse) {
    // A name with no file must not cost a loaded cue its slot.
    if (!found && !fs::exists(ResolvePathNoCase(FilePath(name)))) return traced(0);

    // Slot 0 would never come round again; start after the last slot instead.
    if (r < 1) r = SoundBuffers;
    int16_t i = static_cast<int16_t>(r);
    int16_t pass = 0;
    for (;;) {
      i = static_cast<int16_t>(i % SoundBuffers + 1);
      BufferSlot& s = slots_[i];
      if (!s.Buffer || (!SlotPlaying(i) && s.ReuseClass < 3 && s.ReuseClass < pass)) break;
      if (i == r && ++pass > 3) return traced(0);
    }
    CurrentSlot = i;
    DeleteSound(i);
    slots_[i].ReuseClass = 0;

    BufferSlot& cur = slots_[CurrentSlot];
    bool loaded = false;
    if (found && slots_[found].Buffer) {
      BufferSlot& orig = slots_[found];
      if (auto dup = device_->DuplicateSoundBuffer(*orig.Buffer)) {
        cur.Buffer = std::move(dup);
        cur.BaseFrequency = orig.BaseFrequency;
        cur.Format = orig.Format;
        cur.Desc = orig.Desc;
        cur.Buffer3D = nullptr;
        if (want3D) Take3D(cur, DSFlags);
        loaded = true;
      }
    }
    if (!loaded) {
      if (OpenSound(CurrentSlot, name, DSFlags) == 0) return traced(0);
      if (want3D) Take3D(cur, DSFlags);
    }
    cur.Name = name;
    cur.ReuseClass = ReuseClassFromFlags(DSFlags);
  }

  BufferSlot& s = slots_[CurrentSlot];
  if (!s.Buffer) return traced(0);
  Volume = std::clamp<int16_t>(Volume, -10000, 0);
  s.Buffer->SetVolume(Volume);
  if (!s.Buffer3D) s.Buffer->SetPan(Pan);
  if (Frequency > 0) s.Buffer->SetFrequency(Frequency);
  startOffset = startOffset / 4 * 4;
  s.Buffer->SetCurrentPosition(startOffset);
  if (!Has(DSFlags, dsflags::NoPlay)) s.Buffer->Play(Has(DSFlags, dsflags::Loop));
  return traced(CurrentSlot);
}

void Sound::Take3D(BufferSlot& s, int16_t DSFlags) {
  s.Buffer3D = s.Buffer ? s.Buffer->GetDirectSound3DBuffer() : nullptr;
  if (s.Buffer3D && Has(DSFlags, dsflags::ConeAngles)) s.Buffer3D->SetConeAngles(0, 360);
}

std::string Sound::FilePath(const std::string& name) const {
  const bool absolute = (!name.empty() && (name[0] == '/' || name[0] == '\\')) || Contains(name, ":");
  return absolute ? name : host_.AppFolder() + name;
}

int16_t Sound::OpenSound(int16_t slot, const std::string& name, int16_t DSFlags) {
  if (slot < 1 || slot > 100) return 0;
  const fs::path path = ResolvePathNoCase(FilePath(name));
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return 0;

  BufferSlot& s = slots_[slot];
  s.Buffer3D = nullptr;
  s.Buffer.reset();

  const bool want3D = Has(DSFlags, dsflags::ThreeD);
  BufferDesc desc;
  if (want3D) {
    desc.Flags = dsbcaps::Ctrl3D;
  } else {
    desc.Flags = dsbcaps::CtrlPan;
    if (!Has(DSFlags, dsflags::NotStatic)) desc.Flags |= dsbcaps::Static;
    if (Has(DSFlags, dsflags::GlobalFocus)) desc.Flags |= dsbcaps::GlobalFocus;
  }
  desc.Flags |= dsbcaps::CtrlFrequency | dsbcaps::CtrlVolume;
  if (SoftwareBuffers) desc.Flags |= dsbcaps::Software;

  if (Contains(name, ".OGG")) {
    std::vector<int16_t> pcm;
    int channels = 0, rate = 0;
    // No decoder means the Ogg library is missing.
    if (!decoder_ || !decoder_(path.string(), pcm, channels, rate) || channels < 1 || rate < 1) return 0;
    desc.Format.Channels = static_cast<int16_t>(channels);
    desc.Format.SamplesPerSec = rate;
    desc.Format.BitsPerSample = 16;
    desc.Format.BlockAlign = static_cast<int16_t>(channels * 2);
    desc.Format.AvgBytesPerSec = rate * channels * 2;
    desc.BufferBytes = static_cast<int32_t>(pcm.size() * 2);
    s.Desc = desc;
    s.Format = desc.Format;
    s.Buffer = device_->CreateSoundBuffer(desc);
    if (s.Buffer) {
      if (!s.Buffer->WriteBuffer(pcm.data(), desc.BufferBytes)) s.Buffer.reset();
      else s.BaseFrequency = s.Buffer->GetFrequency();
    }
  } else {
    s.Desc = desc;
    s.Format = desc.Format;
    s.Buffer = device_->CreateSoundBufferFromFile(path.string(), desc);
    if (s.Buffer) {
      s.BaseFrequency = s.Buffer->GetFrequency();
      s.Format = s.Buffer->GetFormat();
    }
    if (want3D && s.Format.Channels == 2)
      SystemMsgBox(Fill(Tr("Sound", "%1 will not play.  Trying to use a stereo sound in a 3D buffer."), {name}),
                   msgbox::Information, Tr("Sound", "Warning "));
  }
  s.Buffer3D = nullptr;
  return 1;
}

// ---------------------------------------------------------------- per index

bool Sound::SlotPlaying(int16_t i) {
  const BufferSlot& s = slots_[i];
  return s.Buffer && (s.Buffer->GetStatus() & 1) != 0;
}

IndexedPlayers* Sound::TableFor(int16_t Index, int16_t& slot) {
  IndexedPlayers* table = nullptr;
  if (Index > 100 && Index <= 200) {
    table = oggs_;
    slot = static_cast<int16_t>(Index - 100);
  } else if (Index > 200) {
    table = songs_;
    slot = static_cast<int16_t>(Index - 200);
  }
  if (!table || slot < 1 || slot > table->Count()) return nullptr;
  return table;
}

void Sound::PlayOpenedSound(int16_t Index, int32_t startOffset, int16_t DSFlags) {
  if (Index <= 0) return;
  if (IsPlaying(Index)) StopPlay(Index);
  startOffset = startOffset / 4 * 4;
  if (Index <= 100) {
    BufferSlot& s = slots_[Index];
    if (!s.Buffer) return;
    s.Buffer->SetCurrentPosition(startOffset);
    s.Buffer->Play(Has(DSFlags, dsflags::Loop));
    return;
  }
  int16_t slot = 0;
  if (auto* t = TableFor(Index, slot)) t->PlayOpenedSound(slot, startOffset, DSFlags);
}

bool Sound::IsPlaying(int16_t Index) {
  if (Index <= 0) return false;
  if (Index <= 100) return SlotPlaying(Index);
  int16_t slot = 0;
  auto* t = TableFor(Index, slot);
  return t && t->IsPlaying(slot);
}

void Sound::StopPlay(const Variant& IndexIn) {
  int16_t Index = 0;
  if (auto* v16 = std::get_if<int16_t>(&IndexIn)) Index = *v16;
  else if (auto* v32 = std::get_if<int32_t>(&IndexIn)) Index = ToInt16(*v32).value_or(0);
  else if (auto* s = std::get_if<std::string>(&IndexIn)) Index = ToInt16(Val(*s)).value_or(0);
  if (Index <= 0) return;
  if (Index <= 100) {
    if (slots_[Index].Buffer) slots_[Index].Buffer->Stop();
    return;
  }
  int16_t slot = 0;
  if (auto* t = TableFor(Index, slot)) t->StopPlay(slot);
}

void Sound::DeleteSound(int16_t Index) {
  if (Index <= 0 || Index == 999) return;
  if (Index <= 100) {
    BufferSlot& s = slots_[Index];
    s.Name.clear();
    s.ReuseClass = 0;
    if (s.Buffer) s.Buffer->Stop();
    s.Buffer3D = nullptr;
    s.Buffer.reset();
    return;
  }
  int16_t slot = 0;
  if (auto* t = TableFor(Index, slot)) t->DeleteSound(slot);
}

void Sound::DeleteSound2(int16_t Index) {
  if (Index > 100) {
    const int16_t slot = static_cast<int16_t>(Index - 100);
    if (oggs_ && slot <= oggs_->Count()) oggs_->DeleteSound(slot);
    return;
  }
  DeleteSound(Index);
}

void Sound::KillAllSounds() {
  if (oggs_)
    for (int16_t i = 1, n = oggs_->Count(); i <= n; ++i) DeleteSound(static_cast<int16_t>(100 + i));
  if (songs_)
    for (int16_t i = 1, n = songs_->Count(); i <= n; ++i) DeleteSound(static_cast<int16_t>(200 + i));
}

void Sound::ResetSounds() {
  KillAllSounds();
  // Buffers belong to the device being closed, so they go with it.
  for (int16_t i = 1; i <= 100; ++i) DeleteSound(i);
  ReleaseDevice();
  if (oggs_) oggs_->Shutdown();
  DSInit();
}

void Sound::SetVolume(int16_t Index, int16_t Volume) {
  if (Index <= 0) return;
  if (Index <= 100) {
    if (slots_[Index].Buffer) slots_[Index].Buffer->SetVolume(std::clamp<int16_t>(Volume, -10000, 0));
    return;
  }
  int16_t slot = 0;
  if (auto* t = TableFor(Index, slot)) t->SetVolume(slot, Volume);
}

void Sound::SetPan(int16_t Index, int16_t Pan) {
  if (Index <= 0) return;
  Pan = std::clamp<int16_t>(Pan, -5000, 5000);
  if (Index <= 100) {
    if (slots_[Index].Buffer) slots_[Index].Buffer->SetPan(Pan);
    return;
  }
  int16_t slot = 0;
  if (auto* t = TableFor(Index, slot)) t->SetPan(slot, Pan);
}

void Sound::SetFrequency(int16_t Index, int32_t Frequency) {
  if (Index <= 0) return;
  if (Index <= 100) {
    if (slots_[Index].Buffer) slots_[Index].Buffer->SetFrequency(Frequency);
    return;
  }
  int16_t slot = 0;
  if (auto* t = TableFor(Index, slot)) t->SetFrequency(slot, Frequency);
}

int32_t Sound::GetFrequency(int16_t Index) {
  if (Index < 1 || Index > 100 || !slots_[Index].Buffer) return 0;
  return slots_[Index].Buffer->GetFrequency();
}

void Sound::SetStartPosition(int16_t Index) {
  if (Index < 1 || Index > 100 || !slots_[Index].Buffer) return;
  slots_[Index].Buffer->SetCurrentPosition(0);
}

void Sound::StopSoundQ() {
  if (IsPlaying(QueuedSound)) StopPlay(QueuedSound);
  QueueCount1 = 0;
  QueueCount2 = 0;
}

void Sound::ShutdownForm1() {
  // The song players feed the device from threads of their own: they stop first,
  // so nothing plays on while the program ends, whichever way it ends.
  if (songs_) songs_->Shutdown();
  if (oggs_) oggs_->Shutdown();
  for (int16_t i = 1; i <= SoundBuffers; ++i) DeleteSound(i);
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}
