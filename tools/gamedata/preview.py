"""Preview sheets: every frame of every frame set of each shipped skeleton, drawn with its skins
the way the engine draws them (one row per frame set), the tiles assembled into a scene, and the
editor strips at three times their size."""

import os

import fileio
import skeleton
import tiles
from raster import Image, rgb, rect, circle

VIEW = {  # cell width, height, origin x, origin y, scale
    'Cactus Man 2 (small).txt': (90, 150, 45, 58, 1.0),
    'Small Robot (game size).txt': (90, 120, 45, 50, 1.0),
    'Soldier Alpha.TXT': (100, 150, 40, 60, 1.0),
    'Snowman Boss.txt': (330, 150, 130, 16, 0.5),
    'Snowman.txt': (140, 180, 80, 95, 1.0),
    'Jungle Explorer.txt': (110, 160, 50, 80, 1.0),
}


def skin_images(parsed, exe_dir):
    images = {}
    for name, (path, _, _) in parsed['skins'].items():
        if path == 'NO SKIN':
            continue
        full = os.path.normpath(os.path.join(exe_dir, path))
        if '.png' not in path:
            full += '-a-00.png'
        images[name] = fileio.load_image(full)
    return images


def skeleton_sheet(path, exe_dir, view, mirrored=False, overlay=False, blends=False):
    parsed = skeleton.read_skeleton(path)
    images = skin_images(parsed, exe_dir)
    cw, ch, ox, oy, scale = view
    rows = parsed['sets']
    cols = max(len(f) for _, f in rows) * (2 if blends else 1)
    sheet = Image(cols * cw, len(rows) * ch, (0, 60 / 255, 0, 1))
    for r, (_, frames) in enumerate(rows):
        shown = []
        for i, fr in enumerate(frames):
            shown.append(fr)
            if blends:
                shown.append(skeleton.blend(fr, frames[(i + 1) % len(frames)], 0.5))
        for c, frame in enumerate(shown):
            x0, y0 = c * cw, r * ch
            sheet.fill(rect(x0, y0, cw, 1), rgb('#0d7807'))
            sheet.fill(rect(x0, y0, 1, ch), rgb('#0d7807'))
            cell = Image(cw, ch)
            skeleton.draw_skeleton(cell, parsed, frame, (cw - ox) if mirrored else ox, oy, images, scale, mirrored, overlay)
            sheet.draw_image(cell, x0, y0)
    return sheet


def tile_scene(data):
    folder = os.path.join(data, 'GFX/Tileset - Jungle PNG')
    img = lambda n, f=0, s='a': fileio.load_image(os.path.join(folder, 'Tile %03d-%s-%02d.png' % (n, s, f)))
    bg = fileio.load_image(os.path.join(data, 'GFX/Misc/Background3.png'))
    scene = Image(800, 576)
    scene.draw_image(bg, 0, -24)
    layout = [
        '..............23..',
        '.......JKK....(D..',
        '.....NOOOP....KD..',
        '..WX...Y......K...',
        'ABBBC...Z..ABBBC..',
        'DLEEGSSSSSSHEEEF..',
        'DEMEGTTTTTTHEEEF..',
        'RQQQUTTTTTTVQQQI..',
        '..................',
    ]
    key = {'A': 1, 'B': 2, 'C': 3, 'D': 4, 'E': 5, 'F': 6, 'R': 7, 'Q': 8, 'I': 9, 'G': 11, 'H': 10, 'L': 12, 'M': 13,
           'N': 14, 'O': 15, 'P': 16, 'J': 20, 'K': 22, 'S': 31, 'T': 32, 'U': 9, 'V': 7, 'W': 24, 'X': 26, 'Y': 17,
           'Z': 34, '(': 21, '2': 23, '3': 30}
    for r, line in enumerate(layout):
        for c, ch in enumerate(line):
            if ch in key and c * 64 < 800 and r * 64 < 576:
                scene.draw_image(img(key[ch]), c * 64 - 32, r * 64 - 40)
    return scene


def enlarge(im, k):
    big = Image(im.width * k, im.height * k)
    for y in range(big.height):
        src = im.px[y // k]
        big.px[y] = [src[4 * (x // k) + c] for x in range(big.width) for c in range(4)]
    return big


def make_all(folder, data, exe_dir):
    os.makedirs(folder, exist_ok=True)
    for name, view in VIEW.items():
        path = os.path.join(data, 'Skeletons', name)
        base = os.path.join(folder, os.path.splitext(name)[0])
        fileio.write_png(base + '.png', skeleton_sheet(path, exe_dir, view))
        fileio.write_png(base + ' (bones).png', skeleton_sheet(path, exe_dir, view, overlay=True))
        fileio.write_png(base + ' (mirrored).png', skeleton_sheet(path, exe_dir, view, mirrored=True))
    fileio.write_png(os.path.join(folder, 'tiles in a scene.png'), tile_scene(data))
    for rel in ('MARL Toolbar', 'Tabs', 'Transport Buttons', 'Frame Edit Buttons'):
        im = fileio.load_image(os.path.join(data, 'GFX/MARL GUI/%s.png' % rel))
        fileio.write_png(os.path.join(folder, '%s x3.png' % rel), enlarge(im, 3))
