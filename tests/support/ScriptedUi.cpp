#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace cvd::test {

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

std::optional<std::string> ScriptedUi::InputQuery(const std::string& caption, const std::string& prompt,
                                                  const std::string& initial) {
  inputQueries.push_back(caption + "|" + prompt + "|" + initial);
  if (inputs_.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt;
    return std::nullopt;
  }
  auto answer = inputs_.front();
  inputs_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::NextFile(const FileDialogOptions& options) {
  fileDialogs.push_back(options);
  if (files_.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << options.title;
    return std::nullopt;
  }
  auto answer = files_.front();
  files_.pop_front();
  return answer;
}

std::optional<std::string> ScriptedUi::SaveFileDialog(const FileDialogOptions& options) { return NextFile(options); }

std::optional<std::string> ScriptedUi::OpenFileDialog(const FileDialogOptions& options) { return NextFile(options); }

std::optional<std::string> ScriptedUi::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                       bool canCreate) {
  folderDialogs.push_back({title, startFolder, canCreate});
  if (folders_.empty()) {
    ADD_FAILURE() << "unexpected folder dialog: " << title;
    return std::nullopt;
  }
  auto answer = folders_.front();
  folders_.pop_front();
  return answer;
}

ColorDialogResult ScriptedUi::ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) {
  colorPresets.push_back(preset);
  if (colors_.empty()) {
    ADD_FAILURE() << "unexpected colour dialog";
    return ColorDialogResult{std::nullopt, favorites};
  }
  const std::optional<ColorPair> chosen = colors_.front();
  colors_.pop_front();
  return ColorDialogResult{chosen, favorites};
}

std::optional<ButtonFields> ScriptedUi::ButtonDialog(const std::string& caption, const ButtonFields&) {
  if (buttonFields_.empty()) {
    ADD_FAILURE() << "unexpected button dialog: " << caption;
    return std::nullopt;
  }
  auto answer = buttonFields_.front();
  buttonFields_.pop_front();
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

}  // namespace cvd::test
