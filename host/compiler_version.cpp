// Asks the installed compiler for its version: runs it hidden with "/VERSION" and reads its output through a pipe.
#include <windows.h>

#include "host/banner_reduction.h"
#include "host/compiler_path.h"
#include "host/compiler_version.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/scoped_resources.h"
#include "registry/host_lookup.h"

namespace {
// The compiler answers at once; one that has not finished by then is ended and what it printed is kept.
constexpr DWORD kQueryBoundMs = 5000;
constexpr DWORD kPollMs = 20;
// How long an ended compiler gets to be gone before its output is taken as it is.
constexpr DWORD kEndWaitMs = 1000;
constexpr UINT kEndedByQuery = 1;  // the exit code of a compiler that the query ended
constexpr int kBufferSize = 1024;
constexpr DWORD kReadSize = 500;
// Inheritance on, limited by a list of one attribute to the handles it names.
constexpr BOOL kInheritListedHandles = TRUE;
constexpr DWORD kOneAttribute = 1;

// One read of up to 500 bytes; a read that delivers bytes replaces the banner line. False once the pipe is done.
bool ReadBlock(HANDLE pipe, char* buffer, Text& bannerLine) {
  DWORD count = 0;
  if (!ReadFile(pipe, buffer, kReadSize, &count, nullptr) || count == 0) return false;
  bannerLine = BannerLineFromBlock(buffer, static_cast<int>(count));
  return true;
}

// Reads what the pipe holds at this moment and no more, so a writer that keeps printing cannot hold the reader.
void ReadWhatIsThere(HANDLE pipe, char* buffer, Text& bannerLine) {
  DWORD left = 0;
  if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &left, nullptr)) return;
  while (left > 0) {
    DWORD count = 0;
    if (!ReadFile(pipe, buffer, left < kReadSize ? left : kReadSize, &count, nullptr) || count == 0) return;
    bannerLine = BannerLineFromBlock(buffer, static_cast<int>(count));
    left = count < left ? left - count : 0;
  }
}

// Ended compilers get a moment to be gone, so that everything they wrote is in the pipe.
void EndCompiler(HANDLE process) {
  TerminateProcess(process, kEndedByQuery);
  WaitForSingleObject(process, kEndWaitMs);
}

// Reads the compiler's output until the compiler has gone and the pipe is empty, or every writer has closed it,
// or the bound has passed, whether output keeps coming or not. Reads happen only when the pipe holds bytes, so a
// compiler that never ends, or a child of it that keeps the write end, cannot hold the installer beyond the bound.
Text ReadUntilDone(HANDLE pipe, HANDLE process, char* buffer) {
  Text bannerLine;
  const DWORD started = GetTickCount();
  for (;;) {
    // Asked before the pipe: when the compiler was gone already, all it wrote is in the pipe.
    const bool gone = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
      // With every writer gone a read no longer waits: it hands out what is left, then fails.
      if (GetLastError() == ERROR_BROKEN_PIPE) {
        while (ReadBlock(pipe, buffer, bannerLine)) {
        }
      } else {
        EndCompiler(process);
      }
      return bannerLine;
    }
    if (available == 0 && gone) return bannerLine;
    const DWORD waited = GetTickCount() - started;
    if (waited >= kQueryBoundMs) {
      EndCompiler(process);
      ReadWhatIsThere(pipe, buffer, bannerLine);
      return bannerLine;
    }
    if (available > 0) {
      ReadBlock(pipe, buffer, bannerLine);
    } else {
      const DWORD left = kQueryBoundMs - waited;
      WaitForSingleObject(process, left < kPollMs ? left : kPollMs);
    }
  }
}

// Starts the compiler hidden, its output on the pipe's write end. It inherits that handle and no other: any other
// inheritable handle of the installer, the single-instance marker among them, would otherwise live on in whatever
// process the compiler leaves behind.
bool StartCompiler(Text commandLine, HANDLE writeEnd, SECURITY_ATTRIBUTES& inheritable, PROCESS_INFORMATION& child) {
  SIZE_T listSize = 0;
  InitializeProcThreadAttributeList(nullptr, kOneAttribute, 0, &listSize);
  const ScopedHeapBlock listMemory(HeapAlloc(GetProcessHeap(), 0, listSize));
  const auto list = static_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(listMemory.get());
  if (!list || !InitializeProcThreadAttributeList(list, kOneAttribute, 0, &listSize)) return false;
  const ScopedAttributeList attributes(list);
  if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &writeEnd, sizeof writeEnd, nullptr,
                                 nullptr))
    return false;

  STARTUPINFOEXA startup{};
  startup.StartupInfo.cb = sizeof startup;
  startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.StartupInfo.wShowWindow = SW_HIDE;
  startup.StartupInfo.hStdOutput = writeEnd;
  startup.lpAttributeList = list;
  return CreateProcessA(nullptr, commandLine.buffer(commandLine.length()), &inheritable, &inheritable,
                        kInheritListedHandles, NORMAL_PRIORITY_CLASS | EXTENDED_STARTUPINFO_PRESENT, nullptr,
                        nullptr, &startup.StartupInfo, &child) != FALSE;
}
}  // namespace

Text ReadCompilerBanner(TextView compilerPath) {
  const ScopedProgramMemory buffer(MemoryAllocate(kBufferSize));
  if (!buffer) return Text();

  SECURITY_ATTRIBUTES inheritable{};
  inheritable.nLength = sizeof inheritable;
  inheritable.bInheritHandle = TRUE;
  ScopedHandle reader;
  ScopedHandle writer;
  if (!CreatePipe(reader.Receive(), writer.Receive(), &inheritable, 0)) return Text();
  // Only the write end belongs in the compiler: a read end held there would keep the pipe open for its writers.
  SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

  PROCESS_INFORMATION child{};
  if (!StartCompiler("\"" + compilerPath + "\" /VERSION", writer.get(), inheritable, child)) return Text();
  const ScopedHandle process(child.hProcess);
  const ScopedHandle thread(child.hThread);
  // Without the installer's copy the pipe breaks as soon as the compiler's side is closed.
  writer.Reset();
  return ReadUntilDone(reader.get(), process.get(), static_cast<char*>(buffer.get()));
}

Text GetCompilerVersion() {
  const Text compilerPath = CompilerPathIn(LocatePureBasic());
  if (compilerPath.empty() || FileQuerySize(compilerPath) <= 0) return Text();
  return VersionFromBannerLine(ReadCompilerBanner(compilerPath));
}
