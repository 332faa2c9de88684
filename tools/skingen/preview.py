#!/usr/bin/env python3
"""Composes a mock skinned window from a skin source folder, roughly the way
the frame and control painters put the pieces together, so that the pieces
can be judged side by side. Writes a BMP (convert it to PNG to view).

    python3 tools/skingen/preview.py skins/default preview.bmp
"""
import struct
import sys

from bmpcanvas import Canvas

MAGENTA = (255, 0, 255)
DESKTOP = (58, 110, 165)


def load_bmp(path):
    data = open(path, "rb").read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    c = Canvas(width, height)
    for y in range(height):
        row = offset + (height - 1 - y) * stride
        for x in range(width):
            b, g, r = data[row + 3 * x: row + 3 * x + 3]
            c.pixels[y][x] = (r, g, b)
    return c


def frame(bitmap, count, index):
    w = bitmap.width // count
    c = Canvas(w, bitmap.height)
    for y in range(bitmap.height):
        c.pixels[y] = bitmap.pixels[y][w * index: w * index + w]
    return c


def stretch(src, dst, x0, y0, w, h, transparent=None):
    for y in range(h):
        sy = min(src.height - 1, y * src.height // h)
        for x in range(w):
            c = src.pixels[sy][min(src.width - 1, x * src.width // w)]
            if c != transparent:
                dst.put(x0 + x, y0 + y, c)


def draw(src, dst, x0, y0, transparent=None):
    stretch(src, dst, x0, y0, src.width, src.height, transparent)


def three_part_h(src, dst, x0, y0, w, cap, transparent=None):
    left = Canvas(cap, src.height)
    right = Canvas(cap, src.height)
    mid = Canvas(src.width - 2 * cap, src.height)
    for y in range(src.height):
        left.pixels[y] = src.pixels[y][:cap]
        right.pixels[y] = src.pixels[y][src.width - cap:]
        mid.pixels[y] = src.pixels[y][cap:src.width - cap]
    draw(left, dst, x0, y0, transparent)
    stretch(mid, dst, x0 + cap, y0, w - 2 * cap, src.height, transparent)
    draw(right, dst, x0 + w - cap, y0, transparent)


def main():
    src, out = sys.argv[1], sys.argv[2]
    p = {n: load_bmp("%s/%s.bmp" % (src, n)) for n in [
        "SKIN2_TITLEBAR1", "SKIN2_TITLEBAR2", "SKIN2_TITLEBAR3", "SKIN2_TITLEBAR4", "SKIN2_TITLEBAR5",
        "SKIN2_FORMLEFTBORDER", "SKIN2_FORMRIGHTBORDER", "SKIN2_FORMBOTTOMBORDER1", "SKIN2_TITLEBUTTONS",
        "SKIN2_BUTTON", "SKIN2_CHECKBOX", "SKIN2_RADIOBUTTON", "SKIN2_SCROLLBARUPBUTTON", "SKIN2_SCROLLBAR",
        "SKIN2_SCROLLBARDOWNBUTTON", "SKIN2_TABCONTROL", "SKIN2_PROGRESSBAR1", "SKIN2_PROGRESSBAR2",
        "SKIN2_PROGRESSBAR3", "SKIN2_PROGRESSBAR4", "SKIN2_TRACKBAR", "SKIN2_TRACKBARSLIDER"]}
    W, H = 420, 300
    win = Canvas(W + 40, H + 40, DESKTOP)
    ox, oy = 20, 20
    form = (232, 232, 232)
    win.fill_rect(ox, oy + 31, ox + W, oy + H, form)
    # Title: five sections, the caption background up to the caption end.
    t = Canvas(W, 31, form)
    draw(p["SKIN2_TITLEBAR1"], t, 0, 0)
    caption_end = 41 + 130 + 2
    stretch(p["SKIN2_TITLEBAR2"], t, 31, 0, caption_end - 31, 31)
    draw(p["SKIN2_TITLEBAR3"], t, caption_end, 0)
    stretch(p["SKIN2_TITLEBAR4"], t, caption_end + 17, 0, W - 14 - caption_end - 17, 31)
    draw(p["SKIN2_TITLEBAR5"], t, W - 14, 0)
    buttons = p["SKIN2_TITLEBUTTONS"]
    x = W - 7 - 18
    for index in (16, 7, 13):         # close hot, maximize, minimize
        draw(frame(buttons, 18, index if index != 16 else 16), t, x, 9)
        x -= 20
    t.fill_rect(21, 9, 37, 25, (250, 210, 90))  # stand-in icon
    for y in range(31):
        for xx in range(W):
            if t.pixels[y][xx] != MAGENTA or y > 5:
                win.put(ox + xx, oy + y, t.pixels[y][xx])
    stretch(p["SKIN2_FORMLEFTBORDER"], win, ox, oy + 31, 5, H - 31 - 5)
    stretch(p["SKIN2_FORMRIGHTBORDER"], win, ox + W - 5, oy + 31, 5, H - 31 - 5)
    stretch(p["SKIN2_FORMBOTTOMBORDER1"], win, ox, oy + H - 5, W, 5)
    # Caption text stand-in.
    win.fill_rect(ox + 41, oy + 12, ox + 41 + 130, oy + 22, (255, 255, 255))
    # Controls.
    cx, cy = ox + 20, oy + 50
    for i, state in enumerate((0, 1, 2)):
        three_part_h(frame(p["SKIN2_BUTTON"], 3, state), win, cx + i * 95, cy, 85, 6, MAGENTA)
    for i in range(6):
        draw(frame(p["SKIN2_CHECKBOX"], 6, i), win, cx + i * 24, cy + 40)
    for i in range(4):
        draw(frame(p["SKIN2_RADIOBUTTON"], 4, i), win, cx + 160 + i * 24, cy + 40, MAGENTA)
    # Tabs and page.
    tabs = p["SKIN2_TABCONTROL"]
    ty = cy + 75
    win.fill_rect(cx, ty + 22, cx + 300, ty + 120, (255, 255, 255))
    for (x0, x1) in ((cx, cx + 300),):
        win.fill_rect(x0, ty + 21, x1, ty + 22, (9, 32, 106))
        win.fill_rect(x0, ty + 21, x0 + 1, ty + 120, (9, 32, 106))
        win.fill_rect(x1 - 1, ty + 21, x1, ty + 120, (9, 32, 106))
        win.fill_rect(x0, ty + 119, x1, ty + 120, (9, 32, 106))
    stretch(frame(tabs, 2, 1), win, cx + 70, ty, 70, 22)
    stretch(frame(tabs, 2, 1), win, cx + 138, ty, 70, 22)
    stretch(frame(tabs, 2, 0), win, cx + 2, ty, 70, 22)
    # Progress bar and track bar on the page.
    px, py = cx + 15, ty + 40
    draw(p["SKIN2_PROGRESSBAR1"], win, px, py)
    stretch(p["SKIN2_PROGRESSBAR3"], win, px + 1, py, 150, 13)
    stretch(p["SKIN2_PROGRESSBAR2"], win, px + 151, py, 100, 13)
    draw(p["SKIN2_PROGRESSBAR4"], win, px + 251, py)
    channel = p["SKIN2_TRACKBAR"]
    channel.replace(MAGENTA, (255, 255, 255))
    stretch(channel, win, px, py + 35, 250, 8)
    draw(p["SKIN2_TRACKBARSLIDER"], win, px + 90, py + 28)
    # Vertical scroll bar at the right of the client area.
    sx, sy, sh = ox + W - 5 - 18 - 10, oy + 45, 230
    win.fill_rect(sx, sy, sx + 18, sy + sh, (249, 249, 249))
    up, down = frame(p["SKIN2_SCROLLBARUPBUTTON"], 3, 0), frame(p["SKIN2_SCROLLBARDOWNBUTTON"], 3, 1)
    up.replace(MAGENTA, (249, 249, 249))
    down.replace(MAGENTA, (249, 249, 249))
    draw(up, win, sx, sy)
    draw(down, win, sx, sy + sh - 18)
    thumb = p["SKIN2_SCROLLBAR"]
    thumb.replace(MAGENTA, (249, 249, 249))
    draw(thumb, win, sx, sy + 40)
    win.save(out)


if __name__ == "__main__":
    main()
