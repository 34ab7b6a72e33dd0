"""PNG and WAV reading and writing with zlib and struct only."""

import struct
import zlib

from raster import Image

PNG_SIGNATURE = b'\x89PNG\r\n\x1a\n'


def _chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xffffffff)


def write_png(path, image):
    """A 32-bit RGBA PNG. Rows use the Sub filter, which suits smooth vector art."""
    w, h = image.width, image.height
    data = image.rgba_bytes()
    raw = bytearray()
    stride = 4 * w
    for y in range(h):
        row = data[y * stride:(y + 1) * stride]
        raw.append(1)
        raw += row[:4]
        raw += bytes((row[i] - row[i - 4]) & 0xff for i in range(4, stride))
    ihdr = struct.pack('>IIBBBBB', w, h, 8, 6, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(PNG_SIGNATURE + _chunk(b'IHDR', ihdr) + _chunk(b'IDAT', zlib.compress(bytes(raw), 9))
                + _chunk(b'IEND', b''))


def read_png(path):
    """Reads back 8-bit RGBA or RGB PNGs (all five row filters): (width, height, rgba bytes)."""
    with open(path, 'rb') as f:
        blob = f.read()
    if not blob.startswith(PNG_SIGNATURE):
        raise ValueError('%s: not a PNG file' % path)
    pos = 8
    idat = bytearray()
    width = height = channels = None
    while pos < len(blob):
        length, kind = struct.unpack('>I4s', blob[pos:pos + 8])
        data = blob[pos + 8:pos + 8 + length]
        crc = struct.unpack('>I', blob[pos + 8 + length:pos + 12 + length])[0]
        if zlib.crc32(kind + data) & 0xffffffff != crc:
            raise ValueError('%s: bad CRC in %s chunk' % (path, kind))
        if kind == b'IHDR':
            width, height, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', data)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise ValueError('%s: only 8-bit RGB/RGBA, not interlaced' % path)
            channels = 4 if colour == 6 else 3
        elif kind == b'IDAT':
            idat += data
        elif kind == b'IEND':
            break
        pos += 12 + length
    raw = zlib.decompress(bytes(idat))
    stride = width * channels
    out = bytearray()
    prev = bytearray(stride)
    p = 0
    for _ in range(height):
        ftype = raw[p]
        line = bytearray(raw[p + 1:p + 1 + stride])
        p += 1 + stride
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 0xff
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xff
            elif ftype == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xff
            elif ftype == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xff
        prev = line
        if channels == 4:
            out += line
        else:
            for i in range(0, stride, 3):
                out += line[i:i + 3] + b'\xff'
    return width, height, bytes(out)


def load_image(path):
    w, h, data = read_png(path)
    im = Image(w, h)
    for y in range(h):
        row = im.px[y]
        for x in range(w):
            k = 4 * (y * w + x)
            a = data[k + 3] / 255.0
            row[4 * x:4 * x + 4] = [data[k] / 255.0 * a, data[k + 1] / 255.0 * a,
                                    data[k + 2] / 255.0 * a, a]
    return im


def write_wav(path, samples, rate=22050):
    """Mono 16-bit PCM from floats in -1..1 (clipped)."""
    frames = b''.join(struct.pack('<h', int(max(-1.0, min(1.0, s)) * 32767)) for s in samples)
    header = b'RIFF' + struct.pack('<I', 36 + len(frames)) + b'WAVE'
    fmt = b'fmt ' + struct.pack('<IHHIIHH', 16, 1, 1, rate, rate * 2, 2, 16)
    with open(path, 'wb') as f:
        f.write(header + fmt + b'data' + struct.pack('<I', len(frames)) + frames)


def read_wav(path):
    """(rate, channels, bits, frame count) of a PCM WAV file."""
    with open(path, 'rb') as f:
        blob = f.read()
    if blob[0:4] != b'RIFF' or blob[8:12] != b'WAVE':
        raise ValueError('%s: not a WAV file' % path)
    pos = 12
    fmt = None
    while pos < len(blob):
        kind, length = blob[pos:pos + 4], struct.unpack('<I', blob[pos + 4:pos + 8])[0]
        if kind == b'fmt ':
            fmt = struct.unpack('<HHIIHH', blob[pos + 8:pos + 24])
        elif kind == b'data':
            if fmt is None:
                raise ValueError('%s: data before fmt' % path)
            return fmt[2], fmt[1], fmt[5], length // fmt[4]
        pos += 8 + length
    raise ValueError('%s: no data chunk' % path)
