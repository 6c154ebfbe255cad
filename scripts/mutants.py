#!/usr/bin/env python3
"""Makes one small fault at a time in Yelpit's sources, rebuilds, runs the
tests and lists every fault that no test noticed, then one line:
"mutants: K killed of N".

Usage: scripts/mutants.py [--budget MINUTES] [--core | --binding]

The core (command/, messagebox/, text/) is tried first, against the fast
native tests; a fault they miss is built for Windows too, whose build holds
the style names to the platform's header. The Windows binding is tried
against the tests of the preset that Wine runs here. A fault that does not
compile is not counted. Every file is put back, even when interrupted; one
left over from a run that was killed outright is put back at the next start.
"""
import argparse, os, re, signal, subprocess, sys, time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BACKUP = os.path.join(ROOT, 'build', 'mutants-backup')
CORE = ['command/arguments.cpp', 'command/command_line.cpp', 'command/help.cpp', 'command/main_flow.cpp',
        'messagebox/message_box.cpp', 'messagebox/message_box.h', 'text/trim.cpp']
BINDING = ['platform/platform_windows.cpp']
# Faults that change nothing a caller can see: file, line, the line with the fault.
EQUIVALENT = {
    ('command/command_line.cpp', 'std::size_t nameEnd = 0;  // a line that starts with a space has no name',
     'std::size_t nameEnd = 1;  // a line that starts with a space has no name'):
        'only a line that starts with a space keeps this value, and its spaces are skipped anyway',
    ('messagebox/message_box.cpp', 'if (type.empty()) return 0;', ';'):
        'an empty list is one empty item, which names no style: 0 either way',
    ('messagebox/message_box.cpp', "comma = closing == npos ? npos : type.find(',', closing + 1);",
     "comma = closing == npos ? npos : type.find(',', closing + 0);"):
        'the byte at the closing quote is that quote, never a comma',
}
# One kind of fault a pattern: what it matches and what it becomes.
KINDS = [(re.compile(p), r) for p, r in [
    (r' == ', ' != '), (r' != ', ' == '), (r' < ', ' <= '), (r' <= ', ' < '), (r' > ', ' >= '),
    (r' >= ', ' > '), (r' && ', ' || '), (r' \|\| ', ' && '), (r'!(?=[\w(])', ''),
    (r' & ', ' | '), (r' \| ', ' & '), (r'~(?=\w)', ''),
    (r'(?<![\w.])(0x[0-9A-Fa-f]+|\d+)(?![\w.])', lambda n: number_like(n, int(n, 0) + 1)),
    (r'(?<![\w.])(0x[0-9A-Fa-f]*[1-9A-Fa-f][0-9A-Fa-f]*|[1-9]\d*)(?![\w.])', lambda n: number_like(n, int(n, 0) - 1)),
]]


def number_like(old, value):
    return hex(value) if old.startswith('0x') else str(value)


def code_part(line):
    """The line with its strings and characters blanked and its comment cut off."""
    masked = re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: '"' + '_' * (len(m.group()) - 2) + '"', line)
    return masked.split('//')[0]


def mutants(path):
    """(line number, faulty line) for every fault of every kind in a file."""
    lines = read(os.path.join(ROOT, path)).split('\n')
    previous = ''
    for number, line in enumerate(lines):
        code = code_part(line)
        if code.lstrip().startswith('#') or not code.strip():
            continue
        for pattern, replacement in KINDS:
            for match in pattern.finditer(code):
                new = replacement(match.group()) if callable(replacement) else replacement
                yield number, line[:match.start()] + new + line[match.end():]
        # Dropping a whole statement: one that starts and ends on this line.
        statement = code.strip()
        if (statement.endswith(';') and line.startswith('  ') and previous.endswith((';', '{', '}'))
                and not statement.startswith(('return', 'const', 'constexpr', 'static', 'std::'))):
            yield number, line[:len(line) - len(line.lstrip())] + ';'
        previous = statement or previous


def read(path):
    with open(path, encoding='utf-8', newline='') as file:
        return file.read()


def write(path, text):
    with open(path, 'w', encoding='utf-8', newline='') as file:
        file.write(text)


def run(command):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
    except OSError:  # such as a 32-bit Wine this kernel cannot run
        return False


def verdict(steps):
    """'killed', 'survived' or 'invalid': the product must build, then any step may fail."""
    product, rest = steps[0], steps[1:]
    if not run(product):
        return 'invalid'
    return 'survived' if all(run(step) for step in rest) else 'killed'


def restore(path, original):
    write(os.path.join(ROOT, path), original)
    backup = os.path.join(BACKUP, path.replace('/', '+'))
    if os.path.exists(backup):
        os.remove(backup)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--budget', type=float, default=90, help='minutes, 90 unless given')
    parser.add_argument('--core', action='store_true')
    parser.add_argument('--binding', action='store_true')
    args = parser.parse_args()
    deadline = time.time() + args.budget * 60
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    os.makedirs(BACKUP, exist_ok=True)
    for name in os.listdir(BACKUP):
        restore(name.replace('+', '/'), read(os.path.join(BACKUP, name)))

    wine = 'win32' if run(['/usr/lib/wine/wine', '--version']) else 'win64'
    native_tests = ['ctest', '--preset', 'native', '--stop-on-failure', '--timeout', '30', '-E', 'workflow_lint']
    plans = []
    if not args.binding:
        plans.append((CORE, [['cmake', '--build', '--preset', 'native', '--target', 'yelpit'],
                             ['cmake', '--build', '--preset', 'native'], native_tests,
                             ['cmake', '--build', '--preset', wine]]))
    if not args.core:
        # The quick rows first; the signed box is the typical box again.
        wine_tests = ['ctest', '--preset', wine, '--stop-on-failure', '--timeout', '300']
        plans.append((BINDING, [['cmake', '--build', '--preset', wine, '--target', 'yelpit'],
                                ['cmake', '--build', '--preset', wine],
                                wine_tests + ['-R', 'pe_checks|_unseen'], wine_tests + ['-R', '_boxes'],
                                wine_tests + ['-E', 'pe_checks|_unseen|_boxes|signing']]))
    for preset in {'native', wine}:
        if not (run(['cmake', '--preset', preset]) and run(['cmake', '--build', '--preset', preset])):
            sys.exit('mutants: the %s preset does not build as it is' % preset)

    counts = {'killed': 0, 'survived': 0, 'invalid': 0, 'equivalent': 0}
    try:
        for files, steps in plans:
            for path in files:
                original = read(os.path.join(ROOT, path))
                lines = original.split('\n')
                for number, faulty in mutants(path):
                    if time.time() > deadline:
                        raise TimeoutError
                    why = EQUIVALENT.get((path, lines[number].strip(), faulty.strip()))
                    if why:
                        counts['equivalent'] += 1
                        continue
                    write(os.path.join(BACKUP, path.replace('/', '+')), original)
                    write(os.path.join(ROOT, path), '\n'.join(lines[:number] + [faulty] + lines[number + 1:]))
                    result = verdict(steps)
                    restore(path, original)
                    counts[result] += 1
                    if result == 'survived':
                        print('survived %s:%d: %s' % (path, number + 1, faulty.strip()), flush=True)
    except TimeoutError:
        print('mutants: the budget of %g minutes ran out; what was tried so far:' % args.budget)
    finally:
        for files, _ in plans:
            for path in files:
                backup = os.path.join(BACKUP, path.replace('/', '+'))
                if os.path.exists(backup):
                    restore(path, read(backup))
    tried = counts['killed'] + counts['survived']
    print('mutants: %d killed of %d (%d known equivalents and %d that do not compile not counted)' % (
        counts['killed'], tried, counts['equivalent'], counts['invalid']))
    return 1 if counts['survived'] else 0


if __name__ == '__main__':
    sys.exit(main())
