// The log's Qt sink: which levels reach Qt's message handler, under which
// category, with and without the verbose switch.
#include <gtest/gtest.h>
#include <QtGlobal>
#include <string>
#include <vector>

#include "core/log/Log.h"
#include "platform/qt/QtLogSink.h"

namespace cvd::qt {
namespace {

std::vector<std::string> g_seen;

void Remember(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static const char* const kTypes[] = {"debug", "warning", "critical", "fatal", "info"};
  g_seen.push_back(std::string(context.category ? context.category : "") + " " + kTypes[type] + " " +
                   message.toStdString());
}

TEST(QtLogSinkTest, WritesTheLevelsItIsSetForUnderTheAreasCategory) {
  struct Case {
    bool verbose;
    LogLevel level;
    const char* expected;  // empty: nothing written
  };
  const Case cases[] = {
      {false, LogLevel::Debug, ""},
      {false, LogLevel::Info, ""},
      {false, LogLevel::Warning, "corvinade.journal warning cannot write: disk full"},
      {false, LogLevel::Error, "corvinade.journal critical cannot write: disk full"},
      {true, LogLevel::Debug, "corvinade.journal debug cannot write: disk full"},
      {true, LogLevel::Info, "corvinade.journal info cannot write: disk full"},
  };
  const QtMessageHandler previous = qInstallMessageHandler(Remember);
  for (const Case& c : cases) {
    g_seen.clear();
    {
      QtLogSink sink(c.verbose);
      LogSink* before = SetLogSink(&sink);
      LogWrite(c.level, "journal", "cannot write: disk full");
      EXPECT_EQ(LogEnabled(c.level, "journal"), *c.expected != '\0');
      SetLogSink(before);
    }
    const std::vector<std::string> expected =
        *c.expected ? std::vector<std::string>{c.expected} : std::vector<std::string>{};
    EXPECT_EQ(g_seen, expected) << "verbose " << c.verbose << " level " << static_cast<int>(c.level);
  }
  qInstallMessageHandler(previous);
}

TEST(QtLogSinkTest, VerboseComesFromTheCommandLineOrTheEnvironment) {
  struct Case {
    std::vector<const char*> args;
    const char* env;  // CORVINADE_LOG, null: unset
    bool verbose;
  };
  const Case cases[] = {
      {{"corvinade"}, nullptr, false},
      {{"corvinade", "--verbose"}, nullptr, true},
      {{"corvinade"}, "debug", true},
      {{"corvinade"}, "warning", false},
  };
  for (const Case& c : cases) {
    if (c.env)
      qputenv("CORVINADE_LOG", c.env);
    else
      qunsetenv("CORVINADE_LOG");
    std::vector<char*> argv;
    for (const char* arg : c.args) argv.push_back(const_cast<char*>(arg));
    EXPECT_EQ(QtLogSink::VerboseRequested(static_cast<int>(argv.size()), argv.data()), c.verbose)
        << (c.env ? c.env : "(unset)") << " " << argv.size();
  }
  qunsetenv("CORVINADE_LOG");
}

}  // namespace
}  // namespace cvd::qt
