#include "SystemServices.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include "TextCodec.h"
#include "util/DiskFile.h"

namespace kv {
namespace {

QString NativeOf(const std::string& path) { return QString::fromStdString(NativePathOf(path)); }

std::string WithSlash(QString path) {
  if (!path.endsWith('/')) path += '/';
  return FromQString(path);
}

}  // namespace

void ShellOpen(const std::string& file, const std::string& parameters, const std::string& /*verb*/) {
  const QString native = NativeOf(FindDiskFile(file).value_or(file));
  if (parameters.empty()) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(native));
    return;
  }
  QProcess::startDetached(native, QProcess::splitCommand(ToQString(parameters)));
}

std::string WindowsFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  QDir().mkpath(folder);
  return WithSlash(folder);
}

std::string SpecialFolder(int folderId) {
  QStandardPaths::StandardLocation location;
  switch (folderId) {
    case 0: location = QStandardPaths::DesktopLocation; break;
    case 5: location = QStandardPaths::DocumentsLocation; break;
    case 26:
    case 28: location = QStandardPaths::GenericDataLocation; break;
    case 39: location = QStandardPaths::PicturesLocation; break;
    default: return {};
  }
  return FromQString(QStandardPaths::writableLocation(location));
}

TDriveKind DriveKind(const std::string& path) {
  const QStorageInfo storage(NativeOf(path));
  const QByteArray type = storage.fileSystemType().toLower();
  if (type == "iso9660" || type == "udf") return TDriveKind::CdRom;
  if (type == "tmpfs" || type == "ramfs") return TDriveKind::RamDisk;
  if (type.startsWith("nfs") || type == "cifs" || type == "smb3" || type.startsWith("fuse.sshfs")) return TDriveKind::Network;
  return TDriveKind::Fixed;
}

std::string DefaultPrinterName() { return FromQString(QPrinterInfo::defaultPrinterName()); }

bool SetWallpaper(const std::string& picturePath, bool tile) {
  const QString tool = QStandardPaths::findExecutable("gsettings");
  if (tool.isEmpty()) return false;
  const QString uri = QUrl::fromLocalFile(NativeOf(picturePath)).toString();
  const QString schema = "org.gnome.desktop.background";
  return QProcess::execute(tool, {"set", schema, "picture-uri", uri}) == 0 &&
         QProcess::execute(tool, {"set", schema, "picture-options", tile ? "wallpaper" : "zoom"}) == 0;
}

QByteArray BitmapToJpeg(const QImage& image, int quality) {
  if (image.isNull()) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "JPEG");
  writer.setQuality(quality);
  writer.write(image);
  return bytes;
}

}  // namespace kv
