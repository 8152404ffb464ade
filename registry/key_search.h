#pragma once
// Finds a registry key by name below a start key; path texts are headed by a root name such as "#HKEY_CLASSES_ROOT".
#include <windows.h>
#include "platform/text.h"

Text RegFindSubKey(HKEY root, TextView startKey, TextView searchName);
Text RegSearchSubKey(HKEY root, TextView key, TextView target);
HKEY RegRootFromName(TextView pathText);
