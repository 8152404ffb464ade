#pragma once

// Restricts the DLL search of this process to the system folder. Called first thing at start-up: an installer
// usually runs from a download folder, where a planted DLL must never be loaded in place of a system one.
void RestrictDllSearch();
