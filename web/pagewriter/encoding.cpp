#include "encoding.h"

#include <nettle/base64.h>
#include <nettle/sha2.h>
#include <webp/decode.h>
#include <webp/encode.h>

#include <memory>
#include <vector>

namespace encoding {

std::string base64(std::span<const std::uint8_t> bytes)
{
    std::string text(BASE64_ENCODE_RAW_LENGTH(bytes.size()), '\0');
    base64_encode_raw(text.data(), bytes.size(), bytes.data());
    return text;
}

std::string policyDigest(std::string_view text)
{
    sha256_ctx context;
    sha256_init(&context);
    sha256_update(&context, text.size(), reinterpret_cast<const std::uint8_t *>(text.data()));
    std::uint8_t digest[SHA256_DIGEST_SIZE];
    sha256_digest(&context, sizeof digest, digest);
    return "'sha256-" + base64(digest) + "'";
}

std::string losslessWebp(const bitmap::Bitmap &picture)
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(picture.width * picture.height * 3));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t pixel = picture.rgb(x, y);
            rgb.insert(rgb.end(),
                       {std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel)});
        }

    WebPConfig config;
    WebPPicture source;
    if (!WebPConfigInit(&config) || !WebPConfigLosslessPreset(&config, 9) ||
        !WebPPictureInit(&source))
        return {};
    config.exact = 1;
    source.use_argb = 1;
    source.width = picture.width;
    source.height = picture.height;
    WebPMemoryWriter written;
    WebPMemoryWriterInit(&written);
    source.writer = WebPMemoryWrite;
    source.custom_ptr = &written;
    const bool encoded = WebPPictureImportRGB(&source, rgb.data(), picture.width * 3) &&
                         WebPEncode(&config, &source);
    WebPPictureFree(&source);
    std::string webp(reinterpret_cast<const char *>(written.mem), encoded ? written.size : 0);
    WebPMemoryWriterClear(&written);

    // Lossless must mean it: the browser is to show the program's own pixels.
    int width = 0, height = 0;
    const std::unique_ptr<std::uint8_t, void (*)(void *)> decoded(
        WebPDecodeRGB(reinterpret_cast<const std::uint8_t *>(webp.data()), webp.size(), &width,
                      &height),
        WebPFree);
    if (!decoded || width != picture.width || height != picture.height ||
        !std::equal(rgb.begin(), rgb.end(), decoded.get()))
        return {};
    return webp;
}

} // namespace encoding
