#pragma once
// Records what the acting quick fix commands asked for.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/quickfix/QuickFix.h"

namespace cvd::test {

class RecordingEffects : public QuickFixEffects {
 public:
  void FillNewButtons(std::vector<std::string> texts) override {
    newClips.insert(newClips.end(), texts.begin(), texts.end());
  }
  void Dial(const std::string& dialString) override { dialed.push_back(dialString); }
  void SetButtonColor(TColor face, std::optional<TColor> fontColor) override { colors.emplace_back(face, fontColor); }

  std::vector<std::string> newClips;
  std::vector<std::string> dialed;
  std::vector<std::pair<TColor, std::optional<TColor>>> colors;
};

}  // namespace cvd::test
