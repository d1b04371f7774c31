#include "core/settings/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TempDir.h"

namespace cvd {
namespace {

using test::ReadTextFile;
using test::TempDir;
using test::WriteTextFile;

TEST(IniFileTest, SectionsAndKeysIgnoreLetterCase) {
  IniFile ini;
  ini.LoadFromText("[windows]\r\nmainleft=300\r\n");
  EXPECT_EQ(ini.ReadInteger("Windows", "MainLeft", 0), 300);
  ini.WriteString("WINDOWS", "MAINLEFT", "400");
  EXPECT_EQ(ini.ToText(), "[windows]\r\nmainleft=400\r\n");
}

TEST(IniFileTest, WritesKeyEqualsValueWithCrLfAndKeepsUnknownEntries) {
  IniFile ini;
  ini.LoadFromText("; a comment\n[Other]\nKeep = me\n[Windows]\nMainTop=5\nExtra=1\n");
  ini.WriteString("Windows", "MainTop", "6");
  ini.WriteString("New", "Key", "v");
  EXPECT_EQ(ini.ToText(),
            "; a comment\r\n\r\n[Other]\r\nKeep=me\r\n\r\n[Windows]\r\nMainTop=6\r\nExtra=1\r\n\r\n[New]\r\nKey=v\r\n");
  // Reading what was written and writing it again changes nothing.
  IniFile again;
  again.LoadFromText(ini.ToText());
  EXPECT_EQ(again.ToText(), ini.ToText());
}

TEST(IniFileTest, EveryValueReadsBackAsWritten) {
  const std::string values[] = {" ", "  lead", "trail  ", "\"quoted\"",      "\"", "a\"b",  "tab\t",
                                "",  "x=y",    "[x]",     "; not a comment", "ü€", "\"  \""};
  IniFile ini;
  for (std::size_t i = 0; i < std::size(values); ++i) ini.WriteString("S", "K" + std::to_string(i), values[i]);
  IniFile back;
  back.LoadFromText(ini.ToText());
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(back.Value("S", "K" + std::to_string(i)), values[i]) << i;
  }
}

TEST(IniFileTest, LineBreaksInValuesAndKeysCannotSplitTheLine) {
  IniFile ini;
  ini.WriteString("S", "A", "one\r\n[Evil]\r\nB=2");
  ini.WriteString("S", "multi\nkey", "x");
  IniFile back;
  back.LoadFromText(ini.ToText());
  EXPECT_EQ(back.Value("S", "A"), "one  [Evil]  B=2");
  EXPECT_EQ(back.Value("Evil", "B"), std::nullopt);
  EXPECT_EQ(back.Value("S", "multi key"), "x");
}

TEST(IniFileTest, DamagedLinesAreSkippedAndTheRestIsRead) {
  IniFile ini;
  const std::string damaged(
      "\xEF\xBB\xBF[A]\r\ngarbage line\r\n=novalue\r\nX=1\r\nY\0Z=2\r\n[broken\r\nQ=0\r\n\0[also "
      "broken\r\nR=0\r\n[B]\r\nW=3",
      86);
  ini.LoadFromText(damaged);
  EXPECT_EQ(ini.ReadInteger("A", "X", 0), 1);       // the byte order mark does not hide [A]
  EXPECT_EQ(ini.ReadString("A", "Y Z", "-"), "2");  // a NUL byte does not end the file
  EXPECT_EQ(ini.ReadInteger("A", "R", 5), 0);       // the broken section lines are kept as comments
  EXPECT_EQ(ini.ReadInteger("B", "W", 0), 3);
  // Written back and read again, the readable entries stay the same.
  IniFile again;
  again.LoadFromText(ini.ToText());
  EXPECT_EQ(again.ToText(), ini.ToText());
}

TEST(IniFileTest, WrongFormValuesGiveTheDefault) {
  IniFile ini;
  ini.LoadFromText("[S]\nI=12x\nF=yes\nC=clNotAColour\nGoodC=$000000FF\nDecC=255\n");
  EXPECT_EQ(ini.ReadInteger("S", "I", 7), 7);
  EXPECT_EQ(ini.ReadBool("S", "F", true), true);
  EXPECT_EQ(ini.ReadColor("S", "C", clBtnFace), clBtnFace);
  EXPECT_EQ(ini.ReadColor("S", "GoodC", clBlack), clRed);
  EXPECT_EQ(ini.ReadColor("S", "DecC", clBlack), clRed);
}

TEST(IniFileTest, EraseSectionDropsAllItsKeys) {
  IniFile ini;
  ini.LoadFromText("[PasteKeys]\nTitle3=old\n[Other]\nK=1\n");
  ini.EraseSection("pastekeys");
  ini.WriteString("PasteKeys", "Title1", "new");
  EXPECT_EQ(ini.ToText(), "[Other]\r\nK=1\r\n\r\n[PasteKeys]\r\nTitle1=new\r\n");
  EXPECT_EQ(ini.Value("PasteKeys", "Title3"), std::nullopt);
}

TEST(IniFileTest, ATenMegabyteFileIsReadAndWrittenBackWhole) {
  std::string text = "[Windows]\r\nMainTop=321\r\n[Junk]\r\n";
  for (int i = 0; text.size() < 10u * 1024 * 1024; ++i)
    text += "Key" + std::to_string(i) + "=" + std::string(90, 'x') + "\r\n";
  text += std::string(300000, 'y') + "\r\n[Tail]\r\nLast=1\r\n";  // one huge unreadable line
  TempDir dir;
  WriteTextFile(dir.Path() + "big.ini", text);
  IniFile ini;
  ASSERT_TRUE(ini.Load(dir.Path() + "big.ini"));
  EXPECT_EQ(ini.ReadInteger("Windows", "MainTop", 0), 321);
  EXPECT_EQ(ini.ReadInteger("Tail", "Last", 0), 1);
  EXPECT_EQ(ini.ReadString("Junk", "Key100000", ""), std::string(90, 'x'));
  std::string error;
  ASSERT_TRUE(ini.Save(dir.Path() + "big.ini", error)) << error;
  EXPECT_GT(ReadTextFile(dir.Path() + "big.ini").size(), 10u * 1024 * 1024);
}

TEST(IniFileTest, MissingAndOversizedFilesReadAsEmpty) {
  TempDir dir;
  IniFile ini;
  EXPECT_FALSE(ini.Load(dir.Path() + "none.ini"));
  EXPECT_EQ(ini.ReadInteger("A", "B", 9), 9);
  dir.Write("huge.ini", "[A]\nB=1\n");
  std::filesystem::resize_file(dir.File("huge.ini"), IniFile::kMaxFileBytes + 1);  // sparse, no real disk use
  EXPECT_FALSE(ini.Load(dir.Path() + "huge.ini"));
  EXPECT_EQ(ini.ReadInteger("A", "B", 9), 9);
  // A folder or a pipe in place of the file.
  EXPECT_FALSE(ini.Load(dir.Sub("folder.ini")));
  ASSERT_EQ(::mkfifo((dir.Path() + "pipe.ini").c_str(), 0600), 0);
  EXPECT_FALSE(ini.Load(dir.Path() + "pipe.ini"));
}

}  // namespace
}  // namespace cvd
