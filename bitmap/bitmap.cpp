#include "bitmap.h"

#include <algorithm>

namespace bitmap {

namespace {

constexpr std::size_t fileHeader = 14, infoHeader = 40, paletteBytes = 256 * 4;

std::uint32_t le16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8;
}

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
           std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

void put32(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

} // namespace

std::optional<Bitmap> read(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < fileHeader + infoHeader || bytes[0] != 'B' || bytes[1] != 'M' ||
        le32(bytes, 14) != infoHeader || le16(bytes, 26) != 1 || le32(bytes, 30) != 0)
        return {};
    const auto width = std::int32_t(le32(bytes, 18));
    const auto height = std::int32_t(le32(bytes, 22));
    const int depth = int(le16(bytes, 28));
    const std::uint64_t offset = le32(bytes, 10);
    if (width <= 0 || height == 0 || height == INT32_MIN || (depth != 8 && depth != 24))
        return {};
    const std::uint64_t rows = std::uint64_t(height < 0 ? -std::int64_t(height) : height);
    const std::uint64_t stride = (std::uint64_t(width) * std::uint64_t(depth) / 8 + 3) / 4 * 4;
    if (offset + stride * rows > bytes.size() ||
        (depth == 8 && (offset < fileHeader + infoHeader + paletteBytes)))
        return {};
    Bitmap bitmap{width,
                  int(rows),
                  depth,
                  height < 0,
                  std::size_t(stride),
                  bytes.subspan(std::size_t(offset), std::size_t(stride * rows)),
                  {}};
    if (depth == 8)
        bitmap.palette = bytes.subspan(fileHeader + infoHeader, paletteBytes);
    return bitmap;
}

std::span<const std::uint8_t> Bitmap::row(int y) const
{
    const auto stored = std::size_t(topDown ? y : height - 1 - y);
    return rows.subspan(stored * stride, std::size_t(width * depth / 8));
}

std::uint32_t Bitmap::rgb(int x, int y) const
{
    const std::span<const std::uint8_t> line = row(y);
    const std::uint8_t *bgr =
        depth == 24 ? &line[std::size_t(x) * 3] : &palette[std::size_t(line[std::size_t(x)]) * 4];
    return std::uint32_t(bgr[2]) << 16 | std::uint32_t(bgr[1]) << 8 | bgr[0];
}

std::vector<std::uint8_t> topDownCopy(const Bitmap &bitmap, std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    put32(copy, 22, std::uint32_t(-bitmap.height));
    const std::size_t offset = std::size_t(bitmap.rows.data() - bytes.data());
    for (int y = 0; y < bitmap.height; ++y) {
        const std::span<const std::uint8_t> from = bitmap.row(y);
        std::copy(from.begin(), from.end(),
                  copy.begin() + std::ptrdiff_t(offset + std::size_t(y) * bitmap.stride));
    }
    return copy;
}

} // namespace bitmap
