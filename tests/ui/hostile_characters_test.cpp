// Characters no odds contain, pasted or typed into every input box, then a click. Each box hands
// out its text in code page 936 as the boundary converts it (a character code page 936 has no
// place for, a lone surrogate included, becomes '?', U+0000 becomes a space, control characters
// stay as they are), and the figures are what the text-to-number rules read from those bytes.
#include <QTest>
#include <vector>

#include "hostile_fixture.h"

namespace quillorn::ui::testing {
namespace {

struct Hostile {
  QString character;
  std::string bytes;  // what code page 936 makes of it
  bool white;         // whether those bytes are white space for the number reader
  const char* what;
};

QString One(char32_t code) {
  if (code > 0xFFFF) return QString::fromUcs4(&code, 1);
  return QString(QChar(static_cast<char16_t>(code)));
}

std::vector<Hostile> HostileCharacters() {
  std::vector<Hostile> all;
  all.push_back({One(0), " ", true, "U+0000"});
  for (char16_t c = 0x01; c <= 0x1F; ++c) {
    all.push_back({One(c), std::string(1, static_cast<char>(c)), c >= 0x09 && c <= 0x0D,
                   "a control character below U+0020"});
  }
  all.push_back({One(0x7F), "\x7F", false, "U+007F"});
  all.push_back({One(0x1F600), "?", false, "an emoji (a surrogate pair)"});
  all.push_back({One(0x0E01), "?", false, "Thai"});
  all.push_back({One(0x0915), "?", false, "Devanagari"});
  all.push_back({One(0xF8FF), "?", false, "private use outside code page 936"});
  // Default-ignorable characters: invisible in the box, but still characters of its text.
  all.push_back({One(0xFEFF), "?", false, "a byte order mark"});
  all.push_back({One(0x200B), "?", false, "a zero-width space"});
  all.push_back({One(0x00AD), "?", false, "a soft hyphen"});
  all.push_back({One(0xFE0F), "?", false, "a variation selector"});
  all.push_back({One(0xE0041), "?", false, "a tag character (a surrogate pair)"});
  all.push_back({One(0x2028), "?", false, "the line separator"});
  all.push_back({One(0xD800), "?", false, "a lone high surrogate"});
  all.push_back({One(0xDC00), "?", false, "a lone low surrogate"});
  // Characters code page 936 does hold, with a lead byte no digit may follow as a trail byte.
  all.push_back({One(0x20AC), "\x80", false, "the euro sign, one byte 0x80"});
  all.push_back({One(0xE000), "\xAA\xA1", false, "private use in the user-defined area"});
  return all;
}

// What each input box gets around the character c, and what the number reader takes from it:
// c before a number reads that number only when c is white space; c after a number ends it.
struct Around {
  int box;
  QString (*text)(const QString& c);
  std::string (*bytes)(const std::string& c);
};

const Around kAround[] = {
    {1, [](const QString& c) { return c + "4"; }, [](const std::string& c) { return c + "4"; }},
    {2, [](const QString& c) { return "4" + c + "9"; },
     [](const std::string& c) { return "4" + c + "9"; }},
    {3, [](const QString& c) { return "5" + c; }, [](const std::string& c) { return "5" + c; }},
    {5, [](const QString& c) { return "2" + c + c + "7"; },
     [](const std::string& c) { return "2" + c + c + "7"; }},
    {6, [](const QString& c) { return c + "4"; }, [](const std::string& c) { return c + "4"; }},
    {7, [](const QString& c) { return "4" + c + ".5"; },
     [](const std::string& c) { return "4" + c + ".5"; }},
};

// Boxes 1 and 6 read 4 after white space and 0 otherwise; the other four read 4, 5, 2 and 4.
Results Expected(bool white) {
  if (white) return {"142.9%", "100%", "50", "25", "20"};  // 4 4 5 | 2 4 4
  return {"0%", "0%", "50", "25", "20"};                   // 0 4 5 | 2 0 4
}

using HostileCharactersTest = HostileTest;

TEST_F(HostileCharactersTest, PastedIntoEveryInputBoxTheyReadByTheNumberRules) {
  for (const Hostile& h : HostileCharacters()) {
    SCOPED_TRACE(::testing::Message()
                 << h.what << " U+" << std::hex << h.character.toUcs4().value(0, 0xD800));
    for (const Around& a : kAround) {
      PasteInto(a.box, a.text(h.character));
      ASSERT_TRUE(Box(a.box)->text() == a.text(h.character)) << "box " << a.box;
    }
    Click();
    for (const Around& a : kAround) {
      EXPECT_EQ(Handed(a.box), a.bytes(h.bytes)) << "box " << a.box;
    }
    EXPECT_EQ(Shown(), Expected(h.white));
  }
}

TEST_F(HostileCharactersTest, TypedIntoEveryInputBoxTheyReadByTheNumberRules) {
  // Characters a keyboard or an input method can give; the edit box takes control characters
  // from the clipboard only.
  for (const Hostile& h : HostileCharacters()) {
    const char16_t first = h.character.front().unicode();
    if (first < 0x80 || (QChar::isSurrogate(first) && h.character.size() == 1)) continue;
    SCOPED_TRACE(h.what);
    for (const Around& a : kAround) {
      TypeInto(a.box, a.text(h.character));
      ASSERT_TRUE(Box(a.box)->text() == a.text(h.character)) << "box " << a.box;
    }
    Click();
    for (const Around& a : kAround) {
      EXPECT_EQ(Handed(a.box), a.bytes(h.bytes)) << "box " << a.box;
    }
    EXPECT_EQ(Shown(), Expected(h.white));
  }
}

TEST_F(HostileCharactersTest, AWholeRunOfThemInOneBoxIsHandedOutWhole) {
  QString text = "3";
  std::string bytes = "3";
  for (const Hostile& h : HostileCharacters()) {
    // Apart, so that the two lone surrogates do not make a pair.
    text += h.character + "_";
    bytes += h.bytes + "_";
  }
  for (const int box : kInputBoxes) PasteInto(box, text);
  Click();
  for (const int box : kInputBoxes) EXPECT_EQ(Handed(box), bytes) << "box " << box;
  EXPECT_EQ(Shown(), (Results{"100%", "100%", "33.33", "33.33", "33.33"}));
}

// The codec left an unmapped default-ignorable character out instead of writing '?', so the
// digits around it joined: "4", U+FEFF, "9" was handed out as "49".
TEST_F(HostileCharactersTest, ByteOrderMarkBetweenDigitsDoesNotJoinThem) {
  PasteInto(2, QStringLiteral("4\uFEFF9"));
  EXPECT_EQ(Handed(2), "4?9");
  Click();
  EXPECT_EQ(Box(10)->text(), "25");
}

// The codec waited for the other half of a high surrogate that ends the text and wrote nothing
// for it: a box holding only that character handed out an empty text.
TEST_F(HostileCharactersTest, LoneHighSurrogateAtTheEndIsNotDropped) {
  PasteInto(3, QString(QChar(0xD800)));
  EXPECT_EQ(Handed(3), "?");
  PasteInto(3, QStringLiteral("5") + QChar(0xD83D));  // the first half of an emoji
  EXPECT_EQ(Handed(3), "5?");
}

}  // namespace
}  // namespace quillorn::ui::testing
