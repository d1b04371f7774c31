#include "core/groups/GroupFileActions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

#include "core/data/Cipher.h"
#include "support/SampleData.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace cvd {
namespace {

using test::Join;
using test::Lines;
using test::SampleGroup;
using test::WithLine;

std::string Caption(const std::string& name) { return "[" + name + "]"; }

TEST(GroupFile, WritesVersion4LineByLine) {
  TGroup g = NewGroupDefaults("G", "/prog/");
  g.NumClipButtons = 1, g.NumPermButtons = 1;
  g.ResizeButtons();
  g.Buttons.Set(1, TButton{"c", "h", "x\r\ny", true, 5, 6});
  g.Buttons.Set(2, TButton{"p", "", "\t", false, 7, 8});
  g.MonitorApplication = "app", g.MonitorWindow = "win", g.WindowLeft = -3, g.WindowTop = 4;
  g.RememberPos = true, g.Shared = true;  // never written as set or shared
  g.NumColumns = 2, g.PlaySound = false, g.FontStyle = fsBold, g.CopyDups = 2, g.PasteKeyMode = 1, g.PasteDelay = 150;
  const std::vector<std::string> expected = {
      Encrypt("Corvinade Group File Version 4"),
      Encrypt("G"),
      Encrypt("app"),
      Encrypt("win"),
      "1",
      "1",
      "-3",
      "4",
      "FALSE",
      Encrypt("c"),
      Encrypt("h"),
      Encrypt("x\xFFy"),
      Encrypt("p"),
      "",
      Encrypt("\xFE"),
      Encrypt("NotShared"),
      "2",
      "90",
      "20",
      "1",
      "FALSE",
      Encrypt("/prog/copy.wav"),
      Encrypt(kDefaultFontName),
      "10",
      "FALSE",
      "TRUE",
      "NEW",
      "TRUE",
      "TRUE",
      "2",
      "1",
      "150",
  };
  EXPECT_EQ(WriteGroupFile(g), Join(expected, expected.size()));
}

TEST(CheckFileName, RefusesReservedAsciiCharactersOnly) {
  const std::pair<const char*, bool> cases[] = {
      {"caf\xC3\xA9 \xC3\x9C.cgf", true},
      {"a b.c-d_e.cgf", true},
      {"a|b.cgf", false},
      {"a^b.cgf", false},
      {"a\"b", false},
      {"a*b", false},
      {"a/b", false},
      {"a:b", false},
      {"a<b", false},
      {"a?b", false},
      {"a\\b", false},
  };
  for (const auto& [name, ok] : cases) EXPECT_EQ(CheckFileName(name), ok) << name;
}

class GroupImportTest : public ::testing::Test {
 protected:
  GroupImportTest() {
    table.Groups.push_back(SampleGroup("Work", 2, 2, 1));
    table.Groups.push_back(SampleGroup("Home", 1, 1, 2));
    table.GroupList = {"Work", "Home"};
  }
  // Writes `bytes` as a group file and imports it.
  GroupImport Import(const std::string& bytes) {
    dir.Write("g.cgf", bytes);
    return LoadGroupFromFile(table, dir.File("g.cgf"), ui, "/prog/", Caption);
  }
  test::TempDir dir;
  test::ScriptedUi ui;
  GroupTable table;
  TGroup exported = SampleGroup("Travel", 2, 3, 3);
};

TEST_F(GroupImportTest, ExportedGroupImportsEqualExceptColoursPositionFlagAndSharing) {
  exported.Shared = true;
  const GroupImport result = Import(WriteGroupFile(exported));
  ASSERT_EQ(result.groupIndex, 3);
  EXPECT_EQ(table.GroupList, (std::vector<std::string>{"Work", "Home", "Travel"}));
  TGroup expected = exported;
  expected.RememberPos = expected.Shared = false;
  for (int b = 1; b <= expected.TotalButtons(); ++b) {
    const TButton button = expected.Buttons[b];
    expected.Buttons.Set(
        b, TButton{Caption(button.Name), button.Hint, button.Text, false, b > 2 ? clRed : clBlack, clBtnFace});
  }
  expected.Buttons.Set(0, TButton{});
  EXPECT_EQ(table.Groups[3], expected);
}

TEST_F(GroupImportTest, ExistingNameAsksUntilTheNameIsFreeOrCancelled) {
  exported.Name = "work";
  const GroupTable before = table;
  for (const auto& [answer, input] :
       {std::pair<MsgResult, const char*>{MsgResult::Cancel, nullptr}, {MsgResult::No, nullptr}, {MsgResult::No, ""}}) {
    ui.Answer(answer);
    if (answer == MsgResult::No) ui.AnswerInput(input ? std::optional<std::string>(input) : std::nullopt);
    EXPECT_FALSE(Import(WriteGroupFile(exported)).imported);
    EXPECT_EQ(table.Groups, before.Groups);
  }
  // No, then a name that exists too ("HOME"), then No again and a free name.
  ui.Answer(MsgResult::No);
  ui.AnswerInput("HOME");
  ui.Answer(MsgResult::No);
  ui.AnswerInput("Work 2");
  const GroupImport result = Import(WriteGroupFile(exported));
  EXPECT_EQ(table.Groups[result.groupIndex].Name, "Work 2");
  EXPECT_TRUE(ui.AllAnswersUsed());
}

// A name the New Group dialog would not give is told and another asked for.
TEST_F(GroupImportTest, ANameTheNewGroupDialogRefusesIsAskedAgain) {
  const std::tuple<std::string, std::string, std::optional<std::string>> cases[] = {
      {"", "", "Named"},
      {"two\r\nlines", "two  lines", "two lines"},
      {"two\r\nlines", "two  lines", "still\nbroken"},
      {"two\r\nlines", "two  lines", std::nullopt},
  };
  for (const auto& [stored, offered, answer] : cases) {
    exported.Name = stored;
    ui.messages.clear(), ui.inputQueries.clear();
    ui.AnswerInput(answer);
    const GroupImport result = Import(WriteGroupFile(exported));
    EXPECT_EQ(ui.messages.at(0).text, kBadImportNameText);
    EXPECT_EQ(ui.inputQueries, std::vector<std::string>{"Enter New Group Name|New Import Group Name:|" + offered});
    EXPECT_EQ(result.imported ? table.Groups[result.groupIndex].Name : "-",
              answer == "Named" || answer == "two lines" ? *answer : "-");
  }
}

TEST_F(GroupImportTest, YesOverwritesButKeepsNameAndColumnCount) {
  exported.Name = "HOME";
  exported.NumColumns = 7;
  ui.Answer(MsgResult::Yes);
  EXPECT_EQ(Import(WriteGroupFile(exported)).groupIndex, 2);
  const TGroup& home = table.Groups[2];
  EXPECT_EQ(home.Name, "Home");
  EXPECT_EQ(home.NumColumns, 3);  // its own, not the file's
  EXPECT_EQ(home.Buttons[5].Text, exported.Buttons[5].Text);
}

TEST_F(GroupImportTest, OlderVersionsReadWhatTheyHold) {
  const std::vector<std::string> lines = Lines(WriteGroupFile(exported));
  const TGroup fresh = NewGroupDefaults("Travel", "/prog/");
  const std::tuple<const char*, std::size_t, bool, bool> cases[] = {
      {"2", 9 + 3 * 5 + 2, false, false},  // ends after the column count
      {"3", lines.size() - 2, true, false},
      {"9", lines.size(), false, false},  // unknown: an old version, later lines ignored
      {"", lines.size(), false, false},   // no version character at all
  };
  for (const auto& [version, count, display, paste] : cases) {
    SCOPED_TRACE(version);
    std::string header = std::string("Corvinade Group File Version") + (*version ? " " : "") + version;
    table.Groups.resize(3);
    table.GroupList.resize(2);
    const GroupImport result = Import(WithLine(Join(lines, count), 1, Encrypt(header)));
    ASSERT_TRUE(result.imported);
    const TGroup& g = table.Groups[result.groupIndex];
    EXPECT_EQ(g.Buttons[5].Text, exported.Buttons[5].Text);
    EXPECT_EQ(g.NumColumns, exported.NumColumns);
    EXPECT_EQ(g.ButtonWidth, display ? exported.ButtonWidth : fresh.ButtonWidth);
    EXPECT_EQ(g.CopyDups, display ? exported.CopyDups : fresh.CopyDups);
    EXPECT_EQ(g.PasteDelay, paste ? exported.PasteDelay : fresh.PasteDelay);
  }
}

TEST_F(GroupImportTest, NotAGroupFileIsRefused) {
  const GroupTable before = table;
  const std::string files[] = {"", "plain text\r\n", Encrypt("Corvinade Data File") + "\r\n1\r\n",
                               Encrypt("Corvinade Group File Versio") + "\r\n"};
  for (const auto& bytes : files) {
    EXPECT_FALSE(Import(bytes).imported);
    EXPECT_EQ(table.Groups, before.Groups);
  }
  EXPECT_EQ(ui.messages.size(), 4u);
}

TEST_F(GroupImportTest, MalformedNumberStopsBeforeAnythingChanges) {
  const std::string v4 = WriteGroupFile(exported);
  const GroupTable before = table;
  for (const char* name : {"Travel", "Work"}) {  // a new group, and one that would be overwritten
    for (const std::size_t line : {std::size_t{5}, std::size_t{27}, Lines(v4).size()}) {
      SCOPED_TRACE(std::string(name) + " line " + std::to_string(line));
      ui.messages.clear();
      EXPECT_FALSE(Import(WithLine(WithLine(v4, 2, Encrypt(name)), line, "12x")).imported);
      ASSERT_EQ(ui.messages.size(), 1u);  // the error, no question first
      EXPECT_NE(ui.messages[0].text.find("Line " + std::to_string(line)), std::string::npos);
      EXPECT_EQ(table.Groups, before.Groups);
    }
  }
  // An unreadable column count alone is ignored.
  const GroupImport result = Import(WithLine(v4, 2 + 7 + 15 + 2, "wide"));
  ASSERT_TRUE(result.imported);
  EXPECT_EQ(table.Groups[result.groupIndex].NumColumns, 1);
}

TEST_F(GroupImportTest, ExportAndImportCommandsUseTheirFoldersAndRefuseIllegalNames) {
  std::string exportDir = dir.Path();
  ui.AnswerFile(dir.File("a|b.cgf"));
  EXPECT_FALSE(ExportGroup(exported, ui, exportDir));
  EXPECT_EQ(ui.fileDialogs[0].fileName, "Travel.cgf");
  EXPECT_EQ(dir.Listing(), "");

  std::filesystem::create_directory(dir.File("out"));
  exportDir = "/elsewhere/";
  ui.AnswerFile(dir.File("out/R\xC3\xA9sum\xC3\xA9.cgf"));
  EXPECT_TRUE(ExportGroup(exported, ui, exportDir));
  EXPECT_EQ(exportDir, dir.File("out/"));
  EXPECT_EQ(dir.Read("out/R\xC3\xA9sum\xC3\xA9.cgf"), WriteGroupFile(exported));

  std::string importDir = "/somewhere/";
  ui.AnswerFile(dir.File("out/R\xC3\xA9sum\xC3\xA9.cgf"));
  EXPECT_TRUE(ImportGroup(table, ui, importDir, "/prog/", Caption).created);
  EXPECT_EQ(ui.fileDialogs.back().initialDir, "/somewhere/");
  EXPECT_EQ(importDir, dir.File("out/"));
}

}  // namespace
}  // namespace cvd
