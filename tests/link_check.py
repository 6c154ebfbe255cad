#!/usr/bin/env python3
"""Checks that every relative link in the Markdown files of a zip leads to a
file or folder inside the zip, and each #anchor to a heading of its page.
Usage: link_check.py ZIP    Prints each broken link; exits 1 if there is one.
"""
import posixpath
import re
import sys
import zipfile


def anchor(heading):
    """The anchor a heading gets: small letters, no punctuation, spaces as hyphens."""
    return re.sub(r'[^\w\- ]', '', heading.strip().lower()).replace(' ', '-')


archive = zipfile.ZipFile(sys.argv[1])
names = set(archive.namelist())
pages = {name: archive.read(name).decode() for name in names if name.endswith('.md')}
broken = []
for page, text in sorted(pages.items()):
    for target in re.findall(r'\]\(([^)\s]+)\)', text):
        if re.match(r'[a-z]+:', target):
            continue
        path, _, fragment = target.partition('#')
        path = posixpath.normpath(posixpath.join(posixpath.dirname(page), path)) if path else page
        found = path in names or any(name.startswith(path + '/') for name in names)
        if found and fragment and fragment not in map(anchor, re.findall(r'^#+ (.*)$', pages.get(path, ''), re.M)):
            found = False
        if not found:
            broken.append('%s: %s' % (page, target))
for link in broken:
    print('broken link in ' + link)
sys.exit(1 if broken else 0)
