#pragma once
// Byte-string helpers. Texts are UTF-8 byte strings; case folding acts on
// the ASCII letters a-z only, as group names and the command languages need.
#include <cstddef>
#include <string>
#include <string_view>

namespace cvd {

std::string UpperAscii(std::string_view text);

// The text without leading and trailing spaces (tabs are kept).
std::string_view TrimBlanks(std::string_view text);

// Case-insensitive equality over a-z only.
bool SameTextAscii(std::string_view a, std::string_view b);

// Length in bytes of the UTF-8 sequence that starts with byte `lead`
// (1 for ASCII and for stray continuation or invalid bytes).
std::size_t Utf8SequenceLength(unsigned char lead);

// Byte offset just after the first `count` characters of `text`; a
// sequence is never split, even a truncated one at the end.
std::size_t Utf8PrefixBytes(std::string_view text, std::size_t count);

// The text with every invalid UTF-8 sequence replaced by U+FFFD, for output
// to places that need valid UTF-8 (JSON, the view).
std::string ValidUtf8(std::string_view text);

}  // namespace cvd
