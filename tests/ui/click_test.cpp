// Full clicks: a row typed into the six input boxes, 按钮1 pressed, the five results read.
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <memory>
#include <vector>

#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

using ClickTest = WindowTest;

struct Row {
  std::array<const char*, 6> odds;    // boxes 1, 2, 3, 5, 6, 7 (UTF-8 as typed)
  std::array<const char*, 5> shown;   // boxes 4, 8, 9, 10, 11
};

constexpr int kInputs[] = {1, 2, 3, 5, 6, 7};
constexpr int kOutputs[] = {4, 8, 9, 10, 11};

TEST_F(ClickTest, ExampleRowsGiveTheirTexts) {
  const Row rows[] = {
      {{"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"},
       {"93.1%", "92.2%", "51.28", "31.25", "28.57"}},
      {{"", "", "", "", "", ""}, {"0%", "0%", "1.#INF", "1.#INF", "1.#INF"}},
      {{"２．５", " 3.2abc", "2,5", "1.5625", "3.125", "3.125"},
       {"82.5%", "78.1%", "64", "31.25", "50"}},
  };
  for (const Row& row : rows) {
    for (std::size_t i = 0; i < 6; ++i) {
      Box(kInputs[i])->clear();
      TypeInto(kInputs[i], QString::fromUtf8(row.odds[i]));
      ASSERT_EQ(Box(kInputs[i])->text(), QString::fromUtf8(row.odds[i]));
    }
    QTest::mouseClick(Button(), Qt::LeftButton);
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(Box(kOutputs[i])->text().toStdString(), row.shown[i])
          << "box " << kOutputs[i] << " for " << row.odds[0] << " ...";
    }
  }
}

TEST_F(ClickTest, OneClickWritesEachOutputOnceAndTouchesNoInput) {
  const char* odds[] = {"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"};
  for (std::size_t i = 0; i < 6; ++i) TypeInto(kInputs[i], QString::fromLatin1(odds[i]));
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (int n = 1; n <= 11; ++n) {
    spies.push_back(std::make_unique<QSignalSpy>(Box(n), &EditBox::TextChangeNotified));
  }
  QTest::mouseClick(Button(), Qt::LeftButton);
  EXPECT_EQ(clicks_, 1);
  for (int n = 1; n <= 11; ++n) {
    const bool output = n == 4 || n >= 8;
    EXPECT_EQ(spies[static_cast<std::size_t>(n - 1)]->count(), output ? 1 : 0) << n;
  }
  // A second click computes the same from the same inputs: nothing is kept between clicks.
  const QString first = Box(4)->text();
  QTest::mouseClick(Button(), Qt::LeftButton);
  EXPECT_EQ(Box(4)->text(), first);
  EXPECT_EQ(clicks_, 2);
}

}  // namespace
}  // namespace quillorn::ui::testing
