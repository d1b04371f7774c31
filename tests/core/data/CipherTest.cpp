#include "core/data/Cipher.h"

#include <gtest/gtest.h>
#include <openssl/evp.h>

#include <string>

namespace cvd {
namespace {

TEST(CipherEncoding, ExamplesAndTheirInverse) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "MK7X"}, {"a", "ME"}, {"ab", "MK6"}, {std::string("\0\0\0", 3), "++++"}, {"\xFF\xFF\xFF", "zzzz"},
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(EncodeCipherText(bytes), text) << text;
    EXPECT_EQ(DecodeCipherText(text), bytes) << text;
  }
}

TEST(CipherEncoding, ForeignCharactersCountAsZeroAndALoneLastCharacterIsDropped) {
  EXPECT_EQ(DecodeCipherText("+!*+"), std::string("\0\0\0", 3));
  EXPECT_EQ(DecodeCipherText("MK7XO"), "abc");
}

// Computed independently: AES-128-CBC with key "BrontoLix" and IV "Dawn
// Ledger", both zero-filled to 16 bytes, then the text encoding.
TEST(Cipher, KnownAnswers) {
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "lEb6Mbyu1AY8uM8FEb161+"},
      {"Corvinade Data File", "YbJ3o9zTnfjVwRGuOslDNLrBK-LGVZVhg0n2cuPLYqo"},
      {"0123456789abcdef", "ve-8qTUuB62ym-yWdB8wkJeo0iWh6T5G96ZAKI9Yaxk"},
  };
  for (const auto& [plain, cipher] : cases) {
    EXPECT_EQ(Encrypt(plain), cipher) << plain;
    EXPECT_EQ(Decrypt(cipher), plain) << plain;
  }
}

TEST(Cipher, RoundTripsAnyBytes) {
  std::string allBytes;
  for (int i = 0; i < 256; ++i) allBytes.push_back(static_cast<char>(i));
  const std::string cases[] = {"line one\r\nline two\r\n",    allBytes,
                               "ends in a pad-like byte\x01", std::string(16, '\x10'),
                               std::string(1, '\0'),          std::string(5000, 'z')};
  for (const auto& plain : cases) {
    const std::string line = Encrypt(plain);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(Encrypt(plain), line) << "the same text must give the same line";
    EXPECT_EQ(Decrypt(line), plain) << plain.size();
  }
}

TEST(Cipher, InvalidInputGivesTheEmptyText) {
  const std::string oneBlock = Encrypt("abc");  // 22 characters, 16 bytes
  const std::string cases[] = {
      "",
      "12",
      "0123456789abcde",       // fewer than 16 characters
      oneBlock.substr(0, 21),  // 15 bytes after decoding
      oneBlock + "A",          // 17 bytes: an incomplete last block
  };
  for (const auto& c : cases) EXPECT_EQ(Decrypt(c), "") << c;
  EXPECT_EQ(Encrypt(""), "");
}

// Enciphers whole blocks as they are, to reach the lenient unpadding.
std::string EncipherRaw(const std::string& blocks) {
  unsigned char key[16] = {}, iv[16] = {};
  const std::string k = "BrontoLix", v = "Dawn Ledger";
  for (std::size_t i = 0; i < k.size(); ++i) key[i] = static_cast<unsigned char>(k[i]);
  for (std::size_t i = 0; i < v.size(); ++i) iv[i] = static_cast<unsigned char>(v[i]);
  EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
  EVP_EncryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key, iv);
  EVP_CIPHER_CTX_set_padding(ctx, 0);
  std::string out(blocks.size(), '\0');
  int n = 0;
  EVP_EncryptUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &n,
                    reinterpret_cast<const unsigned char*>(blocks.data()), static_cast<int>(blocks.size()));
  EVP_CIPHER_CTX_free(ctx);
  return EncodeCipherText(out);
}

TEST(Cipher, UnpaddingIsLenient) {
  const std::string body = "ABCDEFGHIJKLMNO";
  const std::pair<char, std::string> cases[] = {
      {'\x00', body},                // not a pad length: only the last byte goes
      {'\x11', body},                // 17 is not a pad length either
      {'\x03', body.substr(0, 13)},  // pad bytes before the last one are not checked
      {'\x10', ""},                  // a whole block of padding
  };
  for (const auto& [last, plain] : cases) EXPECT_EQ(Decrypt(EncipherRaw(body + last)), plain) << int(last);
}

}  // namespace
}  // namespace cvd
