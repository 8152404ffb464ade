#include "host/compiler_path.h"

#include "registry/lookup_rules.h"

Text CompilerPathIn(TextView pureBasicDirectory) {
  if (!IsAbsoluteDirectory(pureBasicDirectory)) return Text();
  return pureBasicDirectory + "compilers\\pbcompiler.exe";
}
