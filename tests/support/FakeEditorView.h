#pragma once
// The button editor's form for tests: while "shown" it runs the test's
// script, which acts as the user would, and records what the core asked.
#include <functional>
#include <string>
#include <vector>

#include "core/ports/EditorView.h"

namespace cvd::test {

class FakeEditorView final : public EditorView {
 public:
  bool ShowModal(EditorPage page) override {
    shownPages.push_back(page);
    closedOk = false;
    if (whileShown) whileShown();
    return closedOk;
  }
  void Close(bool ok) override {
    closedOk = ok;
    ++closes;
  }
  void ShowPage(EditorPage page) override { this->page = page; }
  void ShowButton() override { ++buttonShows; }
  void ShowGroups() override {}
  void ShowCaption(const std::string& text) override { caption = text; }
  void Focus(EditorFocus where) override { focus = where; }
  TextSelection Selection() override { return selection; }
  void SetSelection(TextSelection s) override { selection = s; }

  std::function<void()> whileShown;  // the user's actions while the form is open
  std::vector<EditorPage> shownPages;
  EditorPage page = EditorPage::Button;
  EditorFocus focus = EditorFocus::Text;
  TextSelection selection;
  std::string caption;
  bool closedOk = false;
  int closes = 0, buttonShows = 0;
};

}  // namespace cvd::test
