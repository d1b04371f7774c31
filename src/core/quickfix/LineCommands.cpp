#include "core/quickfix/LineCommands.h"

#include "core/util/Text.h"

namespace cvd {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Applies `change` to every line, keeping the line breaks as they were.
template <class Change>
std::string MapLines(std::string_view text, std::size_t extraPerLine, Change change) {
  std::string out;
  out.reserve(text.size() + extraPerLine * 16);
  ForEachLine(text, [&](std::string_view line, bool broken) {
    change(out, line);
    if (broken) out += kLineBreak;
  });
  return out;
}

// Byte length of the character that starts at `pos` (a broken sequence
// counts one byte per character).
std::size_t CharBytes(std::string_view text, std::size_t pos) {
  const std::size_t len = Utf8SequenceLength(static_cast<unsigned char>(text[pos]));
  std::size_t step = 1;
  while (step < len && pos + step < text.size() && (static_cast<unsigned char>(text[pos + step]) & 0xC0) == 0x80) {
    ++step;
  }
  return step;
}

// Appends the wrapped form of one line, each piece followed by CR LF.
void WrapLine(std::string_view line, long long width, std::string& out) {
  std::size_t pos = 0;
  do {
    // Look at up to width + 1 characters: a blank just after the width
    // still lets the line break at exactly the width.
    std::size_t scan = pos;
    long long count = 0;
    std::size_t cut = std::string_view::npos;      // byte where `width` characters end
    std::size_t wordEnd = std::string_view::npos;  // last blank that ends a word
    while (scan < line.size() && count <= width) {
      if (count == width) cut = scan;
      if (line[scan] == ' ' && scan > pos && line[scan - 1] != ' ') wordEnd = scan;
      scan += CharBytes(line, scan);
      ++count;
    }
    if (count <= width) {  // the rest fits
      out.append(line.substr(pos));
      out += kLineBreak;
      return;
    }
    const std::size_t end = wordEnd != std::string_view::npos ? wordEnd : cut;
    out.append(line.substr(pos, end - pos));
    out += kLineBreak;
    pos = end;
    if (wordEnd != std::string_view::npos) {
      while (pos < line.size() && line[pos] == ' ') ++pos;
    }
  } while (pos < line.size());
}

}  // namespace

std::size_t CountLines(std::string_view text) {
  std::size_t count = 0;
  ForEachLine(text, [&](std::string_view, bool) { ++count; });
  return count;
}

std::string RemoveLeading(std::string_view text, std::string_view s) {
  if (s.empty()) return std::string(text);
  return MapLines(text, 0, [&](std::string& out, std::string_view line) {
    while (line.substr(0, s.size()) == s) line.remove_prefix(s.size());
    out.append(line);
  });
}

std::string RemoveTrailing(std::string_view text, std::string_view s) {
  if (s.empty()) return std::string(text);
  return MapLines(text, 0, [&](std::string& out, std::string_view line) {
    while (line.size() >= s.size() && line.substr(line.size() - s.size()) == s) line.remove_suffix(s.size());
    out.append(line);
  });
}

std::string AddPrefix(std::string_view text, std::string_view s) {
  return MapLines(text, s.size(), [&](std::string& out, std::string_view line) {
    out.append(s);
    out.append(line);
  });
}

std::string AddSuffix(std::string_view text, std::string_view s) {
  return MapLines(text, s.size(), [&](std::string& out, std::string_view line) {
    out.append(line);
    out.append(s);
  });
}

std::string SetLineLength(std::string_view text, long long width) {
  if (width < 1) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  ForEachLine(text, [&](std::string_view line, bool) {
    if (line.empty()) {
      out += kLineBreak;
    } else {
      WrapLine(line, width, out);
    }
  });
  return out;
}

std::vector<std::string> GroupLines(std::string_view text, long long perGroup) {
  std::vector<std::string> groups;
  long long inGroup = 0;
  ForEachLine(text, [&](std::string_view line, bool) {
    if (inGroup == 0) groups.emplace_back();
    groups.back().append(line);
    groups.back() += kLineBreak;
    if (++inGroup >= perGroup) inGroup = 0;
  });
  return groups;
}

}  // namespace cvd
