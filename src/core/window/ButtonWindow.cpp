#include "core/window/ButtonWindow.h"

#include "core/window/Caption.h"
#include "core/window/Layout.h"

namespace cvd {

void ButtonWindow::Display() {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  WindowLayout layout = LayoutGroup(table_.Current());
  layout.groupList = table_.GroupList;
  layout.groupListIndex = table_.CurrentListPosition();
  rolledUp_ = false;
  ui_.ApplyLayout(layout);
}

void ButtonWindow::ShowRolledUp() {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  rolledUp_ = true;
  // The group selector is one button high and one button wide.
  const TGroup& group = table_.Current();
  ui_.SetClientSize(Size{group.ButtonWidth, group.ButtonHeight});
}

std::string ButtonWindow::MakeCaption(const std::string& text) const {
  return cvd::MakeCaption(text, measure_, table_.Current().ButtonWidth - 15);
}

void ButtonWindow::SetPasteCount() { activeButton_ = PasteCountFor(table_.Current()); }

void ButtonWindow::ColorButton(int button) { ui_.SetCaptionColor(button, clFuchsia); }

void ButtonWindow::RestoreColorButton(int button) {
  ui_.SetCaptionColor(button, StandardFontColor(table_.Current(), button, activeButton_));
}

void ButtonWindow::ShowButtonWindow() { ui_.ShowButtonWindow(); }

void ButtonWindow::CloseButtonWindow() {
  hints_.HideHint();
  ui_.HideButtonWindow();
}

void ButtonWindow::ToggleButtonWindow() {
  if (ui_.ButtonWindowVisible()) {
    CloseButtonWindow();
  } else {
    ShowButtonWindow();
  }
}

void ButtonWindow::WindowMoved() {
  const Rect frame = ui_.ButtonWindowFrame();
  TGroup& group = table_.Current();
  group.WindowLeft = frame.left;
  group.WindowTop = frame.top;
}

void ButtonWindow::GroupListChange(int position, bool storePosition) {
  if (position < 0 || position >= static_cast<int>(table_.GroupList.size())) return;
  const int index = table_.FindGroup(table_.GroupList[position]);
  if (index > 0) SwitchToGroup(index, storePosition);
}

void ButtonWindow::SwitchToGroup(int groupIndex, bool storePosition) {
  if (storePosition) WindowMoved();  // the group we leave remembers where the window was
  table_.CurrentGroup = groupIndex;
  ResetHint();
  SetPasteCount();
  Display();
  const TGroup& group = table_.Current();
  if (group.RememberPos) {
    ui_.MoveButtonWindow(KeepOnScreen(Point{group.WindowLeft, group.WindowTop}, ui_.DisplayOfButtonWindow()));
  }
}

void ButtonWindow::ResetHint() {
  hint_ = HintState{};
  hints_.HideHint();
}

void ButtonWindow::HoverHintStep() {
  const TGroup& group = table_.Current();
  if (!group.ShowHints) return;
  int b = ui_.ButtonUnderPointer();
  if (b > group.TotalButtons()) b = -1;
  switch (HoverStep(hint_, b)) {
    case HintAction::None: return;
    case HintAction::Hide: hints_.HideHint(); return;
    case HintAction::Show: break;
  }
  const std::string text = HintText(group, b);
  Size size = measure_.HintSize(text, MaxHintWidth);
  if (size.height > MaxHintHeight) size.height = MaxHintHeight;
  const Point where = HintPosition(group.HintType, ui_.ButtonWindowFrame(), ui_.PointerPosition(), size);
  hints_.ShowHint(text, Rect{where.x, where.y, size.width, size.height});
}

}  // namespace cvd
