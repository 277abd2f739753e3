#!/usr/bin/env python3
"""Draws the CIE 1931 chromaticity diagram behind the "CIE" tab's plot.

    python3 tools/gen_cie1931.py [CMF_FILE] [OUTPUT_SVG]

Reads the 2 degree colour-matching functions from colord's CMF file
(Debian package colord-data, needed only here) and writes an SVG Tiny
drawing whose whole area is x 0..0.8 by y 0..0.9, with no margin: the
plot maps the widget the same way, so any margin would put markers off.
Inside the spectral locus each chromaticity is filled with its colour, as
an embedded PNG; outside stays white.  The output is committed; rerun
after changing the drawing.
"""
import base64
import math
import struct
import sys
import zlib

CMF = "/usr/share/colord/cmf/CIE1931-2deg-XYZ.cmf"
OUT = "resources/images/cie1931.svg"
W = 453.292812
H = 442.915469
XMAX = 0.8
YMAX = 0.9
# Pixels of the embedded colour fill per drawing unit.
SCALE = 2


def read_cmf(path):
    start = end = None
    rows = []
    in_data = False
    with open(path, encoding="ascii") as f:
        for line in f:
            words = line.split()
            if not words:
                continue
            if words[0] == "SPECTRAL_START_NM":
                start = float(words[1])
            elif words[0] == "SPECTRAL_END_NM":
                end = float(words[1])
            elif words[0] == "BEGIN_DATA":
                in_data = True
            elif words[0] == "END_DATA":
                in_data = False
            elif in_data:
                rows.append([float(w) for w in words])
    if start is None or end is None or len(rows) != 3:
        sys.exit("unexpected CMF file layout")
    n = len(rows[0])
    step = (end - start) / (n - 1)
    return {round(start + i * step): (rows[0][i], rows[1][i], rows[2][i]) for i in range(n)}


def chromaticity(xyz):
    s = sum(xyz)
    return xyz[0] / s, xyz[1] / s


def to_px(x, y):
    return x / XMAX * W, H - y / YMAX * H


def inside(poly, x, y):
    # Even-odd ray cast; the locus closed by the purple line is one loop.
    hit = False
    j = len(poly) - 1
    for i in range(len(poly)):
        xi, yi = poly[i]
        xj, yj = poly[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def srgb(x, y):
    # Y = 1, to linear sRGB, out-of-gamut parts cut, scaled so the largest
    # channel is full, then the sRGB transfer curve.
    X = x / y
    Z = (1.0 - x - y) / y
    r = 3.2406 * X - 1.5372 - 0.4986 * Z
    g = -0.9689 * X + 1.8758 + 0.0415 * Z
    b = 0.0557 * X - 0.2040 + 1.0570 * Z
    c = [max(0.0, v) for v in (r, g, b)]
    m = max(c)
    if m <= 0:
        return 255, 255, 255
    out = []
    for v in c:
        v /= m
        v = 12.92 * v if v <= 0.0031308 else 1.055 * v ** (1 / 2.4) - 0.055
        out.append(max(0, min(255, int(round(v * 255)))))
    return tuple(out)


def png(width, height, pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    raw = bytearray()
    for row in range(height):
        raw.append(1)  # Sub filter: neighbouring colours differ little
        line = pixels[row]
        prev = (0, 0, 0, 0)
        for px in line:
            raw.extend((px[k] - prev[k]) & 0xFF for k in range(4))
            prev = px
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    cmf = read_cmf(sys.argv[1] if len(sys.argv) > 1 else CMF)
    out = sys.argv[2] if len(sys.argv) > 2 else OUT
    locus = {nm: chromaticity(v) for nm, v in cmf.items() if 380 <= nm <= 700}
    x520, y520 = locus[520]
    if abs(x520 - 0.0743) > 0.002 or abs(y520 - 0.8338) > 0.002:
        sys.exit("520 nm at (%.4f, %.4f): not the 1931 2 degree observer" % (x520, y520))
    poly = [locus[nm] for nm in sorted(locus)]

    pw, ph = int(round(W * SCALE)), int(round(H * SCALE))
    pixels = []
    for row in range(ph):
        y = YMAX * (1.0 - (row + 0.5) / ph)
        line = []
        for col in range(pw):
            x = XMAX * (col + 0.5) / pw
            line.append(srgb(x, y) + (255,) if inside(poly, x, y) else (255, 255, 255, 0))
        pixels.append(line)
    fill = base64.b64encode(png(pw, ph, pixels)).decode("ascii")

    parts = []
    parts.append('<?xml version="1.0" encoding="UTF-8"?>\n')
    parts.append('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
                 'version="1.2" baseProfile="tiny" width="%fpt" height="%fpt" viewBox="0 0 %f %f">\n' % (W, H, W, H))
    parts.append('<title>CIE 1931 chromaticity diagram</title>\n')
    parts.append('<rect x="0" y="0" width="%f" height="%f" fill="#ffffff"/>\n' % (W, H))
    parts.append('<image x="0" y="0" width="%f" height="%f" preserveAspectRatio="none" '
                 'xlink:href="data:image/png;base64,%s"/>\n' % (W, H, fill))

    # 0.1 grid.  Its numbers go along the top and right edges, which the
    # locus never reaches, so they stay readable.
    grid = []
    for i in range(1, 8):
        px, _ = to_px(i / 10, 0)
        grid.append("M%.3f 0V%.3f" % (px, H))
    for i in range(1, 9):
        _, py = to_px(0, i / 10)
        grid.append("M0 %.3fH%.3f" % (py, W))
    parts.append('<path d="%s" fill="none" stroke="#9e9e9e" stroke-width="0.5" stroke-opacity="0.7"/>\n' % "".join(grid))
    parts.append('<g font-family="sans-serif" font-size="8" fill="#424242">\n')
    for i in range(1, 8):
        px, _ = to_px(i / 10, 0)
        parts.append('<text x="%.3f" y="9" text-anchor="middle">0.%d</text>\n' % (px, i))
    for i in range(1, 9):
        _, py = to_px(0, i / 10)
        parts.append('<text x="%.3f" y="%.3f" text-anchor="end">0.%d</text>\n' % (W - 3, py - 2, i))
    parts.append('<text x="%.3f" y="20" text-anchor="middle">x</text>\n' % to_px(0.75, 0)[0])
    parts.append('<text x="%.3f" y="%.3f" text-anchor="end">y</text>\n' % (W - 3, to_px(0, 0.85)[1] + 3))
    parts.append('</g>\n')

    # Locus and purple line.
    d = "M" + " L".join("%.3f %.3f" % to_px(*p) for p in poly) + " Z"
    parts.append('<path d="%s" fill="none" stroke="#000000" stroke-width="1" stroke-linejoin="round"/>\n' % d)

    # Wavelength ticks and labels, pointing away from the white point.
    parts.append('<g font-family="sans-serif" font-size="7" fill="#000000">\n')
    wx, wy = to_px(0.3127, 0.3290)
    for nm in (460, 470, 480, 490, 500, 510, 520, 530, 540, 550, 560, 570, 580, 590, 600, 620, 700):
        px, py = to_px(*locus[nm])
        dx, dy = px - wx, py - wy
        n = math.hypot(dx, dy)
        dx, dy = dx / n, dy / n
        tx, ty = px + dx * 5, py + dy * 5
        parts.append('<path d="M%.3f %.3fL%.3f %.3f" stroke="#000000" stroke-width="0.7"/>\n' % (px, py, tx, ty))
        lx, ly = px + dx * 8, py + dy * 8 + 2.5
        anchor = "start" if dx > 0.3 else ("end" if dx < -0.3 else "middle")
        if dx < -0.3 and lx < 20:
            # No room left of the locus: the label goes just inside it.
            lx, anchor = px + 6, "start"
        parts.append('<text x="%.3f" y="%.3f" text-anchor="%s">%d</text>\n' % (lx, ly, anchor, nm))
    parts.append('</g>\n</svg>\n')

    with open(out, "w", encoding="ascii") as f:
        f.write("".join(parts))
    print("%s: 520 nm at (%.4f, %.4f)" % (out, x520, y520))
    return 0


if __name__ == "__main__":
    sys.exit(main())
