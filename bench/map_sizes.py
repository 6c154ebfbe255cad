#!/usr/bin/env python3
"""Sums what each object file puts into the image, from a GNU ld link map.

Usage: map_sizes.py FILE.map [ROWS]
"""
import collections
import re
import sys

KEPT = r'\.(?:text|data|rdata|bss|idata|rsrc|reloc|tls|CRT|eh_frame|gcc_except_table|pdata|xdata)'
ONE_LINE = re.compile(r'^ (' + KEPT + r'\S*)\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)')
NAME_ONLY = re.compile(r'^ (' + KEPT + r'\S*)\s*$')
CONTINUED = re.compile(r'^\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S+)')


def short(path):
    return re.sub(r'^.*/', '', path)


def sizes(map_file):
    per_object = collections.Counter()
    in_memory_map = waiting = False
    for line in open(map_file):
        if line.startswith('Linker script and memory map'):
            in_memory_map = True
        if not in_memory_map:
            continue
        match = ONE_LINE.match(line)
        if match:
            per_object[short(match.group(3))] += int(match.group(2), 16)
            waiting = False
            continue
        if NAME_ONLY.match(line):
            waiting = True
            continue
        match = CONTINUED.match(line)
        if match and waiting:
            per_object[short(match.group(2))] += int(match.group(1), 16)
        waiting = False
    return per_object


def main():
    per_object = sizes(sys.argv[1])
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    total = sum(per_object.values())
    print('  %7d bytes of sections in all, by object (before alignment):' % total)
    for name, size in per_object.most_common(rows):
        print('  %7d  %s' % (size, name))
    rest = per_object.most_common()[rows:]
    if rest:
        print('  %7d  (%d more objects)' % (sum(s for _, s in rest), len(rest)))


if __name__ == '__main__':
    main()
