#include "tests/support/FakeDirectSound.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

FakeDirectSound::Buffer::~Buffer() {
  if (owner) std::erase(owner->made, this);
}

bool FakeDirectSound::Buffer::WriteBuffer(const void* bytes, int32_t count) {
  if (count < 0) return false;
  data->bytes.assign(static_cast<const char*>(bytes), static_cast<const char*>(bytes) + count);
  return true;
}

bool FakeDirectSound::OpenDevice() {
  if (failDevice) return false;
  open = true;
  ++opens;
  return true;
}

void FakeDirectSound::Release() {
  if (open) ++releases;
  open = false;
}

std::unique_ptr<DSBuffer> FakeDirectSound::Make(std::shared_ptr<Data> data, const BufferDesc& desc) {
  auto b = std::make_unique<Buffer>();
  b->data = std::move(data);
  b->desc = desc;
  b->owner = this;
  made.push_back(b.get());
  return b;
}

std::unique_ptr<DSBuffer> FakeDirectSound::CreateSoundBufferFromFile(const std::string& path, const BufferDesc& desc) {
  if (!open || failCreate) return nullptr;
  auto data = std::make_shared<Data>();
  data->path = path;
  // Real WAV files tell their format; anything else counts as mono 16-bit.
  SF_INFO info{};
  if (SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info)) {
    data->format.Channels = static_cast<int16_t>(info.channels);
    data->format.SamplesPerSec = info.samplerate;
    sf_close(f);
  } else if (std::filesystem::is_regular_file(path)) {
    data->format.Channels = 1;
  } else {
    return nullptr;
  }
  WaveFormat& f = data->format;
  f.BlockAlign = static_cast<int16_t>(f.Channels * 2);
  f.AvgBytesPerSec = f.SamplesPerSec * f.BlockAlign;
  // Like the real thing: no 3D buffer for a stereo sound.
  if ((desc.Flags & dsbcaps::Ctrl3D) && f.Channels != 1) return nullptr;
  ++fileLoads;
  return Make(std::move(data), desc);
}

std::unique_ptr<DSBuffer> FakeDirectSound::CreateSoundBuffer(const BufferDesc& desc) {
  if (!open || failCreate) return nullptr;
  auto data = std::make_shared<Data>();
  data->format = desc.Format;
  data->bytes.resize(static_cast<size_t>(std::max(0, desc.BufferBytes)));
  return Make(std::move(data), desc);
}

std::unique_ptr<DSBuffer> FakeDirectSound::DuplicateSoundBuffer(DSBuffer& original) {
  if (!open || failDuplicate) return nullptr;
  auto& o = static_cast<Buffer&>(original);
  return Make(o.data, o.desc);
}

void FakeDirectSound::FinishAll() {
  for (Buffer* b : made) b->Finish();
}
