#!/usr/bin/env python3
"""Makes every file of "Game Data/" from the drawings and syntheses in this folder.

    python3 tools/gamedata/generate.py            # write Game Data/, then check it
    python3 tools/gamedata/generate.py --check    # only check what is there
    python3 tools/gamedata/generate.py --preview DIR   # also draw preview sheets into DIR

Standard library only. The output is deterministic, so running it again changes nothing.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import backdrop      # noqa: E402
import characters    # noqa: E402
import entities      # noqa: E402
import fileio        # noqa: E402
import gui           # noqa: E402
import levels        # noqa: E402
import skeleton      # noqa: E402
import sounds        # noqa: E402
import tiles         # noqa: E402

REPO = os.path.normpath(os.path.join(HERE, '..', '..'))
DATA = os.path.join(REPO, 'Game Data')
# The program runs from <build>/bin beside "Game Data", so skin paths start "../Game Data/".
EXE_DIR = os.path.join(REPO, 'bin')

STRIPS = {  # file -> exact size in pixels
    'GFX/MARL GUI/MARL Toolbar.png': (13 * 42, 3 * 42),
    'GFX/MARL GUI/Tabs.png': (190, 48),
    'GFX/MARL GUI/Transport Buttons.png': (190, 76),
    'GFX/MARL GUI/Frame Edit Buttons.png': (64, 8 * 32),
}

SKELETONS = [  # file, builder, animated skins by bone
    ('Cactus Man 2 (small).txt', characters.cactus_man, {}),
    ('Small Robot (game size).txt', characters.small_robot, {'Eye': characters.robot_eye_skin}),
    ('Soldier Alpha.TXT', characters.soldier_alpha, {}),
    ('Snowman Boss.txt', characters.snowman_boss, {'Smoke': characters.exhaust_smoke_skin}),
    ('Snowman.txt', characters.snowman, {}),
    ('Jungle Explorer.txt', characters.jungle_explorer, {}),
]


def out(rel):
    path = os.path.join(DATA, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def write_frame_sets(stem_rel, frame_sets, default_ms=None):
    """Lettered sets of numbered frames ("<stem>-a-00.png" ...) with a frame data file per set
    whenever a frame has its own time."""
    for s, frames in enumerate(frame_sets):
        letter = chr(ord('a') + s)
        for f, (im, _) in enumerate(frames):
            fileio.write_png(out('%s-%c-%02d.png' % (stem_rel, letter, f)), im)
        times = [ms for _, ms in frames]
        if any(ms is not None for ms in times):
            with open(out('%s-%c.txt' % (stem_rel, letter)), 'w') as fh:
                fh.write(''.join('%d\n' % (ms if ms is not None else default_ms or 300) for ms in times))


def generate():
    print('editor strips')
    fileio.write_png(out('GFX/MARL GUI/MARL Toolbar.png'), gui.make_toolbar())
    fileio.write_png(out('GFX/MARL GUI/Tabs.png'), gui.make_tabs())
    fileio.write_png(out('GFX/MARL GUI/Transport Buttons.png'), gui.make_transport())
    fileio.write_png(out('GFX/MARL GUI/Frame Edit Buttons.png'), gui.make_frame_edit())
    print('backdrop')
    fileio.write_png(out('GFX/Misc/Background3.png'), backdrop.make_backdrop())
    print('tiles')
    for n, (_, make) in enumerate(tiles.TILESET):
        write_frame_sets('GFX/Tileset - Jungle PNG/Tile %03d' % n, make())
    print('entities')
    write_frame_sets('GFX/Entities/Fireball/Fireball', [[(im, 60) for im in entities.fireball_frames()]])
    write_frame_sets('GFX/Entities/Magic Donut', [[(im, ms) for im, ms in zip(entities.magic_donut_frames(),
                                                                              (500, 160, 500, 160))]])
    write_frame_sets('GFX/Entities/Cupcake/Cupcake', [[(im, 150) for im in entities.cupcake_frames()]])
    fileio.write_png(out('GFX/Entities/Snowball/Snowball 1.png'), entities.snowball_big())
    fileio.write_png(out('GFX/Entities/Snowball/Snowball 2.png'), entities.snowball_small())
    print('sounds')
    fileio.write_wav(out('Sound/Shooting Fireball.wav'), sounds.shooting_fireball(), sounds.RATE)
    fileio.write_wav(out('Sound/Cupcake Pop.wav'), sounds.cupcake_pop(), sounds.RATE)
    print('skeletons')
    for file_name, build, animated in SKELETONS:
        rig, drawing = build()
        for bone in rig.bones:
            stem = 'GFX/Skins/%s/%s' % (rig.skin_folder, bone.name)
            if bone.name in animated:
                sets, offx, offy = animated[bone.name]()
                write_frame_sets(stem, sets)
                bone.skin = ('../Game Data/' + stem, offx, offy)
            elif drawing[bone.name].ops:
                im, offx, offy = skeleton.bake_skin(rig, bone, drawing[bone.name])
                fileio.write_png(out(stem + '.png'), im)
                bone.skin = ('../Game Data/' + stem + '.png', offx, offy)
        skeleton.write_skeleton(rig, out('Skeletons/' + file_name))
    print('levels')
    levels.write(out('Levels/Jungle'))


# ----------------------------------------------------------------------------------------------
REQUIRED = {  # skeleton file -> (bones that must exist, least number of frame sets, least frames per set)
    'Cactus Man 2 (small).txt': (['Flower'], 2, {0: 2, 1: 2}),
    'Small Robot (game size).txt': ([], 4, {0: 1, 1: 2, 2: 3, 3: 1}),
    'Soldier Alpha.TXT': ([], 2, {1: 2}),
    'Snowman Boss.txt': (['Pipe 4', 'Pipe 3', 'Gun 1', 'Gun 2', 'Snowman'], 3, {1: 2, 2: 2}),
    'Snowman.txt': ([], 3, {0: 2, 1: 2, 2: 2}),
    'Jungle Explorer.txt': ([], 2, {0: 4, 1: 2}),
}


def check():
    problems = []
    for rel, (w, h) in STRIPS.items():
        pw, ph, _ = fileio.read_png(os.path.join(DATA, rel))
        if (pw, ph) != (w, h):
            problems.append('%s is %dx%d, wants %dx%d' % (rel, pw, ph, w, h))
    bw, bh, _ = fileio.read_png(os.path.join(DATA, 'GFX/Misc/Background3.png'))
    if (bw, bh) != (800, 600):
        problems.append('Background3.png is %dx%d' % (bw, bh))
    n = 0
    animated = 0
    while os.path.exists(os.path.join(DATA, 'GFX/Tileset - Jungle PNG/Tile %03d-a-00.png' % n)):
        stem = os.path.join(DATA, 'GFX/Tileset - Jungle PNG/Tile %03d' % n)
        if os.path.exists(stem + '-a-01.png'):
            animated += 1
        for letter in 'ab':
            f = 0
            while os.path.exists('%s-%c-%02d.png' % (stem, letter, f)):
                tw, th, _ = fileio.read_png('%s-%c-%02d.png' % (stem, letter, f))
                if (tw, th) != (64, 64):
                    problems.append('tile %d frame %c%d is %dx%d' % (n, letter, f, tw, th))
                f += 1
        n += 1
    if n < 30:
        problems.append('only %d tiles' % n)
    if animated < 2:
        problems.append('only %d animated tiles' % animated)
    for rel, size in (('GFX/Entities/Fireball/Fireball-a-00.png', (60, 30)), ('GFX/Entities/Magic Donut-a-00.png', (64, 64)),
                      ('GFX/Entities/Cupcake/Cupcake-a-03.png', (50, 50)),
                      ('GFX/Entities/Snowball/Snowball 1.png', (76, 100)), ('GFX/Entities/Snowball/Snowball 2.png', (60, 44))):
        pw, ph, _ = fileio.read_png(os.path.join(DATA, rel))
        if (pw, ph) != size:
            problems.append('%s is %dx%d' % (rel, pw, ph))
    for rel in ('Sound/Shooting Fireball.wav', 'Sound/Cupcake Pop.wav'):
        rate, channels, bits, frames = fileio.read_wav(os.path.join(DATA, rel))
        if not (0.05 < frames / rate < 1.0):
            problems.append('%s lasts %.2f s' % (rel, frames / rate))
    for file_name, (bones, sets, least) in REQUIRED.items():
        path = os.path.join(DATA, 'Skeletons', file_name)
        try:
            parsed = skeleton.read_skeleton(path)
        except (OSError, ValueError) as e:
            problems.append(str(e))
            continue
        for b in bones:
            if b not in parsed['parents']:
                problems.append('%s has no bone %r' % (file_name, b))
        if len(parsed['sets']) < sets:
            problems.append('%s has %d frame sets' % (file_name, len(parsed['sets'])))
        for s, k in least.items():
            if s < len(parsed['sets']) and len(parsed['sets'][s][1]) < k:
                problems.append('%s set %d has %d frames' % (file_name, s, len(parsed['sets'][s][1])))
        for name, (skin, _, _) in parsed['skins'].items():
            if skin != 'NO SKIN' and not skeleton.skin_resolves(skin, EXE_DIR):
                problems.append('%s: skin of %s does not resolve: %s' % (file_name, name, skin))
        with open(path, 'rb') as fh:
            raw = fh.read()
        if raw.count(b'\n') != raw.count(b'\r\n'):
            problems.append('%s: not every line ends in CR LF' % file_name)
    problems += levels.check(os.path.join(DATA, 'Levels', 'Jungle'))
    for p in problems:
        print('PROBLEM:', p)
    print('checked: %d tiles (%d animated), %d skeletons, %d strips' % (n, animated, len(REQUIRED), len(STRIPS)))
    return not problems


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--check', action='store_true', help='only check the files that are there')
    ap.add_argument('--preview', metavar='DIR', help='draw preview sheets into DIR')
    args = ap.parse_args()
    if not args.check:
        generate()
    ok = check()
    if args.preview:
        import preview
        preview.make_all(args.preview, DATA, EXE_DIR)
    return 0 if ok else 1


if __name__ == '__main__':
    sys.exit(main())
