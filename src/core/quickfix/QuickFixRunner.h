#pragma once
// Quick fixes in the running program: DoQuickFix with its effects on the
// group table, the shell and the button editor, and where the result of a
// quick fix goes for each way of starting one.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "core/clipboard/ClipShift.h"
#include "core/data/GroupTable.h"
#include "core/quickfix/NumberSeparators.h"
#include "core/quickfix/QuickFix.h"
#include "core/quickfix/QuickFixList.h"

namespace cvd {

class Shell;
class Messages;

// The button editor's text box and name box; the selection is in bytes.
struct EditorText {
  std::string text;
  std::size_t selStart = 0;
  std::size_t selLength = 0;
  std::string name;

  bool operator==(const EditorText&) const = default;
};

// What the open button editor offers the quick fixes.
class QuickFixEditor {
 public:
  virtual ~QuickFixEditor() = default;
  // {ButtonColor} colours the editor's colour sample instead of the button;
  // no caption colour keeps the sample's own.
  virtual void SetSampleColors(TColor face, std::optional<TColor> fontColor) = 0;
  virtual EditorText GetText() = 0;
  virtual void SetText(const EditorText& text) = 0;
};

// The parts of the program the quick fixes work with.
struct QuickFixHost {
  GroupTable* table = nullptr;
  const QuickFixList* fixes = nullptr;
  Shell* shell = nullptr;  // null: calls cannot be placed
  Messages* ui = nullptr;
  CaptionFunction makeCaption;           // MakeCaption of the button window
  std::function<void()> display;         // Display
  std::function<void()> resetFadeTimer;  // ResetFadeTimer
  // New clips were shifted into `group` (`count` of them stay there).
  std::function<void(const TGroup& group, int count)> clipsShifted;
};

class QuickFixRunner {
 public:
  explicit QuickFixRunner(QuickFixHost host);

  // The button editor registers itself while it is open (null when closed).
  void SetEditor(QuickFixEditor* editor) { editor_ = editor; }
  bool EditorOpen() const { return editor_ != nullptr; }
  // Fixed separators instead of the user's locale (for tests and tools).
  void SetSeparators(std::optional<NumberSeparators> separators) { separators_ = std::move(separators); }
  // A smaller size limit for the texts (for the fuzz tests).
  void SetMaxText(std::size_t maxText) { maxText_ = maxText; }

  // Runs quick fix i on a text. Nothing when it was stopped (an invalid
  // value, a result too long); the user has then been shown why.
  std::optional<std::string> DoQuickFix(int i, const std::string& text);

  // A click on a quick fix entry of the button menu or the editor's menu.
  void MenuQuickFixClick(int tag);
  // From the button menu: on the text of CurrentButton, which takes the
  // result unless the action splits; then Display and ResetFadeTimer.
  void ApplyFromButtonMenu(int i);
  // From the editor's menu: on the selection (or the whole text) of the
  // editor's text box; see the .cpp for where the result goes.
  void ApplyFromEditorMenu(int i);
  // From a quick fix shortcut key (on LastFilled) or a mouse gesture (on the
  // dragged button): the button of the current group takes the result unless
  // it is NoChangeText; then Display. The callers check their own conditions
  // first. True when the button took a new text.
  bool ApplyToButton(int i, int button);

  // Puts one text into a new clip button of the current group, as a
  // clipboard capture makes a new clip, but without a duplicate test, sound,
  // LastFilled or share file. {Split} does this for each of its parts.
  void FillNewButton(const std::string& text);

  // Dials the number in a text with a prefix ("Dial selected number" passes none).
  void DialPhoneNumber(const std::string& text, const std::string& prefix);

 private:
  class Effects;
  TGroup* CurrentGroup();
  // The current group's buttons when `button` is one of them.
  ButtonList* ButtonsHolding(int button);
  // A fixed text replaces the button's text and caption.
  void SetFixedText(ButtonList& buttons, int button, const std::string& text) const;
  void Redisplay(bool resetFade);

  QuickFixHost host_;
  QuickFixEditor* editor_ = nullptr;
  std::optional<NumberSeparators> separators_;
  std::size_t maxText_ = kMaxQuickFixText;
};

}  // namespace cvd
