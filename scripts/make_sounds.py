#!/usr/bin/env python3
"""Synthesise the game's fourteen sound effects as WAV files from code alone."""

import array
import math
import os
import random
import sys
import wave

RATE = 22050
PEAK = 10 ** (-3 / 20)  # -3 dBFS leaves headroom for the player's own mixing
TWO_PI = 2 * math.pi


def frames(seconds):
    return int(round(seconds * RATE))


def silence(seconds):
    return [0.0] * frames(seconds)


def tone(freqs, seconds, amp=1.0, harmonics=((1, 1.0),)):
    """Sum of sines; harmonics lets a note sound brassy or hollow instead of pure."""
    n = frames(seconds)
    out = [0.0] * n
    for f in freqs:
        for mult, weight in harmonics:
            w = TWO_PI * f * mult / RATE
            if f * mult >= RATE / 2:
                continue  # skip partials that would alias
            for i in range(n):
                out[i] += amp * weight * math.sin(w * i)
    return out


def sweep(freq_at, seconds, amp=1.0, harmonics=((1, 1.0),)):
    """Tone whose frequency follows freq_at(t); phase is accumulated so it glides smoothly."""
    n = frames(seconds)
    out = [0.0] * n
    phase = 0.0
    for i in range(n):
        phase += TWO_PI * freq_at(i / RATE) / RATE
        s = 0.0
        for mult, weight in harmonics:
            s += weight * math.sin(mult * phase)
        out[i] = amp * s
    return out


def noise(seconds, rng, amp=1.0):
    return [amp * rng.uniform(-1.0, 1.0) for _ in range(frames(seconds))]


def lowpass(sig, cutoff):
    a = 1 - math.exp(-TWO_PI * cutoff / RATE)
    y = 0.0
    out = []
    for x in sig:
        y += a * (x - y)
        out.append(y)
    return out


def highpass(sig, cutoff):
    low = lowpass(sig, cutoff)
    return [x - l for x, l in zip(sig, low)]


def decay(sig, tau):
    """Exponential decay: what makes plucks, knocks and bells sound struck."""
    return [x * math.exp(-(i / RATE) / tau) for i, x in enumerate(sig)]


def envelope(sig, attack=0.005, release=0.005):
    """Linear fades at both ends so no segment starts or stops with a pop."""
    n = len(sig)
    a = max(1, frames(attack))
    r = max(1, frames(release))
    out = list(sig)
    for i in range(min(a, n)):
        out[i] *= i / a
    for i in range(min(r, n)):
        out[n - 1 - i] *= i / r
    return out


def mix_into(dest, sig, at, gain=1.0):
    """Add sig into dest starting at time `at`, growing dest if needed."""
    start = frames(at)
    end = start + len(sig)
    if end > len(dest):
        dest.extend([0.0] * (end - len(dest)))
    for i, x in enumerate(sig):
        dest[start + i] += gain * x


def concat(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def finish(sig):
    """Final fade plus normalisation to the common peak level."""
    sig = envelope(sig, 0.002, 0.008)
    peak = max(abs(x) for x in sig) or 1.0
    return [x * PEAK / peak for x in sig]


# Odd harmonics give the hollow, slightly square timbre of electronic sirens and beepers.
SQUAREISH = ((1, 1.0), (3, 0.3), (5, 0.12))
BRASS = ((1, 1.0), (2, 0.6), (3, 0.45), (4, 0.25), (5, 0.15), (6, 0.08))


def click():
    rng = random.Random(101)
    n = noise(0.03, rng)
    body = decay(highpass(n, 1500), 0.004)
    ping = decay(tone([3200], 0.03), 0.004)
    thump = decay(tone([180], 0.03), 0.006)
    sig = [b + 0.4 * p + 0.5 * t for b, p, t in zip(body, ping, thump)]
    return envelope(sig, 0.0005, 0.004)


def ok():
    harm = ((1, 1.0), (2, 0.25), (3, 0.1))
    first = envelope(decay(tone([659.25], 0.14, harmonics=harm), 0.25), 0.004, 0.02)
    second = envelope(decay(tone([987.77], 0.26, harmonics=harm), 0.18), 0.004, 0.06)
    return concat(first, silence(0.04), second)


def bell(freq, seconds):
    # Slightly inharmonic partials are what make a chime sound like metal.
    partials = ((1, 1.0), (2.01, 0.35), (2.99, 0.15), (4.2, 0.08))
    return envelope(decay(tone([freq], seconds, harmonics=partials), 0.28), 0.003, 0.05)


def newmail():
    sig = []
    mix_into(sig, bell(783.99, 0.9), 0.0)
    mix_into(sig, bell(1046.5, 0.9), 0.16)
    mix_into(sig, bell(1318.5, 1.0), 0.32)
    return sig


def dial_tone():
    return envelope(tone([350, 440], 1.2), 0.01, 0.02)


DTMF_ROWS = {"1": 697, "2": 697, "3": 697, "4": 770, "5": 770, "6": 770,
             "7": 852, "8": 852, "9": 852, "0": 941}
DTMF_COLS = {"1": 1209, "2": 1336, "3": 1477, "4": 1209, "5": 1336, "6": 1477,
             "7": 1209, "8": 1336, "9": 1477, "0": 1336}


def phone():
    parts = []
    for digit in "5550137":
        key = tone([DTMF_ROWS[digit], DTMF_COLS[digit]], 0.07)
        parts.append(envelope(key, 0.003, 0.003))
        parts.append(silence(0.05))
    parts.append(silence(0.2))
    parts.append(envelope(tone([440, 480], 0.95), 0.01, 0.02))
    return concat(*parts)


def fsk(rng, mark, space, baud, seconds):
    """Random bits as continuous-phase frequency shifts: the warble of data on a line."""
    n = frames(seconds)
    per_bit = RATE / baud
    out = [0.0] * n
    phase = 0.0
    bit = 1
    for i in range(n):
        if i % int(per_bit) == 0:
            bit = rng.random() < 0.5
        phase += TWO_PI * (mark if bit else space) / RATE
        out[i] = math.sin(phase)
    return out


def modem():
    rng = random.Random(202)
    sig = []
    # Answer tone with periodic phase reversals, as the far end announces itself.
    answer = []
    for k in range(3):
        seg = tone([2100], 0.23)
        if k % 2:
            seg = [-x for x in seg]
        answer.extend(seg)
    mix_into(sig, envelope(answer, 0.005, 0.01), 0.0)
    # Both sides start warbling at each other on low and high channels.
    low = fsk(rng, 1270, 1070, 300, 0.45)
    high = fsk(rng, 2225, 2025, 300, 0.45)
    mix_into(sig, envelope([0.6 * a + 0.5 * b for a, b in zip(low, high)], 0.005, 0.01), 0.78)
    # A short probing chirp ramps across the band.
    chirp = sweep(lambda t: 600 + 6000 * t, 0.4)
    mix_into(sig, envelope(chirp, 0.005, 0.01), 1.27, 0.7)
    # Scrambled training: band-limited hiss bursts riding on a fast warble.
    for k in range(4):
        start = 1.7 + k * 0.2
        burst = highpass(lowpass(noise(0.17, rng), 3200), 700)
        warble = fsk(rng, 1800, 1200, 1200, 0.17)
        seg = [1.1 * b + 0.35 * w for b, w in zip(burst, warble)]
        mix_into(sig, envelope(seg, 0.004, 0.01), start)
    if len(sig) < frames(2.5):
        sig.extend([0.0] * (frames(2.5) - len(sig)))
    return sig


def alert():
    beep = lambda f, d: envelope(tone([f], d, harmonics=SQUAREISH), 0.003, 0.006)
    return concat(beep(1200, 0.08), silence(0.05), beep(1200, 0.08), silence(0.05),
                  beep(1600, 0.22))


def applause():
    rng = random.Random(303)
    length = 2.5
    sig = [0.0] * frames(length)
    # Crowd density swells quickly, holds, then dies away.
    def density(t):
        if t < 0.3:
            return t / 0.3
        if t < 1.7:
            return 1.0
        return max(0.0, 1 - (t - 1.7) / 0.8)
    t = 0.0
    while t < length - 0.05:
        t += rng.expovariate(220.0)
        if rng.random() > density(t):
            continue
        dur = rng.uniform(0.015, 0.03)
        burst = noise(dur, rng, rng.uniform(0.3, 1.0))
        # Each clapper's hands have their own colour.
        burst = highpass(lowpass(burst, rng.uniform(1500, 4500)), rng.uniform(400, 900))
        burst = decay(burst, rng.uniform(0.004, 0.009))
        mix_into(sig, envelope(burst, 0.001, 0.003), t)
    # A faint hiss under the claps stands for the crowd further back.
    bed = lowpass(noise(length, rng, 0.12), 3000)
    sig = [x + b * density(i / RATE) for i, (x, b) in enumerate(zip(sig, bed))]
    return sig[:frames(length)]


def failed():
    harm = ((1, 1.0), (2, 0.5), (3, 0.35), (4, 0.2), (5, 0.1))
    notes = []
    for f in (392.0, 369.99, 349.23):
        notes.append(envelope(tone([f], 0.19, harmonics=harm), 0.01, 0.03))
        notes.append(silence(0.02))
    # The last note sags and wobbles, the classic sound of giving up.
    last = sweep(lambda t: (329.63 - 15 * t) * (1 + 0.02 * math.sin(TWO_PI * 6 * t)),
                 0.4, harmonics=harm)
    notes.append(envelope(last, 0.01, 0.12))
    return concat(*notes)


def halleluya():
    sig = []
    c5, e5, g5, c6 = 523.25, 659.25, 783.99, 1046.5
    # Quick rising arpeggio before the held chord.
    for k, f in enumerate((c5, e5, g5)):
        note = envelope(tone([f], 0.16, harmonics=BRASS), 0.01, 0.03)
        mix_into(sig, note, k * 0.15)
    chord_len = 2.0
    chord = tone([c5, e5, g5, c6], chord_len, harmonics=BRASS)
    n = len(chord)
    # Swell in, hold, then die away slowly like a held brass chord.
    for i in range(n):
        t = i / RATE
        swell = min(1.0, 0.6 + t / 0.25)
        tail = 1.0 if t < 1.3 else max(0.0, 1 - (t - 1.3) / (chord_len - 1.3))
        chord[i] *= swell * tail * (1 + 0.04 * math.sin(TWO_PI * 5 * t))
    mix_into(sig, envelope(chord, 0.01, 0.05), 0.48, 0.5)
    return sig


def shutdown():
    length = 1.1
    f0, f1 = 1100.0, 45.0
    sig = sweep(lambda t: f0 * (f1 / f0) ** (t / length), length,
                harmonics=((1, 1.0), (2, 0.4), (3, 0.25)))
    return [x * (1 - i / len(sig)) ** 1.5 for i, x in enumerate(sig)]


def sirene():
    length = 2.0
    # One slow wail: up from low to high and back down again.
    f = lambda t: 650 + 650 * math.sin(math.pi * t / length) ** 2
    return envelope(sweep(f, length, harmonics=SQUAREISH), 0.05, 0.1)


def police():
    rng = random.Random(404)
    length = 2.5
    half = 0.32
    f = lambda t: 450.0 if int(t / half) % 2 == 0 else 600.0
    siren = sweep(f, length, harmonics=SQUAREISH)
    # Soften the edges of each tone step so the switch doesn't buzz.
    siren = lowpass(siren, 3000)
    sig = [0.6 * x for x in siren]
    # A burst of radio static, as if the dispatcher cuts in.
    static = highpass(lowpass(noise(0.55, rng), 3500), 300)
    crackle = [x * (0.6 + 0.4 * math.sin(TWO_PI * 13 * i / RATE)) for i, x in enumerate(static)]
    mix_into(sig, envelope(crackle, 0.01, 0.08), 1.55, 1.1)
    return sig[:frames(length)]


def knock():
    rng = random.Random(505)
    length = 0.3
    # Thud with a quick pitch drop, a woody resonance and a tiny contact noise.
    thud = sweep(lambda t: 150 + 90 * math.exp(-t / 0.01), length)
    thud = decay(thud, 0.035)
    wood = decay(tone([620], length), 0.02)
    tap = decay(lowpass(noise(length, rng), 2500), 0.004)
    sig = [t + 0.35 * w + 0.5 * c for t, w, c in zip(thud, wood, tap)]
    return envelope(sig, 0.001, 0.05)


SOUNDS = [
    ("click.wav", click),
    ("ok.wav", ok),
    ("newmail.wav", newmail),
    ("tone.wav", dial_tone),
    ("phone.wav", phone),
    ("modem.wav", modem),
    ("alert.wav", alert),
    ("applause.wav", applause),
    ("failed.wav", failed),
    ("halleluya.wav", halleluya),
    ("shutdown.wav", shutdown),
    ("sirene.wav", sirene),
    ("police.wav", police),
    ("knock.wav", knock),
]


def write_wav(path, sig):
    data = array.array("h", (int(round(x * 32767)) for x in sig))
    if sys.byteorder == "big":
        data.byteswap()  # WAV samples are little-endian
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())


def main():
    repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(repo, "data", "Sound")
    os.makedirs(out_dir, exist_ok=True)
    for name, make in SOUNDS:
        sig = finish(make())
        path = os.path.join(out_dir, name)
        write_wav(path, sig)
        print(f"{name:14s} {len(sig) / RATE:6.3f} s")


if __name__ == "__main__":
    main()
