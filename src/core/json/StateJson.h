#pragma once
#include <nlohmann/json.hpp>
#include <string>

namespace cvd {

class Engine;

// The snapshot `corvinade-tool state` prints.
nlohmann::ordered_json StateJson(const Engine& engine);
// The same as it prints it (StateJson(engine).dump(2)), its groups written
// straight as text.
std::string StateText(const Engine& engine);

}  // namespace cvd
