# Plays a replay of a shipped level headless and checks that it ends in the next level.
# usage: finish_level.py ZORLIN LEVEL REPLAY FRAMES NEXT_LEVEL WORK_DIR
import json
import os
import subprocess
import sys


def main():
    zorlin, level, replay, frames, next_level, work = sys.argv[1:7]
    os.makedirs(work, exist_ok=True)
    dump = os.path.join(work, level + '.dump.json')
    command = [zorlin, '--headless', '--data-dir', os.path.join(work, level + '.data'), '--level', level,
               '--frames', frames, '--replay', replay, '--dump-state', dump]
    run = subprocess.run(command, capture_output=True, text=True, timeout=300)
    if run.returncode != 0:
        print(run.stdout, run.stderr)
        return 1
    with open(dump) as f:
        state = json.load(f)
    # Leaving for the world map ends the zone run: the map stage is shown instead of a level.
    reached = 'map' if state.get('activeStage') == 'map' else state.get('niveauEnCours', '')
    if reached.lower() != next_level.lower():
        print('the replay of %s ends in "%s", not in "%s"' % (level, reached, next_level))
        return 1
    print('%s finished: now in %s' % (level, reached))
    return 0


if __name__ == '__main__':
    sys.exit(main())
