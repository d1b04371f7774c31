#include "core/data/LineFile.h"

#include <algorithm>
#include <charconv>

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
  const std::string_view line = Next();
  if (deciphered_ && lineNumber_ <= deciphered_->Count()) return deciphered_->Take(lineNumber_);
  return Decrypt(line);
}

std::size_t LineReader::RemainingLines() const {
  if (AtEnd()) return 0;
  const auto count = static_cast<std::size_t>(std::count(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), bytes_.end(), '\n'));
  return count + (bytes_.back() == '\n' ? 0 : 1);
}

std::string UnpackText(std::string&& packed) {
  if (packed.find('\xFF') != std::string::npos) return UnpackText(std::string_view(packed));
  std::replace(packed.begin(), packed.end(), '\xFE', '\t');
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
