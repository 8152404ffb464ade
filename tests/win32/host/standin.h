#pragma once
// A stand-in PureBasic installation for the host tests: a fresh folder with compilers\pbcompiler.exe (the stand-in
// compiler), registered the way the host lookup finds it. Everything is removed again at the end.
#include <windows.h>

#include <ostream>
#include <string>

#include "platform/text.h"
#include "tests/support/ui_driver.h"

// Lets failed expectations show texts as texts.
inline void PrintTo(const Text& text, std::ostream* out) { *out << '"' << text.c_str() << '"'; }

class StandinInstallation {
public:
  enum class Compiler { Program, Directory, EmptyFile, Nothing };

  explicit StandinInstallation(Compiler compiler = Compiler::Program, bool registered = true);
  ~StandinInstallation();

  const std::string& root() const { return root_; }  // ends with a backslash
  std::string compilerPath() const { return root_ + "compilers\\pbcompiler.exe"; }
  std::string logPath() const { return root_ + "runs.log"; }
  // Chooses what the stand-in does on its next runs (see standin_compiler.cpp).
  void Behave(const std::string& mode, const std::string& text = "") const;
  // What the stand-in's runs appended to their log, and the process id the last hanging or lingering run wrote.
  std::string Log() const;
  DWORD LastPid() const;

private:
  std::string root_;
  bool registered_;
};
