"""The jungle tileset: 64 x 64 tiles that join up.

Everything that crosses a tile border is periodic in 64 pixels (the soil texture, the grass
line, the cliff rims), and outlines are only ever drawn along open edges, never along a tile
border, so any two neighbouring ground tiles meet without a seam.
"""

import math
import random

import style as S
from raster import (Image, Mask, rgb, circle, ellipse, rect, rounded_rect, polygon, stroke, arc_points,
                    linear, radial, transform, with_alpha, shade, mix, oriented, smooth_closed)

T = 64
SOIL = rgb('#6e4a2a')
SOIL_DARK = rgb('#4a3019')
SOIL_DEEP = rgb('#352112')
PEBBLE = rgb('#8c6a45')
PEBBLE_DARK = rgb('#5a3f25')
GRASS_LIGHT = rgb('#7fd14f')
GRASS = rgb('#4fa534')
GRASS_DARK = rgb('#2f7423')
GRASS_INK = rgb('#1d4a16')
STONE = rgb('#8e9a94')
STONE_DARK = rgb('#5d6864')
STONE_LIGHT = rgb('#b9c3bd')
MOSS = rgb('#5aa83c')
WOOD = rgb('#9a6434')
WOOD_DARK = rgb('#5e3a1c')
WOOD_LIGHT = rgb('#c48a4e')
BARK = rgb('#6b4a30')
BARK_DARK = rgb('#3f2a19')
WATER = rgb('#2f8fb8')
WATER_DEEP = rgb('#1c5f86')
WATER_LIGHT = rgb('#8fdcf0')


def wave(v, terms):
    return sum(a * math.sin(2 * math.pi * (k * v / T) + p) for a, k, p in terms)


def top_edge(x):
    return 15 + wave(x, [(1.4, 1, 0.3), (0.8, 3, 1.7)])


def bottom_edge(x):
    return 52 + wave(x, [(1.5, 1, 2.1), (0.9, 2, 0.4)])


def left_edge(y):
    return 7 + wave(y, [(1.3, 1, 1.1), (0.7, 3, 2.5)])


def right_edge(y):
    return 57 + wave(y, [(1.3, 1, 4.0), (0.7, 2, 0.9)])


# ----------------------------------------------------------------------------------------------
def soil_texture():
    """A 64-periodic soil layer shared by every ground tile."""
    rng = random.Random(8)
    im = Image(T, T, SOIL)
    # soft darker blotches and the pebbles, each drawn at every wrapped position
    shapes = []
    for _ in range(7):
        x, y, r = rng.uniform(0, T), rng.uniform(0, T), rng.uniform(6, 11)
        shapes.append(('blotch', x, y, r, rng.uniform(0, 3)))
    for _ in range(15):
        x, y = rng.uniform(0, T), rng.uniform(0, T)
        shapes.append(('pebble', x, y, rng.uniform(1.6, 3.6), rng.uniform(0, 3)))
    for _ in range(22):
        shapes.append(('speck', rng.uniform(0, T), rng.uniform(0, T), rng.uniform(0.6, 1.1), 0))
    for kind, x, y, r, a in shapes:
        for dx in (-T, 0, T):
            for dy in (-T, 0, T):
                cx, cy = x + dx, y + dy
                if cx + r * 2 < 0 or cx - r * 2 > T or cy + r * 2 < 0 or cy - r * 2 > T:
                    continue
                if kind == 'blotch':
                    im.fill(ellipse(cx, cy, r * 1.3, r * 0.8, rotation=a), with_alpha(SOIL_DARK, 0.35))
                elif kind == 'pebble':
                    p = ellipse(cx, cy, r * 1.25, r, rotation=a)
                    S.blob(im, p, PEBBLE, SOIL_DEEP, 0.8)
                    im.fill(ellipse(cx - r * 0.3, cy - r * 0.35, r * 0.55, r * 0.35, rotation=a),
                            with_alpha(rgb('#b08d63'), 0.8))
                else:
                    im.fill(circle(cx, cy, r), with_alpha(SOIL_DEEP, 0.6))
    return im


SOIL_TEX = None


def soil_layer():
    global SOIL_TEX
    if SOIL_TEX is None:
        SOIL_TEX = soil_texture()
    return SOIL_TEX.copy()


def ground_region(top=False, bottom=False, left=False, right=False, r=12):
    """The ground's outline inside a tile as a polygon, plus its open edges as polylines."""
    xs = [x * 0.5 for x in range(-8, 2 * T + 9)]
    ys = xs
    x0 = (lambda y: left_edge(y)) if left else (lambda y: -4.0)
    x1 = (lambda y: right_edge(y)) if right else (lambda y: T + 4.0)
    y0 = (lambda x: top_edge(x)) if top else (lambda x: -4.0)
    y1 = (lambda x: bottom_edge(x)) if bottom else (lambda x: T + 4.0)
    # walk clockwise: top edge left to right, right edge downwards, bottom right to left, left up
    pts = []
    pts += [(x, y0(x)) for x in xs if x0(y0(x)) + (r if (top and left) else 0) <= x <= x1(y0(x)) - (r if (top and right) else 0)]
    if top and right:
        pts += _corner(pts[-1], (x1(y0(T) + r), y0(T) + r), 'tr')
    pts += [(x1(y), y) for y in ys if y0(x1(y)) + (r if (top and right) else 0) <= y <= y1(x1(y)) - (r if (bottom and right) else 0)]
    if bottom and right:
        pts += _corner(pts[-1], (x1(y1(T) - r) - r, y1(T - r)), 'br')
    pts += [(x, y1(x)) for x in reversed(xs) if x0(y1(x)) + (r if (bottom and left) else 0) <= x <= x1(y1(x)) - (r if (bottom and right) else 0)]
    if bottom and left:
        pts += _corner(pts[-1], (x0(y1(0) - r), y1(0) - r), 'bl')
    pts += [(x0(y), y) for y in reversed(ys) if y0(x0(y)) + (r if (top and left) else 0) <= y <= y1(x0(y)) - (r if (bottom and left) else 0)]
    if top and left:
        pts += _corner(pts[-1], pts[0], 'tl')
    return pts


def _corner(p, q, kind):
    """A rounded turn from p to q (a quarter ellipse), the end points excluded."""
    (px, py), (qx, qy) = p, q
    if kind in ('tr', 'bl'):
        cx, cy = px, qy
    else:
        cx, cy = qx, py
    rx, ry = abs(qx - px), abs(qy - py)
    a0 = math.degrees(math.atan2(py - cy, px - cx)) if (rx and ry) else 0
    out = []
    n = 10
    for i in range(1, n):
        t = i / n
        a = math.pi / 2 * t
        if kind == 'tr':
            out.append((px + math.sin(a) * rx, qy - math.cos(a) * ry))
        elif kind == 'br':
            out.append((qx + math.cos(a) * rx, py + math.sin(a) * ry))
        elif kind == 'bl':
            out.append((px - math.sin(a) * rx, qy + math.cos(a) * ry))
        else:
            out.append((qx - math.cos(a) * rx, py - math.sin(a) * ry))
    return out


def open_edges(pts):
    """The parts of the outline that lie inside the tile (the exposed rims)."""
    runs, cur = [], []
    n = len(pts)
    for i in range(n + 1):
        x, y = pts[i % n]
        inside = -1.5 < x < T + 1.5 and -1.5 < y < T + 1.5
        if inside:
            cur.append((x, y))
        elif cur:
            cur.append((x, y))
            runs.append(cur)
            cur = []
    if cur:
        runs.append(cur)
    return [r for r in runs if len(r) > 1]


def grass_lip(im, x_from, x_to, edge=top_edge, curl_left=False, curl_right=False):
    """The grass band along the top edge between x_from and x_to (may run past the tile)."""
    xs = [x_from + (x_to - x_from) * i / 80 for i in range(81)]
    top = [(x, edge(x) - 2.0) for x in xs]
    bottom = []
    for x in reversed(xs):
        d = 9 + 2.6 * math.sin(2 * math.pi * 4 * x / T + 0.7) + 1.4 * math.sin(2 * math.pi * 7 * x / T)
        if curl_left:
            d *= min(1.0, max(0.35, (x - x_from) / 10))
        if curl_right:
            d *= min(1.0, max(0.35, (x_to - x) / 10))
        bottom.append((x, edge(x) + d))
    band = [top + bottom]
    S.blob(im, band, linear((0, 10), (0, 26), [(0, GRASS), (1, GRASS_DARK)]), GRASS_INK, 1.0)
    im.line([(x, edge(x) + 0.2) for x in xs], 2.0, with_alpha(GRASS_LIGHT, 0.85))
    # blades poking up along the edge, spaced to repeat every 64 pixels
    heights = [5, 7, 4, 8, 6, 4, 7, 5, 6, 8, 4, 6, 7, 5, 8, 4]
    for i in range(-2, 19):
        bx = 2 + 4 * i
        if bx < x_from + 1 or bx > x_to - 1:
            continue
        h = heights[i % 16]
        lean = 1.5 if i % 3 == 0 else (-1.2 if i % 3 == 1 else 0.4)
        base = edge(bx)
        blade = [[(bx - 1.6, base), (bx + lean, base - h), (bx + 1.6, base)]]
        S.blob(im, blade, GRASS if i % 2 else GRASS_LIGHT, GRASS_INK, 0.7)


def ground_tile(top=False, bottom=False, left=False, right=False, extra=None):
    im = Image(T, T)
    region = [ground_region(top, bottom, left, right)]
    mask = Mask(T, T, region)
    layer = soil_layer()
    if extra:
        extra(layer)
    # clip the soil to the region
    for y in range(T):
        row, m = layer.px[y], mask.rows[y]
        for x in range(T):
            for c in range(4):
                row[4 * x + c] *= m[x]
    im.draw_image(layer, 0, 0)
    edges = open_edges(region[0])
    for run in edges:
        im.fill(stroke(run, 9), with_alpha(SOIL_DEEP, 0.35), clip=mask)
        im.fill(stroke(run, 4.5), with_alpha(SOIL_DEEP, 0.4), clip=mask)
    for run in edges:
        im.line(run, 1.8, S.INK)
    if bottom:
        # roots hanging from the underside
        for i, (rx, ln) in enumerate(((9, 7), (27, 10), (41, 6), (55, 9))):
            if left and rx < 18 or right and rx > 46:
                continue
            by = bottom_edge(rx) - 1
            pts = [(rx, by), (rx + 1.5, by + ln * 0.5), (rx - 0.5, by + ln)]
            im.line(pts, 2.4, S.INK)
            im.line(pts, 1.2, rgb('#7a5634'))
    if top:
        x_from = -6 if not left else left_edge(top_edge(0)) - 3
        x_to = T + 6 if not right else right_edge(top_edge(T)) + 3
        grass_lip(im, x_from, x_to, curl_left=left, curl_right=right)
        if left:
            _side_grass(im, 'left')
        if right:
            _side_grass(im, 'right')
    return im


def _side_grass(im, side):
    """Grass creeping a little way down a corner's side."""
    if side == 'left':
        x = left_edge(24) - 1
        pts = [(x + 4, 16), (x - 1.5, 19), (x - 2.2, 26), (x + 0.5, 31), (x + 3.0, 27), (x + 4.5, 20)]
    else:
        x = right_edge(24) + 1
        pts = [(x - 4, 16), (x + 1.5, 19), (x + 2.2, 26), (x - 0.5, 31), (x - 3.0, 27), (x - 4.5, 20)]
    S.blob(im, smooth_closed(pts, 6), GRASS_DARK, GRASS_INK, 0.9)


def inner_corner(side):
    """Soil under the outer corner of higher ground: the lower ground's grass runs in from one
    side and meets the cliff rim that comes down from the corner tile above."""
    im = Image(T, T)
    xs = [x * 0.5 for x in range(-8, 2 * T + 9)]
    ys = xs
    if side == 'left':
        corner_x = left_edge(top_edge(left_edge(0)))
        pocket = [(left_edge(y), y) for y in ys if y <= top_edge(left_edge(y))]
        pocket += [(x, top_edge(x)) for x in reversed(xs) if x < pocket[-1][0]]
        region = [(T + 4, -4), (T + 4, T + 4), (-4, T + 4)] + list(reversed(pocket))
        region = [(left_edge(-4), -4)] + [p for p in region]
        region = [region[0]] + [(T + 4, -4), (T + 4, T + 4), (-4, T + 4)] + list(reversed(pocket))
    else:
        pocket = [(right_edge(y), y) for y in ys if y <= top_edge(right_edge(y))]
        pocket += [(x, top_edge(x)) for x in xs if x > pocket[-1][0]]
        region = [(right_edge(-4), -4)] + pocket + [(T + 4, T + 4), (-4, T + 4), (-4, -4)]
    mask = Mask(T, T, [region])
    layer = soil_layer()
    for y in range(T):
        row, m = layer.px[y], mask.rows[y]
        for x in range(T):
            for c in range(4):
                row[4 * x + c] *= m[x]
    im.draw_image(layer, 0, 0)
    im.fill(stroke(pocket, 9), with_alpha(SOIL_DEEP, 0.35), clip=mask)
    im.fill(stroke(pocket, 4.5), with_alpha(SOIL_DEEP, 0.4), clip=mask)
    im.line(pocket, 1.8, S.INK)
    if side == 'left':
        grass_lip(im, -6, left_edge(top_edge(8)) + 3, curl_right=True)
    else:
        grass_lip(im, right_edge(top_edge(56)) - 3, T + 6, curl_left=True)
    return im


def stones_extra(layer):
    for x, y, r in ((22, 36, 7), (42, 27, 5), (35, 50, 4.5)):
        S.blob(layer, smooth_closed([(x - r, y), (x - r * 0.4, y - r * 0.9), (x + r * 0.7, y - r * 0.7),
                                     (x + r, y + r * 0.2), (x + r * 0.2, y + r * 0.9), (x - r * 0.8, y + r * 0.6)], 6),
               STONE, SOIL_DEEP, 1.1)
        layer.fill(ellipse(x - r * 0.3, y - r * 0.4, r * 0.45, r * 0.25), with_alpha(STONE_LIGHT, 0.9))


def fossil_extra(layer):
    # an old bone in the ground: this is a skeleton engine after all
    S.draw_bone(layer, (18, 40), (44, 28), 4.2, 1.0, rgb('#e8dcb8'), SOIL_DEEP)
    for pts in ([(4, 20), (12, 24), (15, 32), (22, 35)], [(64, 48), (54, 50), (48, 57), (50, 64)]):
        layer.line(pts, 3.4, SOIL_DEEP)
        layer.line(pts, 1.6, rgb('#7f5a37'))


# ----------------------------------------------------------------------------------------------
def stone_platform(part):
    im = Image(T, T)
    y0, y1 = 6, 34
    x0 = 6 if part in ('left', 'single') else -4
    x1 = 58 if part in ('right', 'single') else T + 4
    slab = rounded_rect(x0, y0, x1 - x0, y1 - y0, 7)
    S.blob(im, slab, linear((0, y0), (0, y1), [(0, STONE_LIGHT), (0.3, STONE), (1, STONE_DARK)]), S.INK, 1.0)
    # block joints every 32 pixels so platforms repeat
    for jx in (16, 48):
        if x0 + 4 < jx < x1 - 4:
            im.line([(jx, y0 + 11), (jx, y1 - 1.5)], 1.4, with_alpha(S.INK, 0.7))
    im.line([(max(x0 + 6, -2), y0 + 11), (min(x1 - 6, T + 2), y0 + 11)], 1.2, with_alpha(S.INK, 0.45))
    # moss on top, hanging a little
    moss = [(x, y0 + 1 + 1.2 * math.sin(2 * math.pi * x / 32)) for x in range(int(x0) + 4, int(x1) - 3)]
    drips = [(x, y0 + 6 + 2.5 * math.sin(2 * math.pi * 3 * x / T + 1) + 2 * math.sin(2 * math.pi * 5 * x / T))
             for x in range(int(x1) - 4, int(x0) + 3, -1)]
    S.blob(im, [moss + drips], linear((0, y0), (0, y0 + 9), [(0, GRASS_LIGHT), (1, GRASS)]), GRASS_INK, 0.8)
    for cx, cy in ((14, 24), (38, 19), (52, 27), (27, 28)):
        if x0 + 4 < cx < x1 - 4:
            im.fill(ellipse(cx, cy, 2.2, 1.3), with_alpha(STONE_DARK, 0.7))
    return im


def plank_platform():
    im = Image(T, T)
    for x in (10, 54):
        im.line([(x, -2), (x, 14)], 3.2, S.INK)
        im.line([(x, -2), (x, 14)], 1.6, rgb('#c9a76b'))
    S.blob(im, rounded_rect(2, 12, 60, 11, 3), linear((0, 12), (0, 23), [(0, WOOD_LIGHT), (1, WOOD)]), S.INK, 1.0)
    for x in (17, 33, 48):
        im.line([(x, 13), (x, 22)], 1.2, WOOD_DARK)
    for x in (10, 54):
        im.fill(circle(x, 17.5, 2.6), S.INK)
        im.fill(circle(x, 17.5, 1.6), rgb('#c9a76b'))
    return im


def mossy_block():
    im = Image(T, T)
    S.blob(im, rect(1, 1, 62, 62), linear((0, 0), (0, 64), [(0, STONE), (1, STONE_DARK)]), S.INK, 1.0)
    for y in (22, 43):
        im.line([(2, y), (62, y)], 1.3, with_alpha(S.INK, 0.6))
    for (x, y0, y1) in ((30, 2, 22), (14, 22, 43), (46, 22, 43), (34, 43, 62)):
        im.line([(x, y0), (x, y1)], 1.3, with_alpha(S.INK, 0.6))
    for y in (3, 24, 45):
        im.line([(3, y), (61, y)], 1.2, with_alpha(STONE_LIGHT, 0.7))
    moss = smooth_closed([(-2, -2), (40, -2), (44, 6), (30, 11), (20, 9), (10, 16), (0, 20), (-2, 10)], 6)
    S.blob(im, moss, linear((0, 0), (0, 16), [(0, GRASS_LIGHT), (1, MOSS)]), GRASS_INK, 0.8,
           clip=Mask(T, T, rect(0, 0, T, T)))
    im.fill(smooth_closed([(64, 40), (56, 44), (54, 52), (58, 60), (64, 62)], 6), with_alpha(MOSS, 0.9))
    return im


def crate():
    im = Image(T, T)
    S.blob(im, rect(4, 4, 56, 56), linear((0, 4), (0, 60), [(0, WOOD_LIGHT), (1, WOOD)]), S.INK, 1.3)
    for y in (18, 32, 46):
        im.line([(5, y), (59, y)], 1.1, with_alpha(WOOD_DARK, 0.8))
    S.blob(im, polygon([(6, 11), (11, 6), (58, 53), (53, 58)]), WOOD_LIGHT, S.INK, 1.0)
    for (x, y) in ((4, 4), (52, 4), (4, 52), (52, 52)):
        S.blob(im, rect(x, y, 8, 8), rgb('#7b7f86'), S.INK, 0.9)
        im.fill(circle(x + 4, y + 4, 1.3), S.INK)
    return im


def trunk(base=False):
    im = Image(T, T)
    x0, x1 = 14, 50
    body = rect(x0, -2, x1 - x0, T + 4)
    if base:
        body = [[(x0, -2), (x1, -2), (x1 + 2, 40), (x1 + 12, 56), (T + 2, 60), (T + 2, 66), (-2, 66), (-2, 60),
                 (x0 - 12, 56), (x0 - 2, 40)]]
    im.fill(body, linear((x0, 0), (x1, 0), [(0, BARK), (0.35, rgb('#8a6240')), (1, BARK_DARK)]))
    for (a, b) in ((x0, x0), (x1, x1)):
        pass
    clip = Mask(T, T, body)
    for i, x in enumerate((20, 27, 35, 43)):
        pts = [(x + 1.5 * math.sin(2 * math.pi * (y / T) * 2 + i), y) for y in range(-2, T + 3, 4)]
        im.line(pts, 1.3, with_alpha(BARK_DARK, 0.8), clip=clip)
    im.fill(ellipse(31, 30, 3.5, 5.5), BARK_DARK, clip=clip)
    im.fill(ellipse(31, 30, 1.8, 3.2), rgb('#2b1c10'), clip=clip)
    edge_l = [(x0, -3), (x0, 40 if base else T + 3)]
    edge_r = [(x1, -3), (x1, 40 if base else T + 3)]
    if base:
        edge_l += [(x0 - 2, 40), (x0 - 12, 56), (-3, 60)]
        edge_r += [(x1 + 2, 40), (x1 + 12, 56), (T + 3, 60)]
        for pts in ([(x0 + 4, 44), (x0 - 2, 54), (x0 - 8, 64)], [(x1 - 6, 44), (x1, 56), (x1 + 2, 64)]):
            im.line(pts, 1.4, with_alpha(BARK_DARK, 0.9))
        grass_lip(im, -6, T + 6, edge=lambda x: 60 + wave(x, [(0.6, 1, 0.3)]))
    im.line(edge_l, 1.8, S.INK)
    im.line(edge_r, 1.8, S.INK)
    return im


def canopy():
    """Leaves that fill a cell and repeat on every side."""
    im = Image(T, T, rgb('#2f7a2a'))
    rng = random.Random(22)
    leaves = [(rng.uniform(0, T), rng.uniform(0, T), rng.uniform(0, 360), rng.choice((0, 1, 2))) for _ in range(26)]
    cols = [rgb('#3f9a32'), rgb('#58b83e'), rgb('#2c6e24')]
    for x, y, a, c in leaves:
        for dx in (-T, 0, T):
            for dy in (-T, 0, T):
                cx, cy = x + dx, y + dy
                if -14 < cx < T + 14 and -14 < cy < T + 14:
                    leaf = transform(ellipse(0, 0, 9, 4.2, 16), dx=cx, dy=cy, angle=a)
                    S.blob(im, leaf, cols[c], rgb('#1b4a17'), 0.7)
                    im.line([(cx - 7 * math.cos(math.radians(a)), cy - 7 * math.sin(math.radians(a))),
                             (cx + 7 * math.cos(math.radians(a)), cy + 7 * math.sin(math.radians(a)))], 0.7,
                            with_alpha(rgb('#1b4a17'), 0.7))
    return im


def vines():
    im = Image(T, T)
    for i, (x, ln, ph) in enumerate(((12, 64, 0.3), (30, 44, 1.4), (47, 58, 2.2))):
        pts = [(x + 2.5 * math.sin(y / 9 + ph), y) for y in range(-2, ln + 1, 2)]
        im.line(pts, 3.0, GRASS_INK)
        im.line(pts, 1.5, GRASS)
        for k, (px, py) in enumerate(pts[3::5]):
            side = 1 if k % 2 else -1
            leaf = transform(ellipse(0, 0, 4.6, 2.2, 14), dx=px + side * 4, dy=py, angle=side * 30)
            S.blob(im, leaf, GRASS_LIGHT if k % 3 else GRASS, GRASS_INK, 0.7)
    return im


def grass_tuft():
    im = Image(T, T)
    base = 62
    for i, (x, h, lean) in enumerate(((16, 14, -4), (22, 20, -2), (28, 24, 1), (34, 18, 3), (40, 22, 5), (46, 13, 6),
                                      (25, 12, -6), (37, 11, 7))):
        S.blob(im, [[(x - 2.2, base), (x + lean, base - h), (x + 2.2, base)]], GRASS if i % 2 else GRASS_LIGHT,
               GRASS_INK, 0.8)
    for (x, y, c) in ((20, 42, rgb('#f2d43d')), (44, 45, rgb('#f06a9a')), (31, 37, rgb('#ffffff'))):
        im.line([(x, y), (x + 0.5, base)], 1.4, GRASS_INK)
        for k in range(5):
            a = math.radians(k * 72)
            S.blob(im, circle(x + math.cos(a) * 2.4, y + math.sin(a) * 2.4, 1.8), c, S.INK, 0.5)
        im.fill(circle(x, y, 1.4), rgb('#e08a1e'))
    return im


def fern():
    im = Image(T, T)
    for k, (ang, ln) in enumerate(((-150, 30), (-120, 36), (-90, 40), (-60, 36), (-30, 30))):
        a = math.radians(ang)
        x0, y0 = 32, 62
        pts = [(x0 + math.cos(a) * ln * t + 6 * t * t * (1 if ang > -90 else -1 if ang < -90 else 0),
                y0 + math.sin(a) * ln * t + 10 * t * t) for t in [i / 10 for i in range(11)]]
        for i in range(1, 10):
            px, py = pts[i]
            qx, qy = pts[i - 1]
            dx, dy = px - qx, py - qy
            ln2 = math.hypot(dx, dy) or 1
            nx, ny = -dy / ln2, dx / ln2
            s = 6.5 * (1 - i / 11)
            for side in (1, -1):
                leaf = [[(px, py), (px + nx * s * side + dx * 0.8, py + ny * s * side + dy * 0.8), (qx + dx * 0.5, qy + dy * 0.5)]]
                S.blob(im, leaf, GRASS if k % 2 else rgb('#5cb83d'), GRASS_INK, 0.55)
        im.line(pts, 1.6, GRASS_INK)
    return im


def mushrooms():
    im = Image(T, T)
    for (x, h, r) in ((22, 18, 10), (40, 12, 7), (50, 8, 5)):
        S.blob(im, rounded_rect(x - r * 0.35, 62 - h, r * 0.7, h, r * 0.3), rgb('#f2ead8'), S.INK, 1.0)
        cap = [arc_points(x, 62 - h + 1, r, r * 0.85, 180, 360, 20)]
        S.blob(im, cap, linear((0, 62 - h - r), (0, 62 - h), [(0, rgb('#ef5a44')), (1, rgb('#b8281e'))]), S.INK, 1.0)
        for dx, dy, s in ((-0.45, -0.45, 0.18), (0.3, -0.6, 0.14), (0.55, -0.2, 0.12)):
            im.fill(circle(x + dx * r, 62 - h + dy * r, s * r), rgb('#fff6e8'))
    return im


def boulder():
    im = Image(T, T)
    shape = smooth_closed([(6, 62), (4, 44), (14, 24), (34, 18), (54, 26), (60, 46), (58, 62)], 8)
    S.blob(im, shape, radial(26, 30, 40, [(0, STONE_LIGHT), (0.5, STONE), (1, STONE_DARK)]), S.INK, 1.2)
    im.line([(22, 34), (30, 40), (28, 50)], 1.3, with_alpha(S.INK, 0.6))
    moss = smooth_closed([(14, 26), (34, 18), (50, 23), (42, 28), (30, 26), (20, 31)], 6)
    S.blob(im, moss, MOSS, GRASS_INK, 0.8)
    grass_lip(im, 0, 64, edge=lambda x: 63 + 0.5 * math.sin(x / 5))
    return im


def bush():
    im = Image(T, T)
    for (x, y, r, c) in ((18, 46, 14, rgb('#2f7a2a')), (44, 46, 15, rgb('#2f7a2a')), (30, 36, 17, rgb('#3f9a32')),
                         (14, 54, 10, rgb('#3f9a32')), (50, 54, 11, rgb('#3f9a32')), (32, 54, 12, rgb('#4fae3a'))):
        S.blob(im, circle(x, y, r), c, GRASS_INK, 1.0)
    for (x, y) in ((24, 30), (36, 42), (46, 38), (20, 48)):
        im.fill(ellipse(x, y, 3.2, 2.0, rotation=0.5), with_alpha(GRASS_LIGHT, 0.7))
    for (x, y) in ((26, 40), (40, 50), (16, 44)):
        S.blob(im, circle(x, y, 2.2), rgb('#d8263a'), S.INK, 0.6)
    im.fill(rect(0, 62, 64, 2), with_alpha(GRASS_INK, 0.0))
    return im


def sign():
    im = Image(T, T)
    S.blob(im, rect(29, 26, 6, 38), linear((29, 0), (35, 0), [(0, WOOD_LIGHT), (1, WOOD_DARK)]), S.INK, 1.0)
    board = [[(8, 10), (46, 10), (58, 20), (46, 30), (8, 30)]]
    S.blob(im, board, linear((0, 10), (0, 30), [(0, WOOD_LIGHT), (1, WOOD)]), S.INK, 1.2)
    im.line([(10, 20), (50, 20)], 1.0, with_alpha(WOOD_DARK, 0.6))
    S.blob(im, S.arrow_path((15, 20), (44, 20), 4.0, 11, 8), rgb('#f5efdc'), S.INK, 0.8)
    for x in (12, 40):
        im.fill(circle(x, 14, 1.1), S.INK)
    grass_lip(im, 20, 44, edge=lambda x: 63, curl_left=True, curl_right=True)
    return im


def bamboo():
    im = Image(T, T)
    for i, (x, w) in enumerate(((14, 8), (31, 9), (48, 7))):
        im.fill(rect(x - w / 2, -2, w, T + 4), linear((x - w / 2, 0), (x + w / 2, 0),
                                                    [(0, rgb('#b9d46a')), (0.4, rgb('#93b847')), (1, rgb('#5f8a2c'))]))
        im.line([(x - w / 2, -3), (x - w / 2, T + 3)], 1.3, S.INK)
        im.line([(x + w / 2, -3), (x + w / 2, T + 3)], 1.3, S.INK)
        for y in ((6 + 21 * i) % 32, (6 + 21 * i) % 32 + 32):
            im.fill(rounded_rect(x - w / 2 - 1, y - 1.5, w + 2, 3, 1.2), rgb('#6d9431'))
            im.line([(x - w / 2 - 1, y - 1.5), (x + w / 2 + 1, y - 1.5)], 1.0, S.INK)
            im.line([(x - w / 2 - 1, y + 1.5), (x + w / 2 + 1, y + 1.5)], 1.0, S.INK)
        leaf_y = (20 + 17 * i) % 50 + 6
        side = 1 if i % 2 == 0 else -1
        leaf = [[(x + side * w / 2, leaf_y), (x + side * (w / 2 + 14), leaf_y - 6), (x + side * (w / 2 + 4), leaf_y + 2)]]
        S.blob(im, leaf, rgb('#6ab03a'), GRASS_INK, 0.7)
    return im


def spikes():
    im = Image(T, T)
    S.blob(im, rect(-2, 52, T + 4, 14), linear((0, 52), (0, 64), [(0, STONE), (1, STONE_DARK)]), None, 0)
    im.line([(-3, 52), (T + 3, 52)], 1.4, S.INK)
    for i in range(5):
        x = 6.4 + i * 12.8
        sp = [[(x - 5.5, 53), (x, 22), (x + 5.5, 53)]]
        S.blob(im, sp, linear((x - 5, 0), (x + 5, 0), [(0, rgb('#e9edf0')), (0.5, rgb('#aab4bb')), (1, rgb('#6f7b84'))]),
               S.INK, 1.0)
    return im


# ----------------------------------------------------------------------------------------------
# Animated tiles: a list of frame sets, each a list of (image, milliseconds).
def water_surface_frames():
    frames = []
    for f in range(4):
        im = Image(T, T)
        ph = 2 * math.pi * f / 4
        surf = lambda x: 24 + 2.2 * math.sin(2 * math.pi * 2 * x / T - ph) + 1.0 * math.sin(2 * math.pi * 5 * x / T + ph * 2)
        body = [[(x, surf(x)) for x in range(-4, T + 5, 2)] + [(T + 4, T + 4), (-4, T + 4)]]
        im.fill(body, linear((0, 20), (0, 64), [(0, WATER), (1, rgb('#236f98'))]))
        im.line([(x, surf(x)) for x in range(-4, T + 5, 2)], 2.2, WATER_LIGHT)
        im.line([(x, surf(x) - 1.2) for x in range(-4, T + 5, 2)], 1.0, rgb('#184a68'))
        for k in range(4):
            x = (k * 16 + f * 4) % T
            y = 34 + (k * 7) % 20
            im.line([(x - 4, y), (x + 4, y)], 1.2, with_alpha(WATER_LIGHT, 0.55))
            im.line([(x - 4 + T, y), (x + 4 + T, y)], 1.2, with_alpha(WATER_LIGHT, 0.55))
            im.line([(x - 4 - T, y), (x + 4 - T, y)], 1.2, with_alpha(WATER_LIGHT, 0.55))
        frames.append((im, 180))
    return [frames]


def water_body_frames():
    frames = []
    for f in range(4):
        im = Image(T, T, WATER_DEEP)
        im.fill(rect(0, 0, T, T), rgb('#236f98'))  # flat, so deep water stacks without a seam
        for k in range(6):
            x = (k * 23 + 7) % T
            y = (k * 29 + 11 - f * 6) % T
            for dx in (-T, 0, T):
                for dy in (-T, 0, T):
                    im.line([(x - 5 + dx + 2 * math.sin(f + k), y + dy), (x + 5 + dx + 2 * math.sin(f + k), y + dy)], 1.2,
                            with_alpha(rgb('#6cc4e4'), 0.4))
            bx, by = (k * 37 + 5) % T, (k * 17 + 40 - f * 16) % T
            for dy in (-T, 0, T):
                im.fill(circle(bx, by + dy, 1.2 + (k % 3) * 0.5), with_alpha(rgb('#bfeaf7'), 0.55))
        frames.append((im, 200))
    return [frames]


def waterfall_frames():
    frames = []
    for f in range(4):
        im = Image(T, T)
        im.fill(rect(6, -2, 52, T + 4), linear((6, 0), (58, 0), [(0, rgb('#3aa0c8')), (0.5, rgb('#5cc0e0')), (1, rgb('#2a86b0'))]))
        for k in range(9):
            x = 10 + k * 5.5
            off = (f * 16 + k * 11) % T
            for s in (-T, 0, T):
                y = off + s
                im.line([(x, y), (x, y + 18 + (k % 3) * 6)], 1.6, with_alpha(rgb('#d8f4ff'), 0.7))
        im.line([(6, -3), (6, T + 3)], 1.6, rgb('#1a5a7e'))
        im.line([(58, -3), (58, T + 3)], 1.6, rgb('#1a5a7e'))
        frames.append((im, 90))
    return [frames]


def torch_frames():
    def torch(flame, glow, ember=False):
        im = Image(T, T)
        if glow > 0:
            im.fill(circle(32, 18, 26), radial(32, 18, 26, [(0, rgb('#ffd36a', 0.55 * glow)), (1, rgb('#ffb040', 0.0))]))
        S.blob(im, [[(28, 30), (36, 30), (34.5, 64), (29.5, 64)]], linear((28, 0), (36, 0), [(0, WOOD_LIGHT), (1, WOOD_DARK)]),
               S.INK, 1.0)
        S.blob(im, rounded_rect(25, 24, 14, 9, 2), rgb('#6b6f76'), S.INK, 1.0)
        im.line([(26, 28.5), (38, 28.5)], 1.0, rgb('#3b3f46'))
        if flame:
            h, lean = flame
            outer = [[(25.5, 25), (24 + lean * 0.3, 16), (32 + lean, 25 - h), (40 + lean * 0.3, 15), (38.5, 25)]]
            S.blob(im, smooth_closed(outer[0], 8), rgb('#f2762a'), rgb('#8a2a10'), 0.9)
            inner = [(28.5, 25), (28 + lean * 0.3, 19), (32 + lean * 0.8, 25 - h * 0.7), (36 + lean * 0.3, 19), (35.5, 25)]
            im.fill(smooth_closed(inner, 8), rgb('#ffd34a'))
            im.fill(ellipse(32 + lean * 0.3, 22, 2.2, 3), rgb('#fff6c8'))
        if ember:
            for (x, y, r) in ((30, 23, 1.6), (34, 22.5, 1.3), (32, 21, 1.0)):
                im.fill(circle(x, y, r), rgb('#ff7a2a'))
            im.line([(32, 20), (30, 14), (33, 8), (31, 2)], 1.6, with_alpha(rgb('#9aa0a6'), 0.5))
        return im
    burning = [(torch((19, 0), 1.0), 110), (torch((22, 2.5), 0.9), 90), (torch((18, -2), 1.0), 120),
               (torch((21, 1), 0.85), 100)]
    smoulder = [(torch(None, 0.25, True), 400), (torch(None, 0.12, True), 500)]
    return [burning, smoulder]


def glow_flower_frames():
    frames = []
    for f, (open_, glow) in enumerate(((0.8, 0.5), (1.0, 1.0), (0.9, 0.75))):
        im = Image(T, T)
        im.fill(circle(32, 30, 22), radial(32, 30, 22, [(0, rgb('#c8ff9a', 0.5 * glow)), (1, rgb('#80ff60', 0.0))]))
        im.line([(32, 64), (31, 50), (32, 36)], 2.8, GRASS_INK)
        im.line([(32, 64), (31, 50), (32, 36)], 1.4, GRASS)
        for side in (1, -1):
            leaf = transform(ellipse(0, 0, 8, 3.2, 16), dx=32 + side * 7, dy=52, angle=-side * 25)
            S.blob(im, leaf, GRASS, GRASS_INK, 0.8)
        for k in range(6):
            a = math.radians(k * 60 - 90 + f * 4)
            r = 7 * open_
            petal = transform(ellipse(0, 0, 5.2 * open_ + 1.5, 3.0, 16), dx=32 + math.cos(a) * r, dy=30 + math.sin(a) * r,
                              angle=math.degrees(a))
            S.blob(im, petal, mix(rgb('#c66be8'), rgb('#f4c6ff'), 0.3 * glow), rgb('#4a1a5a'), 0.8)
        S.blob(im, circle(32, 30, 3.6), mix(rgb('#ffe35a'), rgb('#ffffff'), 0.4 * glow), rgb('#6a4a00'), 0.8)
        frames.append((im, (600, 300, 400)[f]))
    return [frames]


def empty_tile():
    """Tile 0 stands for an empty cell; the palette shows this faint frame for it."""
    im = Image(T, T)
    for i in range(8):
        a, b = i * 8 + 1, i * 8 + 5
        for seg in ([(a, 1), (b, 1)], [(a, 63), (b, 63)], [(1, a), (1, b)], [(63, a), (63, b)]):
            im.line(seg, 1.2, with_alpha(S.WHITE, 0.55))
    im.line([(24, 24), (40, 40)], 1.5, with_alpha(S.WHITE, 0.4))
    im.line([(40, 24), (24, 40)], 1.5, with_alpha(S.WHITE, 0.4))
    return im


def still(fn):
    return lambda: [[(fn(), None)]]


TILESET = [
    ('empty cell', still(empty_tile)),
    ('ground top-left corner', still(lambda: ground_tile(top=True, left=True))),
    ('ground top', still(lambda: ground_tile(top=True))),
    ('ground top-right corner', still(lambda: ground_tile(top=True, right=True))),
    ('ground left side', still(lambda: ground_tile(left=True))),
    ('ground', still(lambda: ground_tile())),
    ('ground right side', still(lambda: ground_tile(right=True))),
    ('ground bottom-left corner', still(lambda: ground_tile(bottom=True, left=True))),
    ('ground bottom', still(lambda: ground_tile(bottom=True))),
    ('ground bottom-right corner', still(lambda: ground_tile(bottom=True, right=True))),
    ('inner corner, grass from the left', still(lambda: inner_corner('left'))),
    ('inner corner, grass from the right', still(lambda: inner_corner('right'))),
    ('ground with stones', still(lambda: ground_tile(extra=stones_extra))),
    ('ground with an old bone', still(lambda: ground_tile(extra=fossil_extra))),
    ('stone platform left', still(lambda: stone_platform('left'))),
    ('stone platform middle', still(lambda: stone_platform('middle'))),
    ('stone platform right', still(lambda: stone_platform('right'))),
    ('hanging plank', still(plank_platform)),
    ('mossy stone block', still(mossy_block)),
    ('wooden crate', still(crate)),
    ('tree trunk', still(lambda: trunk(False))),
    ('tree trunk base', still(lambda: trunk(True))),
    ('leaf canopy', still(canopy)),
    ('hanging vines', still(vines)),
    ('grass and flowers', still(grass_tuft)),
    ('fern', still(fern)),
    ('mushrooms', still(mushrooms)),
    ('boulder', still(boulder)),
    ('berry bush', still(bush)),
    ('arrow sign', still(sign)),
    ('bamboo', still(bamboo)),
    ('water surface (animated)', water_surface_frames),
    ('deep water (animated)', water_body_frames),
    ('waterfall (animated)', waterfall_frames),
    ('torch: burning set a, smouldering set b', torch_frames),
    ('spikes', still(spikes)),
    ('glowing flower (animated)', glow_flower_frames),
    ('stone platform single', still(lambda: stone_platform('single'))),
]
