#include "core/quickfix/QuickFixRunner.h"

#include <algorithm>

#include "core/ports/Messages.h"
#include "core/ports/Shell.h"
#include "core/quickfix/Dial.h"
#include "core/quickfix/QuickFixMenu.h"

namespace cvd {

class QuickFixRunner::Effects : public QuickFixEffects {
 public:
  explicit Effects(QuickFixRunner& runner) : runner_(runner) {}

  void FillNewButtons(std::vector<std::string> texts) override {
    if (TGroup* group = runner_.CurrentGroup()) {
      const int count = ShiftInNewClips(*group, std::move(texts), runner_.host_.makeCaption);
      if (runner_.host_.clipsShifted) runner_.host_.clipsShifted(*group, count);
    }
  }

  void Dial(const std::string& dialString) override {
    // A refused or failed call is not reported.
    if (runner_.host_.shell != nullptr) runner_.host_.shell->Open(TelUrl(dialString));
  }

  void SetButtonColor(TColor face, std::optional<TColor> fontColor) override {
    if (runner_.editor_ != nullptr) {
      runner_.editor_->SetSampleColors(face, fontColor);
      return;
    }
    const GroupTable* table = runner_.host_.table;
    if (table == nullptr) return;
    if (ButtonList* buttons = runner_.ButtonsHolding(table->CurrentButton)) {
      buttons->SetColor(table->CurrentButton, face);
      if (fontColor) buttons->SetFontColor(table->CurrentButton, *fontColor);
    }
  }

 private:
  QuickFixRunner& runner_;
};

QuickFixRunner::QuickFixRunner(QuickFixHost host) : host_(std::move(host)) {}

TGroup* QuickFixRunner::CurrentGroup() {
  GroupTable* table = host_.table;
  if (table == nullptr || table->CurrentGroup < 1 || table->CurrentGroup > table->GroupCount()) return nullptr;
  return &table->Current();
}

ButtonList* QuickFixRunner::ButtonsHolding(int button) {
  TGroup* group = CurrentGroup();
  if (group == nullptr || button < 1 || button > group->TotalButtons() ||
      static_cast<std::size_t>(button) >= group->Buttons.size()) {
    return nullptr;
  }
  return &group->Buttons;
}

void QuickFixRunner::SetFixedText(ButtonList& buttons, int button, const std::string& text) const {
  buttons.SetStrings(button, host_.makeCaption ? host_.makeCaption(text) : std::string(), buttons.Hint(button), text);
}

void QuickFixRunner::FillNewButton(const std::string& text) {
  if (TGroup* group = CurrentGroup()) {
    const int count = ShiftInNewClip(*group, text, host_.makeCaption) > 0 ? 1 : 0;
    if (host_.clipsShifted) host_.clipsShifted(*group, count);
  }
}

void QuickFixRunner::Redisplay(bool resetFade) {
  if (host_.display) host_.display();
  if (resetFade && host_.resetFadeTimer) host_.resetFadeTimer();
}

std::optional<std::string> QuickFixRunner::DoQuickFix(int i, const std::string& text) {
  static const QuickFixList kNoFixes;
  Effects effects(*this);
  QuickFixResult result = cvd::DoQuickFix(host_.fixes != nullptr ? *host_.fixes : kNoFixes, i, text, effects,
                                          separators_ ? *separators_ : SystemNumberSeparators(), maxText_);
  if (result.error) {
    if (host_.ui != nullptr) host_.ui->CursorMessageDlg(*result.error, MsgKind::Error, MsgButtons::Ok);
    return std::nullopt;
  }
  return std::move(result.text);
}

void QuickFixRunner::MenuQuickFixClick(int tag) {
  const QuickFixMenuItem item = DecodeQuickFixTag(tag);
  if (item.source == QuickFixMenuSource::ButtonMenu) {
    ApplyFromButtonMenu(item.entry);
  } else {
    ApplyFromEditorMenu(item.entry);
  }
}

void QuickFixRunner::ApplyFromButtonMenu(int i) {
  if (host_.table == nullptr) return;
  const int number = host_.table->CurrentButton;
  const ButtonList* buttons = ButtonsHolding(number);
  if (buttons == nullptr) return;
  const auto result = DoQuickFix(i, std::string(buttons->Text(number)));
  // A split shifts the clip buttons, so the button is looked up again.
  const bool splits = host_.fixes != nullptr && ActionSplits(host_.fixes->Action(i));
  if (result && !splits && *result != NoChangeText) {
    if (ButtonList* target = ButtonsHolding(number)) SetFixedText(*target, number, *result);
  }
  // Displayed even after an invalid value: a colour set before it shows.
  Redisplay(true);
}

void QuickFixRunner::ApplyFromEditorMenu(int i) {
  if (editor_ == nullptr) return;
  EditorText state = editor_->GetText();
  state.selStart = std::min(state.selStart, state.text.size());
  state.selLength = std::min(state.selLength, state.text.size() - state.selStart);
  const bool selected = state.selLength > 0;
  const std::string input = selected ? state.text.substr(state.selStart, state.selLength) : state.text;
  const auto result = DoQuickFix(i, input);
  if (result) {
    if (host_.fixes != nullptr && ActionSplits(host_.fixes->Action(i))) {
      // The editor goes back to what the button has stored.
      const int number = host_.table != nullptr ? host_.table->CurrentButton : 0;
      if (const ButtonList* buttons = host_.table != nullptr ? ButtonsHolding(number) : nullptr) {
        state = EditorText{std::string(buttons->Text(number)), 0, 0, std::string(buttons->Name(number))};
        editor_->SetText(state);
      }
    } else if (*result != NoChangeText) {
      if (selected) {
        state.text.replace(state.selStart, state.selLength, *result);
        state.selStart += result->size();
      } else {
        state.text = *result;
        state.selStart = 0;
      }
      state.selLength = 0;
      state.name = host_.makeCaption ? host_.makeCaption(state.text) : std::string();
      editor_->SetText(state);
    }
  }
  Redisplay(true);
}

bool QuickFixRunner::ApplyToButton(int i, int button) {
  const ButtonList* source = ButtonsHolding(button);
  if (source == nullptr) return false;
  const auto result = DoQuickFix(i, std::string(source->Text(button)));
  bool stored = false;
  if (result && *result != NoChangeText) {
    if (ButtonList* target = ButtonsHolding(button)) {
      SetFixedText(*target, button, *result);
      stored = true;
    }
  }
  Redisplay(false);
  return stored;
}

void QuickFixRunner::DialPhoneNumber(const std::string& text, const std::string& prefix) {
  const std::string dialString = DialString(text, prefix);
  if (!dialString.empty()) Effects(*this).Dial(dialString);
}

}  // namespace cvd
