#include "tests/e2e/stand_in_host.h"

#include <cstdio>

#include "tests/support/ui_driver.h"

namespace e2e {

namespace {

constexpr char kRecordKey[] = "Software\\Dorvanix\\Velk400";
constexpr char kAssociationKey[] = "Applications\\PureBasic.exe\\shell\\open\\command";
constexpr DWORD kEffectTimeoutMs = 10000;

bool MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// A file that opens for writing: the test for an unwritable file that root cannot bypass.
bool OpensForWriting(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

ULONGLONG DiskBytes(const std::string& folder) {
  ULARGE_INTEGER available{}, total{}, free{};
  if (!GetDiskFreeSpaceExA(folder.c_str(), &available, &total, &free)) return 0;
  return total.QuadPart;
}

}  // namespace

// Below the prefix's drive C: and visible there: the folder browser cannot select a folder below a hidden one
// (such as the temporary folder).
std::string FreshFolder(const std::string& label) {
  static unsigned counter = 0;
  char name[MAX_PATH];
  std::snprintf(name, sizeof(name), "C:\\velkor-e2e-%s-%lu-%lu-%u\\", label.c_str(), GetCurrentProcessId(),
                GetTickCount(), ++counter);
  RemoveTree(name);
  return CreateDirectoryA(name, nullptr) ? std::string(name) : std::string();
}

// Wine's own export names the Unix file behind a Windows path.
std::string UnixPathOf(const std::string& windowsPath) {
  using UnixFileName = char*(__cdecl*)(const wchar_t*);
  static const auto unixFileName = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixFileName) return std::string();
  wchar_t wide[MAX_PATH + 1] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH)) return std::string();
  char* path = unixFileName(wide);
  if (!path) return std::string();
  std::string result = path;
  HeapFree(GetProcessHeap(), 0, path);
  return result;
}

std::string WindowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void RemoveTree(const std::string& folder) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\') base += '\\';
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((base + "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = base + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(base.c_str());
}

bool MakeStandInHost(const std::string& root, const HostShape& shape) {
  bool ok = MakeFolder(root);
  if (shape.program == HostProgram::Present) ok = ok && WriteFileBytes(root + "PureBasic.exe", "MZ stand-in host");
  if (shape.program == HostProgram::Empty) ok = ok && WriteFileBytes(root + "PureBasic.exe", "");
  if (shape.libraryFolders)
    ok = ok && MakeFolder(root + "PureLibraries") && MakeFolder(root + "PureLibraries\\UserLibraries");
  if (shape.compiler) {
    ok = ok && MakeFolder(root + "Compilers") &&
         CopyFileA((ui::ProgramFolder() + "e2e_stand_in_compiler.exe").c_str(),
                   (root + "Compilers\\pbcompiler.exe").c_str(), FALSE);
  }
  return ok;
}

bool RegisterPureBasic(const std::string& root) {
  const std::string command = "\"" + root + "PureBasic.exe\" \"%1\"";
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, kAssociationKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
    return false;
  const LONG status = RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                     static_cast<DWORD>(command.size() + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

void CleanRegistry() {
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Dorvanix");
  RegDeleteTreeA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\Applications\\PureBasic.exe");
}

std::string RecordValue(const char* name, bool* found) {
  char value[256] = {};
  DWORD size = sizeof(value) - 1;
  const bool ok =
      RegGetValueA(HKEY_CURRENT_USER, kRecordKey, name, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS;
  if (found) *found = ok;
  return ok ? std::string(value) : std::string();
}

bool RecordKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Dorvanix", 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

bool WriteRecord(const std::string& version, const std::string& date) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kRecordKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
    return false;
  const bool ok = RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                                 static_cast<DWORD>(version.size() + 1)) == ERROR_SUCCESS &&
                  RegSetValueExA(key, "Date", 0, REG_SZ, reinterpret_cast<const BYTE*>(date.c_str()),
                                 static_cast<DWORD>(date.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return ok;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                              nullptr) && written == bytes.size());
  return CloseHandle(file) && ok;
}

std::string ReadFileBytes(const std::string& path, bool* found) {
  if (found) *found = false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char chunk[65536];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  if (found) *found = true;
  return bytes;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RunUnix(const std::string& commandLine) {
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return false;
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  return true;
}

bool SetImmutable(const std::string& path, bool immutable) {
  const std::string unixPath = UnixPathOf(path);
  if (unixPath.empty() || !RunUnix(std::string("/usr/bin/chattr ") + (immutable ? "+i " : "-i ") + unixPath))
    return false;
  return ui::WaitUntil([&] { return OpensForWriting(path) != immutable; }, kEffectTimeoutMs);
}

bool MountSmallDisk(const std::string& folder, unsigned bytes) {
  char size[32];
  std::snprintf(size, sizeof(size), "size=%u", bytes);
  if (!RunUnix("/bin/mount -t tmpfs -o " + std::string(size) + " tmpfs " + UnixPathOf(folder))) return false;
  return ui::WaitUntil([&] { return DiskBytes(folder) == bytes; }, kEffectTimeoutMs);
}

bool UnmountSmallDisk(const std::string& folder, unsigned bytes) {
  if (!RunUnix("/bin/umount " + UnixPathOf(folder))) return false;
  return ui::WaitUntil([&] { return DiskBytes(folder) != bytes; }, kEffectTimeoutMs);
}

}  // namespace e2e
