#!/usr/bin/env python3
# Plays fixture runs headless at 1920 x 1080 and measures the energy gauge in the screenshot: the fill must
# be as long as the energy in the state dump says, in the gauge's own units (frame = maxEnergie + 4 wide).
# Usage: check_hud_gauge.py ZORLIN FIXTURES_DIR WORK_DIR
import json, os, struct, subprocess, sys, zlib

# (case, extra options, replay lines, frames)
CASES = [
    ('full', [], [], 5),
    # A run drains 1 every 200 ms from 40: the gauge follows the drain.
    ('running', ['--give', 'nbEnergie=40', '--give', 'aSuperBottes=1'], ['0 down Right', '1 up Right', '2 down Right'], 60),
]
MARKER_LEFT = 2  # the fill starts 2 units inside the frame
TOLERANCE = 1.0  # gauge units: pixel rounding at the fill's end


def read_png(path):
    data = open(path, 'rb').read()
    at, idat = 8, b''
    while at < len(data):
        size, kind = struct.unpack('>I4s', data[at:at + 8])
        chunk = data[at + 8:at + 8 + size]
        at += 12 + size
        if kind == b'IHDR':
            width, height, _, colour = struct.unpack('>IIBB', chunk[:10])
        elif kind == b'IDAT':
            idat += chunk
    channels = {2: 3, 6: 4}[colour]
    raw, stride, rows, previous = zlib.decompress(idat), width * channels, [], bytearray(width * channels)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up, corner = previous[x], previous[x - channels] if x >= channels else 0
            if kind == 1: line[x] = (line[x] + left) & 255
            elif kind == 2: line[x] = (line[x] + up) & 255
            elif kind == 3: line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up), (abs(guess - corner), 2, corner))
                line[x] = (line[x] + near[2]) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, channels)])
        previous = line
    return rows


def bright(pixel):
    return min(pixel) > 120


def gauge_units(rows):
    """The gauge frame's outer width and the fill's length, in pixels, on the row through its middle."""
    stroke_rows = [y for y in range(min(200, len(rows))) if sum(bright(p) for p in rows[y][:400]) > 60]
    if len(stroke_rows) < 2:
        raise SystemExit('no gauge frame found in the top-left corner')
    row = rows[(stroke_rows[0] + stroke_rows[-1]) // 2][:400]
    left = next(x for x, p in enumerate(row) if bright(p))
    inner = next(x for x in range(left, len(row)) if not bright(row[x]))
    right_inner = next(x for x in range(inner, len(row)) if bright(row[x]))
    right = next(x for x in range(right_inner, len(row)) if not bright(row[x]))
    background = row[left - 2]
    fill = 0
    for x in range(inner, right_inner):
        if max(abs(a - b) for a, b in zip(row[x], background)) <= 20:
            break
        fill += 1
    return right - left, fill + (inner - left)  # from the frame's left edge: the fill starts under its stroke


def main():
    zorlin, fixtures, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    failures = []
    for name, options, keys, frames in CASES:
        shot, dump = os.path.join(work, 'gauge_%s.png' % name), os.path.join(work, 'gauge_%s.json' % name)
        replay = os.path.join(work, 'gauge_%s.replay' % name)
        with open(replay, 'w') as f:
            f.write(''.join(line + '\n' for line in keys))
        command = [zorlin, '--headless', '--data-dir', os.path.join(work, 'gauge.data'), '--resources', fixtures,
                   '--level', 'fx_plat', '--frames', str(frames), '--window', '1920x1080', '--screenshot', shot,
                   '--dump-state', dump, '--replay', replay] + options
        env = dict(os.environ, SDL_VIDEODRIVER='dummy', SDL_AUDIODRIVER='dummy')
        run = subprocess.run(command, env=env, capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit('%s\nexit %d\n%s%s' % (' '.join(command), run.returncode, run.stdout, run.stderr))
        state = json.load(open(dump))
        frame_px, fill_px = gauge_units(read_png(shot))
        units = fill_px * (state['maxEnergie'] + 4) / frame_px - MARKER_LEFT
        shown = '%s: energy %.1f of %.1f, gauge fill %.1f units' % (name, state['nbEnergie'], state['maxEnergie'], units)
        print(shown)
        if abs(units - state['nbEnergie']) > TOLERANCE:
            failures.append(shown)
    if failures:
        sys.exit('the gauge does not show the energy:\n' + '\n'.join(failures))


if __name__ == '__main__':
    main()
