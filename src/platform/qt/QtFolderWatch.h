#pragma once
// The folder watch port on QFileSystemWatcher. A folder watch reports only
// files that appear, go or are renamed, so the files in the folder are
// watched too (for writes), and watched again when one is replaced.
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "core/ports/FolderWatch.h"

namespace cvd::qt {

class QtFolderWatch : public QObject, public FolderWatch {
  Q_OBJECT
 public:
  // With a file name only that file of the folder is watched for writes;
  // without, every file of the folder (up to a bound).
  explicit QtFolderWatch(QString fileName = {}, QObject* parent = nullptr);

  // Writes on network file systems (NFS, SMB, FUSE mounts such as sshfs, ...)
  // by other computers go unreported.
  bool Watch(const std::string& folder, std::function<void()> onChange) override;

 private:
  void Rearm();
  void FolderChanged();
  void FileChanged(const QString& path);

  QFileSystemWatcher watcher_;
  QString fileName_;
  QString folder_;
  std::function<void()> onChange_;
};

}  // namespace cvd::qt
