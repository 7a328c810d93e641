# Plays a replay of a shipped level headless and checks that it ends in the next level, or, for a bonus stage,
# that its run ends the way the replay says: "won", "short" (the time ran out with too few gold) or "cloud".
# usage: finish_level.py ZORLIN LEVEL REPLAY FRAMES NEXT_LEVEL|OUTCOME WORK_DIR [easy|normal|hard]
import json
import os
import subprocess
import sys


DIFFICULTIES = {'easy': 0, 'normal': 1, 'hard': 2}
# The result box's text for each way a bonus stage's run ends.
BONUS_RESULTS = {
    'won': 'You won the bonus !\r\nWell done !',
    'short': 'Not enough gold diamond.\r\nTry again...',
    'cloud': 'You touched a cloud.\r\nTry again...',
}
# The flag each zone's bonus stage records when it is won.
BONUS_FLAGS = {'bonusnes': 'aNesBonus', 'bonusms': 'aMSBonus', 'bonuspc': 'aPCBonus', 'bonusmd': 'aMDBonus',
               'bonussnes': 'aSNESBonus', 'bonussupergraphx': 'aSuperBonus'}


def bonus_problems(level, outcome, state):
    """What in the state contradicts the bonus stage's run ending as `outcome`."""
    stage = state.get('bonusStage', {})
    caught, needed = state.get('nbBonusOr', 0), stage.get('goldNeeded', 0)
    won = outcome == 'won'
    problems = []
    if not state.get('niveauBonus'):
        problems.append('this is no bonus stage')
    if stage.get('result') != BONUS_RESULTS[outcome]:
        problems.append('the result box reads %r' % stage.get('result'))
    if (state.get('lblChrono') == '00:00') != (outcome != 'cloud'):
        problems.append('the countdown reads %s' % state.get('lblChrono'))
    if (caught >= needed) != won or needed < 1:
        problems.append('%d of %d gold items caught' % (caught, needed))
    flag = BONUS_FLAGS.get(level.lower())
    if flag and state.get(flag) != won:
        problems.append('%s is %s' % (flag, state.get(flag)))
    if stage.get('imgFinBonus') != won:
        problems.append('the console picture is %s' % ('shown' if stage.get('imgFinBonus') else 'hidden'))
    return problems


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
    if next_level in BONUS_RESULTS:
        problems = bonus_problems(level, next_level, state)
        if problems:
            print('the replay of %s (%s) is not %s: %s' % (level, difficulty, next_level, '; '.join(problems)))
            return 1
        print('%s (%s) ended %s with %d gold items' % (level, difficulty, next_level, state['nbBonusOr']))
        return 0
    # Leaving for the world map ends the zone run: the map stage is shown instead of a level.
    reached = 'map' if state.get('activeStage') == 'map' else state.get('niveauEnCours', '')
    if reached.lower() != next_level.lower():
        print('the replay of %s (%s) ends in "%s", not in "%s"' % (level, difficulty, reached, next_level))
        return 1
    print('%s (%s) finished: now in %s' % (level, difficulty, reached))
    return 0


if __name__ == '__main__':
    sys.exit(main())
