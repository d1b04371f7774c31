// Build-time helper: makes the user manual's PDF from its HTML source and
// the icon theme's PNG files, on Qt's offscreen platform (no X needed).
//   corvinade-assets manual SOURCE.html OUTPUT.pdf
//   corvinade-assets icons OUTPUT_FOLDER        (OUTPUT_FOLDER/NxN/apps/corvinade.png)
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "ui/AppIcon.h"

namespace {

int Fail(const QString& why) {
  std::fprintf(stderr, "corvinade-assets: %s\n", qPrintable(why));
  return 1;
}

int BuildManual(const QString& source, const QString& output) {
  QFile file(source);
  if (!file.open(QIODevice::ReadOnly)) return Fail("cannot read " + source);
  QTextDocument document;
  // The screenshots are handed over ready-made: the copy of the document
  // that printing lays out would not find them by their relative names.
  const QDir images(QFileInfo(source).absolutePath() + "/images");
  for (const QString& name : images.entryList({QStringLiteral("*.png")}, QDir::Files)) {
    const QImage image(images.filePath(name));
    if (image.isNull()) return Fail("cannot read " + images.filePath(name));
    document.addResource(QTextDocument::ImageResource, QUrl("images/" + name), image);
  }
  document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
  document.setHtml(QString::fromUtf8(file.readAll()));

  const QString partial = output + ".part";
  {
    QPdfWriter writer(partial);
    writer.setTitle(QStringLiteral("Corvinade User Manual"));
    writer.setCreator(QStringLiteral("Corvinade"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                     QPageLayout::Millimeter));
    document.print(&writer);
  }
  // The finished file replaces the old one in one step.
  QFile::remove(output);
  if (!QFile::rename(partial, output)) return Fail("cannot write " + output);
  return 0;
}

int BuildIcons(const QString& folder) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(dir)) return Fail("cannot make " + dir);
    if (!cvd::ui::AppIconPixmap(size).save(dir + "/corvinade.png")) return Fail("cannot write in " + dir);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() == 4 && args[1] == "manual") return BuildManual(args[2], args[3]);
  if (args.size() == 3 && args[1] == "icons") return BuildIcons(args[2]);
  return Fail("usage: corvinade-assets manual SOURCE.html OUTPUT.pdf | icons FOLDER");
}
