#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "core/quickfix/DecimalNumber.h"
#include "core/quickfix/FormatNumber.h"
#include "core/quickfix/NumberPicture.h"
#include "core/quickfix/NumberSeparators.h"

namespace cvd {
namespace {

const NumberSeparators kPointComma{".", ","};
const NumberSeparators kCommaPoint{",", "."};

TEST(NumberPicture, Table) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      // Rounding to the digits shown, half away from zero, on the exact decimal.
      {"%0.0", "-2.25", "-2.3"},
      {"%0.00", "1.005", "1.01"},
      {"%0", "0.49999", "0"},
      {"%0.00", "9.995", "10.00"},
      // 0 and # placeholders.
      {"%#.##", "0.5", ".5"},
      {"%#.##", "5", "5"},  // no fraction shown: no decimal separator
      {"%#.##", "0", ""},   // nothing significant to show
      {"%#.0#", "0.5", ".5"},
      {"%0000", "42", "0042"},
      {"%#", "123456", "123456"},  // digits beyond the picture's room are all written
      {"%.00", "12.5", "12.50"},
      {"%0.00.0", "1.25", "1.250"},  // later points are dropped
      // Thousands grouping, with and without decimals, and large values.
      {"%#,##0.00", "1234567.891", "1,234,567.89"},
      {"%#,##0", "999.5", "1,000"},
      {"%#,##0", "-1234", "-1,234"},
      {"%0", "123456789012345678901234567890", "123456789012345678901234567890"},
      {"%#,##0", "1e21", "1,000,000,000,000,000,000,000"},
      {"%0.000", "123456789.0125", "123456789.013"},
      // Sections: positive; negative; zero. A value that shows as zero is zero.
      {"%0.00;(0.00);zero", "5", "5.00"},
      {"%0.00;(0.00);zero", "-5", "(5.00)"},
      {"%0.00;(0.00);zero", "-0.001", "zero"},
      {"%0.00;;zero", "-5", "-5.00"},  // an empty section falls back to the first
      {"%0.0;(0.0)", "-0.01", "0.0"},
      {"%0;-0-;z;ignored", "-3", "-3-"},
      // Quoted and plain literal text.
      {"%0.0 \"kg\"", "2.26", "2.3 kg"},
      {"%'#'0", "5", "#5"},
      {"%\"a;b\"0", "5", "a;b5"},
      {"%$#,##0.00", "-1234.5", "-$1,234.50"},
      {"%\"0#.,E+\"0", "7", "0#.,E+7"},
      {"%(###) ###-####", "5551234567", "(555) 123-4567"},
      {"%(###) ###-####", "15551234567", "(1555) 123-4567"},
      {"%0 \"unterminated", "1", "1 unterminated"},
      // Scientific notation.
      {"%0.00E-00", "1234.5", "1.23E03"},
      {"%0.00e+0", "0.00012345", "1.23e-4"},
      {"%00.0E+0", "1234.5", "12.3E+2"},
      {"%0.00E+00", "9.999", "1.00E+01"},
      {"%0.00E+00", "0", "0.00E+00"},
      {"%#.##E+00", "1200", "1.2E+03"},
      // An empty first section: the general form.
      {"%;(0)", "-3", "(3)"},
      {"%;(0)", "3", "3"},
      {"%", "1e20", "1E20"},
      {"%", "0.000001", "1E-6"},
      {"%", "0.00001", "0.00001"},
      {"%", "1234567890.123456789", "1234567890.12346"},
      // What reads as a number: sign, decimal separator, exponent, blanks around.
      {"%0.00", " 12.5 ", "12.50"},
      {"%0.00", "+.5", "0.50"},
      {"%0.00", "1E-2", "0.01"},
      {"%0.00", "1e-400", "0.00"},
      {"%0", "1e400", "1e400"},         // beyond the range of numbers read
      {"%0.00", "1,234.5", "1,234.5"},  // grouping characters are not read
      {"%0.00", "1.2.3", "1.2.3"},
      {"%0.00", "1e", "1e"},
      {"%0.00", ".", "."},
      {"%0.00", "12\r\n", "12\r\n"},
      {"%0.00", "", ""},
      {"", "12", "12"},
  };
  for (const auto& [format, text, expected] : cases) {
    EXPECT_EQ(FormatNumber(text, format, kPointComma), expected) << format << " on " << text;
  }
}

TEST(NumberPicture, UsesTheGivenSeparators) {
  EXPECT_EQ(FormatNumber("1234,5", "%#,##0.00", kCommaPoint), "1.234,50");
  EXPECT_EQ(FormatNumber("1234.5", "%#,##0.00", kCommaPoint), "1234.5");  // "." is not this locale's separator
  EXPECT_EQ(FormatNumber("1e20", "%", kCommaPoint), "1E20");
  EXPECT_EQ(FormatNumber("0,25", "%", kCommaPoint), "0,25");
  const NumberSeparators narrowSpace{",", "\xE2\x80\xAF"};
  EXPECT_EQ(FormatNumber("1234567,5", "%#,##0.0", narrowSpace),
            "1\xE2\x80\xAF"
            "234\xE2\x80\xAF"
            "567,5");
}

TEST(NumberPicture, Mask) {
  const std::pair<const char*, const char*> cases[] = {
      {"555.123.4567", "(555) 123-4567"},          {"1234567", "(   ) 123-4567"},
      {"1-555-123-4567", "1(555) 123-4567"},       {"abc", "(   )    -    "},
      {"++44 20 7946 0958 x", "44(207) 946-0958"},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(FormatNumber(text, "(###) ###-####", kPointComma), expected) << text;
  }
  EXPECT_EQ(FormatNumber("12", "  ## ", kPointComma), "12");  // the mask is trimmed
  EXPECT_EQ(FormatNumber("", "##", kPointComma), "");
}

TEST(DecimalNumber, ReadsExactDigits) {
  const std::tuple<const char*, bool, const char*, long long> cases[] = {
      {"123.450", false, "12345", 3}, {"-0.0012", true, "12", -2}, {"1e5", false, "1", 6}, {"+12E-3", false, "12", -1}};
  for (const auto& [text, negative, digits, pointPos] : cases) {
    const auto number = ReadDecimalNumber(text, kPointComma);
    ASSERT_TRUE(number.has_value()) << text;
    EXPECT_EQ(number->negative, negative) << text;
    EXPECT_EQ(number->digits, digits) << text;
    EXPECT_EQ(number->pointPos, pointPos) << text;
  }
  // A far exponent saturates, never wraps round.
  EXPECT_LT(ReadDecimalNumber("1e-99999999999999999999999", kPointComma)->pointPos, -1'000'000'000);
  EXPECT_TRUE(ReadDecimalNumber(std::string(309, '9'), kPointComma).has_value());
  EXPECT_FALSE(ReadDecimalNumber(std::string(310, '9'), kPointComma).has_value());
  EXPECT_FALSE(ReadDecimalNumber("1e99999999999999999999999", kPointComma).has_value());
}

TEST(NumberSeparators, FromTheLocale) {
  EXPECT_EQ(SeparatorsFrom(".", ""), (NumberSeparators{".", ","}));
  EXPECT_EQ(SeparatorsFrom(",", ""), (NumberSeparators{",", "."}));
  EXPECT_EQ(SeparatorsFrom(",", "\xE2\x80\xAF"), (NumberSeparators{",", "\xE2\x80\xAF"}));
  EXPECT_EQ(SeparatorsFrom("", nullptr), (NumberSeparators{".", ","}));

  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
  EXPECT_EQ(SystemNumberSeparators(), (NumberSeparators{".", ","}));
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace cvd
