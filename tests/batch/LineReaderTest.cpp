// SPDX-License-Identifier: MIT
// Lines read from files (any line end, long lines, lines in place or many at
// a time, UTF-16 with a byte-order mark) and from pasted text.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "batch/LineReader.h"
#include "batch/TextEncoding.h"

namespace Lodema {
namespace {

std::vector<std::string> ReadAll(LineReader& reader) {
  std::vector<std::string> lines;
  std::string line;
  while (reader.ReadLine(line)) lines.push_back(line);
  return lines;
}

// The lines of a file of these bytes.
std::vector<std::string> ReadFileLines(const std::string& bytes) {
  testing::ScratchFolder folder;
  std::unique_ptr<FileLineReader> reader = FileLineReader::Open(folder.Write("in.txt", bytes));
  return ReadAll(*reader);
}

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

struct LinesRow {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(LineReaderTest, FileLinesEndWithAnyLineEnd) {
  std::string longBytes;
  std::vector<std::string> longLines;
  for (int i = 0; i < 20000; ++i) {
    longBytes += std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    longLines.push_back(std::to_string(i));
  }
  const LinesRow rows[] = {
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"LF", "a\nb\n", {"a", "b"}},
      {"lone CR", "a\rb\r", {"a", "b"}},
      {"no final line end", "a\nb", {"a", "b"}},
      {"empty lines kept", "a\n\nb\n", {"a", "", "b"}},
      {"empty file", "", {}},
      {"blanks kept", "  a  \n", {"  a  "}},
      {"long file across read blocks", longBytes, longLines},
  };
  for (const LinesRow& row : rows) EXPECT_EQ(ReadFileLines(row.bytes), row.lines) << row.name;
}

TEST(LineReaderTest, PastedTextRows) {
  const LinesRow rows[] = {
      {"three rows with trailing CR LF", "1 2\r\n3 4\r\n5 6\r\n", {"1 2", "3 4", "5 6"}},
      {"blank lines skipped", "1\r\n\r\n\n2", {"1", "2"}},
      {"leading blanks removed", "   1 2\n", {"1 2"}},
      // Regression: a one-character last line after a lone LF was lost.
      {"one-character last line kept", "12 45\nX", {"12 45", "X"}},
      {"single character text", "7", {"7"}},
      {"only line ends", "\r\n\r\n", {}},
      {"empty text", "", {}},
  };
  for (const LinesRow& row : rows) {
    SCOPED_TRACE(row.name);
    TextLineReader reader(row.bytes);
    EXPECT_EQ(ReadAll(reader), row.lines);
  }
}

TEST(LineReaderTest, OverlongLineEndsTheReadingWithAReason) {
  // Regression: a line without end (/dev/zero) grew until std::bad_alloc.
  struct Source {
    const char* name;
    std::FILE* stream;
  };
  testing::ScratchFolder folder;
  const std::string path = folder.Write("in.txt", "ab\n" + std::string(3 << 20, '7') + "\r\ncd\n");
  for (const Source& source : {Source{"long line", std::fopen(path.c_str(), "rb")},
                               Source{"no line end ever", std::fopen("/dev/zero", "rb")}}) {
    SCOPED_TRACE(source.name);
    ASSERT_NE(source.stream, nullptr);
    FileLineReader reader(source.stream, true, std::size_t{1} << 20);
    std::string line;
    if (std::string(source.name) == "long line") {
      ASSERT_TRUE(reader.ReadLine(line));
      EXPECT_FALSE(reader.LineTooLong());
    }
    ASSERT_TRUE(reader.ReadLine(line));
    EXPECT_TRUE(reader.LineTooLong());
    EXPECT_EQ(line.size(), std::size_t{1} << 20);
    EXPECT_FALSE(reader.ReadLine(line));
    EXPECT_EQ(reader.ReadError(), "a line is longer than 1 MiB");
  }
}

// Lines handed out in place must be the lines ReadLine copies, whatever the
// line ends, wherever the read buffer's edges fall (a CR LF split by one
// included), and with lines over the limit; ReadLine and ReadLineView may
// take turns on one reader.
TEST(LineReaderTest, LinesInPlaceAreTheLinesCopied) {
  std::mt19937 random(99);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  testing::ScratchFolder folder;
  for (int file = 0; file < 6; ++file) {
    std::string bytes;
    if (file == 0) {
      // The reader's first 64 KiB end between a CR and its LF.
      while (bytes.size() < 65500) bytes += "ab\n";
      bytes += std::string(65535 - bytes.size(), 'z') + "\r\n";
    }
    while (bytes.size() < 600000) {
      const int length = pick(0, 199) == 0 ? pick(1000, 70000) : pick(0, 40);
      bytes += std::string(static_cast<std::size_t>(length), static_cast<char>('a' + file));
      bytes += std::array<const char*, 3>{"\n", "\r\n", "\r"}[static_cast<std::size_t>(pick(0, 2))];
    }
    if (file % 2 == 1) bytes.pop_back();  // no line end at the very end
    const std::string path = folder.Write("in" + std::to_string(file) + ".txt", bytes);
    for (const std::size_t limit : {kMaxLineBytes, std::size_t{50000}}) {
      SCOPED_TRACE("file " + std::to_string(file) + ", limit " + std::to_string(limit));
      FileLineReader copied(std::fopen(path.c_str(), "rb"), true, limit);
      FileLineReader inPlace(std::fopen(path.c_str(), "rb"), true, limit);
      // Whole lines taken many at a time where the buffer holds them, as a
      // parallel run reads, the others one by one.
      FileLineReader inBlocks(std::fopen(path.c_str(), "rb"), true, limit);
      std::string block;
      std::string_view blockRest;
      int blockLines = 0;
      std::string line;
      std::string room;
      std::string_view view;
      int n = 0;
      for (;; ++n) {
        const bool more = copied.ReadLine(line);
        const bool alsoMore = n % 3 == 2 ? inPlace.ReadLine(room) && ((view = room), true)
                                         : inPlace.ReadLineView(view);
        ASSERT_EQ(alsoMore, more) << "line " << n;
        if (blockRest.empty()) {
          ASSERT_EQ(blockLines, 0) << "lines counted but not in the block, line " << n;
          block.clear();
          blockLines = inBlocks.TakeWholeLines(block, pick(1, 3000),
                                               static_cast<std::size_t>(pick(1, 100000)));
          blockRest = block;
        }
        std::string_view fromBlocks;
        bool blocksMore = blockLines > 0;
        if (blocksMore) {
          fromBlocks = TakeLine(blockRest);
          --blockLines;
        } else {
          blocksMore = inBlocks.ReadLineView(fromBlocks);
        }
        ASSERT_EQ(blocksMore, more) << "line " << n;
        if (!more) break;
        ASSERT_EQ(view, line) << "line " << n;
        ASSERT_EQ(fromBlocks, line) << "line " << n;
        ASSERT_EQ(inPlace.LineTooLong(), copied.LineTooLong()) << "line " << n;
      }
      EXPECT_EQ(inPlace.ReadError(), copied.ReadError());
      if (limit == kMaxLineBytes) {
        EXPECT_GT(n, 1000);
      }
    }
  }
}

TEST(TextEncodingTest, Utf16FilesReadAsUtf8Lines) {
  const std::u16string text = u"30\t090°\r\n40\t100\U0001F30D\r\n";
  const std::vector<std::string> lines = {"30\t090\xC2\xB0", "40\t100\xF0\x9F\x8C\x8D"};
  EXPECT_EQ(ReadFileLines(Utf16(text, ByteOrder::kLittleEndian)), lines);
  EXPECT_EQ(ReadFileLines(Utf16(text, ByteOrder::kBigEndian)), lines);
  // Over many read blocks, so that units and pairs are split between them.
  std::u16string many;
  for (int i = 0; i < 30000; ++i) many += u"1\U0001F30D\r\n";
  const std::vector<std::string> manyLines = ReadFileLines(Utf16(many, ByteOrder::kLittleEndian));
  ASSERT_EQ(manyLines.size(), 30000u);
  for (const std::string& line : manyLines) ASSERT_EQ(line, "1\xF0\x9F\x8C\x8D");
  // Without a mark the bytes are the file's own.
  EXPECT_EQ(ReadFileLines("\xFF\x30\r\n"), std::vector<std::string>{"\xFF\x30"});
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
