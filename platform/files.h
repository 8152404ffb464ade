#pragma once
// Numbered files with a 4096-byte write buffer, and the file-system operations the installer uses.
#include <cstdint>
#include "platform/text.h"

intptr_t FileCreate(int number, TextView path);
intptr_t FileOpenRead(int number, TextView path);
Text FileReadLine(int number);
int FileWriteByte(int number, int value);
// Writes out the buffer and closes the file. Returns 1 when every byte reached the system, 0 when any write
// (a buffer flush or this last one) failed, so callers can tell a lost write from a good one. A creating call
// on a number that still holds a file closes that file first; a write lost there is reported by the number's
// next FileClose.
int FileClose(int number);
// Closes every file; 1 when every byte of every file reached the system, else 0.
int FileCloseAll();
// Writes out the buffer and has the system put the file's bytes on the disk; a failure is reported by the
// number's FileClose.
void FileFlush(int number);
// Puts the replacement file in the target's place in one rename, the target there or not: at every moment the
// target's name holds either the old file or the whole new one. Refuses a read-only target, a folder and a file
// another program holds open; 0 then, and both files stay as they were.
int FileReplace(TextView target, TextView replacement);
int64_t FileQuerySize(const Text& path);  // its callers always hold a text: a reference is smaller
int FileDelete(TextView path);
int FileSetAttributes(TextView path, uint32_t attributes);
int DirectoryCreate(const Text& path);  // its callers always hold a text: a reference is smaller
