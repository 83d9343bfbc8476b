#!/usr/bin/env python3
"""Makes the one self-contained page: the template with the program's script, one stylesheet
(the page's own, then the form's, then the pictures as PNG or lossless WebP, the program's own
bitmaps pixel for pixel) and the icon inlined, under a Content-Security-Policy that allows
exactly these and nothing from the network.

  makepage.py TEMPLATE STYLESHEET FORM_STYLESHEET TITLE HEADING SCRIPT ICON.png OUTPUT
              PICTURE.bmp...

TITLE names a file that holds the page's title; HEADING is the text of its heading.

Each picture is shown by the control it is named after (Form1.bmp by Form1)."""

import base64
import hashlib
import html
import struct
import subprocess
import sys
import tempfile
import zlib
from pathlib import Path


def bitmap_to_png(bmp: bytes) -> tuple[bytes, bytes]:
    """An uncompressed BMP of 8 bits with a palette, or of 24 bits, as a PNG of the same pixels,
    with no gamma or colour chunk that a browser would correct by; and its pixels as RGB."""
    if bmp[:2] != b"BM" or struct.unpack_from("<I", bmp, 30)[0] != 0:
        raise ValueError("not an uncompressed bitmap")
    pixels, = struct.unpack_from("<I", bmp, 10)
    header, width, height, _, depth = struct.unpack_from("<IiiHH", bmp, 14)
    if depth not in (8, 24) or width <= 0 or height <= 0:
        raise ValueError(f"a bitmap of {depth} bits is not ours")
    stride = (width * depth // 8 + 3) // 4 * 4
    palette = bmp[14 + header:14 + header + 4 * 256]
    colours = [bytes((palette[i + 2], palette[i + 1], palette[i])) for i in range(0, 1024, 4)]
    rows = []
    for y in range(height - 1, -1, -1):  # stored bottom row first
        row = bmp[pixels + y * stride:pixels + y * stride + width * depth // 8]
        if depth == 24:
            row = bytes(b for i in range(0, len(row), 3) for b in (row[i + 2], row[i + 1], row[i]))
        rows.append(row)
    rgb = b"".join(rows) if depth == 24 else b"".join(colours[i] for row in rows for i in row)

    def chunk(kind: bytes, data: bytes) -> bytes:
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data))

    colour_type = 2 if depth == 24 else 3
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8,
                                                            colour_type, 0, 0, 0))
    if depth == 8:
        png += chunk(b"PLTE", b"".join(colours))
    png += chunk(b"IDAT", zlib.compress(b"".join(b"\0" + row for row in rows), 9))
    return png + chunk(b"IEND", b""), rgb


def smallest_picture(bmp: bytes) -> tuple[str, bytes]:
    """The picture as PNG, or as lossless WebP where that is smaller and decodes to exactly the
    same pixels; every engine shows both."""
    png, rgb = bitmap_to_png(bmp)
    with tempfile.TemporaryDirectory() as work:
        source, webp, decoded = (Path(work, name) for name in ("p.png", "p.webp", "p.pam"))
        source.write_bytes(png)
        subprocess.run(["cwebp", "-quiet", "-lossless", "-exact", "-z", "9", str(source), "-o",
                        str(webp)], check=True)
        subprocess.run(["dwebp", "-quiet", str(webp), "-pam", "-o", str(decoded)], check=True)
        pam = decoded.read_bytes()
        rgba = pam[pam.index(b"ENDHDR\n") + 7:]
        same = bytes(b for i, b in enumerate(rgba) if i % 4 != 3) == rgb
        if same and webp.stat().st_size < len(png):
            return "image/webp", webp.read_bytes()
    return "image/png", png


def data_url(kind: str, data: bytes) -> str:
    return f"data:{kind};base64,{base64.b64encode(data).decode('ascii')}"


def digest(text: str) -> str:
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode()).digest()).decode() + "'"


def main(template, stylesheet, form_stylesheet, title, heading, script, icon, output, *pictures):
    style = Path(stylesheet).read_text() + Path(form_stylesheet).read_text()
    for picture in map(Path, pictures):
        kind, data = smallest_picture(picture.read_bytes())
        style += f'#{picture.stem} {{ background-image: url("{data_url(kind, data)}"); }}\n'
    code = Path(script).read_text().replace("</script", "<\\/script")
    policy = ("default-src 'none'; img-src data:; "
              f"style-src {digest(style)}; script-src {digest(code)} 'wasm-unsafe-eval'")
    page = Path(template).read_text()
    for key, value in (("@TITLE@", html.escape(Path(title).read_text().strip())),
                       ("@HEADING@", html.escape(heading)),
                       ("@POLICY@", policy),
                       ("@ICON@", data_url("image/png", Path(icon).read_bytes())),
                       ("@STYLE@", style), ("@SCRIPT@", code)):
        page = page.replace(key, value, 1)
    Path(output).write_text(page)


if __name__ == "__main__":
    if len(sys.argv) < 10:
        sys.exit(__doc__)
    main(*sys.argv[1:])
