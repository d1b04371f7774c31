#include "core/quickfix/QuickFixList.h"

namespace cvd {

std::string QuickFixName(std::string_view entry) { return std::string(entry.substr(0, entry.find('='))); }

std::string QuickFixAction(std::string_view entry) {
  const std::size_t equals = entry.find('=');
  return equals == std::string_view::npos ? std::string() : std::string(entry.substr(equals + 1));
}

std::string MakeQuickFixEntry(std::string_view name, std::string_view action) {
  std::string entry(name);
  entry += '=';
  entry += action;
  return entry;
}

QuickFixList DefaultQuickFixes() {
  // The two "Remove ... Spaces" actions have a single blank as their argument.
  return QuickFixList{{
      "Change to Uppercase={Uppercase}",
      "Change to Lowercase={Lowercase}",
      "Capitalize First Letters={CapitalizeFirst}",
      "Remove Leading > and <={RemoveLeading >}{RemoveLeading <}",
      "Remove Leading Spaces={RemoveLeading  }",
      "Remove Trailing Spaces={RemoveTrailing  }",
      "Split button into separate lines={Split 1}",
      "Format phone number={Number (###) ###-####}",
      "Format number={Number %#,##0.00}",
  }};
}

}  // namespace cvd
