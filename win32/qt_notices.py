#!/usr/bin/env python3
"""The notices of the third-party components that the installer's Qt, as
build_qt.sh builds it (Core, Gui and Widgets, the windows platform and the
Windows styles, with qt_options.txt, for 64-bit Windows), compiles into its
libraries, taken from Qt's own attribution files.

usage: qt_notices.py QT_SOURCE > licencias/qt-terceros.txt
Run it again against the source of each new Qt; COMPONENTS follows what
that source's CMake files compile in for Windows with those options.
"""

import json
import os
import re
import sys

# (folder of a qt_attribution.json under src, the entries' names taken from
# it or None for all, the library they are in)
COMPONENTS = [
    ('corelib/text', None, 'Qt6Core.dll'),
    ('3rdparty/double-conversion', None, 'Qt6Core.dll'),
    ('3rdparty/pcre2', None, 'Qt6Core.dll'),
    ('3rdparty/zlib', None, 'Qt6Core.dll'),
    ('3rdparty/tinycbor', None, 'Qt6Core.dll'),
    ('3rdparty/siphash', None, 'Qt6Core.dll'),
    ('3rdparty/easing', None, 'Qt6Core.dll'),
    ('3rdparty/md4', None, 'Qt6Core.dll'),
    ('3rdparty/md5', None, 'Qt6Core.dll'),
    ('3rdparty/sha1', None, 'Qt6Core.dll'),
    ('3rdparty/sha3', None, 'Qt6Core.dll'),
    ('3rdparty/rfc6234', None, 'Qt6Core.dll'),
    ('3rdparty/blake2', None, 'Qt6Core.dll'),
    ('gui/painting', None, 'Qt6Gui.dll'),
    ('gui/rhi', None, 'Qt6Gui.dll'),
    ('3rdparty/D3D12MemoryAllocator', None, 'Qt6Gui.dll'),
    ('3rdparty/icc', None, 'Qt6Gui.dll'),
    ('3rdparty/freetype', None, 'Qt6Gui.dll'),
    ('3rdparty/harfbuzz-ng', None, 'Qt6Gui.dll'),
    ('3rdparty/libpng', None, 'Qt6Gui.dll'),
]

RULE = '=' * 72


def entries(source, folder, names):
    with open(os.path.join(source, 'src', folder, 'qt_attribution.json'), encoding='utf-8') as f:
        found = json.loads(f.read(), strict=False)
    found = found if isinstance(found, list) else [found]
    return [e for e in found if names is None or e['Name'] in names]


def text_of(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        return f.read().strip('\n')


def licences(source, folder, entry):
    """The licence texts of an entry: its own files, else those of its
    licence ids. Of licences offered as alternatives, the first that is
    not the GPL."""
    files = entry.get('LicenseFiles') or ([entry['LicenseFile']] if entry.get('LicenseFile') else [])
    if files:
        return [text_of(os.path.join(source, 'src', folder, f)) for f in files]
    ids = entry['LicenseId']
    if ' OR ' in ids:
        ids = next(i for i in ids.split(' OR ') if not i.startswith('GPL'))
    return [text_of(os.path.join(source, 'LICENSES', i + '.txt')) for i in re.split(r' AND | WITH ', ids.strip('()'))]


def copyright_of(entry):
    c = entry.get('Copyright', '')
    return '\n'.join(c) if isinstance(c, list) else c


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    source = sys.argv[1]
    with open(os.path.join(source, '.cmake.conf'), encoding='utf-8') as f:
        version = re.search(r'QT_REPO_MODULE_VERSION "([^"]+)"', f.read()).group(1)
    out = [f'Componentes de terceros incluidos en las bibliotecas de Qt {version}',
           '(Qt6Core.dll, Qt6Gui.dll), con sus avisos y licencias.', '',
           f'Third-party components built into the Qt {version} libraries (Qt6Core.dll,',
           'Qt6Gui.dll), with their notices and licences.', '']
    for folder, names, library in COMPONENTS:
        for entry in entries(source, folder, names):
            title = entry['Name'] + (f" {entry['Version']}" if entry.get('Version') else '')
            out += [RULE, title, f"En / In: {library}", f"Licencia / Licence: {entry['LicenseId']}"]
            out += [copyright_of(entry), '']
            for text in licences(source, folder, entry):
                out += [text, '']
    sys.stdout.write('\n'.join(out).rstrip('\n') + '\n')
    return 0


if __name__ == '__main__':
    sys.exit(main())
