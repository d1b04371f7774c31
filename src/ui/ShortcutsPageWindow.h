#pragma once
// The setup dialog's "Shortcuts" page in a window of its own, opened on a
// request of corvinade-tool ("setup shortcuts").
#include <QWidget>

namespace cvd {
class Engine;
}

namespace cvd::ui {

class SetupShortcutsPage;

class ShortcutsPageWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ShortcutsPageWindow(Engine& engine);
  // Fills the page from the settings and brings the window to the front.
  void Open();
  SetupShortcutsPage& Page() { return *page_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  SetupShortcutsPage* page_;
};

}  // namespace cvd::ui
