#pragma once

#include "bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// What the page writer encodes: the pictures as lossless WebP, bytes as base64, and the digests
// by which the page's policy names its own style and scripts.
namespace encoding {

std::string base64(std::span<const std::uint8_t> bytes);
inline std::string base64(std::string_view text)
{
    return base64({reinterpret_cast<const std::uint8_t *>(text.data()), text.size()});
}

// "'sha256-…'", as a Content-Security-Policy names an inline style or script.
std::string policyDigest(std::string_view text);

// The picture as lossless WebP, which decodes to exactly its pixels; empty if it would not.
std::string losslessWebp(const bitmap::Bitmap &picture);

} // namespace encoding
