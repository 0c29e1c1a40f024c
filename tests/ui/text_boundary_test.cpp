// Texts crossing between code page 936 and Qt's strings.
#include <gtest/gtest.h>

#include <QString>

#include "ui/text_boundary.h"

namespace quillorn::ui {
namespace {

TEST(TextBoundaryTest, RoundTripsWhatCodePage936Holds) {
  const char* const texts[] = {"", "2.10", " 3.2abc", "1.#INF", "２．５", "概率1＞概率4 ，",
                               "€", "\r\n\r\n", "Varendt老师"};
  for (const char* utf8 : texts) {
    const QString text = QString::fromUtf8(utf8);
    const std::string bytes = ToCodePage936(text);
    EXPECT_EQ(FromCodePage936(bytes), text) << utf8;
  }
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("概率1")), "\xB8\xC5\xC2\xCA" "1");
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("２．５")), "\xA3\xB2\xA3\xAE\xA3\xB5");
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("€")), "\x80");
}

TEST(TextBoundaryTest, EachCharacterWithoutAPlaceBecomesOneQuestionMark) {
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("2.5😀3")), "2.5?3");
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("😀😀概")), "??\xB8\xC5");
  EXPECT_EQ(ToCodePage936(QString(QChar(0xD800)) + QStringLiteral("1")), "?1");
  EXPECT_EQ(ToCodePage936(QStringLiteral("1") + QChar(0xDC00)), "1?");
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("한1")), "?1");  // Hangul is not in GBK
}

TEST(TextBoundaryTest, ZeroCharacterBecomesASpaceAndKeepsTheRest) {
  const QString text = QStringLiteral("2.5") + QChar(0) + QStringLiteral("3");
  EXPECT_EQ(ToCodePage936(text), "2.5 3");
  EXPECT_EQ(ToCodePage936(QString::fromUtf8("概") + QChar(0) + QString::fromUtf8("率")),
            "\xB8\xC5 \xC2\xCA");
}

TEST(TextBoundaryTest, BytesNoCharacterBeginsWithBecomeReplacementCharacters) {
  using namespace std::string_view_literals;
  EXPECT_EQ(FromCodePage936("a\x81"sv), QStringLiteral("a\uFFFD"));
  EXPECT_EQ(FromCodePage936("\x81" "1.5"sv), QStringLiteral("\uFFFD" "1.5"));
  EXPECT_EQ(FromCodePage936("\xB8\xC5\x81\xB8\xC5"sv).size(), 3);
}

}  // namespace
}  // namespace quillorn::ui
