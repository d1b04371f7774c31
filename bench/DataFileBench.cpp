// Saving and loading a large data file (100 groups of 1000 buttons with
// 100-byte texts), against the raw AES work the same values need, which is
// the limit the file code could approach.
#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "core/util/AtomicFile.h"

namespace {

using namespace cvd;

constexpr int kGroups = 100;
constexpr int kButtons = 1000;

GroupTable LargeTable() {
  GroupTable table;
  table.Groups.resize(1);
  for (int g = 1; g <= kGroups; ++g) {
    TGroup group = NewGroupDefaults("Group " + std::to_string(g), "/usr/share/corvinade/");
    group.NumClipButtons = 100;
    group.NumPermButtons = kButtons - 100;
    group.ResizeButtons();
    for (int b = 1; b <= kButtons; ++b) {
      TButton button = group.Buttons[b];
      button.Name = "Button " + std::to_string(b);
      button.Hint = "Hint of button " + std::to_string(b);
      std::string text = "Line one of button " + std::to_string(b) + "\r\n\tsecond line ";
      text.resize(100, 'x');
      button.Text = text;
      group.Buttons.Set(b, button);
    }
    table.Groups.push_back(std::move(group));
    table.GroupList.push_back("Group " + std::to_string(g));
  }
  return table;
}

const GroupTable& Table() {
  static const GroupTable table = LargeTable();
  return table;
}

const std::string& FileBytes() {
  static const std::string bytes = WriteDataFile(Table());
  return bytes;
}

// The plain values the file enciphers, each padded to whole blocks as the
// cipher does: the exact AES work of one save.
std::string PaddedValues() {
  std::string all;
  auto add = [&all](const std::string& value) {
    if (value.empty()) return;
    const std::size_t pad = 16 - value.size() % 16;
    all += value;
    all.append(pad, static_cast<char>(pad));
  };
  add(kDataFileHeader);
  for (int g = 1; g <= kGroups; ++g) {
    const TGroup& group = Table().Groups[g];
    add(group.Name);
    for (int b = 1; b <= kButtons; ++b) {
      add(group.Buttons[b].Name);
      add(group.Buttons[b].Hint);
      add(group.Buttons[b].Text);  // packing keeps the length within a byte or two
    }
    add(kGroupSeparator);
  }
  return all;
}

void BM_WriteDataFile(benchmark::State& state) {
  const GroupTable& table = Table();
  for (auto _ : state) benchmark::DoNotOptimize(WriteDataFile(table));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileBytes().size()));
}
BENCHMARK(BM_WriteDataFile)->Unit(benchmark::kMillisecond);

void BM_SaveData(benchmark::State& state) {
  std::string dir = (std::filesystem::temp_directory_path() / "corvinade-bench-XXXXXX").string();
  if (!::mkdtemp(dir.data())) {
    state.SkipWithError("no temporary folder");
    return;
  }
  dir += "/";
  for (auto _ : state) {
    if (!SaveData(Table(), dir, nullptr)) state.SkipWithError("save failed");
  }
  std::filesystem::remove_all(dir);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(FileBytes().size()));
}
BENCHMARK(BM_SaveData)->Unit(benchmark::kMillisecond);

void BM_ReadDataFile(benchmark::State& state) {
  const std::string& bytes = FileBytes();
  for (auto _ : state) {
    DataFileContents contents = ReadDataFile(bytes, LegacyDisplay{});
    if (contents.status != DataFileStatus::Ok) state.SkipWithError("read failed");
    benchmark::DoNotOptimize(contents);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ReadDataFile)->Unit(benchmark::kMillisecond);

// The same AES blocks in one CBC run with one key schedule: the limit.
void RawAes(benchmark::State& state, bool encrypt) {
  const std::string plain = PaddedValues();
  std::string out(plain.size() + 16, '\0');
  const unsigned char key[16] = {'B', 'r', 'o', 'n', 't', 'o', 'L', 'i', 'x'};
  const unsigned char iv[16] = {'D', 'a', 'w', 'n', ' ', 'L', 'e', 'd', 'g', 'e', 'r'};
  EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
  for (auto _ : state) {
    EVP_CipherInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key, iv, encrypt ? 1 : 0);
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    int n = 0;
    EVP_CipherUpdate(ctx, reinterpret_cast<unsigned char*>(out.data()), &n,
                     reinterpret_cast<const unsigned char*>(plain.data()), static_cast<int>(plain.size()));
    benchmark::DoNotOptimize(out.data());
  }
  EVP_CIPHER_CTX_free(ctx);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(plain.size()));
}
void BM_RawAesEncrypt(benchmark::State& state) { RawAes(state, true); }
void BM_RawAesDecrypt(benchmark::State& state) { RawAes(state, false); }
BENCHMARK(BM_RawAesEncrypt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawAesDecrypt)->Unit(benchmark::kMillisecond);

// One value on its own, as every stored string is enciphered.
void BM_EncryptOneText(benchmark::State& state) {
  const std::string text(100, 'x');
  for (auto _ : state) benchmark::DoNotOptimize(Encrypt(text));
}
BENCHMARK(BM_EncryptOneText);

void BM_DecryptOneText(benchmark::State& state) {
  const std::string line = Encrypt(std::string(100, 'x'));
  for (auto _ : state) benchmark::DoNotOptimize(Decrypt(line));
}
BENCHMARK(BM_DecryptOneText);

}  // namespace
