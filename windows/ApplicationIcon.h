#pragma once
// The program's picture: a conical flask on the pale yellow of the windows. It is the window and desktop
// icon, and the About box shows its 32 × 32 version.

#include <QIcon>
#include <QPixmap>

namespace windows {

// Every size stored with the program (16 to 256 pixels); set it with QApplication::setWindowIcon.
QIcon applicationIcon();

// The 32 × 32 picture of the About box.
QPixmap programPicture();

} // namespace windows
