// Any line, deciphered: no crash, and whatever comes out enciphers and
// deciphers back to itself; the text encoding is its own inverse.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/data/Cipher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string plain = cvd::Decrypt(input);
  if (!plain.empty() && cvd::Decrypt(cvd::Encrypt(plain)) != plain) std::abort();
  if (cvd::DecodeCipherText(cvd::EncodeCipherText(input)) != input) std::abort();
  return 0;
}
