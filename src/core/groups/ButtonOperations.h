#pragma once
// What the user does to single buttons of the button window: move, make
// permanent, create, edit, delete or clear, mark used, colour, and the
// mouse gestures.
#include <functional>
#include <optional>
#include <string>

#include "core/clipboard/ClipShift.h"
#include "core/data/GroupTable.h"
#include "core/groups/Gesture.h"
#include "core/ports/ButtonWindowView.h"
#include "core/ports/ColorDialogView.h"
#include "core/ports/Messages.h"
#include "core/settings/Settings.h"
#include "core/util/Required.h"

namespace cvd {

class QuickFixRunner;

// The button editor's fields as SaveButtonInfo takes them.
struct ButtonInfo {
  ButtonFields fields;
  TColor fontColor = clBlack;
  TColor color = clBtnFace;
};

struct ButtonHooks {
  Required<void()> display;
  // GroupListChange with the button window as sender: shows the current group again.
  Required<void()> refresh;
  Required<void()> save;
  Required<void()> resetFadeTimer;
  Required<std::string(const std::string& text)> makeCaption;
};

// The button editor: opens on button `b` of group `g` (`isNew` for a button
// just made) and says whether it closed with OK, after storing the fields
// with SaveButtonInfo.
using ButtonEditorSeam = std::function<bool(int g, int b, bool isNew)>;

class ButtonOperations {
 public:
  ButtonOperations(GroupTable& table, Settings& settings, Messages& ui, ButtonWindowView& windowView,
                   ColorDialogView& colors, QuickFixRunner& quickFixes, ButtonHooks hooks);

  void SetEditor(ButtonEditorSeam editor) { editor_ = std::move(editor); }

  // 1 when a clip button was dropped on a permanent place and made
  // permanent, else 0.
  int MoveButton(int from, int to, int g);
  void MakePermanent(int g, int b);
  void SaveButtonInfo(int g, int b, const ButtonInfo& info);
  // True when the button was deleted (permanent) or emptied (clip).
  bool DeleteButton(int g, int b, bool noAsk);

  // The button menu's commands on CurrentButton of the current group; each
  // does nothing when CurrentButton is not a button of that group.
  void MenuNewButtonClick();
  void MenuEditButtonClick();
  void MenuDeleteButtonClick();
  void MenuMarkUsedClick();
  void MenuMakePermanentClick();
  void MenuFavColorClick(int favorite);
  void ColorEditorMenuClick();
  void MenuQuickFixClick(int fix);

  // The end of a right-button drag of `button` released outside any button:
  // a gesture applies its quick fix, anything else opens the button menu.
  // `drop` is empty when the drag was cancelled; `control` is the dragged
  // button's screen rectangle.
  void ButtonEndDrag(int button, std::optional<Point> drop, const Rect& control);
  // A button dragged onto another of the current group.
  void ButtonDragDrop(int dragged, int target);
  // The right press that may start a drag: where gestures are measured from.
  void RightPress(Point where) { gestureStart_ = where; }

  // The button CurrentButton names in the current group, or null.
  // The current group's buttons when the current button is one of them.
  ButtonList* CurrentButtonList();

 private:
  bool Confirm(const std::string& text, bool& dontAsk);
  int GestureFix(Gesture gesture) const;

  GroupTable& table_;
  Settings& settings_;
  Messages& ui_;
  ButtonWindowView& windowView_;
  ColorDialogView& colors_;
  QuickFixRunner& quickFixes_;
  ButtonHooks hooks_;
  ButtonEditorSeam editor_;
  Point gestureStart_;
};

}  // namespace cvd
