#include "standin.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
const char* const kCommandKey = "Applications\\PureBasic.exe\\shell\\open\\command";

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
}  // namespace

StandinInstallation::StandinInstallation(Compiler compiler, bool registered) : registered_(registered) {
  static int count = 0;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  root_ = std::string(temp) + "velkor_host_" + std::to_string(GetCurrentProcessId()) + "_" +
          std::to_string(++count) + "\\";
  std::filesystem::create_directories(root_ + "compilers");
  if (compiler == Compiler::Program) CopyFileA((ui::ProgramFolder() + "standin_compiler.exe").c_str(),
                                               compilerPath().c_str(), FALSE);
  if (compiler == Compiler::Directory) CreateDirectoryA(compilerPath().c_str(), nullptr);
  if (compiler == Compiler::EmptyFile) std::ofstream(compilerPath(), std::ios::binary);
  if (registered_) {
    const std::string command = "\"" + root_ + "PureBasic.exe\" \"%1\"";
    HKEY key;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, kCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>(command.size() + 1));
    RegCloseKey(key);
  }
  SetEnvironmentVariableA("VELKOR_STANDIN_LOG", logPath().c_str());
  SetEnvironmentVariableA("VELKOR_STANDIN_PIDFILE", (root_ + "pid.txt").c_str());
}

StandinInstallation::~StandinInstallation() {
  if (registered_) RegDeleteTreeA(HKEY_CLASSES_ROOT, "Applications\\PureBasic.exe");
  for (const char* name : {"VELKOR_STANDIN_LOG", "VELKOR_STANDIN_PIDFILE", "VELKOR_STANDIN_MODE",
                           "VELKOR_STANDIN_TEXT"})
    SetEnvironmentVariableA(name, nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void StandinInstallation::Behave(const std::string& mode, const std::string& text) const {
  SetEnvironmentVariableA("VELKOR_STANDIN_MODE", mode.c_str());
  SetEnvironmentVariableA("VELKOR_STANDIN_TEXT", text.c_str());
  DeleteFileA(logPath().c_str());
  DeleteFileA((root_ + "pid.txt").c_str());
}

std::string StandinInstallation::Log() const { return ReadAll(logPath()); }

DWORD StandinInstallation::LastPid() const { return std::stoul("0" + ReadAll(root_ + "pid.txt")); }
