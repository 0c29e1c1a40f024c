// The edit boxes: their settings, what the user can do in each input mode, reading and writing
// their text through code page 936, and the text-changed notification.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <climits>

#include "ui/control_text.h"
#include "ui/text_boundary.h"
#include "window_fixture.h"

namespace quillorn::ui::testing {
namespace {

using EditBoxTest = WindowTest;

bool IsOutput(int n) { return n == 4 || n >= 8; }

TEST_F(EditBoxTest, SettingsOfAllElevenBoxes) {
  for (int n = 1; n <= 11; ++n) {
    EditBox* box = Box(n);
    ASSERT_NE(box, nullptr) << n;
    EXPECT_EQ(box->isReadOnly(), IsOutput(n)) << n;
    EXPECT_EQ(box->alignment(), Qt::AlignHCenter | Qt::AlignVCenter) << n;
    EXPECT_EQ(box->maxLength(), INT_MAX) << n;
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus) << n;
    EXPECT_EQ(box->echoMode(), QLineEdit::Normal) << n;
    EXPECT_TRUE(box->inputMask().isEmpty()) << n;
    EXPECT_EQ(box->validator(), nullptr) << n;
    EXPECT_TRUE(box->hasFrame()) << n;
  }
}

TEST_F(EditBoxTest, OutputBoxLooksExactlyLikeAnInputBox) {
  SetControlText(kMainWindowId, BoxName(1), "51.28");
  SetControlText(kMainWindowId, BoxName(9), "51.28");
  Box(11)->setFocus();  // neither box has the focus
  const QImage input = Box(1)->grab().toImage();
  const QImage output = Box(9)->grab().toImage();
  EXPECT_EQ(input, output);
  for (EditBox* box : {Box(1), Box(9)}) {
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      EXPECT_EQ(box->palette().color(group, QPalette::Base), QColor(Qt::white));
      EXPECT_EQ(box->palette().color(group, QPalette::Text), QColor(Qt::black));
    }
  }
}

TEST_F(EditBoxTest, EveryCharacterIsAcceptedAsTyped) {
  const QString typed[] = {
      QStringLiteral("2.10"), QStringLiteral(" 3.2abc"), QStringLiteral("2,5"),
      QStringLiteral("-1e3"), QString::fromUtf8("２．５"), QString::fromUtf8("概率😀"),
  };
  for (const QString& text : typed) {
    TypeInto(2, text);
    EXPECT_EQ(Box(2)->text(), text);
  }
}

TEST_F(EditBoxTest, ReadOnlyBoxRefusesTheUserButTakesTheProgramsText) {
  SetControlText(kMainWindowId, BoxName(4), "93.1%");
  Box(4)->setFocus();
  Box(4)->selectAll();
  Type(QStringLiteral("7"));
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Delete);
  QApplication::clipboard()->setText(QStringLiteral("pasted"));
  Key(Qt::Key_V, Qt::ControlModifier);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Box(4)->text(), QStringLiteral("93.1%"));
  SetControlText(kMainWindowId, BoxName(4), "92.2%");
  EXPECT_EQ(Box(4)->text(), QStringLiteral("92.2%"));
}

TEST_F(EditBoxTest, ReadOnlyBoxLetsTheUserSelectAndCopy) {
  SetControlText(kMainWindowId, BoxName(10), "31.25");
  Box(10)->setFocus();
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(Box(10)->selectedText(), QStringLiteral("31.25"));
  QApplication::clipboard()->clear();
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("31.25"));
}

TEST_F(EditBoxTest, SelectionShowsOnlyWhileTheBoxHasTheFocus) {
  SetControlText(kMainWindowId, BoxName(1), "88888888");
  Box(1)->setFocus();
  Box(1)->selectAll();
  const QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  auto shows_highlight = [&](EditBox* box) {
    const QImage image = box->grab().toImage();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == highlight) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(shows_highlight(Box(1)));
  Box(2)->setFocus();
  Box(1)->setSelection(0, 8);  // a kept selection is not shown either
  EXPECT_FALSE(shows_highlight(Box(1)));
}

TEST_F(EditBoxTest, ReadingAnEmptyBoxGivesNoText) {
  EXPECT_TRUE(GetControlText(kMainWindowId, BoxName(1)).absent());
  SetControlText(kMainWindowId, BoxName(1), "1.5");
  SetControlText(kMainWindowId, BoxName(1), nullptr);
  EXPECT_TRUE(GetControlText(kMainWindowId, BoxName(1)).absent());
  SetControlText(kMainWindowId, BoxName(1), "1.5");
  SetControlText(kMainWindowId, BoxName(1), "");
  EXPECT_TRUE(GetControlText(kMainWindowId, BoxName(1)).absent());
}

TEST_F(EditBoxTest, WrittenTextReadsBackWholeAsANewText) {
  const std::string long_text(5000, '7');
  const std::string texts[] = {"   ", " 2.5 ", "1.#INF", Cp936("概率１２"), long_text};
  for (const std::string& written : texts) {
    SetControlText(kMainWindowId, BoxName(5), written.c_str());
    const Text first = GetControlText(kMainWindowId, BoxName(5));
    const Text second = GetControlText(kMainWindowId, BoxName(5));
    ASSERT_FALSE(first.absent());
    EXPECT_EQ(first.view(), written);
    EXPECT_NE(first.get(), second.get());  // each read is a block of its own
    EXPECT_NE(first.get(), written.c_str());
  }
}

TEST_F(EditBoxTest, TypedTextReadsBackAsCodePage936) {
  TypeInto(3, QString::fromUtf8("２．５ 概率"));
  EXPECT_EQ(GetControlText(kMainWindowId, BoxName(3)).view(), Cp936("２．５ 概率"));
}

TEST_F(EditBoxTest, CharactersCodePage936CannotHoldReadAsQuestionMarks) {
  TypeInto(1, QString::fromUtf8("2😀.5"));
  EXPECT_EQ(GetControlText(kMainWindowId, BoxName(1)).view(), "2?.5");
  Box(1)->setText(QString(QChar(0xD800)) + QStringLiteral("1.5"));
  EXPECT_EQ(GetControlText(kMainWindowId, BoxName(1)).view(), "?1.5");
  // U+0000 reads as the space the box shows, and the rest of the text stays.
  Box(1)->setText(QStringLiteral("2.5") + QChar(0) + QStringLiteral("3"));
  EXPECT_EQ(GetControlText(kMainWindowId, BoxName(1)).view(), "2.5 3");
}

TEST_F(EditBoxTest, ReadingChangesNothingInTheBox) {
  TypeInto(2, QStringLiteral("12345"));
  Box(2)->setSelection(1, 2);
  QSignalSpy notified(Box(2), &EditBox::TextChangeNotified);
  const Text read = GetControlText(kMainWindowId, BoxName(2));
  EXPECT_EQ(read.view(), "12345");
  EXPECT_EQ(Box(2)->selectionStart(), 1);
  EXPECT_EQ(Box(2)->selectedText(), QStringLiteral("23"));
  EXPECT_EQ(Focused(), Box(2));
  EXPECT_EQ(notified.count(), 0);
}

TEST_F(EditBoxTest, WritingNotifiesOnceEvenWithTheSameTextAndMovesNoFocus) {
  Box(6)->setFocus();
  QSignalSpy notified(Box(4), &EditBox::TextChangeNotified);
  SetControlText(kMainWindowId, BoxName(4), "93.1%");
  EXPECT_EQ(notified.count(), 1);
  SetControlText(kMainWindowId, BoxName(4), "93.1%");
  EXPECT_EQ(notified.count(), 2);
  SetControlText(kMainWindowId, BoxName(4), nullptr);
  SetControlText(kMainWindowId, BoxName(4), "");
  EXPECT_EQ(notified.count(), 4);
  EXPECT_EQ(Focused(), Box(6));
}

TEST_F(EditBoxTest, EachUserEditNotifiesOnce) {
  QSignalSpy notified(Box(1), &EditBox::TextChangeNotified);
  Box(1)->setFocus();
  Type(QStringLiteral("2.1"));
  EXPECT_EQ(notified.count(), 3);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(notified.count(), 4);
}

TEST_F(EditBoxTest, TypingNeverChangesAnOutputBox) {
  for (int n : {4, 8, 9, 10, 11}) SetControlText(kMainWindowId, BoxName(n), "x");
  for (int n : {1, 2, 3, 5, 6, 7}) TypeInto(n, QStringLiteral("2.5"));
  for (int n : {4, 8, 9, 10, 11}) EXPECT_EQ(Box(n)->text(), QStringLiteral("x")) << n;
  EXPECT_EQ(clicks_, 0);
}

}  // namespace
}  // namespace quillorn::ui::testing
