#pragma once
// The cipher of stored strings: every name, hint and text is enciphered on
// its own into one line of printable characters (AES-128 in CBC mode with a
// fixed key and IV, then a 64-character text encoding). Equal plain texts
// give equal lines, which the line files rely on.
#include <string>
#include <string_view>

namespace cvd {

// The enciphered line of `plain`; the empty text for the empty text and on
// any failure.
std::string Encrypt(std::string_view plain);

// The plain bytes of an enciphered line; the empty text for anything that is
// not one (fewer than 16 characters, a damaged length, a library failure).
std::string Decrypt(std::string_view cipher);
// The same; `intact` (when given) tells whether `cipher` is a line Encrypt
// makes: only characters of its alphabet, a length some value has, and
// padding as written. A damaged line still gives what can be read of it.
std::string Decrypt(std::string_view cipher, bool* intact);

// The text encoding alone: three bytes to four characters from the top bits
// down, no padding characters (a last group of one byte gives two characters,
// of two bytes three).
std::string EncodeCipherText(std::string_view bytes);
// Its inverse; characters outside the alphabet count as 0, a single final
// character gives nothing.
std::string DecodeCipherText(std::string_view text);

// Sets the library up and looks the ciphers up on the calling thread; their
// first use anywhere then finds them ready.
void PrepareCipher();

}  // namespace cvd
