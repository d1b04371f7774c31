#include "ui/SetupShortcutsPage.h"

namespace cvd::ui {

SetupShortcutsPage::SetupShortcutsPage(Engine&, QWidget* parent) : QWidget(parent) {}
void SetupShortcutsPage::Load() {}
bool SetupShortcutsPage::CanClose() { return true; }
void SetupShortcutsPage::Save() {}
void SetupShortcutsPage::ShowShortcutRow(int) {}

}  // namespace cvd::ui
