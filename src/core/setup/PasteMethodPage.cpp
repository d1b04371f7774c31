#include "core/setup/PasteMethodPage.h"

#include <algorithm>

#include "core/log/Log.h"
#include "core/paste/Paster.h"

namespace cvd {

namespace {

constexpr const char* kNewNotice =
    "Click OK and DIRECTLY after that on the title bar\nof the window you want to associate with this paste method.";
constexpr const char* kTestNotice = "Click OK and DIRECTLY after that on the window that you want to test.";
constexpr const char* kLastMethodText = "You can not delete the last paste method.\n\nPlease edit it instead.";
constexpr const char* kFullText =
    "There is no room for another paste method: the list holds 50.\n\nPlease edit or delete one instead.";

}  // namespace

std::string MatchLabelText(int match) {
  switch (match) {
    case pmBeginning: return "Match beginning";
    case pmAnywhere: return "Match anywhere";
    case pmEnding: return "Match ending";
    case pmExactly: return "Match exactly";
    default: return {};
  }
}

PasteMethodPage::PasteMethodPage(PasteMethodPorts ports, PasteMethods& methods, Paster& paster)
    : ports_(ports), methods_(methods), paster_(paster), pick_(ports.loop, ports.windows, ports.keyboard) {}

PasteMethodPage::~PasteMethodPage() = default;

void PasteMethodPage::Load() {
  if (methods_.empty()) methods_ = DefaultPasteMethods();
  if (current_ < 0 || current_ >= static_cast<int>(methods_.size())) current_ = 0;
}

void PasteMethodPage::Select(int index) {
  if (Waiting() || index < 0 || index >= static_cast<int>(methods_.size())) return;
  current_ = index;
}

const PasteMethod& PasteMethodPage::Method() const {
  return current_ >= 0 && current_ < static_cast<int>(methods_.size()) ? methods_[current_] : none_;
}

PasteMethod* PasteMethodPage::Editable() {
  if (Waiting() || current_ < 0 || current_ >= static_cast<int>(methods_.size())) return nullptr;
  return &methods_[current_];
}

void PasteMethodPage::Rename(const std::string& title) {
  if (PasteMethod* method = Editable()) method->Title = title;
}

void PasteMethodPage::SetKeyMacro(const std::string& macro) {
  if (PasteMethod* method = Editable()) method->KeyMacro = macro;
}

void PasteMethodPage::SetDelay(int ms) {
  if (PasteMethod* method = Editable()) method->Delay = std::clamp(ms, kMinPasteMethodDelay, kMaxPasteMethodDelay);
}

void PasteMethodPage::ChooseMatch(int match) {
  PasteMethod* method = Editable();
  if (method && !MatchLabelText(match).empty()) method->Match = match;
}

bool PasteMethodPage::Full() const { return static_cast<int>(methods_.size()) >= kPasteKeysCapacity; }

void PasteMethodPage::NewWinButtonClick() {
  if (Waiting()) return;
  if (Full()) {
    ports_.ui.CursorMessageDlg(kFullText, MsgKind::Warning, MsgButtons::Ok);
    return;
  }
  StartWait(Wait::New, kNewNotice);
}

void PasteMethodPage::TestWinButtonClick() {
  if (!Waiting()) StartWait(Wait::Test, kTestNotice);
}

void PasteMethodPage::DelWinButtonClick() {
  if (!Editable()) return;
  if (methods_.size() < 2) {
    ports_.ui.CursorMessageDlg(kLastMethodText, MsgKind::Warning, MsgButtons::Ok);
    return;
  }
  const std::string question =
      "Window title: " + Method().Title + "\n\n" + "Are you sure you want to delete this paste method?";
  if (ports_.ui.CursorMessageDlg(question, MsgKind::Confirmation, MsgButtons::YesNo) != MsgResult::Yes) return;
  methods_.erase(methods_.begin() + current_);
  current_ = 0;
}

void PasteMethodPage::StartWait(Wait wait, const char* notice) {
  // Marked before the question, so that a press that arrives while it is
  // shown cannot start a second wait.
  wait_ = wait;
  if (ports_.ui.CursorMessageDlg(notice, MsgKind::Information, MsgButtons::OkCancel) != MsgResult::Ok) {
    wait_ = Wait::None;
    return;
  }
  pick_.Start([this](WindowId window) { return WindowPicked(window); }, [this] { CancelWait(); });
}

void PasteMethodPage::CancelWait() {
  const bool waited = Waiting();
  pick_.Cancel();
  wait_ = Wait::None;
  if (waited) changed_();
}

bool PasteMethodPage::WindowPicked(WindowId window) {
  std::string title;
  try {
    title = TitleForMatching(ports_.windows.Title(window));
  } catch (...) {
    LogWarning("setup", "the picked window's title could not be read: " + CurrentExceptionText());
    return false;  // the window went away; the user may pick another
  }
  const Wait wait = wait_;
  wait_ = Wait::None;
  if (wait == Wait::Test && Editable()) paster_.TestPasteMethod(Method(), title);
  // The table cannot fill up while the page waits; the check keeps it within its room all the same.
  if (wait == Wait::New && !Full()) {
    methods_.push_back(NewPasteMethod(title.empty() ? kUntitledWindow : title));
    current_ = static_cast<int>(methods_.size()) - 1;
  }
  changed_();
  return true;
}

}  // namespace cvd
