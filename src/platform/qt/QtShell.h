#pragma once
// The shell port: documents and URLs through the desktop, sounds, the
// computer's name and the session's lock state.
#include "core/ports/Shell.h"
#include "platform/qt/SessionLockWatch.h"
#include "platform/qt/SoundPlayer.h"

namespace cvd::qt {

class QtShell : public Shell {
 public:
  bool Open(const std::string& documentOrUrl) override;
  void PlaySound(const std::string& waveFile) override { sound_.Play(waveFile); }
  std::string ComputerName() override;
  bool SessionLocked() override { return lock_.Locked(); }
  void OnSessionLockChanged(std::function<void(bool locked)> handler) override { lock_.OnChanged(std::move(handler)); }

 private:
  SoundPlayer sound_;
  SessionLockWatch lock_;
};

}  // namespace cvd::qt
