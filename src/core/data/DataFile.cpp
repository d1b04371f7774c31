#include "core/data/DataFile.h"

#include "core/data/GroupLines.h"

#include <optional>
#include <system_error>
#include <thread>

#include "core/data/Cipher.h"
#include "core/data/EarlyDataRead.h"
#include "core/data/LateButtons.h"
#include "core/data/LineFile.h"
#include "core/log/Log.h"
#include "core/util/AtomicFile.h"
#include "core/util/FileBytes.h"
#include "core/util/KeepAside.h"

namespace cvd {
namespace {

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

bool IsSeparator(std::string_view line) { return line == SeparatorLine() || Decrypt(line) == kGroupSeparator; }

// How a group's block ends. Skipping: lines before the separator (from a
// newer writer) are skipped. Next line: the line after the buttons is the
// separator, damaged or not; this program writes it there, so a file whose
// separator line was damaged still reads the blocks after it.
enum class SeparatorRule { Skipping, NextLine };

void ReadBlockA(LineReader& in, GroupTable& table, DataFileContents& out, SeparatorRule rule) {
  TGroup& g = table.Groups.emplace_back();
  g.Name = in.NextDeciphered();
  table.GroupList.push_back(g.Name);
  g.MonitorApplication = in.NextDeciphered();
  ReadPlaceAndButtons(in, g);
  if (rule == SeparatorRule::NextLine && !in.AtEnd()) {
    if (!IsSeparator(in.Next())) in.NoteDamage();
    return;
  }
  for (;;) {
    if (in.AtEnd()) {
      ++out.missingSeparators;
      return;
    }
    if (IsSeparator(in.Next())) return;
  }
}

void ReadBlockD(LineReader& in, TGroup& g) { ReadDisplayLines(in, g, NumberLines::Enciphered); }

void ReadGroups(LineReader& in, const LegacyDisplay& legacy, DataFileContents& out, SeparatorRule rule) {
  GroupTable& table = out.table;
  const std::int32_t count = NumberOrThrow(in.Next());
  // Every group needs lines of its own, so a count beyond the lines left
  // cannot be read; refusing it early also bounds what a damaged count
  // could make the reader allocate.
  if (count < 1 || static_cast<std::size_t>(count) > in.RemainingLines(static_cast<std::size_t>(count)))
    throw UnreadableLine{};
  table.Groups.reserve(static_cast<std::size_t>(count) + 1);
  for (int g = 1; g <= count; ++g) ReadBlockA(in, table, out, rule);

  std::vector<TGroup>& groups = table.Groups;  // complete from here on
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) {
      groups[g].MonitorWindow = in.NextDeciphered();
      const std::string shared = in.NextDeciphered();
      if (shared != "Shared" && shared != "NotShared") in.NoteDamage();
      groups[g].Shared = shared == "Shared";
    }
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) groups[g].NumColumns = NumberOrThrow(in.NextDeciphered());
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) ReadBlockD(in, groups[g]);
  } else {
    for (int g = 1; g <= count; ++g) legacy.ApplyTo(groups[g]);
    out.usedLegacy = true;
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) {
      SetIfNumber(groups[g].PasteKeyMode, in);
      SetIfNumber(groups[g].PasteDelay, in);
    }
  }
  if (!in.AtEnd()) {
    for (int g = 1; g <= count; ++g) ReadButtonColours(in, groups[g]);
  }
  // Anything after the last block is left for newer writers.
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
      "Please use the Restore option in Corvinade Settings to reload from backup.";
  return text;
}

std::string PartlyReadMessage(const std::string& path, bool missingSeparator, const std::string& copy,
                              const std::string& copyError) {
  std::string text = missingSeparator ? std::string(kDataLoadErrorText)
                                      : "Parts of the Corvinade data file could not be read:\n" + path +
                                            "\n\nThey were given their default values.";
  text += copy.empty() ? "\n\nNo copy of the file could be kept (" + copyError + ")."
                       : "\n\nThe file as it was is kept as:\n" + copy;
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

namespace {

// The file's layout read; the buttons of a big file still wait in `in`.
struct Parsed {
  DataFileContents out;
  LineReader in;
};

Parsed Parse(std::string_view bytes, const LegacyDisplay& legacy, SeparatorRule rule) {
  Parsed parsed{{}, LineReader(bytes)};
  DataFileContents& out = parsed.out;
  LineReader& in = parsed.in;
  if (in.NextDeciphered() != kDataFileHeader) {
    out.status = DataFileStatus::WrongHeader;
    out.errorLine = 1;
    return parsed;
  }
  try {
    ReadGroups(in, legacy, out, rule);
  } catch (const UnreadableLine&) {
    out = DataFileContents{};
    out.status = DataFileStatus::Unreadable;
    out.errorLine = in.LineNumber();
    // Its deferred buttons belonged to the groups just dropped.
    in = LineReader(std::string_view{});
    return parsed;
  }
  out.table.CurrentGroup = 1;
  out.table.CurrentButton = 1;
  return parsed;
}

Parsed ParseBest(std::string_view bytes, const LegacyDisplay& legacy) {
  Parsed skipping = Parse(bytes, legacy, SeparatorRule::Skipping);
  if (skipping.out.status == DataFileStatus::Ok && skipping.out.missingSeparators == 0) return skipping;
  // A damaged separator line makes the skipping read run past the blocks
  // that follow (the last group's) or into the next group's lines (the
  // others'): read again taking the line after the buttons as the separator.
  Parsed nextLine = Parse(bytes, legacy, SeparatorRule::NextLine);
  const bool better =
      nextLine.out.status == DataFileStatus::Ok &&
      (skipping.out.status != DataFileStatus::Ok || nextLine.out.missingSeparators < skipping.out.missingSeparators);
  return better ? std::move(nextLine) : std::move(skipping);
}

}  // namespace

struct LayoutAhead {
  Parsed parsed;
};

std::shared_ptr<LayoutAhead> ReadLayoutAhead(std::string_view bytes) {
  if (bytes.size() < DeferredDecipher::kMinBytes) return nullptr;  // read whole at the load
  return std::make_shared<LayoutAhead>(LayoutAhead{ParseBest(bytes, LegacyDisplay{})});
}

namespace {

void FinishReading(Parsed& parsed) {
  parsed.in.FinishDeciphering();
  parsed.out.damagedLines = parsed.in.Damaged();
}

// A big file with the group on screen first (see ReadAhead). `late` gets
// the reading of the other groups, when there are any.
DataFileContents ReadShownFirst(const std::shared_ptr<const FileBytes>& file,
                                const std::shared_ptr<LayoutAhead>& layout, const std::string& path,
                                const DataBytesSeen& seen, const ReadAhead& ahead, const LegacyDisplay& legacy,
                                std::shared_ptr<LateButtons>& late) {
  // Whether the load tells of damage itself: set before Give, which the
  // thread waits for, so it reads it safely.
  auto told = std::make_shared<bool>(false);
  auto damagedLater = [path, told](std::string_view bytes, std::size_t damaged) -> std::string {
    if (damaged == 0 || *told) return {};
    // Kept before any save can replace the file: a save waits for this.
    std::string copyError;
    const std::string copy = KeepDamagedCopy(path, &bytes, copyError);
    LogWarning("data", path + ": " + std::to_string(damaged) + " values could not be read" +
                           (copy.empty() ? "; no copy kept: " + copyError : "; kept as " + copy));
    return PartlyReadMessage(path, false, copy, copyError);
  };
  late = LateButtons::Start(file, seen, std::move(damagedLater), ahead.ready);
  // The layout read ahead holds nothing from the settings unless it took
  // the legacy display values, which it had not got.
  Parsed parsed =
      layout && !layout->parsed.out.usedLegacy ? std::move(layout->parsed) : ParseBest(file->View(), legacy);
  if (parsed.out.status != DataFileStatus::Ok) {
    late.reset();  // after `seen` has run
    return std::move(parsed.out);
  }
  GroupTable& table = parsed.out.table;
  const int shown = ahead.shown(table);
  const bool valid = shown >= 1 && shown <= table.GroupCount();
  DeferredDecipher others = parsed.in.SplitOffDeferred(valid ? &table.Groups[shown].Buttons : nullptr);
  FinishReading(parsed);
  *told = parsed.out.missingSeparators > 0 || parsed.out.damagedLines > 0;
  const bool any = others.Runs() > 0;
  late->Give(std::move(others));
  // With nothing left to read, `seen` is over once `late` is gone; otherwise
  // the caller waits for it (LateButtons::WaitUntilSeen) only when it must.
  if (!any) late.reset();
  return std::move(parsed.out);
}

}  // namespace

DataFileContents ReadDataFile(std::string_view bytes, const LegacyDisplay& legacy) {
  Parsed parsed = ParseBest(bytes, legacy);
  FinishReading(parsed);
  return std::move(parsed.out);
}

DataLoadResult LoadDataFile(GroupTable& table, const std::string& dataDir, const std::string& programDir,
                            const LegacyDisplay& legacy, const DataBytesSeen& seen, const ReadAhead& ahead) {
  const std::string path = dataDir + kDataFileName;
  DataLoadResult result;
  EarlyDataRead::Taken early = ahead.early ? ahead.early->Take(path) : EarlyDataRead::Taken{};
  std::shared_ptr<FileBytes> file = std::move(early.file);
  std::string readError;
  bool missing = false;
  bool read = file != nullptr;
  if (!read) {
    file = std::make_shared<FileBytes>();
    read = file->Read(path, &readError, &missing);
  }
  const std::string_view bytes = file->View();
  if (!read && missing) {
    table = DefaultGroupTable(programDir);
    result.status = DataLoadStatus::NoFile;
    return result;
  }
  if (read) {
    DataFileContents contents = ahead.shown && bytes.size() >= DeferredDecipher::kMinBytes
                                    ? ReadShownFirst(file, early.layout, path, seen, ahead, legacy, result.late)
                                    : SeenWhileReading(bytes, seen, legacy);
    if (contents.status == DataFileStatus::Ok) {
      table = std::move(contents.table);
      result.status = DataLoadStatus::Loaded;
      if (contents.missingSeparators > 0 || contents.damagedLines > 0) {
        // What could be read is used; the file as it was is kept, since the
        // next save writes defaults where it held values.
        std::string copyError;
        result.damagedCopy = KeepDamagedCopy(path, &bytes, copyError);
        result.messages.push_back(
            PartlyReadMessage(path, contents.missingSeparators > 0, result.damagedCopy, copyError));
      }
      return result;
    }
    result.clearSettingsLists = contents.status == DataFileStatus::Unreadable;
  } else {
    result.clearSettingsLists = true;  // a read error
  }
  result.status = DataLoadStatus::Damaged;
  std::string copyError = readError;
  result.damagedCopy = KeepDamagedCopy(path, read ? &bytes : nullptr, copyError);
  table = DefaultGroupTable(programDir);
  result.messages.push_back(DamagedMessage(path, result.damagedCopy, copyError));
  return result;
}

}  // namespace cvd
