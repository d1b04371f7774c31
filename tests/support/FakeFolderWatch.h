#pragma once
#include <functional>
#include <string>

#include "core/ports/FolderWatch.h"

namespace cvd::test {

// Keeps the folder and the handler, so a test can report a change.
class FakeFolderWatch : public FolderWatch {
 public:
  bool Watch(const std::string& path, std::function<void()> handler) override {
    folder = path;
    onChange = std::move(handler);
    return reportsEveryChange;
  }
  void Change() {
    if (onChange) onChange();
  }

  std::string folder;
  std::function<void()> onChange;
  // What Watch answers: false as on a network file system.
  bool reportsEveryChange = false;
};

}  // namespace cvd::test
