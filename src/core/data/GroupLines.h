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

// Throws on a number line that is not a whole number, as the readers expect.
void ReadDisplayLines(LineReader& in, TGroup& g, NumberLines numbers);
void WriteDisplayLines(LineWriter& out, const TGroup& g, NumberLines numbers);

}  // namespace cvd
