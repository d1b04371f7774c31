#include "core/data/ParallelDecipher.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "core/data/Cipher.h"
#include "core/data/LineFile.h"

namespace cvd {

void DeferredDecipher::Run(unsigned threads) {
  if (threads == 0) threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  // Starting a thread costs more than a few thousand short values.
  constexpr std::size_t kMinPerThread = 4096;
  threads = static_cast<unsigned>(std::clamp<std::size_t>(jobs_.size() / kMinPerThread, 1, threads));
  const std::size_t chunk = (jobs_.size() + threads - 1) / threads;
  auto work = [this, chunk](std::size_t first) {
    const std::size_t last = std::min(jobs_.size(), first + chunk);
    for (std::size_t i = first; i < last; ++i) {
      const Job& job = jobs_[i];
      *job.dest = job.unpack ? UnpackText(Decrypt(job.line)) : Decrypt(job.line);
    }
  };
  std::vector<std::thread> helpers;
  try {
    for (std::size_t first = chunk; first < jobs_.size(); first += chunk) helpers.emplace_back(work, first);
  } catch (const std::system_error&) {
    // No more threads to be had: the ones running and this one do the rest.
    for (std::size_t first = chunk * (helpers.size() + 1); first < jobs_.size(); first += chunk) work(first);
  }
  work(0);
  for (std::thread& t : helpers) t.join();
  jobs_.clear();
  jobs_.shrink_to_fit();
}

}  // namespace cvd
