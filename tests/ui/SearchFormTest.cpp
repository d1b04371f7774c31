// The search dialog on the offscreen platform, on the real event loop:
// typing finds, the keyboard reaches every part, Return pastes a hit.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/search/ButtonSearch.h"
#include "platform/qt/QtEventLoop.h"
#include "support/Harness.h"
#include "ui/TSearchForm.h"

namespace cvd::ui {
namespace {

TEST(SearchFormTest, TypingFindsAndReturnOnAHitPastesIt) {
  test::Harness h;
  qt::QtEventLoop loop;
  TSearchForm form;
  Ports ports = h.AllPorts();
  ports.loop = &loop;
  ports.searchView = &form;
  h.Start(ports);
  TGroup& group = h.Group();
  for (int b = 1; b <= group.TotalButtons(); ++b) group.Buttons[b] = TButton{"b" + std::to_string(b), "", "t"};
  group.Buttons[4] = TButton{"Needle", "", "needle text"};
  form.SetSearch(&h.engine->Search());

  for (QWidget* control : form.findChildren<QWidget*>()) {
    if (control->isWindow() || control->focusPolicy() == Qt::NoFocus) continue;
    EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();
  }
  bool ran = false;
  QTimer::singleShot(0, &form, [&] {
    ran = true;
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.SearchForBox()->hasFocus());
    EXPECT_TRUE(form.Button(QStringLiteral("EditButton"))->isEnabled());
    QTest::keyClicks(form.SearchForBox(), QStringLiteral("NEED"));
    if (!QTest::qWaitFor([&] { return form.Found()->text() == QStringLiteral("1 Button Found"); }, 2000)) {
      ADD_FAILURE() << form.Found()->text().toStdString();
      return form.reject();
    }
    EXPECT_EQ(form.ResultGrid()->model()->index(0, 1).data().toString(), QStringLiteral("Needle"));
    EXPECT_TRUE(form.ResultGrid()->isColumnHidden(3));
    QTest::keyClick(form.SearchForBox(), Qt::Key_Down);
    EXPECT_TRUE(form.ResultGrid()->hasFocus());
    EXPECT_EQ(form.SelectedRow(), 0);
    QTest::keyClick(form.ResultGrid(), Qt::Key_Return);
  });
  h.engine->Search().Open();
  EXPECT_TRUE(ran);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(h.clipboard.Text(), "needle text");
  EXPECT_GE(form.width(), 400);
  EXPECT_GE(form.height(), 240);

  // The options menu shows the core's ticks: unticking the last of name and
  // text ticks the other.
  h.state.settings.SearchButtonTextMenu = false;
  QTimer::singleShot(0, &form, [&] {
    QAction* name = form.OptionsMenu()->actions().at(2);
    EXPECT_TRUE(name->isChecked());
    name->setChecked(false);
    h.engine->Search().ToggleOption(SearchOption::ButtonName);
    EXPECT_FALSE(name->isChecked());
    EXPECT_TRUE(form.OptionsMenu()->actions().at(3)->isChecked());
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  h.engine->Search().Open();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace cvd::ui
