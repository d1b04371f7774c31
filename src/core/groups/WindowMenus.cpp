#include "core/groups/WindowMenus.h"

#include "core/groups/FavoriteColors.h"
#include "core/quickfix/QuickFixMenu.h"

namespace cvd {

namespace {
void RunSeam(const std::function<void()>& work) {
  if (work) work();
}
}  // namespace

WindowMenus::WindowMenus(GroupTable& table, Settings& settings, Directories& dirs, Messages& ui,
                         ButtonWindowView& windowView, ColorDialogView& colors, QuickFixRunner& quickFixes,
                         GroupHooks groupHooks, ButtonHooks buttonHooks)
    : table_(table),
      settings_(settings),
      groups_(table, settings, dirs, ui, std::move(groupHooks)),
      buttons_(table, settings, ui, windowView, colors, quickFixes, std::move(buttonHooks)) {}

void WindowMenus::Choose(int command) {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  Run(command);
  // Monitoring waits for the window the user activates next: giving the
  // keyboard back to the last target here would answer that wait at once.
  const bool waitsForAWindow = command == cmdMonitorApplication || command == cmdMonitorWindow;
  // The quick fix editor stays open with the keyboard; it gives it back when it closes.
  const bool keepsTheKeyboard = command == cmdCustomizeQuickFixes;
  if (restoreFocus_ && !waitsForAWindow && !keepsTheKeyboard) restoreFocus_();
}

MenuModel WindowMenus::GroupMenu() const {
  const bool valid = table_.CurrentGroup >= 1 && table_.CurrentGroup <= table_.GroupCount();
  const bool trackUsed = valid && table_.Current().TrackUsed;
  MenuEntry monitorApp = MenuItem("Monitor Application", cmdMonitorApplication, bool(seams_.monitorApplication));
  MenuEntry monitorWindow = MenuItem("Monitor Window", cmdMonitorWindow, bool(seams_.monitorWindow));
  monitorApp.checked = valid && !table_.Current().MonitorApplication.empty();
  monitorWindow.checked = valid && !table_.Current().MonitorWindow.empty();
  return {MenuItem("New Group", cmdNewGroup),
          MenuItem("Rename Group", cmdRenameGroup),
          MenuItem("Delete Group", cmdDeleteGroup),
          MenuItem("Copy Group", cmdCopyGroup),
          MenuSeparator(),
          MenuItem("Group Options", cmdGroupOptions, bool(seams_.groupOptions)),
          MenuItem("Clear all Clip Buttons", cmdClearAllClip),
          MenuItem("Mark all Buttons Unused", cmdMarkAllUnused, trackUsed),
          MenuSeparator(),
          MenuItem("Search Buttons", cmdSearchButtons, bool(seams_.searchButtons)),
          MenuSeparator(),
          MenuItem("Import Group from File", cmdImportGroup),
          MenuItem("Export Group to File", cmdExportGroup),
          MenuSeparator(),
          monitorApp,
          monitorWindow,
          MenuItem("Cancel Monitoring", cmdCancelMonitoring, bool(seams_.cancelMonitoring)),
          MenuSeparator(),
          MenuItem("Cancel", cmdNone)};
}

MenuModel WindowMenus::ButtonMenu() const {
  const bool valid = table_.CurrentGroup >= 1 && table_.CurrentGroup <= table_.GroupCount();
  const TGroup* group = valid ? &table_.Current() : nullptr;
  const int b = table_.CurrentButton;
  const bool onButton =
      group != nullptr && b >= 1 && b <= group->TotalButtons() && b < static_cast<int>(group->Buttons.size());
  const bool clip = onButton && group->IsClipButton(b);
  const bool used = onButton && group->Buttons[b].Used;

  MenuModel menu{MenuItem("New Button", cmdNewButton, valid), MenuItem("Edit Button", cmdEditButton, onButton),
                 MenuItem(clip ? "Clear Button" : "Delete Button", cmdDeleteButton, onButton), MenuSeparator()};
  const QuickFixMenus fixes = UpdateQuickFixMenu(settings_.QuickFixes);
  for (const QuickFixMenuEntry& entry : fixes.direct) {
    menu.push_back(MenuItem(entry.caption, cmdQuickFix + entry.tag, onButton));
  }
  std::vector<MenuEntry> more;
  for (const QuickFixMenuEntry& entry : fixes.more)
    more.push_back(MenuItem(entry.caption, cmdQuickFix + entry.tag, onButton));
  more.push_back(MenuSeparator());
  more.push_back(MenuItem("Cancel", cmdNone));
  menu.push_back(Submenu(kMoreFixesCaption, std::move(more)));
  menu.push_back(MenuItem("Customize Quick Fixes", cmdCustomizeQuickFixes, bool(seams_.customizeQuickFixes)));
  menu.push_back(MenuSeparator());
  menu.push_back(Submenu("Change Color", UpdateColorMenu(settings_, cmdFavoriteColor, cmdColorEditor)));
  menu.push_back(MenuItem(used ? "Mark as Unused" : "Mark as Used", cmdMarkUsed, onButton && group->TrackUsed));
  MenuEntry permanent = MenuItem("Make Permanent", cmdMakePermanent, onButton);
  permanent.visible = clip;
  menu.push_back(permanent);
  std::vector<MenuEntry> copyTo;
  for (const std::string& name : table_.GroupList) {
    const int t = table_.FindGroup(name);
    if (t > 0) copyTo.push_back(MenuItem(name, cmdCopyToGroup + t, onButton));
  }
  copyTo.push_back(MenuSeparator());
  copyTo.push_back(MenuItem("All Groups", cmdCopyToAllGroups, onButton));
  copyTo.push_back(MenuSeparator());
  copyTo.push_back(MenuItem("Cancel", cmdNone));
  menu.push_back(Submenu("Copy to Group", std::move(copyTo)));
  menu.push_back(MenuSeparator());
  menu.push_back(MenuItem("Cancel", cmdNone));
  return menu;
}

void WindowMenus::Run(int command) {
  const int g = table_.CurrentGroup;
  if (command >= cmdCopyToGroup) return groups_.CopyCurrentButtonTo(command - cmdCopyToGroup);
  if (command >= cmdFavoriteColor) return buttons_.MenuFavColorClick(command - cmdFavoriteColor);
  if (command >= cmdQuickFix) return buttons_.MenuQuickFixClick(command - cmdQuickFix);
  switch (command) {
    case cmdNewGroup: return groups_.MenuNewGroupClick();
    case cmdRenameGroup: groups_.AskForRenameGroup(g); return;
    case cmdDeleteGroup: groups_.AskForDeleteGroup(g); return;
    case cmdCopyGroup: return groups_.AskForCopyGroup(g);
    case cmdGroupOptions:
      // The editor opens on CurrentButton, which may name a button of another group.
      if (buttons_.CurrentButtonList() == nullptr) table_.CurrentButton = 1;
      return RunSeam(seams_.groupOptions);
    case cmdClearAllClip: return groups_.ClearAllClip(g);
    case cmdMarkAllUnused:
      if (table_.Current().TrackUsed) groups_.MarkAllUnused();
      return;
    case cmdSearchButtons: return RunSeam(seams_.searchButtons);
    case cmdImportGroup: return groups_.ImportGroupFile();
    case cmdExportGroup: return groups_.ExportCurrentGroup();
    case cmdMonitorApplication: return RunSeam(seams_.monitorApplication);
    case cmdMonitorWindow: return RunSeam(seams_.monitorWindow);
    case cmdCancelMonitoring: return RunSeam(seams_.cancelMonitoring);
    case cmdNewButton: return buttons_.MenuNewButtonClick();
    case cmdEditButton: return buttons_.MenuEditButtonClick();
    case cmdDeleteButton: return buttons_.MenuDeleteButtonClick();
    case cmdCustomizeQuickFixes: return RunSeam(seams_.customizeQuickFixes);
    case cmdColorEditor: return buttons_.ColorEditorMenuClick();
    case cmdMarkUsed: return buttons_.MenuMarkUsedClick();
    case cmdMakePermanent: return buttons_.MenuMakePermanentClick();
    case cmdCopyToAllGroups: return groups_.CopyCurrentButtonToAllGroups();
    default: return;
  }
}

}  // namespace cvd
