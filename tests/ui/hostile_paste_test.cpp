// Ten megabytes pasted into an input box, then a click: the box keeps every character, hands all
// of them out, and the figures are those of the number the text begins with.
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

#include "hostile_fixture.h"
#include "ui/control_text.h"

namespace quillorn::ui::testing {
namespace {

constexpr qsizetype kTenMegabytes = qsizetype{10} * 1024 * 1024;
constexpr std::array<const char*, 6> kRow = {"2.10", "3.20", "3.50", "1.95", "3.40", "3.60"};
const Results kRowShown = {"93.1%", "92.2%", "51.28", "31.25", "28.57"};

QString Repeated(const char* utf8, qsizetype times) {
  return QString::fromUtf8(utf8).repeated(times);
}

// "0123456789" over and over, `length` characters.
QString Digits(qsizetype length) {
  QString digits(length, Qt::Uninitialized);
  for (qsizetype i = 0; i < length; ++i) digits[i] = QChar(u'0' + static_cast<char16_t>(i % 10));
  return digits;
}

struct HugeCase {
  const char* what;
  int box;
  bool by_clipboard;  // Ctrl+V, else QLineEdit::insert over the selection
  std::function<QString()> text;
  Results shown;      // the row with this box replaced
  std::string (*bytes)() = nullptr;  // the code page 936 bytes when the text is not ASCII
};

std::string FullWidthBytes() {
  std::string bytes = "\xA3\xB3\xA3\xAE\xA3\xB5";  // ３．５
  for (qsizetype i = 0; i < kTenMegabytes / 2; ++i) bytes += "\xA3\xB0";  // ０
  return bytes;
}

using HostilePasteTest = HostileTest;

TEST_F(HostilePasteTest, TenMegabytesInOneBoxGiveTheFiguresOfTheNumberTheyBeginWith) {
  const HugeCase cases[] = {
      {"\"2.\" and ten million zeros", 1, true,
       [] { return "2." + Repeated("0", kTenMegabytes); },
       {"91.1%", "92.2%", "51.28", "31.25", "28.57"}},
      {"\"3.\" and ten million threes, read as 10/3", 2, false,
       [] { return "3." + Repeated("3", kTenMegabytes); },
       {"94.2%", "92.2%", "51.28", "30", "28.57"}},
      {"ten million digits, an integer far beyond the double range", 6, true,
       [] { return Digits(kTenMegabytes); },
       {"93.1%", "126.5%", "51.28", "31.25", "28.57"}},
      {"a one and ten million zeros", 5, false,
       [] { return "1" + Repeated("0", kTenMegabytes); },
       {"93.1%", "174.9%", "0", "31.25", "28.57"}},
      {"ten million spaces before the odds", 7, true,
       [] { return Repeated(" ", kTenMegabytes) + "3.60"; }, kRowShown},
      {"full-width 3.5 and five million full-width zeros (ten megabytes in code page 936)", 3,
       true, [] { return QString::fromUtf8("３．５") + Repeated("０", kTenMegabytes / 2); },
       kRowShown, &FullWidthBytes},
  };
  for (const HugeCase& c : cases) {
    SCOPED_TRACE(c.what);
    FillInputs(kRow);
    const QString text = c.text();

    QElapsedTimer timer;
    timer.start();
    if (c.by_clipboard) {
      PasteInto(c.box, text);
    } else {
      Box(c.box)->setFocus(Qt::MouseFocusReason);
      Box(c.box)->selectAll();
      Box(c.box)->insert(text);
    }
    const qint64 paste_ms = timer.elapsed();
    ASSERT_EQ(Box(c.box)->text().size(), text.size());
    EXPECT_TRUE(Box(c.box)->text() == text);

    timer.restart();
    Click();
    const qint64 click_ms = timer.elapsed();
    EXPECT_EQ(Shown(), c.shown);
    std::printf("[ measured ] %s: %s %lld ms, click %lld ms\n", c.what,
                c.by_clipboard ? "paste" : "insert", static_cast<long long>(paste_ms),
                static_cast<long long>(click_ms));

    // The box hands out the whole text, every character converted.
    timer.restart();
    const std::string handed = Handed(c.box);
    std::printf("[ measured ]   reading the box alone %lld ms\n",
                static_cast<long long>(timer.elapsed()));
    const std::string expected = c.bytes != nullptr ? c.bytes() : text.toStdString();
    EXPECT_EQ(handed.size(), expected.size());
    EXPECT_TRUE(handed == expected);
  }
}

TEST_F(HostilePasteTest, TheSameNumberShortOrTenMegabytesLongGivesTheSameTexts) {
  FillInputs({"2", "3.20", "3.50", "1.95", "3.40", "3.60"});
  Click();
  const Results short_form = Shown();
  EXPECT_EQ(short_form, (Results{"91.1%", "92.2%", "51.28", "31.25", "28.57"}));

  const std::size_t before = ResidentBytes();
  PasteInto(1, "2." + Repeated("0", kTenMegabytes));
  const std::size_t pasted = ResidentBytes();
  Click();
  EXPECT_EQ(Shown(), short_form);
  std::printf("[ measured ] resident memory %zu MB before the paste, %zu MB after it, %zu MB "
              "after the click\n", before >> 20, pasted >> 20, ResidentBytes() >> 20);
  // A second click with the long text still there: nothing kept, the same texts again. The
  // focus is on the button now, so this one costs the calculation and not the box losing the
  // focus; the calculation alone is timed too.
  QElapsedTimer timer;
  timer.start();
  Click();
  const qint64 click_ms = timer.elapsed();
  EXPECT_EQ(Shown(), short_form);
  EXPECT_EQ(clicks_, 3);
  timer.restart();
  CalculateHedge();
  const qint64 calculation_ms = timer.elapsed();
  EXPECT_EQ(Shown(), short_form);
  std::printf("[ measured ] second click on ten megabytes %lld ms, the calculation alone %lld ms\n",
              static_cast<long long>(click_ms), static_cast<long long>(calculation_ms));
}

}  // namespace
}  // namespace quillorn::ui::testing
