#include "core/quickfix/NumberPicture.h"

#include <algorithm>
#include <vector>

namespace cvd {
namespace {

enum class PartKind { IntegerDigit, FractionDigit, DecimalPoint, Literal, Exponent };

struct Part {
  PartKind kind;
  std::string literal;      // Literal
  char letter = 'E';        // Exponent: 'E' or 'e'
  bool alwaysSign = false;  // Exponent: E+ rather than E-
  std::size_t minExponentDigits = 0;
};

// One section of a picture, taken apart.
struct Section {
  std::vector<Part> parts;
  long long integerSlots = 0;
  long long fractionSlots = 0;
  long long firstZero = -1;  // slot number of the first and last 0
  long long lastZero = -1;
  bool grouping = false;
  bool scientific = false;
};

void AddLiteral(Section& section, std::string_view text) {
  if (text.empty()) return;
  if (section.parts.empty() || section.parts.back().kind != PartKind::Literal) {
    section.parts.push_back(Part{PartKind::Literal, {}});
  }
  section.parts.back().literal.append(text);
}

Section ParseSection(std::string_view text) {
  Section section;
  bool seenPoint = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' || c == '\'') {
      const std::size_t close = text.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? text.size() : close;
      AddLiteral(section, text.substr(i + 1, end - i - 1));
      i = end;
    } else if ((c == '0' || c == '#') && !section.scientific) {
      const long long slot = section.integerSlots + section.fractionSlots;
      if (c == '0') {
        if (section.firstZero < 0) section.firstZero = slot;
        section.lastZero = slot;
      }
      if (seenPoint) {
        ++section.fractionSlots;
        section.parts.push_back(Part{PartKind::FractionDigit, {}});
      } else {
        ++section.integerSlots;
        section.parts.push_back(Part{PartKind::IntegerDigit, {}});
      }
    } else if (c == '.') {
      if (!seenPoint && !section.scientific) {
        seenPoint = true;
        section.parts.push_back(Part{PartKind::DecimalPoint, {}});
      }
    } else if (c == ',') {
      section.grouping = true;
    } else if ((c == 'E' || c == 'e') && !section.scientific && i + 1 < text.size() &&
               (text[i + 1] == '+' || text[i + 1] == '-')) {
      section.scientific = true;
      Part exponent{PartKind::Exponent, {}};
      exponent.letter = c;
      exponent.alwaysSign = text[i + 1] == '+';
      i += 2;
      while (i < text.size() && text[i] == '0') {
        ++exponent.minExponentDigits;
        ++i;
      }
      --i;
      section.parts.push_back(std::move(exponent));
    } else {
      AddLiteral(section, text.substr(i, 1));
    }
  }
  return section;
}

// Splits a picture at the semicolons outside quotes; at most three sections.
std::vector<std::string_view> SplitSections(std::string_view picture) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  char quote = 0;
  for (std::size_t i = 0; i < picture.size() && sections.size() < 3; ++i) {
    const char c = picture[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(picture.substr(start, i - start));
      start = i + 1;
    }
  }
  if (sections.size() < 3) sections.push_back(picture.substr(start));
  return sections;
}

// The digit `index` places after the decimal point's start of 0.digits.
char DigitAt(const DecimalNumber& number, long long index) {
  if (index < 0 || index >= static_cast<long long>(number.digits.size())) return '0';
  return number.digits[static_cast<std::size_t>(index)];
}

struct Rendered {
  std::string text;
  bool zero = false;  // nothing but zeros is shown
};

// Writes |number| with one section.
Rendered Render(const Section& section, const DecimalNumber& number, const NumberSeparators& separators) {
  DecimalNumber shown;
  std::string exponentDigits;
  bool negativeExponent = false;
  if (section.scientific) {
    const long long significant = std::max(section.integerSlots + section.fractionSlots, 1LL);
    const DecimalNumber rounded = RoundToDigits(number, significant);
    shown.digits = rounded.digits;
    shown.pointPos = section.integerSlots;
    const long long exponent = rounded.IsZero() ? 0 : rounded.pointPos - section.integerSlots;
    negativeExponent = exponent < 0;
    exponentDigits = std::to_string(negativeExponent ? -exponent : exponent);
  } else {
    shown = RoundToDecimals(number, section.fractionSlots);
  }

  // Integer digits: all that the number has, at least as many as the
  // picture's 0s ask for.
  std::string integer;
  if (shown.pointPos > 0) {
    for (long long i = 0; i < shown.pointPos; ++i) integer += DigitAt(shown, i);
  }
  const long long minInteger = (section.firstZero >= 0 && section.firstZero < section.integerSlots)
                                   ? section.integerSlots - section.firstZero
                                   : 0;
  if (static_cast<long long>(integer.size()) < minInteger) {
    integer.insert(0, static_cast<std::size_t>(minInteger) - integer.size(), '0');
  }
  // Fraction digits: trailing zeros go, down to the last 0 of the picture.
  std::string fraction;
  for (long long k = 0; k < section.fractionSlots; ++k) fraction += DigitAt(shown, shown.pointPos + k);
  const long long minFraction =
      section.lastZero >= section.integerSlots ? section.lastZero - section.integerSlots + 1 : 0;
  std::size_t shownFraction = fraction.size();
  while (static_cast<long long>(shownFraction) > minFraction && fraction[shownFraction - 1] == '0') --shownFraction;

  Rendered out;
  out.zero = shown.IsZero();
  const std::size_t n = integer.size();
  auto emitInteger = [&](std::size_t power) {
    out.text += integer[n - 1 - power];
    if (section.grouping && power > 0 && power % 3 == 0) out.text += separators.grouping;
  };
  auto emitIntegerFrom = [&](std::size_t top, std::size_t bottom) {
    for (std::size_t power = top; power-- > bottom;) emitInteger(power);
  };
  long long integerSlot = 0;
  long long fractionSlot = 0;
  for (const Part& part : section.parts) {
    switch (part.kind) {
      case PartKind::IntegerDigit: {
        const long long power = section.integerSlots - 1 - integerSlot;
        // The first slot also takes the digits the picture has no room for.
        if (integerSlot == 0 && static_cast<long long>(n) > section.integerSlots) {
          emitIntegerFrom(n, static_cast<std::size_t>(section.integerSlots));
        }
        if (power < static_cast<long long>(n)) emitInteger(static_cast<std::size_t>(power));
        ++integerSlot;
        break;
      }
      case PartKind::DecimalPoint:
        if (section.integerSlots == 0) emitIntegerFrom(n, 0);
        if (shownFraction > 0) out.text += separators.decimal;
        break;
      case PartKind::FractionDigit:
        if (fractionSlot < static_cast<long long>(shownFraction)) out.text += fraction[fractionSlot];
        ++fractionSlot;
        break;
      case PartKind::Literal: out.text += part.literal; break;
      case PartKind::Exponent: {
        out.text += part.letter;
        if (negativeExponent) {
          out.text += '-';
        } else if (part.alwaysSign) {
          out.text += '+';
        }
        if (exponentDigits.size() < part.minExponentDigits) {
          out.text.append(part.minExponentDigits - exponentDigits.size(), '0');
        }
        out.text += exponentDigits;
        break;
      }
    }
  }
  return out;
}

}  // namespace

std::string FormatGeneral(const DecimalNumber& number, const NumberSeparators& separators) {
  const DecimalNumber r = RoundToDigits(number, 15);
  if (r.IsZero()) return "0";
  std::string out = r.negative ? "-" : "";
  const long long size = static_cast<long long>(r.digits.size());
  if (r.pointPos <= 15 && r.pointPos >= -4) {
    if (r.pointPos > 0) {
      for (long long i = 0; i < r.pointPos; ++i) out += DigitAt(r, i);
    } else {
      out += '0';
    }
    if (size > r.pointPos) {
      out += separators.decimal;
      for (long long i = std::min(r.pointPos, 0LL); i < 0; ++i) out += '0';
      out.append(r.digits, static_cast<std::size_t>(std::max(r.pointPos, 0LL)), std::string::npos);
    }
    return out;
  }
  out += r.digits[0];
  if (size > 1) {
    out += separators.decimal;
    out.append(r.digits, 1, std::string::npos);
  }
  out += 'E';
  out += std::to_string(r.pointPos - 1);
  return out;
}

std::string FormatWithPicture(const DecimalNumber& number, std::string_view picture,
                              const NumberSeparators& separators) {
  const std::vector<std::string_view> texts = SplitSections(picture);
  auto usable = [&](std::size_t index) { return index < texts.size() && !texts[index].empty(); };
  std::size_t index = number.IsZero() ? 2 : number.negative ? 1 : 0;
  if (!usable(index)) index = 0;
  if (texts[index].empty()) return FormatGeneral(number, separators);

  DecimalNumber magnitude = number;
  magnitude.negative = false;
  Rendered rendered = Render(ParseSection(texts[index]), magnitude, separators);
  if (rendered.zero && index != 2 && !number.IsZero()) {
    // What shows as zero is written as zero: by the zero section if there
    // is one, and never with a minus sign.
    index = usable(2) ? 2 : 0;
    rendered = Render(ParseSection(texts[index]), DecimalNumber{}, separators);
  }
  if (index == 0 && number.negative && !rendered.zero) rendered.text.insert(rendered.text.begin(), '-');
  return rendered.text;
}

}  // namespace cvd
