#include "core/groups/GroupFileActions.h"

#include <algorithm>
#include <optional>

#include "core/ports/Messages.h"

namespace cvd {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NamePartOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExistsQuestion(const std::string& name) {
  return "The \"" + name +
         "\" group you are trying to load already exists.\n\n"
         "Do you want to overwrite the existing group?\n\n"
         "Yes: Import group file and overwrite existing buttons.\n"
         "No: Select new name for imported group.\n"
         "Cancel: Do not import the group file.";
}

// The New Group dialog gives a name of one line (its box has one) that is
// not empty; a group file's name is held to the same.
bool IsGroupName(const std::string& name) {
  return !name.empty() && std::none_of(name.begin(), name.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// The name on one line, as a start for the user's own.
std::string OnOneLine(std::string name) {
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  const auto first = name.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(' ') - first + 1);
}

std::optional<std::string> AskImportName(Messages& ui, const std::string& initial) {
  auto name = ui.InputQuery("Enter New Group Name", "New Import Group Name:", initial);
  if (!name || !IsGroupName(*name)) return std::nullopt;
  return name;
}

}  // namespace

GroupImport LoadGroupFromFile(GroupTable& table, const std::string& fileName, Messages& ui,
                              const std::string& programDir, const CaptionFunction& makeCaption) {
  const GroupFileLoad load = ReadGroupFileAt(fileName);
  if (!load.problem.empty()) {
    ui.CursorMessageDlg(load.problem, MsgKind::Error, MsgButtons::Ok);
    return {};
  }

  std::string name = load.contents.group.Name;
  if (!IsGroupName(name)) {
    ui.CursorMessageDlg(kBadImportNameText, MsgKind::Error, MsgButtons::Ok);
    const auto chosen = AskImportName(ui, OnOneLine(name));
    if (!chosen) return {};
    name = *chosen;
  }
  int target = -1;
  for (;;) {
    target = table.FindGroup(name);
    if (target < 0) break;
    const MsgResult answer = ui.CursorMessageDlg(ExistsQuestion(name), MsgKind::Confirmation, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Yes) break;
    if (answer != MsgResult::No) return {};
    const auto newName = AskImportName(ui, name);
    if (!newName) return {};
    name = *newName;
  }

  GroupImport result;
  result.created = target < 0;
  if (result.created) target = table.AddGroup(name, programDir);
  ApplyGroupFile(load.contents, table.Groups[target], result.created, makeCaption);
  result.imported = true;
  result.groupIndex = target;
  return result;
}

bool ExportGroup(const TGroup& group, Messages& ui, std::string& exportDir) {
  const auto path = ui.SaveFileDialog(
      FileDialogOptions{kExportGroupTitle, kGroupFileFilter, kGroupFileExt, exportDir, group.Name + ".cgf"});
  if (!path) return false;
  if (!CheckFileName(NamePartOf(*path))) {
    ui.CursorMessageDlg(*path + "\n\nFilename contains illegal characters.", MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  std::string error;
  if (!SaveGroupToFile(group, *path, &error)) {
    ui.CursorMessageDlg("Unable to write the group file:\n" + error, MsgKind::Error, MsgButtons::Ok);
    return false;
  }
  exportDir = FolderOf(*path);
  return true;
}

GroupImport ImportGroup(GroupTable& table, Messages& ui, std::string& importDir, const std::string& programDir,
                        const CaptionFunction& makeCaption) {
  const auto path = ui.OpenFileDialog(FileDialogOptions{kImportGroupTitle, kGroupFileFilter, "", importDir, ""});
  if (!path) return {};
  GroupImport result = LoadGroupFromFile(table, *path, ui, programDir, makeCaption);
  importDir = FolderOf(*path);
  return result;
}

}  // namespace cvd
