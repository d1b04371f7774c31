#pragma once
// The tray icon and its menu. Without a tray host the program stays usable
// from the button window.
#include <QObject>

class QMenu;
class QSystemTrayIcon;

namespace cvd {
class Engine;
}

namespace cvd::ui {

class TTrayForm : public QObject {
  Q_OBJECT
 public:
  TTrayForm();
  ~TTrayForm() override;
  void SetEngine(Engine* engine) { engine_ = engine; }
  void ShowIcon();
  void Balloon(const QString& title, const QString& text, int timeoutSeconds);
  QMenu* TrayMenu() const { return menu_; }

 private:
  void MenuExitClick();

  Engine* engine_ = nullptr;
  QSystemTrayIcon* icon_ = nullptr;
  QMenu* menu_ = nullptr;
};

}  // namespace cvd::ui
