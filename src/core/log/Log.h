#pragma once
// The program's log: levelled lines in named areas ("journal", "clipboard",
// "settings", ...). A failure the user does not see, or one that is only
// swallowed to keep the program running, writes one warning line that says
// what failed. Safe from any thread.
#include <string>
#include <string_view>

#include "core/ports/LogSink.h"

namespace cvd {

// Installs the sink every later line goes to (null: lines are dropped).
// Returns the sink that was installed before.
LogSink* SetLogSink(LogSink* sink);

bool LogEnabled(LogLevel level, std::string_view area);
void LogWrite(LogLevel level, std::string_view area, std::string_view message);

inline void LogDebug(std::string_view area, std::string_view message) { LogWrite(LogLevel::Debug, area, message); }
inline void LogInfo(std::string_view area, std::string_view message) { LogWrite(LogLevel::Info, area, message); }
inline void LogWarning(std::string_view area, std::string_view message) { LogWrite(LogLevel::Warning, area, message); }
inline void LogError(std::string_view area, std::string_view message) { LogWrite(LogLevel::Error, area, message); }

// The message of the exception being handled, for a catch (...) block:
// "what()" of a std::exception, else "unknown exception".
std::string CurrentExceptionText();

}  // namespace cvd
