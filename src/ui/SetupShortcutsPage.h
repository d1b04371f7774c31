#pragma once
// The "Shortcuts" page of the setup dialog: the shortcut grid with its
// modifier boxes and key list, and the window-specific paste methods. The
// core's ShortcutPage and PasteMethodPage own what the controls do.
#include <QWidget>

#include "core/util/HandlerSlot.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace cvd {
class PasteMethodPage;
class ShortcutPage;
}  // namespace cvd

namespace cvd::ui {

// The "Shortcuts" page of the setup dialog.
class SetupShortcutsPage : public QWidget {
  Q_OBJECT
 public:
  SetupShortcutsPage(ShortcutPage& shortcuts, PasteMethodPage& methods, QWidget* parent = nullptr);
  void Load();                    // the dialog opens: fill the page from the settings
  bool CanClose();                // false while an entry is invalid (shown to the user); blocks closing
  void Save();                    // the dialog closes: write the page back
  void ShowShortcutRow(int row);  // select a row of the shortcut grid

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGroupBox* BuildShortcutBox();
  QGroupBox* BuildPasteMethodBox();
  void FillGrid();
  void ShowAssigned();
  void FillRow(int row);
  void FillBoxes();
  void BoxClicked();
  void UpdateClicked(bool clear);
  void FillMethods();
  void FillMethod();
  void WatchListEdited(const QString& text);
  void ShowMatchMenu();
  void AfterWait();
  void RefreshEnabled();

  ShortcutPage& shortcuts_;
  PasteMethodPage& methods_;
  Subscription methodsChanged_;
  Subscription assignedChanged_;
  bool filling_ = false;

  QTableWidget* KeyList = nullptr;
  QLabel* DesktopKeysNote = nullptr;
  QCheckBox* AltBox = nullptr;
  QCheckBox* CtrlBox = nullptr;
  QCheckBox* ShiftBox = nullptr;
  QCheckBox* WinBox = nullptr;
  QComboBox* Keys = nullptr;
  QPushButton* UpdateButton = nullptr;
  QPushButton* ClearButton = nullptr;
  QComboBox* WatchList = nullptr;
  QPushButton* MatchLabel = nullptr;
  QLineEdit* PasteKeyBox = nullptr;
  QSpinBox* PasteDelayBox = nullptr;
  QPushButton* NewWinButton = nullptr;
  QPushButton* DelWinButton = nullptr;
  QPushButton* TestWinButton = nullptr;
  QWidget* Dummy = nullptr;
};

}  // namespace cvd::ui
