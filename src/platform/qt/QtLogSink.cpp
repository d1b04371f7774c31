#include "platform/qt/QtLogSink.h"

#include <QString>
#include <cstdlib>
#include <cstring>

namespace cvd::qt {

QtLogSink::QtLogSink(bool verbose) {
  // Later rules win, and QT_LOGGING_RULES is applied after these.
  QLoggingCategory::setFilterRules(verbose ? QStringLiteral("corvinade.*=true")
                                           : QStringLiteral("corvinade.*.debug=false\ncorvinade.*.info=false"));
  // QT_MESSAGE_PATTERN, when set, overrides this.
  qSetMessagePattern(QStringLiteral("%{if-category}%{category}: %{endif}%{type}: %{message}"));
}

bool QtLogSink::VerboseRequested(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--verbose") == 0 || std::strcmp(argv[i], "-v") == 0) return true;
  const char* level = std::getenv("CORVINADE_LOG");
  return level != nullptr && (std::strcmp(level, "debug") == 0 || std::strcmp(level, "info") == 0);
}

const QLoggingCategory& QtLogSink::Category(std::string_view area) const {
  std::lock_guard lock(mutex_);
  auto found = categories_.find(area);
  if (found != categories_.end()) return *found->second;
  // QLoggingCategory keeps the name pointer: the string must outlive it.
  auto name = std::make_unique<std::string>("corvinade." + std::string(area));
  auto category = std::make_unique<QLoggingCategory>(name->c_str());
  const QLoggingCategory& result = *category;
  names_.emplace(std::string(area), std::move(name));
  categories_.emplace(std::string(area), std::move(category));
  return result;
}

bool QtLogSink::Enabled(LogLevel level, std::string_view area) const {
  const QLoggingCategory& category = Category(area);
  switch (level) {
    case LogLevel::Debug: return category.isDebugEnabled();
    case LogLevel::Info: return category.isInfoEnabled();
    case LogLevel::Warning: return category.isWarningEnabled();
    case LogLevel::Error: return category.isCriticalEnabled();
  }
  return true;
}

void QtLogSink::Write(LogLevel level, std::string_view area, std::string_view message) {
  const QLoggingCategory& category = Category(area);
  const QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
  QMessageLogger logger;
  switch (level) {
    case LogLevel::Debug: logger.debug(category).noquote() << text; break;
    case LogLevel::Info: logger.info(category).noquote() << text; break;
    case LogLevel::Warning: logger.warning(category).noquote() << text; break;
    case LogLevel::Error: logger.critical(category).noquote() << text; break;
  }
}

}  // namespace cvd::qt
