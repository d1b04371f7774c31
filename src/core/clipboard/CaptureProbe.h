#pragma once
// The self-test of capture that `corvinade-tool doctor` runs: the tool
// copies a text nobody else would, and the capture must see it. The probe
// text is never kept, and the clipboard gets back the text it held before.
#include <optional>
#include <string>
#include <vector>

#include "core/ports/Clipboard.h"

namespace cvd {

class CaptureProbe {
 public:
  explicit CaptureProbe(Clipboard& clipboard) : clipboard_(clipboard) {}

  // Waits for `token`; the clipboard's text now is kept to be put back.
  void Arm(const std::string& token);
  // A text the capture read: true when it is the probe's (or the text put
  // back after it), which must then not become a clip.
  bool Take(const std::string& text);
  bool Seen(const std::string& token) const { return !token.empty() && token == token_ && seen_; }
  // The test is over: the clipboard's text of before is put back unless
  // that happened when the probe was seen.
  void End(const std::string& token);

 private:
  void PutBack();

  Clipboard& clipboard_;
  std::string token_;
  bool seen_ = false;
  // Tokens of tests already over: a copy of one that comes late is still
  // not the user's.
  std::vector<std::string> past_;
  std::optional<std::string> before_;
  // The text put back, whose own capture notice follows once.
  std::optional<std::string> restoring_;
};

}  // namespace cvd
