#include "ui/text_boundary.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace quillorn::ui {
namespace {

// One converter each for the whole run: building one costs far more than using it.
QStringDecoder& Decoder() {
  static QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
  decoder.resetState();
  return decoder;
}
QStringEncoder& Encoder() {
  static QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
  encoder.resetState();
  return encoder;
}

bool IsAscii(std::string_view bytes) {
  for (const char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// One character at a time, for text the whole-string decoder rejected: a valid byte pair is
// decoded alone, anything else becomes U+FFFD, and nothing after a bad byte is lost.
QString DecodeByteByByte(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) {
      out.append(QChar(lead));
      ++i;
      continue;
    }
    std::size_t width = 1;
    if (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) {
      const auto trail = static_cast<unsigned char>(bytes[i + 1]);
      if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) width = 2;
    }
    QStringDecoder& decoder = Decoder();
    const QString piece =
        decoder(QByteArrayView(bytes.data() + i, static_cast<qsizetype>(width)));
    if (decoder.hasError() || piece.isEmpty()) {
      out.append(QChar(QChar::ReplacementCharacter));
    } else {
      out.append(piece);
    }
    i += width;
  }
  return out;
}

// Unicode's default-ignorable code points: the byte order mark, zero-width spaces and joiners,
// variation selectors, bidirectional controls, tags and the like.
bool IsDefaultIgnorable(char32_t c) noexcept {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kRanges[] = {
      {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x061C, 0x061C},   {0x115F, 0x1160},
      {0x17B4, 0x17B5},   {0x180B, 0x180F},   {0x200B, 0x200F},   {0x202A, 0x202E},
      {0x2060, 0x206F},   {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},
      {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8},   {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A},
      {0xE0000, 0xE0FFF}};
  // None below the soft hyphen, and none from U+3165 to U+FDFF, where the CJK blocks lie.
  if (c < 0xAD || (c > 0x3164 && c < 0xFE00)) return false;
  for (const Range& r : kRanges) {
    if (c >= r.first && c <= r.last) return true;
  }
  return false;
}

// The codec leaves two kinds of character out without a trace instead of writing its '?': a
// default-ignorable character code page 936 has no place for, and a high surrogate that ends
// the text (it waits for the other half). The box holds them all the same, and "4", U+FEFF, "9"
// must not read as 49, so each is marked '?' before the text goes to the codec. Null when the
// text has neither.
std::optional<QString> MarkSilentlyDropped(QStringView text) {
  std::optional<QString> marked;
  for (qsizetype i = 0; i < text.size();) {
    const QChar c = text[i];
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const qsizetype width = pair ? 2 : 1;
    bool dropped = false;
    if (c.unicode() >= 0xAD) {
      const char32_t code = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : c.unicode();
      dropped = (c.isHighSurrogate() && i + 1 == text.size()) ||
                (IsDefaultIgnorable(code) && QByteArray(Encoder()(text.mid(i, width))).isEmpty());
    }
    if (dropped) {
      if (!marked) marked = text.left(i).toString();
      marked->append(u'?');
    } else if (marked) {
      marked->append(text.mid(i, width));
    }
    i += width;
  }
  return marked;
}

}  // namespace

QString FromCodePage936(std::string_view bytes) {
  if (IsAscii(bytes)) return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder& decoder = Decoder();
  QString out = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!decoder.hasError()) return out;
  return DecodeByteByByte(bytes);
}

std::string ToCodePage936(QStringView text) {
  std::string out;
  bool ascii = true;
  for (const QChar c : text) {
    if (c.unicode() >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (ascii) {
    out.resize(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
      out[static_cast<std::size_t>(i)] = static_cast<char>(text[i].unicode());
    }
  } else {
    // The codec writes '?' for each character code page 936 cannot hold, a lone surrogate
    // included, and carries on with the rest.
    const std::optional<QString> marked = MarkSilentlyDropped(text);
    const QByteArray bytes = Encoder()(marked ? QStringView(*marked) : text);
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  // A zero byte would end the text for every reader: show it as the space the box draws.
  for (char& c : out) {
    if (c == '\0') c = ' ';
  }
  return out;
}

}  // namespace quillorn::ui
