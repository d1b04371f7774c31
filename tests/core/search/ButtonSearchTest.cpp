#include "core/search/ButtonSearch.h"

#include <gtest/gtest.h>

#include "core/app/Engine.h"
#include "core/groups/WindowMenus.h"
#include "support/FakeSearchView.h"
#include "support/Harness.h"

namespace cvd::test {
namespace {

using NameText = std::pair<std::string, std::string>;

// Groups "Alpha" (1) and "Beta" (2) of permanent buttons; the user's part
// runs while the dialog shows.
struct SearchFixture : ::testing::Test {
  void SetUp() override {
    Ports ports = h.AllPorts();
    ports.searchView = &view;
    h.Start(ports);
    SetGroup(1, "Alpha", {{"HELLO", "world"}, {"hello there", "hello again"}, {"x", "say Hello"}});
    h.state.table.AddGroup("Beta", "");
    SetGroup(2, "Beta", {{"other", "HELLO"}});
    h.windows.windows[7] = FakeWindow{"editor", "gedit"};
    h.Focus(7);
  }
  void SetGroup(int g, const std::string& name, const std::vector<NameText>& buttons) {
    TGroup& group = h.Group(g);
    group.Name = h.state.table.GroupList[g - 1] = name;
    group.NumClipButtons = 0;
    group.NumPermButtons = static_cast<int>(buttons.size());
    group.ResizeButtons();
    for (std::size_t b = 0; b < buttons.size(); ++b)
      group.Buttons.Set(b + 1, TButton{buttons[b].first, "", buttons[b].second});
  }
  ButtonSearch& Search() { return h.engine->Search(); }
  void WhileOpen(std::function<void()> steps) {
    view.whileShown = std::move(steps);
    Search().Open();
  }
  // Time passes without AdvanceBy, which may not nest in a slice.
  void Tick() {
    h.loop.Sleep(ButtonSearch::kSearchIntervalMs);
    h.loop.ProcessEvents();
  }
  void Type(const std::string& text) {
    Search().SearchForChange(text);
    Tick();
  }
  std::string Keys() {
    std::string keys;
    for (const SearchHit& hit : Search().Hits()) keys += (keys.empty() ? "" : " ") + hit.Key();
    return keys;
  }

  Harness h;
  FakeSearchView view;
};

TEST_F(SearchFixture, FindsByNameOrTextOnceEachWithTheCountInTheLabel) {
  struct Case {
    std::string typed;
    SearchOptions options;
    std::string keys, found;
  } cases[] = {
      {"hello", {true, false, true, true}, "1,1 1,2 1,3 2,1", "4 Buttons Found"},  // listed once though both match
      {"hello", {true, true, true, true}, "1,2", "1 Button Found"},
      {"hello", {true, false, false, true}, "1,2 1,3 2,1", "3 Buttons Found"},
      {"hello", {true, false, true, false}, "1,1 1,2", "2 Buttons Found"},
      {"hello", {false, false, true, true}, "1,1 1,2 1,3", "3 Buttons Found"},  // current group only
      {"", {true, false, true, true}, "", "0 Buttons Found"},
  };
  for (const Case& c : cases) {
    Settings& s = h.state.settings;
    s.SearchAllGroups = c.options.allGroups;
    s.CaseSensitive = c.options.caseSensitive;
    s.SearchButtonName = c.options.name;
    s.SearchButtonTextMenu = c.options.text;
    WhileOpen([&] { Type(c.typed); });
    EXPECT_EQ(Keys(), c.keys) << c.typed << " " << c.options.allGroups << c.options.caseSensitive;
    EXPECT_EQ(view.found, c.found);
  }
}

TEST_F(SearchFixture, OneOfNameAndTextStaysTickedOptionsAndPlaceAreStoredAndEveryEntryOpens) {
  WhileOpen([&] {
    Search().ToggleOption(SearchOption::ButtonText);
    Search().ToggleOption(SearchOption::ButtonName);  // would leave neither
    EXPECT_EQ(view.options, (SearchOptions{true, false, false, true}));
    Search().ToggleOption(SearchOption::ButtonText);
    Search().ToggleOption(SearchOption::CaseSensitive);
    EXPECT_EQ(view.options, (SearchOptions{true, true, true, false}));
    view.frame = Rect{11, 22, 410, 250};
  });
  const std::string ini = ReadTextFile(h.dir.Path() + "corvinade.ini");
  for (const char* line : {"[SearchWindow]", "XPosition=11", "YPosition=22", "Width=410", "Height=250",
                           "CaseSensitive=1", "SearchButtonName=1", "SearchButtonTextMenu=0"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(h.windows.activated.back(), 7u);  // the keyboard goes back on closing
  view.whileShown = {};
  h.engine->HandleSystemCommand(scSearch);
  h.engine->Menus().Choose(cmdSearchButtons);
  h.hotkeys.Press(370);  // Alt+F3
  h.loop.AdvanceBy(100);
  EXPECT_EQ(view.shows, 4);
  EXPECT_EQ(view.shownAt, (Rect{11, 22, 410, 250}));
}

TEST_F(SearchFixture, ActionsNeedARowThatStillNamesItsButtonAndTheEditorClosingSearchesAgain) {
  Search().SetEditButton([&](int g, int b) { h.Group(g).Buttons.SetText(b, "edited"); });
  WhileOpen([&] {
    Type("nowhere");
    Search().ShowClick(std::nullopt);
    EXPECT_EQ(h.ui.messages.at(0).text, kSelectResultFirstText);
    h.ui.captionColors.clear();
    Search().ShowClick(0);  // the empty row of no hits
    Search().PasteClick(0);
    EXPECT_TRUE(h.ui.captionColors.empty());
    Type("say");
    Search().EditClick(0);
    Tick();
    EXPECT_EQ(view.found, "0 Buttons Found");
    Type("there");
    h.Group(1).Buttons.SetName(2, "changed");  // since it was found
    Search().PasteClick(0);
    EXPECT_EQ(view.closes, 0);
  });
  EXPECT_EQ(h.clipboard.Text(), std::nullopt);
}

TEST_F(SearchFixture, AHitAbove999IsShownEditedAndPastedItself) {
  std::vector<NameText> many(1200, {"button", "text"});
  many[1099] = {"the one", "its text"};
  SetGroup(2, "Beta", many);
  NameText edited;
  Search().SetEditButton([&](int g, int b) { edited = {h.Group(g).Name, h.Group(g).Buttons[b].Text}; });
  WhileOpen([&] {
    Type("the one");
    ASSERT_EQ(Keys(), "2,1100");
    Search().ShowClick(0);
    EXPECT_EQ(h.state.table.CurrentGroup, 2);
    std::string blink;
    for (int tick = 0; tick <= 6; ++tick) {
      blink += h.ui.captionColors[1100] == clFuchsia ? 'F' : '-';
      h.loop.AdvanceBy(ButtonSearch::kShowIntervalMs);
    }
    EXPECT_EQ(blink, "F-F-F--");  // ends in its normal colours after 1.25 s
    Search().EditClick(0);
    Search().PasteClick(0);
    EXPECT_EQ(view.closes, 1);
  });
  EXPECT_EQ(edited, NameText("Beta", "its text"));
  EXPECT_EQ(h.clipboard.Text(), "its text");
  EXPECT_EQ(h.windows.foreground, 7u);
}

// Between two slices the user types on and the timer ticks, and the
// editor shrinks and deletes groups: the search ends with the rows of the
// new text over the table as it is, and never reads past it.
TEST_F(SearchFixture, ChangesBetweenSlicesRestartTheSearchAndNeverReadPastTheTable) {
  SetGroup(2, "Beta", std::vector<NameText>(600, {"hello", ""}));
  h.state.table.AddGroup("Gamma", "");
  SetGroup(3, "Gamma", {{"hello", ""}});
  Search().SetSliceMs(0);  // a slice per group and per 256 buttons
  int slices = 0;
  WhileOpen([&] {
    view.betweenSlices = [&] {
      if (++slices != 2) return;
      Search().SearchForChange("THERE");
      Tick();  // the tick finds the search running
    };
    Type("hel");
    Tick();
    EXPECT_EQ(Keys(), "1,2");
    slices = 0;
    view.betweenSlices = [&] {
      if (++slices != 3) return;
      h.Group(2).NumPermButtons = 300;  // the Buttons array keeps its old length
      h.state.table.Groups.pop_back();
      h.state.table.GroupList.pop_back();
    };
    Type("hello");
    EXPECT_FALSE(Search().Searching());
    EXPECT_EQ(Search().Hits().size(), 3u + 300u);
    EXPECT_EQ(Search().Hits().back().Key(), "2,300");
  });
}

}  // namespace
}  // namespace cvd::test
