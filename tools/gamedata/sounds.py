"""The two game sounds, synthesised: a fireball's whoosh and a cupcake's pop."""

import math
import random

RATE = 22050


def _normalise(samples, peak=0.8):
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def shooting_fireball():
    """A breathy whoosh whose band falls in pitch, over a low thump, with a little crackle."""
    rng = random.Random(12)
    n = int(RATE * 0.38)
    out = []
    lp = bp_low = bp_band = 0.0
    phase = 0.0
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / 0.012) * math.exp(-t * 9.0)
        # state-variable band-pass over white noise, centre sweeping 2400 Hz -> 500 Hz
        centre = 500 + 1900 * math.exp(-t * 11)
        f = 2 * math.sin(math.pi * centre / RATE)
        noise = rng.uniform(-1, 1)
        bp_low += f * bp_band
        high = noise - bp_low - 0.7 * bp_band
        bp_band += f * high
        whoosh = bp_band * 0.9
        # the thump: a sine falling from 220 Hz to 70 Hz
        freq = 70 + 150 * math.exp(-t * 18)
        phase += 2 * math.pi * freq / RATE
        thump = math.sin(phase) * math.exp(-t * 14) * 0.9
        crackle = 0.0
        if rng.random() < 0.004 and t < 0.3:
            crackle = rng.uniform(-0.6, 0.6)
        lp += (crackle - lp) * 0.5
        out.append((whoosh + thump) * env + lp * math.exp(-t * 6))
    # fade the last 10 ms so the end never clicks
    for i in range(int(RATE * 0.01)):
        out[-1 - i] *= i / (RATE * 0.01)
    return _normalise(out)


def cupcake_pop():
    """A cork-like pop rising in pitch, then a bright two-note chime."""
    rng = random.Random(5)
    n = int(RATE * 0.32)
    out = []
    phase = 0.0
    for i in range(n):
        t = i / RATE
        click = rng.uniform(-1, 1) * math.exp(-t * 400) * 0.8
        freq = 380 + 1400 * (1 - math.exp(-t * 45))
        phase += 2 * math.pi * freq / RATE
        pop = math.sin(phase) * min(1.0, t / 0.002) * math.exp(-t * 38)
        chime = 0.0
        if t > 0.04:
            u = t - 0.04
            env = min(1.0, u / 0.003) * math.exp(-u * 14)
            chime = (math.sin(2 * math.pi * 1568 * u) * 0.45 + math.sin(2 * math.pi * 2349 * u) * 0.3
                     + math.sin(2 * math.pi * 3136 * u) * 0.12) * env
        out.append(click + pop + chime)
    for i in range(int(RATE * 0.01)):
        out[-1 - i] *= i / (RATE * 0.01)
    return _normalise(out)
