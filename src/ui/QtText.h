#pragma once
// The core keeps its texts as UTF-8 in std::string; the views show QStrings.
#include <QString>
#include <string>

namespace cvd::ui {

inline QString Q(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace cvd::ui
