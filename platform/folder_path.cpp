#include "platform/folder_path.h"

namespace {

bool EndsWithBackslash(const Text& path) { return path.length() > 0 && path.at(path.length() - 1) == '\\'; }

}  // namespace

Text FolderBrowserStart(const Text& path) {
  if (path.length() > 3 && EndsWithBackslash(path)) return Text(path.c_str(), path.length() - 1);
  return path;
}

Text FolderWithBackslash(const Text& path) {
  Text result = path;
  if (!result.empty() && !EndsWithBackslash(result)) result += '\\';
  return result;
}
