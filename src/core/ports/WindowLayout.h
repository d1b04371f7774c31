#pragma once
// What the button window shows: the grid the core lays out for the view.
#include <cstdint>
#include <string>
#include <vector>

#include "core/util/ColorValue.h"
#include "core/util/Geometry.h"

namespace cvd {

struct FontSpec {
  std::string name;
  int pointSize = 10;
  std::uint8_t style = 0;  // the font style bits of the group
  bool operator==(const FontSpec&) const = default;
};

struct ButtonCell {
  int number = 0;
  Rect bounds;
  std::string caption;
  TColor fontColor = clBlack;
  TColor color = clBtnFace;
};

struct WindowLayout {
  std::string groupName;
  // The selector's entries in the user's order, and the current one.
  std::vector<std::string> groupList;
  int groupListIndex = -1;
  FontSpec font;
  int groupListWidth = 0;
  Rect groupBox;
  Rect groupButton;
  int rows = 0;
  int columns = 0;
  std::vector<ButtonCell> buttons;  // buttons 1..total, in order
  Size client;
};

}  // namespace cvd
