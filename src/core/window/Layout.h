#pragma once
// The button window's grid: the group selector in cell 0, button i in cell i,
// cells filled column by column.
#include <string>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/ports/WindowLayout.h"
#include "core/util/Geometry.h"

namespace cvd {

// Lays out `group`; corrects and stores back its NumColumns as the window does.
WindowLayout LayoutGroup(TGroup& group);

// The caption colour `Display` gives a button: grey when used and tracked,
// else the button's own colour.
TColor DisplayFontColor(const TGroup& group, int button);

// The standard caption colour that replaces a highlight (not the button's own).
TColor StandardFontColor(const TGroup& group, int button, int activeButton);

// The clip button that paste-next and paste-previous start from: the oldest
// filled clip button, farthest from where new clips enter.
int PasteCountFor(const TGroup& group);

// A remembered window position kept on the display that holds the window.
Point KeepOnScreen(Point position, const Rect& display);

}  // namespace cvd
