// What a window's design needs beyond what a Designer form can hold.
#pragma once

class QWidget;

namespace torrentix {

// Gives every control its designed font size: forms hold whole point sizes only, so
// sizes such as 8.25 pt stand in a control's "pointSizeF" property. Also maps the design's
// font faces onto faces this desktop has. Call right after setupUi.
void ApplyDesign(QWidget& window);

} // namespace torrentix
