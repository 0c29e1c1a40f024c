// Ten thousand clicks in a row on kilobyte-long odds: the figures stay the same and resident
// memory stays flat. A text kept by mistake on each click would show here: one kilobyte read
// kept per click is ten megabytes, one short result kept per click a third of a megabyte. Under
// AddressSanitizer freed blocks wait in quarantine, so resident memory grows anyway; there the
// leak check at exit does the same job.
#include <cstdio>

#include "hostile_fixture.h"

#if defined(__SANITIZE_ADDRESS__)
#define QUILLORN_HOSTILE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLORN_HOSTILE_ASAN 1
#endif
#endif

namespace quillorn::ui::testing {
namespace {

constexpr int kWarmUpClicks = 200;
constexpr int kClicks = 10000;
constexpr qsizetype kTextLength = 1024;
// Half of what one short text kept per click would add (10,000 blocks of at least 32 bytes).
constexpr std::size_t kGrowthBound = 160 * 1024;

using HostileClicksTest = HostileTest;

TEST_F(HostileClicksTest, TenThousandClicksOnKilobyteOddsKeepTheFiguresAndTheMemory) {
  // The row 2.10 3.20 3.50 | 1.95 3.40 3.60, each padded with zeros to a kilobyte.
  const char* row[] = {"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"};
  for (std::size_t i = 0; i < kInputBoxes.size(); ++i) {
    QString text = QString::fromLatin1(row[i]);
    text += QString(kTextLength - text.size(), u'0');
    Box(kInputBoxes[i])->setText(text);
  }
  const Results expected = {"93.1%", "92.2%", "51.28", "31.25", "28.57"};

  for (int i = 0; i < kWarmUpClicks; ++i) Click();
  ASSERT_EQ(Shown(), expected);
  const std::size_t before = ResidentBytes();
  for (int i = 0; i < kClicks; ++i) Click();
  const std::size_t after = ResidentBytes();

  EXPECT_EQ(clicks_, kWarmUpClicks + kClicks);
  EXPECT_EQ(Shown(), expected);
  EXPECT_EQ(Handed(1).size(), static_cast<std::size_t>(kTextLength));
  const long long growth = static_cast<long long>(after) - static_cast<long long>(before);
  std::printf("[ measured ] resident memory before %zu KB, after %d clicks %zu KB (%+lld KB)\n",
              before >> 10, kClicks, after >> 10, growth / 1024);
#ifndef QUILLORN_HOSTILE_ASAN
  EXPECT_LT(growth, static_cast<long long>(kGrowthBound));
#endif
}

}  // namespace
}  // namespace quillorn::ui::testing
