#include <cinttypes>
#include <cstdio>
#include <string>

#include "exact.h"
#include "reference.h"

namespace quillorn::reference {

std::string Describe(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%a (0x%016" PRIX64 ")", value, BitsOf(value));
  return text;
}

std::string Printable(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      out.push_back(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    }
  }
  return out;
}

}  // namespace quillorn::reference
