// The whole click on any six texts: the input is split at zero bytes into the texts of boxes
// 1, 2, 3, 5, 6, 7 (a missing one is an empty box). The five texts must be the reference's, both
// from ComputeHedgeTexts and from CalculateHedge on boxes that record the order of reads and
// writes; the steps in between must match the reference bit for bit.
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "convert/to_number.h"
#include "fuzz_check.h"
#include "hedge/hedge.h"
#include "reference.h"
#include "same_value.h"

namespace {

namespace ref = quillorn::reference;
using quillorn::fuzz::Bits;
using quillorn::fuzz::Require;

constexpr std::array<int, 6> kInputBoxes = {1, 2, 3, 5, 6, 7};
constexpr std::array<int, 5> kOutputBoxes = {4, 8, 9, 10, 11};

// Boxes holding the six texts; remembers every read and write.
class RecordingBoxes final : public quillorn::HedgeBoxes {
 public:
  explicit RecordingBoxes(const std::array<const char*, 6>& odds) {
    for (std::size_t i = 0; i < 6; ++i) texts_[static_cast<std::size_t>(kInputBoxes[i])] = odds[i] ? odds[i] : "";
  }
  quillorn::Text GetControlText(int box) override {
    reads.push_back(box);
    const std::string& text = texts_.at(static_cast<std::size_t>(box));
    return text.empty() ? quillorn::Text() : quillorn::Text::Copy(text);
  }
  void SetControlText(int box, const char* text) override {
    writes.push_back(box);
    texts_.at(static_cast<std::size_t>(box)) = text ? text : "";
  }
  const std::string& Box(int box) const { return texts_.at(static_cast<std::size_t>(box)); }

  std::vector<int> reads;
  std::vector<int> writes;

 private:
  std::array<std::string, 12> texts_;
};

std::string Show(const std::array<const char*, 6>& odds) {
  std::string shown;
  for (const char* text : odds) shown += text ? "\"" + ref::Printable(text) + "\" " : "(empty) ";
  return shown;
}

void CheckSteps(const std::array<const char*, 6>& odds, const std::string& shown) {
  double x[6];
  for (std::size_t i = 0; i < 6; ++i) x[i] = quillorn::ToNumber(odds[i] ? odds[i] : "");
  for (std::size_t i = 0; i < 6; ++i) {
    const double q = quillorn::DivideHundredBy(x[i]);
    const double expected = ref::HundredOver(x[i]);
    Require(Bits(q) == Bits(expected), "DivideHundredBy(" + ref::Describe(x[i]) + ") = " + ref::Describe(q) +
                                           ", expected " + ref::Describe(expected) + " for " + shown);
  }
  for (std::size_t g = 0; g < 6; g += 3) {
    const double rate = quillorn::ReturnRate(x[g], x[g + 1], x[g + 2]);
    const double expected = ref::RatePercent(x[g], x[g + 1], x[g + 2]);
    Require(Bits(rate) == Bits(expected), "ReturnRate of group " + std::to_string(g / 3 + 1) + " = " +
                                              ref::Describe(rate) + ", expected " + ref::Describe(expected) + " for " + shown);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::unique_ptr<char[]>> blocks;
  std::array<const char*, 6> odds{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < 6 && start <= input.size(); ++i) {
    std::size_t end = input.find('\0', start);
    if (end == std::string_view::npos) end = input.size();
    blocks.push_back(quillorn::fuzz::ExactCopy(input.substr(start, end - start)));
    odds[i] = blocks.back().get();
    start = end + 1;
  }
  const std::string shown = Show(odds);

  const std::array<std::string, 5> expected = ref::HedgeTexts(odds);
  const std::array<quillorn::Text, 5> texts = quillorn::ComputeHedgeTexts(odds);
  for (std::size_t i = 0; i < 5; ++i) {
    Require(texts[i].view() == expected[i], "box " + std::to_string(kOutputBoxes[i]) + " = \"" +
                                                ref::Printable(texts[i].view()) + "\", expected \"" + expected[i] +
                                                "\" for " + shown);
  }

  RecordingBoxes boxes(odds);
  quillorn::CalculateHedge(boxes);
  Require(boxes.reads == std::vector<int>{1, 2, 3, 5, 6, 7, 5, 2, 3}, "CalculateHedge read the boxes out of order");
  Require(boxes.writes == std::vector<int>{4, 8, 9, 10, 11}, "CalculateHedge wrote the boxes out of order");
  for (std::size_t i = 0; i < 5; ++i) {
    Require(boxes.Box(kOutputBoxes[i]) == expected[i], "CalculateHedge wrote \"" +
                                                           ref::Printable(boxes.Box(kOutputBoxes[i])) + "\" into box " +
                                                           std::to_string(kOutputBoxes[i]) + ", expected \"" +
                                                           expected[i] + "\" for " + shown);
  }

  CheckSteps(odds, shown);
  return 0;
}
