#include "core/json/GroupJsonText.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/json/GroupJson.h"
#include "core/util/Text.h"

namespace cvd {
namespace {

// Writes JSON as nlohmann's dump(2) does, one value at a time.
class JsonText {
 public:
  JsonText(std::string& out, int level) : out_(out), level_(level) {}

  void OpenObject() { Open('{'); }
  void CloseObject() { Close('}'); }
  void OpenArray() { Open('['); }
  void CloseArray() { Close(']'); }
  void Key(const char* key) {
    Item();
    out_ += '"';
    out_ += key;
    out_ += "\": ";
    keyed_ = true;
  }
  void String(std::string_view text) {
    Item();
    Quoted(text);
  }
  void Number(long long value) {
    Item();
    out_ += std::to_string(value);
  }
  void Bool(bool value) {
    Item();
    out_ += value ? "true" : "false";
  }

 private:
  // A value after a key follows it; one in an array starts its own line.
  void Item() {
    if (keyed_) {
      keyed_ = false;
      return;
    }
    if (!empty_.empty()) {
      if (!empty_.back()) out_ += ',';
      empty_.back() = false;
      out_ += '\n';
      Indent(level_);
    }
  }
  void Open(char bracket) {
    Item();
    out_ += bracket;
    empty_.push_back(true);
    ++level_;
  }
  void Close(char bracket) {
    --level_;
    if (!empty_.back()) {
      out_ += '\n';
      Indent(level_);
    }
    empty_.pop_back();
    out_ += bracket;
  }
  void Indent(int level) { out_.append(2 * static_cast<std::size_t>(level), ' '); }
  void Quoted(std::string_view raw) {
    // Plain ASCII, the usual case, needs no check of its sequences.
    std::string valid;
    std::string_view text = raw;
    if (std::any_of(raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
      valid = ValidUtf8(raw);
      text = valid;
    }
    out_ += '"';
    std::size_t plain = 0;  // start of the run of characters taken as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 0x20 && c != '"' && c != '\\') continue;
      out_.append(text, plain, i - plain);
      plain = i + 1;
      switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\b': out_ += "\\b"; break;
        case '\f': out_ += "\\f"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        default: {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out_ += escaped;
        }
      }
    }
    out_.append(text, plain);
    out_ += '"';
  }

  std::string& out_;
  int level_;
  bool keyed_ = false;
  std::vector<bool> empty_;  // of each open object or array: nothing in it yet
};

// One group at nesting `level`: its fields as nlohmann writes them, its
// buttons as text.
void AppendGroup(std::string& out, const TGroup& g, int level) {
  const std::string indent(static_cast<std::size_t>(2 * level), ' ');
  std::string fields = GroupFieldsToJson(g).dump(2);
  fields.resize(fields.size() - 2);  // its closing "\n}"
  for (std::size_t at = 0; (at = fields.find('\n', at)) != std::string::npos; at += indent.size() + 1)
    fields.insert(at + 1, indent);
  out += fields;
  out += ",\n" + indent + "  \"Buttons\": ";
  JsonText j(out, level + 1);
  j.OpenArray();
  const ButtonList& b = g.Buttons;
  for (std::size_t i = 1; i < b.size(); ++i) {
    j.OpenObject();
    j.Key("Name"), j.String(b.Name(i));
    j.Key("Hint"), j.String(b.Hint(i));
    j.Key("Text"), j.String(b.Text(i));
    j.Key("Used"), j.Bool(b.Used(i));
    j.Key("FontColor"), j.Number(b.FontColor(i));
    j.Key("Color"), j.Number(b.Color(i));
    j.CloseObject();
  }
  j.CloseArray();
  out += "\n" + indent + "}";
}

}  // namespace

void AppendGroupsJson(std::string& out, const GroupTable& table, int level) {
  std::size_t size = 64;
  for (const TGroup& g : table.Groups) {
    for (std::size_t i = 1; i < g.Buttons.size(); ++i)
      size += 200 + g.Buttons.Name(i).size() + g.Buttons.Hint(i).size() + g.Buttons.Text(i).size() * 11 / 10;
  }
  out.reserve(out.size() + size);
  AppendGroupsJson(out, table, level, std::string::npos, {});
}

bool AppendGroupsJson(std::string& out, const GroupTable& table, int level, std::size_t pieceBytes,
                      const JsonPieces& pieces) {
  const std::string indent(static_cast<std::size_t>(2 * level), ' ');
  bool any = false;
  out += '[';
  for (const std::string& name : table.GroupList) {
    const int index = table.FindGroup(name);
    if (index < 1) continue;
    out += (any ? ",\n" : "\n") + indent + "  ";
    AppendGroup(out, table.Groups[index], level + 1);
    any = true;
    if (out.size() >= pieceBytes && !pieces(out)) return false;
  }
  out += any ? "\n" + indent + "]" : "]";
  return true;
}

}  // namespace cvd
