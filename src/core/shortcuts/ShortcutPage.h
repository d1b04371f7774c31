#pragma once
// The shortcut page of the setup dialog as logic: the list of functions
// with their keys, the four modifier boxes and the key box, and changing a
// key (registered at once; a key held elsewhere is refused).
#include <string>
#include <vector>

#include "core/ports/Hotkeys.h"
#include "core/ports/Messages.h"
#include "core/settings/Settings.h"

namespace cvd {

struct ShortcutRow {
  std::string name;
  std::string display;  // PrintKeyCombo of value
  int value = 0;
};

// The state of the page's controls.
struct KeyBoxes {
  bool alt = false, ctrl = false, shift = false, win = false;
  bool shiftEnabled = false;
  std::string key = "None";  // a key name, "None" or empty
};

class ShortcutPage {
 public:
  ShortcutPage(Hotkeys& hotkeys, Messages& ui, Settings& settings) : hotkeys_(hotkeys), ui_(ui), settings_(settings) {}

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
  int SelectedRow() const { return selectedRow_; }
  KeyBoxes boxes;

 private:
  void StoreValue(int row, int value);

  Hotkeys& hotkeys_;
  Messages& ui_;
  Settings& settings_;
  std::vector<ShortcutRow> rows_;
  int selectedRow_ = -1;
};

}  // namespace cvd
