// The window's own keys: Tab and Shift+Tab with wrap-around, Esc, and what it leaves alone.
#include <QApplication>
#include <QTest>
#include <vector>

#include "ui/window_shell.h"
#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

using KeysTest = WindowTest;

// 编辑框1-4, 按钮1, 编辑框5-11.
std::vector<QWidget*> ExpectedTabOrder(const KeysTest&, MainWindow& window) {
  std::vector<QWidget*> order;
  for (int n = 1; n <= 4; ++n) order.push_back(window.editBox(BoxName(n)));
  order.push_back(window.control(Cp936("按钮1")));
  for (int n = 5; n <= 11; ++n) order.push_back(window.editBox(BoxName(n)));
  return order;
}

TEST_F(KeysTest, TabVisitsBoxesAndButtonInOrderAndWrapsToTheFirst) {
  const std::vector<QWidget*> order = ExpectedTabOrder(*this, *window_);
  ASSERT_EQ(window_->tabOrder(), order);
  ASSERT_EQ(Focused(), order[0]);
  for (std::size_t step = 1; step <= order.size(); ++step) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), order[step % order.size()]) << "after Tab number " << step;
  }
}

TEST_F(KeysTest, ShiftTabGoesBackAndWrapsToTheLast) {
  const std::vector<QWidget*> order = ExpectedTabOrder(*this, *window_);
  // Keyboards deliver Shift+Tab as Backtab with Shift; some as Tab with Shift.
  for (const int key : {int(Qt::Key_Backtab), int(Qt::Key_Tab)}) {
    order[0]->setFocus();
    for (std::size_t step = 1; step <= order.size(); ++step) {
      Key(key, Qt::ShiftModifier);
      EXPECT_EQ(Focused(), order[(order.size() - step) % order.size()]) << step;
    }
  }
}

TEST_F(KeysTest, TabWithCtrlOrAltMovesNothing) {
  Box(2)->setFocus();
  Key(Qt::Key_Tab, Qt::ControlModifier);
  Key(Qt::Key_Tab, Qt::AltModifier);
  EXPECT_EQ(Focused(), Box(2));
}

TEST_F(KeysTest, EscClosesTheWindowFromEveryControlThatTakesTheFocus) {
  const std::size_t stops = window_->tabOrder().size();
  for (std::size_t i = 0; i < stops; ++i) {
    if (i > 0) ReloadWindow();
    window_->tabOrder()[i]->setFocus();
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window_->isVisible()) << i;
    FlushDeletions();
    EXPECT_TRUE(window_.isNull()) << i;
    EXPECT_EQ(OpenWindowCount(), 0u) << i;
  }
}

TEST_F(KeysTest, EscWithShiftOrCtrlLeavesTheWindowOpen) {
  Key(Qt::Key_Escape, Qt::ShiftModifier);
  Key(Qt::Key_Escape, Qt::ControlModifier);
  FlushDeletions();
  ASSERT_FALSE(window_.isNull());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(KeysTest, EnterNeitherPressesTheButtonNorMovesTheFocus) {
  for (QWidget* control : window_->tabOrder()) {
    control->setFocus();
    Key(Qt::Key_Return);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Focused(), control);
  }
  EXPECT_EQ(clicks_, 0);
  EXPECT_FALSE(Button()->isDefault());
  EXPECT_FALSE(Button()->autoDefault());
}

TEST_F(KeysTest, SpaceOnTheButtonClicksItOnce) {
  Button()->setFocus();
  Key(Qt::Key_Space);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(Focused(), Button());
}

TEST_F(KeysTest, MouseClickOnTheButtonClicksItOnce) {
  QTest::mouseClick(Button(), Qt::LeftButton);
  EXPECT_EQ(clicks_, 1);
}

}  // namespace
}  // namespace quillorn::ui::testing
