// SPDX-License-Identifier: MIT
// Text files saved as UTF-16 with a byte-order mark ("Unicode text" from a
// spreadsheet) are read as the UTF-8 the rest of Lodema works with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace Lodema {

enum class ByteOrder { kLittleEndian, kBigEndian };

// The byte order announced by a UTF-16 byte-order mark at the start of
// bytes; none for any other start.
std::optional<ByteOrder> Utf16ByteOrderMark(std::string_view bytes);

// UTF-16 to UTF-8 in pieces of any length: a byte or surrogate that ends one
// piece is completed by the next. Unpaired surrogates become U+FFFD.
class Utf16Decoder {
 public:
  explicit Utf16Decoder(ByteOrder order) : order_(order) {}
  // Appends the UTF-8 of bytes to out.
  void Decode(std::string_view bytes, std::string& out);
  // At the end of the text: what is left incomplete becomes U+FFFD.
  void Finish(std::string& out);

 private:
  ByteOrder order_;
  int pendingByte_ = -1;        // the first byte of a unit not yet complete
  unsigned highSurrogate_ = 0;  // waiting for its low half
};

}  // namespace Lodema
