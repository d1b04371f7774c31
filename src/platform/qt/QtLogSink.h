#pragma once
// The program's log through Qt's logging categories: the core's area
// "journal" is the category "corvinade.journal". Lines go to standard error
// (where a terminal or the systemd journal picks them up) as
// "corvinade.journal: warning: ...". Warnings and errors are on; debug and
// info lines are off unless the program runs verbose (--verbose, or
// CORVINADE_LOG=debug|info). QT_LOGGING_RULES still has the last word.
#include <QLoggingCategory>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "core/ports/LogSink.h"

namespace cvd::qt {

class QtLogSink : public LogSink {
 public:
  // `verbose`: debug and info lines are written too.
  explicit QtLogSink(bool verbose);

  bool Enabled(LogLevel level, std::string_view area) const override;
  void Write(LogLevel level, std::string_view area, std::string_view message) override;

  // Whether the command line or the environment asks for a verbose log.
  static bool VerboseRequested(int argc, char** argv);

 private:
  const QLoggingCategory& Category(std::string_view area) const;

  mutable std::mutex mutex_;
  // Categories live as long as the sink; Qt keeps pointers to them.
  mutable std::map<std::string, std::unique_ptr<QLoggingCategory>, std::less<>> categories_;
  mutable std::map<std::string, std::unique_ptr<std::string>, std::less<>> names_;
};

}  // namespace cvd::qt
