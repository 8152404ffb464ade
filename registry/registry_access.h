#pragma once
// String-keyed registry access: a predefined root and a backslash-separated key path, opened afresh per call.
#include <windows.h>
#include "platform/text.h"

Text RegReadString(HKEY root, TextView keyPath, TextView valueName);
int RegSubKeyExists(HKEY root, TextView keyPath);
int RegCreateSubKey(HKEY root, TextView keyPath);
int RegWriteString(HKEY root, TextView keyPath, TextView valueName, TextView value);
Text RegEnumSubKey(HKEY root, const Text& keyPath, int index);  // callers hold a text: a reference is smaller
