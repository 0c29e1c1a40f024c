// The labels the program paints: one line, aligned, vertically centred, cut at the edges.
#include <QFontMetrics>
#include <QImage>

#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

using LabelTest = WindowTest;

// The box around the dark (text) pixels of a label's own picture.
QRect InkBox(Label* label) {
  const QImage image = label->grab().toImage();
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y).lightness() < 128) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

TEST_F(LabelTest, LabelsNeverTakeTheFocus) {
  for (int n = 1; n <= 15; ++n) {
    ASSERT_NE(LabelNumber(n), nullptr) << n;
    EXPECT_EQ(LabelNumber(n)->focusPolicy(), Qt::NoFocus) << n;
  }
}

TEST_F(LabelTest, NoteIsOneLineFromTheLeftEdgeCutAtTheRight) {
  Label* note = LabelNumber(15);
  ASSERT_TRUE(note->text().contains(QStringLiteral("\r\n\r\n")));
  const QRect ink = InkBox(note);
  ASSERT_TRUE(ink.isValid());
  const int line = QFontMetrics(note->font()).height();
  // Three lines would be three times as high; one line stays within one line height.
  EXPECT_LE(ink.height(), line);
  EXPECT_LE(ink.left(), 2);
  EXPECT_GE(ink.right(), note->width() - 12);  // the text runs on past the edge
  EXPECT_NEAR(ink.center().y(), note->height() / 2, line / 2);
}

TEST_F(LabelTest, HeadingsAreCentredBothWays) {
  for (int n = 1; n <= 14; ++n) {
    Label* label = LabelNumber(n);
    const QRect ink = InkBox(label);
    ASSERT_TRUE(ink.isValid()) << n;
    const int line = QFontMetrics(label->font()).height();
    EXPECT_LE(ink.height(), line) << n;
    EXPECT_NEAR(ink.center().x(), label->width() / 2, 2) << n;
    EXPECT_NEAR(ink.center().y(), label->height() / 2, 4) << n;
  }
}

TEST_F(LabelTest, LabelIsFilledWithTheButtonFace) {
  const QImage image = LabelNumber(9)->grab().toImage();
  const QColor face = LabelNumber(9)->palette().color(QPalette::Button);
  EXPECT_EQ(image.pixelColor(0, 0), face);
  EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), face);
}

}  // namespace
}  // namespace quillorn::ui::testing
