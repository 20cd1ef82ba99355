// The program icon, drawn pixel by pixel and written as a Windows .ico file.
#pragma once

#include <QByteArray>

namespace torrentix::art {

// Icon group with three images, in this order: 32 x 32 in 2 colours, 32 x 32 in the
// standard 16 colours, 16 x 16 in the standard 16 colours; each with its mask.
QByteArray ProgramIcon();

} // namespace torrentix::art
