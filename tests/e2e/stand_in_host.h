#pragma once
// Stand-in PureBasic installations for driving the installer: fresh folders, the host's files, its association
// in the registry, and the root-only file-system tricks (an unwritable file, a small full disk).
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

enum class HostProgram { Present, Empty, Missing };

struct HostShape {
  HostProgram program = HostProgram::Present;
  bool libraryFolders = true;  // PureLibraries\UserLibraries
  bool compiler = true;        // compilers\pbcompiler.exe, the stand-in compiler
};

// A fresh, empty folder on the prefix's drive C:; its Windows path, ending with a backslash.
std::string FreshFolder(const std::string& label);
// The Unix path of the file or folder behind a Windows path; empty outside Wine.
std::string UnixPathOf(const std::string& windowsPath);
// A Unix path as Wine's drive Z: shows it.
std::string WindowsPathOf(const std::string& unixPath);
// Deletes a folder and everything below it.
void RemoveTree(const std::string& folder);

// Fills root (ending with a backslash) with what an installed PureBasic has, as far as the installer looks.
bool MakeStandInHost(const std::string& root, const HostShape& shape = HostShape());
// Registers root + "PureBasic.exe" as the program that opens files, as PureBasic's setup does.
bool RegisterPureBasic(const std::string& root);
// Removes the installation record and the PureBasic association.
void CleanRegistry();

// HKEY_CURRENT_USER\Software\Dorvanix\Velk400\<name>; found says whether the value exists.
std::string RecordValue(const char* name, bool* found = nullptr);
bool RecordKeyExists();
bool WriteRecord(const std::string& version, const std::string& date);

bool WriteFileBytes(const std::string& path, const std::string& bytes);
// The whole file; found says whether it could be read.
std::string ReadFileBytes(const std::string& path, bool* found = nullptr);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Runs a Unix program (given by its absolute path) as root through Wine; Wine does not wait for it, so
// callers watch for its effect.
bool RunUnix(const std::string& commandLine);
// Makes a file unwritable even for root (chattr +i), or writable again; true once the change is seen.
bool SetImmutable(const std::string& path, bool immutable);
// Mounts a tmpfs of this many bytes on an empty folder (Windows path), or unmounts it; true once seen.
bool MountSmallDisk(const std::string& folder, unsigned bytes);
bool UnmountSmallDisk(const std::string& folder, unsigned bytes);

}  // namespace e2e
