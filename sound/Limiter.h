#pragma once
// Keeps the game's mix within full scale. Sounds that pile up (a tile, a
// bump, a voice) can add up past it, and the sound server would square the
// peaks off into crackle. Below full scale every sample passes unchanged.
class PeakLimiter {
 public:
  PeakLimiter(int rate, int channels);
  // Interleaved float frames, in place.
  void Process(float* frames, int count);

 private:
  int channels_;
  int holdFrames_;
  float decay_;       // of the held peak, per frame once the hold is over
  float peak_ = 0.0f;  // the loudest recent frame
  int hold_ = 0;
};
