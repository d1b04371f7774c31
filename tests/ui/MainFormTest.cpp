// The button window on the offscreen platform: what the user sees after
// start-up and after a group switch.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "core/app/Engine.h"
#include "platform/qt/QtEventLoop.h"
#include "support/TempDir.h"
#include "ui/ColorMap.h"
#include "ui/HintWindow.h"
#include "ui/MenuView.h"
#include "ui/QtTextMeasure.h"
#include "ui/QtUi.h"
#include "ui/TBitBtnWithColor.h"
#include "ui/TColorForm.h"
#include "ui/TMainForm.h"
#include "ui/TTrayForm.h"
#include "ui/ViewWiring.h"
#include "ui/WindowRoles.h"

namespace cvd::ui {
namespace {

class MainFormTest : public ::testing::Test {
 protected:
  test::TempDir dir;  // data folder of the engine
  MainFormTest()
      : ui(form, tray, hint),
        measure(form, hint),
        state{Directories{"/nonexistent/", dir.Path(), dir.Path()}, {}, {}},
        engine(Ports{.loop = &loop, .ui = &ui, .measure = &measure}, state) {
    form.SetParts(ButtonWindowPartsOf(engine));
    engine.FormCreate();
  }

  TTrayForm tray;
  TMainForm form;
  HintWindow hint;
  qt::QtEventLoop loop;
  QtUi ui;
  QtTextMeasure measure;
  AppState state;
  Engine engine;
  // The core's side of the button window, for the operations the view shows.
  ButtonWindow window{ui, ui, measure, state.table};
};

TEST_F(MainFormTest, StartUpShowsTheDefaultGroup) {
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.GroupBox->text(), "Default");
  EXPECT_TRUE(form.GroupList->isHidden());
  ASSERT_EQ(form.ButtonControlCount(), 6);
  for (int b = 1; b <= 6; ++b) {
    EXPECT_EQ(form.ButtonControl(b)->geometry(), QRect(0, 20 * b, 90, 20)) << b;
    EXPECT_EQ(form.ButtonControl(b)->focusPolicy(), Qt::NoFocus);
  }
  EXPECT_EQ(form.ButtonControl(5)->text(), "Empty");
  EXPECT_EQ(form.ButtonControl(6)->FontColor(), clRed);
  EXPECT_EQ(form.ClientSize(), QSize(90, 140));
  // The window never takes the focus from the program being pasted into.
  EXPECT_TRUE(form.windowFlags() & Qt::WindowDoesNotAcceptFocus);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(MainFormTest, TheGroupSelectorSwitchesAndASmallerGroupHidesTheExtraControls) {
  state.table.Groups.resize(3);
  state.table.MakeNewGroup(2, "Big", "/nonexistent/");
  TGroup& big = state.table.Groups[2];
  big.NumClipButtons = 19;
  big.NumColumns = 2;
  big.ResizeButtons();
  big.Buttons.SetName(20, "Last");
  window.Display();
  form.GroupButton->click();
  EXPECT_TRUE(form.GroupList->isVisible());
  emit form.GroupList->activated(1);
  EXPECT_FALSE(form.GroupList->isVisible());
  EXPECT_EQ(form.GroupBox->text(), "Big");
  ASSERT_EQ(form.ButtonControlCount(), 20);
  EXPECT_EQ(form.ClientSize(), QSize(180, 220));  // 11 rows in 2 columns
  EXPECT_EQ(form.ButtonControl(20)->text(), "Last");
  TBitBtnWithColor* kept = form.ButtonControl(15);

  engine.GroupListChange(0);
  EXPECT_EQ(form.ButtonControl(15), kept);  // made once, only hidden
  for (int b = 1; b <= 20; ++b) EXPECT_EQ(form.ButtonControl(b)->isVisible(), b <= 6) << b;
  EXPECT_EQ(form.ClientSize(), QSize(90, 140));
}

TEST_F(MainFormTest, ButtonsOfAWindowTallerThanTheScreenShowAsTheyComeOntoIt) {
  TGroup& group = state.table.Groups[1];
  group.NumClipButtons = 99;
  group.ResizeButtons();
  window.Display();
  const int screenHeight = form.screen()->virtualGeometry().height();
  ASSERT_GT(form.ClientSize().height(), 2 * screenHeight);
  TBitBtnWithColor* last = form.ButtonControl(100);
  const auto pressAt = [&](int y) {
    form.move(0, y);
    QApplication::processEvents();
    return form.ButtonAt(last->mapToGlobal(last->rect().center()));
  };
  EXPECT_EQ(pressAt(0), -1);  // below the screen's edge
  EXPECT_EQ(pressAt(screenHeight - form.height()), 100);
  EXPECT_FALSE(form.ButtonControl(1)->isVisible());
  EXPECT_EQ(pressAt(0), -1);
  EXPECT_TRUE(form.ButtonControl(1)->isVisible());
}

TEST_F(MainFormTest, WithoutATrayTheCaptionMenuEndsTheProgram) {
  auto* menu = form.findChild<QMenu*>(QStringLiteral("SystemMenu"));
  ASSERT_NE(menu, nullptr);
  emit menu->aboutToShow();
  QAction* exit = menu->actions().back();
  ASSERT_EQ(exit->text(), "Exit");
  EXPECT_TRUE(exit->isVisible());  // the offscreen platform has no tray
  bool quit = false;
  engine.SetQuitHandler([&] { quit = true; });
  exit->trigger();
  EXPECT_TRUE(quit);
}

TEST_F(MainFormTest, BothMenusPauseTheHistoryAndShowItTicked) {
  tray.SetParts(TrayPartsOf(engine));
  auto* caption = form.findChild<QMenu*>(QStringLiteral("SystemMenu"));
  auto* title = form.findChild<QLabel*>(QStringLiteral("CaptionTitle"));
  auto entry = [](QMenu* menu) {
    emit menu->aboutToShow();
    return menu->findChild<QAction*>(QStringLiteral("MenuPauseHistory"));
  };
  // Paused from one menu, the other shows the tick and resumes.
  for (auto [from, other] : {std::pair{caption, tray.TrayMenu()}, std::pair{tray.TrayMenu(), caption}}) {
    EXPECT_FALSE(entry(from)->isChecked());
    entry(from)->trigger();
    EXPECT_EQ(title->text(), "Corvinade (paused)");
    EXPECT_TRUE(entry(other)->isChecked());
    entry(other)->trigger();
    EXPECT_FALSE(engine.Privacy().Paused());
    EXPECT_EQ(title->text(), "Corvinade");
  }
}

TEST_F(MainFormTest, APressOnTheCaptionOrTheClientAreaMakesAFadedWindowOpaque) {
  for (const char* part : {"CaptionBar", "Client"}) {
    SCOPED_TRACE(part);
    auto* widget = form.findChild<QWidget*>(QString::fromLatin1(part));
    ASSERT_NE(widget, nullptr);
    form.setWindowOpacity(0.4);  // as the idle fade leaves it
    QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(form.windowOpacity(), 1.0);
  }
}

TEST_F(MainFormTest, CaptionsAreMeasuredInTheButtonFont) {
  const std::string caption = window.MakeCaption(std::string(500, 'W'));
  EXPECT_GE(measure.ButtonTextWidth(caption), 90 - 15);
  EXPECT_LT(measure.ButtonTextWidth(caption.substr(1)), 90 - 15);
}

// "a|b|-|c" for the visible entries of a menu; submenus as "name>(...)".
QString Captions(const QMenu& menu) {
  QStringList out;
  for (QAction* action : menu.actions()) {
    if (!action->isVisible()) continue;
    if (action->isSeparator())
      out << "-";
    else if (action->menu())
      out << action->text() + ">(" + Captions(*action->menu()) + ")";
    else
      out << action->text() + (action->isEnabled() ? "" : "#");
  }
  return out.join('|');
}

TEST_F(MainFormTest, MenusFollowTheCoreModelsAndControlsHaveAccessibleNames) {
  QMenu groupMenu;
  FillMenu(groupMenu, engine.Menus().GroupMenu(), [](int) {});
  EXPECT_EQ(Captions(groupMenu),
            "New Group|Rename Group|Delete Group|Copy Group|-|Group Options|Clear all Clip Buttons|"
            "Mark all Buttons Unused|-|Search Buttons|-|Import Group from File|Export Group to File|-|"
            "Monitor Application|Monitor Window|Cancel Monitoring|-|Cancel");
  state.table.CurrentButton = 2;
  std::vector<int> chosen;
  QMenu buttonMenu;
  FillMenu(buttonMenu, engine.Menus().ButtonMenu(), [&](int command) { chosen.push_back(command); });
  EXPECT_EQ(Captions(buttonMenu),
            "New Button|Edit Button|Clear Button|-|Change to Uppercase|Change to Lowercase|"
            "Capitalize First Letters|More Fixes...>(Remove Leading > and <|Remove Leading Spaces|"
            "Remove Trailing Spaces|Split button into separate lines|Format phone number|Format number|-|Cancel)|"
            "Customize Quick Fixes|-|Change Color>(Maroon - Yellow|-|Color Editor|-|Cancel)|Mark as Used|"
            "Make Permanent|Copy to Group>(Default|-|All Groups|-|Cancel)|-|Cancel");
  // Choosing an entry runs the core's command for it.
  for (QAction* action : buttonMenu.actions())
    if (action->text() == "Mark as Used") action->trigger();
  ASSERT_EQ(chosen.size(), 1u);
  engine.Menus().Choose(chosen[0]);
  EXPECT_TRUE(state.table.Groups[1].Buttons[2].Used);
  EXPECT_EQ(form.ButtonControl(2)->FontColor(), clGray);

  EXPECT_EQ(form.GroupButton->accessibleName(), "Choose group");
  EXPECT_EQ(form.ButtonControl(6)->accessibleName(), "Permanent");
}

TEST(ColorForm, BoxesExampleFavouritesAndReset) {
  TColorForm form(ColorPair{clRed, 0x123456}, {ColorPair{clMaroon, clYellow}, ColorPair{clWhite, clBlue}});
  EXPECT_EQ(form.Chosen(), (ColorPair{clRed, 0x123456}));  // a colour without a name is kept as custom
  EXPECT_EQ(form.ButtonColor->currentText(), "$00123456");
  EXPECT_EQ(form.ExampleButton->Color(), 0x123456);
  form.UseFavorite(1);
  EXPECT_EQ(form.Chosen(), (ColorPair{clWhite, clBlue}));
  EXPECT_EQ(form.ExampleButton->FontColor(), clWhite);
  form.ResetButton->click();
  EXPECT_EQ(form.Chosen(), (ColorPair{clBlack, clBtnFace}));
  form.AddToFavorites();
  EXPECT_EQ(form.Favorites().back(), (ColorPair{clBlack, clBtnFace}));
}

TEST(ColorMap, PlainAndSystemColours) {
  QPalette palette;
  palette.setColor(QPalette::Button, QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(0x0000FF, palette), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(0xFF0000, palette), QColor(0, 0, 255));
  EXPECT_EQ(ToQColor(clBtnFace, palette), QColor(1, 2, 3));
  EXPECT_EQ(ToQColor(SystemColor(26), palette), QColor(0x00, 0x66, 0xCC));
}

}  // namespace
}  // namespace cvd::ui

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  cvd::ui::InstallWindowRoles();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
