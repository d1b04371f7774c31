#include "platform/qt/QtFolderWatch.h"

#include <sys/vfs.h>

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

#include "core/log/Log.h"

namespace cvd::qt {

namespace {

// Each watched file costs a watch of the system's limited supply.
constexpr int kMaxWatchedFiles = 64;

// File systems whose change notices miss writes made elsewhere: network
// file systems and FUSE (sshfs and the like), as statfs names them.
constexpr unsigned long kRemoteFileSystems[] = {
    0x6969,      // NFS
    0x517B,      // SMB
    0xFF534D42,  // CIFS
    0xFE534D42,  // SMB2
    0x65735546,  // FUSE
    0x01021997,  // 9P
    0x73757245,  // Coda
    0x5346414F,  // AFS
    0x6B414653,  // kAFS
    0x00C36400,  // Ceph
    0x01161970,  // GFS2
    0x0BD00BD0,  // Lustre
    0x564C,      // NCP
};

bool OnRemoteFileSystem(const QString& folder) {
  struct statfs info {};
  if (::statfs(QFile::encodeName(folder).constData(), &info) != 0) return true;  // unknown: assume the worst
  const auto type = static_cast<unsigned long>(info.f_type) & 0xFFFFFFFFul;
  return std::find(std::begin(kRemoteFileSystems), std::end(kRemoteFileSystems), type) != std::end(kRemoteFileSystems);
}

}  // namespace

QtFolderWatch::QtFolderWatch(QString fileName, QObject* parent) : QObject(parent), fileName_(std::move(fileName)) {
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { FolderChanged(); });
  connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) { FileChanged(path); });
}

bool QtFolderWatch::Watch(const std::string& folder, std::function<void()> onChange) {
  if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
  if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
  onChange_ = std::move(onChange);
  folder_ = QString::fromStdString(folder);
  if (folder_.isEmpty()) return false;
  const bool watched = watcher_.addPath(folder_);
  if (!watched && QFileInfo(folder_).isDir()) LogWarning("share", "cannot watch " + folder + " for changes");
  Rearm();
  return watched && !OnRemoteFileSystem(folder_);
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
