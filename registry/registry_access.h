#pragma once
// String-keyed registry access: a predefined root and a backslash-separated key path, opened afresh per call.
#include <windows.h>
#include "platform/text.h"

Text RegReadString(HKEY root, const Text& keyPath, const Text& valueName);
int RegSubKeyExists(HKEY root, const Text& keyPath);
int RegCreateSubKey(HKEY root, const Text& keyPath);
int RegWriteString(HKEY root, const Text& keyPath, const Text& valueName, const Text& value);
Text RegEnumSubKey(HKEY root, const Text& keyPath, int index);
