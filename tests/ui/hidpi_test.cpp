// The window on a screen scaled by two (QT_SCALE_FACTOR=2, set by the test's CTest entry): the
// layout keeps the definition's logical pixels, nothing overlaps, nothing is cut but the foot
// note (which runs past its label by design), and the icon shows its sizes drawn for the scale.
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QWindow>

#include "ui/text_boundary.h"
#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

constexpr qreal kScale = 2;

class ScaledWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Without the scale the checks below would hold trivially at one.
    ASSERT_EQ(window_->devicePixelRatio(), kScale);
    ASSERT_EQ(window_->windowHandle()->devicePixelRatio(), kScale);
  }
};

QRect RectOf(const ControlDefinition& d) { return {d.left, d.top, d.width, d.height}; }

TEST_F(ScaledWindowTest, ControlsKeepTheirLogicalPlacesInsideTheClientAreaWithoutOverlap) {
  EXPECT_EQ(window_->frameGeometry().size(), QSize(483, 366));
  const auto& controls = MainWindowDefinition().controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const QWidget* control = window_->control(controls[i].name);
    EXPECT_EQ(control->geometry(), RectOf(controls[i])) << i;
    EXPECT_TRUE(window_->rect().contains(control->geometry())) << i;
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(control->geometry().intersects(window_->control(controls[j].name)->geometry()))
          << i << " overlaps " << j;
    }
  }
}

TEST_F(ScaledWindowTest, EveryTextFitsItsControlButTheFootNote) {
  for (int n = 1; n <= 15; ++n) {
    const Label* label = LabelNumber(n);
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.height(), label->height()) << n;
    if (n == 15) continue;  // one long line, cut at the label's right edge
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << n;
  }
  // The button's caption with its bevel, and one line of text inside each box's frame.
  EXPECT_LE(Button()->sizeHint().width(), Button()->width());
  EXPECT_LE(Button()->sizeHint().height(), Button()->height());
  for (int n = 1; n <= 11; ++n) EXPECT_LE(Box(n)->sizeHint().height(), Box(n)->height()) << n;
}

TEST_F(ScaledWindowTest, IconShowsTheSizeDrawnForTheScaleNotAnEnlargedOne) {
  for (const int logical : {16, 24, 32, 64, 128}) {
    const QPixmap shown = window_->windowIcon().pixmap(QSize(logical, logical));
    ASSERT_EQ(shown.devicePixelRatio(), kScale) << logical;
    const QImage drawn(QStringLiteral(QUILLORN_SOURCE_DIR "/packaging/icons/png/quillorn-%1.png")
                           .arg(logical * 2));
    ASSERT_FALSE(drawn.isNull()) << logical;
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
        << logical;
  }
}

}  // namespace
}  // namespace quillorn::ui::testing
