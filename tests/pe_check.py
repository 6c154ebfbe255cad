#!/usr/bin/env python3
"""Reads a built Yelpit.exe and checks what makes it fit and safe to ship.

Usage: pe_check.py Yelpit.exe
Prints one line per check and 'N passed, N failed'; exits 1 on a failure.
"""
import struct
import sys

# Everything Yelpit takes from the system, and nothing else: no C runtime.
# Windows loads both DLLs from its own directory only, never from beside the
# executable, so neither can be planted.
IMPORTS = {
    'kernel32.dll': {'ExitProcess', 'GetCommandLineA', 'GetProcessHeap', 'HeapAlloc', 'HeapFree'},
    'user32.dll': {'CharUpperBuffA', 'GetProcessWindowStation', 'GetUserObjectInformationA',
                   'MessageBoxA'},
}

DYNAMIC_BASE, NX_COMPAT = 0x0040, 0x0100
RELOCS_STRIPPED = 0x0001
SCN_CODE, SCN_EXECUTE, SCN_WRITE = 0x20, 0x20000000, 0x80000000


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from('<I', data, 0x3C)[0]
        assert data[pe:pe + 4] == b'PE\0\0', 'not a PE file'
        (self.machine, count, self.timestamp, _, _, optional_size,
         self.characteristics) = struct.unpack_from('<HHIIIHH', data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from('<H', data, opt)[0]
        self.subsystem, self.dll_characteristics = struct.unpack_from('<HH', data, opt + 68)
        directories = opt + 96
        self.directories = [struct.unpack_from('<II', data, directories + 8 * i) for i in range(16)]
        self.sections = []
        for i in range(count):
            at = opt + optional_size + 40 * i
            name = data[at:at + 8].rstrip(b'\0').decode()
            vsize, vaddr, rawsize, rawptr = struct.unpack_from('<IIII', data, at + 8)
            flags = struct.unpack_from('<I', data, at + 36)[0]
            self.sections.append((name, vaddr, max(vsize, rawsize), rawptr, flags))

    def offset(self, rva):
        for _, vaddr, size, rawptr, _ in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + rawptr
        raise ValueError('address %#x is in no section' % rva)

    def string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b'\0', at)].decode()

    def imports(self):
        """{dll name: [function names]}"""
        result = {}
        at = self.offset(self.directories[1][0])
        while True:
            lookup, _, _, name, thunks = struct.unpack_from('<IIIII', self.data, at)
            if name == 0:
                return result
            functions = []
            entry = self.offset(lookup or thunks)
            while True:
                value = struct.unpack_from('<I', self.data, entry)[0]
                if value == 0:
                    break
                functions.append('#%d' % (value & 0xFFFF) if value & 0x80000000 else self.string(value + 2))
                entry += 4
            result[self.string(name)] = functions
            at += 20


def main():
    image = Image(open(sys.argv[1], 'rb').read())
    results = []

    def check(ok, what):
        results.append(bool(ok))
        print('%s %s' % ('ok  ' if ok else 'FAIL', what))

    check(image.machine == 0x14C and image.magic == 0x10B, '32-bit x86 (PE32, i386)')
    check(image.subsystem == 2, 'GUI subsystem: no console window')
    check(image.timestamp == 0, 'no link timestamp: rebuilds give the same bytes')
    check(image.dll_characteristics & DYNAMIC_BASE, 'ASLR: DYNAMIC_BASE')
    check(not image.characteristics & RELOCS_STRIPPED and image.directories[5][1] > 0,
          'ASLR: a relocation table to move the image with')
    check(image.dll_characteristics & NX_COMPAT, 'DEP: NX_COMPAT')
    both = [s[0] for s in image.sections if s[4] & SCN_WRITE and s[4] & (SCN_EXECUTE | SCN_CODE)]
    check(not both, 'no section both writable and executable %s' % (both or ''))
    imports = {name.lower(): set(functions) for name, functions in image.imports().items()}
    check(set(imports) == set(IMPORTS), 'imports from %s' % ', '.join(sorted(imports)))
    for dll, expected in sorted(IMPORTS.items()):
        taken = imports.get(dll, set())
        check(taken == expected, 'from %s: %s' % (dll, ', '.join(sorted(taken)) or 'nothing'))

    failed = results.count(False)
    print('%d passed, %d failed' % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
