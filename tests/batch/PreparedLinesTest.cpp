// Lines formatted elsewhere (by a batch worker) and written through the
// run's buffer: the file, the flushes and the count of lines lost on a
// failure are those of the same lines written one by one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/OutputFile.h"

namespace Lodema {
namespace {

// Takes at most `room` bytes in all, then nothing: a device that fills up.
class FillingSink : public OutputSink {
 public:
  FillingSink(std::string& bytes, std::vector<std::size_t>& writes, std::size_t room)
      : bytes_(bytes), writes_(writes), room_(room) {}
  std::size_t Write(std::string_view bytes) override {
    writes_.push_back(bytes.size());
    const std::size_t taken = std::min(bytes.size(), room_ - bytes_.size());
    bytes_.append(bytes.substr(0, taken));
    return taken;
  }
  bool Finish() override { return true; }

 private:
  std::string& bytes_;
  std::vector<std::size_t>& writes_;
  std::size_t room_;
};

struct Written {
  std::string bytes;
  std::vector<std::size_t> writes;  // the size of every flush
  std::int64_t failedLines = 0;
  bool failure = false;
};

// The lines written with WriteLine one by one (perBlock 0), or put together
// perBlock at a time and written with WriteLines.
Written Write(const std::vector<std::string>& lines, std::size_t room, std::size_t perBlock) {
  Written w;
  BufferedLineWriter writer(std::make_unique<FillingSink>(w.bytes, w.writes, room));
  std::string block;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (perBlock == 0) {
      writer.WriteLine(lines[i]);
      continue;
    }
    block += lines[i] + "\r\n";
    if ((i + 1) % perBlock == 0 || i + 1 == lines.size()) {
      writer.WriteLines(block);
      block.clear();
    }
  }
  writer.Finish();
  w.failedLines = writer.FailedLines();
  w.failure = writer.TakeNewFailure();
  return w;
}

struct RoomCase {
  const char* name;
  std::size_t room;
};

TEST(PreparedLinesTest, SameBytesFlushesAndLostLinesAsOneByOne) {
  std::vector<std::string> lines;
  std::string all;  // every line with its CR LF
  for (int i = 0; i < 20000; ++i) {
    // Two lines longer than the buffer's spare room, one longer than the buffer.
    const std::size_t length = i == 5000 ? 70000 : i == 12000 ? 150000 : i % 17;
    lines.push_back(std::to_string(i) + "\t" + std::string(length, 'x'));
    all += lines.back() + "\r\n";
  }
  EXPECT_TRUE(Write(lines, std::string::npos / 2, 0).bytes == all);
  const RoomCase cases[] = {
      {"room for all", std::string::npos / 2},
      {"full after some lines", 100000},
      {"full in the middle of a line", 100003},
      {"full from the start", 0},
  };
  for (const RoomCase& c : cases) {
    for (const std::size_t perBlock : {std::size_t{1}, std::size_t{7}, std::size_t{4096}}) {
      SCOPED_TRACE(std::string(c.name) + ", lines per block " + std::to_string(perBlock));
      const Written expected = Write(lines, c.room, 0);
      const Written got = Write(lines, c.room, perBlock);
      EXPECT_TRUE(got.bytes == expected.bytes);
      EXPECT_EQ(got.writes, expected.writes);
      EXPECT_EQ(got.failedLines, expected.failedLines);
      EXPECT_EQ(got.failure, expected.failure);
    }
  }
}

}  // namespace
}  // namespace Lodema
