#!/usr/bin/env python3
"""Makes one small fault at a time in Yelpit's sources, rebuilds, runs the
tests, and prints every fault that no test noticed, then one line:
"mutants: K killed of N".

Usage: scripts/mutants.py [--budget MINUTES] [--core | --binding]

The core (command/, messagebox/, text/, and the binding's plain rule of whom
a box from a service is sent to) comes first, against the fast native tests;
a fault they miss is also built into the Windows test driver, which holds
the style names to the platform's header. The Windows binding is tried
against the tests of the preset that Wine runs here, the quick ones first. A fault
that does not compile is not counted. Every file is put back, even when the
run is interrupted; one left by a run killed outright is put back at the
next start.
"""
import argparse, os, re, signal, subprocess, sys, time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BACKUP = os.path.join(ROOT, 'build', 'mutants-backup')
CORE = ['command/arguments.cpp', 'command/command_line.cpp', 'command/help.cpp', 'command/main_flow.cpp',
        'messagebox/message_box.cpp', 'messagebox/message_box.h', 'text/trim.cpp', 'platform/sessions.h']
BINDING = ['platform/platform_windows.cpp']
# Faults that no caller can tell from the program: (file, line, faulty line, why).
WINDOWS = 'platform/platform_windows.cpp'
EQUIVALENT = {(path, line, faulty): why for path, line, faulty, why in [
    ('command/command_line.cpp', 'std::size_t nameEnd = 0;  // a line that starts with a space has no name',
     'std::size_t nameEnd = 1;  // a line that starts with a space has no name',
     'only a line that starts with a space keeps this value, and its spaces are skipped anyway'),
    ('messagebox/message_box.cpp', 'if (type.empty()) return 0;', ';',
     'an empty list is one empty item, which names no style: 0 either way'),
    ('messagebox/message_box.cpp', "comma = closing == npos ? npos : type.find(',', closing + 1);",
     "comma = closing == npos ? npos : type.find(',', closing + 0);", 'the byte at the closing quote is a quote'),
    (WINDOWS, 'char* copy = platform::AllocateText(text.size() + 1);',
     'char* copy = platform::AllocateText(text.size() + 2);', 'a byte to spare'),
    (WINDOWS, 'if (folder == 0 || folder >= MAX_PATH) return 0;', 'if (folder == 0 || folder > MAX_PATH) return 0;',
     'GetSystemDirectoryA gives a length below the size it is given, or the size it needs, which is above'),
    *[(WINDOWS, 'DWORD %s = 0;' % name, 'DWORD %s = 1;' % name, 'the call it is handed to sets it before it is read')
      for name in ['needed', 'session', 'count', 'pressed']],
    *[(WINDOWS, line, ';', 'memory not given back just before the process ends')
      for line in ['release(sessions);', 'FreeText(captionZ);', 'FreeText(textZ);']]]}
NUMBER = r'(?<![\w.])(0x[0-9A-Fa-f]+|\d+)(?![\w.])'
# The kinds of fault: a flipped comparison or operator, a dropped negation,
# a constant off by one; and below, a dropped statement.
KINDS = [(re.compile(pattern), change) for pattern, change in [
    (' == ', ' != '), (' != ', ' == '), (' < ', ' <= '), (' <= ', ' < '), (' > ', ' >= '), (' >= ', ' > '),
    (' && ', ' || '), (r' \|\| ', ' && '), (' & ', ' | '), (r' \| ', ' & '), (r'!(?=[\w(])', ''),
    (r'~(?=\w)', ''), (NUMBER, lambda n: number(n, 1)), (NUMBER, lambda n: number(n, -1))]]


def number(text, step):
    value = int(text, 0) + step
    return None if value < 0 else hex(value) if text.startswith('0x') else str(value)


def faults(path):
    """(line index, faulty line) for every fault of every kind in a file."""
    previous = ''
    for index, line in enumerate(read(path).split('\n')):
        # Strings and characters blanked, comments and preprocessor lines left out.
        code = re.sub(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'', lambda m: '_' * len(m.group()), line).split('//')[0]
        if code.lstrip().startswith('#'):
            continue
        for pattern, change in KINDS:
            for match in pattern.finditer(code):
                new = change(match.group()) if callable(change) else change
                if new is not None:
                    yield index, line[:match.start()] + new + line[match.end():]
        statement = code.strip()
        if (statement.endswith(';') and previous.endswith((';', '{', '}')) and line.startswith('  ')
                and not statement.startswith(('return', 'const', 'constexpr', 'static', 'std::'))):
            yield index, line[:len(line) - len(line.lstrip())] + ';'
        previous = statement or previous


def read(path):
    with open(os.path.join(ROOT, path), encoding='utf-8', newline='') as file:
        return file.read()


def write(path, text):
    with open(os.path.join(ROOT, path), 'w', encoding='utf-8', newline='') as file:
        file.write(text)


def run(command):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
    except OSError:  # a 32-bit Wine this kernel cannot run
        return False


def restore():
    for name in os.listdir(BACKUP):
        write(name.replace('+', '/'), read(os.path.join(BACKUP, name)))
        os.remove(os.path.join(BACKUP, name))


def main():
    parser = argparse.ArgumentParser(description='Mutation check of the tests: see the top of this file.')
    parser.add_argument('--budget', type=float, default=90, help='minutes, 90 unless given')
    parser.add_argument('--core', action='store_true', help='the core only')
    parser.add_argument('--binding', action='store_true', help='the Windows binding only')
    args = parser.parse_args()
    deadline = time.time() + args.budget * 60
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    os.makedirs(BACKUP, exist_ok=True)
    restore()
    wine = 'win32' if run(['/usr/lib/wine/wine', '--version']) else 'win64'
    for preset in ['native', wine]:
        if not (run(['cmake', '--preset', preset]) and run(['cmake', '--build', '--preset', preset])):
            sys.exit('mutants: the %s preset does not build as it is' % preset)
    build = lambda preset, *target: ['cmake', '--build', '--preset', preset] + list(target)
    tests = lambda preset, *which: ['ctest', '--preset', preset, '--stop-on-failure', '--timeout', '120'] + list(which)
    plans = []  # the files, then the steps: the product must build, and any later step may fail
    if not args.binding:
        plans.append((CORE, [build('native', '--target', 'yelpit'), build('native'),
                             tests('native', '-E', 'workflow_lint'), build(wine, '--target', 'box_driver')]))
    if not args.core:
        plans.append((BINDING, [build(wine, '--target', 'yelpit'), build(wine), tests(wine, '-R', 'pe_checks|_unseen'),
                                tests(wine, '-R', '_boxes'), tests(wine, '-E', 'pe_checks|_unseen|_boxes|signing')]))
    counts = dict.fromkeys(['killed', 'survived', 'invalid', 'equivalent'], 0)
    try:
        for files, steps in plans:
            for path in files:
                lines = read(path).split('\n')
                for index, faulty in faults(path):
                    if time.time() > deadline:
                        raise TimeoutError
                    if (path, lines[index].strip(), faulty.strip()) in EQUIVALENT:
                        counts['equivalent'] += 1
                        continue
                    write(os.path.join(BACKUP, path.replace('/', '+')), '\n'.join(lines))
                    write(path, '\n'.join(lines[:index] + [faulty] + lines[index + 1:]))
                    result = ('invalid' if not run(steps[0]) else
                              'survived' if all(run(step) for step in steps[1:]) else 'killed')
                    restore()
                    counts[result] += 1
                    if result == 'survived':
                        print('survived %s:%d: %s' % (path, index + 1, faulty.strip()), flush=True)
    except TimeoutError:
        print('mutants: the budget of %g minutes ran out; counted so far:' % args.budget)
    finally:
        restore()
    print('mutants: %d killed of %d (not counted: %d known equivalents, %d that do not compile)' % (
        counts['killed'], counts['killed'] + counts['survived'], counts['equivalent'], counts['invalid']))
    return 1 if counts['survived'] else 0


if __name__ == '__main__':
    sys.exit(main())
