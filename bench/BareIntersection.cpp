// The yardstick for lodema-batch's speed: the least a program must do for
// calculation 0 on "dip<TAB>dip direction<TAB>dip<TAB>dip direction" rows
// in whole degrees: parse with std::from_chars, intersect the two planes
// through unit vectors, write plunge and trend with std::to_chars.
// Usage: lodema-bare-intersection IN OUT
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

struct Vector {
  double x, y, z;
};

// The downward normal of a plane (dip, dip direction in degrees), as
// north, east, down.
Vector Pole(double dip, double direction) {
  const double d = dip * kDegree;
  const double a = direction * kDegree;
  return {-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a), std::cos(d)};
}

// One row into out; false when the row is not four numbers.
bool Intersect(const char* begin, const char* end, std::string& out) {
  double values[4];
  for (double& value : values) {
    while (begin < end && (*begin == '\t' || *begin == ' ')) ++begin;
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc()) return false;
    begin = next;
  }
  const Vector p = Pole(values[0], values[1]);
  const Vector q = Pole(values[2], values[3]);
  Vector line{p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
  const double length = std::sqrt(line.x * line.x + line.y * line.y + line.z * line.z);
  if (length < 1e-12) return false;
  if (line.z < 0) line = {-line.x, -line.y, -line.z};
  const long plunge = std::lround(std::asin(line.z / length) / kDegree);
  double trend = std::atan2(line.y, line.x) / kDegree;
  if (trend < 0) trend += 360.0;
  // Two whole numbers of at most four characters each and a TAB.
  char text[32];
  const std::to_chars_result first = std::to_chars(text, text + 12, plunge);
  if (first.ec != std::errc()) return false;
  char* cursor = first.ptr;
  *cursor++ = '\t';
  cursor = std::to_chars(cursor, text + sizeof text, std::lround(trend) % 360).ptr;
  out.append(text, cursor);
  out.append("\r\n");
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::FILE* in = std::fopen(argv[1], "rb");
  std::FILE* out = std::fopen(argv[2], "wb");
  if (in == nullptr || out == nullptr) return 1;
  std::vector<char> buffer(1 << 16);
  std::string pending;
  std::string written;
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), in)) > 0) {
    pending.append(buffer.data(), n);
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
      Intersect(pending.data() + start, pending.data() + end, written);
    }
    pending.erase(0, start);
    if (written.size() > (1 << 16)) {
      std::fwrite(written.data(), 1, written.size(), out);
      written.clear();
    }
  }
  if (!pending.empty()) Intersect(pending.data(), pending.data() + pending.size(), written);
  std::fwrite(written.data(), 1, written.size(), out);
  std::fclose(in);
  return std::fclose(out) == 0 ? 0 : 1;
}
