// The window among the desktop's tools: the packaging's icon in every size, the names and
// states a screen reader reads, and text committed by an input method.
#include <QAccessible>
#include <QIcon>
#include <QImage>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <array>
#include <vector>

#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

using DesktopTest = WindowTest;

TEST_F(DesktopTest, WindowIconIsThePackagingIconInEverySize) {
  const QIcon icon = window_->windowIcon();
  std::vector<int> sizes;
  for (const QSize& size : icon.availableSizes()) {
    EXPECT_EQ(size.width(), size.height());
    sizes.push_back(size.width());
  }
  std::sort(sizes.begin(), sizes.end());
  ASSERT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 128, 256}));
  for (const QSize& size : icon.availableSizes()) {
    const QString file = QStringLiteral(QUILLORN_SOURCE_DIR "/packaging/icons/png/quillorn-%1.png")
                             .arg(size.width());
    const QImage packaged(file);
    ASSERT_FALSE(packaged.isNull()) << file.toStdString();
    EXPECT_EQ(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              packaged.convertToFormat(QImage::Format_ARGB32_Premultiplied))
        << size.width();
  }
}

TEST_F(DesktopTest, ScreenReaderNamesEachControlByItsHeadings) {
  struct Case {
    int box;  // 0 for 按钮1
    const char* name;
  };
  const Case cases[] = {
      {1, "1组 概率1"},  {2, "1组 概率2"},  {3, "1组 概率3"},  {4, "1组 返还概率1"},
      {5, "2组 概率4"},  {6, "2组 概率5"},  {7, "2组 概率6"},  {8, "2组 返还概率2"},
      {9, "对冲 结果1"}, {10, "对冲 结果2"}, {11, "对冲 结果3"}, {0, "理论对冲"},
  };
  for (const Case& c : cases) {
    QWidget* widget = c.box == 0 ? static_cast<QWidget*>(Button()) : Box(c.box);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr) << c.name;
    EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), c.name);
    EXPECT_EQ(accessible->role(), c.box == 0 ? QAccessible::Button : QAccessible::EditableText)
        << c.name;
    const bool output = c.box == 4 || c.box >= 8;
    EXPECT_EQ(accessible->state().readOnly, output) << c.name;
    EXPECT_TRUE(accessible->state().focusable) << c.name;
  }
}

TEST_F(DesktopTest, ScreenReaderReadsEachLabelAsStaticText) {
  for (int n = 1; n <= 15; ++n) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(LabelNumber(n));
    ASSERT_NE(accessible, nullptr) << n;
    EXPECT_EQ(accessible->role(), QAccessible::StaticText) << n;
    EXPECT_EQ(accessible->text(QAccessible::Name), LabelNumber(n)->text()) << n;
    EXPECT_FALSE(accessible->state().focusable) << n;
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(LabelNumber(7))->text(QAccessible::Name)
                .toStdString(),
            "返还概率1");
}

// What a Chinese input method sends when the user picks a candidate: a preedit while composing,
// then the chosen text as the commit string.
void Compose(QWidget* box, const QString& preedit, const QString& commit) {
  QInputMethodEvent composing(preedit, {});
  QApplication::sendEvent(box, &composing);
  QInputMethodEvent committed;
  committed.setCommitString(commit);
  QApplication::sendEvent(box, &committed);
}

TEST_F(DesktopTest, CommittedTextLandsAsTypedAndComputesLikeTypedText) {
  constexpr std::array<int, 6> kInputs = {1, 2, 3, 5, 6, 7};
  const char* odds[] = {"２．５", " 3.2abc", "2,5", "1.5625", "3.125", "3.125"};
  for (std::size_t i = 1; i < kInputs.size(); ++i) {
    TypeInto(kInputs[i], QString::fromUtf8(odds[i]));
  }
  Box(1)->setFocus();
  QSignalSpy notified(Box(1), &EditBox::TextChangeNotified);
  Compose(Box(1), QStringLiteral("er"), QString::fromUtf8(odds[0]));
  EXPECT_EQ(Box(1)->text().toStdString(), "２．５");
  EXPECT_EQ(Box(1)->cursorPosition(), 3);
  EXPECT_EQ(notified.count(), 1);

  QTest::mouseClick(Button(), Qt::LeftButton);
  const char* shown[] = {"82.5%", "78.1%", "64", "31.25", "50"};
  constexpr std::array<int, 5> kOutputs = {4, 8, 9, 10, 11};
  for (std::size_t i = 0; i < kOutputs.size(); ++i) {
    EXPECT_EQ(Box(kOutputs[i])->text().toStdString(), shown[i]) << kOutputs[i];
  }
}

TEST_F(DesktopTest, InputMethodIsOffInReadOnlyBoxesAndItsCommitChangesNothing) {
  for (int n = 1; n <= 11; ++n) {
    const bool output = n == 4 || n >= 8;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(Box(n), &query);
    EXPECT_EQ(query.value(Qt::ImEnabled).toBool(), !output) << n;
    if (!output) continue;
    Box(n)->ReplaceText(QStringLiteral("93.1%"));
    Box(n)->setFocus();
    QSignalSpy notified(Box(n), &EditBox::TextChangeNotified);
    Compose(Box(n), QStringLiteral("er"), QString::fromUtf8("２．５"));
    EXPECT_EQ(Box(n)->text().toStdString(), "93.1%") << n;
    EXPECT_EQ(notified.count(), 0) << n;
  }
}

}  // namespace
}  // namespace quillorn::ui::testing
