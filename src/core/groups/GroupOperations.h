#pragma once
// What the user does to whole groups: create, rename, delete and copy them,
// copy single buttons into other groups, clear and unmark a group's clips,
// and move group files in and out.
#include <functional>
#include <string>

#include "core/clipboard/ClipShift.h"
#include "core/data/GroupTable.h"
#include "core/settings/Directories.h"
#include "core/settings/Settings.h"
#include "core/util/Required.h"

namespace cvd {

class Messages;

inline constexpr const char* kNewGroupCaption = "Create New Group";
inline constexpr const char* kNewGroupPrompt = "What would you like to name the new group?";
inline constexpr const char* kRenameGroupCaption = "Rename Group";
inline constexpr const char* kRenameGroupPrompt = "What would you like rename the group to?";
inline constexpr const char* kCopyGroupCaption = "Copy Group";
inline constexpr const char* kLastGroupText = "You can not delete the last group.";

struct GroupHooks {
  // Shows the group at a GroupList position (GroupListChange); with
  // `storePosition` false the window's place is not stored in the group
  // that was current (it may be gone).
  Required<void(int position, bool storePosition)> showListPosition;
  // Group `g` left the table (later groups moved down by one).
  Required<void(int g)> groupDeleted;
  Required<std::string(const std::string& text)> makeCaption;
  Required<void()> resetFadeTimer;
};

class GroupOperations {
 public:
  GroupOperations(GroupTable& table, Settings& settings, Directories& dirs, Messages& ui, GroupHooks hooks);

  // Each returns what the button editor needs to follow the change.
  // The GroupList position of the new group, or -1.
  int AskForNewGroup();
  // The GroupList position of the renamed group, or -1.
  int AskForRenameGroup(int g);
  // 0 when deleted, else -1.
  int AskForDeleteGroup(int g);
  void AskForCopyGroup(int g);

  // Copies button b of group s into group t; 1 when t got one more clip
  // button to take it, else 0.
  int CopyToGroup(int s, int t, int b);
  // "Copy to Group": into one group, or into every group but the current one.
  void CopyCurrentButtonTo(int t);
  void CopyCurrentButtonToAllGroups();

  // The group menu's commands on the current group.
  void MenuNewGroupClick();
  void ClearAllClip(int g);
  void MarkAllUnused();
  void ExportCurrentGroup();
  void ImportGroupFile();

  // A right press on the selector's button: the next group, or with Shift
  // the previous one, round the list.
  void StepGroup(bool previous);

  // Shows the current group again (after its buttons changed).
  void Refresh();

 private:
  std::optional<std::string> AskNewName(const char* caption, const char* prompt, const std::string& initial);
  bool NameTaken(const std::string& name);
  int ListPosition(const std::string& name) const;

  GroupTable& table_;
  Settings& settings_;
  Directories& dirs_;
  Messages& ui_;
  GroupHooks hooks_;
};

// "The "name" group already exists..." for a refused name.
std::string GroupExistsText(const std::string& name);

}  // namespace cvd
