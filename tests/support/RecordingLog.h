#pragma once
// A log sink for tests: installs itself while it lives and keeps every line
// written, so a test can assert that a swallowed failure was logged.
#include <mutex>
#include <string>
#include <vector>

#include "core/log/Log.h"

namespace cvd::test {

class RecordingLog : public LogSink {
 public:
  struct Line {
    LogLevel level;
    std::string area;
    std::string message;
  };

  RecordingLog() : previous_(SetLogSink(this)) {}
  ~RecordingLog() override { SetLogSink(previous_); }
  RecordingLog(const RecordingLog&) = delete;
  RecordingLog& operator=(const RecordingLog&) = delete;

  bool Enabled(LogLevel, std::string_view) const override { return true; }
  void Write(LogLevel level, std::string_view area, std::string_view message) override {
    std::lock_guard lock(mutex_);
    lines_.push_back({level, std::string(area), std::string(message)});
  }

  std::vector<Line> Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
  }
  // Lines of at least Warning level in `area` (any area when empty).
  int Warnings(const std::string& area = {}) const {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const Line& line : lines_)
      if (line.level >= LogLevel::Warning && (area.empty() || line.area == area)) ++count;
    return count;
  }

 private:
  LogSink* previous_;
  mutable std::mutex mutex_;
  std::vector<Line> lines_;
};

}  // namespace cvd::test
