#pragma once
// Where the program's log lines go. The core writes through the free
// functions of core/log/Log.h; the platform installs a sink at start (the Qt
// layer writes through its logging categories to standard error). With no
// sink installed nothing is written.
#include <string_view>

namespace cvd {

enum class LogLevel { Debug, Info, Warning, Error };

class LogSink {
 public:
  virtual ~LogSink() = default;
  // Whether a line of this level and area would be written (callers skip
  // building costly messages when not).
  virtual bool Enabled(LogLevel level, std::string_view area) const = 0;
  // Called from any thread.
  virtual void Write(LogLevel level, std::string_view area, std::string_view message) = 0;
};

}  // namespace cvd
