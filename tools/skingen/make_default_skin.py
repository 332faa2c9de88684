#!/usr/bin/env python3
"""Generates the built-in skin's source folder (skins/default): the 30 BMP
pieces of a blue theme and skin.txt with its colours, metrics and flags.

    python3 tools/skingen/make_default_skin.py [OUT_DIR]

Standard library only. The output is deterministic; the generated files are
committed so that the build does not need Python.
"""
import os
import sys

from bmpcanvas import Canvas, from_colorref, mix, strip

# ---- colours of skin.txt (0x00BBGGRR) ------------------------------------
COLOURS = [
    ("SKIN2_TRANSCOLOR", 0xFF00FF),
    ("SKIN2_TITLEFONTCOLOR", 0xFFFFFF),
    ("SKIN2_FORMCOLOR", 0xE8E8E8),
    ("SKIN2_MENUBARSTARTCOLOR", 0xE8C894),
    ("SKIN2_MENUBARENDCOLOR", 0xE8C894),
    ("SKIN2_TOPSELECTEDMENUCOLOR", 0x94671F),
    ("SKIN2_TOPSELECTEDMENUBORDERCOLOR", 0x94671F),
    ("SKIN2_TOPSELECTEDMENUFONTCOLOR", 0xFFFFFF),
    ("SKIN2_TOPMENUFONTCOLOR", 0x795316),
    ("SKIN2_LEFTBARSTARTCOLOR", 0xBA9460),
    ("SKIN2_LEFTBARENDCOLOR", 0xBA9460),
    ("SKIN2_MENUITEMCOLOR", 0xFFF7E7),
    ("SKIN2_MENUITEMFONTCOLOR", 0x795316),
    ("SKIN2_SELECTEDMENUCOLOR", 0x94671F),
    ("SKIN2_SELECTEDMENUBORDERCOLOR", 0x94671F),
    ("SKIN2_SELECTEDMENUFONTCOLOR", 0xFFFFFF),
    ("SKIN2_TOOLBARSTARTCOLOR", 0xE8E8E8),
    ("SKIN2_TOOLBARENDCOLOR", 0xE8E8E8),
    ("SKIN2_TOOLBARONCOLOR", 0xFBE0B5),
    ("SKIN2_TOOLBARBORDERCOLOR", 0x6A2009),
    ("SKIN2_TOOLBARDOWNCOLOR", 0x956720),
    ("SKIN2_CONTROLCOLOR", 0xFFFFFF),
    ("SKIN2_CONTROLBORDERCOLOR", 0x6A2009),
    ("SKIN2_CONTROLFONTCOLOR", 0x000000),
    ("SKIN2_BUTTONFONTCOLOR", 0x000000),
    ("SKIN2_SCROLLBARCOLOR", 0xF9F9F9),
    ("SKIN2_TABCONTROLCOLOR", 0xFFFFFF),
    ("SKIN2_TABCONTROLBORDERCOLOR", 0x6A2009),
    ("SKIN2_TABCONTROLACTIVEFONTCOLOR", 0x000000),
    ("SKIN2_TABCONTROLINACTIVEFONTCOLOR", 0x000000),
    ("SKIN2_SIDECHANNELCOLOR", 0xFFFFFF),
    ("SKIN2_SIDECHANNELBORDERCOLOR", 0x6A2009),
]
METRICS = [
    ("SKIN2_TITLEBARICONPOSX", 21),
    ("SKIN2_TITLEBARICONPOSY", 9),
    ("SKIN2_TITLEBARCAPTIONTOP", 9),
    ("SKIN2_TITLEBARBUTTONPOSX", 7),
    ("SKIN2_TITLEBARBUTTONPOSY", 9),
    ("SKIN2_TITLEBARREGIONMINY", 0),
    ("SKIN2_TITLEBARREGIONMAXY", 5),
    ("SKIN2_BOTTOMREGIONMINY", -1),
    ("SKIN2_BOTTOMREGIONMAXY", -1),
]
SYSTEM_COLOURS = [("SKIN2_SYSTEMCOLOR1", 0x00FF00), ("SKIN2_SYSTEMCOLOR2", 0x800000)]
FLAGS = [
    ("SKIN2_TITLEFIVESECT", True),
    ("SKIN2_BOTTOMBORDERTHREESECT", False),
    ("SKIN2_TITLEBARNEEDREGION", True),
    ("SKIN2_BOTTOMBORDERNEEDREGION", False),
    ("SKIN2_TITLEBTNTRANS", False),
    ("SKIN2_BUTTONTRANS", True),
    ("SKIN2_CHECKBOXTRANS", False),
    ("SKIN2_RADIOBUTTONTRANS", True),
    ("SKIN2_TABCONTROLTRANS", False),
]

C = {name: from_colorref(value) for name, value in COLOURS}
MAGENTA = C["SKIN2_TRANSCOLOR"]
FORM = C["SKIN2_FORMCOLOR"]
WHITE = (255, 255, 255)
NAVY = C["SKIN2_CONTROLBORDERCOLOR"]      # outlines
DEEP = C["SKIN2_TOPSELECTEDMENUCOLOR"]    # the theme's main blue
INK = C["SKIN2_TOPMENUFONTCOLOR"]         # dark blue glyphs
MID = C["SKIN2_LEFTBARSTARTCOLOR"]
PALE = C["SKIN2_MENUITEMCOLOR"]
HOT = C["SKIN2_TOOLBARONCOLOR"]
SCROLL = C["SKIN2_SCROLLBARCOLOR"]

# ---- title bar, borders ----------------------------------------------------
TITLE_H = 31
INNER_EDGE = (20, 70, 120)                # the line round the client area
SIDE = [NAVY, (70, 136, 194), (38, 106, 166), (31, 96, 150), INNER_EDGE]   # outer to inner
CORNER_RADIUS = 6
BUTTON_Y = 9


def title_row(y, glow=0.0):
    """Colour of title row y; glow brightens the caption area a little."""
    if y == 0:
        return NAVY
    if y == 1:
        c = (150, 198, 238)
    elif y <= 14:
        c = mix((98, 162, 216), (60, 130, 192), (y - 2) / 12)
    elif y <= 29:
        c = mix((36, 104, 164), (30, 92, 146), (y - 15) / 14)
    else:
        return INNER_EDGE
    return mix(c, WHITE, 0.16 * glow) if glow else c


def title_strip(width, glow_end, fade):
    """The whole title for a window of the given width: rounded top corners
    (magenta outside), side borders flowing into the left and right
    borders, the caption area brighter up to glow_end, fading over fade
    columns."""
    t = Canvas(width, TITLE_H)
    for x in range(width):
        glow = 1.0 if x < glow_end else max(0.0, 1 - (x - glow_end + 1) / (fade + 1))
        for y in range(TITLE_H):
            t.put(x, y, title_row(y, glow))
    for y in range(1, TITLE_H):
        for i in range(4):     # outer four columns of the side borders
            c = SIDE[i] if y == TITLE_H - 1 or i == 0 else (mix(title_row(y), WHITE, 0.25) if i == 1 else title_row(y))
            t.put(i, y, c)
            t.put(width - 1 - i, y, SIDE[i] if y == TITLE_H - 1 or i == 0 else title_row(y))
        if y == TITLE_H - 1:
            for x in range(4, width - 4):
                t.put(x, y, INNER_EDGE)
    # Rounded top corners: magenta outside the arc, navy on it.
    r = CORNER_RADIUS
    for y in range(r):
        for x in range(r):
            d = ((x + 0.5 - r) ** 2 + (y + 0.5 - r) ** 2) ** 0.5
            for px in (x, width - 1 - x):
                if d > r:
                    t.put(px, y, MAGENTA)
                elif d > r - 1.1:
                    t.put(px, y, NAVY)
    return t


def title_pieces():
    widths = [31, 136, 17, 13, 14]
    total = sum(widths)
    whole = title_strip(total, glow_end=31 + 136, fade=17)
    pieces, x = [], 0
    for w in widths:
        p = Canvas(w, TITLE_H)
        for yy in range(TITLE_H):
            p.pixels[yy] = whole.pixels[yy][x:x + w]
        pieces.append(p)
        x += w
    return pieces


def side_border(right):
    c = Canvas(5, 6)
    cols = list(reversed(SIDE)) if right else SIDE
    for x, col in enumerate(cols):
        c.fill_rect(x, 0, x + 1, 6, col)
    return c


def bottom_border():
    c = Canvas(180, 5)
    for y, col in enumerate(reversed(SIDE)):
        c.fill_rect(0, y, 180, y + 1, col)
    return c


def minimized_title():
    c = Canvas(160, 27)
    for y in range(27):
        yy = 0 if y == 0 else (TITLE_H - 1 if y == 26 else 1 + (y - 1) * 28 // 25)
        c.fill_rect(0, y, 160, y + 1, title_row(yy) if yy != TITLE_H - 1 else NAVY)
    c.fill_rect(0, 0, 1, 27, NAVY)
    c.fill_rect(159, 0, 160, 27, NAVY)
    c.fill_rect(1, 1, 2, 26, mix(title_row(8), WHITE, 0.3))
    return c


# ---- title buttons -----------------------------------------------------------
def title_button(glyph, state, close=False):
    b = Canvas(18, 18)
    for y in range(18):
        b.fill_rect(0, y, 18, y + 1, title_row(BUTTON_Y + y))
    if state == "hot":
        top, bottom, edge = ((238, 120, 100), (200, 50, 35), (150, 30, 20)) if close else \
            ((120, 180, 232), (64, 136, 200), (170, 212, 246))
        b.rounded_rect(0, 0, 18, 18, 3, fill=lambda x, y: mix(top, bottom, y / 17), border=edge)
    elif state == "pressed":
        top, bottom, edge = ((150, 35, 25), (190, 60, 45), (110, 20, 12)) if close else \
            ((16, 58, 104), (30, 86, 138), (10, 40, 84))
        b.rounded_rect(0, 0, 18, 18, 3, fill=lambda x, y: mix(top, bottom, y / 17), border=edge)
    shift = 1 if state == "pressed" else 0
    if glyph:
        glyph(b, shift, WHITE)
    return b


def glyph_minimize(b, s, c):
    b.fill_rect(5 + s, 11 + s, 13 + s, 13 + s, c)


def glyph_maximize(b, s, c):
    b.fill_rect(4 + s, 4 + s, 14 + s, 6 + s, c)
    b.fill_rect(4 + s, 6 + s, 5 + s, 14 + s, c)
    b.fill_rect(13 + s, 6 + s, 14 + s, 14 + s, c)
    b.fill_rect(4 + s, 13 + s, 14 + s, 14 + s, c)


def glyph_restore(b, s, c):
    b.fill_rect(7 + s, 3 + s, 15 + s, 5 + s, c)      # back window
    b.fill_rect(14 + s, 5 + s, 15 + s, 11 + s, c)
    b.fill_rect(12 + s, 10 + s, 14 + s, 11 + s, c)
    b.fill_rect(7 + s, 5 + s, 8 + s, 7 + s, c)
    b.fill_rect(3 + s, 7 + s, 12 + s, 9 + s, c)      # front window
    b.fill_rect(3 + s, 9 + s, 4 + s, 15 + s, c)
    b.fill_rect(11 + s, 9 + s, 12 + s, 15 + s, c)
    b.fill_rect(3 + s, 14 + s, 12 + s, 15 + s, c)


def glyph_close(b, s, c):
    b.line(5 + s, 5 + s, 13 + s, 13 + s, 2.2, c)
    b.line(13 + s, 5 + s, 5 + s, 13 + s, 2.2, c)


def glyph_help(b, s, c):
    for x, y in [(7, 4), (8, 4), (9, 4), (10, 4), (6, 5), (7, 5), (10, 5), (11, 5), (10, 6), (11, 6),
                 (9, 7), (10, 7), (8, 8), (9, 8), (8, 9), (9, 9), (8, 10), (9, 10), (8, 12), (9, 12), (8, 13), (9, 13)]:
        b.put(x + s, y + s, c)
    b.put(6 + s, 6 + s, c, 0.6)


def title_buttons():
    frames = []
    for glyph, close in [(None, False), (glyph_help, False), (glyph_maximize, False),
                         (glyph_restore, False), (glyph_minimize, False), (glyph_close, True)]:
        for state in ("normal", "hot", "pressed"):
            frames.append(title_button(glyph, state, close))
    return strip(frames)


# ---- push buttons, boxes -------------------------------------------------------
def push_button(state):
    b = Canvas(84, 25, MAGENTA)
    if state == "normal":
        edge, hi = (92, 124, 168), WHITE
        stops = [(255, 255, 255), (238, 243, 249), (228, 236, 246), (212, 225, 240)]
    elif state == "hot":
        edge, hi = DEEP, (246, 251, 255)
        stops = [(244, 250, 255), (214, 237, 253), HOT, (160, 210, 245)]
    else:
        edge, hi = NAVY, None
        stops = [(150, 190, 226), (172, 206, 236), (184, 214, 240), (196, 222, 244)]

    def fill(x, y):
        if y < 12:
            return mix(stops[0], stops[1], y / 11)
        return mix(stops[2], stops[3], (y - 12) / 12)
    b.rounded_rect(0, 0, 84, 25, 3, fill=fill, border=edge, outside=MAGENTA)
    if hi:
        b.fill_rect(2, 1, 82, 2, hi)
    else:
        b.fill_rect(2, 1, 82, 2, mix(stops[0], NAVY, 0.25))   # pressed: inner shadow
    return b


def check_mark(c, x0, y0, scale, color, soft=True, width=2.0):
    c.line(x0 + 0 * scale, y0 + 3 * scale, x0 + 2.5 * scale, y0 + 5.5 * scale, width, color, soft)
    c.line(x0 + 2.5 * scale, y0 + 5.5 * scale, x0 + 7 * scale, y0 + 0.5 * scale, width, color, soft)


def check_box(state, enabled):
    b = Canvas(17, 17, FORM)
    edge = NAVY if enabled else (168, 174, 184)
    top, bottom = ((214, 226, 240), WHITE) if enabled else ((232, 232, 232), (244, 244, 244))
    b.rounded_rect(2, 2, 15, 15, 0, fill=lambda x, y: mix(top, bottom, (y - 3) / 10), border=edge)
    ink = INK if enabled else (160, 160, 160)
    if state == "checked":
        check_mark(b, 4.5, 5, 1.0, ink)
    elif state == "grayed":
        b.fill_rect(5, 5, 12, 12, MID if enabled else (200, 200, 200))
    return b


def check_list_box(checked, enabled):
    b = Canvas(11, 11)
    edge = NAVY if enabled else (168, 174, 184)
    top, bottom = ((214, 226, 240), WHITE) if enabled else ((232, 232, 232), (244, 244, 244))
    b.rounded_rect(0, 0, 11, 11, 0, fill=lambda x, y: mix(top, bottom, (y - 1) / 8), border=edge)
    if checked:
        check_mark(b, 2.5, 3, 0.8, INK if enabled else (160, 160, 160), width=1.7)
    return b


def radio_button(checked, enabled):
    b = Canvas(17, 17, MAGENTA)
    edge = NAVY if enabled else (168, 174, 184)
    top, bottom = ((214, 226, 240), WHITE) if enabled else ((232, 232, 232), (244, 244, 244))
    for y in range(17):
        for x in range(17):
            d = ((x + 0.5 - 8.5) ** 2 + (y + 0.5 - 8.5) ** 2) ** 0.5
            if d <= 6.6:
                b.put(x, y, edge if d > 5.6 else mix(top, bottom, (y - 3) / 10))
    if checked:
        b.circle(8.5, 8.5, 2.7, INK if enabled else (160, 160, 160))
    return b


def checked_menu_icon():
    b = Canvas(16, 16, MAGENTA)
    check_mark(b, 4, 4.5, 1.1, INK, soft=False, width=2.2)
    return b


# ---- progress and track bars ------------------------------------------------
PROGRESS_EDGE = (92, 124, 168)


def progress_piece(width, kind):
    b = Canvas(width, 13)
    if kind == "cap":
        b.fill_rect(0, 0, width, 13, PROGRESS_EDGE)
        b.put(0, 0, FORM)
        b.put(0, 12, FORM)
        return b
    b.fill_rect(0, 0, width, 1, PROGRESS_EDGE)
    b.fill_rect(0, 12, width, 13, PROGRESS_EDGE)
    for y in range(1, 12):
        if kind == "track":
            c = mix((226, 230, 236), WHITE, (y - 1) / 10)
        elif y <= 5:
            c = mix((170, 214, 246), (112, 176, 228), (y - 1) / 4)
        else:
            c = mix((58, 130, 196), (96, 164, 220), (y - 6) / 5)
        b.fill_rect(0, y, width, y + 1, c)
    return b


def track_channel():
    b = Canvas(60, 8, MAGENTA)
    rows = {2: (128, 146, 170), 3: (196, 204, 216), 4: WHITE, 5: (176, 190, 208)}
    for y, c in rows.items():
        b.fill_rect(0, y, 60, y + 1, c)
    for x in (0, 59):
        b.put(x, 2, MAGENTA)
        b.put(x, 5, MAGENTA)
        b.put(x, 3, rows[2])
        b.put(x, 4, rows[5])
    return b


def track_slider():
    b = Canvas(11, 21, FORM)
    outline = [(0, 0), (11, 0), (11, 15.5), (5.5, 21), (0, 15.5)]
    b.polygon(outline, DEEP)
    inner = [(1, 1), (10, 1), (10, 15.1), (5.5, 19.6), (1, 15.1)]
    top, bottom = (244, 250, 255), HOT
    fill = Canvas(11, 21, MAGENTA)
    fill.polygon(inner, (0, 0, 0))
    for y in range(21):
        for x in range(11):
            if fill.get(x, y) == (0, 0, 0):
                b.put(x, y, mix(top, bottom, y / 18))
    for x in (3, 5, 7):
        b.fill_rect(x, 5, x + 1, 12, MID)
    return b


def track_vslider():
    s = track_slider()
    # turned a quarter counter-clockwise: the point faces right
    out = Canvas(s.height, s.width)
    for y in range(s.height):
        for x in range(s.width):
            out.pixels[s.width - 1 - x][y] = s.pixels[y][x]
    return out


# ---- scroll bar -----------------------------------------------------------
def scroll_button(up, state):
    b = Canvas(18, 18, MAGENTA)
    edge, top, bottom = {
        "normal": ((168, 186, 212), WHITE, (226, 234, 244)),
        "hot": (MID, (244, 250, 255), HOT),
        "pressed": (DEEP, (150, 192, 228), (186, 216, 242)),
    }[state]
    b.rounded_rect(1, 1, 17, 17, 2.5, fill=lambda x, y: mix(top, bottom, (y - 2) / 13), border=edge)
    arrow = INK if state != "pressed" else NAVY
    s = 1 if state == "pressed" else 0
    if up:
        b.polygon([(4.5 + s, 11 + s), (13.5 + s, 11 + s), (9 + s, 6.5 + s)], arrow)
    else:
        b.polygon([(4.5 + s, 7 + s), (13.5 + s, 7 + s), (9 + s, 11.5 + s)], arrow)
    return b


def scroll_thumb():
    b = Canvas(18, 63, MAGENTA)
    left, right = (226, 238, 250), (178, 208, 238)
    b.rounded_rect(1, 0, 17, 63, 3, fill=lambda x, y: mix(left, right, (x - 2) / 13), border=(104, 140, 186))
    for y in (28, 31, 34):
        b.fill_rect(5, y, 13, y + 1, (96, 132, 176))
        b.fill_rect(5, y + 1, 13, y + 2, WHITE)
    return b


# ---- tabs, side channel, small buttons -----------------------------------
def tab(selected):
    b = Canvas(30, 22, FORM)
    if selected:
        b.rounded_rect(0, 0, 30, 25, 3, fill=WHITE, border=NAVY)
        b.fill_rect(2, 1, 28, 3, DEEP)
        b.fill_rect(1, 3, 29, 4, mix(DEEP, WHITE, 0.6))
    else:
        b.rounded_rect(0, 2, 30, 25, 3, fill=lambda x, y: mix(PALE, (198, 222, 244), (y - 3) / 17),
                       border=(92, 124, 168))
        b.fill_rect(0, 21, 30, 22, NAVY)
    return b


def tab_line():
    b = Canvas(8, 1)
    b.fill_rect(0, 0, 8, 1, NAVY)
    return b


def side_channel_bar():
    b = Canvas(7, 84)
    b.horizontal_gradient(0, 0, 7, 84, MID, DEEP)
    b.fill_rect(0, 0, 1, 84, NAVY)
    b.fill_rect(6, 0, 7, 84, NAVY)
    for y in range(33, 52, 3):
        b.put(3, y, WHITE)
        b.put(4, y + 1, mix(DEEP, NAVY, 0.5))
    return b


def side_channel_title():
    b = Canvas(1, 21)
    for y in range(21):
        b.put(0, y, title_row(0 if y == 0 else (TITLE_H - 2 if y == 20 else 1 + (y - 1) * 28 // 19)))
    return b


def small_button(state):
    b = Canvas(20, 20, MAGENTA)
    edge, top, bottom = {
        "normal": ((92, 124, 168), WHITE, (212, 225, 240)),
        "hot": (DEEP, (244, 250, 255), HOT),
        "pressed": (NAVY, (150, 190, 226), (196, 222, 244)),
        "disabled": ((180, 184, 190), (246, 246, 246), (230, 230, 230)),
    }[state]
    b.rounded_rect(0, 0, 20, 20, 3, fill=lambda x, y: mix(top, bottom, (y - 1) / 17), border=edge, outside=MAGENTA)
    return b


# ---- all pieces ---------------------------------------------------------
def pieces():
    t1, t2, t3, t4, t5 = title_pieces()
    return {
        "SKIN2_TITLEBAR1": t1,
        "SKIN2_TITLEBAR2": t2,
        "SKIN2_TITLEBAR3": t3,
        "SKIN2_TITLEBAR4": t4,
        "SKIN2_TITLEBAR5": t5,
        "SKIN2_FORMLEFTBORDER": side_border(False),
        "SKIN2_FORMRIGHTBORDER": side_border(True),
        "SKIN2_FORMBOTTOMBORDER1": bottom_border(),
        "SKIN2_MINIMIZEDTITLE": minimized_title(),
        "SKIN2_TITLEBUTTONS": title_buttons(),
        "SKIN2_CHECKEDMENUICON": checked_menu_icon(),
        "SKIN2_BUTTON": strip([push_button(s) for s in ("normal", "hot", "pressed")]),
        "SKIN2_CHECKBOX": strip([check_box(s, e) for e in (True, False) for s in ("checked", "grayed", "unchecked")]),
        "SKIN2_CHECKBOXLIST": strip([check_list_box(c, e) for e in (True, False) for c in (True, False)]),
        "SKIN2_RADIOBUTTON": strip([radio_button(c, e) for e in (True, False) for c in (True, False)]),
        "SKIN2_PROGRESSBAR1": progress_piece(1, "cap"),
        "SKIN2_PROGRESSBAR2": progress_piece(7, "track"),
        "SKIN2_PROGRESSBAR3": progress_piece(7, "fill"),
        "SKIN2_PROGRESSBAR4": progress_piece(1, "cap"),
        "SKIN2_TRACKBAR": track_channel(),
        "SKIN2_TRACKBARSLIDER": track_slider(),
        "SKIN2_TRACKBARVSLIDER": track_vslider(),
        "SKIN2_SCROLLBARUPBUTTON": strip([scroll_button(True, s) for s in ("normal", "hot", "pressed")]),
        "SKIN2_SCROLLBAR": scroll_thumb(),
        "SKIN2_SCROLLBARDOWNBUTTON": strip([scroll_button(False, s) for s in ("normal", "hot", "pressed")]),
        "SKIN2_TABCONTROL": strip([tab(True), tab(False)]),
        "SKIN2_TABCONTROLLINE": tab_line(),
        "SKIN2_SIDECHANNELBAR": side_channel_bar(),
        "SKIN2_SIDECHANNELTITLE": side_channel_title(),
        "SKIN2_SCROLLBUTTON": strip([small_button(s) for s in ("normal", "hot", "pressed", "disabled")]),
    }


def skin_text():
    lines = ["; The built-in skin: colours (0x00BBGGRR), title-bar metrics and flags.",
             "; Written by tools/skingen/make_default_skin.py together with the bitmaps.", "", "[integer]"]
    lines += ["%s = 0x%06X" % (n, v) for n, v in COLOURS]
    lines += ["%s = %d" % (n, v) for n, v in METRICS]
    lines += ["%s = 0x%06X" % (n, v) for n, v in SYSTEM_COLOURS]
    lines += ["", "[boolean]"] + ["%s = %d" % (n, int(v)) for n, v in FLAGS]
    return "\n".join(lines) + "\n"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "skins", "default")
    os.makedirs(out, exist_ok=True)
    for name, canvas in pieces().items():
        canvas.save(os.path.join(out, name + ".bmp"))
    with open(os.path.join(out, "skin.txt"), "w", newline="\n") as f:
        f.write(skin_text())


if __name__ == "__main__":
    main()
