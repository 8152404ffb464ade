#pragma once
#include <cstdint>
#include "platform/text.h"

// Shows the full-screen setup background and the setup dialog; returns the dialog result 0 to 6.
int32_t ShowSetupDialog(const Text& title, int32_t setupVersion, const Text& setupDate, const Text& authorName,
                        const Text& webAddress, const Text& descriptionText, int32_t installedVersion,
                        const Text& installedDate, int32_t topColourIndex, int32_t bottomColourIndex,
                        int32_t noUninstall, int32_t offerShortcut, int32_t stayOnTop);
