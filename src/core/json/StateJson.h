#pragma once
#include <nlohmann/json.hpp>

namespace cvd {

class Engine;

// The snapshot `corvinade-tool state` prints.
nlohmann::ordered_json StateJson(const Engine& engine);

}  // namespace cvd
