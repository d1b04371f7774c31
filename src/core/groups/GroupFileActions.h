#pragma once
// The group menu's export and import commands: the questions and file
// dialogs around the group file.
#include <string>

#include "core/data/GroupFile.h"
#include "core/data/GroupTable.h"

namespace cvd {

class Messages;

inline constexpr const char* kExportGroupTitle = "Export Group File";
inline constexpr const char* kImportGroupTitle = "Import Group File";
inline constexpr const char* kGroupFileFilter = "Corvinade Group Files|*.cgf";
inline constexpr const char* kGroupFileExt = "cgf";
inline constexpr const char* kBadImportNameText =
    "The group in this file has no name that a group can have: a group name is one line and not empty.\n\n"
    "Please choose another name.";

struct GroupImport {
  bool imported = false;
  int groupIndex = -1;   // the group that received the file
  bool created = false;  // a new group was added to the table (lists to rebuild)
};

// Imports a group file. The whole file is read and checked before anything
// changes, so a damaged file leaves every group as it was (no half-filled
// group is left behind). A name that exists already is asked about: Yes
// overwrites that group, No asks for another name, Cancel stops. A name the
// New Group dialog would not give (empty, or with a line break) is told and
// another asked for. The caller
// makes the imported group current and rebuilds its lists.
GroupImport LoadGroupFromFile(GroupTable& table, const std::string& fileName, Messages& ui,
                              const std::string& programDir, const CaptionFunction& makeCaption);

// The group menu's export command: asks for the file in `exportDir`,
// refuses illegal names, writes the file and remembers its folder. True when
// a file was written.
bool ExportGroup(const TGroup& group, Messages& ui, std::string& exportDir);

// The group menu's import command: asks for the file in `importDir`,
// imports it and remembers its folder.
GroupImport ImportGroup(GroupTable& table, Messages& ui, std::string& importDir, const std::string& programDir,
                        const CaptionFunction& makeCaption);

}  // namespace cvd
