"""The shared look: palette, outlined shapes and the little stroke lettering of the editor."""

import math

from raster import (rgb, circle, ellipse, rounded_rect, polygon, stroke, outline, arc_points,
                    quad_bezier, cubic_bezier, oriented, transform)

INK = rgb('#2a2820')          # every outline
BONE = rgb('#f3ead0')         # bones in icons
BONE_SHADE = rgb('#d8caa0')
GREEN = rgb('#3e9b4f')        # add, play, good
RED = rgb('#cc4436')          # remove, delete, stop
BLUE = rgb('#3a78c8')         # arrows, motion
AMBER = rgb('#e0a526')        # locks
SLATE = rgb('#3b4550')        # transport glyphs
WHITE = rgb('#ffffff')
PANEL = rgb('#cbc6ad')        # the editor's panel colour (203, 198, 173)
SAGE = rgb('#abba8b')         # the editor's title bars (171, 186, 139)
VIEW_GREEN = (0, 60 / 255, 0, 1)
OVERLAY_LINE = (0, 1, 0, 1)
OVERLAY_JOINT = (1, 0, 0, 1)


def blob(im, path, paint, line=INK, width=1.5, clip=None):
    """Fill a path drawn over its own outline, so unions of pieces get one clean outline."""
    if line is not None and width > 0:
        im.fill(outline(path, 2 * width), line, clip)
    im.fill(path, paint, clip)


def bone_path(p0, p1, t):
    """A cartoon bone from p0 to p1, shaft thickness t."""
    (x0, y0), (x1, y1) = p0, p1
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy) or 1.0
    ux, uy = dx / ln, dy / ln
    nx, ny = -uy, ux
    h = t / 2
    path = [oriented([(x0 + nx * h, y0 + ny * h), (x1 + nx * h, y1 + ny * h),
                      (x1 - nx * h, y1 - ny * h), (x0 - nx * h, y0 - ny * h)])]
    r = t * 0.62
    for (x, y, s) in ((x0, y0, 1), (x1, y1, -1)):
        for side in (1, -1):
            path.extend(circle(x + nx * side * t * 0.52 - ux * s * t * 0.15,
                               y + ny * side * t * 0.52 - uy * s * t * 0.15, r))
    return path


def draw_bone(im, p0, p1, t, lw, fill=BONE, line=INK):
    blob(im, bone_path(p0, p1, t), fill, line, lw)


def arrow_path(p0, p1, shaft, head_w, head_l):
    """A straight arrow as one outline-friendly path."""
    (x0, y0), (x1, y1) = p0, p1
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy) or 1.0
    ux, uy = dx / ln, dy / ln
    nx, ny = -uy, ux
    bx, by = x1 - ux * head_l, y1 - uy * head_l
    s, hw = shaft / 2, head_w / 2
    return [oriented([(x0 + nx * s, y0 + ny * s), (bx + nx * s, by + ny * s), (bx + nx * hw, by + ny * hw),
                      (x1, y1), (bx - nx * hw, by - ny * hw), (bx - nx * s, by - ny * s),
                      (x0 - nx * s, y0 - ny * s)])]


def padlock_path(x, y, w, h):
    """Body rectangle at (x, y, w, h) with the shackle above it."""
    body = rounded_rect(x, y, w, h, w * 0.15)
    shackle = stroke(arc_points(x + w / 2, y, w * 0.3, h * 0.55, 180, 360), w * 0.17, cap='round')
    return body, shackle


def draw_padlock(im, x, y, w, h, lw):
    body, shackle = padlock_path(x, y, w, h)
    blob(im, shackle, rgb('#8a8f98'), INK, lw * 0.8)
    blob(im, body, AMBER, INK, lw)
    im.fill(circle(x + w / 2, y + h * 0.45, w * 0.12), INK)
    im.fill(rounded_rect(x + w / 2 - w * 0.05, y + h * 0.45, w * 0.1, h * 0.3, 0.3), INK)


def badge(im, cx, cy, r, colour, symbol, lw):
    """A round badge with a white symbol: '+', '-', 'x', 'up', 'down', 'gear'."""
    blob(im, circle(cx, cy, r), colour, INK, lw)
    s = r * 0.55
    w = r * 0.36
    if symbol in ('+', '-'):
        im.line([(cx - s, cy), (cx + s, cy)], w, WHITE)
        if symbol == '+':
            im.line([(cx, cy - s), (cx, cy + s)], w, WHITE)
    elif symbol == 'x':
        s *= 0.85
        im.line([(cx - s, cy - s), (cx + s, cy + s)], w, WHITE)
        im.line([(cx - s, cy + s), (cx + s, cy - s)], w, WHITE)


def gear_path(cx, cy, r, teeth=8):
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4)
        rr = r if (i % 4) in (0, 1) else r * 0.74
        pts.append((cx + math.cos(a) * rr, cy + math.sin(a) * rr))
    return [oriented(pts)]


def eye_path(cx, cy, w):
    h = w * 0.42
    top = quad_bezier((cx - w / 2, cy), (cx, cy - h * 1.3), (cx + w / 2, cy), 14)
    bottom = quad_bezier((cx + w / 2, cy), (cx, cy + h * 1.3), (cx - w / 2, cy), 14)
    return [oriented(top[:-1] + bottom[:-1])]


def draw_eye(im, cx, cy, w, lw):
    blob(im, eye_path(cx, cy, w), WHITE, INK, lw)
    im.fill(circle(cx, cy, w * 0.22), BLUE)
    im.fill(circle(cx, cy, w * 0.11), INK)
    im.fill(circle(cx - w * 0.07, cy - w * 0.07, w * 0.05), WHITE)


# ----------------------------------------------------------------------------------------------
# Stroke lettering: cap height 10 units, baseline at y = 10.
def _glyphs():
    g = {}
    g['F'] = (5.6, [[(0, 10), (0, 0), (5.4, 0)], [(0, 4.8), (4.4, 4.8)]])
    g['B'] = (5.4, [[(0, 0), (0, 10)],
                    [(0, 0), (2.9, 0)] + arc_points(2.9, 2.4, 2.2, 2.4, -90, 90)[1:] + [(0, 4.8)],
                    [(0, 4.8), (3.1, 4.8)] + arc_points(3.1, 7.4, 2.4, 2.6, -90, 90)[1:] + [(0, 10)]])
    g['r'] = (4.0, [[(0, 3), (0, 10)], quad_bezier((0, 6), (0.4, 3.0), (3.8, 3.2), 10)])
    g['a'] = (5.4, [arc_points(2.55, 7.5, 2.45, 2.55, 0, 360, 28), [(5.0, 3.2), (5.0, 10)]])
    g['m'] = (8.4, [[(0, 3), (0, 10)],
                    [(0, 10), (0, 5.2)] + arc_points(2.05, 5.0, 2.05, 2.0, 180, 360)[1:] + [(4.1, 10)],
                    [(4.1, 5.2)] + arc_points(6.15, 5.0, 2.05, 2.0, 180, 360)[1:] + [(8.2, 10)]])
    g['e'] = (5.4, [[(0.15, 6.6), (5.2, 6.6)] + arc_points(2.65, 6.6, 2.55, 3.45, 0, -300, 30)[1:]])
    g['s'] = (4.8, [cubic_bezier((4.5, 4.0), (3.6, 2.6), (0.3, 2.7), (0.5, 4.9), 12)
                    + cubic_bezier((0.5, 4.9), (0.8, 6.6), (4.6, 6.0), (4.6, 8.3), 12)[1:]
                    + cubic_bezier((4.6, 8.3), (4.5, 10.6), (0.9, 10.6), (0.1, 9.0), 12)[1:]])
    g['o'] = (5.6, [arc_points(2.75, 6.6, 2.75, 3.45, 0, 360, 30)])
    g['n'] = (5.2, [[(0, 3), (0, 10)],
                    [(0, 10), (0, 5.4)] + arc_points(2.5, 5.4, 2.5, 2.4, 180, 360)[1:] + [(5.0, 10)]])
    return g


GLYPHS = _glyphs()


def text_width(text, cap):
    k = cap / 10.0
    w = 0.0
    for i, ch in enumerate(text):
        w += GLYPHS[ch][0] * k + (1.7 * k if i < len(text) - 1 else 0)
    return w


def draw_text(im, text, x, baseline, cap, paint, weight=1.35):
    """Draw text in the stroke lettering with its baseline at y and left edge at x."""
    k = cap / 10.0
    path = []
    for ch in text:
        adv, strokes = GLYPHS[ch]
        for s in strokes:
            pts = [(x + px * k, baseline - 10 * k + py * k) for px, py in s]
            path.extend(stroke(pts, weight * k * 10 / 9.0))
        x += (adv + 1.7) * k
    im.fill(path, paint)


def scaled(path, ox, oy, k):
    return transform(path, dx=ox, dy=oy, sx=k)
