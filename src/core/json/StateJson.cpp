#include "core/json/StateJson.h"

#include "core/app/Engine.h"
#include "core/json/GroupJson.h"
#include "core/ports/Ui.h"
#include "core/util/Text.h"

namespace cvd {

nlohmann::ordered_json StateJson(Engine& engine) {
  const GroupTable& table = engine.Table();
  Ui& ui = *engine.GetPorts().ui;
  const Rect frame = ui.ButtonWindowFrame();
  nlohmann::ordered_json state;
  state["CurrentGroup"] = table.CurrentGroup >= 1 && table.CurrentGroup <= table.GroupCount()
                              ? nlohmann::ordered_json(ValidUtf8(table.Current().Name))
                              : nlohmann::ordered_json(nullptr);
  state["groups"] = GroupsInListOrder(table);
  state["window"] = {{"visible", ui.ButtonWindowVisible()},
                     {"x", frame.left},
                     {"y", frame.top},
                     {"width", frame.width},
                     {"height", frame.height},
                     {"opacity", ui.Opacity()},
                     {"rolledUp", engine.RolledUp()}};
  return state;
}

}  // namespace cvd
