#pragma once
// The shell port: documents and URLs through the desktop, sounds, the
// computer's name and the session's lock state.
#include "core/ports/Shell.h"
#include "platform/qt/SoundPlayer.h"

namespace cvd::qt {

class QtShell : public Shell {
 public:
  bool Open(const std::string& documentOrUrl) override;
  void PlaySound(const std::string& waveFile) override { sound_.Play(waveFile); }
  std::string ComputerName() override;
  bool SessionLocked() override { return false; }
  void OnSessionLockChanged(std::function<void(bool locked)>) override {}

 private:
  SoundPlayer sound_;
};

}  // namespace cvd::qt
