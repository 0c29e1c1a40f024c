// The program against the reference on the odds people actually type: every odds from 1.01 to
// 100.00 in steps of 0.01 for the hedge results, and random groups of such odds for the rates.
// (Arbitrary inputs are the fuzz harnesses' work; this sweeps the common ground completely.)
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "hedge/hedge.h"
#include "reference.h"

namespace quillorn::reference {
namespace {

// "12.34" for 1234: written by hand, so that no locale can put a comma in.
std::string Odds(int hundredths) {
  std::string text = std::to_string(hundredths / 100) + ".";
  text += static_cast<char>('0' + hundredths / 10 % 10);
  text += static_cast<char>('0' + hundredths % 10);
  return text;
}

TEST(Agreement, EveryOddsWithTwoDecimalsUpToAHundred) {
  for (int h = 101; h <= 10000; ++h) {
    const std::string odds = Odds(h);
    const std::array<const char*, 6> boxes = {"2", odds.c_str(), odds.c_str(), odds.c_str(), "3", "4"};
    const std::array<Text, 5> texts = ComputeHedgeTexts(boxes);
    const std::array<std::string, 5> expected = HedgeTexts(boxes);
    ASSERT_EQ(texts[1].view(), expected[1]) << "rate of 2, " << odds << ", " << odds;
    ASSERT_EQ(texts[2].view(), expected[2]) << "hedge of " << odds;
    ASSERT_EQ(texts[3].view(), expected[3]) << "hedge of " << odds;
  }
}

TEST(Agreement, RandomGroupsOfTypicalOdds) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> hundredths(101, 3000);
  for (int i = 0; i < 5000; ++i) {
    std::array<std::string, 6> odds;
    for (std::string& o : odds) o = Odds(hundredths(random));
    const std::array<const char*, 6> boxes = {odds[0].c_str(), odds[1].c_str(), odds[2].c_str(),
                                              odds[3].c_str(), odds[4].c_str(), odds[5].c_str()};
    const std::array<Text, 5> texts = ComputeHedgeTexts(boxes);
    const std::array<std::string, 5> expected = HedgeTexts(boxes);
    for (std::size_t k = 0; k < 5; ++k) {
      ASSERT_EQ(texts[k].view(), expected[k])
          << "output " << k << " for " << odds[0] << " " << odds[1] << " " << odds[2] << " | " << odds[3]
          << " " << odds[4] << " " << odds[5];
    }
  }
}

}  // namespace
}  // namespace quillorn::reference
