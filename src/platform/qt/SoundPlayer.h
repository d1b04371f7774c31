#pragma once
#include <string>

namespace cvd::qt {

// Plays wave files through the desktop's event-sound library without
// waiting; every failure (no sound server, missing file) is ignored.
class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;
  void Play(const std::string& waveFile);

 private:
  struct Context;
  Context* context_ = nullptr;
};

}  // namespace cvd::qt
