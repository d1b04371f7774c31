// src/ui/SetupShortcutsPage.h
#pragma once
#include <QWidget>
namespace cvd { class Engine; }
namespace cvd::ui {
// The "Shortcuts" page of the setup dialog.
class SetupShortcutsPage : public QWidget {
  Q_OBJECT
 public:
  explicit SetupShortcutsPage(Engine& engine, QWidget* parent = nullptr);
  void Load();                   // the dialog opens: fill the page from the settings
  bool CanClose();               // false while an entry is invalid (shown to the user); blocks closing
  void Save();                   // the dialog closes: write the page back
  void ShowShortcutRow(int row); // select a row of the shortcut grid
};
}
