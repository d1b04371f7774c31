#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace cvd::testing {

AskResult ScriptedUi::NextAnswer(const std::string& text) {
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: " << text;
    return AskResult{MsgResult::Cancel, false};
  }
  AskResult answer = answers_.front();
  answers_.pop_front();
  return answer;
}

MsgResult ScriptedUi::CursorMessageDlg(const std::string& text, MsgKind kind, MsgButtons buttons) {
  messages.push_back({text, kind, buttons});
  if (buttons == MsgButtons::Ok) return MsgResult::Ok;
  return NextAnswer(text).result;
}

AskResult ScriptedUi::CursorMessageDlgAsk(const std::string& text, MsgKind kind, MsgButtons buttons) {
  messages.push_back({text, kind, buttons});
  return NextAnswer(text);
}

void ScriptedUi::Balloon(const std::string& title, const std::string& text, int) {
  balloons.push_back(title + ": " + text);
}

std::optional<std::string> ScriptedUi::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                       bool canCreate) {
  folderDialogs.push_back({title, startFolder, "", canCreate});
  if (folderAnswers_.empty()) {
    ADD_FAILURE() << "unexpected folder dialog: " << title;
    return std::nullopt;
  }
  auto answer = folderAnswers_.front();
  folderAnswers_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::OpenFileDialog(const std::string& title, const std::string& startFolder,
                                                      const std::string& filter) {
  fileDialogs.push_back({title, startFolder, filter, false});
  if (fileAnswers_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << title;
    return std::nullopt;
  }
  auto answer = fileAnswers_.front();
  fileAnswers_.pop_front();
  return answer;
}

void ScriptedUi::ApplyLayout(const WindowLayout& layout) {
  layouts.push_back(layout);
  frame.width = layout.client.width;
  frame.height = layout.client.height;
}

void ScriptedUi::ShowHint(const std::string& text, const Rect& where) {
  hintVisible = true;
  hintText = text;
  hintRect = where;
  ++hintShows;
}

}  // namespace cvd::testing
