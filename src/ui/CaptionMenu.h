#pragma once
// The button window's own menu on its caption: roll-up, search, settings,
// move and close; a double click on the caption rolls the window up or down.
#include <QObject>

#include "ui/ViewParts.h"

class QAction;

namespace cvd::ui {

class CaptionBar;

class CaptionMenu : public QObject {
  Q_OBJECT
 public:
  explicit CaptionMenu(CaptionBar& caption);
  void SetParts(const ButtonWindowParts* parts) {
    parts_ = parts;
    privacy_ = parts ? &parts->privacy : nullptr;
  }

  QAction* RollUpAction() const { return rollUp_; }
  QAction* SearchAction() const { return search_; }
  QAction* SettingsAction() const { return settings_; }

 private:
  void Command(int command);

  CaptionBar& caption_;
  const ButtonWindowParts* parts_ = nullptr;
  CapturePrivacy* privacy_ = nullptr;
  QAction* rollUp_;
  QAction* search_;
  QAction* settings_;
};

}  // namespace cvd::ui
