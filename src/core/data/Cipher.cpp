#include "core/data/Cipher.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "core/util/CryptoLibrary.h"

namespace cvd {
namespace {

constexpr std::size_t kBlock = 16;
constexpr std::string_view kKeyString = "BrontoLix";
constexpr std::string_view kIvString = "Dawn Ledger";
constexpr std::string_view kAlphabet = "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

using Block = std::array<unsigned char, kBlock>;

// Key and IV bytes: each byte of the string XORed into position i mod 16 of
// sixteen zero bytes.
Block FoldInto16(std::string_view text) {
  Block bytes{};
  for (std::size_t i = 0; i < text.size(); ++i) bytes[i % kBlock] ^= static_cast<unsigned char>(text[i]);
  return bytes;
}

struct CtxFree {
  void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CtxPtr = std::unique_ptr<EVP_CIPHER_CTX, CtxFree>;

// The cipher is looked up once: the implicit lookup on every call cost
// about as much as the AES work of a short value.
const EVP_CIPHER* Aes128Cbc() {
  static const EVP_CIPHER* const cipher = [] {
    InitCryptoLibrary();
    const EVP_CIPHER* fetched = EVP_CIPHER_fetch(nullptr, "AES-128-CBC", nullptr);
    return fetched ? fetched : EVP_aes_128_cbc();
  }();
  return cipher;
}

// One keyed context per direction and thread: the key never changes, so
// its schedule is made once and each value only sets the IV again. A data
// file holds hundreds of thousands of short values.
EVP_CIPHER_CTX* KeyedContext(bool encrypt) {
  thread_local CtxPtr contexts[2];
  CtxPtr& ctx = contexts[encrypt ? 1 : 0];
  if (!ctx) {
    InitCryptoLibrary();
    CtxPtr fresh(EVP_CIPHER_CTX_new());
    const Block key = FoldInto16(kKeyString);
    if (!fresh || EVP_CipherInit_ex(fresh.get(), Aes128Cbc(), nullptr, key.data(), nullptr, encrypt ? 1 : 0) != 1) {
      return nullptr;
    }
    // The padding is ours; setting this per value went through the
    // library's parameter lookup each time. A new IV keeps it.
    EVP_CIPHER_CTX_set_padding(fresh.get(), 0);
    ctx = std::move(fresh);
  }
  return ctx.get();
}

// AES-128-CBC over whole blocks, without the library's padding (the padding
// is ours). Returns false on any library failure.
bool RunCbc(bool encrypt, const std::string& in, std::string& out) {
  static const Block iv = FoldInto16(kIvString);
  EVP_CIPHER_CTX* ctx = KeyedContext(encrypt);
  if (!ctx || EVP_CipherInit_ex(ctx, nullptr, nullptr, nullptr, iv.data(), encrypt ? 1 : 0) != 1) return false;
  out.resize(in.size() + kBlock);
  int written = 0;
  int tail = 0;
  auto* outBytes = reinterpret_cast<unsigned char*>(out.data());
  if (EVP_CipherUpdate(ctx, outBytes, &written, reinterpret_cast<const unsigned char*>(in.data()),
                       static_cast<int>(in.size())) != 1)
    return false;
  if (EVP_CipherFinal_ex(ctx, outBytes + written, &tail) != 1) return false;
  out.resize(static_cast<std::size_t>(written) + static_cast<std::size_t>(tail));
  return out.size() == in.size();
}

// The key alone, for deciphering: CBC deciphers each block on its own and
// XORs it with the cipher block before it (the IV for the first), so one
// keyed ECB context serves every value without setting an IV again, which
// went through the library's parameter lookup for every value.
EVP_CIPHER_CTX* DecipherContext() {
  thread_local CtxPtr ctx;
  if (!ctx) {
    InitCryptoLibrary();
    CtxPtr fresh(EVP_CIPHER_CTX_new());
    const Block key = FoldInto16(kKeyString);
    if (!fresh || EVP_CipherInit_ex(fresh.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr, 0) != 1) {
      return nullptr;
    }
    EVP_CIPHER_CTX_set_padding(fresh.get(), 0);
    ctx = std::move(fresh);
  }
  return ctx.get();
}

// Each block deciphered by the key alone, in one call for the whole value;
// the CBC chaining is applied as the plain value is made.
bool DecipherBlocks(const std::string& in, std::string& out) {
  EVP_CIPHER_CTX* ctx = DecipherContext();
  if (!ctx) return false;
  out.resize(in.size());
  int written = 0;
  if (EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &written,
                       reinterpret_cast<const unsigned char*>(in.data()), static_cast<int>(in.size())) != 1)
    return false;
  return static_cast<std::size_t>(written) == in.size();
}

constexpr std::array<std::int8_t, 256> MakeDecodeTable() {
  std::array<std::int8_t, 256> table{};
  for (std::size_t i = 0; i < kAlphabet.size(); ++i)
    table[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
  return table;
}
constexpr auto kDecode = MakeDecodeTable();

constexpr std::array<bool, 256> MakeAlphabetTable() {
  std::array<bool, 256> table{};
  for (const char c : kAlphabet) table[static_cast<unsigned char>(c)] = true;
  return table;
}
constexpr auto kInAlphabet = MakeAlphabetTable();

// The length of the text Encrypt makes for `bytes` enciphered bytes.
constexpr std::size_t EncodedLength(std::size_t bytes) { return bytes / 3 * 4 + (bytes % 3 ? bytes % 3 + 1 : 0); }

}  // namespace

std::string EncodeCipherText(std::string_view bytes) {
  std::string text;
  text.reserve((bytes.size() * 4 + 2) / 3);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 3; ++k) {
      group <<= 8;
      if (k < n) group |= static_cast<unsigned char>(bytes[i + k]);
    }
    // n real bytes carry 8n bits: n + 1 characters hold them.
    for (std::size_t k = 0; k <= n; ++k) text.push_back(kAlphabet[(group >> (18 - 6 * k)) & 0x3F]);
  }
  return text;
}

namespace {

void DecodeInto(std::string_view text, std::string& bytes) {
  // Four characters make three bytes; a last group of n > 1 makes n - 1.
  const std::size_t whole = text.size() / 4;
  const std::size_t rest = text.size() % 4;
  bytes.resize(whole * 3 + (rest > 1 ? rest - 1 : 0));
  const auto value = [&](std::size_t i) {
    return static_cast<std::uint32_t>(kDecode[static_cast<unsigned char>(text[i])]);
  };
  char* out = bytes.data();
  for (std::size_t i = 0; i < whole * 4; i += 4) {
    const std::uint32_t group = value(i) << 18 | value(i + 1) << 12 | value(i + 2) << 6 | value(i + 3);
    *out++ = static_cast<char>(group >> 16);
    *out++ = static_cast<char>(group >> 8);
    *out++ = static_cast<char>(group);
  }
  if (rest > 1) {
    std::uint32_t group = 0;
    for (std::size_t k = 0; k < 4; ++k) group = group << 6 | (k < rest ? value(whole * 4 + k) : 0);
    for (std::size_t k = 0; k + 1 < rest; ++k) *out++ = static_cast<char>((group >> (16 - 8 * k)) & 0xFF);
  }
}

}  // namespace

std::string DecodeCipherText(std::string_view text) {
  std::string bytes;
  DecodeInto(text, bytes);
  return bytes;
}

std::string Encrypt(std::string_view plain) {
  if (plain.empty()) return {};
  // Always at least one pad byte, a whole block when the length is already
  // a multiple of 16, each holding the pad length.
  const std::size_t pad = kBlock - plain.size() % kBlock;
  std::string padded(plain);
  padded.append(pad, static_cast<char>(pad));
  std::string cipher;
  if (!RunCbc(true, padded, cipher)) return {};
  OPENSSL_cleanse(padded.data(), padded.size());
  return EncodeCipherText(cipher);
}

std::string Decrypt(std::string_view cipher) { return Decrypt(cipher, nullptr); }

std::string Decrypt(std::string_view cipher, bool* intact) {
  if (intact) {
    *intact = cipher.empty() || (cipher.size() >= kBlock && std::all_of(cipher.begin(), cipher.end(), [](char c) {
                                   return kInAlphabet[static_cast<unsigned char>(c)];
                                 }));
  }
  if (cipher.size() < kBlock) return {};
  // The decoded bytes go to a buffer of this thread's, so the value is the
  // only string made.
  thread_local std::string decoded;
  DecodeInto(cipher, decoded);
  // Too short, or an incomplete last block (a damaged line).
  if (decoded.size() < kBlock || decoded.size() % kBlock != 0 || EncodedLength(decoded.size()) != cipher.size()) {
    if (intact) *intact = false;
    if (decoded.size() < kBlock || decoded.size() % kBlock != 0) return {};
  }
  static const Block iv = FoldInto16(kIvString);
  thread_local std::string blocks;
  if (!DecipherBlocks(decoded, blocks)) {
    if (intact) *intact = false;
    return {};
  }
  const std::size_t n = decoded.size();
  // Lenient unpadding: the pad bytes before the last one are not checked.
  // The pad length is known before the value is made, so the value gets a
  // buffer of exactly its size (a big file holds many).
  const auto pad = static_cast<unsigned char>(blocks[n - 1] ^ (n == kBlock ? iv[kBlock - 1] : decoded[n - kBlock - 1]));
  std::string plain(n - (pad >= 1 && pad <= kBlock ? pad : 1), '\0');
  char* out = plain.data();
  const std::size_t first = std::min(plain.size(), kBlock);
  for (std::size_t i = 0; i < first; ++i) out[i] = static_cast<char>(blocks[i] ^ iv[i]);
  for (std::size_t i = kBlock; i < plain.size(); ++i) out[i] = static_cast<char>(blocks[i] ^ decoded[i - kBlock]);
  if (intact && *intact) {
    // Every pad byte holds the pad length, as Encrypt writes them.
    for (std::size_t i = plain.size(); i < n && *intact; ++i) {
      const auto byte = static_cast<unsigned char>(blocks[i] ^ (i < kBlock ? iv[i] : decoded[i - kBlock]));
      *intact = pad >= 1 && pad <= kBlock && byte == pad;
    }
  }
  return plain;
}

void PrepareCipher() {
  Aes128Cbc();
  DecipherContext();
}

}  // namespace cvd
