#pragma once
// The few device and buffer operations the sound engine relies on, in the
// shape and units of the engine (hundredths of a decibel, bytes, hertz).
// OpenALDirectSound is the real one; FakeDirectSound records calls for tests.
#include <cstdint>
#include <memory>
#include <string>

struct WaveFormat {
  int16_t FormatTag = 1;  // PCM
  int16_t Channels = 2;
  int32_t SamplesPerSec = 22050;
  int32_t AvgBytesPerSec = 88200;
  int16_t BlockAlign = 4;
  int16_t BitsPerSample = 16;
  int16_t Size = 24;
  int32_t Extra = 0;
};

// Buffer description flags.
namespace dsbcaps {
enum : int32_t {
  PrimaryBuffer = 1, Static = 2, Software = 8, Ctrl3D = 16, CtrlFrequency = 32,
  CtrlPan = 64, CtrlVolume = 128, GlobalFocus = 32768,
};
}

struct BufferDesc {
  int32_t Flags = 0;
  int32_t BufferBytes = 0;
  WaveFormat Format;
  std::string Algorithm = "DS3DALG_DEFAULT";
};

// The 3D side of a buffer; owned by its buffer.
class DS3DBuffer {
 public:
  virtual ~DS3DBuffer() = default;
  virtual void SetConeAngles(int32_t inside, int32_t outside) = 0;
};

class DSBuffer {
 public:
  virtual ~DSBuffer() = default;
  virtual void Play(bool looping) = 0;
  // Stops and keeps the play cursor where it was.
  virtual void Stop() = 0;
  // Bit 1: playing.
  virtual int32_t GetStatus() = 0;
  virtual void SetCurrentPosition(int32_t bytes) = 0;
  virtual void SetVolume(int32_t hundredthsDb) = 0;
  virtual void SetPan(int32_t hundredthsDb) = 0;
  // 0 restores the buffer's own frequency.
  virtual void SetFrequency(int32_t hz) = 0;
  virtual int32_t GetFrequency() = 0;
  virtual WaveFormat GetFormat() = 0;
  // Fills the buffer from its start; false when it cannot.
  virtual bool WriteBuffer(const void* bytes, int32_t count) = 0;
  // Present only for buffers created with 3D control.
  virtual DS3DBuffer* GetDirectSound3DBuffer() = 0;
};

class DSDevice {
 public:
  virtual ~DSDevice() = default;

  // The four start-up steps, in order; each needs the ones before it.
  virtual bool LoadLibrary() = 0;     // the root object
  virtual bool OpenDevice() = 0;      // the default device
  virtual bool CreatePrimary() = 0;   // primary buffer / mixing context, started
  virtual bool TakeListener() = 0;
  virtual void SetListenerDistanceFactor(float v) = 0;
  virtual void SetListenerRolloffFactor(float v) = 0;
  // Closes the device; every buffer must be gone before.
  virtual void Release() = 0;

  // nullptr when the buffer cannot be made.
  virtual std::unique_ptr<DSBuffer> CreateSoundBufferFromFile(const std::string& path, const BufferDesc& desc) = 0;
  virtual std::unique_ptr<DSBuffer> CreateSoundBuffer(const BufferDesc& desc) = 0;
  virtual std::unique_ptr<DSBuffer> DuplicateSoundBuffer(DSBuffer& original) = 0;

  // Whether the output can be paused while nothing plays (a real device that
  // supports it), and the pause itself; sources keep their place meanwhile.
  virtual bool CanPauseOutput() const { return false; }
  virtual void PauseOutput(bool /*paused*/) {}
};
