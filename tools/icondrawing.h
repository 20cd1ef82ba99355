// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon: drawn pixel by pixel at the .ico's sizes, as shapes at any other size.
#pragma once

#include <QByteArray>
#include <QImage>

namespace torrentix::art {

// Icon group with three images, in this order: 32 x 32 in 2 colours, 32 x 32 in the
// standard 16 colours, 16 x 16 in the standard 16 colours; each with its mask.
QByteArray ProgramIcon();

// The icon for screens of twice the density, found by Qt next to the .ico: the .ico's images
// at twice the size, in 32-bit colour with alpha. That is 64 x 64, then 32 x 32, the .ico's
// own 32 x 32 picture; without it Qt would draw a 16-pixel icon from the 64 x 64 image.
QByteArray ProgramIconAt2x();

// The artwork in the standard 16 colours as a picture with a transparent background, for
// desktops that take PNG icons: at 16 x 16 and 32 x 32 the .ico's own pictures, at any other
// size the 32 x 32 drawing's shapes drawn smoothly.
QImage ProgramIconImage(int size);

// Those shapes as a scalable picture (SVG).
QByteArray ProgramIconSvg();

} // namespace torrentix::art
