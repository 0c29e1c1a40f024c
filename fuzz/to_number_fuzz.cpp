// Text to number on any bytes (up to the first zero byte, as a text ends there): the program's
// reading never crashes, gives the same value twice, folds as the reference does and reads the
// value the exact reference reads.
#include <string>
#include <string_view>

#include "convert/to_number.h"
#include "fuzz_check.h"
#include "reference.h"
#include "same_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  namespace ref = quillorn::reference;
  using quillorn::fuzz::Require;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  input = input.substr(0, input.find('\0'));
  const auto text = quillorn::fuzz::ExactCopy(input);
  const std::string shown = ref::Printable(input);

  const double first = quillorn::ToNumber(text.get());
  const double second = quillorn::ToNumber(text.get());
  Require(quillorn::fuzz::Bits(first) == quillorn::fuzz::Bits(second),
          "ToNumber(\"" + shown + "\") differs between two calls: " + ref::Describe(first) + " then " +
              ref::Describe(second));
  Require(std::string_view(text.get()) == input, "ToNumber changed its argument \"" + shown + "\"");

  const double expected = ref::ReadNumber(input);
  Require(quillorn::fuzz::SameReading(expected, first),
          "ToNumber(\"" + shown + "\") = " + ref::Describe(first) + ", expected " + ref::Describe(expected));

  const quillorn::Text folded = quillorn::FoldFullWidth(text.get());
  const std::string expected_fold = ref::Fold(input);
  Require(folded.view() == expected_fold, "FoldFullWidth(\"" + shown + "\") = \"" + ref::Printable(folded.view()) +
                                              "\", expected \"" + ref::Printable(expected_fold) + "\"");
  return 0;
}
