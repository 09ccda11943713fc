#!/usr/bin/env python3
"""Finishes the Windows Help file that Halibut writes.

A program asks WinHelp for a topic by number (HELP_CONTEXT); the viewer finds
the topic through the internal file |CTXOMAP, a list of (number, topic
offset) pairs, which Halibut writes empty. This fills it from a map file whose
lines are "NAME NUMBER", as in the [MAP] section of a help project: the topic
of NAME is the one that the |CONTEXT tree files under the hash of NAME.

Halibut also gives the viewer two buttons with English captions and marks the
file as English; the file is marked French and the buttons get French
captions (the "About" button, which only shows the viewer's own box, goes).

The new internal files are appended to the file and the directory points at
them; what they replace stays behind, unused.

    finish_help.py IN.hlp MAP OUT.hlp
"""
import os
import struct
import sys

MAGIC = 0x00035F3F
FILE_HEADER = struct.Struct('<IIB')    # space reserved (header included), space used, flags
BTREE_HEADER = struct.Struct('<HHH16shhhhhhi')
SYSTEM_HEADER_SIZE = 12
SYSTEM_CONFIG, SYSTEM_LCID = 4, 9
FRENCH = 0x040C
BUTTON_MACROS = {
    b'CB("btn_about","&About","About()")': None,
    b'CB("btn_up","&Up","Contents()")': b'CB("btn_up","&Remonter","Contents()")',
}


class HelpFile:
    def __init__(self, data):
        self.data = bytearray(data)
        magic, self.directory, _, size = struct.unpack_from('<IiiI', self.data, 0)
        if magic != MAGIC or size != len(self.data):
            raise ValueError('not a Windows Help file')

    def leaves(self, offset, read_entry):
        """The entries of the B+ tree that begins at offset, in key order."""
        start = offset + FILE_HEADER.size
        fields = BTREE_HEADER.unpack_from(self.data, start)
        page_size, root, levels = fields[2], fields[6], fields[9]
        pages = start + BTREE_HEADER.size
        page = root
        for _ in range(levels - 1):    # down the leftmost children to the first leaf
            page = struct.unpack_from('<h', self.data, pages + page * page_size + 4)[0]
        while page != -1:
            at = pages + page * page_size
            count, page = struct.unpack_from('<2xh2xh', self.data, at)
            at += 8
            for _ in range(count):
                entry, at = read_entry(at)
                yield entry

    def text(self, at):
        end = self.data.index(b'\0', at)
        return self.data[at:end].decode('cp1252'), end + 1

    def directory_entries(self):
        """Internal files by name: where each begins, and where that offset is kept."""
        def entry(at):
            name, at = self.text(at)
            return (name, (struct.unpack_from('<i', self.data, at)[0], at)), at + 4
        return dict(self.leaves(self.directory, entry))

    def content(self, name):
        """The bytes of the internal file name."""
        offset = self.directory_entries()[name][0]
        used = FILE_HEADER.unpack_from(self.data, offset)[1]
        start = offset + FILE_HEADER.size
        return bytes(self.data[start:start + used])

    def contexts(self):
        """Topic offsets by context-name hash."""
        offset = self.directory_entries()['|CONTEXT'][0]
        return dict(self.leaves(offset, lambda at: (struct.unpack_from('<ii', self.data, at), at + 8)))

    def titles(self):
        """Topic titles by topic offset."""
        def entry(at):
            title, end = self.text(at + 4)
            return (struct.unpack_from('<i', self.data, at)[0], title), end
        return dict(self.leaves(self.directory_entries()['|TTLBTREE'][0], entry))

    def context_map(self):
        """Topic offsets by help number, as |CTXOMAP holds them."""
        body = self.content('|CTXOMAP')
        count = struct.unpack_from('<H', body)[0]
        return dict(struct.unpack_from('<ii', body, 2 + 8 * i) for i in range(count))

    def replace(self, name, body):
        """Appends body as the new content of the internal file name."""
        offset, slot = self.directory_entries()[name]
        flags = FILE_HEADER.unpack_from(self.data, offset)[2]
        # Wine's viewer refuses a file whose reserved space is less than
        # what it uses plus its header.
        appended = FILE_HEADER.pack(FILE_HEADER.size + len(body), len(body), flags) + body
        struct.pack_into('<i', self.data, slot, len(self.data))
        self.data += appended
        struct.pack_into('<I', self.data, 12, len(self.data))


def context_hash(name):
    """WinHelp's hash of a context name made of letters, digits, '.' and '_'."""
    value = 0
    for c in name.upper():
        if 'A' <= c <= 'Z':
            code = ord(c) - ord('A') + 17
        elif '1' <= c <= '9':
            code = ord(c) - ord('0')
        elif c in '0._':
            code = {'0': 10, '.': 12, '_': 13}[c]
        else:
            raise ValueError('a context name holds only letters, digits, "." and "_": ' + name)
        value = (value * 43 + code) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def read_map(path):
    """(name, number) pairs of a map file: "NAME NUMBER" lines, ';' starts a comment."""
    pairs = []
    for line in open(path, encoding='utf-8'):
        words = line.split(';', 1)[0].split()
        if words:
            name, number = words
            pairs.append((name, int(number)))
    return pairs


def context_map(help_file, pairs):
    """The |CTXOMAP content for (name, number) pairs, by number."""
    contexts = help_file.contexts()
    missing = [name for name, _ in pairs if context_hash(name) not in contexts]
    if missing:
        raise ValueError('no topic named ' + ', '.join(missing))
    entries = sorted((number, contexts[context_hash(name)]) for name, number in pairs)
    return struct.pack('<H', len(entries)) + b''.join(struct.pack('<ii', *entry) for entry in entries)


def system_records(system):
    """The (kind, data) records of the |SYSTEM content."""
    at = SYSTEM_HEADER_SIZE
    while at < len(system):
        kind, size = struct.unpack_from('<HH', system, at)
        yield kind, system[at + 4:at + 4 + size]
        at += 4 + size


def french_system(system):
    """The |SYSTEM content with the French language and button captions."""
    out = bytearray(system[:SYSTEM_HEADER_SIZE])
    for kind, record in system_records(system):
        if kind == SYSTEM_LCID:
            record = record[:-2] + struct.pack('<H', FRENCH)
        elif kind == SYSTEM_CONFIG and record.rstrip(b'\0') in BUTTON_MACROS:
            macro = BUTTON_MACROS[record.rstrip(b'\0')]
            if macro is None:
                continue
            record = macro + b'\0'
        out += struct.pack('<HH', kind, len(record)) + record
    return bytes(out)


def main(source, map_path, target):
    try:
        with open(source, 'rb') as halibut_output:
            help_file = HelpFile(halibut_output.read())
        help_file.replace('|CTXOMAP', context_map(help_file, read_map(map_path)))
        help_file.replace('|SYSTEM', french_system(help_file.content('|SYSTEM')))
    except (OSError, ValueError) as error:
        sys.exit('%s: %s' % (source, error))
    # Whole or not at all: a half-written file would look up to date.
    with open(target + '.tmp', 'wb') as out:
        out.write(help_file.data)
    os.replace(target + '.tmp', target)


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
