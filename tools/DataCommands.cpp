// The program's own formats from the command line: the cipher of stored
// strings, and a JSON view of data files and group files.
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "core/data/Cipher.h"
#include "core/data/DataFile.h"
#include "core/data/GroupFile.h"
#include "core/journal/ClipJournal.h"
#include "core/json/GroupJson.h"
#include "core/util/AtomicFile.h"
#include "core/util/Text.h"
#include "tools/Commands.h"

namespace cvd::tool {
namespace {

std::string ReadStandardInput() {
  std::cin >> std::noskipws;
  return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
}

// The argument, or standard input when there is none; false for extra arguments.
bool InputOf(const std::vector<std::string>& args, const char* usage, std::string& input) {
  if (args.size() > 1) {
    std::cerr << "usage: corvinade-tool " << usage << "\n";
    return false;
  }
  input = args.empty() ? ReadStandardInput() : args[0];
  return true;
}

int DumpDataFile(const std::string& file, const std::string& bytes) {
  const DataFileContents contents = ReadDataFile(bytes, LegacyDisplay{});
  if (contents.status != DataFileStatus::Ok) {
    std::cerr << "corvinade-tool: " << file << ": damaged data file (line " << contents.errorLine << ")\n";
    return 1;
  }
  nlohmann::ordered_json groups = nlohmann::ordered_json::array();
  for (int g = 1; g <= contents.table.GroupCount(); ++g) groups.push_back(GroupToJson(contents.table.Groups[g]));
  nlohmann::ordered_json out;
  out["groups"] = std::move(groups);
  std::cout << out.dump(2) << "\n";
  return 0;
}

int DumpGroupFile(const std::string& file, const std::string& bytes) {
  const GroupFileContents contents = ReadGroupFile(bytes);
  if (contents.status != GroupFileStatus::Ok) {
    std::cerr << "corvinade-tool: " << file << ": damaged group file (line " << contents.errorLine << ")\n";
    return 1;
  }
  // What a fresh import would make of it, with the names as stored.
  TGroup group = NewGroupDefaults(contents.group.Name, "");
  ApplyGroupFile(contents, group, true, [](const std::string& name) { return name; });
  nlohmann::ordered_json out;
  out["version"] = contents.version ? ValidUtf8(std::string(1, contents.version)) : std::string();
  out["group"] = GroupToJson(group);
  std::cout << out.dump(2) << "\n";
  return 0;
}

// What the next start would replay from a clip journal onto the data file
// beside it.
int DumpJournal(const std::string& file) {
  const std::size_t slash = file.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
  const std::string dataMark = DataFileMark(folder + kDataFileName);
  const JournalReading reading = ReadJournal(file, dataMark);
  nlohmann::ordered_json replay = nlohmann::ordered_json::array();
  for (const JournalEntry& entry : reading.entries) {
    replay.push_back({{"kind", entry.kind == JournalKind::Fill ? "fill" : "shift"},
                      {"group", ValidUtf8(entry.group)},
                      {"caption", ValidUtf8(entry.caption)},
                      {"text", ValidUtf8(entry.text)}});
  }
  nlohmann::ordered_json out;
  out["dataMark"] = dataMark;
  out["matched"] = reading.matched;
  out["entriesSeen"] = reading.entriesSeen;
  out["damagedLines"] = reading.damagedLines;
  out["replay"] = std::move(replay);
  std::cout << out.dump(2) << "\n";
  return 0;
}

}  // namespace

int EncryptCommand(const std::vector<std::string>& args) {
  std::string text;
  if (!InputOf(args, "encrypt [TEXT]", text)) return 2;
  std::cout << Encrypt(text) << "\n";
  return 0;
}

int DecryptCommand(const std::vector<std::string>& args) {
  std::string line;
  if (!InputOf(args, "decrypt [LINE]", line)) return 2;
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  std::cout << Decrypt(line);
  return 0;
}

int DumpCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::cerr << "usage: corvinade-tool dump FILE\n";
    return 2;
  }
  const std::string& file = args[0];
  std::string bytes;
  std::string error;
  if (!ReadWholeFile(file, bytes, &error)) {
    std::cerr << "corvinade-tool: " << error << "\n";
    return 1;
  }
  std::string_view first(bytes);
  first = first.substr(0, first.find('\n'));
  if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
  const std::string header = Decrypt(first);
  if (header == kDataFileHeader) return DumpDataFile(file, bytes);
  if (header.rfind(kGroupFileHeader, 0) == 0) return DumpGroupFile(file, bytes);
  if (first.rfind("M ", 0) == 0) return DumpJournal(file);
  std::cerr << "corvinade-tool: " << file << ": not a Corvinade data file, group file or clip journal\n";
  return 1;
}

}  // namespace cvd::tool
