#!/usr/bin/env python3
# Runs one replay case headless and checks the state dump against the case's expected values.
# Usage: check_replay.py ZORLIN FIXTURES_DIR CASE.expect WORK_DIR
#
# A case file holds directives and checks, one a line ("#" starts a comment):
#   level NAME | frames N | replay FILE (default: CASE.replay beside the case) | give KEY=VALUE |
#   difficulty 0|1|2 | seed N
#   <key.path> <op> <value>   with op one of == != < <= > >= ~= (~= : within 0.01), value a JSON literal;
#   path parts are object keys or list indices ("level.plane1.recPlateforme.1.y").
import json, os, subprocess, sys

OPS = {
    '==': lambda a, b: a == b, '!=': lambda a, b: a != b, '<': lambda a, b: a < b, '<=': lambda a, b: a <= b,
    '>': lambda a, b: a > b, '>=': lambda a, b: a >= b, '~=': lambda a, b: abs(a - b) <= 0.01,
}


def lire_cas(chemin):
    cas = {'give': [], 'checks': [], 'replay': os.path.splitext(chemin)[0] + '.replay'}
    with open(chemin) as f:
        for numero, ligne in enumerate(f, 1):
            ligne = ligne.split('#', 1)[0].strip()
            if not ligne:
                continue
            mots = ligne.split(None, 2)
            if mots[0] in ('level', 'frames', 'difficulty', 'seed'):
                cas[mots[0]] = mots[1]
            elif mots[0] == 'replay':
                cas['replay'] = os.path.join(os.path.dirname(chemin), mots[1])
            elif mots[0] == 'give':
                cas['give'].append(mots[1])
            elif len(mots) == 3 and mots[1] in OPS:
                cas['checks'].append((numero, mots[0], mots[1], json.loads(mots[2])))
            else:
                sys.exit(f'{chemin}:{numero}: cannot read "{ligne}"')
    for requis in ('level', 'frames'):
        if requis not in cas:
            sys.exit(f'{chemin}: no "{requis}" line')
    return cas


def valeur(etat, chemin):
    for partie in chemin.split('.'):
        if isinstance(etat, list):
            etat = etat[int(partie)]
        elif isinstance(etat, dict) and partie in etat:
            etat = etat[partie]
        else:
            raise KeyError(chemin)
    return etat


def main():
    zorlin, fixtures, chemin_cas, travail = sys.argv[1:5]
    cas = lire_cas(chemin_cas)
    nom = os.path.splitext(os.path.basename(chemin_cas))[0]
    os.makedirs(travail, exist_ok=True)
    sortie = os.path.join(travail, nom + '.state.json')
    if os.path.exists(sortie):
        os.remove(sortie)
    commande = [zorlin, '--headless', '--data-dir', os.path.join(travail, nom + '.data'), '--resources', fixtures,
                '--level', cas['level'], '--frames', cas['frames'], '--dump-state', sortie]
    if os.path.exists(cas['replay']):
        commande += ['--replay', cas['replay']]
    for don in cas['give']:
        commande += ['--give', don]
    for option in ('difficulty', 'seed'):
        if option in cas:
            commande += ['--' + option, cas[option]]
    env = dict(os.environ, SDL_VIDEODRIVER='dummy', SDL_AUDIODRIVER='dummy')
    run = subprocess.run(commande, env=env, capture_output=True, text=True)
    if run.returncode != 0 or not os.path.exists(sortie):
        sys.exit(f'{" ".join(commande)}\nexit {run.returncode}\n{run.stdout}{run.stderr}')
    with open(sortie) as f:
        etat = json.load(f)
    echecs = []
    for numero, cle, op, attendu in cas['checks']:
        try:
            obtenu = valeur(etat, cle)
            bon = OPS[op](obtenu, attendu)
        except (KeyError, IndexError, TypeError, ValueError):
            obtenu, bon = '<missing>', False
        if not bon:
            echecs.append(f'{chemin_cas}:{numero}: {cle} {op} {json.dumps(attendu)}, got {json.dumps(obtenu)}')
    if echecs:
        sys.exit('\n'.join(echecs) + f'\nstate: {sortie}')
    print(f'{nom}: {len(cas["checks"])} values as expected')


if __name__ == '__main__':
    main()
