#pragma once
// Where the markup's images come from: bitmap files ("file://" images and the BODY background), the
// program's resources ("res://"), the desktop's icons ("ssys:", "lsys:") and image lists ("idx:").
// Any markup a user types may name any path, so files are read with care: only regular files, at most
// a bounded size, decoded with a bounded allocation, and cached by path, size and modification time so
// that a paint does not read the disk again.

#include <QImage>
#include <QString>

namespace controls::markup {

constexpr qint64 maxImageFileBytes = 16 * 1024 * 1024;
constexpr int maxDecodedImageMegabytes = 64;

// A null image when the path names no regular file, a file too large, or no decodable image.
// Paths starting with ":" name the program's resources.
QImage loadImageFile(const QString& path);

// The desktop's small or large icon for NAME: a standard icon by number, else the icon of the file or
// folder NAME judged by its name alone (the file is never opened). Null when there is none.
QImage desktopIcon(const QString& name, bool large);

} // namespace controls::markup
