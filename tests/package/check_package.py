#!/usr/bin/env python3
"""Opens the release package and checks what an administrator receives.

The zip holds exactly the two 32-bit programs, the help file, the guide and
the INF that installs them; its name carries the version that both programs'
version resources give; the guide is in the Windows code page with CRLF line
ends, as Notepad reads it. The floppy and CD images beside it hold the zip's
files (media_problems).

    check_package.py velmora-VERSION-win32.zip
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import zipfile

PROGRAMS = ('Dovrane.exe', 'Quorvel.exe')
CONTENT = set(PROGRAMS) | {'velmo95.hlp', 'LISEZMOI.TXT', 'VELMORA.INF'}
FLOPPY_SIZE = 1474560
FIXED_FILE_INFO = struct.pack('<I', 0xFEEF04BD)
HELP_MAGIC = struct.pack('<I', 0x00035F3F)


def version_string(image, key):
    """A string value of the version resource (UTF-16, after its key, 32-bit aligned)."""
    at = image.find((key + '\0').encode('utf-16-le'))
    if at < 0:
        return None
    at = (at + 2 * len(key) + 2 + 3) & ~3
    end = at
    while image[end:end + 2] != b'\0\0':
        end += 2
    return image[at:end].decode('utf-16-le')


def program_problems(name, image, version):
    pe = struct.unpack_from('<I', image, 0x3C)[0]
    machine, = struct.unpack_from('<H', image, pe + 4)
    if image[pe:pe + 4] != b'PE\0\0' or machine != 0x14C:
        return ['%s is not a 32-bit Windows program' % name]
    at = image.find(FIXED_FILE_INFO)
    if at < 0:
        return ['%s has no version resource' % name]
    problems = []
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from('<4I', image, at + 8)
    numbers = (version.split('.') + ['0'] * 4)[:4]
    expected = tuple(int(n) for n in numbers)
    for what, ms, ls in (('file', file_ms, file_ls), ('product', product_ms, product_ls)):
        found = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        if found != expected:
            problems.append('%s: %s version %s, the package says %s' % (name, what, found, version))
    if version_string(image, 'ProductVersion') != version:
        problems.append('%s: ProductVersion %r, the package says %s'
                        % (name, version_string(image, 'ProductVersion'), version))
    return problems


def guide_problems(text, version):
    problems = []
    if text.count(b'\n') != text.count(b'\r\n') or text.count(b'\r') != text.count(b'\r\n'):
        problems.append('LISEZMOI.TXT has line ends other than CRLF')
    if not text.endswith(b'\r\n'):
        problems.append('LISEZMOI.TXT does not end with a line end')
    try:
        guide = text.decode('cp1252')
    except UnicodeDecodeError as error:
        return problems + ['LISEZMOI.TXT is not in the Windows code page: %s' % error]
    if 'é' not in guide or 'Ã' in guide:    # UTF-8 read as CP1252 shows as "Ã©"
        problems.append('LISEZMOI.TXT has no accents in the Windows code page')
    if 'Velmora %s' % version not in guide:
        problems.append('LISEZMOI.TXT does not name version %s' % version)
    return problems


def folder_files(command):
    """The files that a command copies into a fresh folder, by name."""
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(command + [folder], capture_output=True, check=True)
        return {name: open(os.path.join(folder, name), 'rb').read() for name in os.listdir(folder)}


def media_problems(package, zip_path):
    """The floppy and CD images beside the zip hold its files: the floppy and the
    CD's ISO 9660 level 1 names are short ones, the CD's Joliet names the zip's."""
    base = zip_path[:-len('-win32.zip')]
    files = {name: package.read(name) for name in package.namelist()}
    short = {name.upper(): data for name, data in files.items()}
    image = open(base + '.img', 'rb').read()
    problems = []
    if len(image) != FLOPPY_SIZE or image[54:62] != b'FAT12   ':
        problems.append('%s.img is not a 1.44 MB FAT12 floppy image' % base)
    extract = ['-osirrox', 'on', '-extract', '/']
    for medium, expected, command in (
            ('the floppy', short, ['mcopy', '-i', base + '.img', '::*']),
            ("the CD's ISO 9660 names", short, ['xorriso', '-read_fs', 'nojoliet', '-indev', base + '.iso'] + extract),
            ("the CD's Joliet names", files, ['xorriso', '-indev', base + '.iso'] + extract)):
        found = folder_files(command)
        if found != expected:
            problems.append('%s: %s, not the zip\'s files' % (medium, sorted(found)))
    return problems


def main(path):
    match = re.fullmatch(r'velmora-(\d+(?:\.\d+){0,3})-win32\.zip', os.path.basename(path))
    if not match:
        sys.exit('%s: not a package name of the form velmora-VERSION-win32.zip' % path)
    version = match.group(1)
    with zipfile.ZipFile(path) as package:
        names = set(package.namelist())
        problems = []
        if names != CONTENT:
            problems.append('the package holds %s, not %s' % (sorted(names), sorted(CONTENT)))
        else:
            for name in PROGRAMS:
                problems += program_problems(name, package.read(name), version)
            if not package.read('velmo95.hlp').startswith(HELP_MAGIC):
                problems.append('velmo95.hlp is not a Windows Help file')
            problems += guide_problems(package.read('LISEZMOI.TXT'), version)
            problems += media_problems(package, path)
    for problem in problems:
        print('FAILED: ' + problem)
    print('%d problem(s) in %s' % (len(problems), path))
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
