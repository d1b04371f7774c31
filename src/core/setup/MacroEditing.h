#pragma once
// Editing aids of the paste method's key macro box: the insert menu's
// tokens, and a backspace that removes a whole known token in one stroke.
// Positions are byte offsets into the UTF-8 text.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace cvd {

struct MacroToken {
  const char* menu;         // the menu entry
  const char* token;        // inserted at the caret
  std::size_t selectFrom;   // selected afterwards, relative to the token;
  std::size_t selectCount;  // 0: the caret goes after the token
};

inline constexpr std::array<MacroToken, 16> kMacroTokens{{
    {"Alt", "{Alt a}", 5, 1},
    {"Control", "{Ctrl v}", 6, 1},
    {"Shift", "{Shift a}", 7, 1},
    {"Enter", "{Enter}", 0, 0},
    {"Tab", "{Tab}", 0, 0},
    {"Space", "{Space}", 0, 0},
    {"Left Arrow", "{Left}", 0, 0},
    {"Right Arrow", "{Right}", 0, 0},
    {"Up Arrow", "{Up}", 0, 0},
    {"Down Arrow", "{Down}", 0, 0},
    {"End", "{End}", 0, 0},
    {"Home", "{Home}", 0, 0},
    {"Page Up", "{Pg Up}", 0, 0},
    {"Page Down", "{Pg Dn}", 0, 0},
    {"Insert", "{Insert}", 0, 0},
    {"Delay", "{Delay 100}", 7, 3},
}};

// The text of an edit box with its selection (an empty one is the caret).
struct MacroEdit {
  std::string text;
  std::size_t selStart = 0;
  std::size_t selCount = 0;
  bool operator==(const MacroEdit&) const = default;
};

// Inserts token `entry` of kMacroTokens in place of the selection.
MacroEdit InsertMacroToken(const MacroEdit& edit, std::size_t entry);

// Backspace with the caret at `caret` and nothing selected: the span
// [first, caret) of a whole token ending there that one stroke removes, or
// nothing when the backspace deletes one character as usual.
std::optional<std::size_t> TokenStartBeforeCaret(const std::string& text, std::size_t caret);

}  // namespace cvd
