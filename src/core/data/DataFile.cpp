#include "core/data/DataFile.h"

#include "core/data/GroupLines.h"

#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#include "core/data/Cipher.h"
#include "core/data/LineFile.h"
#include "core/log/Log.h"
#include "core/util/AtomicFile.h"
#include "core/util/FileBytes.h"

namespace cvd {
namespace {

constexpr int kMaxDamagedCopies = 1000;

// The separator line as the writer makes it, so the reader can recognise it
// without deciphering (equal plain texts give equal lines).
const std::string& SeparatorLine() {
  static const std::string line = Encrypt(kGroupSeparator);
  return line;
}

std::vector<const TGroup*> GroupsInListOrder(const GroupTable& table) {
  std::vector<const TGroup*> groups;
  groups.reserve(table.GroupList.size());
  for (const std::string& name : table.GroupList) {
    const int index = table.FindGroup(name);
    if (index > 0) groups.push_back(&table.Groups[index]);
  }
  return groups;
}

bool HasButton(const TGroup& group, int b) { return b >= 0 && b < static_cast<int>(group.Buttons.size()); }

// Room for the whole file, so building it never moves what is written:
// a value of n bytes takes about 4(n + 16)/3 characters.
std::size_t EstimatedSize(const std::vector<const TGroup*>& groups) {
  std::size_t size = 256;
  for (const TGroup* g : groups) {
    size += 1024 + g->MonitorApplication.size() + g->MonitorWindow.size() + g->SoundFile.size() + g->Name.size();
    for (std::size_t b = 0; b < g->Buttons.size(); ++b) {
      size +=
          (g->Buttons.Name(b).size() + g->Buttons.Hint(b).size() + g->Buttons.Text(b).size()) * 4 / 3 + 3 * 24 + 2 * 14;
    }
  }
  return size;
}

void ReadBlockA(LineReader& in, GroupTable& table, DataFileContents& out) {
  TGroup& g = table.Groups.emplace_back();
  g.Name = in.NextDeciphered();
  table.GroupList.push_back(g.Name);
  g.MonitorApplication = in.NextDeciphered();
  ReadPlaceAndButtons(in, g);
  // Lines before the separator (from a newer writer) are skipped.
  for (;;) {
    if (in.AtEnd()) {
      ++out.missingSeparators;
      return;
    }
    const std::string_view line = in.Next();
    if (line == SeparatorLine() || Decrypt(line) == kGroupSeparator) return;
  }
}

void ReadBlockD(LineReader& in, TGroup& g) { ReadDisplayLines(in, g, NumberLines::Enciphered); }

// Blocks E and F are forgiving: a line that is not a number keeps the field.
void SetIfNumber(std::int32_t& field, std::string_view line) {
  if (const auto value = ParseWholeNumber(line)) field = *value;
}

void ReadGroups(LineReader& in, const LegacyDisplay& legacy, DataFileContents& out) {
  GroupTable& table = out.table;
  const std::int32_t count = NumberOrThrow(in.Next());
  // Every group needs lines of its own, so a count beyond the lines left
  // cannot be read; refusing it early also bounds what a damaged count
  // could make the reader allocate.
  if (count < 1 || static_cast<std::size_t>(count) > in.RemainingLines(static_cast<std::size_t>(count)))
    throw UnreadableLine{};
  table.Groups.reserve(static_cast<std::size_t>(count) + 1);
  for (int g = 1; g <= count; ++g) ReadBlockA(in, table, out);

  std::vector<TGroup>& groups = table.Groups;  // complete from here on
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) {
      groups[g].MonitorWindow = in.NextDeciphered();
      groups[g].Shared = in.NextDeciphered() == "Shared";
    }
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) groups[g].NumColumns = NumberOrThrow(in.NextDeciphered());
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) ReadBlockD(in, groups[g]);
  } else {
    for (int g = 1; g <= count; ++g) legacy.ApplyTo(groups[g]);
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) {
      SetIfNumber(groups[g].PasteKeyMode, in.Next());
      SetIfNumber(groups[g].PasteDelay, in.Next());
    }
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) {
      for (int b = 1; b <= groups[g].TotalButtons(); ++b) {
        TColor font = groups[g].Buttons.FontColor(b);
        TColor face = groups[g].Buttons.Color(b);
        SetIfNumber(font, in.Next());
        SetIfNumber(face, in.Next());
        groups[g].Buttons.SetFontColor(b, font);
        groups[g].Buttons.SetColor(b, face);
      }
    }
  }
  // Anything after the last block is left for newer writers.
}

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

// Keeps the damaged file under the first free name "corvinade.dat.damaged",
// "corvinade.dat.damaged.2", ...; from its bytes when they could be read,
// else as a second link to the same file (an atomic save later replaces only
// the original name). Returns the copy's path, or empty with `error`.
std::string KeepDamagedFile(const std::string& path, const std::string_view* bytes, std::string& error) {
  for (int n = 1; n <= kMaxDamagedCopies; ++n) {
    std::string copy = path + ".damaged" + (n == 1 ? std::string() : "." + std::to_string(n));
    if (Exists(copy)) continue;
    if (bytes) {
      if (WriteNewFile(copy, std::string(*bytes), &error)) return copy;
    } else {
      if (::link(path.c_str(), copy.c_str()) == 0) return copy;
      error = "cannot link " + copy + ": " + std::strerror(errno);
    }
    return {};
  }
  error = "too many earlier copies";
  return {};
}

std::string DamagedMessage(const std::string& path, const std::string& copy, const std::string& copyError) {
  std::string text = "The Corvinade data file could not be read:\n" + path + "\n\n";
  if (!copy.empty()) {
    text += "It was kept as:\n" + copy + "\n\n";
  } else {
    text += "No copy of it could be kept (" + copyError + ").\n\n";
  }
  text +=
      "Corvinade starts with the Default group. "
      "Please use the Restore option in Setup to reload from backup.";
  return text;
}

// Hands the bytes to `seen` on a second thread while they are read: the
// reader leaves a core idle for most of a big file.
DataFileContents SeenWhileReading(std::string_view bytes, const DataBytesSeen& seen, const LegacyDisplay& legacy) {
  std::thread helper;
  if (seen && bytes.size() >= DeferredDecipher::kMinBytes) {
    try {
      helper = std::thread([&] {
        try {
          seen(bytes);
        } catch (...) {
          // Out of memory: the caller sees no bytes, as for an unreadable file.
          LogWarning("data", "deciphering the data file ahead failed: " + CurrentExceptionText());
        }
      });
    } catch (const std::system_error&) {
      // No thread to be had: this one does it.
    }
  }
  if (seen && !helper.joinable()) seen(bytes);
  DataFileContents contents = ReadDataFile(bytes, legacy);
  if (helper.joinable()) helper.join();
  return contents;
}

}  // namespace

std::string WriteDataFile(const GroupTable& table) {
  const std::vector<const TGroup*> groups = GroupsInListOrder(table);
  LineWriter out;
  out.Reserve(EstimatedSize(groups));
  out.Enciphered(kDataFileHeader);
  out.Number(static_cast<std::int32_t>(groups.size()));
  for (const TGroup* g : groups) {
    out.Enciphered(g->Name);
    out.Enciphered(g->MonitorApplication);
    out.Number(g->NumClipButtons);
    out.Number(g->NumPermButtons);
    out.Number(g->WindowLeft);
    out.Number(g->WindowTop);
    out.Flag(g->RememberPos);
    for (int b = 1; b <= g->TotalButtons(); ++b) {
      // A missing button is written as an empty clip.
      const bool has = HasButton(*g, b);
      out.Enciphered(has ? g->Buttons.Name(b) : std::string_view(kEmptyCaption));
      out.Enciphered(has ? g->Buttons.Hint(b) : std::string_view());
      out.Enciphered(PackText(has ? g->Buttons.Text(b) : std::string_view()));
    }
    out.Plain(SeparatorLine());
  }
  for (const TGroup* g : groups) {
    out.Enciphered(g->MonitorWindow);
    out.Enciphered(g->Shared ? "Shared" : "NotShared");
  }
  for (const TGroup* g : groups) out.Enciphered(std::to_string(g->NumColumns));
  for (const TGroup* g : groups) WriteDisplayLines(out, *g, NumberLines::Enciphered);
  for (const TGroup* g : groups) {
    out.Number(g->PasteKeyMode);
    out.Number(g->PasteDelay);
  }
  for (const TGroup* g : groups) {
    for (int b = 1; b <= g->TotalButtons(); ++b) {
      const bool has = HasButton(*g, b);
      out.Number(has ? g->Buttons.FontColor(b) : clBlack);
      out.Number(has ? g->Buttons.Color(b) : clBtnFace);
    }
  }
  return std::move(out.Bytes());
}

bool SaveData(const GroupTable& table, const std::string& dataDir, std::string* error) {
  return WriteFileAtomically(dataDir + kDataFileName, WriteDataFile(table), error);
}

DataFileContents ReadDataFile(std::string_view bytes, const LegacyDisplay& legacy) {
  DataFileContents out;
  LineReader in(bytes);
  if (in.NextDeciphered() != kDataFileHeader) {
    out.status = DataFileStatus::WrongHeader;
    out.errorLine = 1;
    return out;
  }
  try {
    ReadGroups(in, legacy, out);
    in.FinishDeciphering();
  } catch (const UnreadableLine&) {
    out = DataFileContents{};
    out.status = DataFileStatus::Unreadable;
    out.errorLine = in.LineNumber();
    return out;
  }
  out.table.CurrentGroup = 1;
  out.table.CurrentButton = 1;
  return out;
}

DataLoadResult LoadDataFile(GroupTable& table, const std::string& dataDir, const std::string& programDir,
                            const LegacyDisplay& legacy, const DataBytesSeen& seen) {
  const std::string path = dataDir + kDataFileName;
  DataLoadResult result;
  FileBytes file;
  std::string readError;
  bool missing = false;
  const bool read = file.Read(path, &readError, &missing);
  const std::string_view bytes = file.View();
  if (!read && missing) {
    table = DefaultGroupTable(programDir);
    result.status = DataLoadStatus::NoFile;
    return result;
  }
  if (read) {
    DataFileContents contents = SeenWhileReading(bytes, seen, legacy);
    if (contents.status == DataFileStatus::Ok) {
      table = std::move(contents.table);
      result.status = DataLoadStatus::Loaded;
      result.messages.assign(static_cast<std::size_t>(contents.missingSeparators), kDataLoadErrorText);
      return result;
    }
    result.clearSettingsLists = contents.status == DataFileStatus::Unreadable;
  } else {
    result.clearSettingsLists = true;  // a read error
  }
  result.status = DataLoadStatus::Damaged;
  std::string copyError = readError;
  result.damagedCopy = KeepDamagedFile(path, read ? &bytes : nullptr, copyError);
  table = DefaultGroupTable(programDir);
  result.messages.push_back(DamagedMessage(path, result.damagedCopy, copyError));
  return result;
}

}  // namespace cvd
