// The window as built: frame settings, place, size, controls, stacking, focus memory.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "ui/placement.h"
#include "ui/text_boundary.h"
#include "ui/window_shell.h"
#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

TEST(PlacementTest, CentresOnTheFullScreenTruncatingTowardZero) {
  struct Case {
    std::int32_t screen_width, screen_height;
    ScreenPoint expected;
  };
  const Case cases[] = {
      {1024, 768, {270, 201}},
      {400, 768, {-41, 201}},   // (400 - 483) / 2 = -41.5, truncated toward zero
      {483, 366, {0, 0}},
      {484, 367, {0, 0}},       // an odd pixel left over goes to the right and bottom
      {1920, 1080, {718, 357}},
      {0, 0, {-241, -183}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentreOnScreen(c.screen_width, c.screen_height, 483, 366), c.expected)
        << c.screen_width << "x" << c.screen_height;
  }
}

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, OuterSizeAndPlaceFollowTheDefinition) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const ScreenPoint at = CentreOnScreen(screen.width(), screen.height(), 483, 366);
  EXPECT_EQ(window_->frameGeometry(), QRect(screen.x() + at.x, screen.y() + at.y, 483, 366));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Quillorn"));
  EXPECT_FALSE(window_->windowIcon().isNull());
  EXPECT_TRUE(window_->isVisible());
  EXPECT_FALSE(window_->isMinimized() || window_->isMaximized());
}

TEST_F(MainWindowTest, FrameHasCloseAndMinimizeButNoMaximize) {
  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::Window));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(flags.testFlag(Qt::Tool));  // its own taskbar entry
  EXPECT_EQ(window_->parentWidget(), nullptr);
  EXPECT_TRUE(window_->testAttribute(Qt::WA_DeleteOnClose));
  // Sizable: nothing pins the size.
  EXPECT_NE(window_->minimumSize(), window_->maximumSize());
}

TEST_F(MainWindowTest, BackgroundIsTheButtonFace) {
  EXPECT_TRUE(window_->autoFillBackground());
  EXPECT_EQ(window_->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Button));
}

TEST_F(MainWindowTest, ControlsStandInCreationOrderAtTheirPlaces) {
  const auto& definitions = MainWindowDefinition().controls;
  QList<QWidget*> children = window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(children.size(), 27);
  for (std::size_t i = 0; i < definitions.size(); ++i) {
    const ControlDefinition& d = definitions[i];
    QWidget* control = window_->control(d.name);
    ASSERT_NE(control, nullptr) << i;
    // Qt stacks children in the order of children(): later ones on top.
    EXPECT_EQ(children[static_cast<qsizetype>(i)], control) << i;
    EXPECT_EQ(control->geometry(), QRect(d.left, d.top, d.width, d.height)) << i;
    EXPECT_TRUE(control->isVisible()) << i;
    EXPECT_TRUE(control->isEnabled()) << i;
  }
}

TEST_F(MainWindowTest, StartsWithTheCaretInTheFirstBoxAndEveryBoxEmpty) {
  EXPECT_EQ(Focused(), Box(1));
  for (int n = 1; n <= 11; ++n) {
    EXPECT_TRUE(Box(n)->text().isEmpty()) << n;
    EXPECT_TRUE(Box(n)->placeholderText().isEmpty()) << n;
  }
  EXPECT_EQ(Box(1)->cursorPosition(), 0);
  EXPECT_FALSE(Box(1)->hasSelectedText());
}

TEST_F(MainWindowTest, ResizingMovesNoControl) {
  window_->resize(200, 120);
  window_->resize(900, 700);
  for (const ControlDefinition& d : MainWindowDefinition().controls) {
    EXPECT_EQ(window_->control(d.name)->geometry(), QRect(d.left, d.top, d.width, d.height));
  }
}

TEST_F(MainWindowTest, ClickingALabelChangesNothing) {
  Box(3)->setFocus();
  for (int n = 1; n <= 15; ++n) {
    QTest::mouseClick(LabelNumber(n), Qt::LeftButton);
    EXPECT_EQ(Focused(), Box(3)) << n;
  }
  EXPECT_EQ(clicks_, 0);
}

TEST_F(MainWindowTest, FocusComesBackAfterMinimizingAndRestoring) {
  Box(6)->setFocus();
  window_->showMinimized();
  QTest::qWait(20);
  window_->showNormal();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_, 5000));
  EXPECT_EQ(Focused(), Box(6));
}

TEST_F(MainWindowTest, FocusComesBackAfterSwitchingToAnotherWindow) {
  Button()->setFocus();
  QWidget other;
  other.setGeometry(0, 0, 100, 100);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other, 5000));
  EXPECT_FALSE(window_->isActiveWindow());
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_, 5000));
  EXPECT_EQ(Focused(), Button());
}

TEST_F(MainWindowTest, ClosingDestroysTheWindowWithoutAQuestion) {
  EXPECT_TRUE(window_->close());
  FlushDeletions();
  EXPECT_TRUE(window_.isNull());
  EXPECT_EQ(FindOpenWindow(kMainWindowId), nullptr);
}

}  // namespace
}  // namespace quillorn::ui::testing
