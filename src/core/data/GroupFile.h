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

inline constexpr const char* kGroupFileHeader = "Corvinade Group File Version";

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

// A group file read from the disk and checked before anything changes.
struct GroupFileLoad {
  GroupFileContents contents;
  // Empty when the file can be imported; otherwise the text to show.
  std::string problem;
};
GroupFileLoad ReadGroupFileAt(const std::string& fileName);

}  // namespace cvd
