// Number to text on any double (the first 8 bytes of the input, zero-padded): the text is the
// reference's, at most 20 bytes of the calculator's alphabet, the same through both entries.
// The same double also goes through the rounding with the calculator's 1 and 2 decimals (and the
// count in byte 9, if any) and through 100 / x; with 24 bytes or more, three doubles go through
// the sum of quotients and the return rate. Each must match the reference bit for bit.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "convert/number_to_text.h"
#include "convert/round_to.h"
#include "fuzz_check.h"
#include "hedge/hedge.h"
#include "reference.h"
#include "same_value.h"

namespace {

namespace ref = quillorn::reference;
using quillorn::fuzz::Bits;
using quillorn::fuzz::Require;

double DoubleAt(const std::uint8_t* data, std::size_t size, std::size_t offset) {
  std::uint8_t bytes[8] = {};
  for (std::size_t i = 0; i < 8 && offset + i < size; ++i) bytes[i] = data[offset + i];
  double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

bool InAlphabet(std::string_view text) {
  return text.find_first_not_of("0123456789-+.e#INFDQAS") == std::string_view::npos;
}

void CheckText(double x) {
  char buffer[quillorn::kNumberTextCapacity];
  const std::size_t length = quillorn::FormatNumber(x, buffer);
  Require(length >= 1 && length <= 20, "FormatNumber(" + ref::Describe(x) + ") wrote " + std::to_string(length) + " bytes");
  const std::string formatted(buffer, length);
  const quillorn::Text text = quillorn::NumberToText(x);
  Require(text.view() == formatted, "NumberToText(" + ref::Describe(x) + ") = \"" + ref::Printable(text.view()) +
                                        "\" but FormatNumber gives \"" + ref::Printable(formatted) + "\"");
  Require(InAlphabet(formatted), "NumberToText(" + ref::Describe(x) + ") = \"" + ref::Printable(formatted) +
                                     "\": a byte outside the alphabet");
  const std::string expected = ref::WriteNumber(x);
  Require(formatted == expected,
          "NumberToText(" + ref::Describe(x) + ") = \"" + ref::Printable(formatted) + "\", expected \"" + expected + "\"");
}

void CheckRounding(double x, std::int32_t digits) {
  const double actual = quillorn::RoundTo(x, digits);
  const double expected = ref::Round(x, digits);
  Require(Bits(actual) == Bits(expected), "RoundTo(" + ref::Describe(x) + ", " + std::to_string(digits) + ") = " +
                                              ref::Describe(actual) + ", expected " + ref::Describe(expected));
}

void CheckArithmetic(double x) {
  const double actual = quillorn::DivideHundredBy(x);
  const double expected = ref::HundredOver(x);
  Require(Bits(actual) == Bits(expected), "DivideHundredBy(" + ref::Describe(x) + ") = " + ref::Describe(actual) +
                                              ", expected " + ref::Describe(expected));
}

void CheckSum(double a, double b, double c) {
  // Which of several not-a-numbers a sum passes on is not fixed; a quotient of odds is never one.
  if (std::isnan(a) || std::isnan(b) || std::isnan(c)) return;
  const std::string args = ref::Describe(a) + ", " + ref::Describe(b) + ", " + ref::Describe(c);
  const double sum = quillorn::SumQuotients(a, b, c);
  const double expected_sum = ref::SumOfThree(a, b, c);
  Require(Bits(sum) == Bits(expected_sum),
          "SumQuotients(" + args + ") = " + ref::Describe(sum) + ", expected " + ref::Describe(expected_sum));
  const double rate = quillorn::ReturnRate(a, b, c);
  const double expected_rate = ref::RatePercent(a, b, c);
  Require(Bits(rate) == Bits(expected_rate),
          "ReturnRate(" + args + ") = " + ref::Describe(rate) + ", expected " + ref::Describe(expected_rate));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const double x = DoubleAt(data, size, 0);
  CheckText(x);
  CheckRounding(x, 1);
  CheckRounding(x, 2);
  if (size > 8) {
    // Any count whose scale factor 10^|digits| is exact.
    const auto digits = static_cast<std::int32_t>(static_cast<std::int8_t>(data[8]) % 23);
    CheckRounding(x, digits);
  }
  CheckArithmetic(x);
  if (size >= 24) CheckSum(x, DoubleAt(data, size, 8), DoubleAt(data, size, 16));
  return 0;
}
