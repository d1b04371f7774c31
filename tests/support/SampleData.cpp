#include "support/SampleData.h"

namespace cvd::test {

TGroup SampleGroup(const std::string& name, int clips, int perms, int seed) {
  TGroup g = NewGroupDefaults(name, "/prog/");
  const std::string n = std::to_string(seed);
  const bool odd = seed % 2 == 1;
  g.NumClipButtons = clips, g.NumPermButtons = perms;
  g.ResizeButtons();
  g.WindowLeft = -10 * seed, g.WindowTop = 20 * seed, g.RememberPos = odd, g.Shared = !odd, g.NumColumns = seed + 1;
  g.MonitorApplication = "app" + n + ".exe", g.MonitorWindow = "Title " + n;
  g.ButtonWidth = 100 + seed, g.ButtonHeight = 21 + seed, g.FillMode = 2, g.PlaySound = true;
  g.SoundFile = "/snd/" + n + ".wav", g.FontName = "DejaVu Sans", g.FontSize = 8 + seed;
  g.FontStyle = static_cast<TFontStyles>(seed % 4), g.CopyDups = seed % 4, g.TrackUsed = !odd, g.ShowHints = odd;
  g.HintType = 1 + seed % 3, g.PasteKeyMode = 1, g.PasteDelay = 300 + seed;
  for (int b = 1; b <= g.TotalButtons(); ++b) {
    g.Buttons.Set(b, TButton{name + " button " + std::to_string(b), b % 2 ? "" : "hint \xC3\xA9",
                             "line 1\r\nline\t2\rlone CR " + std::to_string(b) + " \xE2\x82\xAC", true, seed * 1000 + b,
                             b % 2 ? clBtnFace : -b});
  }
  return g;
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines, std::size_t count) {
  std::string bytes;
  for (std::size_t i = 0; i < count && i < lines.size(); ++i) bytes += lines[i] + "\r\n";
  return bytes;
}

std::string WithLine(const std::string& bytes, std::size_t lineNumber, const std::string& replacement) {
  std::vector<std::string> lines = Lines(bytes);
  lines.at(lineNumber - 1) = replacement;
  return Join(lines, lines.size());
}

}  // namespace cvd::test
