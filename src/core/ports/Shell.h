#pragma once
#include <functional>
#include <string>

namespace cvd {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or URL with the desktop's handler; false on failure.
  virtual bool Open(const std::string& documentOrUrl) = 0;
  // Plays a wave file without waiting; failures are ignored.
  virtual void PlaySound(const std::string& waveFile) = 0;
  virtual std::string ComputerName() = 0;
  virtual bool SessionLocked() = 0;
  virtual void OnSessionLockChanged(std::function<void(bool locked)> handler) = 0;
};

}  // namespace cvd
