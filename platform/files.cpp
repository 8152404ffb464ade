// Numbered files with a 4096-byte buffer, and the file-system operations of the installer.
#include <windows.h>

#include <utility>

#include "platform/buffered_lines.h"
#include "platform/files.h"
#include "platform/object_table.h"
#include "platform/scoped_resources.h"

namespace {

// Longer paths are refused: cutting them would name another file or directory than the caller meant.
constexpr int kMaxPathLength = MAX_PATH;

struct NumberedFile {
  HANDLE handle;
  bool writing;
  // Some bytes written under this number never reached the system: this file's, or those of the file that
  // the number held before, closed when a creating call reused the number.
  bool writeFailed;
  ByteBuffer buffer;
};

ObjectTable<NumberedFile> gFiles;

int ReadFromHandle(void* context, unsigned char* into, int capacity) {
  DWORD got = 0;
  if (!ReadFile(static_cast<HANDLE>(context), into, static_cast<DWORD>(capacity), &got, nullptr)) return 0;
  return static_cast<int>(got);
}

void Flush(NumberedFile& file) {
  if (file.buffer.end == 0) return;
  DWORD written = 0;
  const DWORD count = static_cast<DWORD>(file.buffer.end);
  if (!WriteFile(file.handle, file.buffer.bytes, count, &written, nullptr) || written != count)
    file.writeFailed = true;
  file.buffer.end = 0;
}

// Flushes and closes the file under this number and frees the number. False when a write or the close failed;
// true when all went well or the number held no file.
bool CloseNumber(int number) {
  NumberedFile* file = gFiles.Find(number);
  if (!file) return true;
  if (file->writing) Flush(*file);
  // The close is checked: it may be where the system reports a write it could not finish.
  const bool closed = CloseHandle(file->handle) != 0;
  const bool good = closed && !file->writeFailed;
  gFiles.Remove(number);
  return good;
}

// Puts an opened handle under the number; the handle, or the fresh identifier for -1. lostBefore carries a
// failed implicit close of the number's earlier file on to the number's next FileClose.
intptr_t Register(int number, ScopedHandle handle, bool writing, bool lostBefore) {
  if (!handle) return 0;
  int assigned = 0;
  NumberedFile* file = gFiles.Add(number, &assigned);
  if (!file) return 0;
  file->handle = handle.Release();
  file->writing = writing;
  file->writeFailed = lostBefore;
  return number == kFreshNumber ? assigned : reinterpret_cast<intptr_t>(file->handle);
}

}  // namespace

intptr_t FileCreate(int number, TextView path) {
  const bool lostBefore = !CloseNumber(number);  // first, so that reopening the same file is not refused as shared
  ScopedHandle handle(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  // A hidden or system file refuses CREATE_ALWAYS but may still be emptied in place.
  if (!handle)
    handle.Reset(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, TRUNCATE_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
  return Register(number, std::move(handle), true, lostBefore);
}

intptr_t FileOpenRead(int number, TextView path) {
  const bool lostBefore = !CloseNumber(number);
  ScopedHandle handle(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return Register(number, std::move(handle), false, lostBefore);
}

Text FileReadLine(int number) {
  NumberedFile* file = gFiles.Find(number);
  if (!file || file->writing) return Text();
  return BufferReadLine(file->buffer, ReadFromHandle, file->handle);
}

int FileWriteByte(int number, int value) {
  NumberedFile* file = gFiles.Find(number);
  if (!file || !file->writing) return 0;
  file->buffer.bytes[file->buffer.end++] = static_cast<unsigned char>(value & 0xFF);
  if (file->buffer.end == kFileBufferSize) Flush(*file);
  return 1;
}

int FileClose(int number) { return gFiles.Find(number) && CloseNumber(number) ? 1 : 0; }

void FileFlush(int number) {
  NumberedFile* file = gFiles.Find(number);
  if (!file || !file->writing) return;
  Flush(*file);
  if (!FlushFileBuffers(file->handle)) file->writeFailed = true;
}

// MoveFileExA and not ReplaceFileA: Wine's ReplaceFileA moves the target aside before it moves the new file in
// (a kill between leaves no target), and moves a folder of the target's name aside too. A rename does not refuse a
// read-only file there, so the attribute is checked first (through the call FileQuerySize imports already).
int FileReplace(TextView target, TextView replacement) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &data) &&
      (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
    return 0;
  return MoveFileExA(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}

int FileCloseAll() {
  bool good = true;
  while (gFiles.Count() > 0) good = CloseNumber(gFiles.NumberAt(0)) && good;
  return good ? 1 : 0;
}

int64_t FileQuerySize(const Text& path) {
  Text name = path;
  if (name.at(name.length() - 1) == '\\') name.resize(name.length() - 1);
  if (name.empty() || name.length() > kMaxPathLength) return -1;
  if (name.length() == 2 && name.at(1) == ':') {
    const char root[] = {name.c_str()[0], ':', '\\', 0};
    return GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR ? -1 : -2;
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(name.c_str(), GetFileExInfoStandard, &data)) return -1;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -2;
  return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

int FileDelete(TextView path) { return !path.empty() && DeleteFileA(path.c_str()) ? 1 : 0; }

int FileSetAttributes(TextView path, uint32_t attributes) {
  return !path.empty() && SetFileAttributesA(path.c_str(), attributes) ? 1 : 0;
}

int DirectoryCreate(const Text& path) {
  int length = path.length();
  while (length > 0) {
    const unsigned char last = path.at(length - 1);
    if (last != ' ' && last != '/' && last != '\\') break;
    --length;
  }
  if (length == 0 || length > kMaxPathLength) return 0;
  const Text name = TextLeft(path, length);
  return CreateDirectoryA(name.c_str(), nullptr) ? 1 : 0;
}
