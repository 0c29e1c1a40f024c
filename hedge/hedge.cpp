// The click of the button: nine reads, five writes, in a fixed order. Every text received is
// released before the next box is read; the texts written are released right after the write.
#include "hedge/hedge.h"

#include <utility>

#include "app/text_memory.h"
#include "convert/number_to_text.h"
#include "convert/round_to.h"
#include "convert/to_number.h"

namespace quillorn {
namespace {

constexpr int kRateDecimals = 1;
constexpr int kHedgeDecimals = 2;

// The number in one input box; the box's text is gone when this returns.
double ReadOdds(HedgeBoxes& boxes, int box) {
  const Text text = boxes.GetControlText(box);
  return ToNumber(text.absent() ? kEmptyText : text.get());
}

void WriteReturnRate(HedgeBoxes& boxes, int first, int second, int third, int output) {
  // Each box is read, converted and its text released before the next one is read.
  const double a = ReadOdds(boxes, first);
  const double b = ReadOdds(boxes, second);
  const double c = ReadOdds(boxes, third);
  const double p = RoundTo(ReturnRate(a, b, c), kRateDecimals);
  Text joined;
  {
    const Text number = NumberToText(p);
    joined = JoinTexts({number.get(), kPercentText});
  }
  boxes.SetControlText(output, joined.get());
}

void WriteHedgeResult(HedgeBoxes& boxes, int input, int output) {
  const double h = RoundTo(DivideHundredBy(ReadOdds(boxes, input)), kHedgeDecimals);
  const Text number = NumberToText(h);
  boxes.SetControlText(output, number.get());
}

// Boxes in memory: an input box hands out a copy of its text like an edit box does (none when
// empty); an output box keeps a copy of what is written.
class MemoryBoxes final : public HedgeBoxes {
 public:
  explicit MemoryBoxes(const std::array<const char*, 6>& odds) noexcept
      : inputs_{nullptr, odds[0], odds[1], odds[2], nullptr, odds[3], odds[4], odds[5]} {}

  Text GetControlText(int box) override {
    const char* text = box >= 1 && box <= 7 ? inputs_[static_cast<unsigned>(box)] : nullptr;
    if (text == nullptr || *text == '\0') return Text();
    return Text::Copy(text);
  }

  void SetControlText(int box, const char* text) override {
    const int slot = OutputSlot(box);
    if (slot < 0) return;
    outputs_[static_cast<unsigned>(slot)] = text == nullptr ? Text() : Text::Copy(text);
  }

  std::array<Text, 5> TakeOutputs() noexcept { return std::move(outputs_); }

 private:
  // Boxes 4, 8, 9, 10, 11 -> 0..4; -1 for any other box.
  static int OutputSlot(int box) noexcept {
    switch (box) {
      case 4: return 0;
      case 8: return 1;
      case 9: return 2;
      case 10: return 3;
      case 11: return 4;
      default: return -1;
    }
  }

  std::array<const char*, 8> inputs_;
  std::array<Text, 5> outputs_;
};

}  // namespace

void CalculateHedge(HedgeBoxes& boxes) {
  WriteReturnRate(boxes, 1, 2, 3, 4);
  WriteReturnRate(boxes, 5, 6, 7, 8);
  WriteHedgeResult(boxes, 5, 9);
  WriteHedgeResult(boxes, 2, 10);
  WriteHedgeResult(boxes, 3, 11);
}

std::array<Text, 5> ComputeHedgeTexts(const std::array<const char*, 6>& odds) {
  MemoryBoxes boxes(odds);
  CalculateHedge(boxes);
  return boxes.TakeOutputs();
}

}  // namespace quillorn
