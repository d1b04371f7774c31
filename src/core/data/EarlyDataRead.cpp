#include "core/data/EarlyDataRead.h"

#include <system_error>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "core/log/Log.h"

namespace cvd {

EarlyDataRead::EarlyDataRead(std::function<std::string()> where) {
  try {
    thread_ = std::thread([this, where = std::move(where)] { Read(where); });
  } catch (const std::system_error& e) {
    // No thread to be had: the load reads the file itself.
    LogWarning("data", std::string("no thread to read the data file ahead: ") + e.what());
  }
}

EarlyDataRead::~EarlyDataRead() { Wait(); }

void EarlyDataRead::Wait() {
  if (thread_.joinable()) thread_.join();
}

void EarlyDataRead::Read(const std::function<std::string()>& where) {
  try {
    path_ = where();
    FileStamp before;
    if (!StampFile(path_, before)) return;
    auto file = std::make_shared<FileBytes>();
    if (!file->Read(path_, nullptr)) return;
    // A file written while it was read may be torn: the load reads it again.
    if (!StampFile(path_, stamp_) || stamp_ != before) return;
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
  FileStamp now;
  if (!taken.file || path != path_ || !StampFile(path, now) || now != stamp_) return {};
  return taken;
}

}  // namespace cvd
