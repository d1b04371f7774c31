#include "core/data/EarlyDataRead.h"

#include <sys/stat.h>

#include <system_error>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "core/log/Log.h"

namespace cvd {

bool EarlyDataRead::Identity::operator==(const Identity& other) const {
  const auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
  return device == other.device && inode == other.inode && size == other.size && same(modified, other.modified) &&
         same(changed, other.changed);
}

bool EarlyDataRead::Identify(const std::string& path, Identity& identity) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return false;
  identity = {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
  return true;
}

EarlyDataRead::EarlyDataRead(std::function<std::string()> where) {
  try {
    thread_ = std::thread([this, where = std::move(where)] { Read(where); });
  } catch (const std::system_error&) {
    // No thread to be had: the load reads the file itself.
  }
}

EarlyDataRead::~EarlyDataRead() { Wait(); }

void EarlyDataRead::Wait() {
  if (thread_.joinable()) thread_.join();
}

void EarlyDataRead::Read(const std::function<std::string()>& where) {
  try {
    path_ = where();
    Identity before;
    if (!Identify(path_, before)) return;
    auto file = std::make_shared<FileBytes>();
    if (!file->Read(path_, nullptr)) return;
    // A file written while it was read may be torn: the load reads it again.
    if (!Identify(path_, identity_) || !(identity_ == before)) return;
    // The load deciphers at once; the library's first use sets up its
    // cipher tables, which need not wait until then either.
    PrepareCipher();
    read_.layout = ReadLayoutAhead(file->View());
    read_.file = std::move(file);
  } catch (const std::exception& e) {
    // Out of memory: the load reads the file itself and tells what fails.
    read_ = {};
    LogWarning("data", std::string("reading the data file ahead failed: ") + e.what());
  }
}

EarlyDataRead::Taken EarlyDataRead::Take(const std::string& path) {
  Wait();
  Taken taken = std::move(read_);
  read_ = {};
  Identity now;
  if (!taken.file || path != path_ || !Identify(path, now) || !(now == identity_)) return {};
  return taken;
}

}  // namespace cvd
