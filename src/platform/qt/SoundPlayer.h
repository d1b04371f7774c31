#pragma once
#include <string>

namespace cvd::qt {

// Plays wave files through the desktop's event-sound library without
// waiting. With no sound output, or when the library fails, it writes one
// log line and plays nothing more.
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
