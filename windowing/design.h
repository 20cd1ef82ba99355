// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a window's design needs beyond what a Designer form can hold.
#pragma once

class QColor;
class QWidget;

namespace torrentix {

// Metric stand-ins for the designed font faces, so that every caption fits its box as designed.
// Once per process, before the first window.
void InstallFontStandIns();

// Gives every control its designed font size: forms hold whole point sizes only, so
// sizes such as 8.25 pt stand in a control's "pointSizeF" property. Also maps the design's
// font faces onto faces this desktop has (see above), and keeps the designed colours readable under
// the desktop's palette (see below). Call right after setupUi.
void ApplyDesign(QWidget& window);

// The contrast ratio of two colours as WCAG defines it: from 1 (the same lightness) to 21
// (black on white). Text needs at least 4.5 to be read comfortably.
double ContrastRatio(const QColor& a, const QColor& b);

} // namespace torrentix
