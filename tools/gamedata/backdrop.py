"""The level backdrop: a misty jungle, 800 x 600, that repeats side by side.

Levels draw it twice next to each other, so every layer is periodic in the picture's width:
silhouettes are sums of whole-period sine waves and every object near an edge is drawn a
second time one width over.
"""

import math
import random

import style as S
from raster import (Image, rgb, circle, ellipse, rect, polygon, linear, radial, transform, with_alpha, mix,
                    smooth_closed, stroke)

W, H = 800, 600


def periodic(x, terms):
    return sum(a * math.sin(2 * math.pi * k * x / W + p) for a, k, p in terms)


def silhouette(base, terms, bottom=H + 2, step=4):
    pts = [(x, base + periodic(x, terms)) for x in range(-8, W + 9, step)]
    return [pts + [(W + 8, bottom), (-8, bottom)]]


def wrapped(im, path_fn, x, reach, *args):
    """Draw an object at x and again one width over when it reaches past an edge."""
    for dx in (-W, 0, W):
        if x + dx + reach < 0 or x + dx - reach > W:
            continue
        path_fn(im, x + dx, *args)


def tree_crown(cx, cy, r, rng_seed):
    rng = random.Random(rng_seed)
    path = []
    for _ in range(7):
        a = rng.uniform(math.pi, 2 * math.pi)
        d = rng.uniform(0.2, 0.7) * r
        path.extend(circle(cx + math.cos(a) * d, cy + math.sin(a) * d * 0.7, r * rng.uniform(0.45, 0.7)))
    path.extend(ellipse(cx, cy + r * 0.1, r * 0.9, r * 0.55))
    return path


def make_backdrop():
    im = Image(W, H)
    # sky
    im.fill(rect(0, 0, W, H), linear((0, 0), (0, 420), [(0, rgb('#79c2c4')), (0.55, rgb('#bfe3c9')),
                                                       (1, rgb('#eef3cf'))]))
    # the sun's haze, centred so that it repeats: a soft band of light across the middle
    im.fill(rect(0, 160, W, 260), linear((0, 160), (0, 420), [(0, rgb('#ffffff', 0.0)), (0.6, rgb('#fff8d8', 0.45)),
                                                              (1, rgb('#ffffff', 0.0))]))
    for x, y, r in ((190, 190, 90),):
        for dx in (-W, 0, W):
            im.fill(circle(x + dx, y, r * 2.2), radial(x + dx, y, r * 2.2, [(0, rgb('#fffbe0', 0.55)),
                                                                            (1, rgb('#fffbe0', 0.0))]))
        for dx in (-W, 0, W):
            im.fill(circle(x + dx, y, 34), rgb('#fffbe8', 0.9))
    # far mountains in two hazy ranges
    im.fill(silhouette(300, [(38, 1, 0.4), (22, 3, 1.9), (12, 7, 0.2), (6, 13, 2.8)]),
            linear((0, 220), (0, 420), [(0, rgb('#a9cfc2')), (1, rgb('#cfe4cf'))]))
    im.fill(silhouette(345, [(30, 2, 2.2), (18, 5, 0.7), (9, 11, 1.3), (4, 23, 0.5)]),
            linear((0, 280), (0, 460), [(0, rgb('#8dbca9')), (1, rgb('#bcd9c0'))]))
    # a waterfall down the far cliffs
    for dx in (-W, 0, W):
        x = 560 + dx
        im.fill(polygon([(x - 7, 318), (x + 7, 318), (x + 12, 430), (x - 10, 430)]), rgb('#e6f6f4', 0.75))
        im.fill(ellipse(x + 1, 430, 26, 7), rgb('#f2fbf8', 0.7))
    # rolling jungle hills with tree crowns along their tops
    rng = random.Random(3)
    hill = lambda x: 395 + periodic(x, [(22, 2, 0.9), (12, 5, 2.4), (6, 9, 0.1)])
    crowns = []
    for i in range(34):
        x = i * W / 34 + rng.uniform(-6, 6)
        crowns.extend(tree_crown(x, hill(x) - 4, rng.uniform(18, 30), i))
        if x < 40:
            crowns.extend(tree_crown(x + W, hill(x) - 4, 0, i))
    mid = silhouette(395, [(22, 2, 0.9), (12, 5, 2.4), (6, 9, 0.1)])
    im.fill(mid + _wrap_path(crowns), linear((0, 340), (0, 600), [(0, rgb('#6fa98c')), (1, rgb('#8fbfa0'))]))
    # mist lying in the valley
    im.fill(rect(0, 380, W, 120), linear((0, 380), (0, 500), [(0, rgb('#e8f4e0', 0.0)), (0.5, rgb('#e8f4e0', 0.5)),
                                                              (1, rgb('#e8f4e0', 0.0))]))
    # nearer trees: tall trunks with palm-like crowns
    near = random.Random(11)
    for i in range(9):
        x = i * W / 9 + near.uniform(-20, 20)
        h = near.uniform(170, 250)
        wrapped(im, _palm, x, 120, 470 - h, near.randint(0, 10 ** 6))
    # a dense belt of foliage along the bottom
    belt = lambda x: 470 + periodic(x, [(14, 3, 1.2), (9, 8, 0.3), (5, 17, 2.0)])
    bushes = []
    for i in range(40):
        x = i * W / 40 + rng.uniform(-5, 5)
        r = rng.uniform(16, 28)
        bushes.extend(circle(x, belt(x) + 6, r))
    im.fill(silhouette(480, [(14, 3, 1.2), (9, 8, 0.3), (5, 17, 2.0)]) + _wrap_path(bushes),
            linear((0, 440), (0, 600), [(0, rgb('#3f8a5a')), (1, rgb('#2b6b46'))]))
    for i in range(40):
        x = i * W / 40 + 7
        for dx in (-W, 0, W):
            im.fill(ellipse(x + dx, belt(x) - 6, 9, 4, rotation=-0.4), rgb('#64b07a', 0.55))
    # big leaves at the very bottom
    lv = random.Random(5)
    for i in range(16):
        x = i * W / 16 + lv.uniform(-10, 10)
        wrapped(im, _big_leaf, x, 70, 600 + lv.uniform(-10, 20), lv.uniform(-60, -20) if i % 2 else lv.uniform(-160, -120),
                lv.uniform(55, 80))
    # light shafts from the canopy
    for x, w in ((120, 60), (330, 40), (520, 70), (700, 45)):
        for dx in (-W, 0, W):
            im.fill(polygon([(x + dx, 0), (x + dx + w, 0), (x + dx + w + 160, H), (x + dx + 160 - w * 0.2, H)]),
                    linear((0, 0), (0, H), [(0, rgb('#fffbe0', 0.16)), (1, rgb('#fffbe0', 0.0))]))
    # the canopy overhead, with hanging vines
    top = lambda x: 38 + periodic(x, [(12, 4, 0.5), (8, 9, 1.9), (4, 19, 0.3)])
    leaves = []
    for i in range(50):
        x = i * W / 50 + rng.uniform(-4, 4)
        leaves.extend(circle(x, top(x), rng.uniform(14, 24)))
    canopy = [[(x, -2) for x in range(-8, W + 9, 8)][::-1] + [(x, top(x)) for x in range(-8, W + 9, 4)]]
    im.fill(canopy + _wrap_path(leaves), linear((0, 0), (0, 70), [(0, rgb('#24583a')), (1, rgb('#2f7048'))]))
    vn = random.Random(9)
    for i in range(14):
        x = i * W / 14 + vn.uniform(-15, 15)
        ln = vn.uniform(90, 260)
        wrapped(im, _vine, x, 30, top(x), ln, vn.uniform(0, 6))
    return im


def _wrap_path(path):
    out = []
    for poly in path:
        xs = [p[0] for p in poly]
        out.append(poly)
        if min(xs) < 0:
            out.append([(x + W, y) for x, y in poly])
        if max(xs) > W:
            out.append([(x - W, y) for x, y in poly])
    return out


def _palm(im, x, top, seed):
    rng = random.Random(seed)
    trunk_col = rgb('#5b8f70')
    lean = rng.uniform(-18, 18)
    pts = [(x + lean * (1 - t) ** 2 * 0 + lean * t * t, 470 - (470 - top) * t) for t in [i / 12 for i in range(13)]]
    pts = [(x + lean * (1 - (470 - y) / (470 - top)) ** 0 * ((470 - y) / (470 - top)) ** 2, y) for _, y in pts]
    im.line(pts, 9, trunk_col)
    tx, ty = pts[-1]
    fronds = []
    for k in range(7):
        a = math.radians(-180 + k * 30 + rng.uniform(-8, 8))
        ln = rng.uniform(55, 80)
        mx, my = tx + math.cos(a) * ln * 0.5, ty + math.sin(a) * ln * 0.5 - 12
        ex, ey = tx + math.cos(a) * ln, ty + math.sin(a) * ln * 0.6 + 25
        fronds.append([(tx, ty - 4), (mx, my - 6), (ex, ey), (mx, my + 6), (tx, ty + 4)])
    im.fill([smooth_closed(f, 6)[0] for f in fronds], rgb('#4f8f68'))
    im.fill(circle(tx, ty, 7), rgb('#4a7f5e'))


def _big_leaf(im, x, y, angle, length):
    leaf = transform(smooth_closed([(0, 0), (length * 0.35, -length * 0.22), (length, 0), (length * 0.35, length * 0.2)], 8),
                     dx=x, dy=y, angle=angle, cx=0, cy=0)
    S.blob(im, leaf, rgb('#2e7a4a'), rgb('#1a4a2c'), 1.2)
    a = math.radians(angle)
    im.line([(x, y), (x + math.cos(a) * length * 0.95, y + math.sin(a) * length * 0.95)], 1.6, rgb('#1a4a2c'))


def _vine(im, x, top, length, phase):
    pts = [(x + 6 * math.sin(t * 3 + phase) * t, top + length * t) for t in [i / 30 for i in range(31)]]
    im.line(pts, 3.2, rgb('#2a6040'))
    for i, (px, py) in enumerate(pts[3::3]):
        side = 1 if i % 2 else -1
        leaf = transform(ellipse(0, 0, 7, 3.2, 14), dx=px + side * 6, dy=py, angle=side * 35 + 90 * 0)
        im.fill(leaf, rgb('#3b8556') if i % 3 else rgb('#2f7048'))
