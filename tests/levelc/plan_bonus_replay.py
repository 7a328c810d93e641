# Plans a replay that wins a bonus stage: the game is run headless up to a tick, its dumped flight (machine,
# gold items, clouds) is searched a few dozen frames ahead for key presses that catch gold and keep clear of
# the clouds, and those presses are kept; then the game runs again from the start up to the new tick.
# Regenerate the forest's replay (a few minutes) with:
#   python3 tests/levelc/plan_bonus_replay.py build-bonus/bin/zorlin bonusnes tests/levelc/replays/bonusnes_won.replay
import argparse
import json
import os
import random
import struct
import subprocess
import sys
import tempfile

MACHINE_W, MACHINE_H = 61, 50
HITBOX = (4, 4, 50, 42)          # the level's "playerHitBox"
GOLD_W, GOLD_H, GOLD_SPEED = 16, 14, 6
MARGIN = 4                       # pixels kept between the machine and a cloud's box
RIGHT_LIMIT = 320                # the machine keeps this far from the right edge, where clouds come back in
HORIZON = 110                    # frames looked ahead
COMMIT = 40                      # frames kept from a plan: a cloud coming back in needs longer to reach the machine


def f32(value):
    """The game computes in single precision: round like it does."""
    return struct.unpack('f', struct.pack('f', value))[0]


def overlaps(ax, ay, aw, ah, bx, by, bw, bh, margin=0):
    return ax - margin < bx + bw and bx < ax + aw + margin and ay - margin < by + bh and by < ay + ah + margin


class Flight:
    """The machine, its speeds and the known gold items and clouds, moved one frame the way the game does."""

    def __init__(self, dump, keys):
        flight = dump['bonusFlight']
        self.zone_w, self.zone_h = flight['zone']
        self.x, self.y = flight['machine']
        self.acc_h, self.acc_v = flight['acceleration']
        self.gold = [list(g) for g in flight['gold']]
        self.clouds = [list(c) for c in flight['clouds']]
        self.keys = dict(keys)   # 'h': 'Left'/'Right'/None, 'v': 'Up'/'Down'/None

    def copy(self):
        other = Flight.__new__(Flight)
        other.__dict__ = dict(self.__dict__)
        other.gold = [list(g) for g in self.gold]
        other.clouds = [list(c) for c in self.clouds]
        other.keys = dict(self.keys)
        return other

    def press(self, axis, key):
        """Returns the replay events that change the held key of one axis; a release resets its speed."""
        events = []
        if self.keys[axis] == key:
            return events
        if self.keys[axis]:
            events.append(('up', self.keys[axis]))
            if axis == 'h':
                self.acc_h = 0.0
            else:
                self.acc_v = 0.0
        if key:
            events.append(('down', key))
        self.keys[axis] = key
        return events

    @staticmethod
    def faster(acc):
        return f32(min(f32(acc + 0.4), 6.0)) if acc < 6.0 else acc

    def frame(self):
        """One frame; returns 'cloud', the index of the gold item caught, or None."""
        for g in self.gold:
            if g[0] is not None and g[0] <= -GOLD_W:
                g[0] = None   # comes back at a random place: unknown until the game shows it
            if g[0] is not None:
                g[0] = f32(g[0] - GOLD_SPEED)
        for c in self.clouds:
            if c[0] is not None and c[0] <= -c[2]:
                c[0] = None
            if c[0] is not None:
                c[0] = f32(c[0] - c[4])
        if self.keys['h'] == 'Right':
            self.acc_h = self.faster(self.acc_h)
            if self.zone_w > self.x + MACHINE_W + self.acc_h:
                self.x = f32(self.x + self.acc_h)
        elif self.keys['h'] == 'Left':
            self.acc_h = self.faster(self.acc_h)
            if self.x - self.acc_h > 0:
                self.x = f32(self.x - self.acc_h)
        if self.keys['v'] == 'Up':
            self.acc_v = self.faster(self.acc_v)
            if self.y - self.acc_v > 0:
                self.y = f32(self.y - self.acc_v)
        elif self.keys['v'] == 'Down':
            self.acc_v = self.faster(self.acc_v)
            if self.zone_h >= self.y + MACHINE_H + self.acc_v:
                self.y = f32(self.y + self.acc_v)
        box = (self.x + HITBOX[0], self.y + HITBOX[1], HITBOX[2], HITBOX[3])
        for cx, cy, cw, ch, _ in self.clouds:
            if cx is not None and overlaps(*box, cx + 10, cy + 15, cw - 20, ch - 30, MARGIN):
                return 'cloud'
        for index, (gx, gy) in enumerate(self.gold):
            if gx is not None and overlaps(*box, gx, gy, GOLD_W, GOLD_H):
                self.gold[index] = [None, None]
                return index
        return None

    def clearance(self):
        """Distance from the machine's box to the nearest known cloud box (large when none is near)."""
        bx, by = self.x + HITBOX[0] + HITBOX[2] / 2, self.y + HITBOX[1] + HITBOX[3] / 2
        nearest = 1000.0
        for cx, cy, cw, ch, _ in self.clouds:
            if cx is None:
                continue
            dx = max(cx + 10 - bx, 0, bx - (cx + cw - 10))
            dy = max(cy + 15 - by, 0, by - (cy + ch - 15))
            nearest = min(nearest, (dx * dx + dy * dy) ** 0.5)
        return nearest


def simulate(start, plan):
    """Plays a plan (a list of (h, v, frames) segments, then no key). Returns (the frames of the catches,
    minimum clearance, the frame-by-frame key changes) or None when it meets a cloud."""
    flight = start.copy()
    changes = []
    catches = []
    worst = 1000.0
    frame = 0
    segments = list(plan) + [(None, None, HORIZON)]
    for h, v, length in segments:
        for _ in range(length):
            if frame >= HORIZON:
                break
            events = flight.press('h', h) + flight.press('v', v)
            if events:
                changes.append((frame, events))
            hit = flight.frame()
            if hit == 'cloud' or flight.x + MACHINE_W > flight.zone_w - RIGHT_LIMIT and h == 'Right':
                return None
            worst = min(worst, flight.clearance())
            if isinstance(hit, int):
                catches.append(frame)
            frame += 1
    return catches, worst, changes


def random_plan(rng):
    segments = []
    for _ in range(rng.choice((1, 2, 2, 3))):
        segments.append((rng.choice((None, 'Left', 'Right')), rng.choice((None, 'Up', 'Down')), rng.randint(1, 60)))
    return segments


def choose(start, rng, samples, greedy):
    """The key changes of the plan whose first COMMIT frames catch the most gold (greedy) or the least, then
    the soonest, then keep widest clear of the clouds. A caught item comes back far to the right, so the
    frames after a catch are planned as well as those before it."""
    best, best_key = None, None
    for _ in range(samples):
        result = simulate(start, random_plan(rng))
        if result is None:
            continue
        catches, worst, changes = result
        kept = [c for c in catches if c < COMMIT]
        key = (-len(kept), kept[0] if kept else COMMIT, -worst) if greedy else (len(kept), -worst)
        if best_key is None or key < best_key:
            best, best_key = changes, key
    return best


class Game:
    """Runs the game headless from the level's start with the events planned so far."""

    def __init__(self, zorlin, level, seed, work):
        self.zorlin, self.level, self.seed, self.work = zorlin, level, seed, work
        self.first_frame_step = None

    def run(self, steps, events):
        replay = os.path.join(self.work, 'plan.replay')
        with open(replay, 'w') as out:
            out.write(format_events(events))
        dump = os.path.join(self.work, 'plan.json')
        command = [self.zorlin, '--headless', '--data-dir', os.path.join(self.work, 'data'), '--level', self.level,
                   '--seed', str(self.seed), '--frames', str(steps), '--replay', replay, '--dump-state', dump]
        subprocess.run(command, check=True, capture_output=True, timeout=600)
        with open(dump) as f:
            return json.load(f)

    def find_first_frame(self):
        """The step of the first flight frame: the gold items move 6 pixels a frame from their start."""
        before = self.run(1, [])['bonusFlight']['gold'][0][0]
        after = self.run(400, [])['bonusFlight']['gold'][0][0]
        frames = round((before - after) / GOLD_SPEED)
        self.first_frame_step = 400 - frames
        return self.first_frame_step

    def at_frame(self, frame, events):
        """The state after `frame` flight frames (frames 0 to frame - 1 played)."""
        return self.run(self.first_frame_step + frame, events)


DESCRIPTIONS = {
    'won': '# The %(level)s bonus stage won (seed %(seed)d, the default window): after Ready and Go the machine keeps\n'
           '# to the left, catches %(gold)d gold items as they fly by and dodges every cloud until the time is up.\n'
           '# Planned by tests/levelc/plan_bonus_replay.py; ticks count from the first flight frame.\n',
    'short': '# The %(level)s bonus stage lost on time (seed %(seed)d, the default window): the machine dodges every\n'
             '# cloud but keeps away from the gold, %(gold)d caught when the countdown reaches 00:00.\n'
             '# Planned by tests/levelc/plan_bonus_replay.py --outcome short; ticks count from the first flight frame.\n',
}


def format_events(events):
    return ''.join('%d %s %s\n' % (tick, kind, key) for tick, kind, key in events)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('zorlin')
    parser.add_argument('level')
    parser.add_argument('output')
    parser.add_argument('--seed', type=int, default=0)
    parser.add_argument('--samples', type=int, default=700)
    parser.add_argument('--outcome', choices=('won', 'short'), default='won',
                        help='catch all the gold possible, or dodge the clouds while catching as little as possible')
    args = parser.parse_args()
    rng = random.Random(1)
    with tempfile.TemporaryDirectory() as work:
        game = Game(args.zorlin, args.level, args.seed, work)
        game.find_first_frame()
        events = []        # (tick, kind, key)
        keys = {'h': None, 'v': None}
        frame = 0
        while True:
            state = game.at_frame(frame, events)
            result = state['bonusStage']['result']
            if result:
                break
            flight = Flight(state, keys)
            changes = choose(flight, rng, args.samples, args.outcome == 'won')
            if changes is None:
                sys.exit('no safe move at frame %d' % frame)
            for at, step_events in changes:
                if at < COMMIT:
                    for kind, key in step_events:
                        events.append((frame + at, kind, key))
                        axis = 'h' if key in ('Left', 'Right') else 'v'
                        keys[axis] = key if kind == 'down' else (None if keys[axis] == key else keys[axis])
            frame += COMMIT
            print('frame %d: gold %d, %s' % (frame, state['nbBonusOr'], state['lblChrono']), file=sys.stderr)
        outcome = {'You won the bonus !': 'won', 'Not enough gold diamond.': 'short'}.get(result.split('\r\n')[0])
        print('ended at frame %d: %s (%d gold)' % (frame, result.replace('\r\n', ' '), state['nbBonusOr']))
        if outcome != args.outcome:
            sys.exit('the run did not end %s' % args.outcome)
        with open(args.output, 'w') as out:
            out.write('# outcome: %s after %d frames\n' % (outcome, game.first_frame_step + frame + 20))
            out.write(DESCRIPTIONS[outcome] % {'level': args.level, 'gold': state['nbBonusOr'], 'seed': args.seed})
            out.write(format_events(events))

if __name__ == '__main__':
    main()
