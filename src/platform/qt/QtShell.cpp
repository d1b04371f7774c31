#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <unistd.h>

namespace cvd::qt {

bool QtShell::Open(const std::string& documentOrUrl) {
  const QString target = QString::fromUtf8(documentOrUrl.c_str());
  QUrl url = QUrl(target, QUrl::StrictMode);
  if (url.scheme().isEmpty() || url.scheme().size() == 1) {
    if (!QFileInfo::exists(target)) return false;
    url = QUrl::fromLocalFile(target);
  }
  return QDesktopServices::openUrl(url);
}

std::string QtShell::ComputerName() {
  char name[257] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

}  // namespace cvd::qt
