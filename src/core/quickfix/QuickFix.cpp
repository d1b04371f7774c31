#include "core/quickfix/QuickFix.h"

#include <algorithm>
#include <limits>

#include "core/quickfix/Dial.h"
#include "core/quickfix/FormatNumber.h"
#include "core/quickfix/LineCommands.h"
#include "core/quickfix/TextCommands.h"
#include "core/util/Text.h"

namespace cvd {
namespace {

constexpr std::size_t kNone = std::string_view::npos;
// How far past the first "}" (and past the action's first character) the
// search for a second "}" and for another "{" reaches.
constexpr std::size_t kLookAhead = 1024;
// Used for {Split} when its argument is not a whole number of at least 1.
constexpr long long kDefaultSplitLines = 5;

// Finds the next occurrence of one character for a series of queries whose
// start never moves back, so that a whole action is scanned only once.
class Cursor {
 public:
  Cursor(std::string_view text, char c) : text_(text), c_(c) {}
  std::size_t Next(std::size_t from) {
    if (!(scanned_ && from >= from_ && (found_ == kNone || from <= found_))) {
      found_ = text_.find(c_, from);
      scanned_ = true;
    }
    from_ = from;
    return found_;
  }

 private:
  std::string_view text_;
  char c_;
  bool scanned_ = false;
  std::size_t from_ = 0;
  std::size_t found_ = kNone;
};

class CommandScanner {
 public:
  explicit CommandScanner(std::string_view action) : action_(action), open_(action, '{'), close_(action, '}') {}

  std::optional<CommandSpan> Next(std::size_t from) {
    if (from >= action_.size()) return std::nullopt;
    const std::size_t s = open_.Next(from);
    const std::size_t e1 = close_.Next(from);
    if (s == kNone || e1 == kNone) return std::nullopt;
    std::size_t e2 = close_.Next(e1 + 1);
    if (e2 == kNone || e2 - (e1 + 1) >= kLookAhead) e2 = e1;
    // The next "{" from the action's second character on; none within reach
    // counts as lying beyond the end.
    std::size_t o = open_.Next(from + 1);
    if (o == kNone || o - (from + 1) >= kLookAhead) o = action_.size();
    return CommandSpan{s, o > e2 ? e2 : e1};
  }

 private:
  std::string_view action_;
  Cursor open_;
  Cursor close_;
};

bool Begins(std::string_view upper, std::string_view prefix) { return upper.substr(0, prefix.size()) == prefix; }

// A whole number in the range of a 32-bit integer, blanks around it allowed.
std::optional<long long> ReadInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
  if (pos >= text.size()) return std::nullopt;
  long long value = 0;
  for (; pos < text.size(); ++pos) {
    if (text[pos] < '0' || text[pos] > '9') return std::nullopt;
    value = value * 10 + (text[pos] - '0');
    if (value > static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return value;
}

// How a command ended: done, or stopped with a message.
struct Step {
  std::optional<std::string> error;
};

Step Invalid(std::string_view value) { return Step{InvalidValueMessage(value)}; }
Step TooLong() { return Step{kQuickFixTooLongText}; }

// The size of the text after every line got `extra` more bytes.
bool LinesGrowTooLong(std::string_view text, std::size_t extra, std::size_t maxText) {
  if (extra == 0) return false;
  const std::size_t lines = CountLines(text);
  return lines > (maxText - std::min(maxText, text.size())) / extra;
}

Step SetButtonColorCommand(std::string_view argument, QuickFixEffects& effects) {
  const std::size_t comma = argument.find(',');
  const std::string_view faceText = argument.substr(0, comma);
  const auto face = StringToColor(std::string(faceText));
  if (!face) return Invalid(faceText);
  std::optional<TColor> font;
  if (comma != kNone) {
    const std::string_view rest = argument.substr(comma + 1);
    const std::string fontText(rest.substr(0, Utf8PrefixBytes(rest, 255)));
    font = StringToColor(fontText);
    if (!font) return Invalid(fontText);
  }
  // Both colours are checked before either is applied, so a bad one
  // leaves the button as it was.
  effects.SetButtonColor(*face, font);
  return {};
}

// Runs one command on `text`.
Step RunCommand(std::string_view command, std::string& text, QuickFixEffects& effects,
                const NumberSeparators& separators, std::size_t maxText) {
  const std::string upper = UpperAscii(command);
  const std::string_view argument = CommandArgument(command);
  if (upper == "{LOWERCASE}") {
    text = LowercaseText(text);
  } else if (upper == "{UPPERCASE}") {
    text = UppercaseText(text);
  } else if (upper == "{CAPITALIZEFIRST}") {
    text = CapitalizeFirstLetters(text);
  } else if (Begins(upper, "{REMOVELEADING")) {
    text = RemoveLeading(text, SpecialChars(argument));
  } else if (Begins(upper, "{REMOVETRAILING")) {
    text = RemoveTrailing(text, SpecialChars(argument));
  } else if (Begins(upper, "{REMOVE")) {
    text = RemoveChars(text, SpecialChars(argument));
  } else if (Begins(upper, "{REPLACE")) {
    const ReplaceArgument replace = SplitReplaceArgument(argument);
    if (replace.newText.size() > replace.oldText.size() && !replace.oldText.empty()) {
      const std::size_t growth = replace.newText.size() - replace.oldText.size();
      const std::size_t count = CountOccurrences(text, replace.oldText);
      if (count > (maxText - std::min(maxText, text.size())) / growth) return TooLong();
    }
    text = ReplaceChars(text, replace);
  } else if (Begins(upper, "{ADDPREFIX") || Begins(upper, "{ADDSUFFIX")) {
    const std::string s = SpecialChars(argument);
    if (LinesGrowTooLong(text, s.size(), maxText)) return TooLong();
    text = Begins(upper, "{ADDPREFIX") ? AddPrefix(text, s) : AddSuffix(text, s);
  } else if (Begins(upper, "{LINELENGTH")) {
    const auto width = ReadInteger(argument);
    if (!width) return Invalid(argument);
    text = SetLineLength(text, *width);
  } else if (Begins(upper, "{SPLIT")) {
    const auto lines = ReadInteger(argument);
    const long long perGroup = lines && *lines >= 1 ? *lines : kDefaultSplitLines;
    effects.FillNewButtons(GroupLines(text, perGroup));
    text = NoChangeText;
  } else if (Begins(upper, "{NUMBER")) {
    text = FormatNumber(text, argument, separators);
  } else if (Begins(upper, "{DIAL")) {
    const std::string dialString = DialString(text, argument);
    // An empty number is no call: there is nothing to dial.
    if (!dialString.empty()) effects.Dial(dialString);
  } else if (Begins(upper, "{BUTTONCOLOR")) {
    return SetButtonColorCommand(argument, effects);
  }
  // Anything else is not a command and is ignored.
  return {};
}

}  // namespace

std::optional<CommandSpan> LocateCommand(std::string_view action, std::size_t from) {
  return CommandScanner(action).Next(from);
}

std::string_view CommandArgument(std::string_view command) {
  const std::size_t blank = command.find(' ');
  if (blank == kNone || blank + 2 > command.size()) return {};
  return command.substr(blank + 1, command.size() - blank - 2);
}

bool ActionSplits(std::string_view action) { return UpperAscii(action).find("{SPLIT") != std::string::npos; }

std::string InvalidValueMessage(std::string_view value) {
  std::string message(1, '\'');
  message.append(value);
  message.append("' is not a valid integer value.");
  return message;
}

QuickFixResult RunQuickFixAction(std::string_view action, std::string text, QuickFixEffects& effects,
                                 const NumberSeparators& separators, std::size_t maxText) {
  // A text that is already larger may keep its size, but not grow.
  maxText = std::max(maxText, text.size());
  CommandScanner scanner(action);
  std::size_t from = 0;
  while (const auto span = scanner.Next(from)) {
    if (text == NoChangeText) break;
    if (span->start <= span->end) {
      const std::string_view command = action.substr(span->start, span->end - span->start + 1);
      Step step = RunCommand(command, text, effects, separators, maxText);
      // The other commands grow a text at most threefold, so checking after them is enough.
      if (!step.error && text.size() > maxText) step = TooLong();
      if (step.error) return QuickFixResult{std::move(text), std::move(step.error)};
    }
    // Everything up to the command's end is used up, text outside commands
    // included.
    from = span->end + 1;
  }
  return QuickFixResult{std::move(text), std::nullopt};
}

QuickFixResult DoQuickFix(const QuickFixList& fixes, int i, std::string text, QuickFixEffects& effects,
                          const NumberSeparators& separators, std::size_t maxText) {
  return RunQuickFixAction(fixes.Action(i), std::move(text), effects, separators, maxText);
}

}  // namespace cvd
