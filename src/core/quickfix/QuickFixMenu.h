#pragma once
// The quick fix entries of the button window's button menu and of the
// button editor's quick fix menu, as the views build them.
#include <string>
#include <vector>

#include "core/quickfix/QuickFixList.h"

namespace cvd {

struct QuickFixMenuEntry {
  std::string caption;  // the quick fix's name
  int tag;              // tells MenuQuickFixClick which entry was clicked

  bool operator==(const QuickFixMenuEntry&) const = default;
};

inline constexpr const char* kMoreFixesCaption = "More Fixes...";
// Editor menu tags are this plus the entry number.
inline constexpr int kEditorMenuTagBase = 100;
// Tags below this belong to the button menu.
inline constexpr int kFirstEditorMenuTag = 51;
// How many quick fixes the button menu shows directly.
inline constexpr int kDirectQuickFixEntries = 3;

struct QuickFixMenus {
  // `ButtonMenu`: after "New Button", "Edit Button", "Delete Button" and a
  // separator come `direct` (entries 0..2, tag = entry number), then the
  // submenu "More Fixes..." (`MenuQuickFix`) with `more` (entries 3 and
  // later, tag = entry number) before its own separator.
  std::vector<QuickFixMenuEntry> direct;
  std::vector<QuickFixMenuEntry> more;
  // `FixMenu` of the button editor: every entry (tag = 100 + entry number),
  // followed by its fixed separator and "Cancel".
  std::vector<QuickFixMenuEntry> editor;
};

// The entries UpdateQuickFixMenu puts into the two menus; the views replace
// their old quick fix entries with these.
QuickFixMenus UpdateQuickFixMenu(const QuickFixList& fixes);

enum class QuickFixMenuSource { ButtonMenu, EditorMenu };

struct QuickFixMenuItem {
  QuickFixMenuSource source;
  int entry;  // quick fix number

  bool operator==(const QuickFixMenuItem&) const = default;
};

// Which menu a clicked tag came from and which quick fix it runs.
QuickFixMenuItem DecodeQuickFixTag(int tag);

}  // namespace cvd
