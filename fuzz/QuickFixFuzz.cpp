// Random actions on random texts: the interpreter must neither crash nor
// hang, whatever it is given. The input is split into an action and a text;
// the splits run into a real group so that clip shifting is exercised too.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/quickfix/FormatNumber.h"
#include "core/quickfix/QuickFixRunner.h"

namespace {

cvd::GroupTable MakeTable(int fillMode, int clipButtons) {
  cvd::GroupTable table;
  table.Groups.resize(2);
  table.MakeNewGroup(1, "Fuzz", "/nonexistent/");
  cvd::TGroup& group = table.Current();
  group.FillMode = fillMode;
  group.NumClipButtons = clipButtons;
  group.ResizeButtons();
  table.CurrentButton = group.TotalButtons();
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int fillMode = input.ConsumeIntegralInRange(0, 2);
  const int clipButtons = input.ConsumeIntegralInRange(0, 8);
  const bool commaDecimal = input.ConsumeBool();
  const std::string action = input.ConsumeRandomLengthString(4096);
  const std::string text = input.ConsumeRemainingBytesAsString();

  cvd::GroupTable table = MakeTable(fillMode, clipButtons);
  cvd::QuickFixList fixes{{cvd::MakeQuickFixEntry("Fuzz", action)}};
  cvd::QuickFixRunner runner(cvd::QuickFixHost{
      &table, &fixes, nullptr, nullptr, [](const std::string& t) { return t.substr(0, 16); }, {}, {}});
  const cvd::NumberSeparators separators =
      commaDecimal ? cvd::NumberSeparators{",", "."} : cvd::NumberSeparators{".", ","};
  runner.SetSeparators(separators);
  // Texts that keep growing stop at this size; a small limit keeps each run short.
  runner.SetMaxText(1u << 20);
  table.Current().Buttons.SetText(table.CurrentButton, text);
  runner.ApplyFromButtonMenu(0);
  runner.ApplyToButton(0, 1);
  // The number formats on their own, with the action as the format.
  cvd::FormatNumber(text, action, separators);
  cvd::FormatNumber(text, "%" + action, separators);
  return 0;
}
