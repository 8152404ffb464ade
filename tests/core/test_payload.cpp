#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "payload/payload_blocks.h"

namespace {

struct Entry {
  PayloadId id;
  const char* file;
};

constexpr Entry kEntries[] = {
    {PayloadId::Library, "Velkor_400"},       {PayloadId::Help, "Velkor400.chm"},
    {PayloadId::Picture1, "00001.bmp"},       {PayloadId::Picture2, "00002.bmp"},
    {PayloadId::Picture3, "00003.bmp"},       {PayloadId::Picture4, "00004.bmp"},
    {PayloadId::Picture5, "00005.bmp"},       {PayloadId::Picture6, "00006.bmp"},
    {PayloadId::Example, "Velkor_400_test.pb"}, {PayloadId::SetupPicture, "setup.bmp"},
};

constexpr PayloadId kPictures[] = {PayloadId::Picture1, PayloadId::Picture2, PayloadId::Picture3,
                                   PayloadId::Picture4, PayloadId::Picture5, PayloadId::Picture6};

std::string Bytes(PayloadId id) {
  PayloadBlock block = PayloadGet(id);
  return block.bytes ? std::string(reinterpret_cast<const char*>(block.bytes), block.size) : std::string();
}

uint32_t U32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(s.at(at + i));
  return v;
}

uint16_t U16(const std::string& s, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(s.at(at)) | static_cast<unsigned char>(s.at(at + 1)) << 8);
}

struct BitmapForm {
  uint32_t fileSize, offset, width, height, bits;
};

void ExpectBitmap(const std::string& bmp, const BitmapForm& form) {
  ASSERT_EQ(bmp.size(), form.fileSize);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(U32(bmp, 2), form.fileSize);
  EXPECT_EQ(U32(bmp, 10), form.offset);
  EXPECT_EQ(U32(bmp, 14), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(U32(bmp, 18), form.width);
  EXPECT_EQ(U32(bmp, 22), form.height);  // positive: bottom-up
  EXPECT_EQ(U16(bmp, 26), 1);
  EXPECT_EQ(U16(bmp, 28), form.bits);
  EXPECT_EQ(U32(bmp, 30), 0u);  // BI_RGB
  const uint32_t rowBytes = (form.width * form.bits / 8 + 3) / 4 * 4;
  EXPECT_EQ(form.offset + rowBytes * form.height, form.fileSize);
}

}  // namespace

TEST(Payload, EveryBlockIsItsFileByteForByte) {
  for (const Entry& entry : kEntries) {
    SCOPED_TRACE(entry.file);
    std::ifstream in(std::string(VELKOR_PAYLOAD_DIR) + "/" + entry.file, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open";
    const std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(PayloadGet(entry.id).size, static_cast<int32_t>(file.size()));
    EXPECT_TRUE(Bytes(entry.id) == file);  // no dump of kilobytes on failure
  }
}

TEST(Payload, LibraryAndHelpSignatures) {
  const std::string library = Bytes(PayloadId::Library);
  EXPECT_EQ(library.size(), 10303u);
  EXPECT_EQ(library.substr(0, 4), "ERUP");
  const std::string help = Bytes(PayloadId::Help);
  ASSERT_GE(help.size(), 0x60u);
  EXPECT_EQ(help.substr(0, 4), "ITSF");
  EXPECT_EQ(U32(help, 4), 3u);
  EXPECT_EQ(U32(help, 8), 0x60u);  // header length of format version 3
}

TEST(Payload, SixDifferentDemonstrationPictures) {
  std::vector<std::string> seen;
  for (PayloadId id : kPictures) {
    const std::string bmp = Bytes(id);
    ExpectBitmap(bmp, {9654, 54, 160, 20, 24});
    for (const std::string& other : seen) EXPECT_NE(bmp, other);
    seen.push_back(bmp);
  }
}

TEST(Payload, ExampleHasCrLfLinesAndReleaseHeading) {
  const std::string example = Bytes(PayloadId::Example);
  ASSERT_EQ(example.size(), 17648u);
  for (size_t i = 0; i < example.size(); ++i) {
    if (example[i] == '\r') {
      ASSERT_TRUE(i + 1 < example.size() && example[i + 1] == '\n') << "lone CR at " << i;
    } else if (example[i] == '\n') {
      ASSERT_TRUE(i > 0 && example[i - 1] == '\r') << "lone LF at " << i;
    }
  }
  EXPECT_EQ(example.substr(example.size() - 2), "\r\n");
  // The opening comment lines, up to the first line that is not a comment.
  size_t end = 0;
  while (end < example.size() && example[end] == ';') end = example.find("\r\n", end) + 2;
  const std::string heading = example.substr(0, end);
  EXPECT_NE(heading.find("13.09.2007"), std::string::npos);
  EXPECT_NE(heading.find("1.07"), std::string::npos);
  EXPECT_NE(example.find("bilder\\"), std::string::npos);
}

TEST(Payload, SetupPictureIsAPaletteBitmap) {
  const std::string bmp = Bytes(PayloadId::SetupPicture);
  ExpectBitmap(bmp, {34678, 14 + 40 + 1024, 110, 300, 8});
}
