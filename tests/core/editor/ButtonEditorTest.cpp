#include "core/editor/ButtonEditor.h"

#include <gtest/gtest.h>

#include "core/editor/EditorTexts.h"
#include "support/Harness.h"

namespace cvd::test {
namespace {

// Groups A, B, C; in A clips 1..5 hold "c1".."c5" (named so) and button 6
// the permanent "perm".
struct EditorFixture : ::testing::Test {
  void SetUp() override {
    h.Start();
    h.MakeGroupsABC();
    GroupTable& t = h.state.table;
    for (int b = 1; b <= 5; ++b)
      A().Buttons.SetName(b, "c" + std::to_string(b)), A().Buttons.SetText(b, "c" + std::to_string(b));
    A().Buttons.SetName(6, "perm"), A().Buttons.SetText(6, "perm");
    t.CurrentGroup = 1;
  }
  TGroup& A() { return h.Group(1); }
  ButtonEditor& Ed() { return h.engine->Editor(); }
  // Opens the editor on button b of group g and acts in it as the user.
  bool Edit(int g, int b, const std::function<void(ButtonEditor&)>& user) {
    h.editorView.whileShown = [this, user] { user(Ed()); };
    return Ed().Open(g, b, EditorPage::Button);
  }
  std::string Texts(int g = 1) {
    std::string out;
    for (int b = 1; b <= h.Group(g).TotalButtons(); ++b) out += (b > 1 ? "," : "") + h.Group(g).Buttons[b].Text;
    return out;
  }

  Harness h;
};

TEST(EditorTexts, CaptionCountsCharactersWordsAndLines) {
  struct Case {
    const char* text;
    const char* caption;
  } cases[] = {
      {"a b\r\nc", "Edit Button [4 characters, 3 words, 2 lines]"},
      {"", "Edit Button [0 characters, 0 words, 0 lines]"},
      {"a\tb  \r\n\r\n", "Edit Button [5 characters, 1 words, 3 lines]"},  // a tab belongs to the word
      {"Grüße", "Edit Button [5 characters, 1 words, 1 lines]"},
  };
  for (const auto& c : cases) EXPECT_EQ(EditCaption(c.text), c.caption) << c.text;
}

TEST_F(EditorFixture, NewButtonIsAlwaysPermanentAfterTheSelectedOne) {
  struct Case {
    int selected, placed;
  } cases[] = {{2, 6}, {6, 7}};
  for (const auto& c : cases) {
    SetUp();
    Edit(1, 3, [&](ButtonEditor& e) {
      e.SelectButton(c.selected);
      e.NewButton();
      EXPECT_EQ(e.EditedButton(), c.placed);
      EXPECT_EQ(h.editorView.focus, EditorFocus::Name);
      e.SetText("fresh");
      e.OkClick();
    });
    EXPECT_EQ(A().NumPermButtons, 2);
    EXPECT_EQ(A().Buttons[c.placed].Name, "New");
    EXPECT_EQ(A().Buttons[c.placed].Text, "fresh");
    EXPECT_EQ(A().Buttons[c.placed].FontColor, clBlack);
  }
}

TEST_F(EditorFixture, LeavingAChangedButtonAsksFirst) {
  struct Case {
    MsgResult answer;
    const char* text3;
    int edited;
  } cases[] = {{MsgResult::Yes, "typed", 2}, {MsgResult::No, "c3", 2}, {MsgResult::Cancel, "c3", 3}};
  for (const auto& c : cases) {
    SetUp();
    h.ui.Answer(c.answer);
    Edit(1, 3, [&](ButtonEditor& e) {
      e.SetText("typed");
      e.SelectButton(2);
      e.EditSelectedButton();
      EXPECT_EQ(e.EditedButton(), c.edited);
      e.CancelClick();
    });
    EXPECT_EQ(h.ui.messages.back().text, "Do you want to save the changes to the c3 button?");
    EXPECT_EQ(A().Buttons[3].Text, c.text3);
  }
}

TEST_F(EditorFixture, DeleteAndClearKeepTheEditedNumberOnItsButton) {
  struct Case {
    int edited, deleted;
    int editedAfter;
    const char* nameAfter;  // the button the editor shows afterwards
  } cases[] = {
      {6, 6, 1, "c1"},  // the edited permanent button itself: button 1
      {3, 1, 2, "c3"},  // a clip before it was emptied and went to the end
      {1, 1, 5, ""},    // the edited clip itself follows to the end, emptied
      {3, 6, 3, "c3"},  // a permanent button after it
  };
  for (const auto& c : cases) {
    SetUp();
    h.state.settings.DontAskDelete = h.state.settings.DontAskClearBut = true;
    Edit(1, c.edited, [&](ButtonEditor& e) {
      e.SelectButton(c.deleted);
      e.DeleteSelectedButton();
      EXPECT_EQ(e.EditedButton(), c.editedAfter) << c.edited << "/" << c.deleted;
      EXPECT_EQ(e.Fields().fields.text, c.nameAfter) << c.edited << "/" << c.deleted;
    });
  }
}

TEST_F(EditorFixture, SortPutsEmptyClipsLastAndTheEditedNumberFollows) {
  const char* names[] = {"", "b", "Empty", "a", "Empty", "C"};
  for (int b = 1; b <= 5; ++b) {
    A().Buttons.SetName(b, names[b]);
    A().Buttons.SetText(b, b == 2 || b == 4 ? "" : names[b]);
  }
  A().Buttons.SetName(4, "Empty");
  h.ui.Answer(MsgResult::Yes);
  Edit(1, 1, [&](ButtonEditor& e) {
    e.SetText("b edited");
    e.SortButtons();
    EXPECT_EQ(e.EditedButton(), 2);
    e.OkClick();
  });
  EXPECT_EQ(Texts(), "a,b edited,C,,,perm");
  EXPECT_EQ(A().Buttons[4].Name, "Empty");
  EXPECT_EQ(A().Buttons[5].Name, "Empty");
}

TEST_F(EditorFixture, DragMovesKeepTheEditedNumberOnItsButton) {
  struct Case {
    int edited, from, to, editedAfter;
  } cases[] = {{2, 2, 4, 4}, {3, 1, 4, 2}, {3, 4, 1, 4}, {5, 4, 9, 5}, {6, 1, 6, 6}};
  for (const auto& c : cases) {
    SetUp();
    Edit(1, c.edited, [&](ButtonEditor& e) {
      e.SelectButton(c.from);
      e.DropOnButtonList(c.to);
      EXPECT_EQ(e.EditedButton(), c.editedAfter) << c.from << "->" << c.to;
      e.SetHint("h");
      e.OkClick();
    });
    EXPECT_EQ(A().Buttons[c.editedAfter].Hint, "h");
  }
}

TEST_F(EditorFixture, DropOnItsOwnGroupCopiesIntoIt) {
  Edit(1, 6, [&](ButtonEditor& e) {
    e.SelectButton(2);
    e.DropButtonOnGroup(0);  // A itself; no empty clip there
    EXPECT_EQ(e.EditedButton(), 7);
    e.SetHint("still perm");
    e.OkClick();
  });
  EXPECT_EQ(Texts(), "c1,c2,c3,c4,c5,c2,perm");
  EXPECT_EQ(A().Buttons[7].Hint, "still perm");
}

TEST_F(EditorFixture, ClipCountChangesMoveTheEditedNumberAndAskBeforeCuttingItOff) {
  // The permanent button moves with the clip range.
  Edit(1, 6, [&](ButtonEditor& e) {
    e.SetText("perm edited");
    e.SetNumClipButtons(3);
    EXPECT_EQ(e.EditedButton(), 4);
    e.OkClick();
  });
  EXPECT_EQ(Texts(), "c1,c2,c3,perm edited");
  // The edited clip would be cut off: the question comes first; Cancel keeps it.
  SetUp();
  h.ui.Answer(MsgResult::Cancel);
  h.ui.Answer(MsgResult::No);
  Edit(1, 5, [&](ButtonEditor& e) {
    e.SetText("changed");
    e.SetNumClipButtons(2);
    EXPECT_EQ(A().NumClipButtons, 5);
    e.SetNumClipButtons(2);
    EXPECT_EQ(e.EditedButton(), 1);
    e.OkClick();
  });
  EXPECT_EQ(Texts(), "c1,c2,perm");
}

TEST_F(EditorFixture, TheEditedGroupFollowsDeletions) {
  h.ui.Answer(MsgResult::Yes);
  Edit(2, 1, [&](ButtonEditor& e) {
    e.SelectGroupRow(0);
    e.DeleteGroup();  // A goes; B moves down to number 1
    EXPECT_EQ(e.EditedGroup(), 1);
    e.SetText("into B");
    e.OkClick();
  });
  EXPECT_EQ(h.Group(1).Name, "B");
  EXPECT_EQ(h.Group(1).Buttons[1].Text, "into B");
  // Deleting the edited group loads button 1 of the first group.
  h.ui.Answer(MsgResult::Yes);
  Edit(2, 6, [&](ButtonEditor& e) {
    e.SetText("lost");
    e.SelectGroupRow(1);
    e.DeleteGroup();
    EXPECT_EQ(e.EditedGroup(), 1);
    EXPECT_EQ(e.EditedButton(), 1);
    EXPECT_FALSE(e.Changed());
    e.OkClick();
  });
  EXPECT_EQ(h.state.table.GroupList, (std::vector<std::string>{"B"}));
  EXPECT_EQ(h.Group(1).Buttons[1].Text, "into B");
}

TEST_F(EditorFixture, ApplyToAllKeepsCountsColumnsAndDelays) {
  h.Group(2).NumColumns = 2;
  h.Group(2).PasteDelay = 300;
  h.ui.Answer(MsgResult::Yes);
  Edit(1, 1, [&](ButtonEditor& e) {
    e.SetNumClipButtons(7);
    e.SetPasteDelay(5000);
    e.SetButtonSize(10, 99);
    e.SetFillMode(2);
    e.ApplyToAllGroups();
  });
  const std::string& message = h.ui.messages.back().text;
  EXPECT_EQ(
      message.find("This will apply the following settings to all groups:\n\n-Fill clipboard buttons from bottom\n"),
      0u);
  EXPECT_NE(message.find("-50 by 40 pixels button size\n"), std::string::npos);
  EXPECT_NE(message.find("-Use Control-V to paste \n\nDo you"), std::string::npos);
  EXPECT_EQ(A().PasteDelay, kMaxPasteDelay);
  const TGroup& b = h.Group(2);
  EXPECT_EQ(b.NumClipButtons, 5);
  EXPECT_EQ(b.NumColumns, 2);
  EXPECT_EQ(b.PasteDelay, 300);
  EXPECT_EQ(b.FillMode, 2);
  EXPECT_EQ(b.ButtonWidth, 50);
}

TEST_F(EditorFixture, ColourButtonStartsFromTheLastChosenColours) {
  constexpr TColor kLastText = 0x123456;
  h.state.settings.DefTextColor = kLastText;
  h.ui.AnswerColor(ColorPair{clBlue, clWhite});
  Edit(1, 6, [&](ButtonEditor& e) {
    e.ColorButtonPressed();
    EXPECT_TRUE(e.Changed());
    EXPECT_EQ(e.Fields().fontColor, kLastText);
    e.ColorButtonClicked();
    e.OkClick();
  });
  EXPECT_EQ(h.ui.colorPresets.back(), (ColorPair{kLastText, clBtnFace}));
  EXPECT_EQ(A().Buttons[6].FontColor, clBlue);
  EXPECT_EQ(h.state.settings.DefButtonColor, clWhite);
}

TEST_F(EditorFixture, OpenEditorKeepsClipsOutAndSoundNeedsItsFile) {
  Edit(1, 1, [&](ButtonEditor& e) {
    h.clipboard.Copy("while editing");
    h.loop.AdvanceBy(200);
    e.SetPlaySound(true);
    EXPECT_FALSE(A().PlaySound);
  });
  EXPECT_EQ(A().Buttons[1].Text, "c1");
}

}  // namespace
}  // namespace cvd::test
