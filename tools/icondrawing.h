// The program icon, drawn pixel by pixel and written as a Windows .ico file.
#pragma once

#include <QByteArray>
#include <QImage>

namespace torrentix::art {

// Icon group with three images, in this order: 32 x 32 in 2 colours, 32 x 32 in the
// standard 16 colours, 16 x 16 in the standard 16 colours; each with its mask.
QByteArray ProgramIcon();

// The same artwork in the standard 16 colours as a picture with a transparent background,
// 16 x 16 or 32 x 32, for desktops that take PNG icons.
QImage ProgramIconImage(int size);

} // namespace torrentix::art
