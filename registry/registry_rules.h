#pragma once
// The rules of the registry helpers that need no registry: accepted roots and their names,
// key paths as handed to the registry, string data as read, and the fixed last-error texts.
#include <cstdint>

#include "platform/text.h"

inline constexpr char kErrorRootInvalid[] = "ERROR, #HKEY is empty";
inline constexpr char kErrorKeyPathEmpty[] = "ERROR, subkeyname is empty";
inline constexpr char kErrorKeyMissing[] = "ERROR, sub key dont exist";
inline constexpr char kErrorKeyNotFound[] = "ERROR, sub key not found";
inline constexpr char kErrorNotSpecified[] = "ERROR, not specified message";
inline constexpr char kErrorFalseType[] = "ERROR, false type";
inline constexpr char kErrorReadingKey[] = "ERROR, reading key";
inline constexpr char kErrorCannotWrite[] = "ERROR, can´t write value";
inline constexpr char kErrorIndexEmpty[] = "ERROR, index is empty";
inline constexpr char kErrorCannotCreate[] = "ERROR, can´t create key";
inline constexpr char kErrorNoSearchName[] = "ERROR, no given search name";
inline constexpr char kErrorSubkeyNotFound[] = "ERROR, can´t find searching subkey";
inline constexpr char kErrorFalseRootName[] = "ERROR, false #HKEY name";

// One of the seven predefined roots (HKEY_CLASSES_ROOT 0x80000000 to HKEY_DYN_DATA 0x80000006).
bool IsAcceptedRoot(uint32_t root);
// "#HKEY_..." for an accepted root; the empty text for any other value.
Text RootName(uint32_t root);
// The root named at the head of a path text (the part before its first backslash), in any letter case; 0 if none.
uint32_t RootFromName(TextView pathText);
// The key path as the registry gets it: one leading backslash dropped, so "\" names the root itself.
Text KeyPathForOpen(TextView keyPath);
// String data as read: every byte of the data in order, zero bytes skipped.
Text TextFromRegistryData(const char* data, int count);
// The text with a backslash at its end, added when it has none.
Text WithTrailingBackslash(TextView text);
