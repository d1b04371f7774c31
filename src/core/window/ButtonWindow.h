#pragma once
// The button window as the core sees it: lays out the group on screen,
// keeps the paste count and the hover hint, moves between groups, and
// tells the view what to show.
#include <string>

#include "core/data/GroupTable.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/HintView.h"
#include "core/ports/TextMeasure.h"
#include "core/window/Hints.h"

namespace cvd {

class ButtonWindow {
 public:
  ButtonWindow(ButtonWindowView& ui, HintView& hints, TextMeasure& measure, GroupTable& table)
      : ui_(ui), hints_(hints), measure_(measure), table_(table) {}

  // Lays the window out for the current group.
  void Display();
  // Only the group selector shows; the next Display lays the window out in full.
  void ShowRolledUp();
  // Clicks on the window leave the focus where it is (advanced target tracking).
  void SetNoActivate(bool on) { ui_.SetNoActivate(on); }
  // A button's caption from its text, measured against the group on screen.
  std::string MakeCaption(const std::string& text) const;
  void SetPasteCount();
  // Highlights a button, and gives it back its standard caption colour.
  void ColorButton(int button);
  void RestoreColorButton(int button);

  void ShowButtonWindow();
  void CloseButtonWindow();
  // The tray icon's click: shows the window when hidden, else hides it.
  void ToggleButtonWindow();
  // The window was moved: the group on screen remembers where.
  void WindowMoved();
  // The user picked list position `position` in the group selector.
  // With `storePosition` false the group left behind does not take the
  // window's place (it was just deleted).
  void GroupListChange(int position, bool storePosition = true);

  // One tick of the hover hint, and forgetting it (a new clip, a press).
  void HoverHintStep();
  void ResetHint();

  int ActiveButton() const { return activeButton_; }
  // The paste pointer moved by the shortcut keys.
  void SetActiveButton(int button) { activeButton_ = button; }
  bool RolledUp() const { return rolledUp_; }
  const HintState& Hint() const { return hint_; }

 private:
  void SwitchToGroup(int groupIndex, bool storePosition);

  ButtonWindowView& ui_;
  HintView& hints_;
  TextMeasure& measure_;
  GroupTable& table_;
  HintState hint_;
  int activeButton_ = 1;
  bool rolledUp_ = false;
};

}  // namespace cvd
