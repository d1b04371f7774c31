#pragma once
// The button window's two context menus, the group menu and the button
// menu, as models for the view, and what each entry does.
#include <functional>

#include "core/groups/ButtonOperations.h"
#include "core/groups/GroupOperations.h"
#include "core/groups/MenuModel.h"

namespace cvd {

enum MenuCommand : int {
  cmdNone = 0,
  // Group menu
  cmdNewGroup = 1,
  cmdRenameGroup,
  cmdDeleteGroup,
  cmdCopyGroup,
  cmdGroupOptions,
  cmdClearAllClip,
  cmdMarkAllUnused,
  cmdSearchButtons,
  cmdImportGroup,
  cmdExportGroup,
  cmdMonitorApplication,
  cmdMonitorWindow,
  cmdCancelMonitoring,
  // Button menu
  cmdNewButton = 100,
  cmdEditButton,
  cmdDeleteButton,
  cmdCustomizeQuickFixes,
  cmdColorEditor,
  cmdMarkUsed,
  cmdMakePermanent,
  cmdCopyToAllGroups,
  cmdQuickFix = 1000,       // + quick fix number
  cmdFavoriteColor = 2000,  // + favourite number
  cmdCopyToGroup = 3000,    // + group number
};

// Work that other parts of the program own; an entry whose work is not
// there yet is shown disabled.
struct MenuSeams {
  std::function<void()> groupOptions;
  std::function<void()> searchButtons;
  std::function<void()> monitorApplication;
  std::function<void()> monitorWindow;
  std::function<void()> cancelMonitoring;
  std::function<void()> customizeQuickFixes;
};

class WindowMenus {
 public:
  WindowMenus(GroupTable& table, Settings& settings, Directories& dirs, Messages& ui, ButtonWindowView& windowView,
              ColorDialogView& colors, QuickFixRunner& quickFixes, GroupHooks groupHooks, ButtonHooks buttonHooks);

  void SetSeams(MenuSeams seams) { seams_ = std::move(seams); }

  MenuModel GroupMenu() const;
  // Built for CurrentButton as the menu opens.
  MenuModel ButtonMenu() const;
  // Runs a chosen entry, then gives the keyboard back to the window the
  // user worked in (dialogs may have taken it).
  void Choose(int command);
  void SetRestoreFocus(std::function<void()> restore) { restoreFocus_ = std::move(restore); }

  GroupOperations& Groups() { return groups_; }
  ButtonOperations& Buttons() { return buttons_; }

 private:
  GroupTable& table_;
  const Settings& settings_;
  GroupOperations groups_;
  ButtonOperations buttons_;
  MenuSeams seams_;
  std::function<void()> restoreFocus_;

  void Run(int command);
};

}  // namespace cvd
