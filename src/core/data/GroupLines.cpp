#include "core/data/GroupLines.h"

#include <string>

namespace cvd {

void ReadPlaceAndButtons(LineReader& in, TGroup& g) {
  g.NumClipButtons = ButtonCountOrThrow(in.Next());
  g.NumPermButtons = ButtonCountOrThrow(in.Next());
  g.WindowLeft = NumberOrThrow(in.Next());
  g.WindowTop = NumberOrThrow(in.Next());
  g.RememberPos = in.NextFlag();
  g.Buttons.clear();
  g.Buttons.resize(static_cast<std::size_t>(g.TotalButtons()) + 1);
  in.NextButtons(g.Buttons, 1, static_cast<std::size_t>(g.TotalButtons()));
  // New slots are black on the button face: only the permanent buttons change.
  const auto clips = static_cast<std::size_t>(g.NumClipButtons);
  for (auto b = clips + 1; b <= static_cast<std::size_t>(g.TotalButtons()); ++b)
    g.Buttons.SetFontColor(b, DefaultFontColor(b, clips));
}

void ReadButtonColours(LineReader& in, TGroup& g) {
  const auto clips = static_cast<std::size_t>(g.NumClipButtons);
  std::size_t b = 1;
  const auto total = static_cast<std::size_t>(g.TotalButtons());
  // Runs left for later get their colour lines, to be read with them.
  for (ButtonRun* run; b <= total && (run = in.NextDeferredRun(g.Buttons));) {
    const std::size_t start = in.Position();
    in.Skip(2 * run->count);
    run->colours = in.Lines(start);
    run->hasColours = true;
    run->clips = clips;
    b += run->count;
  }
  for (; b <= total; ++b) {
    TColor font = g.Buttons.FontColor(b);
    TColor face = g.Buttons.Color(b);
    SetIfNumber(font, in);
    SetIfNumber(face, in);
    g.Buttons.SetFontColor(b, font);
    g.Buttons.SetColor(b, face);
  }
}

void ReadDisplayLines(LineReader& in, TGroup& g, NumberLines numbers) {
  const auto number = [&] {
    return NumberOrThrow(numbers == NumberLines::Enciphered ? std::string_view(in.NextDeciphered()) : in.Next());
  };
  g.ButtonWidth = number();
  g.ButtonHeight = number();
  g.FillMode = number();
  g.PlaySound = in.NextFlag();
  g.SoundFile = in.NextDeciphered();
  g.FontName = in.NextDeciphered();
  g.FontSize = number();
  g.FontStyle = in.NextFlag() ? fsItalic : 0;
  if (in.NextFlag()) g.FontStyle |= fsBold;
  g.CopyDups = NextCopyDups(in);
  g.TrackUsed = in.NextFlag();
  g.ShowHints = in.NextFlag();
  g.HintType = number();
}

void WriteDisplayLines(LineWriter& out, const TGroup& g, NumberLines numbers) {
  const auto number = [&](std::int32_t value) {
    if (numbers == NumberLines::Enciphered) {
      out.Enciphered(std::to_string(value));
    } else {
      out.Number(value);
    }
  };
  number(g.ButtonWidth);
  number(g.ButtonHeight);
  number(g.FillMode);
  out.Flag(g.PlaySound);
  out.Enciphered(g.SoundFile);
  out.Enciphered(g.FontName);
  number(g.FontSize);
  out.Flag((g.FontStyle & fsItalic) != 0);
  out.Flag((g.FontStyle & fsBold) != 0);
  out.Plain(CopyDupsWord(g.CopyDups));
  out.Flag(g.TrackUsed);
  out.Flag(g.ShowHints);
  number(g.HintType);
}

}  // namespace cvd
