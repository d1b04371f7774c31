#pragma once
// The shortcut page of the setup dialog as logic: the list of functions
// with their keys, the four modifier boxes and the key box, and changing a
// key (registered at once; a key held elsewhere is refused).
#include <string>
#include <vector>

#include "core/ports/Hotkeys.h"
#include "core/ports/Messages.h"
#include "core/settings/Settings.h"
#include "core/shortcuts/AssignedTriggers.h"

namespace cvd {

struct ShortcutRow {
  std::string name;
  std::string display;  // PrintKeyCombo of value
  int value = 0;
  std::string assigned;  // the desktop's trigger, where the desktop decides
};

// The state of the page's controls.
struct KeyBoxes {
  bool alt = false, ctrl = false, shift = false, win = false;
  bool shiftEnabled = false;
  std::string key = "None";  // a key name, "None" or empty
};

class ShortcutPage {
 public:
  ShortcutPage(Hotkeys& hotkeys, Messages& ui, Settings& settings, AssignedTriggers& assigned)
      : hotkeys_(hotkeys), ui_(ui), settings_(settings), assigned_(assigned) {}

  // A row per fixed function, then one per quick fix.
  void UpdateShortcutList();
  // KeyListSelectCell: loads a row into the boxes.
  void ShowKeySettings(int row);
  // The Shift rule: Shift only together with Win, Alt or Ctrl.
  void BoxClick();
  int CalcKeyValue() const;
  void UpdateButtonClick();
  void ClearButtonClick();

  const std::vector<ShortcutRow>& Rows() const { return rows_; }
  // The keys go through the desktop, which assigns the triggers the rows show.
  bool DesktopDecides() const { return assigned_.DesktopDecides(); }
  // Called when the desktop assigns other triggers; UpdateShortcutList takes them.
  [[nodiscard]] Subscription SubscribeToAssigned(std::function<void()> changed) {
    return assigned_.SubscribeToChanges(std::move(changed));
  }
  int SelectedRow() const { return selectedRow_; }
  KeyBoxes boxes;

 private:
  void StoreValue(int row, int value);

  Hotkeys& hotkeys_;
  Messages& ui_;
  Settings& settings_;
  AssignedTriggers& assigned_;
  std::vector<ShortcutRow> rows_;
  int selectedRow_ = -1;
};

}  // namespace cvd
