#include "platform/folder_path.h"

namespace {

bool EndsWithBackslash(TextView path) { return path.length() > 0 && path.at(path.length() - 1) == '\\'; }

}  // namespace

Text FolderBrowserStart(TextView path) {
  if (path.length() > 3 && EndsWithBackslash(path)) return Text(path.c_str(), path.length() - 1);
  return Text(path);
}

Text FolderWithBackslash(TextView path) {
  Text result(path);
  if (!result.empty() && !EndsWithBackslash(result)) result += '\\';
  return result;
}
