// The search dialog on the offscreen platform, on the real event loop:
// typing finds, the keyboard reaches every part, Return pastes a hit.
#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

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
  for (int b = 1; b <= group.TotalButtons(); ++b) group.Buttons.Set(b, TButton{"b" + std::to_string(b), "", "t"});
  group.Buttons.Set(4, TButton{"Needle", "", "needle text"});
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
}

}  // namespace
}  // namespace cvd::ui
