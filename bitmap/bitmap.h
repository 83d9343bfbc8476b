#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The program's pictures as they are stored: uncompressed Windows bitmaps, 8 bits per pixel with
// a palette of 256 colours, or 24 bits, bottom row first as every Windows reads them, or top row
// first (a negative height) for the Qt program. A view of the bytes, which stay where they are.
namespace bitmap {

struct Bitmap {
    int width, height;
    int depth; // 8 or 24
    bool topDown;
    std::size_t stride;                    // bytes per stored row, padded to 4
    std::span<const std::uint8_t> rows;    // as stored
    std::span<const std::uint8_t> palette; // 8 bits: 256 entries of blue, green, red and 0

    // Row y, counted from the top: palette indices, or blue, green and red.
    std::span<const std::uint8_t> row(int y) const;
    // A pixel as 0xRRGGBB.
    std::uint32_t rgb(int x, int y) const;
};

// The bitmap those bytes hold, or nothing when they hold none of ours.
std::optional<Bitmap> read(std::span<const std::uint8_t> bytes);

// The same file with its rows stored top row first.
std::vector<std::uint8_t> topDownCopy(const Bitmap &bitmap, std::span<const std::uint8_t> bytes);

} // namespace bitmap
