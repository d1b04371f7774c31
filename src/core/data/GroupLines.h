#pragma once
// Runs of lines that the data file and group files store alike for a group.
#include "core/data/GroupTable.h"
#include "core/data/LineFile.h"

namespace cvd {

// The button counts, the remembered window place and every button's name,
// hint and text; buttons get the default colours (red permanent captions).
void ReadPlaceAndButtons(LineReader& in, TGroup& g);

// The thirteen lines of the display settings (button size, fill mode, sound,
// font, duplicate policy, hints). The data file enciphers the numbers among
// them; group files write them plain.
enum class NumberLines { Plain, Enciphered };

// The colour a button's caption has when the file gives none: red for
// the permanent ones after the `clips` clip buttons.
inline TColor DefaultFontColor(std::size_t button, std::size_t clips) { return button > clips ? clRed : clBlack; }

// Two lines a button, its font and face colour; a line that is not a number
// keeps the colour read so far. In a big file they are read with the
// buttons' names (see LineReader::NextButtons).
void ReadButtonColours(LineReader& in, TGroup& g);

// Throws on a number line that is not a whole number, as the readers expect.
void ReadDisplayLines(LineReader& in, TGroup& g, NumberLines numbers);
void WriteDisplayLines(LineWriter& out, const TGroup& g, NumberLines numbers);

}  // namespace cvd
