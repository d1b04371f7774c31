#include "platform/qt/QtFolderWatch.h"

#include <QDir>
#include <QFileInfo>

namespace cvd::qt {

namespace {

// Each watched file costs a watch of the system's limited supply.
constexpr int kMaxWatchedFiles = 64;

}  // namespace

QtFolderWatch::QtFolderWatch(QString fileName, QObject* parent) : QObject(parent), fileName_(std::move(fileName)) {
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { FolderChanged(); });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) { FileChanged(path); });
}

void QtFolderWatch::Watch(const std::string& folder, std::function<void()> onChange) {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  onChange_ = std::move(onChange);
  folder_ = QString::fromStdString(folder);
  if (folder_.isEmpty()) return;
  watcher_.addPath(folder_);
  Rearm();
}

void QtFolderWatch::Rearm() {
  if (folder_.isEmpty()) return;
  // A file replaced by a rename is a new file: the watch of the old one ended
  // with it, so files are added again whenever the folder changes.
  QStringList wanted;
  if (!fileName_.isEmpty()) {
    const QString path = QDir(folder_).filePath(fileName_);
    if (QFileInfo(path).isFile()) wanted << path;
  } else {
    const QFileInfoList files = QDir(folder_).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& file : files) {
      if (wanted.size() >= kMaxWatchedFiles) break;
      wanted << file.filePath();
    }
  }
  const QStringList watched = watcher_.files();
  for (const QString& path : wanted) {
    if (!watched.contains(path)) watcher_.addPath(path);
  }
}

void QtFolderWatch::FolderChanged() {
  Rearm();
  if (onChange_) onChange_();
}

void QtFolderWatch::FileChanged(const QString& path) {
  // The watch of a removed or replaced file ends; a file under the same name
  // is watched at once.
  if (!watcher_.files().contains(path) && QFileInfo(path).isFile()) watcher_.addPath(path);
  if (onChange_) onChange_();
}

}  // namespace cvd::qt
