// The window shrunk to nothing, minimized and brought back: the controls keep their places and
// sizes, the boxes and labels keep their texts, and the button still computes.
#include <QTest>
#include <vector>

#include "hostile_fixture.h"
#include "ui/window_definition.h"

namespace quillorn::ui::testing {
namespace {

// Longer than the window's settling time after it is shown, during which a size change is
// taken for the window manager's frame and undone.
constexpr int kSettleMilliseconds = 700;

class HostileResizeTest : public HostileTest {
 protected:
  // Every control where its definition puts it, with its texts as they were.
  void ExpectControlsUnchanged() {
    for (const ControlDefinition& c : window_->definition().controls) {
      const QWidget* widget = window_->control(c.name);
      ASSERT_NE(widget, nullptr);
      EXPECT_EQ(widget->geometry(), QRect(c.left, c.top, c.width, c.height)) << c.name;
    }
    std::vector<QString> texts;
    for (int n = 1; n <= 11; ++n) texts.push_back(Box(n)->text());
    EXPECT_EQ(texts, texts_);
    EXPECT_EQ(LabelNumber(15)->text(), label15_);
  }

  void Remember() {
    texts_.clear();
    for (int n = 1; n <= 11; ++n) texts_.push_back(Box(n)->text());
    label15_ = LabelNumber(15)->text();
  }

  std::vector<QString> texts_;
  QString label15_;
};

TEST_F(HostileResizeTest, ShrunkToItsMinimumAndBackNothingMovesAndTheTextsStay) {
  FillInputs({"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"});
  Box(2)->setFocus(Qt::MouseFocusReason);
  Box(2)->setCursorPosition(2);
  Click();
  Remember();
  QTest::qWait(kSettleMilliseconds);
  const QSize original = window_->size();

  for (const QSize small : {window_->minimumSize(), QSize(0, 0), QSize(1, 1), QSize(60, 20)}) {
    SCOPED_TRACE(::testing::Message() << small.width() << "x" << small.height());
    window_->resize(small);
    QTest::qWait(20);
    EXPECT_EQ(window_->size(), small);
    window_->grab();  // paints every control cut off by the tiny client area
    ExpectControlsUnchanged();
  }
  // The button, now outside the client area, still computes when it is clicked.
  Click();
  EXPECT_EQ(clicks_, 2);

  window_->resize(original);
  QTest::qWait(20);
  EXPECT_EQ(window_->size(), original);
  EXPECT_FALSE(window_->grab().isNull());
  ExpectControlsUnchanged();
  EXPECT_EQ(Shown(), (Results{"93.1%", "92.2%", "51.28", "31.25", "28.57"}));
}

TEST_F(HostileResizeTest, MinimizedAndRestoredNothingMovesAndTheTextsStay) {
  FillInputs({"2", "", "abc", "-0", "1e400", "３"});
  Click();
  Remember();
  QTest::qWait(kSettleMilliseconds);
  const QRect before = window_->geometry();

  window_->showMinimized();
  QTest::qWait(20);
  ExpectControlsUnchanged();
  window_->showNormal();
  QTest::qWait(20);
  EXPECT_EQ(window_->geometry(), before);
  ExpectControlsUnchanged();
  EXPECT_EQ(Shown(), (Results{"0%", "0%", "-1.#INF", "1.#INF", "1.#INF"}));
}

}  // namespace
}  // namespace quillorn::ui::testing
