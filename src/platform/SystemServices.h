// Services of the desktop the player runs on: opening files, folders, the
// default printer, the wallpaper, JPEG encoding.
#pragma once

#include <QByteArray>
#include <string>

class QImage;

namespace kv {

enum class TDriveKind { Fixed, CdRom, Removable, Network, RamDisk };

// Opens a course path with the desktop's program for it ("open" or "edit").
// With parameters, the file is started as a program with them as its
// arguments (split like a command line, never through a shell).
void ShellOpen(const std::string& file, const std::string& parameters, const std::string& verb);

// Where the player may keep files of its own (the place of the Windows folder), ending in '/'.
std::string WindowsFolder();

// The folder for a shell folder id (26: the user's application data); empty when unknown.
std::string SpecialFolder(int folderId);

// The kind of the file system a course path lies on.
TDriveKind DriveKind(const std::string& path);

// Empty when no default printer is set.
std::string DefaultPrinterName();

// Makes the picture the desktop wallpaper where the desktop offers a way to;
// false when it does not.
bool SetWallpaper(const std::string& picturePath, bool tile);

// JPEG bytes of the picture at the given quality; empty for a null picture.
QByteArray BitmapToJpeg(const QImage& image, int quality);

}  // namespace kv
