// Every text parser on the same arbitrary bytes: none crashes (the sanitizers watch every access), and each keeps
// its promise. The compiler banner's version holds no carriage return, no lower-case letter and no blank at either
// end. A directory a lookup rule cuts out ends with a separator, and the second rule's holds no double quote. A
// valid date formats and parses back to itself. A number's own text reads back as that number. A folder the
// command line accepts is absolute and ends with the backslash the run appends targets to. The line reader, fed
// in chunks of a size the first byte chooses, never loops and returns no line-end byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/banner_reduction.h"
#include "installer/command_line.h"
#include "platform/buffered_lines.h"
#include "platform/dates.h"
#include "registry/lookup_rules.h"

namespace {

void Require(bool promise) {
  if (!promise) std::abort();
}

bool Holds(const Text& text, const char* bytes) { return TextFind(text, Text(bytes, 1)) > 0; }

void CheckDirectory(bool counts, const Text& directory) {
  const unsigned char last = directory.empty() ? '\\' : directory.at(directory.length() - 1);
  Require(!counts || last == '\\' || last == '/');
}

struct Source {
  const uint8_t* data;
  size_t size;
  size_t chunk;
};

int Read(void* context, unsigned char* into, int capacity) {
  Source* source = static_cast<Source*>(context);
  const size_t count = std::min({source->size, source->chunk, static_cast<size_t>(capacity)});
  std::memcpy(into, source->data, count);
  source->data += count;
  source->size -= count;
  return static_cast<int>(count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text input(reinterpret_cast<const char*>(data), static_cast<int>(size));
  const Text version = VersionFromBannerLine(BannerLineFromBlock(input.c_str(), input.length()));
  for (int i = 0; i < version.length(); ++i)
    Require(version.at(i) != '\r' && !(version.at(i) >= 'a' && version.at(i) <= 'z'));
  Require(version.empty() || (version.at(0) != ' ' && version.at(version.length() - 1) != ' '));

  Text directory;
  CheckDirectory(CutDirectCommandLine(input, directory), directory);
  CheckDirectory(CutSearchedCommandLine(input, directory = Text()), directory);
  CheckDirectory(CutAssociatedCommandLine(input, directory = Text()), directory);
  CutLibraryCommandLine(input, directory = Text());
  Require(!Holds(directory, "\"") && ProgramFromCommandLine(input).length() <= input.length());

  const Text mask("%dd.%mm.%yyyy");
  const int32_t date = DateParse(mask, input);
  Require(date <= 0 || DateParse(mask, DateFormat(mask, date)) == date - date % 86400);
  // The first bytes up to a blank serve as a mask of their own.
  if (const int cut = TextFind(input, " "); cut > 0)
    DateParse(TextLeft(input, cut - 1), TextMid(input, cut + 1, 1 << 20));

  const int32_t number = TextToNumber(input);
  Require(TextToNumber(NumberToText(number)) == number);

  const CommandLine line = ParseCommandLine(input);
  const Text& folder = line.folder;
  Require(line.usageError || folder.empty() ||
          (folder.length() >= 3 && folder.at(folder.length() - 1) == '\\' &&
           (folder.at(1) == ':' || (folder.at(0) == '\\' && folder.at(1) == '\\'))));

  if (size == 0) return 0;
  Source source{data + 1, size - 1, static_cast<size_t>(data[0]) * 37 + 1};
  ByteBuffer buffer{};
  // Each line consumes at least one byte, so size + 1 reads reach the end.
  for (size_t reads = 0; reads <= size; ++reads) {
    const Text read = BufferReadLine(buffer, Read, &source);
    Require(!Holds(read, "\r") && !Holds(read, "\n"));
  }
  Require(source.size == 0 && buffer.position >= buffer.end);
  return 0;
}
