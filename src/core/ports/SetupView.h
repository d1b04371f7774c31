#pragma once
// The setup dialog as the core drives it: it shows modally, turns to a page
// and asks the pages the core does not own whether they may close.
#include <optional>

namespace cvd {

enum class SetupPage { Options, Shortcuts, Network };

class SetupView {
 public:
  virtual ~SetupView() = default;
  // Shows the dialog modally and returns when it has closed. `page` empty:
  // the page it was last on. A `shortcutRow` of 0 or more selects that row of
  // the shortcut grid.
  virtual void ShowModal(std::optional<SetupPage> page, int shortcutRow) = 0;
  virtual bool Showing() = 0;
  // While showing: turns to `page` (and the row).
  virtual void TurnTo(SetupPage page, int shortcutRow) = 0;
  // False while an entry of the shortcut page is invalid (the page has told
  // the user).
  virtual bool PagesCanClose() = 0;
};

}  // namespace cvd
