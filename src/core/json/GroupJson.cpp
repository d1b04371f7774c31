#include "core/json/GroupJson.h"

#include "core/util/Text.h"

namespace cvd {

using json = nlohmann::ordered_json;

namespace {

json ButtonJson(const ButtonList& b, std::size_t i) {
  return json{{"Name", ValidUtf8(b.Name(i))}, {"Hint", ValidUtf8(b.Hint(i))},
              {"Text", ValidUtf8(b.Text(i))}, {"Used", b.Used(i)},
              {"FontColor", b.FontColor(i)},  {"Color", b.Color(i)}};
}

}  // namespace

json GroupFieldsToJson(const TGroup& g) {
  json styles = json::array();
  if (g.FontStyle & fsBold) styles.push_back("bold");
  if (g.FontStyle & fsItalic) styles.push_back("italic");
  // Keys in the order of the group record.
  json j = json::object();
  j["Name"] = ValidUtf8(g.Name);
  j["NumClipButtons"] = g.NumClipButtons;
  j["NumPermButtons"] = g.NumPermButtons;
  j["WindowLeft"] = g.WindowLeft;
  j["WindowTop"] = g.WindowTop;
  j["RememberPos"] = g.RememberPos;
  j["MonitorApplication"] = ValidUtf8(g.MonitorApplication);
  j["MonitorWindow"] = ValidUtf8(g.MonitorWindow);
  j["NumColumns"] = g.NumColumns;
  j["Shared"] = g.Shared;
  j["ButtonWidth"] = g.ButtonWidth;
  j["ButtonHeight"] = g.ButtonHeight;
  j["FillMode"] = g.FillMode;
  j["PlaySound"] = g.PlaySound;
  j["SoundFile"] = ValidUtf8(g.SoundFile);
  j["FontName"] = ValidUtf8(g.FontName);
  j["FontSize"] = g.FontSize;
  j["FontStyle"] = styles;
  j["CopyDups"] = g.CopyDups;
  j["TrackUsed"] = g.TrackUsed;
  j["ShowHints"] = g.ShowHints;
  j["HintType"] = g.HintType;
  j["PasteKeyMode"] = g.PasteKeyMode;
  j["PasteDelay"] = g.PasteDelay;
  return j;
}

json GroupToJson(const TGroup& g) {
  json buttons = json::array();
  buttons.get_ref<json::array_t&>().reserve(g.Buttons.size());
  for (std::size_t i = 1; i < g.Buttons.size(); ++i) buttons.push_back(ButtonJson(g.Buttons, i));
  json j = GroupFieldsToJson(g);
  j["Buttons"] = std::move(buttons);
  return j;
}

json GroupsInListOrder(const GroupTable& table) {
  json groups = json::array();
  for (const std::string& name : table.GroupList) {
    const int index = table.FindGroup(name);
    if (index > 0) groups.push_back(GroupToJson(table.Groups[index]));
  }
  return groups;
}

}  // namespace cvd
