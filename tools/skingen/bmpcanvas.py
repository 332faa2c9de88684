"""A small RGB canvas for drawing skin pieces and writing 24-bit BMP files.

Colours are (r, g, b) tuples. Drawing with an alpha value blends over what
is already on the canvas; shapes that must keep hard edges (anything next to
the transparent colour) are drawn with alpha 1.
"""
import math
import struct


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def from_colorref(value):
    """0x00BBGGRR to (r, g, b)."""
    return (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)


class Canvas:
    def __init__(self, width, height, fill=(0, 0, 0)):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    # ---- pixels ---------------------------------------------------------
    def get(self, x, y):
        return self.pixels[y][x]

    def put(self, x, y, color, alpha=1.0):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            self.pixels[y][x] = color if alpha >= 1 else mix(self.pixels[y][x], color, alpha)

    def fill_rect(self, x0, y0, x1, y1, color):
        """Fills [x0, x1) x [y0, y1)."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[y][x] = color

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        rows = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            self.fill_rect(x0, y, x1, y + 1, mix(top, bottom, (y - y0) / rows))

    def horizontal_gradient(self, x0, y0, x1, y1, left, right):
        cols = max(1, x1 - x0 - 1)
        for x in range(x0, x1):
            self.fill_rect(x, y0, x + 1, y1, mix(left, right, (x - x0) / cols))

    def blit(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                self.put(dx + x, dy + y, other.pixels[y][x])

    def replace(self, old, new):
        for row in self.pixels:
            for x, c in enumerate(row):
                if c == old:
                    row[x] = new

    # ---- shapes ---------------------------------------------------------
    def rounded_rect(self, x0, y0, x1, y1, radius, fill=None, border=None, outside=None, border_width=1):
        """A rounded rectangle over [x0, x1) x [y0, y1) with hard edges.
        fill may be a colour or a function (x, y) -> colour; border is drawn
        border_width pixels wide; pixels outside the rounding get outside
        when it is given."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                px, py = x + 0.5, y + 0.5
                edge = min(px - x0, py - y0, x1 - px, y1 - py)
                inset = edge
                if radius > 0:
                    cx = min(max(px, x0 + radius), x1 - radius)
                    cy = min(max(py, y0 + radius), y1 - radius)
                    d = math.hypot(px - cx, py - cy)
                    if d > 0:
                        inset = min(edge, radius - d)
                if inset <= 0:
                    if outside is not None:
                        self.put(x, y, outside)
                    continue
                if border is not None and inset < border_width:
                    self.put(x, y, border)
                elif fill is not None:
                    self.put(x, y, fill(x, y) if callable(fill) else fill)

    def circle(self, cx, cy, r, color, soft=True):
        """A filled disc centred at (cx, cy) (pixel units, may be fractional)."""
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                cover = max(0.0, min(1.0, r - d + 0.5))
                if not soft:
                    cover = 1.0 if cover >= 0.5 else 0.0
                self.put(x, y, color, cover)

    def line(self, x0, y0, x1, y1, width, color, soft=True):
        """A thick line between two points (pixel-centre coordinates)."""
        lo_x, hi_x = int(min(x0, x1) - width) - 1, int(max(x0, x1) + width) + 2
        lo_y, hi_y = int(min(y0, y1) - width) - 1, int(max(y0, y1) + width) + 2
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1e-9
        for y in range(lo_y, hi_y):
            for x in range(lo_x, hi_x):
                px, py = x + 0.5, y + 0.5
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                cover = max(0.0, min(1.0, width / 2 - d + 0.5))
                if not soft:
                    cover = 1.0 if cover >= 0.5 else 0.0
                self.put(x, y, color, cover)

    def polygon(self, points, color):
        """A filled polygon, pixel centres inside it (no blending)."""
        ys = [p[1] for p in points]
        for y in range(int(min(ys)), int(math.ceil(max(ys))) + 1):
            py = y + 0.5
            xs = []
            for i, (ax, ay) in enumerate(points):
                bx, by = points[(i + 1) % len(points)]
                if (ay <= py < by) or (by <= py < ay):
                    xs.append(ax + (py - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.put(x, y, color)

    # ---- transforms -----------------------------------------------------
    def rotated_cw(self):
        out = Canvas(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                out.pixels[x][self.height - 1 - y] = self.pixels[y][x]
        return out

    # ---- output ---------------------------------------------------------
    def bmp_bytes(self):
        stride = (self.width * 3 + 3) & ~3
        pixel_bytes = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += b"\0" * (stride - len(row))
            pixel_bytes += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(pixel_bytes), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(pixel_bytes), 2835, 2835, 0, 0)
        return header + info + bytes(pixel_bytes)

    def save(self, path):
        with open(path, "wb") as f:
            f.write(self.bmp_bytes())


def strip(frames):
    """Joins equal-height canvases left to right."""
    out = Canvas(sum(f.width for f in frames), frames[0].height)
    x = 0
    for f in frames:
        out.blit(f, x, 0)
        x += f.width
    return out
