#include "platform/wayland/TextTypes.h"

#include <unistd.h>

#include <algorithm>

namespace cvd::wayland {

const std::vector<std::string>& ReadableTextTypes() {
  static const std::vector<std::string> types = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain"};
  return types;
}

std::vector<std::string> OfferedTextTypes() {
  std::vector<std::string> types = ReadableTextTypes();
  types.insert(types.end(), {"TEXT", "STRING", OwnOfferMarker()});
  return types;
}

std::string ChooseTextType(const std::vector<std::string>& offered) {
  for (const std::string& type : ReadableTextTypes())
    if (std::find(offered.begin(), offered.end(), type) != offered.end()) return type;
  return {};
}

const std::string& OwnOfferMarker() {
  static const std::string marker = "application/x-corvinade-paste;pid=" + std::to_string(getpid());
  return marker;
}

bool OfferedByUs(const std::vector<std::string>& offered) {
  return std::find(offered.begin(), offered.end(), OwnOfferMarker()) != offered.end();
}

}  // namespace cvd::wayland
