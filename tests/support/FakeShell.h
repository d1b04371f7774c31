#pragma once
#include <string>
#include <vector>

#include "core/ports/Shell.h"

namespace cvd::test {

class FakeShell : public Shell {
 public:
  bool Open(const std::string& target) override {
    opened.push_back(target);
    return openSucceeds;
  }
  void PlaySound(const std::string& file) override { sounds.push_back(file); }
  std::string ComputerName() override { return computerName; }
  bool SessionLocked() override { return locked; }
  void OnSessionLockChanged(std::function<void(bool)> handler) override { lockHandler = std::move(handler); }

  std::vector<std::string> opened;
  std::vector<std::string> sounds;
  bool openSucceeds = true;
  std::string computerName = "testhost";
  bool locked = false;
  std::function<void(bool)> lockHandler;
};

}  // namespace cvd::test
