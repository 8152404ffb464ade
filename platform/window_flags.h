#pragma once
// Layer bits of WindowOpen (not window styles) and the "keep this value" argument; free of <windows.h> so the
// placement rules can be built and tested natively.
#include <cstdint>

constexpr uint32_t kWindowCentreScreen = 1;
constexpr uint32_t kWindowCentreParent = 2;
constexpr uint32_t kWindowHidden = 0x10000000;
constexpr int kKeepValue = -65535;
