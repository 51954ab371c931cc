#pragma once
// The Ogg stream library as the engine calls it: loaded by name at first use.
// Tests hand the engine a fake with the same functions.
#include <cstdint>
#include <memory>
#include <string>

class OggLibrary {
 public:
  virtual ~OggLibrary() = default;
  virtual int32_t InitOgg(int32_t reserved, int32_t windowHandle) = 0;
  virtual int32_t SetOggBufferSize(int32_t size) = 0;
  virtual int32_t UpdateOgg() = 0;
  virtual int32_t PlayOggFromDisc(const std::string& path, int32_t loop) = 0;
  virtual int32_t PauseOgg(int32_t handle) = 0;
  virtual int32_t StopOgg(int32_t handle) = 0;
  virtual int32_t OggIsPlaying(int32_t handle) = 0;
  virtual int32_t SetVolumeOfOgg(int32_t volume, int32_t handle) = 0;
  virtual int32_t SetPanOfOgg(int32_t pan, int32_t handle) = 0;
  virtual int32_t SetFrequencyOfOgg(int32_t hertz, int32_t handle) = 0;
  virtual int32_t OggSetPosition(int32_t handle, int32_t byteOffset) = 0;
  virtual int32_t DecodeOggFileToBuffer(const std::string& path, uint8_t* buffer, int32_t& bytes, int32_t& channels, int32_t& rate) = 0;
  virtual int32_t ShutdownOgg() = 0;
};

// The library's file name on this platform.
extern const char* const kOggLibraryName;

// Loads the library from `appFolder`, else from beside the program; nullptr when
// it is missing or lacks a function the engine calls.
std::unique_ptr<OggLibrary> LoadOggLibrary(const std::string& appFolder);
