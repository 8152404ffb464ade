#include "tests/support/fixtures.h"

#include <algorithm>
#include <cstdlib>

#include "platform/scoped_resources.h"
#include "tests/support/driver.h"

namespace fx {

namespace {

constexpr char kRecordKey[] = "Software\\Dorvanix\\Velk400";
constexpr char kApplicationCommand[] = "Applications\\PureBasic.exe\\shell\\open\\command";
constexpr char kPbClass[] = "VelkorTest.pb";
int gFolderCount = 0;
int gRestarts = 0;

LRESULT CALLBACK Listen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == RegisterWindowMessageA("PB_MSG_ID") && wParam == 10174 && lParam == 0) ++gRestarts;
  return DefWindowProcA(window, message, wParam, lParam);
}

// Wine's own export names the Unix file behind a Windows path.
std::string UnixPathOf(const std::string& windowsPath) {
  using UnixFileName = char*(__cdecl*)(const wchar_t*);
  const auto unixFileName = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  wchar_t wide[MAX_PATH + 1] = {};
  if (!unixFileName || !MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH)) return "";
  char* path = unixFileName(wide);
  const std::string result = path ? path : "";
  HeapFree(GetProcessHeap(), 0, path);
  return result;
}

ULONGLONG DiskBytes(const std::string& folder) {
  ULARGE_INTEGER available{}, total{};
  return GetDiskFreeSpaceExA(folder.c_str(), &available, &total, nullptr) ? total.QuadPart : 0;
}

bool PutString(HKEY root, const std::string& key, const char* name, const std::string& value) {
  return PutValue(root, key, name, REG_SZ, value + '\0');
}

}  // namespace

std::string InstallerPath() {
  char path[MAX_PATH + 1] = {};
  std::string windowsPath = "Z:" + std::string(path, GetEnvironmentVariableA("VELKOR_INSTALLER", path, MAX_PATH));
  for (char& c : windowsPath) c = c == '/' ? '\\' : c;
  return windowsPath;
}

std::string FreshFolder(const std::string& label) {
  const std::string folder = "C:\\velkor-" + label + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++gFolderCount) + "\\";
  RemoveTree(folder);
  return CreateDirectoryA(folder.c_str(), nullptr) ? folder : "";
}

void RemoveTree(const std::string& folder) {
  const std::string base = folder.back() == '\\' ? folder : folder + "\\";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
    const std::string name = found.cFileName, path = base + name;
    if (name == "." || name == "..") continue;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
    else DeleteFileA(path.c_str());
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  RemoveDirectoryA(base.c_str());
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  DWORD written = 0;
  return file && (bytes.empty() || WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                             nullptr)) &&
         written == bytes.size();
}

std::string ReadBytes(const std::string& path) {
  ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr));
  std::string bytes;
  char chunk[65536];
  DWORD read = 0;
  while (file && ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  return bytes;
}

bool MakeFolders(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool MakeHost(const std::string& root, const Host& host) {
  bool ok = MakeFolders(root);
  if (host.program) ok = ok && WriteBytes(root + "PureBasic.exe", host.program);
  if (host.libraryFolders) ok = ok && MakeFolders(root + "PureLibraries\\UserLibraries");
  if (host.compiler)
    ok = ok && MakeFolders(root + "Compilers") &&
         CopyFileA((ui::ProgramFolder() + "stand_in_compiler.exe").c_str(), (root + "Compilers\\pbcompiler.exe").c_str(),
                   FALSE);
  return ok;
}

bool Associate(const std::string& root, Registration how) {
  const std::string command = "\"" + root + "PureBasic.exe\" \"%1\"";
  switch (how) {
    case Registration::unquoted:
      return PutString(HKEY_CLASSES_ROOT, kApplicationCommand, "", root + "PureBasic.exe %1");
    case Registration::expandable:
      return PutValue(HKEY_CLASSES_ROOT, kApplicationCommand, "", REG_EXPAND_SZ, command + '\0');
    case Registration::tooLong:
      return PutString(HKEY_CLASSES_ROOT, kApplicationCommand, "", command + std::string(522, ' '));
    case Registration::ownClass:
      return PutString(HKEY_CLASSES_ROOT, "PureBasic.exe\\shell\\open\\command", "", command);
    case Registration::pbFiles:
      return PutString(HKEY_CLASSES_ROOT, ".pb", "", kPbClass) &&
             PutString(HKEY_CLASSES_ROOT, std::string(kPbClass) + "\\Shell\\Open\\Command", "", command);
    default:
      return PutString(HKEY_CLASSES_ROOT, kApplicationCommand, "", command);
  }
}

void CleanRegistry() {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dorvanix");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelkorTest");
  for (const char* key : {"Applications\\PureBasic.exe", "PureBasic.exe", ".pb", kPbClass})
    RegDeleteTreeA(HKEY_CLASSES_ROOT, key);
}

std::string Calls(const std::string& root) { return ReadBytes(root + "Compilers\\called.txt"); }

HANDLE OpenCall(const std::string& root, int line) {
  std::string calls;
  ui::WaitUntil([&] {
    calls = Calls(root);
    return std::count(calls.begin(), calls.end(), '\n') > line;
  });
  size_t at = 0;
  for (int i = 0; i < line; ++i) at = calls.find('\n', at) + 1;
  return OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, std::strtoul(calls.c_str() + at, nullptr, 10));
}

bool CallEnded(const std::string& root, int line) {
  const ScopedHandle run(OpenCall(root, line));
  return !run || WaitForSingleObject(run.get(), ui::kPatienceMs) == WAIT_OBJECT_0;
}

std::string RecordValue(const char* name) {
  char value[256] = {};
  DWORD size = sizeof value - 1;
  RegGetValueA(HKEY_CURRENT_USER, kRecordKey, name, RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

bool WriteRecord(const std::string& version, const std::string& date) {
  return PutString(HKEY_CURRENT_USER, kRecordKey, "Version", version) &&
         PutString(HKEY_CURRENT_USER, kRecordKey, "Date", date);
}

bool PutValue(HKEY root, const std::string& key, const char* name, DWORD type, const std::string& data) {
  ScopedKey opened;
  return RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, opened.Receive(), nullptr) ==
             ERROR_SUCCESS &&
         RegSetValueExA(opened.get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                        static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

void ResetRestarts() {
  WNDCLASSA listener{};
  listener.lpfnWndProc = Listen;
  listener.lpszClassName = "VelkorRestartListener";
  if (RegisterClassA(&listener))
    CreateWindowA(listener.lpszClassName, "", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  Restarts();
  gRestarts = 0;
}

int Restarts() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  return gRestarts;
}

// Wine starts a Unix program given by its absolute path, hands out no handle and does not wait for it: each caller
// watches its effect.
bool SetImmutable(const std::string& path, bool immutable) {
  ui::Start("/usr/bin/chattr", (immutable ? "+i " : "-i ") + UnixPathOf(path));
  return ui::WaitUntil([&] {
    const ScopedHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    return static_cast<bool>(file) != immutable;
  });
}

bool MountSmallDisk(const std::string& folder, unsigned bytes) {
  ui::Start("/bin/mount", "-t tmpfs -o size=" + std::to_string(bytes) + " tmpfs " + UnixPathOf(folder));
  return ui::WaitUntil([&] { return DiskBytes(folder) == bytes; });
}

bool UnmountSmallDisk(const std::string& folder) {
  const ULONGLONG mounted = DiskBytes(folder);
  ui::Start("/bin/umount", "-l " + UnixPathOf(folder));
  return ui::WaitUntil([&] { return DiskBytes(folder) != mounted; });
}

}  // namespace fx
