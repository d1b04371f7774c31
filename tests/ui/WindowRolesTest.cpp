// Every top-level window of the program is announced as a window or a dialog
// under its title, so a screen reader tells the user what appeared.
#include <gtest/gtest.h>
#include <QAccessible>

#include <functional>
#include <memory>

#include "ui/TColorForm.h"
#include "ui/TCvdEditForm.h"
#include "ui/TListForm.h"
#include "ui/TMainForm.h"
#include "ui/TQuickFixForm.h"
#include "ui/TSearchForm.h"
#include "ui/TSetupForm.h"
#include "ui/TmyAboutBox.h"

namespace cvd::ui {
namespace {

TEST(WindowRolesTest, TopLevelWindowsAreWindowsOrDialogsNamedByTheirTitle) {
  using Make = std::function<std::unique_ptr<QWidget>()>;
  const std::pair<const char*, Make> windows[] = {
      {"button window", [] { return std::make_unique<TMainForm>(); }},
      {"quick fix editor", [] { return std::make_unique<TQuickFixForm>(); }},
      {"setup", [] { return std::make_unique<TSetupForm>(); }},
      {"search", [] { return std::make_unique<TSearchForm>(); }},
      {"button editor", [] { return std::make_unique<TCvdEditForm>(); }},
      {"list", [] { return std::make_unique<TListForm>(); }},
      {"colours", [] { return std::make_unique<TColorForm>(ColorPair{}, std::vector<ColorPair>{}); }},
      {"about", [] { return std::make_unique<TmyAboutBox>([] {}); }},
  };
  for (const auto& [what, make] : windows) {
    SCOPED_TRACE(what);
    const std::unique_ptr<QWidget> window = make();
    if (window->windowTitle().isEmpty()) window->setWindowTitle(QStringLiteral("Untitled"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->role() == QAccessible::Window || face->role() == QAccessible::Dialog) << face->role();
    EXPECT_EQ(face->text(QAccessible::Name), window->windowTitle());
  }
}

}  // namespace
}  // namespace cvd::ui
