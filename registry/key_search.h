#pragma once
// Finds a registry key by name below a start key; path texts are headed by a root name such as "#HKEY_CLASSES_ROOT".
#include <windows.h>
#include "platform/text.h"

Text RegFindSubKey(HKEY root, const Text& startKey, const Text& searchName);
Text RegSearchSubKey(HKEY root, const Text& key, const Text& target);
HKEY RegRootFromName(const Text& pathText);
