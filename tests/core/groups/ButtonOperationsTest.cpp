#include "core/groups/ButtonOperations.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/groups/FavoriteColors.h"
#include "core/groups/WindowMenus.h"
#include "support/Harness.h"

namespace cvd::test {
namespace {

// The default group: clips 1..5 hold "c1".."c5", button 6 is permanent.
struct ButtonsFixture : ::testing::Test {
  void SetUp() override {
    // Saves write the data folder; each case starts from the defaults.
    std::filesystem::remove(h.dir.Path() + "corvinade.dat");
    std::filesystem::remove(h.dir.Path() + "corvinade.ini");
    h.Start();
    for (int b = 1; b <= 5; ++b)
      h.Group().Buttons.SetName(b, "c" + std::to_string(b)), h.Group().Buttons.SetText(b, "c" + std::to_string(b));
    h.Group().Buttons.SetText(6, "perm");
  }
  ButtonOperations& Ops() { return h.engine->Menus().Buttons(); }
  // The user types these fields into the editor and presses OK.
  void EditWith(ButtonFields fields) {
    h.editorView.whileShown = [this, fields] {
      ButtonEditor& editor = h.engine->Editor();
      h.editorView.focus = editor.InitialFocus();
      editor.SetName(fields.name);
      editor.SetHint(fields.hint);
      editor.SetText(fields.text);
      editor.OkClick();
    };
  }
  std::string Texts() {
    std::string out;
    for (int b = 1; b <= h.Group().TotalButtons(); ++b) out += (b > 1 ? "," : "") + h.Group().Buttons[b].Text;
    return out;
  }

  Harness h;
};

TEST_F(ButtonsFixture, MoveKeepsButtonsOnTheirSideOfTheClipBoundary) {
  struct Case {
    int from, to, result;
    const char* texts;
  } cases[] = {
      {1, 3, 0, "c2,c3,c1,c4,c5,perm"},    {4, 2, 0, "c1,c4,c2,c3,c5,perm"}, {3, 3, 0, "c1,c2,c3,c4,c5,perm"},
      {2, 6, 1, "c1,c2,c3,c4,c5,perm,c2"},  // a clip on a permanent place: a permanent copy
      {6, 1, 0, "c1,c2,c3,c4,c5,perm"},     // a permanent button stays permanent
  };
  for (const auto& c : cases) {
    SetUp();
    EXPECT_EQ(Ops().MoveButton(c.from, c.to, 1), c.result);
    EXPECT_EQ(Texts(), c.texts) << c.from << "->" << c.to;
  }
}

TEST_F(ButtonsFixture, GestureOutsideTheWindowAppliesItsQuickFix) {
  // The window at 100,100 of 90x140; the dragged button at 100,120 of 90x20.
  const Rect control{100, 120, 90, 20};
  struct Case {
    Point drop;
    const char* text;  // of button 1 afterwards
    bool menu;
  } cases[] = {
      {{170 + 30, 130}, "C1", false},  // beside the row, 30 px right of the start
      {{170 + 25, 130}, "c1", true},   // not far enough
      {{80, 130}, "c1", true},         // left gesture without a fix
      {{150, 300}, "C1", false},       // below the window: down gesture (Capitalize)
      {{400, 300}, "c1", true},        // neither beside the row nor below the window
      {{185, 130}, "c1", true},        // inside the window (a plain right click)
  };
  for (const auto& c : cases) {
    SetUp();
    h.state.settings.GestRight = 0;  // Change to Uppercase
    h.state.settings.GestLeft = 99;  // beyond the list: none
    h.state.settings.GestDown = 2;   // Capitalize First Letters
    h.ui.frame = Rect{100, 100, 90, 140};
    h.ui.pointer = c.drop;
    h.ui.buttonMenus.clear();
    Ops().RightPress(Point{170, 130});
    Ops().ButtonEndDrag(1, c.drop, control);
    EXPECT_EQ(h.Group().Buttons[1].Text, c.text) << c.drop.x << "," << c.drop.y;
    EXPECT_EQ(h.ui.buttonMenus, c.menu ? std::vector<Point>{c.drop} : std::vector<Point>{}) << c.drop.x;
  }
}

TEST_F(ButtonsFixture, ClearingAClipMovesItAwayFromWhereClipsEnter) {
  for (int fillMode : {1, 2}) {
    SetUp();
    h.Group().FillMode = fillMode;
    h.ui.Answer(MsgResult::Yes);
    EXPECT_TRUE(Ops().DeleteButton(1, 3, false));
    EXPECT_EQ(Texts(), fillMode == 1 ? "c1,c2,c4,c5,,perm" : ",c1,c2,c4,c5,perm");
  }
  // Ticking the box with No keeps the button but asks no more.
  h.ui.Answer(MsgResult::No, true);
  EXPECT_FALSE(Ops().DeleteButton(1, 6, false));
  EXPECT_TRUE(Ops().DeleteButton(1, 6, false));
  EXPECT_EQ(h.Group().NumPermButtons, 0);
}

TEST_F(ButtonsFixture, NewButtonOnAClipBecomesTheFirstPermanentAndCancelRemovesOnlyIt) {
  h.state.table.CurrentButton = 2;
  EditWith(ButtonFields{"Mine", "hint", "text"});
  Ops().MenuNewButtonClick();
  EXPECT_EQ(Texts(), "c1,c2,c3,c4,c5,text,perm");
  EXPECT_EQ(h.Group().Buttons[6].FontColor, clRed);
  EXPECT_EQ(h.editorView.focus, EditorFocus::Name);  // "New" is typed over
  // Cancelled while the buttons moved: the untouched new one goes, wherever it is.
  h.state.table.CurrentButton = 6;
  Ops().SetEditor([&](int g, int b, bool isNew) {
    EXPECT_TRUE(isNew && b == 7);
    Ops().MoveButton(7, 6, g);
    return false;
  });
  Ops().MenuNewButtonClick();
  EXPECT_EQ(Texts(), "c1,c2,c3,c4,c5,text,perm");
}

TEST_F(ButtonsFixture, EditKeepsAnAutomaticClipNameFollowingTheText) {
  h.Group().Buttons.SetName(1, h.engine->Window().MakeCaption("c1"));
  h.state.table.CurrentButton = 1;
  EditWith(ButtonFields{h.Group().Buttons[1].Name, "", "new text"});
  Ops().MenuEditButtonClick();
  EXPECT_EQ(h.Group().Buttons[1].Name, h.engine->Window().MakeCaption("new text"));
  h.state.table.CurrentButton = 6;
  EditWith(ButtonFields{"Named", "", "other"});
  Ops().MenuEditButtonClick();
  EXPECT_EQ(h.Group().Buttons[6].Name, "Named");
}

TEST_F(ButtonsFixture, CommandsOnAButtonOfAnotherGroupDoNothing) {
  h.state.table.CurrentButton = 9;  // the default group has 6 buttons
  h.state.settings.NumFavs = 1;
  WindowMenus& menus = h.engine->Menus();
  const std::string before = Texts();
  for (int command :
       {cmdFavoriteColor, cmdQuickFix, cmdColorEditor, cmdMarkUsed, cmdMakePermanent, cmdDeleteButton, cmdEditButton}) {
    menus.Choose(command);
  }
  EXPECT_EQ(Texts(), before);
  EXPECT_TRUE(h.ui.colorPresets.empty());
}

TEST_F(ButtonsFixture, ButtonMenuCaptionsFollowTheButton) {
  WindowMenus& menus = h.engine->Menus();
  struct Case {
    int button;
    bool used;
    const char *third, *mark;
    bool permanentShown;
  } cases[] = {{1, false, "Clear Button", "Mark as Used", true}, {6, true, "Delete Button", "Mark as Unused", false}};
  for (const auto& c : cases) {
    h.state.table.CurrentButton = c.button;
    h.Group().Buttons.SetUsed(c.button, c.used);
    const MenuModel menu = menus.ButtonMenu();
    EXPECT_EQ(menu[2].caption, c.third);
    EXPECT_EQ(FindCommand(menu, cmdMarkUsed)->caption, c.mark);
    EXPECT_EQ(FindCommand(menu, cmdMakePermanent)->visible, c.permanentShown);
  }
}

TEST_F(ButtonsFixture, FavouriteColoursAndTheColourEditor) {
  h.state.settings.NumFavs = 2;
  h.state.settings.FavTextColor[1] = clRed;
  h.state.settings.FavButtonColor[1] = 0x123456;
  const MenuModel menu = h.engine->Menus().ButtonMenu();
  EXPECT_EQ(MenuCaptions(menu[10].children), "Maroon - Yellow|Red - 0123456|-|Color Editor|-|Cancel");
  h.state.table.CurrentButton = 2;
  h.engine->Menus().Choose(cmdFavoriteColor + 1);
  EXPECT_EQ(h.Group().Buttons[2].Color, 0x123456);
  h.ui.AnswerColor(ColorPair{clBlue, clWhite});
  h.engine->Menus().Choose(cmdColorEditor);
  EXPECT_EQ(h.ui.colorPresets.back(), (ColorPair{clRed, 0x123456}));
  EXPECT_EQ(h.Group().Buttons[2].Color, clWhite);
  // The dialog's list rules.
  std::vector<ColorPair> favorites(9, ColorPair{clBlack, clBlack});
  favorites[0] = ColorPair{clRed, clWhite};
  EXPECT_EQ(AddFavorite(favorites, ColorPair{clRed, clWhite}), std::optional<std::string>(kFavoriteExistsText));
  EXPECT_EQ(AddFavorite(favorites, ColorPair{clRed, clBlue}), std::nullopt);
  EXPECT_EQ(AddFavorite(favorites, ColorPair{clBlue, clRed}), std::optional<std::string>(kFavoritesFullText));
}

}  // namespace
}  // namespace cvd::test
