#pragma once
// The Ogg stream library's exported functions. Every argument and result is a
// 32-bit integer; file names are 8-bit zero-terminated strings. Streams play
// through OpenAL sources on the context current when they start, fed by a
// thread of the library, so they keep playing while the caller is busy.
#include <cstdint>

extern "C" {

// Starts the library. Non-zero when ready. The window handle is not needed here.
int32_t InitOgg(int32_t reserved, int32_t windowHandle);
// Buffers queued ahead per stream (each about 46 ms); applies to new streams.
int32_t SetOggBufferSize(int32_t buffers);
int32_t GetOggBufferSize();
// Tops up every stream's queue; cheap, safe to call every few milliseconds.
int32_t UpdateOgg();

// Starts a stream at once; returns its handle, or 0 on failure (no file, no audio context).
int32_t PlayOggFromDisc(const char* path, int32_t loop);
// As above, from a whole Ogg file in memory (copied).
int32_t PlayOggFromMemory(const uint8_t* data, int32_t size, int32_t loop);
// A playing stream pauses; a paused one resumes. Returns 1 when it is now paused.
int32_t PauseOgg(int32_t handle);
// Stops the stream and frees its handle.
int32_t StopOgg(int32_t handle);
// Non-zero while the stream is sounding (not paused, not played out).
int32_t OggIsPlaying(int32_t handle);
int32_t SetVolumeOfOgg(int32_t volume, int32_t handle);   // 0..100, 50 dB range
int32_t SetPanOfOgg(int32_t pan, int32_t handle);         // -50..50, dB taken off the far side
int32_t SetFrequencyOfOgg(int32_t hertz, int32_t handle); // 0 restores the file's own rate
// Moves the stream to a byte offset of its decoded 16-bit PCM; keeps it playing or paused.
int32_t OggSetPosition(int32_t handle, int32_t byteOffset);
// Frames in the stream's file.
int32_t OggGetPCMNumSamples(int32_t handle);

// Whole-file decode in two calls. *bytes holds the capacity of `buffer` on entry.
// When it is too small (a single byte, say) only the three counts are filled in;
// otherwise `buffer` receives interleaved 16-bit PCM. Non-zero on success.
int32_t DecodeOggFileToBuffer(const char* path, uint8_t* buffer, int32_t* bytes, int32_t* channels, int32_t* rate);

// Stops and releases every stream and the feeder thread.
int32_t ShutdownOgg();
}
