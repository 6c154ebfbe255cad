#!/usr/bin/env python3
"""Zips a folder so that the same files always give the same bytes: entries
sorted by name, each with the one time given, a fixed mode (755 for the
program, 644 for the rest), no owner and no extra fields. Writes the zip's
own SHA-256 beside it, in the format `sha256sum -c` reads.

Usage: pack_zip.py FOLDER ZIP SECONDS-SINCE-1970
"""
import hashlib
import os
import sys
import time
import zipfile

EARLIEST = 315532800  # 1980-01-01 UTC: a zip entry holds no earlier time


def main():
    folder, path, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    stamp = time.gmtime(max(seconds, EARLIEST))[:6]
    names = sorted(os.path.relpath(os.path.join(parent, name), folder).replace(os.sep, '/')
                   for parent, _, files in os.walk(folder) for name in files)
    partial = path + '.partial'
    with zipfile.ZipFile(partial, 'w') as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, stamp)
            entry.create_system = 3  # Unix, so that the mode counts
            entry.external_attr = (0o100755 if name.endswith('.exe') else 0o100644) << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), 'rb') as source:
                archive.writestr(entry, source.read(), compresslevel=9)
    os.replace(partial, path)
    with open(path, 'rb') as packed:
        digest = hashlib.sha256(packed.read()).hexdigest()
    with open(path + '.sha256', 'w') as sums:
        sums.write('%s  %s\n' % (digest, os.path.basename(path)))


if __name__ == '__main__':
    main()
