#include "core/setup/MacroEditing.h"

#include <algorithm>
#include <string_view>

#include "core/util/Text.h"

namespace cvd {

namespace {

// Tokens that go in one stroke: exactly these, or anything starting with
// the held-modifier and delay names (their argument varies).
constexpr std::array<std::string_view, 12> kWholeTokens{"{ENTER}", "{TAB}",   "{SPACE}", "{LEFT}",
                                                        "{RIGHT}", "{UP}",    "{DOWN}",  "{END}",
                                                        "{HOME}",  "{PG UP}", "{PG DN}", "{INSERT}"};
constexpr std::array<std::string_view, 4> kTokenPrefixes{"{CTRL", "{ALT", "{SHIFT", "{DELAY"};

}  // namespace

MacroEdit InsertMacroToken(const MacroEdit& edit, std::size_t entry) {
  if (entry >= kMacroTokens.size()) return edit;
  const MacroToken& token = kMacroTokens[entry];
  const std::size_t start = std::min(edit.selStart, edit.text.size());
  const std::size_t count = std::min(edit.selCount, edit.text.size() - start);
  MacroEdit result;
  result.text = edit.text.substr(0, start) + token.token + edit.text.substr(start + count);
  if (token.selectCount > 0) {
    result.selStart = start + token.selectFrom;
    result.selCount = token.selectCount;
  } else {
    result.selStart = start + std::string_view(token.token).size();
  }
  return result;
}

std::optional<std::size_t> TokenStartBeforeCaret(const std::string& text, std::size_t caret) {
  if (caret == 0 || caret > text.size() || text[caret - 1] != '}') return std::nullopt;
  int depth = 0;
  for (std::size_t i = caret; i-- > 0;) {
    if (text[i] == '}') ++depth;
    if (text[i] == '{' && --depth == 0) {
      const std::string token = UpperAscii(std::string_view(text).substr(i, caret - i));
      const bool known = std::find(kWholeTokens.begin(), kWholeTokens.end(), token) != kWholeTokens.end() ||
                         std::any_of(kTokenPrefixes.begin(), kTokenPrefixes.end(),
                                     [&](std::string_view prefix) { return token.starts_with(prefix); });
      if (known) return i;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace cvd
