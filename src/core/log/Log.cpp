#include "core/log/Log.h"

#include <atomic>
#include <exception>

namespace cvd {
namespace {

std::atomic<LogSink*> g_sink{nullptr};

}  // namespace

LogSink* SetLogSink(LogSink* sink) { return g_sink.exchange(sink); }

bool LogEnabled(LogLevel level, std::string_view area) {
  LogSink* sink = g_sink.load(std::memory_order_acquire);
  return sink != nullptr && sink->Enabled(level, area);
}

void LogWrite(LogLevel level, std::string_view area, std::string_view message) {
  LogSink* sink = g_sink.load(std::memory_order_acquire);
  if (sink != nullptr && sink->Enabled(level, area)) sink->Write(level, area, message);
}

std::string CurrentExceptionText() {
  const std::exception_ptr current = std::current_exception();
  if (!current) return "no exception";
  try {
    std::rethrow_exception(current);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "unknown exception";
  }
}

}  // namespace cvd
