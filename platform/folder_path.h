#pragma once
// The path rules of the folder requester, kept apart from the shell calls.
#include "platform/text.h"

// The folder to preselect: a trailing backslash is dropped unless the path has 3 characters or fewer (a drive
// root such as "C:\" keeps it).
Text FolderBrowserStart(TextView path);
// The chosen folder as the requester returns it: ending with exactly one backslash; empty stays empty.
Text FolderWithBackslash(TextView path);
