#include "core/editor/EditorTexts.h"

#include <utility>

#include <algorithm>
#include "core/util/Text.h"

namespace cvd {

namespace {
constexpr std::size_t kStatusTextLength = 1000;
const char* const kHintTypes[] = {"Left of window", "Right of window", "Below window"};

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// The name a button sorts by: an unused clip sorts after every other name.
std::string SortKey(const ButtonList& buttons, int b) {
  if (buttons.Name(b) == kEmptyCaption && buttons.Text(b).empty())
    return UpperAscii(std::string("\xFF") + kEmptyCaption);
  return UpperAscii(std::string(buttons.Name(b)));
}

// The last part of a path with either kind of separator (older data holds Windows paths).
std::string BareFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

std::string EditCaption(const std::string& text) {
  int characters = 0, words = 0, lines = 0;
  bool inWord = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (!IsBreak(c) && !continuation) ++characters;
    const bool wordChar = !IsBreak(c) && c != ' ';
    if (wordChar && !inWord) ++words;
    inWord = wordChar;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++lines;
  }
  if (!text.empty()) ++lines;
  return "Edit Button [" + std::to_string(characters) + " characters, " + std::to_string(words) + " words, " +
         std::to_string(lines) + " lines]";
}

std::string ButtonStatusText(const TGroup& group, int b) {
  if (b < 1 || b > group.TotalButtons() || b >= static_cast<int>(group.Buttons.size())) return kButtonListHelp;
  const TButton& button = group.Buttons[b];
  if (!button.Hint.empty()) return button.Hint;
  std::string text = button.Text.substr(0, Utf8PrefixBytes(button.Text, kStatusTextLength));
  for (char& c : text) {
    if (c == '\t' || c == '\r') c = ' ';
  }
  return text;
}

std::string CopyDupsHint(int index, int fillMode) {
  switch (index) {
    case 0: return "Do not create button with duplicate text";
    case 1: return "Create new button with duplicate text";
    case 2: return fillMode == 1 ? "Move existing duplicate button to top" : "Move existing duplicate button to bottom";
    case 3: return "Mark existing duplicate button as unused";
    default: return {};
  }
}

std::string ApplyToAllMessage(const TGroup& g) {
  static const char* const kDups[] = {"-Do not duplicate clipboard text", "-Copy duplicate clipboard text",
                                      "-Move duplicate clipboard text", "-Mark duplicate button unused"};
  std::string m = "This will apply the following settings to all groups:\n\n";
  m += g.FillMode == 1 ? "-Fill clipboard buttons from top\n" : "-Fill clipboard buttons from bottom\n";
  m += g.RememberPos ? "-Save button window position\n" : "-Do not save button window position\n";
  if (g.CopyDups >= 0 && g.CopyDups <= 3) m += std::string(kDups[g.CopyDups]) + "\n";
  m += g.TrackUsed ? "-Keep track of used buttons\n" : "-Do not keep track of used buttons\n";
  m += "-" + std::to_string(g.ButtonWidth) + " by " + std::to_string(g.ButtonHeight) + " pixels button size\n";
  m += g.PlaySound ? "-Play " + BareFileName(g.SoundFile) + " on copy\n"
                   : std::string("-Do not play a sound when you copy text to the clipboard\n");
  m += "-Use the " + g.FontName + " " + std::to_string(g.FontSize) + " button font\n";
  if (g.ShowHints && g.HintType >= 1 && g.HintType <= 3) {
    m += std::string("-Show button hint window ") + kHintTypes[g.HintType - 1] + "\n";
  } else {
    m += "-Do not show button hints\n";
  }
  m += g.PasteKeyMode == 1 ? "-Use Shift-Insert to paste\n\n" : "-Use Control-V to paste \n\n";
  m += "Do you want to apply these settings to all groups?";
  return m;
}

int SortButtonRange(TGroup& group, int first, int last, int tracked) {
  group.ResizeButtons();
  last = std::min(last, group.TotalButtons());
  if (first < 1 || last <= first) return tracked;
  // Passes of neighbour swaps, as the list always sorted: equal names keep their order.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int b = first; b < last; ++b) {
      if (SortKey(group.Buttons, b) > SortKey(group.Buttons, b + 1)) {
        group.Buttons.Swap(b, b + 1);
        if (tracked == b) {
          tracked = b + 1;
        } else if (tracked == b + 1) {
          tracked = b;
        }
        swapped = true;
      }
    }
  }
  return tracked;
}

}  // namespace cvd
