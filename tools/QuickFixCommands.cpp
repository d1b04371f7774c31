// corvinade-tool quickfix ACTION: runs a quick fix action on standard input.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/clipboard/ClipShift.h"
#include "core/data/GroupTable.h"
#include "core/quickfix/QuickFix.h"
#include "core/util/Text.h"
#include "tools/Commands.h"

namespace cvd::tool {

namespace {

// Acts on a scratch group of five clip buttons filled from the top, and
// remembers what the action did.
class ScratchEffects : public QuickFixEffects {
 public:
  ScratchEffects() : group_(NewGroupDefaults("Scratch", "")) {
    group_.FillMode = 1;
    group_.NumClipButtons = 5;
    group_.ResizeButtons();
  }

  void FillNewButtons(std::vector<std::string> texts) override {
    newClips.insert(newClips.end(), texts.begin(), texts.end());
    ShiftInNewClips(group_, std::move(texts), [](const std::string& t) { return t; });
  }
  void Dial(const std::string& dialString) override { dialed.push_back(dialString); }
  void SetButtonColor(TColor face, std::optional<TColor> fontColor) override { color = {face, fontColor}; }

  std::vector<std::string> newClips;
  std::vector<std::string> dialed;
  std::optional<std::pair<TColor, std::optional<TColor>>> color;

 private:
  TGroup group_;
};

std::string ReadAll(std::FILE* file) {
  std::string data;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) data.append(buffer, got);
  return data;
}

}  // namespace

int QuickFixCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: corvinade-tool quickfix ACTION < text\n";
    return 2;
  }
  // Numbers are read and written in the user's number format, as the program does.
  std::setlocale(LC_NUMERIC, "");
  const std::string text = ReadAll(stdin);
  const QuickFixList fixes{{MakeQuickFixEntry("Quick fix", args[0])}};
  ScratchEffects effects;
  const QuickFixResult result = DoQuickFix(fixes, 0, text, effects, SystemNumberSeparators());
  if (result.error) {
    std::cerr << *result.error << "\n";
    return 1;
  }

  using json = nlohmann::ordered_json;
  json out = json::object();
  out["text"] = result.text == NoChangeText ? json(nullptr) : json(ValidUtf8(result.text));
  json clips = json::array();
  for (const std::string& clip : effects.newClips) clips.push_back(ValidUtf8(clip));
  out["newClips"] = clips;
  json dialed = json::array();
  for (const std::string& number : effects.dialed) dialed.push_back(ValidUtf8(number));
  out["dialed"] = dialed;
  if (effects.color) {
    const auto& [face, font] = *effects.color;
    out["buttonColor"] = json::array({face, font ? json(*font) : json(nullptr)});
  } else {
    out["buttonColor"] = nullptr;
  }
  std::cout << out.dump() << "\n";
  return 0;
}

}  // namespace cvd::tool
