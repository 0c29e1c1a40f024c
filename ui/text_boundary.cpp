#include "ui/text_boundary.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>

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
    const QByteArray bytes = Encoder()(text);
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  // A zero byte would end the text for every reader: show it as the space the box draws.
  for (char& c : out) {
    if (c == '\0') c = ' ';
  }
  return out;
}

}  // namespace quillorn::ui
