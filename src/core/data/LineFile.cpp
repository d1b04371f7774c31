#include "core/data/LineFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "core/data/Cipher.h"

namespace cvd {

std::string_view LineReader::Next() {
  ++lineNumber_;
  if (AtEnd()) return {};
  std::size_t end = bytes_.find('\n', pos_);
  std::size_t next = end == std::string_view::npos ? bytes_.size() : end + 1;
  if (end == std::string_view::npos) end = bytes_.size();
  std::string_view line = bytes_.substr(pos_, end - pos_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos_ = next;
  return line;
}

std::string LineReader::NextDeciphered() {
  bool intact = true;
  std::string value = Decrypt(Next(), &intact);
  if (!intact) ++damaged_;
  return value;
}

bool LineReader::NextFlag() {
  const std::string_view line = Next();
  if (line != "TRUE" && line != "FALSE") ++damaged_;
  return line == "TRUE";
}

void LineReader::NextButtons(ButtonList& list, std::size_t first, std::size_t count) {
  if (!deferred_) {
    list.Adopt(first, ReadButtons(*this, count));
    return;
  }
  for (std::size_t done = 0; done < count; done += DeferredDecipher::kButtonsPerRun) {
    const std::size_t n = std::min(DeferredDecipher::kButtonsPerRun, count - done);
    const std::size_t start = pos_;
    Skip(3 * n);
    pending_.AddButtons(Lines(start), list, first + done, n);
  }
}

namespace {

// Line ends among the kLineEndBlock bytes at `p`: a loop the compiler turns
// into a few vector instructions per 16 bytes.
constexpr std::size_t kLineEndBlock = 128;
std::size_t LineEndsInBlock(const char* p) {
  unsigned char ends = 0;
  for (std::size_t i = 0; i < kLineEndBlock; ++i) ends += p[i] == '\n' ? 1 : 0;
  return ends;
}

}  // namespace

void LineReader::Skip(std::size_t lines) {
  lineNumber_ += lines;
  const char* const begin = bytes_.data();
  const char* const end = begin + bytes_.size();
  const char* p = begin + pos_;
  while (lines > 0 && p < end) {
    if (static_cast<std::size_t>(end - p) >= kLineEndBlock) {
      const std::size_t ends = LineEndsInBlock(p);
      if (ends < lines) {
        lines -= ends;
        p += kLineEndBlock;
        continue;
      }
    }
    const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    p = found ? static_cast<const char*>(found) + 1 : end;
    --lines;
  }
  pos_ = static_cast<std::size_t>(p - begin);
}

ButtonList ReadButtons(LineReader& in, std::size_t count) {
  // The values are deciphered first, so that the list gets room for exactly
  // their characters.
  std::vector<std::string> values(3 * count);
  std::size_t chars = 0;
  for (std::size_t v = 0; v < 3 * count; ++v) {
    values[v] = v % 3 == 2 ? UnpackText(in.NextDeciphered()) : in.NextDeciphered();
    chars += values[v].size();
  }
  ButtonList list;
  list.reserve(count, chars);
  list.resize(count);
  for (std::size_t b = 0; b < count; ++b) list.SetStrings(b, values[3 * b], values[3 * b + 1], values[3 * b + 2]);
  return list;
}

std::size_t LineReader::RemainingLines(std::size_t limit) const {
  std::size_t count = 0;
  for (std::size_t pos = pos_; pos < bytes_.size() && count < limit; ++count) {
    const void* found = std::memchr(bytes_.data() + pos, '\n', bytes_.size() - pos);
    if (!found) return count + 1;
    pos = static_cast<std::size_t>(static_cast<const char*>(found) - bytes_.data()) + 1;
  }
  return count;
}

std::string UnpackText(std::string&& packed) {
  if (packed.find('\xFF') != std::string::npos) return UnpackText(std::string_view(packed));
  // Tabs are rare: the search for them is the whole cost.
  char* const end = packed.data() + packed.size();
  for (char* p = packed.data(); (p = static_cast<char*>(std::memchr(p, '\xFE', static_cast<std::size_t>(end - p))));
       ++p) {
    *p = '\t';
  }
  return std::move(packed);
}

void LineWriter::Plain(std::string_view line) {
  bytes_.append(line);
  bytes_.append("\r\n");
}

void LineWriter::Enciphered(std::string_view value) { Plain(Encrypt(value)); }

std::string PackText(std::string_view text) {
  std::string packed;
  packed.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      packed.push_back('\xFF');
      ++i;
    } else if (c == '\t') {
      packed.push_back('\xFE');
    } else {
      packed.push_back(c);
    }
  }
  return packed;
}

std::string UnpackText(std::string_view packed) {
  std::string text;
  text.reserve(packed.size() + packed.size() / 16);
  for (const char c : packed) {
    if (c == '\xFF') {
      text.append("\r\n");
    } else if (c == '\xFE') {
      text.push_back('\t');
    } else {
      text.push_back(c);
    }
  }
  return text;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

const char* CopyDupsWord(std::int32_t copyDups) {
  switch (copyDups) {
    case 1: return "TRUE";
    case 2: return "NEW";
    case 3: return "MARK";
    default: return "FALSE";
  }
}

std::int32_t CopyDupsFromWord(std::string_view word) {
  if (word == "FALSE") return 0;
  if (word == "NEW") return 2;
  if (word == "MARK") return 3;
  return 1;
}

std::int32_t NextCopyDups(LineReader& in) {
  const std::string_view word = in.Next();
  if (word != "TRUE" && word != "FALSE" && word != "NEW" && word != "MARK") in.NoteDamage();
  return CopyDupsFromWord(word);
}

void SetIfNumber(std::int32_t& field, LineReader& in) {
  if (const auto value = ParseWholeNumber(in.Next())) {
    field = *value;
  } else {
    in.NoteDamage();
  }
}

std::int32_t NumberOrThrow(std::string_view line) {
  const auto value = ParseWholeNumber(line);
  if (!value) throw UnreadableLine{};
  return *value;
}

std::int32_t ButtonCountOrThrow(std::string_view line) {
  const std::int32_t count = NumberOrThrow(line);
  if (count < 0 || count > kMaxButtonsOfAKind) throw UnreadableLine{};
  return count;
}

}  // namespace cvd
