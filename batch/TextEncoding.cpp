// SPDX-License-Identifier: MIT
#include "batch/TextEncoding.h"

namespace Lodema {

namespace {

constexpr unsigned kReplacement = 0xFFFD;

void AppendUtf8(unsigned code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::optional<ByteOrder> Utf16ByteOrderMark(std::string_view bytes) {
  if (bytes.size() < 2) return std::nullopt;
  const auto first = static_cast<unsigned char>(bytes[0]);
  const auto second = static_cast<unsigned char>(bytes[1]);
  if (first == 0xFF && second == 0xFE) return ByteOrder::kLittleEndian;
  if (first == 0xFE && second == 0xFF) return ByteOrder::kBigEndian;
  return std::nullopt;
}

void Utf16Decoder::Decode(std::string_view bytes, std::string& out) {
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    if (pendingByte_ < 0) {
      pendingByte_ = value;
      continue;
    }
    const auto first = static_cast<unsigned>(pendingByte_);
    pendingByte_ = -1;
    const unsigned unit =
        order_ == ByteOrder::kLittleEndian ? (value << 8 | first) : (first << 8 | value);
    if (highSurrogate_ != 0) {
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        AppendUtf8(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), out);
        highSurrogate_ = 0;
        continue;
      }
      AppendUtf8(kReplacement, out);
      highSurrogate_ = 0;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      AppendUtf8(kReplacement, out);
    } else {
      AppendUtf8(unit, out);
    }
  }
}

void Utf16Decoder::Finish(std::string& out) {
  if (highSurrogate_ != 0 || pendingByte_ >= 0) AppendUtf8(kReplacement, out);
  highSurrogate_ = 0;
  pendingByte_ = -1;
}

}  // namespace Lodema
