"""The shipped skeletons: each is drawn once in its rest pose, part by part, then given frames.

Coordinates are the character's own (origin = start of the root bone "Trunk", y down).
Angle changes in frames are degrees, positive turning clockwise on screen.
"""

import math

import style as S
from raster import (rgb, circle, ellipse, rect, rounded_rect, polygon, linear, radial, transform, with_alpha,
                    mix, shade, smooth_closed, stroke, arc_points, quad_bezier)
from skeleton import Rig, Recorder

INK = S.INK
LW = 1.3


def parts(rig):
    return {b.name: Recorder() for b in rig.bones}


def limb(rec, p0, p1, w0, w1, paint, lw=LW):
    """A tapered capsule from p0 (width w0) to p1 (width w1)."""
    (x0, y0), (x1, y1) = p0, p1
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy) or 1
    nx, ny = -dy / ln, dx / ln
    path = [[(x0 + nx * w0 / 2, y0 + ny * w0 / 2), (x1 + nx * w1 / 2, y1 + ny * w1 / 2),
             (x1 - nx * w1 / 2, y1 - ny * w1 / 2), (x0 - nx * w0 / 2, y0 - ny * w0 / 2)]]
    path += circle(x0, y0, w0 / 2) + circle(x1, y1, w1 / 2)
    rec.blob(path, paint, INK, lw)


def side_shade(x0, x1, light, dark):
    return linear((x0, 0), (x1, 0), [(0, light), (1, dark)])


def vshade(y0, y1, light, dark):
    return linear((0, y0), (0, y1), [(0, light), (1, dark)])


# ================================================================================================
# Cactus man: a walking saguaro with a flower on its head. Faces right.
def cactus_man():
    rig = Rig('Cactus Man 2 (small)', 'Cactus Man')
    rig.set_root((0, 6))
    rig.add('Body', 'Trunk', (0, -20))
    rig.add('Head', 'Body', (0, -36))
    rig.add('Flower', 'Head', (0, -34))
    rig.add('Hips', 'Trunk', (0, 36))
    for side, sx in (('Back', -1), ('Front', 1)):
        rig.add(side + ' Thigh', 'Hips', (sx * 3, 56))
        rig.add(side + ' Shin', side + ' Thigh', (sx * 3, 73))
        rig.add(side + ' Shoulder', 'Body', (sx * 11, -4))
        rig.add(side + ' Arm', side + ' Shoulder', (sx * 22, -4))
        rig.add(side + ' Forearm', side + ' Arm', (sx * 22, -21))
    rig.draw_order = ['Back Shoulder', 'Back Arm', 'Back Forearm', 'Back Thigh', 'Back Shin', 'Hips', 'Body',
                      'Head', 'Flower', 'Front Thigh', 'Front Shin', 'Front Shoulder', 'Front Arm', 'Front Forearm']
    rig.solve_rest()
    p = parts(rig)
    green, dark, light = rgb('#4caf50'), rgb('#2e7d32'), rgb('#8bd46e')
    body_paint = side_shade(-14, 14, light, dark)

    def ribs(rec, x0, x1, y0, y1, n):
        for i in range(1, n):
            x = x0 + (x1 - x0) * i / n
            rec.line([(x, y0), (x, y1)], 1.0, with_alpha(dark, 0.8))

    def spines(rec, pts):
        for x, y, d in pts:
            rec.line([(x, y), (x + d * 2.2, y - 1.6)], 0.8, rgb('#fff6d8'))

    # the column
    col = rounded_rect(-13, -24, 26, 66, 12)
    p['Body'].blob(col, body_paint)
    ribs(p['Body'], -13, 13, -18, 38, 4)
    spines(p['Body'], [(-13, -6, -1), (-13, 8, -1), (-13, 22, -1), (13, -2, 1), (13, 14, 1), (13, 28, 1)])
    # head: the dome with the face
    dome = rounded_rect(-13, -45, 26, 30, 12.5)
    p['Head'].blob(dome, body_paint)
    ribs(p['Head'], -13, 13, -40, -20, 4)
    p['Head'].fill(rect(-11.5, -18, 23, 4), with_alpha(green, 0.0))
    for ex in (1.5, 9):
        p['Head'].blob(ellipse(ex, -31, 3.0, 3.8), S.WHITE, INK, 0.9)
        p['Head'].fill(circle(ex + 1.1, -30.6, 1.7), INK)
        p['Head'].fill(circle(ex + 1.6, -31.5, 0.6), S.WHITE)
    p['Head'].line(arc_points(5.5, -26, 4.5, 2.6, 20, 160, 10), 1.3, INK)
    p['Head'].fill(ellipse(-3.5, -25.5, 2.4, 1.4), with_alpha(rgb('#ff8a8a'), 0.6))
    spines(p['Head'], [(-13, -34, -1), (13, -36, 1), (-9, -43, -1), (9, -43, 1)])
    # the flower
    fl = p['Flower']
    for k in range(5):
        a = math.radians(-90 + k * 72)
        fl.blob(transform(ellipse(0, 0, 4.2, 2.8, 14), dx=2 + math.cos(a) * 3.6, dy=-45 + math.sin(a) * 3.6,
                          angle=math.degrees(a)), rgb('#ff5a8a'), INK, 0.9)
    fl.blob(circle(2, -45, 2.4), rgb('#ffd23a'), INK, 0.8)
    # arms: a sideways stub, then the upright part
    for side, sx, paint in (('Back', -1, side_shade(-26, -10, mix(light, dark, 0.4), dark)),
                            ('Front', 1, side_shade(10, 26, light, dark))):
        p[side + ' Arm'].blob(rounded_rect(min(sx * 8, sx * 27), -9.5, 19, 11, 5.5), paint)
        p[side + ' Forearm'].blob(rounded_rect(sx * 22 - 5.5, -27, 11, 24, 5.5), paint)
        p[side + ' Forearm'].line([(sx * 22, -24), (sx * 22, -8)], 0.9, with_alpha(dark, 0.8))
        spines(p[side + ' Forearm'], [(sx * 22 + sx * 5.5, -20, sx), (sx * 22 + sx * 5.5, -12, sx)])
        legpaint = side_shade(-6, 6, mix(light, dark, 0.5 if side == 'Back' else 0.1), dark)
        p[side + ' Thigh'].blob(rounded_rect(sx * 3 - 5, 33, 10, 25, 5), legpaint)
        p[side + ' Shin'].blob(rounded_rect(sx * 3 - 4.5, 54, 9, 19, 4.5), legpaint)
        boot = rounded_rect(sx * 3 - 6, 70, 15, 8.5, 3.5)
        p[side + ' Shin'].blob(boot, rgb('#8a5a2b') if side == 'Front' else rgb('#6e4520'))
    # frames
    def walk(front_thigh, front_shin, back_thigh, back_shin, arms, body, head):
        return rig.pose({'Front Thigh': front_thigh, 'Front Shin': front_shin, 'Back Thigh': back_thigh,
                         'Back Shin': back_shin, 'Front Forearm': arms, 'Back Forearm': -arms,
                         'Front Shoulder': arms * 0.3, 'Back Shoulder': -arms * 0.3, 'Body': body, 'Head': head,
                         'Flower': -head * 2})
    rig.add_set('Walk', [walk(-24, 8, 22, 14, 10, 2, -2), walk(-4, 4, 2, 42, 0, 0, 2),
                         walk(22, 14, -24, 8, -10, 2, -2), walk(2, 42, -4, 4, 0, 0, 2)])
    rig.add_set('Pause At Wall', [
        rig.pose({'Head': -10, 'Front Forearm': -20, 'Back Forearm': 20, 'Flower': 15}),
        rig.pose({'Head': -14, 'Body': -3, 'Front Shoulder': -25, 'Front Forearm': -45, 'Back Shoulder': 25,
                  'Back Forearm': 45, 'Flower': 25}),
        rig.pose({'Head': 8, 'Body': 2, 'Front Forearm': 10, 'Back Forearm': -10, 'Flower': -20}),
        rig.pose({'Head': -4, 'Front Shoulder': -10, 'Front Forearm': -25, 'Back Forearm': 15, 'Flower': 5}),
    ])
    return rig, p


# ================================================================================================
# Small robot: a boxy runner with an arm cannon and a scanning eye. Faces right.
def small_robot():
    rig = Rig('Small Robot (game size)', 'Small Robot')
    rig.set_root((0, 4))
    rig.add('Torso', 'Trunk', (0, -12))
    rig.add('Head', 'Torso', (0, -24))
    rig.add('Hips', 'Trunk', (0, 22))
    for side, sx in (('Back', -1), ('Front', 1)):
        rig.add(side + ' Thigh', 'Hips', (sx * 1, 38))
        rig.add(side + ' Shin', side + ' Thigh', (sx * 1, 54))
        rig.add(side + ' Upper Arm', 'Torso', (sx * 1, 1))
        rig.add(side + ' Forearm', side + ' Upper Arm', (sx * 1, 15))
    rig.add('Eye', 'Head', (6, -24))
    rig.draw_order = ['Back Upper Arm', 'Back Forearm', 'Back Thigh', 'Back Shin', 'Hips', 'Torso', 'Head', 'Eye',
                      'Front Thigh', 'Front Shin', 'Front Upper Arm', 'Front Forearm']
    rig.solve_rest()
    p = parts(rig)
    metal, metal_dark, metal_light = rgb('#7f9bb3'), rgb('#4a6178'), rgb('#c2d6e6')
    accent = rgb('#f2a12e')
    p['Torso'].blob(rounded_rect(-11, -14, 22, 34, 5), side_shade(-11, 11, metal_light, metal_dark))
    p['Torso'].blob(rounded_rect(-5, -6, 12, 11, 2.5), rgb('#2a3440'), INK, 1.0)
    for i, c in enumerate(('#5af07a', '#f2d23a', '#f25a4a')):
        p['Torso'].fill(circle(-1.5 + i * 3.6, -0.5, 1.3), rgb(c))
    p['Torso'].blob(rounded_rect(-9, 12, 18, 5, 2), accent, INK, 1.0)
    p['Hips'].blob(rounded_rect(-8, 16, 16, 9, 3), side_shade(-8, 8, metal, metal_dark))
    for side, sx in (('Back', -1), ('Front', 1)):
        shade_k = 0.55 if side == 'Back' else 0.0
        leg = side_shade(-5, 5, mix(metal_light, metal_dark, shade_k), metal_dark)
        p[side + ' Thigh'].blob(rounded_rect(sx - 4.5, 21, 9, 19, 4), leg)
        p[side + ' Shin'].blob(rounded_rect(sx - 4, 37, 8, 19, 3.5), leg)
        p[side + ' Shin'].blob(polygon([(sx - 6, 60), (sx - 5, 53.5), (sx + 6, 53.5), (sx + 10, 60)]),
                               mix(rgb('#3a4654'), rgb('#1e242c'), shade_k))
        p[side + ' Thigh'].blob(circle(sx, 38, 3.2), accent if side == 'Front' else mix(accent, metal_dark, 0.5), INK, 1.0)
        arm = side_shade(-4, 4, mix(metal_light, metal_dark, shade_k), metal_dark)
        p[side + ' Upper Arm'].blob(rounded_rect(sx - 3.8, -15, 7.6, 18, 3.8), arm)
        p[side + ' Upper Arm'].blob(circle(sx, -11, 4.2), accent if side == 'Front' else mix(accent, metal_dark, 0.5),
                                    INK, 1.0)
    # the back forearm ends in a claw, the front one is the cannon
    p['Back Forearm'].blob(rounded_rect(-4.5, 0, 7, 14, 3.2), side_shade(-4, 3, mix(metal_light, metal_dark, 0.55), metal_dark))
    p['Back Forearm'].blob(polygon([(-4, 13), (-1, 19), (2, 13)]), rgb('#3a4654'), INK, 1.0)
    p['Front Forearm'].blob(rounded_rect(-3.5, -1, 9, 15, 3), side_shade(-4, 5, metal_light, metal_dark))
    p['Front Forearm'].blob(rounded_rect(-2.5, 12, 7, 8, 1.5), rgb('#3a4654'))
    p['Front Forearm'].fill(ellipse(1, 19.5, 2.4, 1.2), rgb('#ffcf5a'))
    # the head: boxy with an antenna; its visor eye is an animated skin
    p['Head'].line([(-3, -34), (-4, -41)], 1.6, INK)
    p['Head'].blob(circle(-4, -41.5, 2.2), rgb('#f25a4a'), INK, 0.8)
    p['Head'].blob(rounded_rect(-10, -35, 21, 21, 5), side_shade(-10, 11, metal_light, metal_dark))
    p['Head'].blob(rounded_rect(-1, -30, 13, 9, 3.5), rgb('#1b2530'), INK, 1.0)
    p['Head'].blob(rounded_rect(-10, -21, 6, 4, 1.5), accent, INK, 0.8)

    def stand(k):
        return rig.pose({'Torso': -1 + 2 * k, 'Head': 2 - 3 * k, 'Front Upper Arm': -4 + 6 * k, 'Back Upper Arm': 4 - 6 * k,
                         'Front Forearm': -10, 'Back Forearm': -8}, {'Hips': 18 - k})

    rig.add_set('Stand', [stand(0), stand(1)])

    def run(f):
        s = [1, 0, -1, 0][f]
        lift = [0, 1, 0, 1][f]
        fr = f < 2
        return rig.pose({'Torso': 10, 'Head': -6,
                         'Front Thigh': -38 * s + (-20 if (lift and not fr) else 0) + (10 if lift and fr else 0),
                         'Front Shin': 20 + (60 if lift and not fr else 0) + (10 if s > 0 else 0),
                         'Back Thigh': 38 * s + (-20 if (lift and fr) else 0),
                         'Back Shin': 20 + (60 if lift and fr else 0) + (10 if s < 0 else 0),
                         'Front Upper Arm': 40 * s - 10, 'Front Forearm': -55,
                         'Back Upper Arm': -40 * s - 10, 'Back Forearm': -55}, {'Hips': 18 - lift * 2})
    rig.add_set('Run', [run(f) for f in range(4)])
    rig.add_set('Jump', [
        rig.pose({'Torso': 14, 'Head': -8, 'Front Thigh': -50, 'Front Shin': 85, 'Back Thigh': -35, 'Back Shin': 80,
                  'Front Upper Arm': 40, 'Back Upper Arm': 50, 'Front Forearm': -30, 'Back Forearm': -30}, {'Hips': 12}),
        rig.pose({'Torso': -4, 'Head': -6, 'Front Thigh': -10, 'Front Shin': 10, 'Back Thigh': 20, 'Back Shin': 15,
                  'Front Upper Arm': -150, 'Back Upper Arm': -140, 'Front Forearm': -10, 'Back Forearm': -10}),
        rig.pose({'Torso': 6, 'Head': -4, 'Front Thigh': -70, 'Front Shin': 95, 'Back Thigh': -40, 'Back Shin': 100,
                  'Front Upper Arm': -100, 'Back Upper Arm': -70, 'Front Forearm': -40, 'Back Forearm': -40}),
        rig.pose({'Torso': 12, 'Head': -4, 'Front Thigh': -30, 'Front Shin': 50, 'Back Thigh': -10, 'Back Shin': 45,
                  'Front Upper Arm': -40, 'Back Upper Arm': -30, 'Front Forearm': -30, 'Back Forearm': -30}, {'Hips': 15}),
    ])
    rig.add_set('Shoot', [
        rig.pose({'Front Upper Arm': -88, 'Front Forearm': -2, 'Back Upper Arm': 10, 'Back Forearm': -30, 'Torso': 2,
                  'Front Thigh': -10, 'Back Thigh': 10}),
        rig.pose({'Front Upper Arm': -78, 'Front Forearm': -10, 'Back Upper Arm': 16, 'Back Forearm': -34, 'Torso': -5,
                  'Head': -4, 'Front Thigh': -10, 'Back Thigh': 12}, {'Front Forearm': 12}),
        rig.pose({'Front Upper Arm': -90, 'Front Forearm': 0, 'Back Upper Arm': 10, 'Back Forearm': -30, 'Torso': 1,
                  'Front Thigh': -10, 'Back Thigh': 10}),
    ])
    return rig, p


def robot_eye_skin():
    """The eye bone's end sits at (7, 6) of the 14 x 10 picture."""
    return [robot_eye_frames()], -7, 6


def robot_eye_frames():
    """The visor's eye: a light that sweeps across and back."""
    from raster import Image
    frames = []
    for k, x in enumerate((3.5, 6.5, 9.5, 6.5)):
        im = Image(14, 10)
        im.fill(ellipse(x, 5, 4.5, 3.2), radial(x, 5, 4.5, [(0, rgb('#ff6a4a', 0.7)), (1, rgb('#ff2a1a', 0.0))]))
        im.fill(ellipse(x, 5, 2.2, 1.6), rgb('#ff4a3a'))
        im.fill(ellipse(x - 0.5, 4.4, 0.8, 0.5), rgb('#ffd0c0'))
        frames.append((im, 160))
    return frames


# ================================================================================================
# People: one rig for the soldier and the explorer. Faces right; hip is the end of the Trunk.
def human_rig(name, folder, hip, sizes):
    hx, hy = hip
    t, sh, ua, fa, hand, neck, head = (sizes[k] for k in ('thigh', 'shin', 'upper', 'fore', 'hand', 'neck', 'head'))
    rig = Rig(name, folder)
    rig.set_root(hip)
    rig.add('Spine', 'Trunk', (hx, hy - sizes['spine']))
    rig.add('Neck', 'Spine', (hx + 1, hy - sizes['spine'] - neck))
    rig.add('Head', 'Neck', (hx + 2, hy - sizes['spine'] - neck - head))
    rig.add('Hips', 'Trunk', (hx, hy + 4))
    for side in ('Back', 'Front'):
        rig.add(side + ' Thigh', 'Hips', (hx, hy + 4 + t))
        rig.add(side + ' Shin', side + ' Thigh', (hx, hy + 4 + t + sh))
        rig.add(side + ' Foot', side + ' Shin', (hx + 8, hy + 4 + t + sh + 1))
        top = hy - sizes['spine'] + 3
        rig.add(side + ' Upper Arm', 'Spine', (hx, top + ua))
        rig.add(side + ' Forearm', side + ' Upper Arm', (hx + 1, top + ua + fa))
        rig.add(side + ' Hand', side + ' Forearm', (hx + 1, top + ua + fa + hand))
    rig.draw_order = ['Back Upper Arm', 'Back Forearm', 'Back Hand', 'Back Thigh', 'Back Shin', 'Back Foot', 'Hips',
                      'Spine', 'Front Thigh', 'Front Shin', 'Front Foot', 'Neck', 'Head', 'Front Upper Arm',
                      'Front Forearm', 'Front Hand']
    rig.solve_rest()
    return rig


def draw_person(rig, p, colours, hat):
    """Clothes and limbs along the rest pose: arms and legs hang straight down."""
    R = rig.rest
    back = lambda c: mix(c, rgb('#000000'), 0.28)
    for side in ('Back', 'Front'):
        k = back if side == 'Back' else (lambda c: c)
        th, sn, ft = R[side + ' Thigh'], R[side + ' Shin'], R[side + ' Foot']
        limb(p[side + ' Thigh'], th['start'], th['end'], 11, 9.5, side_shade(-6, 6, k(colours['legs']), k(shade(colours['legs'], -0.3))))
        limb(p[side + ' Shin'], sn['start'], sn['end'], 9, 7.5, side_shade(-6, 6, k(colours['shin']), k(shade(colours['shin'], -0.3))))
        (fx, fy) = ft['start']
        p[side + ' Foot'].blob(rounded_rect(fx - 5, fy - 3, 16, 7.5, 3.2), k(colours['boot']))
        p[side + ' Foot'].fill(rect(fx - 5, fy + 2.8, 16, 1.7), k(shade(colours['boot'], -0.45)))
        ua, fa, hd = R[side + ' Upper Arm'], R[side + ' Forearm'], R[side + ' Hand']
        limb(p[side + ' Upper Arm'], ua['start'], ua['end'], 9, 8, side_shade(-5, 5, k(colours['sleeve']), k(shade(colours['sleeve'], -0.3))))
        limb(p[side + ' Forearm'], fa['start'], fa['end'], 7.5, 6.5, side_shade(-5, 5, k(colours['skin']), k(shade(colours['skin'], -0.25))))
        (hx, hy) = hd['end']
        p[side + ' Hand'].blob(ellipse(hx, hy - 1, 4.2, 4.8), k(colours['skin']))
    sp = R['Spine']
    (x0, y0), (x1, y1) = sp['start'], sp['end']
    p['Hips'].blob(rounded_rect(x0 - 9, y0 - 6, 18, 14, 4), side_shade(x0 - 9, x0 + 9, colours['legs'], shade(colours['legs'], -0.3)))
    p['Hips'].fill(rect(x0 - 9, y0 - 5, 18, 3.5), colours['belt'])
    p['Hips'].line([(x0 - 9, y0 - 5), (x0 + 9, y0 - 5)], 1.0, INK)
    p['Hips'].line([(x0 - 9, y0 - 1.5), (x0 + 9, y0 - 1.5)], 1.0, INK)
    torso = smooth_closed([(x0 - 10, y0 - 2), (x1 - 11, y1 + 4), (x1 - 6, y1 - 2), (x1 + 6, y1 - 2), (x1 + 11, y1 + 5),
                           (x0 + 10, y0 - 2)], 5)
    p['Spine'].blob(torso, side_shade(x0 - 10, x0 + 10, colours['shirt'], shade(colours['shirt'], -0.3)))
    if colours.get('pack'):
        p['Spine'].blob(rounded_rect(x0 - 17, y1 + 4, 9, 22, 3), colours['pack'])
        p['Spine'].line([(x0 - 9, y1 + 6), (x0 + 2, y1 + 2)], 1.6, shade(colours['pack'], -0.4))
    p['Spine'].fill(rect(x0 - 9, y0 - 3.5, 18, 2.5), colours['belt'])
    p['Spine'].line([(x1 + 2, y1 + 1), (x1 + 6, y1 + 9)], 1.0, with_alpha(INK, 0.6))
    nk, hd = R['Neck'], R['Head']
    limb(p['Neck'], nk['start'], nk['end'], 6.5, 6, colours['skin'])
    (cx, cy) = hd['end']
    (nx, ny) = hd['start']
    headc = ((cx + nx) / 2 + 1, (cy + ny) / 2 - 1)
    hp = p['Head']
    hp.blob(ellipse(headc[0] - 0.5, headc[1], 8.5, 9.5), colours['skin'])
    hp.blob(ellipse(headc[0] + 8.5, headc[1] + 1.5, 2.2, 2.0), colours['skin'], INK, 1.0)
    hp.blob(ellipse(headc[0] - 6.5, headc[1] + 0.5, 2.4, 3.0), shade(colours['skin'], -0.1), INK, 1.0)
    hp.fill(ellipse(headc[0] + 4.2, headc[1] - 1, 1.3, 1.7), INK)
    hp.line(quad_bezier((headc[0] + 2.5, headc[1] + 5), (headc[0] + 5, headc[1] + 6.5), (headc[0] + 7, headc[1] + 4.5), 8),
            1.1, INK)
    hp.line([(headc[0] + 2.6, headc[1] - 4.2), (headc[0] + 6, headc[1] - 4.6)], 1.1, colours['hair'])
    hat(hp, headc)
    return headc


def helmet(hp, c):
    x, y = c
    hp.blob([arc_points(x - 0.5, y - 2.5, 10.5, 10, 180, 360, 20) + [(x + 11.5, y - 1), (x - 12.5, y - 1)]],
            radial(x - 3, y - 9, 14, [(0, rgb('#8a9a5a')), (1, rgb('#4f5c2e'))]))
    hp.fill(rect(x - 11, y - 4.5, 22, 2), with_alpha(rgb('#2e361a'), 0.7))
    hp.line([(x + 6, y + 1), (x + 4, y + 9)], 1.2, rgb('#3b3322'))


def pith_helmet(hp, c):
    x, y = c
    hp.blob(ellipse(x - 0.5, y - 6, 14.5, 3.2), rgb('#e7d9a8'))
    hp.blob([arc_points(x - 0.5, y - 7, 9.5, 10, 180, 360, 20)], radial(x - 3, y - 10, 12, [(0, rgb('#f3e8c2')), (1, rgb('#cdb97a'))]))
    hp.fill(rect(x - 9.5, y - 9.5, 19, 2.4), rgb('#8a5a2b'))
    hp.blob(circle(x - 0.5, y - 17, 1.6), rgb('#cdb97a'), INK, 0.8)


def human_walk(rig, arms=True, held=None):
    held = held or {}
    thigh = [-26, -16, 0, 14, 22, 10, -4, -18]
    shin = [6, 4, 2, 8, 16, 50, 44, 12]
    frames = []
    for f in range(8):
        g = (f + 4) % 8
        d = {'Front Thigh': thigh[f], 'Front Shin': shin[f], 'Back Thigh': thigh[g], 'Back Shin': shin[g],
             'Front Foot': -(thigh[f] + shin[f]) * 0.6 + (20 if f in (4, 5) else 0),
             'Back Foot': -(thigh[g] + shin[g]) * 0.6 + (20 if g in (4, 5) else 0),
             'Spine': 4 + (1.5 if f % 4 in (1, 2) else 0), 'Head': -3 - (1.5 if f % 4 in (1, 2) else 0)}
        if arms:
            d.update({'Front Upper Arm': -thigh[f] * 0.9, 'Front Forearm': -18 - max(0, thigh[f]) * 0.6,
                      'Back Upper Arm': -thigh[g] * 0.9, 'Back Forearm': -18 - max(0, thigh[g]) * 0.6})
        d.update(held)
        lift = 1.5 if f % 4 in (1, 2) else 0
        frames.append(rig.pose(d, {'Hips': 4 - lift}))
    return frames


# ------------------------------------------------------------------------------------------------
def soldier_alpha():
    rig = human_rig('Soldier Alpha', 'Soldier Alpha', (0, 19),
                    {'spine': 33, 'neck': 6, 'head': 14, 'thigh': 25, 'shin': 24, 'upper': 19, 'fore': 17, 'hand': 5})
    p = parts(rig)
    colours = {'legs': rgb('#6b7a45'), 'shin': rgb('#6b7a45'), 'boot': rgb('#3a2e22'), 'shirt': rgb('#7d8c52'),
               'sleeve': rgb('#7d8c52'), 'skin': rgb('#e0b48a'), 'belt': rgb('#4a3a22'), 'hair': rgb('#3b2a1a'),
               'pack': rgb('#5a6638')}
    draw_person(rig, p, colours, helmet)
    # the rifle, held across the body in the front hand
    hd = rig.rest['Front Hand']['end']
    x, y = hd
    rifle = transform(rounded_rect(-26, -2.2, 52, 4.4, 1.5), dx=x + 2, dy=y - 16, angle=-52)
    stock = transform(polygon([(-30, -3.5), (-20, -3), (-20, 3), (-30, 5)]), dx=x + 2, dy=y - 16, angle=-52)
    mag = transform(rounded_rect(-4, 2, 5, 8, 1), dx=x + 2, dy=y - 16, angle=-52)
    p['Front Hand'].blob(stock + rifle, rgb('#5a3f25'))
    p['Front Hand'].blob(mag, rgb('#30343a'))
    p['Front Hand'].blob(transform(rounded_rect(0, -1.6, 24, 3.2, 1), dx=x + 2, dy=y - 16, angle=-52), rgb('#30343a'))
    p['Front Hand'].blob(ellipse(x, y - 1, 4.2, 4.8), colours['skin'])
    rest_arms = {'Front Upper Arm': -35, 'Front Forearm': -85, 'Front Hand': 20, 'Back Upper Arm': -20, 'Back Forearm': -95}
    at_ease = dict(rest_arms)
    rig.add_set('At Ease', [rig.pose(dict(at_ease, Spine=0))])
    guard = []
    for f, (sp, hd_, arm) in enumerate(((0, 0, 0), (-1.5, -6, 3), (0, -10, 2), (-1, -3, -2))):
        d = dict(rest_arms)
        d.update({'Spine': sp, 'Head': hd_, 'Front Upper Arm': rest_arms['Front Upper Arm'] + arm,
                  'Back Upper Arm': rest_arms['Back Upper Arm'] + arm, 'Neck': hd_ * 0.5})
        guard.append(rig.pose(d, {'Hips': 4 + (0.8 if f % 2 else 0)}))
    rig.add_set('Guard', guard)
    rig.add_set('March', human_walk(rig, arms=False, held=rest_arms))
    return rig, p


def jungle_explorer():
    rig = human_rig('Jungle Explorer', 'Jungle Explorer', (0, 0),
                    {'spine': 34, 'neck': 6, 'head': 14, 'thigh': 26, 'shin': 25, 'upper': 19, 'fore': 18, 'hand': 5})
    p = parts(rig)
    colours = {'legs': rgb('#c9a66b'), 'shin': rgb('#e8b98e'), 'boot': rgb('#6b4226'), 'shirt': rgb('#e9dcb4'),
               'sleeve': rgb('#e9dcb4'), 'skin': rgb('#e8b98e'), 'belt': rgb('#6b4226'), 'hair': rgb('#6b3f1a'),
               'pack': rgb('#a8733a')}
    draw_person(rig, p, colours, pith_helmet)
    # socks and boot tops on the shins
    for side in ('Back', 'Front'):
        (x, y) = rig.rest[side + ' Shin']['end']
        p[side + ' Shin'].blob(rounded_rect(x - 4.5, y - 8, 9, 8, 2), rgb('#f4f0e4') if side == 'Front' else rgb('#bdb8a8'))
    rig.add_set('Walk', human_walk(rig))
    idle = []
    for f, (sp, hd, arm) in enumerate(((0, 0, 0), (-1.5, -4, 3), (-0.5, 2, 1), (1, 5, -2))):
        idle.append(rig.pose({'Spine': 2 + sp, 'Head': -2 + hd, 'Front Upper Arm': -6 + arm, 'Back Upper Arm': 6 - arm,
                              'Front Forearm': -12, 'Back Forearm': -10, 'Front Thigh': -4, 'Back Thigh': 5,
                              'Front Foot': 4, 'Back Foot': -5}, {'Hips': 4 + (0.6 if f in (1, 2) else 0)}))
    rig.add_set('Idle', idle)
    wave = []
    for f, fa in enumerate((-40, 10, -40, 10)):
        wave.append(rig.pose({'Front Upper Arm': -150, 'Front Forearm': fa, 'Front Hand': fa * 0.3, 'Head': -6, 'Spine': -2,
                              'Back Upper Arm': 8, 'Back Forearm': -10}))
    rig.add_set('Wave', wave)
    return rig, p


# ================================================================================================
# The snowman that rides the boss tank. Looks left, towards the player.
def snowman():
    rig = Rig('Snowman', 'Snowman')
    rig.set_root((0, 2))
    rig.add('Base', 'Trunk', (0, 34))
    rig.add('Chest', 'Trunk', (0, -8))
    rig.add('Head', 'Chest', (0, -40))
    rig.add('Hat', 'Head', (2, -56))
    for side, sx in (('Front', -1), ('Back', 1)):
        rig.add(side + ' Arm', 'Chest', (sx * 26, -14))
        rig.add(side + ' Hand', side + ' Arm', (sx * 42, -22))
    rig.draw_order = ['Back Arm', 'Back Hand', 'Base', 'Chest', 'Head', 'Hat', 'Front Arm', 'Front Hand']
    rig.solve_rest()
    p = parts(rig)
    snow = lambda cx, cy, r: radial(cx - r * 0.35, cy - r * 0.4, r * 1.5, [(0, rgb('#ffffff')), (0.6, rgb('#e4eef8')),
                                                                            (1, rgb('#a9c0da'))])
    p['Base'].blob(circle(0, 34, 28), snow(0, 34, 28), rgb('#2a3a52'), 1.4)
    p['Chest'].blob(circle(0, -8, 21), snow(0, -8, 21), rgb('#2a3a52'), 1.4)
    for y in (-14, -5, 4):
        p['Chest'].fill(circle(-6, y, 2.2), INK)
    # scarf
    p['Chest'].blob([[(-17, -24), (16, -24), (18, -18), (-18, -17)]], rgb('#d8343a'))
    p['Chest'].blob(polygon([(8, -20), (16, -20), (20, 0), (12, 1)]), rgb('#c02a30'))
    p['Chest'].line([(13, -8), (19, -7)], 1.0, rgb('#ffd0d0'))
    p['Head'].blob(circle(0, -40, 16), snow(0, -40, 16), rgb('#2a3a52'), 1.4)
    for ex in (-9, -1):
        p['Head'].blob(circle(ex, -44, 2.4), INK, None, 0)
        p['Head'].fill(circle(ex - 0.6, -44.8, 0.7), S.WHITE)
    p['Head'].blob(polygon([(-6, -40), (-28, -37), (-6, -35)]), rgb('#f28a2a'))
    for k in range(5):
        a = math.radians(110 + k * 16)
        p['Head'].fill(circle(-4 + math.cos(a) * 8, -40 + math.sin(a) * 7 + 9, 1.3), INK)
    p['Hat'].blob(ellipse(2, -55, 17, 3.6), rgb('#2b2b33'), INK, 1.2)
    p['Hat'].blob(rounded_rect(-8, -80, 20, 25, 2), linear((-8, 0), (12, 0), [(0, rgb('#4a4a56')), (1, rgb('#1e1e24'))]))
    p['Hat'].fill(rect(-8, -62, 20, 4), rgb('#3a78c8'))
    for side, sx in (('Front', -1), ('Back', 1)):
        col = rgb('#6b4a2b') if side == 'Front' else rgb('#4e3520')
        arm = rig.rest[side + ' Arm']
        (ax, ay), (bx, by) = arm['start'], arm['end']
        p[side + ' Arm'].blob(stroke([(ax + (bx - ax) * 0.6, ay + (by - ay) * 0.6), (bx, by)], 3.2), col, INK, 1.0)
        hand = rig.rest[side + ' Hand']
        (hx, hy) = hand['end']
        twigs = stroke([hand['start'], (hx, hy)], 2.6) + stroke([(hx, hy), (hx + sx * 5, hy - 6)], 2.0) + \
            stroke([(hx, hy), (hx + sx * 7, hy + 2)], 2.0) + stroke([(hx - sx * 6, hy + 3), (hx - sx * 5, hy + 10)], 1.8)
        p[side + ' Hand'].blob(twigs, col, INK, 1.0)

    ride = []
    for f in range(4):
        s = (0, 1, 0, -1)[f]
        ride.append(rig.pose({'Chest': s * 3, 'Head': -s * 4, 'Hat': s * 5, 'Front Arm': -20 + abs(s) * -15 + s * 8,
                              'Front Hand': s * 20, 'Back Arm': 10 + s * 10, 'Back Hand': -s * 15},
                             {'Base': 32 + (1 - abs(s)) * 2}))
    rig.add_set('Ride', ride)
    after = []
    for f in range(4):
        s = (1, -1, 1, -1)[f]
        after.append(rig.pose({'Chest': -4, 'Head': 6 + s * 3, 'Front Arm': 40 + s * 12, 'Front Hand': -60 + s * 15,
                               'Back Arm': -50, 'Back Hand': 30, 'Hat': -4}))
    rig.add_set('After A Hit', after)
    rig.add_set('Hit', [
        rig.pose({'Chest': 12, 'Head': 20, 'Hat': 25, 'Front Arm': -60, 'Back Arm': 40}, {'Hat': 26}),
        rig.pose({'Chest': 18, 'Head': 28, 'Hat': 60, 'Front Arm': -80, 'Back Arm': 60, 'Front Hand': -30}, {'Hat': 44}),
        rig.pose({'Chest': 6, 'Head': 10, 'Hat': 15, 'Front Arm': -40, 'Back Arm': 20}, {'Hat': 20}),
    ])
    return rig, p


# ================================================================================================
# The boss tank. Its front faces left; the snowman rides at its "Snowman" bone.
def snowman_boss():
    rig = Rig('Snowman Boss', 'Snowman Boss')
    rig.set_root((240, 0))
    rig.add('Hull', 'Trunk', (240, 150))
    rig.add('Tracks', 'Hull', (240, 226))
    rig.add('Turret', 'Hull', (240, 92))
    rig.add('Arm Base', 'Turret', (108, 76))
    rig.add('Pipe 4', 'Arm Base', (20, 76))
    rig.add('Pipe 3', 'Pipe 4', (-50, 76))
    rig.add('Gun 1', 'Pipe 3', (-50, 94))
    rig.add('Gun Mount', 'Hull', (72, 127))
    rig.add('Gun 2', 'Gun Mount', (112, 127))
    rig.add('Exhaust', 'Turret', (352, 40))
    rig.add('Hatch', 'Turret', (300, 40))
    rig.add('Snowman', 'Hatch', (385, 25))
    rig.add('Smoke', 'Exhaust', (362, 40))
    rig.draw_order = ['Smoke', 'Exhaust', 'Pipe 3', 'Pipe 4', 'Gun 2', 'Tracks', 'Hull', 'Turret', 'Arm Base', 'Gun 1',
                      'Gun Mount', 'Hatch', 'Snowman']
    rig.solve_rest()
    p = parts(rig)
    steel, steel_dark, steel_light = rgb('#6f8fa8'), rgb('#3d566c'), rgb('#b4cde0')
    ice = rgb('#dff2fb')
    # tracks with their wheels
    tr = p['Tracks']
    tr.blob(rounded_rect(112, 200, 270, 52, 26), rgb('#2e3238'))
    tr.blob(rounded_rect(120, 206, 254, 40, 20), rgb('#4a5058'), INK, 1.0)
    for x in range(140, 372, 38):
        tr.blob(circle(x, 226, 15), radial(x - 4, 222, 18, [(0, rgb('#9aa6b2')), (1, rgb('#55606c'))]), INK, 1.2)
        tr.blob(circle(x, 226, 5), rgb('#3a424c'), INK, 1.0)
    for x in range(118, 380, 13):
        tr.line([(x, 201), (x + 4, 201)], 2.2, rgb('#151719'))
        tr.line([(x, 251), (x + 4, 251)], 2.2, rgb('#151719'))
    # hull: sloped front on the left
    hull = [[(100, 150), (128, 118), (389, 118), (389, 205), (118, 205)]]
    p['Hull'].blob(hull, vshade(118, 205, steel_light, steel_dark), INK, 1.6)
    p['Hull'].line([(128, 132), (380, 132)], 1.2, with_alpha(INK, 0.5))
    for x in range(150, 380, 40):
        p['Hull'].fill(circle(x, 125, 2.0), rgb('#2a3a4a'))
        p['Hull'].fill(circle(x, 196, 2.0), rgb('#2a3a4a'))
    p['Hull'].blob([[(104, 146), (128, 118), (180, 118), (150, 150)]], with_alpha(ice, 0.9), INK, 1.0)
    p['Hull'].blob(smooth_closed([(200, 120), (250, 112), (300, 118), (260, 124)], 6), ice, INK, 1.0)
    for x, ln in ((210, 10), (232, 14), (258, 8), (290, 12)):
        p['Hull'].blob(polygon([(x - 3, 118), (x + 3, 118), (x, 118 + ln)]), ice, INK, 0.8)
    # the star emblem
    star = [(322 + math.cos(math.radians(-90 + k * 36)) * (12 if k % 2 == 0 else 5),
             162 + math.sin(math.radians(-90 + k * 36)) * (12 if k % 2 == 0 else 5)) for k in range(10)]
    p['Hull'].blob([star], rgb('#e8f6ff'), INK, 1.0)
    # turret
    tur = smooth_closed([(160, 124), (170, 72), (200, 58), (330, 58), (350, 80), (352, 124)], 4)
    p['Turret'].blob(tur, vshade(58, 124, steel_light, steel), INK, 1.6)
    p['Turret'].blob(rounded_rect(214, 50, 72, 14, 5), rgb('#3d566c'), INK, 1.2)
    for x in (180, 200):
        p['Turret'].blob(rounded_rect(x, 86, 12, 8, 2), rgb('#1b2530'), INK, 1.0)
    p['Turret'].fill(ellipse(250, 64, 40, 4), with_alpha(ice, 0.8))
    # the telescopic arm: outer tube (Pipe 4), inner tube (Pipe 3) and the dropper (Gun 1)
    p['Pipe 4'].blob(rounded_rect(14, 68, 200, 16, 7), vshade(68, 84, steel_light, steel_dark), INK, 1.3)
    p['Pipe 4'].blob(rounded_rect(12, 65, 14, 22, 4), rgb('#f2a12e'), INK, 1.2)
    for x in range(40, 210, 34):
        p['Pipe 4'].line([(x, 69), (x, 83)], 1.0, with_alpha(INK, 0.45))
    p['Pipe 3'].blob(rounded_rect(-54, 71, 200, 10, 4.5), vshade(71, 81, steel_light, steel_dark), INK, 1.2)
    p['Pipe 3'].line([(-50, 74), (140, 74)], 1.0, with_alpha(S.WHITE, 0.6))
    p['Arm Base'].blob(circle(108, 76, 13), radial(104, 72, 16, [(0, steel_light), (1, steel_dark)]), INK, 1.4)
    p['Arm Base'].blob(circle(108, 76, 5), rgb('#f2a12e'), INK, 1.0)
    g1 = p['Gun 1']
    g1.blob(circle(-50, 76, 9), rgb('#f2a12e'), INK, 1.3)
    g1.blob([[(-62, 80), (-38, 80), (-42, 96), (-58, 96)]], vshade(80, 96, steel_light, steel_dark), INK, 1.3)
    g1.blob(rounded_rect(-60, 94, 20, 5, 2), rgb('#2a3440'), INK, 1.0)
    g1.fill(ellipse(-50, 89, 5, 2.5), with_alpha(ice, 0.9))
    # the snow cannon at the front
    g2 = p['Gun 2']
    g2.blob(rounded_rect(52, 140, 62, 20, 6), vshade(140, 160, steel_light, steel_dark), INK, 1.4)
    g2.blob(rounded_rect(46, 136, 14, 28, 4), rgb('#f2a12e'), INK, 1.3)
    g2.blob(ellipse(47, 150, 3.5, 9), rgb('#1b2530'), INK, 1.0)
    for x in (72, 88):
        g2.line([(x, 141), (x, 159)], 1.0, with_alpha(INK, 0.5))
    # exhaust stack at the back, with its smoke as an animated skin
    p['Exhaust'].blob(rounded_rect(344, 38, 14, 84, 4), side_shade(344, 358, steel_light, steel_dark), INK, 1.3)
    p['Exhaust'].blob(rounded_rect(341, 34, 20, 8, 2), rgb('#3d566c'), INK, 1.2)

    def frame(hull=0.0, turret=0.0, arm=0.0, gun=0.0, pipe4=70.0, pipe3=10.0, hull_len=150.0, exhaust=0.0, gun_len=None):
        lengths = {'Pipe 4': pipe4, 'Pipe 3': pipe3, 'Hull': hull_len}
        if gun_len is not None:
            lengths['Gun Mount'] = gun_len
        return rig.pose({'Hull': hull, 'Turret': turret, 'Arm Base': arm, 'Gun 2': gun, 'Exhaust': exhaust,
                         'Gun 1': -arm}, lengths)
    rig.add_set('Idle', [frame(), frame(hull_len=151)])
    gm = rig.rest['Gun Mount']['len']
    rig.add_set('Fight', [frame(pipe4=160, pipe3=100), frame(hull=0.3, turret=-1.2, arm=-2, pipe4=160, pipe3=100, gun_len=gm + 6),
                          frame(hull=-0.3, turret=0.8, arm=2, pipe4=160, pipe3=100, hull_len=151),
                          frame(turret=-0.6, arm=-1, pipe4=160, pipe3=100, gun_len=gm + 3)])
    rig.add_set('Wait And Drive In', [frame(hull_len=150, exhaust=-1), frame(hull_len=152, exhaust=1, turret=0.4),
                                      frame(hull_len=150.5, exhaust=-0.5), frame(hull_len=152, turret=-0.4, exhaust=1)])
    return rig, p


def exhaust_smoke_skin():
    """The smoke bone points right from the stack's mouth; its end sits at (31, 58) of the picture."""
    return [exhaust_smoke_frames()], -9, 58


def exhaust_smoke_frames():
    from raster import Image
    frames = []
    for f in range(4):
        im = Image(40, 60)
        for k in range(3):
            t = ((f + k * 4 / 3) % 4) / 4.0
            cx = 20 + math.sin(t * 5 + k) * 4 + t * 6
            cy = 54 - t * 48
            r = 5 + t * 9
            im.fill(circle(cx, cy, r), rgb('#e8eef2', 0.85 * (1 - t)))
            im.fill(S.outline(circle(cx, cy, r), 1.0), rgb('#8a98a4', 0.6 * (1 - t)))
        frames.append((im, 150))
    return frames
