"""A small anti-aliased vector rasteriser and image type, standard library only.

Images hold premultiplied RGBA floats (0..1).  Shapes are paths: lists of closed polygons
(lists of (x, y) points) filled with the non-zero winding rule, so a stroke built from many
overlapping pieces fills as their union.  Coverage is exact horizontally and sampled on
SUBSAMPLES sub-scanlines per pixel row, which gives smooth edges without a second pass.
"""

import math
from itertools import accumulate

SUBSAMPLES = 5


# ----------------------------------------------------------------------------------------------
# Colours
def rgb(hextext, alpha=1.0):
    """'#rrggbb' -> (r, g, b, a) floats."""
    h = hextext.lstrip('#')
    return (int(h[0:2], 16) / 255.0, int(h[2:4], 16) / 255.0, int(h[4:6], 16) / 255.0, alpha)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def shade(c, f):
    """f < 0 darkens towards black, f > 0 lightens towards white."""
    if f < 0:
        return (c[0] * (1 + f), c[1] * (1 + f), c[2] * (1 + f), c[3])
    return (c[0] + (1 - c[0]) * f, c[1] + (1 - c[1]) * f, c[2] + (1 - c[2]) * f, c[3])


def with_alpha(c, a):
    return (c[0], c[1], c[2], a)


def grey_out(c, amount=0.75, towards=0.72):
    """A disabled look: desaturated and pulled towards a light grey."""
    lum = 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2]
    g = lum + (towards - lum) * 0.55
    return (c[0] + (g - c[0]) * amount, c[1] + (g - c[1]) * amount, c[2] + (g - c[2]) * amount, c[3])


# ----------------------------------------------------------------------------------------------
# Paths
def _signed_area(poly):
    a = 0.0
    n = len(poly)
    for i in range(n):
        x1, y1 = poly[i]
        x2, y2 = poly[(i + 1) % n]
        a += x1 * y2 - x2 * y1
    return a * 0.5


def oriented(poly):
    """The polygon with positive orientation, so unions of pieces fill by non-zero winding."""
    return poly if _signed_area(poly) >= 0 else list(reversed(poly))


def circle(cx, cy, r, segments=None):
    return ellipse(cx, cy, r, r, segments)


def ellipse(cx, cy, rx, ry, segments=None, rotation=0.0):
    if segments is None:
        segments = max(12, int(max(abs(rx), abs(ry)) * 2.2) + 8)
    cr, sr = math.cos(rotation), math.sin(rotation)
    pts = []
    for i in range(segments):
        a = 2 * math.pi * i / segments
        x, y = math.cos(a) * rx, math.sin(a) * ry
        pts.append((cx + x * cr - y * sr, cy + x * sr + y * cr))
    return [pts]


def rect(x, y, w, h):
    return [[(x, y), (x + w, y), (x + w, y + h), (x, y + h)]]


def rounded_rect(x, y, w, h, r):
    r = max(0.0, min(r, w / 2, h / 2))
    if r == 0:
        return rect(x, y, w, h)
    pts = []
    steps = max(4, int(r * 1.5))
    for cx, cy, a0 in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0), (x + r, y + h - r, 90),
                       (x + r, y + r, 180)):
        for i in range(steps + 1):
            a = math.radians(a0 + 90 * i / steps)
            pts.append((cx + math.cos(a) * r, cy + math.sin(a) * r))
    return [pts]


def polygon(points):
    return [list(points)]


def arc_points(cx, cy, rx, ry, a0, a1, segments=None):
    """Points along an elliptic arc, angles in degrees (0 = right, 90 = down)."""
    if segments is None:
        segments = max(6, int(abs(a1 - a0) / 360 * max(rx, ry) * 6.5) + 4)
    out = []
    for i in range(segments + 1):
        a = math.radians(a0 + (a1 - a0) * i / segments)
        out.append((cx + math.cos(a) * rx, cy + math.sin(a) * ry))
    return out


def quad_bezier(p0, p1, p2, segments=16):
    out = []
    for i in range(segments + 1):
        t = i / segments
        u = 1 - t
        out.append((u * u * p0[0] + 2 * u * t * p1[0] + t * t * p2[0],
                    u * u * p0[1] + 2 * u * t * p1[1] + t * t * p2[1]))
    return out


def cubic_bezier(p0, p1, p2, p3, segments=20):
    out = []
    for i in range(segments + 1):
        t = i / segments
        u = 1 - t
        a, b, c, d = u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                    a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def smooth_closed(points, segments=8):
    """A closed curve through the control polygon's edge midpoints (quadratic B-spline)."""
    n = len(points)
    out = []
    for i in range(n):
        p0, p1, p2 = points[i - 1], points[i], points[(i + 1) % n]
        m0 = ((p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2)
        m1 = ((p1[0] + p2[0]) / 2, (p1[1] + p2[1]) / 2)
        out.extend(quad_bezier(m0, p1, m1, segments)[:-1])
    return [out]


def transform(path, dx=0.0, dy=0.0, angle=0.0, sx=1.0, sy=None, cx=0.0, cy=0.0):
    """Scale and rotate (degrees) about (cx, cy), then translate."""
    if sy is None:
        sy = sx
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    out = []
    for poly in path:
        q = []
        for x, y in poly:
            x, y = (x - cx) * sx, (y - cy) * sy
            q.append((cx + x * ca - y * sa + dx, cy + x * sa + y * ca + dy))
        out.append(q)
    return out


def stroke(points, width, closed=False, cap='round'):
    """The outline of a polyline as a path: a quad per segment and a disc per joint."""
    hw = width / 2.0
    pts = list(points)
    if closed:
        pts = pts + [pts[0]]
    path = []
    for i in range(len(pts) - 1):
        (x1, y1), (x2, y2) = pts[i], pts[i + 1]
        dx, dy = x2 - x1, y2 - y1
        length = math.hypot(dx, dy)
        if length < 1e-9:
            continue
        nx, ny = -dy / length * hw, dx / length * hw
        if cap == 'butt' and not closed:
            ex, ey = 0.0, 0.0
        else:
            ex, ey = 0.0, 0.0
        path.append(oriented([(x1 + nx - ex, y1 + ny - ey), (x2 + nx + ex, y2 + ny + ey),
                              (x2 - nx + ex, y2 - ny + ey), (x1 - nx - ex, y1 - ny - ey)]))
    joints = pts if (cap == 'round' or closed) else pts[1:-1]
    segs = max(8, int(hw * 4) + 6)
    for (x, y) in joints:
        path.extend(circle(x, y, hw, segs))
    return path


def outline(path, width):
    """The stroke along every polygon of a path (closed)."""
    out = []
    for poly in path:
        out.extend(stroke(poly, width, closed=True))
    return out


def union(*paths):
    out = []
    for p in paths:
        out.extend(oriented(poly) for poly in p)
    return out


# ----------------------------------------------------------------------------------------------
# Coverage
def coverage_rows(path, width, height):
    """Yields (y, x0, values) rows of coverage (0..1) for the path, clipped to the image."""
    edges = []
    miny, maxy, minx, maxx = 1e9, -1e9, 1e9, -1e9
    for poly in path:
        # every polygon counts positively: a path is the union of its pieces
        poly = oriented(poly)
        n = len(poly)
        for i in range(n):
            x1, y1 = poly[i]
            x2, y2 = poly[(i + 1) % n]
            minx, maxx = min(minx, x1), max(maxx, x1)
            if y1 == y2:
                continue
            w = 1
            if y1 > y2:
                x1, y1, x2, y2 = x2, y2, x1, y1
                w = -1
            edges.append((y1, y2, x1, (x2 - x1) / (y2 - y1), w))
            miny, maxy = min(miny, y1), max(maxy, y2)
    if not edges:
        return
    x0 = max(0, int(math.floor(minx)))
    x1b = min(width, int(math.ceil(maxx)) + 1)
    if x1b <= x0:
        return
    row_w = x1b - x0
    edges.sort(key=lambda e: e[0])
    ystart = max(0, int(math.floor(miny)))
    yend = min(height, int(math.ceil(maxy)))
    active = []
    ei = 0
    inv = 1.0 / SUBSAMPLES
    for y in range(ystart, yend):
        while ei < len(edges) and edges[ei][0] < y + 1:
            active.append(edges[ei])
            ei += 1
        active = [e for e in active if e[1] > y]
        if not active:
            continue
        direct = [0.0] * (row_w + 2)
        diff = [0.0] * (row_w + 2)
        any_span = False
        for s in range(SUBSAMPLES):
            sy = y + (s + 0.5) * inv
            xs = []
            for (ya, yb, xa, slope, w) in active:
                if ya <= sy < yb:
                    xs.append((xa + (sy - ya) * slope, w))
            if len(xs) < 2:
                continue
            xs.sort()
            wind = 0
            for k in range(len(xs) - 1):
                wind += xs[k][1]
                if wind == 0:
                    continue
                xa = xs[k][0] - x0
                xb = xs[k + 1][0] - x0
                if xb <= 0 or xa >= row_w:
                    continue
                xa = max(0.0, xa)
                xb = min(float(row_w), xb)
                if xb <= xa:
                    continue
                any_span = True
                ia, ib = int(xa), int(xb)
                if ia == ib:
                    direct[ia] += (xb - xa) * inv
                else:
                    direct[ia] += (ia + 1 - xa) * inv
                    diff[ia + 1] += inv
                    diff[ib] -= inv
                    direct[ib] += (xb - ib) * inv
        if not any_span:
            continue
        vals = [min(1.0, d + c) for d, c in zip(direct, accumulate(diff))][:row_w]
        yield y, x0, vals


class Mask:
    """Coverage of a path over a whole image, used to clip other fills."""

    def __init__(self, width, height, path=None, value=0.0):
        self.width, self.height = width, height
        self.rows = [[value] * width for _ in range(height)]
        if path is not None:
            for y, x0, vals in coverage_rows(path, width, height):
                row = self.rows[y]
                for i, v in enumerate(vals):
                    row[x0 + i] = v

    def at(self, x, y):
        return self.rows[y][x]

    def subtract(self, path):
        for y, x0, vals in coverage_rows(path, self.width, self.height):
            row = self.rows[y]
            for i, v in enumerate(vals):
                row[x0 + i] *= (1 - v)
        return self


# ----------------------------------------------------------------------------------------------
# Paints: a colour tuple, or a function (x, y) -> colour evaluated at pixel centres.
def linear(p0, p1, stops):
    """Linear gradient from p0 to p1; stops = [(t, colour), ...] with t rising."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    ll = dx * dx + dy * dy or 1.0

    def paint(x, y):
        t = ((x - p0[0]) * dx + (y - p0[1]) * dy) / ll
        return _stop_colour(stops, t)
    return paint


def radial(cx, cy, r, stops, sy=1.0):
    def paint(x, y):
        t = math.hypot(x - cx, (y - cy) / sy) / r
        return _stop_colour(stops, t)
    return paint


def _stop_colour(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for i in range(1, len(stops)):
        if t <= stops[i][0]:
            t0, c0 = stops[i - 1]
            t1, c1 = stops[i]
            f = (t - t0) / (t1 - t0) if t1 > t0 else 1.0
            return mix(c0, c1, f)
    return stops[-1][1]


# ----------------------------------------------------------------------------------------------
class Image:
    def __init__(self, width, height, fill=(0.0, 0.0, 0.0, 0.0)):
        self.width, self.height = width, height
        r, g, b, a = fill
        self.px = [[r * a, g * a, b * a, a] * width for _ in range(height)]

    def copy(self):
        im = Image(0, 0)
        im.width, im.height = self.width, self.height
        im.px = [list(row) for row in self.px]
        return im

    # -- painting
    def fill(self, path, paint, clip=None, opacity=1.0):
        solid = not callable(paint)
        if solid:
            r, g, b, a = paint
            a *= opacity
        for y, x0, vals in coverage_rows(path, self.width, self.height):
            row = self.px[y]
            crow = clip.rows[y] if clip is not None else None
            for i, c in enumerate(vals):
                if c <= 0.0:
                    continue
                x = x0 + i
                if crow is not None:
                    c *= crow[x]
                    if c <= 0.0:
                        continue
                if not solid:
                    r, g, b, a = paint(x + 0.5, y + 0.5)
                    a *= opacity
                sa = a * c
                if sa <= 0.0:
                    continue
                k = 4 * x
                inv = 1.0 - sa
                row[k] = r * sa + row[k] * inv
                row[k + 1] = g * sa + row[k + 1] * inv
                row[k + 2] = b * sa + row[k + 2] * inv
                row[k + 3] = sa + row[k + 3] * inv
        return self

    def shape(self, path, paint, line=None, line_width=2.0, clip=None):
        """Fill a path, then draw its outline centred on the edge."""
        self.fill(path, paint, clip)
        if line is not None and line_width > 0:
            self.fill(outline(path, line_width), line, clip)
        return self

    def line(self, points, width, paint, clip=None, closed=False):
        self.fill(stroke(points, width, closed), paint, clip)
        return self

    def erase(self, path, clip=None):
        """Cut a path out of the image (destination-out)."""
        for y, x0, vals in coverage_rows(path, self.width, self.height):
            row = self.px[y]
            for i, c in enumerate(vals):
                if clip is not None:
                    c *= clip.rows[y][x0 + i]
                k = 4 * (x0 + i)
                f = 1.0 - c
                row[k] *= f
                row[k + 1] *= f
                row[k + 2] *= f
                row[k + 3] *= f
        return self

    def draw_image(self, src, dx, dy, opacity=1.0):
        """Composite another image at an integer offset."""
        for sy in range(src.height):
            y = sy + dy
            if y < 0 or y >= self.height:
                continue
            srow, drow = src.px[sy], self.px[y]
            for sx in range(src.width):
                x = sx + dx
                if x < 0 or x >= self.width:
                    continue
                k, j = 4 * sx, 4 * x
                sa = srow[k + 3] * opacity
                if sa <= 0:
                    continue
                inv = 1 - sa
                drow[j] = srow[k] * opacity + drow[j] * inv
                drow[j + 1] = srow[k + 1] * opacity + drow[j + 1] * inv
                drow[j + 2] = srow[k + 2] * opacity + drow[j + 2] * inv
                drow[j + 3] = sa + drow[j + 3] * inv
        return self

    def draw_transformed(self, src, matrix, opacity=1.0, flip_v=False, flip_h=False):
        """Composite src through an affine map (a, b, c, d, e, f): dest = (a*x + b*y + c,
        d*x + e*y + f) for source pixel coordinates, sampled bilinearly."""
        a, b, c, d, e, f = matrix
        det = a * e - b * d
        if abs(det) < 1e-12:
            return self
        ia, ib, id_, ie = e / det, -b / det, -d / det, a / det
        corners = [(0, 0), (src.width, 0), (0, src.height), (src.width, src.height)]
        xs = [a * x + b * y + c for x, y in corners]
        ys = [d * x + e * y + f for x, y in corners]
        x0, x1 = max(0, int(math.floor(min(xs)))), min(self.width, int(math.ceil(max(xs))) + 1)
        y0, y1 = max(0, int(math.floor(min(ys)))), min(self.height, int(math.ceil(max(ys))) + 1)
        sw, sh = src.width, src.height
        for y in range(y0, y1):
            drow = self.px[y]
            for x in range(x0, x1):
                px, py = x + 0.5 - c, y + 0.5 - f
                u = ia * px + ib * py
                v = id_ * px + ie * py
                if flip_h:
                    u = sw - u
                if flip_v:
                    v = sh - v
                col = src.sample(u - 0.5, v - 0.5)
                if col is None:
                    continue
                sa = col[3] * opacity
                if sa <= 0:
                    continue
                j = 4 * x
                inv = 1 - sa
                drow[j] = col[0] * opacity + drow[j] * inv
                drow[j + 1] = col[1] * opacity + drow[j + 1] * inv
                drow[j + 2] = col[2] * opacity + drow[j + 2] * inv
                drow[j + 3] = sa + drow[j + 3] * inv
        return self

    def sample(self, u, v):
        """Bilinear premultiplied sample at pixel-centre coordinates; None outside."""
        if u < -1 or v < -1 or u > self.width or v > self.height:
            return None
        xi, yi = int(math.floor(u)), int(math.floor(v))
        fx, fy = u - xi, v - yi
        out = [0.0, 0.0, 0.0, 0.0]
        for (sx, sy, wgt) in ((xi, yi, (1 - fx) * (1 - fy)), (xi + 1, yi, fx * (1 - fy)),
                              (xi, yi + 1, (1 - fx) * fy), (xi + 1, yi + 1, fx * fy)):
            if wgt <= 0 or sx < 0 or sy < 0 or sx >= self.width or sy >= self.height:
                continue
            row = self.px[sy]
            k = 4 * sx
            out[0] += row[k] * wgt
            out[1] += row[k + 1] * wgt
            out[2] += row[k + 2] * wgt
            out[3] += row[k + 3] * wgt
        return out

    def blurred(self, radius):
        """A copy blurred by three box passes (close to a Gaussian)."""
        im = self.copy()
        r = max(1, int(radius))
        for _ in range(3):
            im._box_h(r)
            im._box_v(r)
        return im

    def _box_h(self, r):
        w = self.width
        for y in range(self.height):
            row = self.px[y]
            out = [0.0] * (4 * w)
            for ch in range(4):
                vals = row[ch::4]
                pre = [0.0] + list(accumulate(vals))
                for x in range(w):
                    lo, hi = max(0, x - r), min(w, x + r + 1)
                    out[4 * x + ch] = (pre[hi] - pre[lo]) / (2 * r + 1)
            self.px[y] = out

    def _box_v(self, r):
        h = self.height
        for x4 in range(4 * self.width):
            col = [self.px[y][x4] for y in range(h)]
            pre = [0.0] + list(accumulate(col))
            for y in range(h):
                lo, hi = max(0, y - r), min(h, y + r + 1)
                self.px[y][x4] = (pre[hi] - pre[lo]) / (2 * r + 1)

    def map_colours(self, fn):
        """Replace every pixel's straight colour by fn(colour)."""
        for row in self.px:
            for k in range(0, len(row), 4):
                a = row[k + 3]
                if a <= 0:
                    continue
                c = fn((row[k] / a, row[k + 1] / a, row[k + 2] / a, a))
                row[k], row[k + 1], row[k + 2], row[k + 3] = c[0] * c[3], c[1] * c[3], c[2] * c[3], c[3]
        return self

    def crop(self, x, y, w, h):
        im = Image(w, h)
        for j in range(h):
            im.px[j] = list(self.px[y + j][4 * x:4 * (x + w)])
        return im

    def pixel(self, x, y):
        """Straight (non-premultiplied) 8-bit RGBA."""
        row = self.px[y]
        k = 4 * x
        a = row[k + 3]
        if a <= 0:
            return (0, 0, 0, 0)
        return tuple(min(255, max(0, int(round(v * 255)))) for v in
                     (row[k] / a, row[k + 1] / a, row[k + 2] / a, a))

    def rgba_bytes(self):
        out = bytearray()
        for row in self.px:
            for k in range(0, len(row), 4):
                a = row[k + 3]
                if a <= 1e-6:
                    out += b'\0\0\0\0'
                    continue
                a = min(1.0, a)
                out += bytes((min(255, max(0, int(row[k] / a * 255 + 0.5))),
                              min(255, max(0, int(row[k + 1] / a * 255 + 0.5))),
                              min(255, max(0, int(row[k + 2] / a * 255 + 0.5))),
                              min(255, max(0, int(a * 255 + 0.5)))))
        return bytes(out)
