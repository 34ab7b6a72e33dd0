"""Sprite pictures of the game's entities, each sized so its collision box frames the body."""

import math
import random

import style as S
from raster import (Image, rgb, circle, ellipse, rect, rounded_rect, polygon, linear, radial, transform,
                    with_alpha, mix, smooth_closed, stroke, arc_points, Mask)


def fireball_frames():
    """Flying right; the hot head fills the bullet's box (40, 10)-(50, 20)."""
    frames = []
    for f in range(4):
        im = Image(60, 30)
        rng = random.Random(40 + f)
        im.fill(ellipse(40, 15, 22, 12), radial(42, 15, 22, [(0, rgb('#ffb347', 0.55)), (1, rgb('#ff7a1a', 0.0))], sy=0.55))
        # flame tongues streaming back
        for k, (dy, ln, w) in enumerate(((-4, 30, 5), (4, 28, 5), (0, 38, 6.5), (-7, 18, 3), (7, 20, 3))):
            ln = ln * (0.85 + 0.3 * rng.random())
            wob = rng.uniform(-2.2, 2.2)
            tongue = smooth_closed([(46, 15 + dy * 0.4 - w), (46 - ln * 0.5, 15 + dy * 0.8 + wob - w * 0.6),
                                    (46 - ln, 15 + dy + wob), (46 - ln * 0.5, 15 + dy * 0.8 + wob + w * 0.6),
                                    (46, 15 + dy * 0.4 + w)], 6)
            im.fill(tongue, rgb('#e8441c', 0.85))
        for k, (dy, ln) in enumerate(((-2, 22), (2, 20), (0, 26))):
            ln *= 0.85 + 0.3 * rng.random()
            tongue = smooth_closed([(46, 15 + dy - 3.5), (46 - ln, 15 + dy * 1.5 + rng.uniform(-1, 1)), (46, 15 + dy + 3.5)], 6)
            im.fill(tongue, rgb('#ff9a26', 0.95))
        S.blob(im, circle(45, 15, 6.6), radial(46.5, 14, 7, [(0, rgb('#fffbe0')), (0.45, rgb('#ffe25a')),
                                                             (1, rgb('#ff9a26'))]), rgb('#b8320e'), 0.9)
        for _ in range(3):
            sx, sy = rng.uniform(8, 34), rng.uniform(6, 24)
            im.fill(circle(sx, sy, rng.uniform(0.8, 1.5)), rgb('#ffd34a', 0.9))
        frames.append(im)
    return frames


def magic_donut_frames():
    """The player: a frosted donut with a face, sparkling; body in the box (10, 10)-(53, 53)."""
    frames = []
    cx, cy = 31.5, 31.5
    rng = random.Random(7)
    sprinkles = []
    for i in range(16):
        a = i / 16 * 2 * math.pi + rng.uniform(-0.15, 0.15)
        d = rng.choice((12.5, 16.5, 19))
        sprinkles.append((a, d, rng.uniform(0, 180), rng.choice(('#ff5a5a', '#ffd23a', '#5ad0ff', '#ffffff', '#7ee06a'))))
    for f in range(4):
        im = Image(64, 64)
        bob = (0, -0.6, 0, 0.6)[f]
        ring = ellipse(cx, cy + bob, 21.5, 21.5)
        S.blob(im, ring, radial(cx - 6, cy - 8 + bob, 32, [(0, rgb('#f0b46a')), (1, rgb('#b8742e'))]), S.INK, 1.3)
        icing = smooth_closed([(cx + math.cos(a) * r, cy + bob + math.sin(a) * r)
                               for a, r in [(i / 18 * 2 * math.pi, 19.2 + (1.8 if i % 3 == 0 else 0) + (i % 2) * 0.6)
                                            for i in range(18)]], 6)
        S.blob(im, icing, radial(cx - 5, cy - 7 + bob, 28, [(0, rgb('#ffc4e4')), (1, rgb('#ee6aa8'))]), rgb('#8a2a5a'), 1.0)
        hole = circle(cx, cy + bob, 6.2)
        im.erase(hole)
        im.fill(S.outline(hole, 2.0), S.INK)
        im.fill(stroke(arc_points(cx, cy + bob, 7.4, 7.4, 20, 160, 12), 1.4), rgb('#b8742e'))
        for a, d, rot, col in sprinkles:
            x, y = cx + math.cos(a) * d, cy + bob + math.sin(a) * d
            if abs(y - (cy + bob - 2)) < 7 and abs(x - cx) < 13:
                continue
            sp = transform(rounded_rect(-2.4, -0.8, 4.8, 1.6, 0.8), dx=x, dy=y, angle=rot + f * 0)
            im.fill(sp, rgb(col))
        # the face: two eyes looking the way it flies, and a smile
        for ex in (cx - 9.5, cx + 9.5):
            ey = cy - 11 + bob
            blink = f == 3 and ex < cx + 20
            if blink and False:
                pass
            S.blob(im, ellipse(ex, ey, 3.2, 3.8), S.WHITE, S.INK, 0.9)
            im.fill(circle(ex + 1.0, ey + 0.4, 1.9), S.INK)
            im.fill(circle(ex + 1.6, ey - 0.4, 0.7), S.WHITE)
        im.fill(stroke(arc_points(cx, cy + 10 + bob, 5, 3.2, 20, 160, 12), 1.5), S.INK)
        # sparkles that come and go
        for k, (sx, sy) in enumerate(((8, 10), (56, 14), (54, 52), (6, 46))):
            size = (3.8, 2.2, 0.0, 2.8)[(f + k) % 4]
            if size > 0:
                _sparkle(im, sx, sy, size, rgb('#fff6a8'))
        frames.append(im)
    return frames


def _sparkle(im, x, y, s, colour):
    star = [[(x, y - s * 1.6), (x + s * 0.35, y - s * 0.35), (x + s * 1.6, y), (x + s * 0.35, y + s * 0.35),
             (x, y + s * 1.6), (x - s * 0.35, y + s * 0.35), (x - s * 1.6, y), (x - s * 0.35, y - s * 0.35)]]
    S.blob(im, star, colour, rgb('#a06a00'), 0.6)


def cupcake_frames():
    """A pickup that bobs and glints; body in the box (10, 10)-(40, 40) of a 50 x 50 picture."""
    frames = []
    for f in range(4):
        im = Image(50, 50)
        bob = (0, -1.0, -1.5, -1.0)[f]
        im.fill(ellipse(25, 44, 11 - abs(bob) * 0.8, 2.4), rgb('#000000', 0.18))
        wrap = [[(13, 26 + bob), (37, 26 + bob), (34, 40 + bob), (16, 40 + bob)]]
        S.blob(im, wrap, linear((0, 26), (0, 40), [(0, rgb('#5ed0c8')), (1, rgb('#2a9a94'))]), S.INK, 1.1)
        for x in (17.5, 21.5, 25.0, 28.5, 32.5):
            im.line([(x + (x - 25) * 0.05, 27 + bob), (x - (x - 25) * 0.12, 39.5 + bob)], 1.0, rgb('#1f6f6a'))
        frosting = smooth_closed([(11, 27 + bob), (12, 21 + bob), (17, 17 + bob), (20, 13 + bob), (25, 11.5 + bob),
                                  (30, 13 + bob), (33, 17 + bob), (38, 21 + bob), (39, 27 + bob), (25, 29 + bob)], 6)
        S.blob(im, frosting, radial(21, 15 + bob, 20, [(0, rgb('#fff0f6')), (1, rgb('#f59ac4'))]), rgb('#8a2a5a'), 1.0)
        im.line([(14, 23 + bob), (20, 20.5 + bob), (30, 20.5 + bob), (36, 23 + bob)], 1.1, rgb('#d2609a'))
        im.line([(18, 16.5 + bob), (25, 14.5 + bob), (32, 16.5 + bob)], 1.0, rgb('#d2609a'))
        for k, (x, y, c) in enumerate(((16, 24, '#ffd23a'), (22, 18, '#5ad0ff'), (29, 24, '#7ee06a'), (33, 20, '#ff5a5a'),
                                       (25, 25, '#ffffff'))):
            im.fill(transform(rounded_rect(-1.6, -0.6, 3.2, 1.2, 0.6), dx=x, dy=y + bob, angle=k * 47), rgb(c))
        im.line([(25, 10 + bob), (27.5, 4 + bob)], 1.2, rgb('#3a6a20'))
        S.blob(im, circle(25, 10 + bob, 3.6), radial(24, 9 + bob, 4, [(0, rgb('#ff8a8a')), (1, rgb('#c8141e'))]), S.INK, 0.9)
        im.fill(circle(23.8, 8.8 + bob, 0.9), rgb('#ffffff', 0.9))
        if f in (1, 2):
            _sparkle(im, (36, 39)[f - 1], (12, 9)[f - 1], (2.6, 1.8)[f - 1], rgb('#fffbe0'))
        frames.append(im)
    return frames


SNOW_LIGHT = rgb('#ffffff')
SNOW = rgb('#dceaf6')
SNOW_SHADE = rgb('#9ab6d4')
SNOW_INK = rgb('#2a3a52')


def _snowball(im, cx, cy, rx, ry):
    S.blob(im, ellipse(cx, cy, rx, ry), radial(cx - rx * 0.35, cy - ry * 0.4, max(rx, ry) * 1.5,
                                               [(0, SNOW_LIGHT), (0.55, SNOW), (1, SNOW_SHADE)]), SNOW_INK, 1.2)
    for (dx, dy, r) in ((0.3, 0.2, 0.16), (-0.25, 0.45, 0.11), (0.5, -0.3, 0.09)):
        im.fill(circle(cx + dx * rx, cy + dy * ry, r * rx), with_alpha(SNOW_SHADE, 0.7))


def snowball_big():
    """Dropped from the tank's arm: box (16, 49)-(59, 91); falls with its trail above it."""
    im = Image(76, 100)
    cx, cy = 37.5, 70
    for k, (dx, ln, w) in enumerate(((-9, 34, 1.8), (0, 46, 2.4), (9, 30, 1.8), (-4, 22, 1.4), (5, 26, 1.4))):
        x0 = cx + dx
        im.line([(x0, cy - 14), (x0 + ln * 0.12, cy - 14 - ln)], w, with_alpha(SNOW_SHADE, 0.75))
    im.fill(ellipse(cx + 2, cy - 24, 14, 18), with_alpha(SNOW, 0.35))
    _snowball(im, cx, cy, 21.5, 21)
    for (x, y, r) in ((20, 40, 2.2), (58, 36, 1.8), (30, 22, 1.5), (50, 50, 1.4)):
        S.blob(im, circle(x, y, r), SNOW_LIGHT, SNOW_INK, 0.6)
    return im


def snowball_small():
    """Fired flat from the tank's gun, flying left: box (10, 11)-(31, 36)."""
    im = Image(60, 44)
    cx, cy = 20.5, 23.5
    for dy, ln, w in ((-6, 26, 1.6), (0, 36, 2.2), (6, 24, 1.6)):
        im.line([(cx + 9, cy + dy), (cx + 9 + ln, cy + dy * 1.2)], w, with_alpha(SNOW_SHADE, 0.75))
    im.fill(ellipse(cx + 16, cy, 16, 9), with_alpha(SNOW, 0.35))
    _snowball(im, cx, cy, 11.5, 12.5)
    return im
