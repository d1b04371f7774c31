// Several writers appending to the share file at the same moment.
#include "core/share/ShareFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>

#include "core/data/Cipher.h"
#include "support/RecordingLog.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

// A field a writer did not encipher would make a clip of garbage or an empty
// one: the line is dropped, with a warning.
TEST(ShareFileTest, LinesWhoseFieldsDoNotDecipherAreDropped) {
  const std::string head = Encrypt("pc") + "," + Encrypt("G") + ",", text = Encrypt("clip");
  const std::pair<std::string, bool> cases[] = {
      {head + text, true},
      {"," + Encrypt("G") + "," + text, true},  // an empty computer name is a value
      {head + "short", false},
      {head + "*" + text.substr(1), false},
      {head + text.substr(1), false},
      {Encrypt("pc") + ",G," + text, false},
  };
  for (const auto& [line, kept] : cases) {
    test::RecordingLog log;
    EXPECT_EQ(ParseShareLine(line).has_value(), kept) << line;
    EXPECT_EQ(log.Warnings("share"), kept ? 0 : 1) << line;
  }
}

TEST(ShareFileTest, FourWritersAtOnceLeaveWholeLinesThatAreEachReadOnce) {
  for (const std::int64_t limit : {INT64_MAX, kShareFileLimit}) {
    SCOPED_TRACE(limit);
    test::TempDir dir;
    const std::string path = ShareFilePath(dir.Path());
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> writers;
    for (int w = 0; w < 4; ++w) {
      if (const pid_t pid = ::fork(); pid != 0) {
        writers.push_back(pid);
        continue;
      }
      ::close(go[1]);
      char c;
      (void)::read(go[0], &c, 1);  // all start when the parent closes its end
      bool ok = true;
      for (int k = 0; k < 1000; ++k)
        ok &= AppendShareLine(path, MakeShareLine("w" + std::to_string(w), "G", std::to_string(k)), nullptr, limit);
      ::_exit(ok ? 0 : 1);
    }
    ::close(go[0]), ::close(go[1]);
    std::map<std::string, int> seen;
    ShareFileMark mark;
    bool marked = false;
    auto pass = [&] {
      const ShareFileLines read = ReadShareFile(path, mark.line, marked ? &mark : nullptr);
      if (read.status != ShareReadStatus::Ok) return;
      for (const std::string& line : read.lines) {
        const auto entry = ParseShareLine(line);
        ASSERT_TRUE(entry && entry->computer.size() == 2 && !entry->text.empty()) << line;
        ++seen[entry->computer + "/" + entry->text];
      }
      mark = read.mark, marked = true;
    };
    for (pid_t pid : writers) {
      int status = 0;
      while (::waitpid(pid, &status, WNOHANG) == 0) pass();  // reading while they write
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    pass();
    for (const auto& [line, times] : seen) EXPECT_EQ(times, 1) << line;
    // Without a limit every line arrives; with one the cut keeps the file small.
    EXPECT_TRUE(limit == INT64_MAX ? seen.size() == 4000u
                                   : dir.Read(kShareFileName).size() < std::size_t(kShareFileLimit + 200))
        << seen.size();
  }
}

}  // namespace
}  // namespace cvd
