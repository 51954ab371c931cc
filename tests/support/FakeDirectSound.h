#pragma once
// A device that plays nothing and remembers everything, for tests of the
// engine and of the game. A buffer plays until Finish() (or Stop) is called.
#include "sound/DirectSound.h"

#include <memory>
#include <string>
#include <vector>

class FakeDirectSound : public DSDevice {
 public:
  struct Data {
    std::string path;  // "" for buffers filled by WriteBuffer
    WaveFormat format;
    std::vector<char> bytes;
  };

  struct Buffer : DSBuffer, DS3DBuffer {
    std::shared_ptr<Data> data;
    BufferDesc desc;
    bool playing = false;
    bool looping = false;
    int plays = 0;
    int32_t position = 0;
    int32_t volume = 0;
    int32_t pan = 0;
    int32_t frequency = 0;  // 0: the data's own
    int32_t coneInside = 360, coneOutside = 360;
    FakeDirectSound* owner = nullptr;

    ~Buffer() override;

    void Play(bool loop) override { playing = true; looping = loop; ++plays; }
    void Stop() override { playing = false; }
    int32_t GetStatus() override { return playing ? 1 : 0; }
    void SetCurrentPosition(int32_t bytes) override { position = bytes; }
    void SetVolume(int32_t v) override { volume = v; }
    void SetPan(int32_t p) override { pan = p; }
    void SetFrequency(int32_t hz) override { frequency = hz; }
    int32_t GetFrequency() override { return frequency > 0 ? frequency : data->format.SamplesPerSec; }
    WaveFormat GetFormat() override { return data->format; }
    bool WriteBuffer(const void* bytes, int32_t count) override;
    DS3DBuffer* GetDirectSound3DBuffer() override { return (desc.Flags & dsbcaps::Ctrl3D) ? this : nullptr; }
    void SetConeAngles(int32_t inside, int32_t outside) override { coneInside = inside; coneOutside = outside; }
    void Finish() { playing = false; }
  };

  // Which start-up steps fail, for the no-device tests.
  bool failLibrary = false, failDevice = false, failPrimary = false, failListener = false;
  bool failCreate = false, failDuplicate = false;

  int opens = 0;        // successful device opens
  int releases = 0;
  int fileLoads = 0;    // CreateSoundBufferFromFile calls that made a buffer
  float distanceFactor = 0, rolloffFactor = 0;
  bool open = false;

  // Every buffer alive now (owned by the engine).
  std::vector<Buffer*> made;

  bool LoadLibrary() override { return !failLibrary; }
  bool OpenDevice() override;
  bool CreatePrimary() override { return open && !failPrimary; }
  bool TakeListener() override { return open && !failListener; }
  void SetListenerDistanceFactor(float v) override { distanceFactor = v; }
  void SetListenerRolloffFactor(float v) override { rolloffFactor = v; }
  void Release() override;

  std::unique_ptr<DSBuffer> CreateSoundBufferFromFile(const std::string& path, const BufferDesc& desc) override;
  std::unique_ptr<DSBuffer> CreateSoundBuffer(const BufferDesc& desc) override;
  std::unique_ptr<DSBuffer> DuplicateSoundBuffer(DSBuffer& original) override;

  // Ends every buffer's sound, as if they had played out.
  void FinishAll();

 private:
  std::unique_ptr<DSBuffer> Make(std::shared_ptr<Data> data, const BufferDesc& desc);
};
