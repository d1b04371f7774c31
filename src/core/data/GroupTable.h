#pragma once
// The group table: every group and button the program knows. Slot 0 of
// `Groups` and of every `Buttons` array is never used; clip buttons come
// first (1..NumClipButtons), permanent buttons after them.
#include <cstdint>
#include <string>
#include <vector>

#include "core/data/ButtonList.h"
#include "core/data/Colors.h"

namespace cvd {

// Font styles kept by the data and group files.
enum FontStyleFlag : std::uint8_t { fsBold = 1, fsItalic = 2 };
using TFontStyles = std::uint8_t;

// The font of the button window, and of new groups until the program knows
// the desktop's interface font (fontconfig's alias for the desktop's sans font).
inline constexpr const char* kDefaultFontName = "Sans Serif";

inline constexpr const char* kEmptyCaption = "Empty";

// The empty clip button; clearing or deleting a clip button sets exactly this.
TButton EmptyClipButton();

struct TGroup {
  std::string Name;
  std::int32_t NumClipButtons = 5;
  std::int32_t NumPermButtons = 1;
  std::int32_t WindowLeft = 0;
  std::int32_t WindowTop = 0;
  bool RememberPos = false;
  std::string MonitorApplication;
  std::string MonitorWindow;
  std::int32_t NumColumns = 1;
  bool Shared = false;
  // CopyToMenuItem is a run-time link from the view's menu; the view keeps it.
  std::int32_t ButtonWidth = 90;
  std::int32_t ButtonHeight = 20;
  std::int32_t FillMode = 1;  // 1: new clips at the top, 2: at the bottom
  bool PlaySound = false;
  std::string SoundFile;
  std::string FontName = kDefaultFontName;
  std::int32_t FontSize = 10;
  TFontStyles FontStyle = 0;
  std::int32_t CopyDups = 0;  // 0 don't copy, 1 copy, 2 move, 3 mark unused
  bool TrackUsed = true;
  bool ShowHints = true;
  std::int32_t HintType = 2;      // 1 left of window, 2 right of window, 3 below
  std::int32_t PasteKeyMode = 0;  // 0 Ctrl+V, 1 Shift+Insert
  std::int32_t PasteDelay = 100;
  ButtonList Buttons;  // length NumClipButtons + NumPermButtons + 1

  int TotalButtons() const { return NumClipButtons + NumPermButtons; }
  bool IsClipButton(int b) const { return b >= 1 && b <= NumClipButtons; }
  // Resizes `Buttons` to the current counts, keeping slot 0 unused; new
  // slots are empty clip buttons.
  void ResizeButtons();

  bool operator==(const TGroup&) const = default;
};

// The table with its list order. `GroupList` is the order the user sees and
// the order the data file stores; `Groups` may be ordered differently.
class GroupTable {
 public:
  GroupTable() : Groups(1) {}

  std::vector<TGroup> Groups;          // Groups[1..GroupCount()]
  std::vector<std::string> GroupList;  // names in the user's order
  std::int32_t CurrentGroup = 1;
  std::int32_t CurrentButton = 1;

  int GroupCount() const { return static_cast<int>(Groups.size()) - 1; }
  TGroup& Current() { return Groups.at(CurrentGroup); }
  const TGroup& Current() const { return Groups.at(CurrentGroup); }

  // Fills Groups[index] (which must exist) with the defaults of a new group,
  // appends `name` to GroupList and returns its list position (0-based).
  int MakeNewGroup(int index, const std::string& name, const std::string& programDir);

  // Index of the group whose name equals `name` with a-z folded to upper
  // case; the last match wins; -1 when none matches.
  int FindGroup(const std::string& name) const;

  // Adds a group at the end of the table with the defaults of a new group
  // (GroupCount is raised, `Groups` grows, the name is appended to
  // GroupList) and returns its index. Callers rebuild their lists and menus.
  int AddGroup(const std::string& name, const std::string& programDir);

  // Position of the current group in GroupList, or -1.
  int CurrentListPosition() const;
};

// The table of a first start: one group "Default" with the example buttons.
GroupTable DefaultGroupTable(const std::string& programDir);

// Moves button `from` to place `to` of the same group; the buttons between
// move one place towards `from`'s old place. Numbers outside the group do nothing.
void MoveButton(TGroup& group, int from, int to);

// The defaults of a new group, with its six buttons.
TGroup NewGroupDefaults(const std::string& name, const std::string& programDir);
// New groups take this font: the program passes the desktop's interface font
// at start. Groups read from a file keep the font stored with them.
void SetNewGroupFont(const std::string& name, int size);

}  // namespace cvd
