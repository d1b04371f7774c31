#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <string>

namespace cvd::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder, with a trailing "/".
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + name; }

  // Whole-file helpers for checks.
  void Write(const std::string& name, const std::string& bytes) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  // Names in the folder, sorted.
  std::string Listing() const;

 private:
  std::string path_;
};

}  // namespace cvd::testing
