#pragma once
// Where texts cross between the program's code page 936 bytes and Qt's UTF-16 strings. Nowhere
// else does the program convert a text.
//
//   FromCodePage936("\xB8\xC5\xC2\xCA" "1")    -> u"概率1"
//   FromCodePage936("a\x81")                    -> u"a\uFFFD"   (a byte no character begins
//                                                  with, or a cut-off pair: U+FFFD each)
//   ToCodePage936(u"概率1")                     -> "\xB8\xC5\xC2\xCA" "1"
//   ToCodePage936(u"2.5😀3")                    -> "2.5?3"  (one '?' per character that code
//                                                  page 936 has no place for, the rest kept)
//   ToCodePage936(u"\xD800" "1")                -> "?1"     (a lone surrogate likewise, also at
//                                                  the very end)
//   ToCodePage936(u"4\uFEFF9")                  -> "4?9"    (and an invisible one such as a
//                                                  byte order mark: still a character)
//   ToCodePage936(u"2.5\u00003")                -> "2.5 3"  (U+0000 becomes a space: the box
//                                                  shows it as one, and a zero byte would end
//                                                  the text early)
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace quillorn::ui {

QString FromCodePage936(std::string_view bytes);
std::string ToCodePage936(QStringView text);

}  // namespace quillorn::ui
