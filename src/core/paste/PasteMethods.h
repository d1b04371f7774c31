#pragma once
// Paste methods: per-window key macros that replace the group's paste
// keystroke when the target window's title matches.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

// How a method's Title is compared with a window title.
enum PasteMatch : std::int32_t { pmBeginning = 0, pmAnywhere = 1, pmEnding = 2, pmExactly = 3 };

struct PasteMethod {
  std::string Title;  // watch text
  std::int32_t Match = pmAnywhere;
  std::string KeyMacro = "{Ctrl v}";
  std::int32_t Delay = 150;  // ms before the macro is sent
  bool operator==(const PasteMethod&) const = default;
};

using PasteMethods = std::vector<PasteMethod>;

// The table holds at most this many methods.
inline constexpr int kPasteKeysCapacity = 50;
// Window titles are compared as read into a 255-character buffer.
inline constexpr std::size_t kMaxTitleCharacters = 254;

// The two methods a new settings file starts with: consoles.
PasteMethods DefaultPasteMethods();

// A method added for a window with this title.
PasteMethod NewPasteMethod(const std::string& title);

// The window title as far as matching sees it: its first 254 characters.
std::string TitleForMatching(std::string_view title);

// Whether the method's Title matches `title` under its Match mode. The
// comparison is case-sensitive; an empty Title occurs nowhere, but equals an
// empty title under pmExactly. Under pmEnding only the first occurrence of
// Title counts.
bool TitleMatches(const PasteMethod& method, std::string_view title);

// The first method that matches `title`, or null.
const PasteMethod* FindPasteMethod(const PasteMethods& methods, std::string_view title);

}  // namespace cvd
