#pragma once
// "Corvinade Settings": the Options, Shortcuts and Network pages over a row
// with "Help" and "Close" and a status bar that shows the hint of the control
// under the mouse. A humble view of the core's SetupDialog: every change goes
// to the core, and the controls are refilled from it.
#include <QDialog>
#include <optional>
#include <utility>
#include <vector>

#include "core/ports/SetupView.h"
#include "ui/ViewParts.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimeEdit;

namespace cvd {
class SetupDialog;
enum class SetupOption;
}  // namespace cvd

namespace cvd::ui {

class SetupShortcutsPage;

class TSetupForm : public QDialog, public SetupView {
  Q_OBJECT
 public:
  TSetupForm();
  // Builds the pages on the setup logic; call once before showing.
  void SetParts(SetupFormParts parts);

  void ShowModal(std::optional<SetupPage> page, int shortcutRow) override;
  bool Showing() override { return isVisible(); }
  void TurnTo(SetupPage page, int shortcutRow) override;
  bool PagesCanClose() override;
  // Every way of closing ("Close", Escape, the window's close button) ends here.
  void done(int result) override;

  // The controls, by their role names.
  QTabWidget* Pages = nullptr;
  QCheckBox *ShowOnStart = nullptr, *DontCopy = nullptr, *AdvWinTrack = nullptr, *DoNotAskAgain = nullptr;
  QCheckBox *StartAtLogin = nullptr, *FadeOutOption = nullptr, *RollupOption = nullptr, *MinimizeOption = nullptr;
  QCheckBox *RestoreOnCopy = nullptr, *AutoBackup = nullptr;
  QLineEdit *FadeTime = nullptr, *FadeLevel = nullptr, *BackupDirectory = nullptr;
  QTimeEdit* BackupTime = nullptr;
  QPushButton *FindBackupDirButton = nullptr, *BackupNowButton = nullptr, *RestoreBackupButton = nullptr;
  QPushButton* ManualBackupButton = nullptr;
  QPlainTextEdit* IgnoredPrograms = nullptr;
  QSpinBox* PauseMinutes = nullptr;
  SetupShortcutsPage* ShortcutsPage = nullptr;
  QLineEdit *DataDirBox = nullptr, *ShareDirectory = nullptr;
  QPushButton *DataDirButton = nullptr, *ShareDirButton = nullptr;
  QCheckBox *ShareClipboard = nullptr, *LoadShareOnStart = nullptr, *ShowShareMsg = nullptr;
  QListWidget* ShareList = nullptr;
  QPushButton *ShareAllButton = nullptr, *ShareNoneButton = nullptr;
  QPushButton *HelpButton = nullptr, *CloseButton = nullptr, *Dummy = nullptr;
  QStatusBar* StatusBar = nullptr;

 protected:
  bool event(QEvent* event) override;

 private:
  QWidget* MakeOptionsPage();
  QWidget* MakeNetworkPage();
  QWidget* MakePrivacyBox();
  void RefreshPrivacy();
  QCheckBox* AddOption(SetupOption option, const QString& caption, const QString& hint);
  // A button that runs `action` of the core's setup logic, then refills the controls.
  QPushButton* AddButton(const QString& caption, const QString& hint, void (SetupDialog::*action)());
  void OptionClicked(QCheckBox* box, SetupOption option, bool on);
  void FadeTextEdited();
  // Refills every control from the core.
  void Refresh();
  void RefreshShareList();
  // After a change made with the mouse no option control keeps the focus.
  void AfterChange(QWidget* control);
  void PlaceFromSettings();

  std::optional<SetupFormParts> parts_;
  std::vector<std::pair<QCheckBox*, SetupOption>> options_;
};

}  // namespace cvd::ui
