#pragma once
// Recorded key events as short text: "+a" key down, "-a" key up, "*" marks
// an extended key; with times, "+a@20".
#include <string>
#include <vector>

#include "support/RecordingKeyboard.h"

namespace cvd::test {

inline std::string KeyTrace(const std::vector<KeyEvent>& events, bool withTimes = false) {
  std::string out;
  for (const KeyEvent& e : events) {
    if (!out.empty()) out += ' ';
    out += (e.up ? "-" : "+") + e.key + (e.extended ? "*" : "");
    if (withTimes) out += "@" + std::to_string(e.time);
  }
  return out;
}

}  // namespace cvd::test
