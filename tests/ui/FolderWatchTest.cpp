// The Qt folder watch reports writes to the watched file, also after the file
// was replaced by a rename.
#include "platform/qt/QtFolderWatch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <fstream>

#include "support/TempDir.h"

namespace cvd {
namespace {

// Runs events until `changes` grows (or a second passed).
bool ChangeSeen(const int& changes) {
  const int before = changes;
  QElapsedTimer clock;
  clock.start();
  while (changes == before && clock.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return changes > before;
}

TEST(FolderWatchTest, WritesToTheFileAreReportedAlsoAfterItWasReplaced) {
  test::TempDir dir;
  dir.Write("Corvinade.cdf", "a\r\n");
  qt::QtFolderWatch watch("Corvinade.cdf");
  int changes = 0;
  watch.Watch(dir.Path(), [&] { ++changes; });
  const std::string file = dir.File("Corvinade.cdf");
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    std::ofstream(file, std::ios::app) << "b\r\n";
    EXPECT_TRUE(ChangeSeen(changes));
    dir.Write("new.tmp", "c\r\n");
    std::rename(dir.File("new.tmp").c_str(), file.c_str());
    EXPECT_TRUE(ChangeSeen(changes));
    QCoreApplication::processEvents();  // the folder change re-arms the file watch
  }
}

}  // namespace
}  // namespace cvd
