#pragma once
// The quick fix command language: an action is a row of brace commands such
// as "{RemoveLeading >}{RemoveLeading <}" that run in order, each on the
// result of the one before. DoQuickFix is the interpreter.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/Colors.h"
#include "core/quickfix/NumberSeparators.h"
#include "core/quickfix/QuickFixList.h"

namespace cvd {

// The result that says "the button keeps its text": one character of code 0.
// The interpreter stops at it, and callers leave the button as it was.
inline const std::string NoChangeText(1, '\0');

// What the commands that act rather than transform do to the program.
class QuickFixEffects {
 public:
  virtual ~QuickFixEffects() = default;
  // {Split}: the texts, in order, each into a new clip button of the
  // current group (as FillNewButton would one after the other).
  virtual void FillNewButtons(std::vector<std::string> texts) = 0;
  // {Dial}: place a call to the dialling string.
  virtual void Dial(const std::string& dialString) = 0;
  // {ButtonColor}: face and caption colour; no caption colour keeps it.
  virtual void SetButtonColor(TColor face, std::optional<TColor> fontColor) = 0;
};

struct QuickFixResult {
  std::string text;
  // Set when the quick fix was stopped: the message for the user. The text
  // is then not to be stored. An invalid value (a line length that is not an
  // integer, an unknown colour) stops it, and so does a text that would grow
  // beyond the size limit.
  std::optional<std::string> error;
};

// A quick fix stops before its text grows beyond this size (or beyond the
// size of the text it started with, if that was larger): commands such as
// {AddPrefix \r\n} or {Replace a,aa} double a text each time they run.
inline constexpr std::size_t kMaxQuickFixText = 64u << 20;

inline constexpr const char* kQuickFixTooLongText = "The quick fix was stopped because its result would be too long.";

// Runs an action on a text.
QuickFixResult RunQuickFixAction(std::string_view action, std::string text, QuickFixEffects& effects,
                                 const NumberSeparators& separators, std::size_t maxText = kMaxQuickFixText);

// Runs the action of entry i of the list (an index outside the list runs
// nothing and gives the text back).
QuickFixResult DoQuickFix(const QuickFixList& fixes, int i, std::string text, QuickFixEffects& effects,
                          const NumberSeparators& separators, std::size_t maxText = kMaxQuickFixText);

// Where the next command of an action lies, searching from `from`: the first
// "{" and the command's closing "}". A command may end in "}" ("{Remove }}"):
// when a second "}" follows the first (within 1024 characters) with no "{"
// before it, the command ends at the second. `start` > `end` means the text
// before the "{" holds a stray "}" that ends the step without a command.
// Nothing when no "{" and "}" are left.
struct CommandSpan {
  std::size_t start;
  std::size_t end;  // the closing "}", inclusive
};
std::optional<CommandSpan> LocateCommand(std::string_view action, std::size_t from);

// The argument of a command: after its first blank, without the closing
// character; empty when it has no blank.
std::string_view CommandArgument(std::string_view command);

// True when the action contains "{SPLIT" in any letter case: its result is
// never stored in the button it was started from.
bool ActionSplits(std::string_view action);

// The message shown for a value that is not a valid integer or colour.
std::string InvalidValueMessage(std::string_view value);

}  // namespace cvd
