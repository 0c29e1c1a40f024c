// TextLength and JoinTexts: byte lengths, one block of exactly the joined length plus one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/fatal_report.h"
#include "app/text_memory.h"
#include "convert/number_to_text.h"
#include "tests/support/counting_heap.h"

namespace quillorn {
namespace {

using testing::CountingHeap;
using testing::g_allocations;
using testing::g_last_count;

class JoinTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_allocations = 0;
    SetHeapForTesting(&CountingHeap);
  }
  void TearDown() override { SetHeapForTesting(nullptr); }
};

TEST(TextLength, BytesBeforeTheZeroAndNothingForAnAbsentText) {
  EXPECT_EQ(TextLength(nullptr), 0u);
  EXPECT_EQ(TextLength(""), 0u);
  EXPECT_EQ(TextLength("96.6%"), 5u);
  EXPECT_EQ(TextLength("\xB7\xD6\xC5\xE4"), 4u);  // 分配: two characters of two bytes each
  EXPECT_EQ(TextLength("ab\0cd"), 2u);
}

TEST_F(JoinTextsTest, JoinsInOrderInOneBlockOfTheSumPlusOne) {
  const struct {
    const char* first;
    const char* second;
    std::string joined;
  } cases[] = {
      {"96.6", "%", "96.6%"},
      {"-1.#IND", kPercentText, "-1.#IND%"},
      {"", "%", "%"},
      {nullptr, "%", "%"},
      {"96.6", nullptr, "96.6"},
      {"\xB7\xD6", "\xC5\xE4%", "\xB7\xD6\xC5\xE4%"},  // two-byte characters count two
  };
  for (const auto& c : cases) {
    g_allocations = 0;
    const Text joined = JoinTexts({c.first, c.second});
    ASSERT_FALSE(joined.absent());
    EXPECT_EQ(joined.view(), c.joined);
    EXPECT_EQ(g_allocations, 1u);
    EXPECT_EQ(g_last_count, c.joined.size() + 1);
  }
}

TEST_F(JoinTextsTest, EmptyAndAbsentTextsGiveABlockWithOnlyTheZero) {
  for (const Text& joined : {JoinTexts({"", ""}), JoinTexts({nullptr, nullptr}), JoinTexts({""})}) {
    ASSERT_FALSE(joined.absent());
    EXPECT_EQ(joined.get()[0], '\0');
  }
  EXPECT_EQ(g_allocations, 3u);
  EXPECT_EQ(g_last_count, 1u);
}

TEST_F(JoinTextsTest, ManyTextsAndTheArgumentsStayUnchanged) {
  std::string source = "ab";
  const Text joined = JoinTexts({"1", source.c_str(), "", "2", nullptr, "3", "4", "5", "6", "7",
                                 "8", source.c_str()});
  EXPECT_EQ(joined.view(), "1ab234567" "8ab");
  EXPECT_EQ(source, "ab");
  EXPECT_EQ(g_allocations, 1u);
  EXPECT_EQ(g_last_count, 13u);
}

// Texts that together exceed what a signed 32-bit count can name must not wrap around into a
// small block: the allocation is refused and the process ends through the fatal report, which
// goes to standard error while there is no window.

void JoinThirtyTwoCopiesOf64MiB() {
  const std::string piece(std::size_t{1} << 26, 'x');  // 64 MiB; 32 of them make 2^31 bytes
  const char* p = piece.c_str();
  static_cast<void>(JoinTexts({p, p, p, p, p, p, p, p, p, p, p, p, p, p, p, p,
                               p, p, p, p, p, p, p, p, p, p, p, p, p, p, p, p}));
}

TEST(JoinTextsDeathTest, JoinedLengthBeyondTheSigned32BitCountEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(JoinThirtyTwoCopiesOf64MiB(), ::testing::ExitedWithCode(255), " -1 ");
}

}  // namespace
}  // namespace quillorn
