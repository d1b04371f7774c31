#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <string>

namespace cvd::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, with a trailing "/".
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }
  // A subfolder (created), with a trailing "/".
  std::string Sub(const std::string& name) const;

  // Whole-file helpers for checks.
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  // Names in the folder, sorted.
  std::string Listing() const;

 private:
  std::string path_;
};

// Makes `folder` refuse new files: mode 0500, and for root (whom modes do not
// stop) the immutable attribute where the file system has one. False when
// writing there still works, so the caller can skip its test.
bool MakeFolderReadOnly(const std::string& folder);
void MakeFolderWritable(const std::string& folder);

// Writes `bytes` to `path`, creating or replacing the file.
void WriteTextFile(const std::string& path, const std::string& bytes);
// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadTextFile(const std::string& path);

}  // namespace cvd::test
