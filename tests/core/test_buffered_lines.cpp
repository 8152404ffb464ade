#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "platform/buffered_lines.h"

namespace {
// Hands out the input in chunks of a fixed size, as a file read may.
struct Chunks {
  std::string bytes;
  size_t at = 0;
  int chunk = kFileBufferSize;
};

int ReadChunk(void* context, unsigned char* into, int capacity) {
  Chunks& c = *static_cast<Chunks*>(context);
  const size_t n = std::min({static_cast<size_t>(capacity), static_cast<size_t>(c.chunk), c.bytes.size() - c.at});
  std::memcpy(into, c.bytes.data() + c.at, n);
  c.at += n;
  return static_cast<int>(n);
}

std::vector<std::string> Lines(const std::string& bytes, int chunk, int count) {
  Chunks source{bytes, 0, chunk};
  ByteBuffer buffer{};
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(BufferReadLine(buffer, ReadChunk, &source).c_str());
  return lines;
}
}  // namespace

TEST(BufferedLines, EveryLineEndWhateverTheChunking) {
  const std::string input("a\rb\nc\r\nd", 8);
  const std::string rest("e\r\r\nf\n\rg", 8);
  const std::vector<std::string> expected{"a", "b", "c", "d", "e", "", "f", "", "g", "", ""};
  for (int chunk : {1, 2, 3, 4096})
    EXPECT_EQ(Lines(input + std::string(1, '\0') + rest, chunk, 11), expected) << chunk;
  EXPECT_EQ(Lines("a\r", 1, 3), (std::vector<std::string>{"a", "", ""}));
  EXPECT_EQ(Lines("", 1, 2), (std::vector<std::string>{"", ""}));
}

TEST(BufferedLines, LoneCarriageReturnKeepsTheNextByteAcrossARefill) {
  // The CR is the last byte of one read and the next byte comes with the following read.
  std::string input(kFileBufferSize - 1, 'x');
  input += "\rnext\r\nlast";
  const auto lines = Lines(input, kFileBufferSize, 4);
  EXPECT_EQ(lines[0], std::string(kFileBufferSize - 1, 'x'));
  EXPECT_EQ(lines[1], "next");
  EXPECT_EQ(lines[2], "last");
  EXPECT_EQ(lines[3], "");
  std::string split(kFileBufferSize - 1, 'y');
  split += "\r\nz";  // CR and LF in different reads still make one line end
  EXPECT_EQ(Lines(split, kFileBufferSize, 3), (std::vector<std::string>{std::string(kFileBufferSize - 1, 'y'), "z", ""}));
}

TEST(BufferedLines, ArbitraryBytesSplitLikeASimpleScan) {
  std::mt19937 random(4096);
  for (int round = 0; round < 300; ++round) {
    std::string input;
    for (int i = random() % 9000; i > 0; --i) {
      const int pick = random() % 8;
      input += pick == 0 ? '\r' : pick == 1 ? '\n' : pick == 2 ? '\0' : static_cast<char>(random() % 256);
    }
    // The reference: one scan over the whole input.
    std::vector<std::string> expected;
    std::string line;
    for (size_t i = 0; i < input.size(); ++i) {
      const char c = input[i];
      if (c == '\r' || c == '\n' || c == '\0') {
        if (c == '\r' && i + 1 < input.size() && input[i + 1] == '\n') ++i;
        expected.push_back(line.c_str());
        line.clear();
      } else {
        line += c;
      }
    }
    if (!line.empty()) expected.push_back(line);
    const int chunk = 1 + random() % 5000;
    Chunks source{input, 0, chunk};
    ByteBuffer buffer{};
    for (const std::string& want : expected)
      ASSERT_EQ(std::string(BufferReadLine(buffer, ReadChunk, &source).c_str()), want) << round;
    ASSERT_EQ(source.at, input.size());
    ASSERT_TRUE(BufferReadLine(buffer, ReadChunk, &source).empty());
  }
}
