#include "core/data/GroupFile.h"

#include "core/data/GroupLines.h"

#include "core/data/LineFile.h"
#include "core/util/AtomicFile.h"
#include "core/util/Text.h"

namespace cvd {
namespace {

constexpr std::string_view kIllegalNameCharacters = "\"*/:<>?\\^|";
constexpr std::size_t kVersionPosition = 29;  // after the header text and one space
constexpr std::size_t kShownValueLength = 40;

// Thrown inside the reader at a number line that is not a whole number.

void ReadGroup(LineReader& in, GroupFileContents& out) {
  TGroup& g = out.group;
  g.Name = in.NextDeciphered();
  g.MonitorApplication = in.NextDeciphered();
  g.MonitorWindow = in.NextDeciphered();
  ReadPlaceAndButtons(in, g);
  g.Shared = in.NextDeciphered() == "Shared";
  if (const auto columns = ParseWholeNumber(in.Next())) {
    g.NumColumns = *columns;
    out.hasNumColumns = true;
  }
  if (out.version != '3' && out.version != '4') return;
  ReadDisplayLines(in, g, NumberLines::Plain);
  out.hasDisplay = true;
  if (out.version != '4') return;
  g.PasteKeyMode = NumberOrThrow(in.Next());
  g.PasteDelay = NumberOrThrow(in.Next());
  out.hasPaste = true;
}

std::string MalformedMessage(const std::string& fileName, const GroupFileContents& contents) {
  std::string value = contents.errorValue.substr(0, Utf8PrefixBytes(contents.errorValue, kShownValueLength));
  if (value.size() < contents.errorValue.size()) value += "...";
  return "Unable to import the group file:\n" + fileName + "\n\nLine " + std::to_string(contents.errorLine) +
         " is not a valid number: \"" + value + "\"";
}

}  // namespace

bool CheckFileName(std::string_view namePart) {
  return namePart.find_first_of(kIllegalNameCharacters) == std::string_view::npos;
}

std::string WriteGroupFile(const TGroup& g) {
  LineWriter out;
  out.Enciphered(std::string(kGroupFileHeader) + " 4");
  out.Enciphered(g.Name);
  out.Enciphered(g.MonitorApplication);
  out.Enciphered(g.MonitorWindow);
  out.Number(g.NumClipButtons);
  out.Number(g.NumPermButtons);
  out.Number(g.WindowLeft);
  out.Number(g.WindowTop);
  out.Flag(false);  // the position is not remembered on the importing side
  const TButton empty = EmptyClipButton();
  for (int b = 1; b <= g.TotalButtons(); ++b) {
    const TButton& button = b < static_cast<int>(g.Buttons.size()) ? g.Buttons[b] : empty;
    out.Enciphered(button.Name);
    out.Enciphered(button.Hint);
    out.Enciphered(PackText(button.Text));
  }
  out.Enciphered("NotShared");  // sharing is a choice of each computer
  out.Number(g.NumColumns);
  WriteDisplayLines(out, g, NumberLines::Plain);
  out.Number(g.PasteKeyMode);
  out.Number(g.PasteDelay);
  return std::move(out.Bytes());
}

bool SaveGroupToFile(const TGroup& group, const std::string& fileName, std::string* error) {
  return WriteFileAtomically(fileName, WriteGroupFile(group), error, FileAccess::KeepExisting);
}

GroupFileContents ReadGroupFile(std::string_view bytes) {
  GroupFileContents out;
  LineReader in(bytes);
  const std::string header = in.NextDeciphered();
  if (header.compare(0, std::string_view(kGroupFileHeader).size(), kGroupFileHeader) != 0) {
    out.status = GroupFileStatus::NotGroupFile;
    out.errorLine = 1;
    return out;
  }
  out.version = header.size() > kVersionPosition ? header[kVersionPosition] : '\0';
  try {
    ReadGroup(in, out);
    in.FinishDeciphering();
  } catch (const UnreadableLine&) {
    const char version = out.version;
    out = GroupFileContents{};
    out.status = GroupFileStatus::Malformed;
    out.version = version;
    out.errorLine = in.LineNumber();
    // The line just read, again, for the message.
    LineReader again(bytes);
    for (std::size_t i = 1; i < out.errorLine; ++i) again.Next();
    out.errorValue = std::string(again.Next());
  }
  return out;
}

void ApplyGroupFile(const GroupFileContents& contents, TGroup& target, bool newGroup,
                    const CaptionFunction& makeCaption) {
  const TGroup& g = contents.group;
  target.MonitorApplication = g.MonitorApplication;
  target.MonitorWindow = g.MonitorWindow;
  target.NumClipButtons = g.NumClipButtons;
  target.NumPermButtons = g.NumPermButtons;
  target.WindowLeft = g.WindowLeft;
  target.WindowTop = g.WindowTop;
  target.RememberPos = g.RememberPos;
  target.Buttons = g.Buttons;
  for (std::size_t b = 1; b < target.Buttons.size(); ++b) {
    target.Buttons.SetName(b, makeCaption(std::string(target.Buttons.Name(b))));
  }
  target.Shared = g.Shared;
  if (newGroup && contents.hasNumColumns) target.NumColumns = g.NumColumns;
  if (contents.hasDisplay) {
    target.ButtonWidth = g.ButtonWidth;
    target.ButtonHeight = g.ButtonHeight;
    target.FillMode = g.FillMode;
    target.PlaySound = g.PlaySound;
    target.SoundFile = g.SoundFile;
    target.FontName = g.FontName;
    target.FontSize = g.FontSize;
    target.FontStyle = g.FontStyle;
    target.CopyDups = g.CopyDups;
    target.TrackUsed = g.TrackUsed;
    target.ShowHints = g.ShowHints;
    target.HintType = g.HintType;
  }
  if (contents.hasPaste) {
    target.PasteKeyMode = g.PasteKeyMode;
    target.PasteDelay = g.PasteDelay;
  }
}

GroupFileLoad ReadGroupFileAt(const std::string& fileName) {
  GroupFileLoad load;
  std::string bytes;
  std::string error;
  if (!ReadWholeFile(fileName, bytes, &error)) {
    load.problem = "Unable to read the group file:\n" + error;
    return load;
  }
  load.contents = ReadGroupFile(bytes);
  if (load.contents.status == GroupFileStatus::NotGroupFile) {
    load.problem = fileName + "\nis not a valid Corvinade Group File.";
  } else if (load.contents.status == GroupFileStatus::Malformed) {
    load.problem = MalformedMessage(fileName, load.contents);
  }
  return load;
}

}  // namespace cvd
