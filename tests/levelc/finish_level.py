# Plays a replay of a shipped level headless and checks that it ends in the next level.
# usage: finish_level.py ZORLIN LEVEL REPLAY FRAMES NEXT_LEVEL WORK_DIR [easy|normal|hard]
import json
import os
import subprocess
import sys


DIFFICULTIES = {'easy': 0, 'normal': 1, 'hard': 2}


def main():
    zorlin, level, replay, frames, next_level, work = sys.argv[1:7]
    difficulty = sys.argv[7] if len(sys.argv) > 7 else 'normal'
    os.makedirs(work, exist_ok=True)
    # Each run has its own files: ctest may play the same replay at several difficulties at once.
    run_name = '%s_%s' % (os.path.splitext(os.path.basename(replay))[0], difficulty)
    dump = os.path.join(work, run_name + '.dump.json')
    command = [zorlin, '--headless', '--data-dir', os.path.join(work, run_name + '.data'), '--level', level,
               '--difficulty', str(DIFFICULTIES[difficulty]), '--frames', frames, '--replay', replay,
               '--dump-state', dump]
    run = subprocess.run(command, capture_output=True, text=True, timeout=300)
    if run.returncode != 0:
        print(run.stdout, run.stderr)
        return 1
    with open(dump) as f:
        state = json.load(f)
    # Leaving for the world map ends the zone run: the map stage is shown instead of a level.
    reached = 'map' if state.get('activeStage') == 'map' else state.get('niveauEnCours', '')
    if reached.lower() != next_level.lower():
        print('the replay of %s (%s) ends in "%s", not in "%s"' % (level, difficulty, reached, next_level))
        return 1
    print('%s (%s) finished: now in %s' % (level, difficulty, reached))
    return 0


if __name__ == '__main__':
    sys.exit(main())
