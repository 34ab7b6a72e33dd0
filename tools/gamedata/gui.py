"""The skeleton editor's button strips and tabs.

Every icon is drawn on a 24-unit design square and scaled into its button, so the toolbar
(42 px), transport (38 px) and frame-edit (32 px) buttons share one look: dark outlines, flat
fills, green for adding or playing, red for removing, blue for motion, amber locks.
"""

import math

import style as S
from raster import (Image, rgb, circle, ellipse, rect, rounded_rect, polygon, stroke, arc_points,
                    linear, transform, grey_out, with_alpha, shade, oriented)


class Design:
    """Draws design-unit shapes into an image area of size px at (ox, oy)."""

    def __init__(self, im, ox, oy, size, margin=0.16):
        self.im = im
        self.k = size * (1 - 2 * margin) / 24.0
        self.ox = ox + size * margin
        self.oy = oy + size * margin
        self.lw = max(1.1, 1.25 * self.k)

    def t(self, path):
        return transform(path, dx=self.ox, dy=self.oy, sx=self.k)

    def p(self, pts):
        return [(self.ox + x * self.k, self.oy + y * self.k) for x, y in pts]

    def fill(self, path, paint):
        self.im.fill(self.t(path), paint)

    def blob(self, path, paint, line=S.INK, lw=None):
        S.blob(self.im, self.t(path), paint, line, self.lw if lw is None else lw)

    def line(self, pts, w, paint):
        self.im.line(self.p(pts), w * self.k, paint)

    def outlined_line(self, pts, w, paint):
        S.blob(self.im, stroke(self.p(pts), w * self.k), paint, S.INK, self.lw)

    def bone(self, p0, p1, t=3.0, fill=S.BONE):
        S.draw_bone(self.im, self.p([p0])[0], self.p([p1])[0], t * self.k, self.lw, fill)

    def arrow(self, p0, p1, shaft=2.4, head_w=6.5, head_l=5.0, paint=S.BLUE):
        self.blob(S.arrow_path(p0, p1, shaft, head_w, head_l), paint)

    def badge(self, cx, cy, r, colour, symbol):
        (x, y), = self.p([(cx, cy)])
        S.badge(self.im, x, y, r * self.k, colour, symbol, self.lw)

    def padlock(self, x, y, w, h):
        (px, py), = self.p([(x, y)])
        S.draw_padlock(self.im, px, py, w * self.k, h * self.k, self.lw)

    def eye(self, cx, cy, w):
        (x, y), = self.p([(cx, cy)])
        S.draw_eye(self.im, x, y, w * self.k, self.lw)

    def joint(self, x, y, r=1.7, colour=S.OVERLAY_JOINT):
        self.blob(circle(x, y, r), colour, S.INK, self.lw * 0.7)


# ----------------------------------------------------------------------------------------------
# Button faces: 'normal', 'pressed' (also "on") and 'greyed'.
def draw_face(im, x, y, size, look, inset=1.0):
    r = size * 0.16
    fx, fy, fw = x + inset, y + inset, size - 2 * inset
    if look == 'pressed':
        top, bottom, edge = rgb('#97a876'), rgb('#b7c69b'), rgb('#4d5a35')
    elif look == 'greyed':
        top, bottom, edge = rgb('#e4e1d6'), rgb('#d3cfc1'), rgb('#a19c8a')
    else:
        top, bottom, edge = rgb('#fbf8ec'), rgb('#d6ceb0'), rgb('#6b6448')
    face = rounded_rect(fx, fy, fw, fw, r)
    im.fill(face, linear((0, fy), (0, fy + fw), [(0, top), (1, bottom)]))
    if look == 'pressed':
        # a shadow along the top and left edges: the button sits lower than its frame
        im.line([(fx + r * 0.6, fy + 1.4), (fx + fw - r * 0.6, fy + 1.4)], 1.6, with_alpha(rgb('#3d4828'), 0.45))
        im.line([(fx + 1.4, fy + r * 0.6), (fx + 1.4, fy + fw - r * 0.6)], 1.6, with_alpha(rgb('#3d4828'), 0.35))
    elif look == 'normal':
        im.line([(fx + r * 0.7, fy + 1.5), (fx + fw - r * 0.7, fy + 1.5)], 1.2, with_alpha(S.WHITE, 0.9))
    im.fill(S.outline(face, 1.2), edge)


def button(size, look, icon, inset=1.0, extra=None):
    """One button image: the face, then the icon (shifted by a pixel when pressed)."""
    im = Image(size, size)
    draw_face(im, 0, 0, size, look, inset)
    layer = Image(size, size)
    shift = 1 if look == 'pressed' else 0
    icon(Design(layer, shift, shift, size), look if extra is None else extra)
    if look == 'greyed':
        layer.map_colours(lambda c: grey_out(c, 0.8, 0.62))
        im.draw_image(layer, 0, 0, 0.75)
    else:
        im.draw_image(layer, 0, 0)
    return im


# ----------------------------------------------------------------------------------------------
# Toolbar icons, in the toolbar's order.
def icon_keep_children(d, look):
    # the parent turns about its joint (ghost = where it was); its children still point right
    ghost = Image(d.im.width, d.im.height)
    g = Design(ghost, 0, 0, 1)
    g.k, g.ox, g.oy, g.lw = d.k, d.ox, d.oy, d.lw
    g.bone((3, 21), (14, 17), 2.6)
    g.bone((14, 17), (21, 17), 2.6)
    d.im.draw_image(ghost, 0, 0, 0.5)
    d.line(arc_points(3, 21, 13, 13, -22, -52, 10), 1.7, S.BLUE)
    d.blob(polygon([(9.2, 8.4), (11.4, 11.6), (7.4, 11.8)]), S.BLUE, S.INK, d.lw * 0.6)
    d.bone((3, 21), (8, 6), 2.6)
    d.bone((8, 6), (16, 6), 2.6)
    d.blob(polygon([(18.2, 3.0), (23.6, 6), (18.2, 9.0)]), S.BLUE, S.INK, d.lw * 0.6)
    d.blob(polygon([(23.0, 14.6), (24.6, 17), (23.0, 19.4)]), with_alpha(S.BLUE, 0.6), S.INK, d.lw * 0.4)
    d.joint(3, 21, 2.0, S.WHITE)


def icon_angle_lock(d, look):
    d.outlined_line([(2, 17), (16, 17)], 2.2, S.BONE)
    d.outlined_line([(2, 17), (11, 4)], 2.2, S.BONE)
    d.line(arc_points(2, 17, 9, 9, -55, 0, 14), 1.8, S.BLUE)
    d.joint(2, 17, 2.0, S.WHITE)
    d.padlock(14.5, 14, 9, 8.5)


def icon_length_lock(d, look):
    d.bone((2, 6), (17, 6), 3.0)
    d.line([(2, 12), (17, 12)], 1.3, S.BLUE)
    d.line([(2, 9.5), (2, 14.5)], 1.3, S.BLUE)
    d.line([(17, 9.5), (17, 14.5)], 1.3, S.BLUE)
    d.fill(polygon([(2.6, 12), (5.6, 10.2), (5.6, 13.8)]), S.BLUE)
    d.fill(polygon([(16.4, 12), (13.4, 10.2), (13.4, 13.8)]), S.BLUE)
    d.padlock(14.5, 14, 9, 8.5)


def icon_mirror(d, look):
    for y in range(0, 24, 4):
        d.line([(12, y + 0.6), (12, y + 2.4)], 1.4, S.INK)
    d.blob(polygon([(10, 5), (10, 19), (1, 12)]), S.BLUE)
    d.blob(polygon([(14, 5), (14, 19), (23, 12)]), S.WHITE)
    d.fill(polygon([(15.8, 8.6), (15.8, 15.4), (20.0, 12)]), with_alpha(S.BLUE, 0.25))


def icon_add_bone(d, look):
    d.bone((3, 17), (15, 5), 3.4)
    d.badge(17.5, 17.5, 5.6, S.GREEN, '+')


def icon_subtract_bone(d, look):
    d.bone((3, 17), (15, 5), 3.4)
    d.badge(17.5, 17.5, 5.6, S.RED, '-')


def icon_insert_bone(d, look):
    d.bone((0.5, 19), (5.5, 19), 2.2)
    d.bone((18.5, 19), (23.5, 19), 2.2)
    d.bone((7.5, 19), (16.5, 19), 2.6, rgb('#9fdb8a'))
    d.joint(6.5, 19, 1.4)
    d.joint(17.5, 19, 1.4)
    d.arrow((12, 1.5), (12, 14.5), 2.6, 7.0, 5.0, S.GREEN)


def icon_extract_bone(d, look):
    d.bone((0.5, 20), (11.2, 20), 2.4)
    d.bone((12.8, 20), (23.5, 20), 2.4)
    d.joint(12, 20, 1.6)
    d.bone((7.5, 11.5), (16.5, 11.5), 2.6, rgb('#f2a59b'))
    d.arrow((12, 8.5), (12, 0), 2.6, 7.0, 4.5, S.RED)


def icon_bone_properties(d, look):
    d.bone((2, 15), (14, 3), 3.2)
    d.blob(S.gear_path(17, 17, 6.4, 8), rgb('#8a9bb0'))
    d.blob(circle(17, 17, 2.3), rgb('#e9eef4'))


def icon_choose_skin(d, look):
    back = [[(1, 7), (8, 7), (10, 9), (23, 9), (23, 21), (1, 21)]]
    d.blob(back, rgb('#c98f2e'))
    d.blob(transform(rounded_rect(6, 2, 14, 12, 1.2), angle=-8, cx=13, cy=8),
           linear((0, 2), (0, 14), [(0, rgb('#8cc8f0')), (1, rgb('#d8f0ff'))]))
    d.fill(transform(polygon([(7.5, 12.8), (11, 8.5), (13.5, 11), (15.5, 9), (19, 12.8)]), angle=-8, cx=13, cy=8),
           rgb('#4f9a45'))
    d.fill(transform(circle(16.5, 5.2, 1.6), angle=-8, cx=13, cy=8), rgb('#f6c542'))
    d.blob([[(1, 11), (23, 11), (21.5, 21), (2.5, 21)]], rgb('#f0c05a'))


def icon_show_skins(d, look):
    body = rgb('#e8833a')
    d.blob(rounded_rect(3, 9, 11, 13, 4), body)
    d.blob(circle(8.5, 5.5, 4.2), body)
    d.fill(circle(9.8, 4.8, 0.9), S.INK)
    d.eye(16.5, 17, 12)


def icon_show_bones(d, look):
    pts = {'hip': (6, 15), 'neck': (7, 6), 'head': (7.5, 2.5), 'hand': (13, 10),
           'foot1': (3, 22), 'foot2': (10, 21)}
    for a, b in (('hip', 'neck'), ('neck', 'head'), ('neck', 'hand'), ('hip', 'foot1'), ('hip', 'foot2')):
        d.line([pts[a], pts[b]], 1.9, rgb('#22b14c'))
    for n in pts:
        d.joint(*pts[n], 1.5)
    d.eye(16.5, 17, 12)


TOOLBAR_ICONS = [icon_keep_children, icon_angle_lock, icon_length_lock, icon_mirror, icon_add_bone,
                 icon_subtract_bone, icon_insert_bone, icon_extract_bone, icon_bone_properties,
                 icon_choose_skin, icon_show_skins, icon_show_bones]


def toolbar_filler(size):
    """The bar behind the buttons, repeated across the window."""
    im = Image(size, size)
    im.fill(rect(0, 0, size, size), linear((0, 0), (0, size), [(0, rgb('#e9e4cf')), (1, rgb('#c9c2a4'))]))
    im.fill(rect(0, 0, size, 1), with_alpha(S.WHITE, 0.8))
    im.fill(rect(0, size - 1, size, 1), rgb('#6b6448'))
    return im


def make_toolbar():
    size = 42
    im = Image(size * (len(TOOLBAR_ICONS) + 1), size * 3)
    filler = toolbar_filler(size)
    for row, look in enumerate(('normal', 'pressed', 'greyed')):
        for i, icon in enumerate(TOOLBAR_ICONS):
            im.draw_image(filler, i * size, row * size)
            im.draw_image(button(size, look, icon, inset=2.0), i * size, row * size)
        im.draw_image(filler, len(TOOLBAR_ICONS) * size, row * size)
    return im


# ----------------------------------------------------------------------------------------------
# Tabs: 190 x 24 per half, tabs 60 pixels wide.
def make_tabs():
    w, half = 190, 24
    im = Image(w, 2 * half)
    labels = ('Frames', 'Bones')
    for sel in (0, 1):
        oy = sel * half
        im.fill(rect(0, oy, w, half), linear((0, oy), (0, oy + half), [(0, rgb('#e9e4cf')), (1, rgb('#c9c2a4'))]))
        im.fill(rect(0, oy + half - 1, w, 1), S.INK)
        order = [i for i in (0, 1) if i != sel] + [sel]
        for i in order:
            x = i * 60
            selected = i == sel
            top = oy + (2 if selected else 5)
            shape = [[(x + 1, oy + half + (0 if selected else -1)), (x + 1, top + 4),
                      (x + 5, top), (x + 55, top), (x + 59, top + 4),
                      (x + 59, oy + half + (0 if selected else -1))]]
            fill = S.PANEL if selected else rgb('#aaa58c')
            im.fill(shape, fill)
            edge = stroke([(x + 1, oy + half), (x + 1, top + 4), (x + 5, top), (x + 55, top),
                           (x + 59, top + 4), (x + 59, oy + half)], 1.0, cap='butt')
            im.fill(edge, S.INK)
            if selected:
                im.fill(rect(x + 1.5, oy + half - 1.5, 57, 1.5), S.PANEL)
                im.fill(rect(x + 5, top + 1.0, 50, 1.0), with_alpha(S.WHITE, 0.7))
            cap = 8.6
            tw = S.text_width(labels[i], cap)
            colour = S.INK if selected else rgb('#3c3a30')
            S.draw_text(im, labels[i], x + 30 - tw / 2, oy + half - 6.2 + (0 if selected else 0.5), cap, colour,
                        weight=1.45 if selected else 1.25)
    return im


# ----------------------------------------------------------------------------------------------
# Transport: five 38 x 38 buttons, normal row over pressed row.
def _tri(d, x, y, w, h, left, paint):
    pts = [(x + w, y), (x + w, y + h), (x, y + h / 2)] if left else [(x, y), (x, y + h), (x + w, y + h / 2)]
    d.blob(polygon(pts), paint)


def icon_prev_set(d, look):
    d.blob(rect(2.5, 5, 3, 14), S.SLATE)
    _tri(d, 6, 5, 8, 14, True, S.SLATE)
    _tri(d, 13.5, 5, 8, 14, True, S.SLATE)


def icon_prev_frame(d, look):
    d.blob(rect(5, 5, 3, 14), S.SLATE)
    _tri(d, 8.5, 5, 10, 14, True, S.SLATE)


def icon_play(d, look):
    if look == 'pressed':
        d.blob(rounded_rect(5.5, 5.5, 13, 13, 1.5), S.RED)
    else:
        _tri(d, 6.5, 3.5, 13.5, 17, False, S.GREEN)


def icon_next_frame(d, look):
    _tri(d, 5.5, 5, 10, 14, False, S.SLATE)
    d.blob(rect(16, 5, 3, 14), S.SLATE)


def icon_next_set(d, look):
    _tri(d, 2.5, 5, 8, 14, False, S.SLATE)
    _tri(d, 10, 5, 8, 14, False, S.SLATE)
    d.blob(rect(18.5, 5, 3, 14), S.SLATE)


TRANSPORT_ICONS = [icon_prev_set, icon_prev_frame, icon_play, icon_next_frame, icon_next_set]


def make_transport():
    size = 38
    im = Image(size * 5, size * 2)
    for row, look in enumerate(('normal', 'pressed')):
        for i, icon in enumerate(TRANSPORT_ICONS):
            im.fill(rect(i * size, row * size, size, size), rgb('#cbc6ad'))
            im.draw_image(button(size, look, icon, inset=1.0), i * size, row * size)
    return im


# ----------------------------------------------------------------------------------------------
# Frame-edit column: 32 x 32 buttons, pressed on the left, normal on the right.
FILM = rgb('#47474f')
FILM_WINDOW = rgb('#e6eef6')


def film_frame(d, x, y, w=11, h=15, window=FILM_WINDOW):
    d.blob(rounded_rect(x, y, w, h, 1.2), FILM)
    for k in range(4):
        hy = y + 1.2 + k * (h - 2.4) / 3.5
        d.fill(rect(x + 0.8, hy, 1.4, 1.6), rgb('#c9c9d2'))
        d.fill(rect(x + w - 2.2, hy, 1.4, 1.6), rgb('#c9c9d2'))
    d.fill(rect(x + 3, y + 2, w - 6, h - 4), window)


def film_set(d, x, y):
    film_frame(d, x + 5, y - 3, window=rgb('#cad6e2'))
    film_frame(d, x + 2.5, y - 1.5, window=rgb('#d8e2ec'))
    film_frame(d, x, y)


def icon_new_frame(d, look):
    film_frame(d, 3, 3)
    d.badge(17.5, 17.5, 5.6, S.GREEN, '+')


def icon_new_set(d, look):
    film_set(d, 1.5, 6)
    d.badge(17.5, 17.5, 5.6, S.GREEN, '+')


def icon_delete_frame(d, look):
    film_frame(d, 3, 3)
    d.badge(17.5, 17.5, 5.6, S.RED, 'x')


def icon_delete_set(d, look):
    film_set(d, 1.5, 6)
    d.badge(17.5, 17.5, 5.6, S.RED, 'x')


def icon_move_up(d, look):
    film_frame(d, 2, 6)
    d.arrow((18, 22), (18, 1.5), 3.0, 8.5, 6.0, S.BLUE)


def icon_move_down(d, look):
    film_frame(d, 2, 3)
    d.arrow((18, 2), (18, 22.5), 3.0, 8.5, 6.0, S.BLUE)


def icon_tweening(d, look):
    pts = [(3, 19), (8, 11), (14, 7.5), (21, 6.5)]
    for x, y in ((8, 11), (14, 7.5)):
        d.blob(circle(x, y, 3.0), with_alpha(S.BLUE, 0.38), with_alpha(S.INK, 0.45), d.lw * 0.8)
    for i in range(12):
        a = i / 12.0
        b = (i + 0.5) / 12.0
        d.line([_along(pts, a), _along(pts, b)], 1.0, S.INK)
    d.blob(circle(3, 19, 3.4), S.BLUE)
    d.blob(circle(21, 6.5, 3.4), S.BLUE)
    d.fill(rounded_rect(3, 20.5, 18, 2.6, 1.2), with_alpha(S.INK, 0.0))


def _along(pts, t):
    segs = len(pts) - 1
    f = t * segs
    i = min(segs - 1, int(f))
    u = f - i
    (x0, y0), (x1, y1) = pts[i], pts[i + 1]
    return (x0 + (x1 - x0) * u, y0 + (y1 - y0) * u)


def icon_copy_skeleton(d, look):
    fig = {'hip': (4, 14), 'neck': (4.5, 6.5), 'head': (4.5, 3), 'hand1': (1, 11), 'hand2': (8, 10),
           'foot1': (1.5, 21), 'foot2': (7, 21)}
    for a, b in (('hip', 'neck'), ('neck', 'head'), ('neck', 'hand1'), ('neck', 'hand2'), ('hip', 'foot1'),
                 ('hip', 'foot2')):
        d.line([fig[a], fig[b]], 1.6, rgb('#22b14c'))
    for n in fig:
        d.joint(*fig[n], 1.3)
    d.arrow((8.5, 12.5), (14.5, 12.5), 2.2, 6.0, 3.6, S.BLUE)
    film_frame(d, 14, 4.5, 9.5, 16)


FRAME_EDIT_ICONS = [icon_new_frame, icon_new_set, icon_delete_frame, icon_delete_set, icon_move_up,
                    icon_move_down, icon_tweening, icon_copy_skeleton]


def make_frame_edit():
    size = 32
    im = Image(size * 2, size * len(FRAME_EDIT_ICONS))
    for i, icon in enumerate(FRAME_EDIT_ICONS):
        for col, look in enumerate(('pressed', 'normal')):
            im.fill(rect(col * size, i * size, size, size), rgb('#cbc6ad'))
            d_im = button(size, look, icon, inset=1.0)
            im.draw_image(d_im, col * size, i * size)
    return im
