#include "core/window/Layout.h"

#include <algorithm>
#include <stdexcept>

namespace cvd {

WindowLayout LayoutGroup(TGroup& group) {
  WindowLayout layout;
  const int total = std::max(0, group.TotalButtons());
  if (total < group.NumColumns) group.NumColumns = total;

  layout.groupName = group.Name;
  layout.font = FontSpec{group.FontName, group.FontSize, group.FontStyle};
  layout.groupListWidth = group.ButtonWidth;
  layout.groupBox = Rect{0, 0, group.ButtonWidth - group.ButtonHeight, group.ButtonHeight};
  layout.groupButton = Rect{layout.groupBox.width, 1, group.ButtonHeight, group.ButtonHeight - 2};

  if (group.NumColumns < 1) group.NumColumns = 1;
  const int cols = group.NumColumns;
  const int rows = (total + 1) / cols + ((total + 1) % cols > 0 ? 1 : 0);
  layout.rows = rows;
  layout.columns = cols;

  const int available = std::min<int>(total, static_cast<int>(group.Buttons.size()) - 1);
  layout.buttons.reserve(static_cast<std::size_t>(std::max(0, available)));
  for (int i = 1; i <= available; ++i) {
    ButtonCell cell;
    cell.number = i;
    cell.bounds =
        Rect{(i / rows) * group.ButtonWidth, (i % rows) * group.ButtonHeight, group.ButtonWidth, group.ButtonHeight};
    cell.caption = group.Buttons.Name(i);
    cell.fontColor = DisplayFontColor(group, i);
    cell.color = group.Buttons.Color(i);
    layout.buttons.push_back(std::move(cell));
  }
  // The width reaches to the right edge of the last button (the selector's
  // column when there are none).
  layout.client = Size{(total / rows) * group.ButtonWidth + group.ButtonWidth, group.ButtonHeight * rows};
  return layout;
}

TColor DisplayFontColor(const TGroup& group, int button) {
  const ButtonList& buttons = group.Buttons;
  if (button < 0 || static_cast<std::size_t>(button) >= buttons.size()) throw std::out_of_range("DisplayFontColor");
  return (buttons.Used(button) && group.TrackUsed) ? clGray : buttons.FontColor(button);
}

TColor StandardFontColor(const TGroup& group, int button, int activeButton) {
  if (button == activeButton) return clBlue;
  if (button <= group.NumClipButtons) {
    return (group.Buttons.at(button).Used && group.TrackUsed) ? clGray : clBlack;
  }
  return clRed;
}

int PasteCountFor(const TGroup& group) {
  const auto empty = [&](int b) {
    return b < 1 || b >= static_cast<int>(group.Buttons.size()) || group.Buttons.Text(b).empty();
  };
  int active;
  if (group.FillMode != 1) {
    active = 1;
    while (empty(active) && active < group.NumClipButtons) ++active;
  } else {
    active = group.NumClipButtons;
    while (empty(active) && active >= 2) --active;
  }
  return active;
}

// The lower bound is the display's bottom edge, not its height, so a display
// stacked below another one keeps windows placed on it.
Point KeepOnScreen(Point position, const Rect& display) {
  if (!(display.top <= position.y && position.y <= display.bottom() - 20)) position.y = 100;
  if (!(display.left <= position.x && position.x <= display.right() - 20)) position.x = 100;
  return position;
}

}  // namespace cvd
