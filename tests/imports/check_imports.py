#!/usr/bin/env python3
"""Checks that Windows 95 retail can load the given 32-bit programs.

Windows refuses to start a program whose import table names one function
that its system libraries do not export, or whose headers ask for a newer
Windows. For each program this reads the PE headers and the import table and
fails, naming every offender, when the image is not PE32 for subsystem 4.0
or imports a (library, function) pair that is not on the allow-list.

    check_imports.py ALLOW_LIST PROGRAM.exe...
"""
import struct
import sys


def allowed(path):
    names = set()
    for line in open(path, encoding='utf-8'):
        line = line.split('#', 1)[0].strip()
        if line:
            dll, function = line.split('!', 1)
            names.add((dll.upper(), function))
    return names


class Image:
    def __init__(self, path):
        self.data = open(path, 'rb').read()
        if self.data[:2] != b'MZ':
            raise ValueError('not an executable')
        pe = self.u32(0x3C)
        if self.data[pe:pe + 4] != b'PE\0\0':
            raise ValueError('no PE header')
        sections, optional_size = struct.unpack_from('<2xH12xH', self.data, pe + 4)
        self.optional = pe + 24
        self.sections = []
        table = self.optional + optional_size
        for i in range(sections):
            size, rva, raw_size, raw = struct.unpack_from('<4I', self.data, table + 40 * i + 8)
            self.sections.append((rva, max(size, raw_size), raw))

    def u16(self, offset):
        return struct.unpack_from('<H', self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from('<I', self.data, offset)[0]

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError('address %#x is in no section' % rva)

    def text(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b'\0', at)].decode('ascii')

    def problems_with_headers(self):
        magic = self.u16(self.optional)
        if magic != 0x10B:
            return ['not PE32 (optional header magic %#x)' % magic]
        found = []
        system = (self.u16(self.optional + 40), self.u16(self.optional + 42))
        subsystem = (self.u16(self.optional + 48), self.u16(self.optional + 50))
        if system > (4, 0):
            found.append('needs Windows %d.%d' % system)
        if subsystem != (4, 0):
            found.append('subsystem version %d.%d, not 4.0' % subsystem)
        return found

    def imports(self):
        directory = self.u32(self.optional + 96 + 8)   # data directory 1: imports
        if directory == 0:
            return
        at = self.offset(directory)
        while True:
            lookup, _, _, name, thunks = struct.unpack_from('<5I', self.data, at)
            if name == 0:
                return
            dll = self.text(name).upper()
            entry = self.offset(lookup or thunks)
            while self.u32(entry):
                value = self.u32(entry)
                if value & 0x80000000:
                    yield dll, '#%d' % (value & 0xFFFF)   # by ordinal
                else:
                    yield dll, self.text(value + 2)
                entry += 4
            at += 20


def main(allow_list, programs):
    names = allowed(allow_list)
    failed = False
    for program in programs:
        image = Image(program)
        problems = image.problems_with_headers()
        problems += ['imports %s!%s' % pair for pair in sorted(set(image.imports())) if pair not in names]
        for problem in problems:
            print('%s: %s' % (program, problem))
        failed = failed or bool(problems)
        if not problems:
            print('%s: loads on Windows 95' % program)
    return 1 if failed else 0


if __name__ == '__main__':
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
