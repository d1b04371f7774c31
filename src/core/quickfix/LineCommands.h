#pragma once
// The quick fix commands that treat a text as lines. Lines are separated by
// CR LF only (a lone CR or LF is an ordinary character); a text that ends
// with CR LF has no empty line after it, and the empty text has no lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cvd {

// Calls onLine(line, endsWithBreak) for every line of `text`, in order.
template <class OnLine>
void ForEachLine(std::string_view text, OnLine onLine) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t crlf = text.find("\r\n", start);
    if (crlf == std::string_view::npos) {
      onLine(text.substr(start), false);
      return;
    }
    onLine(text.substr(start, crlf - start), true);
    start = crlf + 2;
  }
}

// How many lines the text has.
std::size_t CountLines(std::string_view text);

// Each line loses `s` from its start (or end) for as long as it begins (or
// ends) with it, compared exactly. An empty `s` changes nothing.
std::string RemoveLeading(std::string_view text, std::string_view s);
std::string RemoveTrailing(std::string_view text, std::string_view s);

// Every line of the text, the empty ones included, gets `s` in front of it
// (or after it). Line breaks inside `s` do not create lines that get it too.
std::string AddPrefix(std::string_view text, std::string_view s);
std::string AddSuffix(std::string_view text, std::string_view s);

// Word-wraps every line to at most `width` characters, as a fixed-pitch
// text box with word wrap shows it: lines break after the last word that
// fits, the blanks at a break are dropped, a word longer than the width is
// cut. Every resulting line is followed by CR LF. A width below 1 leaves the
// text as it is.
std::string SetLineLength(std::string_view text, long long width);

// The lines of the text, `perGroup` at a time (the last group may be
// shorter), each line followed by CR LF.
std::vector<std::string> GroupLines(std::string_view text, long long perGroup);

}  // namespace cvd
