"""Skeletons: a rig drawn once in its rest pose and cut into bone skins, its frame sets, the
skeleton file writer, a reader that parses the file back the way the engine does, and a
renderer that poses and draws skins like the engine (for the preview sheets).

Skins are authored in the character's own coordinates (origin = start of the root bone, y
down) in the rest pose.  For each bone, the drawing is turned into the bone's frame: the
engine draws a skin rotated by the bone's absolute angle with the pivot (offset x + width,
offset y) of the image at the bone's end, so the bone runs along the image's +x axis and ends
at x = width + offset x.
"""

import math
import os

from raster import Image, transform, oriented, outline, circle, stroke
import style as S

SEPARATOR = '#' * 44
FIXED_STAMP = ('01/01/25', '12:00:00')   # generated files carry a fixed date: regenerating changes nothing


def fmt(v):
    """A float as a default-formatted C++ stream writes it (6 significant digits)."""
    if abs(v) < 5e-7:
        v = 0.0
    text = '%g' % v
    return text


class Bone:
    def __init__(self, name, parent, end):
        self.name = name
        self.parent = parent
        self.children = []
        self.rest_end = end           # requested end point in rest pose space
        self.skin = None              # (path relative to the executable's folder, offx, offy)
        self.skin_frames = None       # list of frame sets of (Image, ms)


class Rig:
    """A character: bones (the list order is the draw order), skins and frame sets."""

    def __init__(self, name, skin_folder):
        self.name = name
        self.skin_folder = skin_folder
        self.bones = []
        self.by_name = {}
        self.frame_sets = []          # (name, [frame]) where frame = {bone: (rel angle, length)}
        self.root = self.add('Trunk', None, (20, 0))
        self.draw_order = None

    def add(self, name, parent, end):
        assert name not in self.by_name, name
        p = self.by_name[parent] if parent else None
        b = Bone(name, p, end)
        if p:
            p.children.append(b)
        self.bones.append(b)
        self.by_name[name] = b
        return b

    def set_root(self, end):
        self.root.rest_end = end

    # -- rest pose
    def solve_rest(self):
        """Integer lengths and the resulting rest angles and positions."""
        self.rest = {}
        for b in self._tree_order():
            sx, sy = (0.0, 0.0) if b.parent is None else self.rest[b.parent.name]['end']
            ex, ey = b.rest_end
            length = max(1, int(round(math.hypot(ex - sx, ey - sy))))
            absang = math.degrees(math.atan2(ey - sy, ex - sx)) % 360
            pa = 0.0 if b.parent is None else self.rest[b.parent.name]['abs']
            rel = (absang - pa) % 360
            end = (sx + math.cos(math.radians(absang)) * length, sy + math.sin(math.radians(absang)) * length)
            self.rest[b.name] = {'start': (sx, sy), 'end': end, 'abs': absang, 'rel': rel, 'len': float(length)}

    def _tree_order(self):
        out = []

        def walk(b):
            out.append(b)
            for c in b.children:
                walk(c)
        walk(self.root)
        return out

    def order(self):
        """Bones in draw order (the bone list): Trunk first."""
        if self.draw_order is None:
            return self.bones
        names = ['Trunk'] + [n for n in self.draw_order if n != 'Trunk']
        assert sorted(names) == sorted(b.name for b in self.bones), (self.name, set(names) ^ set(b.name for b in self.bones))
        return [self.by_name[n] for n in names]

    # -- frames
    def pose(self, deltas=None, lengths=None):
        """A frame from angle changes against the rest pose (degrees) and length overrides."""
        deltas = deltas or {}
        lengths = lengths or {}
        for n in list(deltas) + list(lengths):
            assert n in self.by_name, (self.name, n)
        return {b.name: ((self.rest[b.name]['rel'] + deltas.get(b.name, 0.0)) % 360,
                         float(lengths.get(b.name, self.rest[b.name]['len']))) for b in self.bones}

    def add_set(self, name, frames):
        self.frame_sets.append((name, frames))


# ----------------------------------------------------------------------------------------------
# Drawing skins: a recorder with the Image drawing calls, replayed into each bone's frame.
class Recorder:
    def __init__(self):
        self.ops = []

    def fill(self, path, paint, opacity=1.0):
        self.ops.append(('fill', path, paint))

    def line(self, points, width, paint, closed=False):
        self.ops.append(('fill', stroke(points, width, closed), paint))

    def blob(self, path, paint, line=S.INK, width=1.5):
        if line is not None and width > 0:
            self.ops.append(('fill', outline(path, 2 * width), line))
        self.ops.append(('fill', path, paint))

    def erase(self, path):
        self.ops.append(('erase', path, None))


def bake_skin(rig, bone, recorder, margin=2):
    """The recorded drawing as this bone's skin image, with its offsets."""
    r = rig.rest[bone.name]
    sx, sy = r['start']
    ang = -r['abs']

    def to_local(path):
        return transform(transform(path, dx=-sx, dy=-sy), angle=ang)
    local_ops = [(kind, to_local(path), paint) for kind, path, paint in recorder.ops]
    xs = [x for _, path, _ in local_ops for poly in path for x, _ in poly]
    ys = [y for _, path, _ in local_ops for poly in path for _, y in poly]
    xmin, ymin = int(math.floor(min(xs))) - margin, int(math.floor(min(ys))) - margin
    xmax, ymax = int(math.ceil(max(xs))) + margin, int(math.ceil(max(ys))) + margin
    im = Image(xmax - xmin, ymax - ymin)
    ca, sa = math.cos(math.radians(-ang)), math.sin(math.radians(-ang))
    for kind, path, paint in local_ops:
        p = transform(path, dx=-xmin, dy=-ymin)
        if kind == 'erase':
            im.erase(p)
            continue
        if callable(paint):
            def wrapped(x, y, paint=paint):
                lx, ly = x + xmin, y + ymin
                # back to rest pose space: rotate by the bone's angle, then add its start
                return paint(lx * ca - ly * sa + sx, lx * sa + ly * ca + sy)
            im.fill(p, wrapped)
        else:
            im.fill(p, paint)
    offx = -xmin + int(r['len']) - im.width
    offy = -ymin
    return im, offx, offy


# ----------------------------------------------------------------------------------------------
# The skeleton file.
def write_skeleton(rig, path):
    lines = [SEPARATOR, '## Will put Skeleton Name here (TODO)',
             '## Last Modified:  %s at %s ' % FIXED_STAMP, '##', SEPARATOR, '## <Skeleton Tree Structure>', '']

    def tree(b, depth):
        lines.append('  ' * depth + '+ ' + b.name)
        for c in b.children:
            tree(c, depth + 1)
    tree(rig.root, 0)
    lines += ['', SEPARATOR, '## <Bone Draw Order>', '']
    order = rig.order()
    for b in order[1:]:
        skin, offx, offy = b.skin if b.skin else ('NO SKIN', 0, 0)
        lines += ['** ' + b.name, skin, fmt(offx), fmt(offy), '']
    lines += ['<End>', SEPARATOR, '## <Frames>', '', 'FrameSets: %d' % len(rig.frame_sets), '']
    for name, frames in rig.frame_sets:
        lines += [name, 'Frames: %d' % len(frames), '']
        for k, frame in enumerate(frames):
            lines.append('## Frame: %d' % (k + 1))
            for b in order:
                angle, length = frame[b.name]
                lines += [fmt(length), fmt(angle), '']
        lines.append('')
    with open(path, 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('latin-1'))


def _strip_comments(text):
    for marker in ('##', '//'):
        i = text.find(marker)
        if i >= 0:
            text = text[:i]
    return text


def read_skeleton(path):
    """Parses a skeleton file the way the engine's reader does.  Returns a dict with the tree
    (name -> parent), the bone list (draw order), skins and frame sets."""
    with open(path, 'rb') as f:
        raw = f.read().decode('latin-1')
    lines = raw.replace('\r\n', '\n').replace('\r', '\n').split('\n')
    if lines and lines[-1] == '':
        lines.pop()
    pos = 0

    def next_line():
        nonlocal pos
        if pos >= len(lines):
            raise ValueError('%s: unexpected end of file' % path)
        pos += 1
        return lines[pos - 1]
    parents = {'Trunk': None}
    children = {'Trunk': []}
    bone_list = ['Trunk']
    skins = {}
    cur, level = 'Trunk', 1
    frame_sets = []
    while pos < len(lines):
        text = _strip_comments(next_line())
        if '+' in text:
            p = text.index('+')
            name, k = text[p + 2:], (p + 1) // 2
            if k == 0:
                continue
            if level < k:
                if not children[cur]:
                    raise ValueError('%s: tree line steps into a missing child: %r' % (path, text))
                cur, level = children[cur][-1], k
            elif k < level:
                for _ in range(level - k):
                    cur = parents[cur]
                level = k
            if name in parents:
                raise ValueError('%s: duplicate bone name %r' % (path, name))
            parents[name] = cur
            children[name] = []
            children[cur].append(name)
            bone_list.append(name)
        elif '**' in text:
            name = text[3:]
            if name not in parents:
                raise ValueError('%s: draw-order block names unknown bone %r' % (path, name))
            skin = _strip_comments(next_line())
            offx = int(float(_strip_comments(next_line())))
            offy = int(float(_strip_comments(next_line())))
            next_line()
            skins[name] = (skin, offx, offy)
            i = len(skins)
            j = bone_list.index(name)
            bone_list[i], bone_list[j] = bone_list[j], bone_list[i]
        elif 'FrameSets: ' in text:
            count = int(text[11:])
            for _ in range(count):
                next_line()
                set_name = _strip_comments(next_line())
                n = int(next_line()[8:])
                next_line()
                frames = []
                for _ in range(n):
                    next_line()
                    entries = []
                    for _ in range(len(bone_list)):
                        length = float(next_line())
                        angle = float(next_line())
                        next_line()
                        entries.append((angle, length))
                    frames.append(entries)
                frame_sets.append((set_name, frames))
    return {'parents': parents, 'children': children, 'bones': bone_list, 'skins': skins, 'sets': frame_sets}


def skin_resolves(skin_path, exe_dir):
    """Whether a skin path as written finds its pictures from the executable's folder."""
    full = os.path.normpath(os.path.join(exe_dir, skin_path))
    if '.png' in skin_path or '.PNG' in skin_path:
        return os.path.isfile(full)
    return os.path.isfile(full + '-a-00.png')


# ----------------------------------------------------------------------------------------------
# Posing and drawing like the engine.
def positions(parsed, frame):
    """Start, end and absolute angle per bone for one frame of a parsed skeleton."""
    idx = {n: i for i, n in enumerate(parsed['bones'])}
    out = {}

    def walk(name, x, y, pa):
        ang, ln = frame[idx[name]]
        a = ang + pa
        ex, ey = x + math.cos(math.radians(a)) * ln, y + math.sin(math.radians(a)) * ln
        out[name] = ((x, y), (ex, ey), a)
        for c in parsed['children'][name]:
            walk(c, ex, ey, a)
    walk('Trunk', 0.0, 0.0, 0.0)
    return out


def blend(frame_a, frame_b, t):
    out = []
    for (a1, l1), (a2, l2) in zip(frame_a, frame_b):
        if a1 - a2 > 180:
            a = a1 + t * (a2 + 360 - a1)
        elif a1 - a2 < -180:
            a = a1 + t * (a2 - 360 - a1)
        else:
            a = a1 + t * (a2 - a1)
        out.append((a, l1 + (l2 - l1) * t))
    return out


def draw_skeleton(canvas, parsed, frame, x, y, skin_images, scale=1.0, mirrored=False, overlay=False):
    """DrawSkinsScaled: each skin rotated about its pivot placed at the bone's end."""
    pos = positions(parsed, frame)
    for name in parsed['bones']:
        if name not in parsed['skins'] or name not in skin_images:
            continue
        im = skin_images[name]
        _, offx, offy = parsed['skins'][name]
        (_, _), (ex, ey), a = pos[name]
        w, h = im.width, im.height
        if not mirrored:
            px, py = offx + w, offy
            ang = a
            flip = False
            tx, ty = int(x + scale * ex), int(y + scale * ey)
        else:
            px, py = offx + w, h - offy
            ang = 180 - a
            flip = True
            tx, ty = int(x - scale * ex), int(y + scale * ey)
        ca, sa = math.cos(math.radians(ang)), math.sin(math.radians(ang))
        # dest = T + R * S * (src - pivot)
        m = (ca * scale, -sa * scale, tx - (ca * px - sa * py) * scale,
             sa * scale, ca * scale, ty - (sa * px + ca * py) * scale)
        canvas.draw_transformed(im, m, flip_v=flip)
    if overlay:
        for name in parsed['bones']:
            (sx, sy), (ex, ey), _ = pos[name]
            k = -1 if mirrored else 1
            canvas.line([(x + k * sx * scale, y + sy * scale), (x + k * ex * scale, y + ey * scale)], 1.2,
                        (0, 1, 0, 0.7))
            canvas.fill(circle(x + k * ex * scale, y + ey * scale, 2.2), (1, 0, 0, 0.75))
        canvas.fill(circle(x, y, 3), (1, 1, 1, 0.7))
