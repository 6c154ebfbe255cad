#!/usr/bin/env python3
"""Reads a built Yelpit.exe, 32- or 64-bit, and checks what makes it fit and
safe to ship; given its manifest too, checks that Windows can read it.

Usage: pe_check.py [--built-on-windows] Yelpit.exe [Yelpit.exe.manifest]
Prints one line per check and 'N passed, N failed'; exits 1 on a failure.
An exe built on Windows, by another GCC, is given more room than the one we ship.
"""
import struct
import sys
import xml.etree.ElementTree as ElementTree

# Everything Yelpit takes from the system, and nothing else: no C runtime.
# Windows loads both DLLs from its own directory only, never from beside the
# executable, so neither can be planted. What only some Windows versions have,
# and wtsapi32.dll for a box sent from a service, are looked up at run time.
IMPORTS = {
    'kernel32.dll': {'ExitProcess', 'GetCommandLineA', 'GetCurrentProcessId', 'GetModuleHandleA',
                     'GetProcAddress', 'GetSystemDirectoryA', 'LoadLibraryExA', 'LocalAlloc', 'LocalFree'},
    'user32.dll': {'CharUpperBuffA', 'GetProcessWindowStation', 'GetUserObjectInformationA',
                   'MessageBoxA'},
}

# DllCharacteristics, exactly: ASLR (on 64-bit with all of its address bits),
# DEP, no compatibility shims on Remote Desktop hosts, and on 32-bit no
# exception handlers to call. Never NO_ISOLATION, which hides the manifest.
FLAG_NAMES = {0x0020: 'HIGH_ENTROPY_VA', 0x0040: 'DYNAMIC_BASE', 0x0100: 'NX_COMPAT', 0x0200: 'NO_ISOLATION',
              0x0400: 'NO_SEH', 0x8000: 'TERMINAL_SERVER_AWARE'}
IMAGE_FLAGS = {False: 0x0040 | 0x0100 | 0x0400 | 0x8000, True: 0x0020 | 0x0040 | 0x0100 | 0x8000}
# The oldest Windows each may start on, as docs/checking-a-download.md says: (operating system,
# subsystem). 64-bit Windows began with 5.2, XP x64 and Server 2003.
VERSIONS = {False: ((4, 0), (4, 0)), True: ((4, 0), (5, 2))}
SIZE_LIMITS = {False: 8192, True: 11264}  # a signature, appended, comes on top; 2048 more for another GCC
RELOCS_STRIPPED = 0x0001
SCN_CODE, SCN_EXECUTE, SCN_WRITE = 0x20, 0x20000000, 0x80000000
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16

# What Windows reads from the manifest, by Microsoft's element names and
# namespaces; a fault there stops the program from starting at all.
ASM_V1, ASM_V3 = 'urn:schemas-microsoft-com:asm.v1', 'urn:schemas-microsoft-com:asm.v3'
SETTINGS = 'http://schemas.microsoft.com/SMI/%d/WindowsSettings'
ARCHITECTURES = {0x14C: 'x86', 0x8664: 'amd64'}
COMMON_CONTROLS = {'type': 'win32', 'name': 'Microsoft.Windows.Common-Controls', 'version': '6.0.0.0',
                   'processorArchitecture': '*', 'publicKeyToken': '6595b64144ccf1df', 'language': '*'}
COMPATIBILITY = 'urn:schemas-microsoft-com:compatibility.v1'
SUPPORTED_OS = {'{e2011457-1546-43c5-a5fe-008deee3d3f0}': 'Vista', '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}': '7',
                '{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}': '8', '{1f676c76-80e1-4239-95bb-83d0f6d0da78}': '8.1',
                '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}': '10 and 11'}
WINDOWS_SETTINGS = [('activeCodePage', 2019, 'UTF-8'), ('dpiAware', 2005, 'true/pm'),
                    ('dpiAwareness', 2016, 'PerMonitorV2, PerMonitor')]


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from('<I', data, 0x3C)[0]
        assert data[pe:pe + 4] == b'PE\0\0', 'not a PE file'
        (self.machine, count, self.timestamp, _, _, optional_size,
         self.characteristics) = struct.unpack_from('<HHIIIHH', data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from('<H', data, opt)[0]
        self.wide = self.magic == 0x20B  # PE32+: 64-bit addresses
        self.subsystem, self.dll_characteristics = struct.unpack_from('<HH', data, opt + 68)
        major, minor, _, _, sub_major, sub_minor = struct.unpack_from('<6H', data, opt + 40)
        self.versions = ((major, minor), (sub_major, sub_minor))
        directories = opt + (112 if self.wide else 96)
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
            size, by_ordinal = (8, 1 << 63) if self.wide else (4, 1 << 31)
            while True:
                value = struct.unpack_from('<Q' if self.wide else '<I', self.data, entry)[0]
                if value == 0:
                    break
                functions.append('#%d' % (value & 0xFFFF) if value & by_ordinal else self.string(value + 2))
                entry += size
            result[self.string(name)] = functions
            at += 20

    def resource_types(self):
        """The type identifiers at the root of the resource tree."""
        root = self.offset(self.directories[2][0])
        named, numbered = struct.unpack_from('<HH', self.data, root + 12)
        entries = [struct.unpack_from('<I', self.data, root + 16 + 8 * i)[0] for i in range(named + numbered)]
        return ['name' if entry & 0x80000000 else entry for entry in entries]


def check_manifest(check, path, machine):
    try:
        data = open(path, 'rb').read()
        root = ElementTree.fromstring(data)
    except (OSError, ElementTree.ParseError) as error:
        check(False, 'the manifest is well-formed XML: %s' % error)
        return
    check(data.isascii(), 'the manifest is plain ASCII: UTF-8 without a byte-order mark')
    check(root.tag == '{%s}assembly' % ASM_V1 and root.get('manifestVersion') == '1.0',
          'the manifest is an asm.v1 assembly, version 1.0')
    identity = root.find('{%s}assemblyIdentity' % ASM_V1)
    architecture = ARCHITECTURES.get(machine)
    check(identity is not None and identity.get('processorArchitecture') == architecture
          and identity.get('type') == 'win32' and identity.get('version', '').count('.') == 3,
          'its own identity: win32, a four-part version, architecture %s' % architecture)
    dependency = root.find('{0}dependency/{0}dependentAssembly/{0}assemblyIdentity'.format('{%s}' % ASM_V1))
    check(dependency is not None and dependency.attrib == COMMON_CONTROLS, 'depends on common controls 6')
    level = root.find('{0}trustInfo/{0}security/{0}requestedPrivileges/{0}requestedExecutionLevel'.format(
        '{%s}' % ASM_V3))
    check(level is not None and level.attrib == {'level': 'asInvoker', 'uiAccess': 'false'},
          'runs as the invoker, never elevated')
    supported = [entry.get('Id') for entry in root.iterfind('{0}compatibility/{0}application/{0}supportedOS'.format(
        '{%s}' % COMPATIBILITY))]
    check(sorted(supported) == sorted(SUPPORTED_OS), 'supports Windows %s' % ', '.join(
        SUPPORTED_OS.get(guid, 'unknown %s' % guid) for guid in supported))
    settings = root.find('{0}application/{0}windowsSettings'.format('{%s}' % ASM_V3))
    for name, year, value in WINDOWS_SETTINGS:
        element = settings.find('{%s}%s' % (SETTINGS % year, name)) if settings is not None else None
        check(element is not None and element.text == value, '%s (%d namespace) is %s' % (name, year, value))


def main():
    elsewhere = sys.argv[1] == '--built-on-windows'
    arguments = sys.argv[1 + elsewhere:]
    image = Image(open(arguments[0], 'rb').read())
    results = []

    def check(ok, what):
        results.append(bool(ok))
        print('%s %s' % ('ok  ' if ok else 'FAIL', what))

    if image.wide:
        check(image.machine == 0x8664, '64-bit x86-64 (PE32+, AMD64)')
    else:
        check(image.machine == 0x14C and image.magic == 0x10B, '32-bit x86 (PE32, i386)')
    check(image.subsystem == 2, 'GUI subsystem: no console window')
    check(image.versions == VERSIONS[image.wide], 'needs Windows %d.%d, subsystem %d.%d' % (
        image.versions[0] + image.versions[1]))
    signature_at, signature_size = image.directories[4]
    size = signature_at if signature_size else len(image.data)
    limit = SIZE_LIMITS[image.wide] + 2048 * elsewhere
    why = ': built on Windows by its own GCC; the exe we ship, built on Debian, must fit %d' % SIZE_LIMITS[image.wide]
    check(size <= limit, '%d bytes, at most %d, without a signature%s' % (size, limit, why if elsewhere else ''))
    check(image.timestamp == 0, 'no link timestamp: rebuilds give the same bytes')
    flags = image.dll_characteristics
    names = [name for bit, name in sorted(FLAG_NAMES.items()) if flags & bit] + (
        ['unknown %#x' % (flags & ~sum(FLAG_NAMES))] if flags & ~sum(FLAG_NAMES) else [])
    check(flags == IMAGE_FLAGS[image.wide], 'image flags %#06x: %s' % (flags, ', '.join(names)))
    check(not image.characteristics & RELOCS_STRIPPED and image.directories[5][1] > 0,
          'ASLR: a relocation table to move the image with')
    both = [s[0] for s in image.sections if s[4] & SCN_WRITE and s[4] & (SCN_EXECUTE | SCN_CODE)]
    check(not both, 'no section both writable and executable %s' % (both or ''))
    imports = {name.lower(): set(functions) for name, functions in image.imports().items()}
    check(set(imports) == set(IMPORTS), 'imports from %s' % ', '.join(sorted(imports)))
    for dll, expected in sorted(IMPORTS.items()):
        taken = imports.get(dll, set())
        check(taken == expected, 'from %s: %s' % (dll, ', '.join(sorted(taken)) or 'nothing'))
    types = image.resource_types()
    check(sorted(types) == [RT_ICON, RT_GROUP_ICON, RT_VERSION],
          'resources: icon, icon group and version only, no manifest inside %s' % types)
    if len(arguments) > 1:
        check_manifest(check, arguments[1], image.machine)

    failed = results.count(False)
    print('%d passed, %d failed' % (len(results) - failed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main())
