// Every quick fix command on texts of 256 KB to 2 MB: the times must grow
// linearly with the text (the complexity fit printed after each family).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/data/GroupTable.h"
#include "core/ports/TextMeasure.h"
#include "core/quickfix/QuickFixRunner.h"
#include "core/window/Caption.h"

namespace {

using namespace cvd;

class FixedPitch : public TextMeasure {
 public:
  int ButtonTextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
  Size HintSize(const std::string&, int maxWidth) override { return Size{maxWidth, 16}; }
};

// Mail-like text: quoted lines of words, numbers and punctuation, CR LF.
std::string ProseText(std::size_t bytes) {
  static const char* const kWords[] = {"> the", "Quick", "brown", "fox;", "jumps",        "over", "the",   "lazy",
                                       "dog,",  "it's",  "3RD",   "time", "555-123-4567", "and",  "again "};
  std::string text;
  std::size_t word = 0;
  std::size_t column = 0;
  while (text.size() < bytes) {
    const char* w = kWords[word++ % (sizeof kWords / sizeof *kWords)];
    text += w;
    column += std::char_traits<char>::length(w);
    if (column > 60) {
      text += "  \r\n";
      column = 0;
    } else {
      text += ' ';
    }
  }
  return text;
}

// One line of words with no line break at all.
std::string OneLongLine(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "lorem ipsum dolor sit amet consectetur ";
  return text;
}

// A number with a very long fraction.
std::string LongNumber(std::size_t bytes) {
  std::string text = "1234.";
  while (text.size() < bytes) text += "0123456789";
  return text;
}

// A run of one letter, the worst case for a naive search of "aaaaaaab".
std::string Letters(std::size_t bytes) { return std::string(bytes, 'a'); }

struct Case {
  const char* name;
  const char* action;
  std::string (*text)(std::size_t);
  int clipButtons = 5;
};

const Case kCases[] = {
    {"Lowercase", "{Lowercase}", ProseText},
    {"Uppercase", "{Uppercase}", ProseText},
    {"CapitalizeFirst", "{CapitalizeFirst}", ProseText},
    {"RemoveLeading", "{RemoveLeading >}", ProseText},
    {"RemoveTrailing", "{RemoveTrailing  }", ProseText},
    {"Remove", "{Remove ,}", ProseText},
    {"RemoveNearMisses", "{Remove aaaaaaab}", Letters},
    {"Replace", "{Replace ;,.}", ProseText},
    {"ReplaceLineBreaks", "{Replace \\r\\n, }", ProseText},
    {"AddPrefix", "{AddPrefix > }", ProseText},
    {"AddSuffix", "{AddSuffix ;}", ProseText},
    {"LineLength", "{LineLength 40}", ProseText},
    {"LineLengthOneLine", "{LineLength 72}", OneLongLine},
    {"Split1", "{Split 1}", ProseText},
    {"Split5", "{Split 5}", ProseText},
    {"Split1Into1000Clips", "{Split 1}", ProseText, 1000},
    {"NumberMask", "{Number (###) ###-####}", ProseText},
    {"NumberPicture", "{Number %#,##0.00}", LongNumber},
    {"NumberNotANumber", "{Number %#,##0.00}", ProseText},
    {"Dial", "{Dial 9,}", ProseText},
    {"ButtonColor", "{ButtonColor clYellow,clMaroon}", ProseText},
    {"DefaultRemoveLeadingPair", "{RemoveLeading >}{RemoveLeading <}", ProseText},
};

void RunCase(benchmark::State& state, const Case& c) {
  const std::string text = c.text(static_cast<std::size_t>(state.range(0)));
  GroupTable table;
  table.Groups.resize(2);
  table.MakeNewGroup(1, "Bench", "/nonexistent/");
  table.Current().NumClipButtons = c.clipButtons;
  table.Current().ResizeButtons();
  QuickFixList fixes{{MakeQuickFixEntry("Bench", c.action)}};
  FixedPitch measure;
  QuickFixRunner runner(QuickFixHost{
      &table, &fixes, nullptr, nullptr, [&](const std::string& t) { return MakeCaption(t, measure, 75); }, {}, {}});
  runner.SetSeparators(NumberSeparators{".", ","});
  for (auto _ : state) {
    auto result = runner.DoQuickFix(0, text);
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
  state.SetComplexityN(state.range(0));
}

// Many commands in one action: the interpreter's own scan stays linear too.
void BM_ManyCommands(benchmark::State& state) {
  std::string action;
  while (action.size() < static_cast<std::size_t>(state.range(0))) action += "}}{Unknown x}{";
  class NoEffects : public QuickFixEffects {
    void FillNewButtons(std::vector<std::string>) override {}
    void Dial(const std::string&) override {}
    void SetButtonColor(TColor, std::optional<TColor>) override {}
  } effects;
  for (auto _ : state) {
    auto result = RunQuickFixAction(action, "text", effects, NumberSeparators{});
    benchmark::DoNotOptimize(result);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ManyCommands)
    ->RangeMultiplier(2)
    ->Range(256 << 10, 2 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

const int kRegistered = [] {
  for (const Case& c : kCases) {
    benchmark::RegisterBenchmark((std::string("QuickFix/") + c.name).c_str(),
                                 [&c](benchmark::State& state) { RunCase(state, c); })
        ->RangeMultiplier(2)
        ->Range(256 << 10, 2 << 20)
        ->Unit(benchmark::kMillisecond)
        ->Complexity(benchmark::oN);
  }
  return 0;
}();

}  // namespace
