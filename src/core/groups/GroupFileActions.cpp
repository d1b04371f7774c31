#include "core/groups/GroupFileActions.h"

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

}  // namespace

GroupImport LoadGroupFromFile(GroupTable& table, const std::string& fileName, Messages& ui,
                              const std::string& programDir, const CaptionFunction& makeCaption) {
  const GroupFileLoad load = ReadGroupFileAt(fileName);
  if (!load.problem.empty()) {
    ui.CursorMessageDlg(load.problem, MsgKind::Error, MsgButtons::Ok);
    return {};
  }

  std::string name = load.contents.group.Name;
  int target = -1;
  for (;;) {
    target = table.FindGroup(name);
    if (target < 0) break;
    const MsgResult answer = ui.CursorMessageDlg(ExistsQuestion(name), MsgKind::Confirmation, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Yes) break;
    if (answer != MsgResult::No) return {};
    const auto newName = ui.InputQuery("Enter New Group Name", "New Import Group Name:", name);
    if (!newName || newName->empty()) return {};
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
