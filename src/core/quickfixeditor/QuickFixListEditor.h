#pragma once
// The quick fix editor ("Custom Quick Fix") as logic: the list of quick
// fixes with its names, order and actions, the four mouse gestures, the
// functions that write commands into an action, and the window's stored
// bounds. The window is a humble view that calls these operations and draws
// from the state they leave.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/groups/Gesture.h"
#include "core/util/Geometry.h"
#include "core/util/Required.h"

namespace cvd {

class Hotkeys;
class QuickFixEditorView;
class Messages;
class ColorDialogView;
struct Settings;

inline constexpr const char* kMaxQuickFixesText =
    "You have reached the maximum number of Quick Fixes.\n\nPlease edit or delete an existing Quick Fix.";
inline constexpr const char* kQuickFixNameNotUsableText =
    "A Quick Fix name cannot contain \"=\", \"[\" or \"]\", start with \";\" or be the name of a shortcut "
    "key.\nPlease choose another name and try again.";
inline constexpr const char* kReplaceCommaText = "The characters to replace cannot contain a comma.";

struct QuickFixEditorHooks {
  Required<void()> listChanged;  // names or order changed (the shortcut list follows)
  Required<void()> closed;       // the window was closed: the keyboard goes back to the target
};

// Which entries of the gesture menu show for the selected fix.
struct GestureMenuState {
  std::array<bool, 4> setVisible{};  // "Set Right/Left/Up/Down Mouse Gesture"
  bool removeVisible = false;
  bool changeShortcutEnabled = false;
};

// The gestures in the order of their menu entries.
inline constexpr std::array<Gesture, 4> kMenuGestures{Gesture::Right, Gesture::Left, Gesture::Up, Gesture::Down};

class QuickFixListEditor {
 public:
  QuickFixListEditor(Settings& settings, Messages& ui, ColorDialogView& colors, Hotkeys& hotkeys,
                     QuickFixEditorView& view, QuickFixEditorHooks hooks);

  // The setup dialog's Shortcuts page on a given row; without it "Change
  // shortcut key" is not offered.
  void SetShortcutRowHook(std::function<void(int shortcutRow)> hook) { showShortcutRow_ = std::move(hook); }

  // "Customize Quick Fixes": shows the window with a fix selected.
  void Show();
  // "Close" (or the window closed otherwise) with the action box's text.
  void CloseClick(const std::string& actionText);

  int Count() const;
  std::string Name(int fix) const;
  int Selected() const { return selected_; }
  bool HasSelection() const;
  // A click (or right-click) on a row: selects and loads that fix.
  void Select(int row);
  // The action box changed; a change made while loading is not an edit.
  void FixTextChange(const std::string& text);
  bool Loading() const { return loading_; }

  void NewClick();
  void DeleteClick();
  void RenameClick();
  // A drop of the fix at `from` on row `to` (clamped to the last row).
  void Move(int from, int to);

  // The gesture a fix holds (None when it holds none).
  Gesture GestureOf(int fix) const;
  GestureMenuState GestureMenu() const;
  void SetGesture(Gesture gesture);
  void RemoveGesture();
  void ChangeShortcutKeyClick();

  // The function list: a click shows the description, a double-click
  // appends the function's command (after its questions) to the action.
  static std::string FunctionDescription(std::string_view displayName);
  void FunctionDoubleClick(std::string_view displayName);

  // Position and size of the window, kept in the settings.
  Rect Bounds() const;
  void BoundsChanged(const Rect& bounds);

 private:
  int& Slot(Gesture gesture);
  int Slot(Gesture gesture) const;
  bool AcceptableName(const std::string& name);
  void SetAction(const std::string& action);
  void LoadSelected();
  void RetakeKeys(int first, int oldCount);
  void ListChanged();

  Settings& settings_;
  Messages& ui_;
  ColorDialogView& colors_;
  Hotkeys& hotkeys_;
  QuickFixEditorView& view_;
  QuickFixEditorHooks hooks_;
  std::function<void(int)> showShortcutRow_;
  int selected_ = -1;
  bool loading_ = false;
};

}  // namespace cvd
