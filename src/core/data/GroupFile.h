#pragma once
// Group files (".cgf"): one group exported for another computer or for
// later, a line file like the data file with a version in its header.
// Versions 1 to 4 are read; version 4 is written.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/data/GroupTable.h"

namespace cvd {

class Ui;

inline constexpr const char* kGroupFileHeader = "Corvinade Group File Version";
inline constexpr const char* kExportGroupTitle = "Export Group File";
inline constexpr const char* kImportGroupTitle = "Import Group File";
inline constexpr const char* kGroupFileFilter = "Corvinade Group Files|*.cgf";
inline constexpr const char* kGroupFileExt = "cgf";

// The name part of a file name (without folder) may not hold any of
// " * / : < > ? \ ^ |; every other byte is allowed.
bool CheckFileName(std::string_view namePart);

// The version 4 file of `group`. Its position is kept but not remembered,
// it is never shared, and button colours and `Used` are not stored.
std::string WriteGroupFile(const TGroup& group);
// Writes the group file atomically, replacing an existing one.
bool SaveGroupToFile(const TGroup& group, const std::string& fileName, std::string* error);

enum class GroupFileStatus {
  Ok,
  NotGroupFile,  // the first line is not a group file header
  Malformed,     // a number line is not a whole number (or a count is absurd)
};

struct GroupFileContents {
  GroupFileStatus status = GroupFileStatus::Ok;
  // The character after the header text and a space ('\0' when missing);
  // "3" and "4" carry display settings, "4" also the paste settings.
  char version = '\0';
  // What the file holds, in a group record: names as stored, every button
  // with the default colours, `Used` false. Fields the file lacks keep the
  // record's defaults; the flags below say which parts were present.
  TGroup group;
  bool hasNumColumns = false;
  bool hasDisplay = false;
  bool hasPaste = false;
  // When Malformed: the line and its text.
  std::size_t errorLine = 0;
  std::string errorValue;
};

// Reads a group file from its bytes; never throws.
GroupFileContents ReadGroupFile(std::string_view bytes);

using CaptionFunction = std::function<std::string(const std::string& text)>;

// Puts the file's group into `target`. The column count is taken only for a
// new group (an overwritten group keeps its own); button names pass
// through `makeCaption`.
void ApplyGroupFile(const GroupFileContents& contents, TGroup& target, bool newGroup,
                    const CaptionFunction& makeCaption);

struct GroupImport {
  bool imported = false;
  int groupIndex = -1;   // the group that received the file
  bool created = false;  // a new group was added to the table (lists to rebuild)
};

// Imports a group file. The whole file is read and checked before anything
// changes, so a damaged file leaves every group as it was (no half-filled
// group is left behind). A name that exists already is asked about: Yes
// overwrites that group, No asks for another name, Cancel stops. The caller
// makes the imported group current and rebuilds its lists.
GroupImport LoadGroupFromFile(GroupTable& table, const std::string& fileName, Ui& ui,
                              const std::string& programDir, const CaptionFunction& makeCaption);

// The group menu's export command: asks for the file in `exportDir`,
// refuses illegal names, writes the file and remembers its folder. True when
// a file was written.
bool ExportGroup(const TGroup& group, Ui& ui, std::string& exportDir);

// The group menu's import command: asks for the file in `importDir`,
// imports it and remembers its folder.
GroupImport ImportGroup(GroupTable& table, Ui& ui, std::string& importDir, const std::string& programDir,
                        const CaptionFunction& makeCaption);

}  // namespace cvd
