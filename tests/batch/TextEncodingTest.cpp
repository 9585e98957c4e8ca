// SPDX-License-Identifier: MIT
// UTF-16 text with a byte-order mark ("Unicode text" from a spreadsheet)
// reads as the same lines as its UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "batch/LineReader.h"
#include "batch/TextEncoding.h"

namespace Lodema {
namespace {

// text (ASCII, "°" and a character beyond the basic plane) as UTF-16 with
// its byte-order mark.
std::string Utf16(const std::u16string& text, ByteOrder order) {
  std::string bytes = order == ByteOrder::kLittleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += order == ByteOrder::kLittleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

std::vector<std::string> ReadFile(const std::string& bytes) {
  testing::ScratchFolder folder;
  std::unique_ptr<FileLineReader> reader = FileLineReader::Open(folder.Write("in.txt", bytes));
  std::vector<std::string> lines;
  std::string line;
  while (reader->ReadLine(line)) lines.push_back(line);
  return lines;
}

TEST(TextEncodingTest, Utf16FilesReadAsUtf8Lines) {
  const std::u16string text = u"30\t090°\r\n40\t100\U0001F30D\r\n";
  const std::vector<std::string> lines = {"30\t090\xC2\xB0", "40\t100\xF0\x9F\x8C\x8D"};
  EXPECT_EQ(ReadFile(Utf16(text, ByteOrder::kLittleEndian)), lines);
  EXPECT_EQ(ReadFile(Utf16(text, ByteOrder::kBigEndian)), lines);
  // Over many read blocks, so that units and pairs are split between them.
  std::u16string many;
  for (int i = 0; i < 30000; ++i) many += u"1\U0001F30D\r\n";
  const std::vector<std::string> manyLines = ReadFile(Utf16(many, ByteOrder::kLittleEndian));
  ASSERT_EQ(manyLines.size(), 30000u);
  for (const std::string& line : manyLines) ASSERT_EQ(line, "1\xF0\x9F\x8C\x8D");
  // Without a mark the bytes are the file's own.
  EXPECT_EQ(ReadFile("\xFF\x30\r\n"), std::vector<std::string>{"\xFF\x30"});
}

TEST(TextEncodingTest, BrokenUtf16BecomesReplacementCharacters) {
  struct Row {
    const char* name;
    std::string bytes;  // little-endian units, no mark
    std::string utf8;
  };
  const std::string replacement = "\xEF\xBF\xBD";
  const Row rows[] = {
      {"lone low surrogate", std::string("\x00\xDC\x41\x00", 4), replacement + "A"},
      {"high surrogate before a letter", std::string("\x3D\xD8\x41\x00", 4), replacement + "A"},
      {"high surrogate at the end", std::string("\x3D\xD8", 2), replacement},
      {"odd byte at the end", std::string("\x41\x00\x42", 3), "A" + replacement},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // Byte by byte, as the worst split between read blocks.
    Utf16Decoder decoder(ByteOrder::kLittleEndian);
    std::string out;
    for (const char byte : row.bytes) decoder.Decode(std::string_view(&byte, 1), out);
    decoder.Finish(out);
    EXPECT_EQ(out, row.utf8);
  }
}

}  // namespace
}  // namespace Lodema
