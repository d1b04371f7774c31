#include "core/clipboard/CaptureProbe.h"

#include <algorithm>

#include "core/log/Log.h"

namespace cvd {

namespace {
constexpr std::size_t kPastTokens = 8;
}  // namespace

void CaptureProbe::Arm(const std::string& token) {
  token_ = token;
  seen_ = false;
  restoring_.reset();
  before_ = clipboard_.Text();
}

bool CaptureProbe::Take(const std::string& text) {
  if (restoring_) {
    // The next capture after the put-back is its notice, or a new copy.
    const bool ours = text == *restoring_;
    restoring_.reset();
    if (ours) return true;
  }
  if (token_.empty() || text != token_) {
    // A copy the user made while the test waits is the text to put back.
    if (!token_.empty() && !seen_ && std::find(past_.begin(), past_.end(), text) == past_.end()) before_ = text;
    return std::find(past_.begin(), past_.end(), text) != past_.end();
  }
  if (!seen_) {
    seen_ = true;
    LogInfo("clipboard", "the doctor's copy was captured");
    PutBack();
  }
  return true;
}

void CaptureProbe::End(const std::string& token) {
  if (token.empty() || token != token_) return;
  if (!seen_) PutBack();
  if (past_.size() == kPastTokens) past_.erase(past_.begin());
  past_.push_back(std::move(token_));
  token_.clear();
  seen_ = false;
}

void CaptureProbe::PutBack() {
  if (!before_) return;
  restoring_ = std::move(before_);
  before_.reset();
  try {
    clipboard_.SetText(*restoring_);
  } catch (...) {
    LogWarning("clipboard",
               "the clipboard's text could not be put back after the doctor's test: " + CurrentExceptionText());
  }
}

}  // namespace cvd
