"""The sample level "Jungle": its cells, its entities, and the two files the engine reads.

The level is three tiers joined into one path. The top tier runs right from the start past
cactus men, walls and floating platforms; its end drops onto the middle tier, which runs back
left through a cave of blocks, pools and cupcakes; the middle tier's left end drops into the boss
arena on the bottom tier, where the player walks right into the snowman tank's trigger zone. The
arena sits at the left of the level because the tank drives in until it reaches x = 1120.

The player jumps about 150 pixels high and runs about 12 pixels a tick, so every step up is at
most two cells and every gap at most three; walls that only a jump clears are one or two cells.

Files (little-endian int32 throughout, as the engine writes them):
  <name>.LEV      version 2, width, height, then per cell column by column: back tile, back flags,
                  front tile, front flags; then the 512-byte tileset folder field.
  <name>.LEVENTS  the entity list: a seven-line header, then per entity an empty line, type, name,
                  x and y in the default float formatting.
"""

import struct

W, H = 110, 21
CELL = 64
TILESET_FOLDER = '../Game Data/GFX/Tileset - Jungle PNG/'

# Tile numbers of the jungle tileset (tiles.TILESET).
EMPTY = 0
TOP_LEFT, TOP, TOP_RIGHT = 1, 2, 3
LEFT, GROUND, RIGHT = 4, 5, 6
BOTTOM_LEFT, BOTTOM, BOTTOM_RIGHT = 7, 8, 9
STONES, FOSSIL = 12, 13
PLATFORM_LEFT, PLATFORM, PLATFORM_RIGHT, PLATFORM_SINGLE = 14, 15, 16, 37
PLANK, MOSSY_BLOCK, CRATE = 17, 18, 19
TRUNK, TRUNK_BASE, CANOPY, VINES = 20, 21, 22, 23
GRASS_TUFT, FERN, MUSHROOMS, BOULDER, BUSH, SIGN, BAMBOO = 24, 25, 26, 27, 28, 29, 30
WATER_SURFACE, WATER_DEEP, WATERFALL, TORCH, SPIKES, GLOW_FLOWER = 31, 32, 33, 34, 35, 36

SOLID = 1

# Surfaces (the first solid row) of the three tiers.
TOP_TIER, MIDDLE_TIER, BOTTOM_TIER = 5, 11, 19


class Level:
    def __init__(self):
        self.solid = [[False] * H for _ in range(W)]
        self.fixed = {}                              # (x, y) -> tile for solid cells drawn their own way
        self.back = [[EMPTY] * H for _ in range(W)]  # decorations behind the entities
        self.front = [[EMPTY] * H for _ in range(W)]
        self.entities = []

    def fill(self, x0, x1, y0, y1):
        """Solid ground over columns x0..x1 and rows y0..y1 (inclusive)."""
        for x in range(max(0, x0), min(W - 1, x1) + 1):
            for y in range(max(0, y0), min(H - 1, y1) + 1):
                self.solid[x][y] = True

    def platform(self, x0, x1, y):
        """A floating stone platform over columns x0..x1 of row y."""
        for x in range(x0, x1 + 1):
            self.solid[x][y] = True
            if x0 == x1:
                self.fixed[(x, y)] = PLATFORM_SINGLE
            else:
                self.fixed[(x, y)] = PLATFORM_LEFT if x == x0 else PLATFORM_RIGHT if x == x1 else PLATFORM

    def block(self, x, y, tile):
        self.solid[x][y] = True
        self.fixed[(x, y)] = tile

    def decorate(self, x, y, tile, front=False):
        (self.front if front else self.back)[x][y] = tile

    def entity(self, kind, name, x, y):
        self.entities.append((kind, name, float(x), float(y)))

    def is_solid(self, x, y):
        # The outside of the map blocks like rock, so no edge is drawn along the map's border.
        if x < 0 or x >= W or y >= H:
            return True
        if y < 0:
            return False
        return self.solid[x][y]

    def ground_tile(self, x, y):
        up, down = not self.is_solid(x, y - 1), not self.is_solid(x, y + 1)
        left, right = not self.is_solid(x - 1, y), not self.is_solid(x + 1, y)
        if up:
            return TOP_LEFT if left else TOP_RIGHT if right else TOP
        if down:
            return BOTTOM_LEFT if left else BOTTOM_RIGHT if right else BOTTOM
        if left:
            return LEFT
        if right:
            return RIGHT
        # A little variety inside the ground, the same on every run.
        pick = ((x * 73856093) ^ (y * 19349663)) % 13
        return STONES if pick == 0 else FOSSIL if pick == 1 else GROUND

    def cells(self):
        """(back tile, back flags, front tile, front flags) of every cell, column by column."""
        for x in range(W):
            for y in range(H):
                if self.solid[x][y]:
                    back = self.fixed.get((x, y)) or self.ground_tile(x, y)
                    yield back, SOLID, self.front[x][y], 0
                else:
                    yield self.back[x][y], 0, self.front[x][y], 0


def surface_y(row):
    return row * CELL


def standing(row, box_bottom):
    """The y of an entity whose box bottom rests one pixel above the surface of the row."""
    return surface_y(row) - box_bottom - 1


def tree(level, x, surface):
    level.decorate(x, surface - 1, TRUNK_BASE)
    level.decorate(x, surface - 2, TRUNK)
    level.decorate(x, surface - 3, CANOPY)


def make_jungle():
    lv = Level()

    # ---- Top tier: rows 5-6 from the left edge to column 101; its right end drops to the middle.
    lv.fill(0, 101, TOP_TIER, TOP_TIER + 1)
    lv.fill(10, 16, TOP_TIER - 1, TOP_TIER - 1)        # a plateau one cell up
    lv.fill(21, 21, TOP_TIER - 1, TOP_TIER - 1)        # low walls a cactus man paces between
    lv.fill(34, 35, TOP_TIER - 2, TOP_TIER - 1)        # a two-cell wall, with a step before it
    lv.fill(33, 33, TOP_TIER - 1, TOP_TIER - 1)
    lv.platform(38, 40, TOP_TIER - 2)                  # stepping stones over the cactus field
    lv.platform(44, 45, TOP_TIER - 3)
    lv.fill(52, 52, TOP_TIER - 1, TOP_TIER - 1)
    lv.fill(66, 66, TOP_TIER - 1, TOP_TIER - 1)
    lv.fill(72, 76, TOP_TIER - 1, TOP_TIER - 1)        # a long step up and down
    lv.fill(74, 75, TOP_TIER - 2, TOP_TIER - 2)
    lv.platform(80, 82, TOP_TIER - 2)
    lv.fill(88, 88, TOP_TIER - 1, TOP_TIER - 1)
    lv.fill(97, 97, TOP_TIER - 1, TOP_TIER - 1)
    lv.block(26, TOP_TIER - 1, CRATE)
    lv.block(58, TOP_TIER - 1, MOSSY_BLOCK)

    # ---- Middle tier: rows 11-12 from column 6 to the right edge, run right to left.
    lv.fill(6, W - 1, MIDDLE_TIER, MIDDLE_TIER + 1)
    lv.fill(92, 93, MIDDLE_TIER - 1, MIDDLE_TIER - 1)  # blocks to hop over on the way left
    lv.fill(78, 78, MIDDLE_TIER - 2, MIDDLE_TIER - 1)
    lv.fill(77, 77, MIDDLE_TIER - 1, MIDDLE_TIER - 1)
    lv.platform(66, 68, MIDDLE_TIER - 3)
    lv.fill(55, 57, MIDDLE_TIER - 1, MIDDLE_TIER - 1)
    lv.fill(40, 40, MIDDLE_TIER - 1, MIDDLE_TIER - 1)
    lv.platform(30, 31, MIDDLE_TIER - 3)
    lv.fill(20, 21, MIDDLE_TIER - 1, MIDDLE_TIER - 1)
    lv.block(46, MIDDLE_TIER - 1, CRATE)
    lv.block(47, MIDDLE_TIER - 1, CRATE)
    lv.block(47, MIDDLE_TIER - 2, CRATE)

    # ---- Bottom tier: the arena from the left edge to column 41, closed by rock beyond.
    lv.fill(0, W - 1, BOTTOM_TIER, BOTTOM_TIER + 1)
    lv.fill(42, W - 1, MIDDLE_TIER + 2, BOTTOM_TIER - 1)

    # ---- Decorations: behind the entities on the back layer, a few grass tufts in front.
    for x in (4, 19, 29, 48, 62, 70, 85, 95):
        tree(lv, x, TOP_TIER)
    for x, tile in ((8, FERN), (17, BUSH), (24, MUSHROOMS), (31, GRASS_TUFT), (42, BOULDER), (50, FERN),
                    (56, BUSH), (64, GLOW_FLOWER), (69, MUSHROOMS), (84, FERN), (91, BUSH), (99, SIGN)):
        lv.decorate(x, TOP_TIER - 1, tile)
    for x in (12, 27, 47, 61, 79, 93):
        lv.decorate(x, TOP_TIER - 1, GRASS_TUFT, front=True)
    for x in range(8, W, 9):
        lv.decorate(x, MIDDLE_TIER - 4, VINES)
    for x, tile in ((100, TORCH), (86, MUSHROOMS), (72, FERN), (60, GLOW_FLOWER), (50, BOULDER),
                    (36, TORCH), (26, FERN), (14, BAMBOO), (10, SIGN)):
        lv.decorate(x, MIDDLE_TIER - 1, tile)
    for x, tile in ((3, BAMBOO), (6, FERN), (12, TORCH), (24, TORCH), (36, BAMBOO), (40, BUSH)):
        lv.decorate(x, BOTTOM_TIER - 1, tile)
    for x in range(38, 42):
        lv.decorate(x, BOTTOM_TIER - 5, WATERFALL)

    # ---- Entities, in the order they are drawn.
    lv.entity('CAMERA', 'Main Camera', 2 * CELL, standing(TOP_TIER, 53))
    lv.entity('PLAYER', 'E_Player', 2 * CELL, standing(TOP_TIER, 53))
    for i, (x, row) in enumerate(((5, TOP_TIER - 2), (6, TOP_TIER - 3), (7, TOP_TIER - 2), (13, TOP_TIER - 3),
                                  (39, TOP_TIER - 4), (44, TOP_TIER - 5), (45, TOP_TIER - 5),
                                  (81, TOP_TIER - 4), (99, MIDDLE_TIER - 2), (92, MIDDLE_TIER - 3),
                                  (67, MIDDLE_TIER - 4), (47, MIDDLE_TIER - 4), (30, MIDDLE_TIER - 4),
                                  (31, MIDDLE_TIER - 4), (8, MIDDLE_TIER - 2), (2, BOTTOM_TIER - 2))):
        lv.entity('CUPCAKE', 'Cupcake %d' % (i + 1), x * CELL + 7, row * CELL + 7)
    # Cactus men pace between the low walls; named so their walk pushes the player along.
    for x in (24, 30, 48, 60, 70, 84, 93):
        lv.entity('CACTUS MAN', 'CactusMan', x * CELL, standing(TOP_TIER, 78))
    lv.entity('SOLDIER', 'Soldier', 55 * CELL, standing(TOP_TIER, 73))
    lv.entity('SMALL ROBOT', 'Robot', 63 * CELL, standing(TOP_TIER, 60))
    lv.entity('SOLDIER', 'Cave Guard', 36 * CELL, standing(MIDDLE_TIER, 73))
    lv.entity('SMALL ROBOT', 'Cave Robot', 84 * CELL, standing(MIDDLE_TIER, 60))
    # The arena: the BossCam frames it once the player reaches the middle; the tank waits at the
    # right with its trigger zone reaching 1000 pixels to the left.
    lv.entity('CAMERA', 'BossCam', 17 * CELL + 32, surface_y(BOTTOM_TIER) - 72)
    lv.entity('SNOWMAN TANK', 'SNOWMAN TANK', 28 * CELL, surface_y(BOTTOM_TIER) - 253)
    lv.entity('SNOWMAN', 'Snowman', 29 * CELL, surface_y(BOTTOM_TIER) - 320)
    return lv


# ----------------------------------------------------------------------------------------------
def level_bytes(lv):
    out = bytearray(struct.pack('<3i', 2, W, H))
    for cell in lv.cells():
        out += struct.pack('<4i', *cell)
    folder = TILESET_FOLDER.encode()
    out += folder + bytes(512 - len(folder))
    return bytes(out)


def float_text(v):
    """A float as the engine's stream writes it: six significant digits, the shorter form."""
    return '%g' % v


def entities_text(lv):
    lines = ['#' * 46, '## Saved Entity List', '## Last Modified: 12/08/26 at 12:00:00', '#' * 46, '',
             'Number Ents in list:', str(len(lv.entities))]
    for kind, name, x, y in lv.entities:
        lines += ['', kind, name, float_text(x), float_text(y)]
    return '\n'.join(lines) + '\n'


def write(path_stem):
    lv = make_jungle()
    with open(path_stem + '.LEV', 'wb') as fh:
        fh.write(level_bytes(lv))
    with open(path_stem + '.LEVENTS', 'w', newline='\n') as fh:
        fh.write(entities_text(lv))


def check(path_stem):
    """Problems of the written files: size, flags where the tiers are, and entities that stand in
    rock or float where they should stand."""
    problems = []
    with open(path_stem + '.LEV', 'rb') as fh:
        raw = fh.read()
    if raw != level_bytes(make_jungle()):
        problems.append('%s.LEV is not what the generator makes' % path_stem)
    version, w, h = struct.unpack_from('<3i', raw)
    if (version, w, h) != (2, W, H) or len(raw) != 12 + 16 * w * h + 512:
        problems.append('level header %r, %d bytes' % ((version, w, h), len(raw)))
        return problems
    solid = [[struct.unpack_from('<i', raw, 12 + 16 * (x * h + y) + 4)[0] & 1 for y in range(h)] for x in range(w)]
    with open(path_stem + '.LEVENTS') as fh:
        lines = fh.read().split('\n')
    count = int(lines[6])
    records = [lines[7 + 5 * i + 1:7 + 5 * i + 5] for i in range(count)]
    names = [r[1] for r in records]
    for needed in ('E_Player', 'BossCam', 'SNOWMAN TANK'):
        if needed not in names:
            problems.append('no entity named %s' % needed)
    boxes = {'PLAYER': (10, 10, 53, 53), 'CACTUS MAN': (-20, -47, 20, 78), 'SMALL ROBOT': (-15, -40, 15, 60)}
    for kind, name, xs, ys in records:
        if kind not in boxes:
            continue
        left, top, right, bottom = boxes[kind]
        x, y = float(xs), float(ys)
        cells = {(int((x + dx) // CELL), int((y + dy) // CELL)) for dx in (left, right) for dy in (top, bottom)}
        if any(not (0 <= cx < w and 0 <= cy < h) or solid[cx][cy] for cx, cy in cells):
            problems.append('%s %s stands in rock' % (kind, name))
        below = int((y + bottom + 1) // CELL)
        if not any(solid[int((x + dx) // CELL)][below] for dx in (left, right)):
            problems.append('%s %s does not stand on ground' % (kind, name))
    return problems
