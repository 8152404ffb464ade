#pragma once
// The state a test sets up before it runs: stand-in PureBasic folders and their association, the installation
// record, files byte for byte, raw registry values, and the root-only tricks Wine allows (an unwritable file,
// a small disk that fills up).
#include <windows.h>

#include <string>

namespace fx {

// The installer under test, as a Windows path (ctest hands its Unix path over in VELKOR_INSTALLER).
std::string InstallerPath();

// A fresh folder directly below the prefix's drive C: (visible in the folder browser); ends with a backslash.
std::string FreshFolder(const std::string& label);
void RemoveTree(const std::string& folder);

bool WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// Creates the folder and every missing one on its way.
bool MakeFolders(const std::string& path);
bool Exists(const std::string& path);

// What a stand-in PureBasic folder holds; the compiler is the stand-in compiler.
struct Host {
  const char* program = "MZ stand-in";  // PureBasic.exe's bytes; null: no such file
  bool libraryFolders = true;          // PureLibraries\UserLibraries
  bool compiler = true;                // Compilers\pbcompiler.exe
};
bool MakeHost(const std::string& root, const Host& host = Host());
// How root's PureBasic.exe is registered to open files: as PureBasic's setup writes it (its Applications key, the
// path quoted), bare, or in a way that only one of the installer's four lookups reads: the Applications key with an
// expandable string, or with a command line longer than 521 characters; a class key of its own; the .pb files.
enum class Registration { quoted, unquoted, expandable, tooLong, ownClass, pbFiles };
bool Associate(const std::string& root, Registration how = Registration::quoted);
// Removes every registration, the installation record and the test's own keys.
void CleanRegistry();

// The host's stand-in compiler's call log, one line per run (see stand_in_compiler.cpp).
std::string Calls(const std::string& root);
// The run noted on that line of the log (waited for), opened; null once it has gone.
HANDLE OpenCall(const std::string& root, int line);
// Whether that run has gone, waited for under the patience ceiling.
bool CallEnded(const std::string& root, int line);

// HKEY_CURRENT_USER\Software\Dorvanix\Velk400: the record's values; empty when missing.
std::string RecordValue(const char* name);
bool WriteRecord(const std::string& version, const std::string& date);

// Stores a value of any type, creating the key.
bool PutValue(HKEY root, const std::string& key, const char* name, DWORD type, const std::string& data);

// PureBasic's compiler-restart broadcasts ("PB_MSG_ID", 10174, 0) that reached this program since the last
// ResetRestarts, which must come first: it makes the top-level window that listens.
void ResetRestarts();
int Restarts();

// A file that even root cannot open for writing (chattr +i), or writable again; true once in effect.
bool SetImmutable(const std::string& path, bool immutable);
// A tmpfs of this many bytes mounted on an empty folder, or unmounted; true once in effect.
bool MountSmallDisk(const std::string& folder, unsigned bytes);
bool UnmountSmallDisk(const std::string& folder);

}  // namespace fx
