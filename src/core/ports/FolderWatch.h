#pragma once
#include <functional>
#include <string>

namespace cvd {

class FolderWatch {
 public:
  virtual ~FolderWatch() = default;
  // Watches one folder (not its subfolders) for writes; an empty path stops.
  // True when the system reports every write there as it happens; false when
  // some may go unreported (a network file system does not see other
  // computers' writes) or the folder could not be watched.
  virtual bool Watch(const std::string& folder, std::function<void()> onChange) = 0;
};

}  // namespace cvd
