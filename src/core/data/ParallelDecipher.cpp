#include "core/data/ParallelDecipher.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "core/data/Cipher.h"

namespace cvd {

namespace {

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  lines.reserve(bytes.size() / 48);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const void* found = std::memchr(bytes.data() + pos, '\n', bytes.size() - pos);
    const std::size_t end = found ? static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data()) : bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = end + 1;
  }
  return lines;
}

}  // namespace

std::unique_ptr<DecipheredLines> DecipheredLines::For(std::string_view bytes, unsigned threads) {
  if (bytes.size() < kMinBytes) return nullptr;
  const std::vector<std::string_view> lines = SplitLines(bytes);
  auto result = std::make_unique<DecipheredLines>();
  result->lines_.resize(lines.size());
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  const std::size_t chunk = (lines.size() + threads - 1) / threads;
  auto work = [&](std::size_t first) {
    const std::size_t last = std::min(lines.size(), first + chunk);
    for (std::size_t i = first; i < last; ++i) result->lines_[i] = Decrypt(lines[i]);
  };
  std::vector<std::thread> helpers;
  try {
    for (std::size_t first = chunk; first < lines.size(); first += chunk) helpers.emplace_back(work, first);
  } catch (const std::system_error&) {
    // No more threads to be had: the ones running and this one do the rest.
    for (std::size_t first = chunk * (helpers.size() + 1); first < lines.size(); first += chunk) work(first);
  }
  work(0);
  for (std::thread& t : helpers) t.join();
  return result;
}

}  // namespace cvd
