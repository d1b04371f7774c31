#include "support/ScriptedUi.h"

#include <gtest/gtest.h>

namespace cvd::test {
namespace {

// The next queued answer; an unexpected question fails the test and gets `none`.
template <class T>
T Next(std::deque<T>& queue, T none, const std::string& what) {
  if (queue.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    return none;
  }
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

const AskResult kCancelled{MsgResult::Cancel, false};

}  // namespace

MsgResult ScriptedUi::CursorMessageDlg(const std::string& text, MsgKind kind, MsgButtons buttons) {
  messages.push_back({text, kind, buttons});
  return buttons == MsgButtons::Ok ? MsgResult::Ok : Next(answers_, kCancelled, "question: " + text).result;
}

AskResult ScriptedUi::CursorMessageDlgAsk(const std::string& text, MsgKind kind, MsgButtons buttons) {
  messages.push_back({text, kind, buttons});
  return Next(answers_, kCancelled, "question: " + text);
}

void ScriptedUi::Balloon(const std::string& title, const std::string& text, int) {
  balloons.push_back(title + ": " + text);
}

std::optional<std::string> ScriptedUi::InputQuery(const std::string& caption, const std::string& prompt,
                                                  const std::string& initial) {
  inputQueries.push_back(caption + "|" + prompt + "|" + initial);
  return Next(inputs_, {}, "input box: " + prompt);
}

std::optional<std::string> ScriptedUi::SaveFileDialog(const FileDialogOptions& options) {
  fileDialogs.push_back(options);
  return Next(files_, {}, "file dialog: " + options.title);
}

std::optional<std::string> ScriptedUi::OpenFileDialog(const FileDialogOptions& options) {
  return SaveFileDialog(options);
}

std::optional<std::string> ScriptedUi::BrowseForFolder(const std::string& title, const std::string& startFolder,
                                                       bool canCreate) {
  folderDialogs.push_back({title, startFolder, canCreate});
  return Next(folders_, {}, "folder dialog: " + title);
}

ColorDialogResult ScriptedUi::ColorDialog(const ColorPair& preset, const std::vector<ColorPair>& favorites) {
  colorPresets.push_back(preset);
  return ColorDialogResult{Next(colors_, {}, "colour dialog"), favorites};
}

void ScriptedUi::ApplyLayout(const WindowLayout& layout) {
  layouts.push_back(layout);
  SetClientSize(layout.client);
}

void ScriptedUi::ShowHint(const std::string& text, const Rect& where) {
  hintVisible = true;
  hintText = text;
  hintRect = where;
  ++hintShows;
}

}  // namespace cvd::test
