#pragma once
// Turning what the compiler prints for "/VERSION" into the bare version text.
#include "platform/text.h"

// The banner line one block of output yields: the block up to its first zero byte and its first carriage return,
// upper-cased and, where it holds a "V", cut to the text between that "V" and the blank before the next "(".
Text BannerLineFromBlock(const char* bytes, int count);
// The banner line without the product, platform and bracket words, trimmed of spaces: "4.10" and the like.
// By reference: the caller always holds the line as a text, and a view measured larger here.
Text VersionFromBannerLine(const Text& bannerLine);
