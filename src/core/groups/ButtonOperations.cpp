#include "core/groups/ButtonOperations.h"

#include <algorithm>

#include "core/groups/FavoriteColors.h"
#include "core/quickfix/QuickFixRunner.h"

namespace cvd {

namespace {
bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right() && p.y >= r.top && p.y < r.bottom(); }

TButton NewButtonRecord() {
  TButton button;
  button.Name = "New";
  button.FontColor = clRed;
  return button;
}
}  // namespace

ButtonOperations::ButtonOperations(GroupTable& table, Settings& settings, Messages& ui, ButtonWindowView& windowView,
                                   ColorDialogView& colors, QuickFixRunner& quickFixes, ButtonHooks hooks)
    : table_(table),
      settings_(settings),
      ui_(ui),
      windowView_(windowView),
      colors_(colors),
      quickFixes_(quickFixes),
      hooks_(std::move(hooks)) {}

ButtonList* ButtonOperations::CurrentButtonList() {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return nullptr;
  TGroup& group = table_.Current();
  const int b = table_.CurrentButton;
  if (b < 1 || b > group.TotalButtons() || b >= static_cast<int>(group.Buttons.size())) return nullptr;
  return &group.Buttons;
}

bool ButtonOperations::Confirm(const std::string& text, bool& dontAsk) {
  const AskResult answer = ui_.CursorMessageDlgAsk(text, MsgKind::Confirmation, MsgButtons::YesNo);
  dontAsk = answer.dontAskAgain;
  return answer.result == MsgResult::Yes;
}

int ButtonOperations::MoveButton(int from, int to, int g) {
  if (g < 1 || g > table_.GroupCount()) return 0;
  TGroup& group = table_.Groups[g];
  const int clips = group.NumClipButtons;
  const int total = group.TotalButtons();
  if (from < 1 || from > total || to < 1) return 0;
  if (from <= clips && to > clips) {
    MakePermanent(g, from);
    return 1;
  }
  const int target = from <= clips ? std::clamp(to, 1, clips) : std::clamp(to, clips + 1, total);
  group.ResizeButtons();
  cvd::MoveButton(group, from, target);
  return 0;
}

void ButtonOperations::ButtonDragDrop(int dragged, int target) {
  MoveButton(dragged, target, table_.CurrentGroup);
  if (hooks_.display) hooks_.display();
}

void ButtonOperations::MakePermanent(int g, int b) {
  if (g < 1 || g > table_.GroupCount()) return;
  TGroup& group = table_.Groups[g];
  if (b < 1 || b > group.TotalButtons()) return;
  group.ResizeButtons();
  TButton copy = group.Buttons[b];
  copy.Used = false;
  ++group.NumPermButtons;
  group.Buttons.push_back(copy);
  if (g == table_.CurrentGroup && hooks_.refresh) hooks_.refresh();
  if (hooks_.save) hooks_.save();
}

void ButtonOperations::SaveButtonInfo(int g, int b, const ButtonInfo& info) {
  if (g < 1 || g > table_.GroupCount()) return;
  TGroup& group = table_.Groups[g];
  if (b < 1 || b > group.TotalButtons() || b >= static_cast<int>(group.Buttons.size())) return;
  TButton button = group.Buttons[b];
  const bool automaticName = group.IsClipButton(b) && hooks_.makeCaption &&
                             button.Name == hooks_.makeCaption(button.Text) && info.fields.name == button.Name;
  button.Name = automaticName ? hooks_.makeCaption(info.fields.text) : info.fields.name;
  button.Hint = info.fields.hint;
  button.Text = info.fields.text;
  button.Used = false;
  button.FontColor = info.fontColor;
  button.Color = info.color;
  group.Buttons.Set(b, button);
  if (g == table_.CurrentGroup && hooks_.display) hooks_.display();
}

bool ButtonOperations::DeleteButton(int g, int b, bool noAsk) {
  if (g < 1 || g > table_.GroupCount()) return false;
  TGroup& group = table_.Groups[g];
  if (b < 1 || b > group.TotalButtons()) return false;
  group.ResizeButtons();
  const std::string name = group.Buttons[b].Name;
  if (!group.IsClipButton(b)) {
    if (!settings_.DontAskDelete && !noAsk &&
        !Confirm("Are you sure you want to delete the \"" + name + "\" button?", settings_.DontAskDelete)) {
      return false;
    }
    group.Buttons.erase(b);
    --group.NumPermButtons;
    if (g == table_.CurrentGroup && hooks_.refresh) hooks_.refresh();
    hooks_.resetFadeTimer();
    return true;
  }
  if (!settings_.DontAskClearBut && !noAsk &&
      !Confirm("Are you sure you want to clear the \"" + name + "\" button?", settings_.DontAskClearBut)) {
    return false;
  }
  group.Buttons.Set(b, EmptyClipButton());
  MoveButton(b, group.FillMode == 1 ? group.NumClipButtons : 1, g);
  if (g == table_.CurrentGroup && hooks_.display) hooks_.display();
  hooks_.resetFadeTimer();
  return true;
}

void ButtonOperations::MenuNewButtonClick() {
  if (table_.CurrentGroup < 1 || table_.CurrentGroup > table_.GroupCount()) return;
  const int g = table_.CurrentGroup;
  TGroup& group = table_.Current();
  group.ResizeButtons();
  const int p = std::clamp(table_.CurrentButton + 1, group.NumClipButtons + 1, group.TotalButtons() + 1);
  const TButton fresh = NewButtonRecord();
  group.Buttons.insert(p, fresh);
  ++group.NumPermButtons;
  table_.CurrentButton = p;
  if (hooks_.refresh) hooks_.refresh();

  if (editor_ && editor_(g, p, true)) {
    if (hooks_.save) hooks_.save();
  } else if (g <= table_.GroupCount()) {
    // Whatever moved meanwhile, only the untouched new record goes again.
    TGroup& owner = table_.Groups[g];
    int at = -1;
    if (p <= owner.TotalButtons() && p < static_cast<int>(owner.Buttons.size()) && owner.Buttons[p] == fresh) {
      at = p;
    } else {
      for (int b = owner.NumClipButtons + 1; b <= owner.TotalButtons() && at < 0; ++b) {
        if (b < static_cast<int>(owner.Buttons.size()) && owner.Buttons[b] == fresh) at = b;
      }
    }
    if (at > 0) DeleteButton(g, at, true);
  }
  hooks_.resetFadeTimer();
}

void ButtonOperations::MenuEditButtonClick() {
  if (CurrentButtonList() == nullptr) return;
  const bool ok = editor_ && editor_(table_.CurrentGroup, table_.CurrentButton, false);
  if (ok && hooks_.save) hooks_.save();
  if (hooks_.display) hooks_.display();
  hooks_.resetFadeTimer();
}

void ButtonOperations::MenuDeleteButtonClick() {
  if (CurrentButtonList() == nullptr) return;
  if (DeleteButton(table_.CurrentGroup, table_.CurrentButton, false) && hooks_.save) hooks_.save();
}

void ButtonOperations::MenuMarkUsedClick() {
  ButtonList* buttons = CurrentButtonList();
  if (buttons == nullptr || !table_.Current().TrackUsed) return;
  const int b = table_.CurrentButton;
  buttons->SetUsed(b, !buttons->Used(b));
  windowView_.SetCaptionColor(b, buttons->Used(b) ? clGray : buttons->FontColor(b));
  hooks_.resetFadeTimer();
}

void ButtonOperations::MenuMakePermanentClick() {
  if (CurrentButtonList() == nullptr || !table_.Current().IsClipButton(table_.CurrentButton)) return;
  MakePermanent(table_.CurrentGroup, table_.CurrentButton);
}

void ButtonOperations::MenuFavColorClick(int favorite) {
  ButtonList* buttons = CurrentButtonList();
  const std::vector<ColorPair> favorites = Favorites(settings_);
  if (buttons == nullptr || favorite < 0 || favorite >= static_cast<int>(favorites.size())) return;
  buttons->SetFontColor(table_.CurrentButton, favorites[favorite].text);
  buttons->SetColor(table_.CurrentButton, favorites[favorite].face);
  if (hooks_.display) hooks_.display();
}

void ButtonOperations::ColorEditorMenuClick() {
  const ButtonList* presetList = CurrentButtonList();
  if (presetList == nullptr) return;
  const TButton preset = (*presetList)[table_.CurrentButton];
  const ColorDialogResult result = colors_.ColorDialog(ColorPair{preset.FontColor, preset.Color}, Favorites(settings_));
  SetFavorites(settings_, result.favorites);
  // The dialog may have run other work meanwhile; look the button up again.
  ButtonList* buttons = CurrentButtonList();
  if (result.chosen && buttons != nullptr) {
    buttons->SetFontColor(table_.CurrentButton, result.chosen->text);
    buttons->SetColor(table_.CurrentButton, result.chosen->face);
  }
  if (hooks_.display) hooks_.display();
}

void ButtonOperations::MenuQuickFixClick(int fix) {
  if (CurrentButtonList() == nullptr) return;
  quickFixes_.ApplyFromButtonMenu(fix);
}

int ButtonOperations::GestureFix(Gesture gesture) const {
  switch (gesture) {
    case Gesture::Right: return settings_.GestRight;
    case Gesture::Left: return settings_.GestLeft;
    case Gesture::Up: return settings_.GestUp;
    case Gesture::Down: return settings_.GestDown;
    case Gesture::None: break;
  }
  return -1;
}

void ButtonOperations::ButtonEndDrag(int button, std::optional<Point> drop, const Rect& control) {
  const Point pointer = windowView_.PointerPosition();
  const Rect window = windowView_.ButtonWindowFrame();
  if (!drop || Inside(window, pointer)) {
    windowView_.PopupButtonMenu(pointer);
    return;
  }
  const int fix = GestureFix(EvaluateGesture(*drop, gestureStart_, control, window));
  if (fix >= 0 && fix < settings_.NumFix()) {
    quickFixes_.ApplyToButton(fix, button);
    return;
  }
  windowView_.PopupButtonMenu(*drop);
}

}  // namespace cvd
