#pragma once
// The thirteen lines of a group's display settings (button size, fill mode,
// sound, font, duplicate policy, hints), as the data file and group files
// both store them. The data file enciphers the numbers among them; group
// files write them plain.
#include "core/data/GroupTable.h"
#include "core/data/LineFile.h"

namespace cvd {

enum class NumberLines { Plain, Enciphered };

// Throws on a number line that is not a whole number, as the readers expect.
void ReadDisplayLines(LineReader& in, TGroup& g, NumberLines numbers);
void WriteDisplayLines(LineWriter& out, const TGroup& g, NumberLines numbers);

}  // namespace cvd
