#pragma once
#include <functional>
#include <string>

namespace cvd {

class FolderWatch {
 public:
  virtual ~FolderWatch() = default;
  // Watches one folder (not its subfolders) for writes; an empty path stops.
  virtual void Watch(const std::string& folder, std::function<void()> onChange) = 0;
};

}  // namespace cvd
