#!/usr/bin/env python3
# Writes Duplimo's pictures (designs.py) as PNGs and raw pixels, the window
# icon as ICO and SVG, the Spanish picture names and the Qt resource file.

import argparse
import filecmp
import os
import struct
import sys
import tempfile
import zlib

sys.dont_write_bytecode = True  # nothing written beside the sources
from designs import BUTTONS, CARDS, COLOURS  # noqa: E402

# Palette index 0 is the transparent entry, then the colours in the order
# designs.py lists them.
INDEX = {'.': 0, **{ch: i + 1 for i, ch in enumerate(COLOURS)}}

# The menu icon at the sizes desktops and software centres ask for, each a
# whole multiple of the 16 or the 32 pixel design: (size, design, factor).
ICON_SIZES = [(16, 16, 1), (32, 32, 1), (48, 16, 3), (64, 32, 2), (128, 32, 4), (256, 32, 8)]
# And the sizes a web app manifest names for the installed site.
WEB_ICON_SIZES = [(192, 32, 6), (512, 32, 16)]

# The installer's sidebar, 164 by 314 pixels at 96 dpi, drawn for each
# display scaling a player may have, each a whole multiple of the designs:
# (dpi, factor of the icon, factor of the cards under it).
SIDEBAR = (164, 314)
SIDEBAR_SCALES = [(96, 4, 2), (120, 5, 2), (144, 6, 3), (192, 8, 4)]
SIDEBAR_CARDS = ['manzana', 'gato', 'barco', 'estrella']
SIDEBAR_BACKGROUND = 'n'


def grid(text, size):
    rows = text.split()
    if len(rows) != size or any(len(r) != size for r in rows):
        raise ValueError(f'picture is not {size}x{size}')
    for r in rows:
        for ch in r:
            if ch not in INDEX:
                raise ValueError(f'unknown colour {ch!r}')
    return rows


def outlined(rows):
    """The picture with a white outline just outside its own, on every
    transparent pixel that touches it, across corners too: its dark outline
    then stands out from a dark background as well as from a light one."""
    height, width = len(rows), len(rows[0])
    out = [list(r) for r in rows]
    for y in range(height):
        for x in range(width):
            if rows[y][x] == '.' and any(rows[y + dy][x + dx] != '.'
                                         for dy in (-1, 0, 1) for dx in (-1, 0, 1)
                                         if 0 <= y + dy < height and 0 <= x + dx < width):
                out[y][x] = 'w'
    return [''.join(r) for r in out]


def chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body))


def png(rows):
    """8-bit palette PNG; entry 0 is fully transparent."""
    width, height = len(rows[0]), len(rows)
    plte = bytes([0, 0, 0]) + b''.join(bytes(c) for c in COLOURS.values())
    raw = b''.join(b'\0' + bytes(INDEX[ch] for ch in r) for r in rows)
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 3, 0, 0, 0))
            + chunk(b'PLTE', plte)
            + chunk(b'tRNS', b'\0')
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def pix(rows):
    """Uncompressed indexed pixels that the program reads in place: width,
    height, palette size, the palette as RGBA, then one index per pixel."""
    palette = [(0, 0, 0, 0)] + [(*c, 255) for c in COLOURS.values()]
    head = bytes([len(rows[0]), len(rows), len(palette)]) + b''.join(bytes(c) for c in palette)
    return head + b''.join(bytes(INDEX[ch] for ch in r) for r in rows)


def scaled(rows, factor):
    """Each pixel as a square of factor x factor pixels."""
    return [''.join(ch * factor for ch in r) for r in rows for _ in range(factor)]


def ico(images):
    """A Windows icon: 32-bit pictures with a transparency mask, PNG from
    256 pixels up, as Windows takes them."""
    entries = []
    for rows in images:
        width, height = len(rows[0]), len(rows)
        if width >= 256:
            entries.append((width, height, png(rows)))
            continue
        colours = {ch: (0, 0, 0, 0) if ch == '.' else (*COLOURS[ch], 255) for r in rows for ch in r}
        pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in map(colours.get, row))
        stride = (width + 31) // 32 * 4
        mask = b''
        for row in reversed(rows):
            bits = 0
            for ch in row:
                bits = bits << 1 | (ch == '.')
            bits <<= stride * 8 - width
            mask += bits.to_bytes(stride, 'big')
        header = struct.pack('<IiiHHIIiiII', 40, width, 2 * height, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
        entries.append((width, height, header + pixels + mask))
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for width, height, data in entries:
        out += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _w, _h, data in entries)


def svg(rows):
    """The pixels as one path per colour, a rectangle per run along a row,
    drawn with crisp edges so that whole multiples stay sharp."""
    runs = {}
    for y, r in enumerate(rows):
        x = 0
        while x < len(r):
            end = x
            while end < len(r) and r[end] == r[x]:
                end += 1
            if r[x] != '.':
                runs.setdefault(r[x], []).append(f'M{x} {y}h{end - x}v1h-{end - x}z')
            x = end
    width, height = len(rows[0]), len(rows)
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
             f'viewBox="0 0 {width} {height}" shape-rendering="crispEdges">']
    for ch in COLOURS:
        if ch in runs:
            lines.append(f'<path fill="#{"".join(f"{c:02x}" for c in COLOURS[ch])}" d="{"".join(runs[ch])}"/>')
    lines.append('</svg>')
    return ('\n'.join(lines) + '\n').encode()


def bmp(rows):
    """A Windows bitmap as NSIS shows its pictures: the 16 colours, four
    bits a pixel, no transparency."""
    width, height = len(rows[0]), len(rows)
    stride = (width + 7) // 8 * 4
    index = {ch: i for i, ch in enumerate(COLOURS)}
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in COLOURS.values())
    pixels = b''
    for r in reversed(rows):
        nibbles = [index[ch] for ch in r] + [0] * (width % 2)
        pixels += bytes(hi << 4 | lo for hi, lo in zip(nibbles[::2], nibbles[1::2])).ljust(stride, b'\0')
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(pixels), 3780, 3780, 16, 16)
    offset = 14 + len(info) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + palette + pixels


def sidebar(icon, cards, icon_times, card_times, dpi):
    """The icon large, over two rows of two cards, on the background."""
    width, height = (round(n * dpi / 96) for n in SIDEBAR)
    canvas = [[SIDEBAR_BACKGROUND] * width for _ in range(height)]

    def put(rows, left, top, times):
        for y, r in enumerate(scaled(rows, times)):
            for x, ch in enumerate(r):
                if ch != '.':
                    canvas[top + y][left + x] = ch

    icon_size, card_size = 32 * icon_times, 32 * card_times
    gap = (width - 2 * card_size) // 3
    top = (height - icon_size - 2 * card_size - 2 * gap) // 3
    put(icon, (width - icon_size) // 2, top, icon_times)
    for n, card in enumerate(cards):
        put(card, gap + (n % 2) * (card_size + gap), top + icon_size + gap + (n // 2) * (card_size + gap), card_times)
    return [''.join(r) for r in canvas]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as f:
        f.write(data)


def sheet(pictures, scale, columns=10, gap=4):
    """All pictures on silver, scaled by pixel repetition, laid out row by row."""
    cell = 32 * scale + gap
    lines = -(-len(pictures) // columns)
    width, height = columns * cell + gap, lines * cell + gap
    canvas = [['s'] * width for _ in range(height)]
    for i, rows in enumerate(pictures):
        pad = (32 - len(rows)) * scale // 2
        left = gap + (i % columns) * cell + pad
        top = gap + (i // columns) * cell + pad
        for y, r in enumerate(rows):
            for x, ch in enumerate(r):
                if ch == '.':
                    continue
                for dy in range(scale):
                    line = canvas[top + y * scale + dy]
                    line[left + x * scale:left + (x + 1) * scale] = ch * scale
    return png([''.join(r) for r in canvas])


def main():
    parser = argparse.ArgumentParser(description='Write the pictures of Duplimo.')
    parser.add_argument('--out', default=os.path.dirname(os.path.abspath(__file__)),
                        help='folder to write into (default: beside this script)')
    parser.add_argument('--sheet', metavar='PATH', help='also write a 4x contact sheet')
    parser.add_argument('--sheet1', metavar='PATH', help='also write a 1x contact sheet')
    parser.add_argument('--check', action='store_true',
                        help='write nothing; fail unless the files in --out are what this script writes')
    args = parser.parse_args()
    if args.check:
        with tempfile.TemporaryDirectory() as fresh:
            write_all(fresh, None, None)
            differ = [rel for rel in sorted(written(fresh))
                      if not os.path.isfile(os.path.join(args.out, rel))
                      or not filecmp.cmp(os.path.join(fresh, rel), os.path.join(args.out, rel), shallow=False)]
        for rel in differ:
            print(f'{rel} is not what make_pictures.py writes', file=sys.stderr)
        return 1 if differ else 0
    write_all(args.out, args.sheet, args.sheet1)
    return 0


def written(folder):
    """Every file under folder, relative to it."""
    return [os.path.relpath(os.path.join(top, name), folder)
            for top, _dirs, names in os.walk(folder) for name in names]


def write_all(out, sheet4, sheet1):
    files = []  # (alias, path relative to out, rows)
    for n, (slug, _name, text) in enumerate(CARDS, 1):
        files.append((f'card{n:02}', f'cards/{n:02}_{slug}', outlined(grid(text, 32))))
    for name, big, small in BUTTONS:
        files.append((f'{name}_32', f'{name}_32', outlined(grid(big, 32))))
        files.append((f'{name}_16', f'{name}_16', outlined(grid(small, 16))))

    # PNGs to look at and to install; .pix files for the program to use.
    for _alias, rel, rows in files:
        write(os.path.join(out, rel + '.png'), png(rows))
        write(os.path.join(out, 'pixels', os.path.basename(rel) + '.pix'), pix(rows))

    # The menu icon to install: the sizes that are not a button's, the web
    # site's, and a scalable one from the 32 pixel design.
    icon = {alias: rows for alias, _rel, rows in files}
    icon = {32: icon['icono_32'], 16: icon['icono_16']}
    for size, design, factor in ICON_SIZES + WEB_ICON_SIZES:
        if factor > 1:
            write(os.path.join(out, f'icono_{size}.png'), png(scaled(icon[design], factor)))
    write(os.path.join(out, 'icono.svg'), svg(icon[32]))
    # The program's icon on Windows, and the installer's sidebars.
    write(os.path.join(out, 'icono.ico'),
          ico([icon[16], icon[32], scaled(icon[16], 3), scaled(icon[32], 8)]))
    cards = {rel.split('_', 1)[1]: rows for _alias, rel, rows in files if rel.startswith('cards/')}
    for dpi, icon_times, card_times in SIDEBAR_SCALES:
        write(os.path.join(out, f'asistente_{dpi}.bmp'),
              bmp(sidebar(icon[32], [cards[slug] for slug in SIDEBAR_CARDS], icon_times, card_times, dpi)))

    names = ['// Generated by make_pictures.py; do not edit.']
    names += [f'u"{name}",' for _slug, name, _text in CARDS]
    write(os.path.join(out, 'card_names.inc'), ('\n'.join(names) + '\n').encode())

    qrc = ['<!DOCTYPE RCC>', '<RCC version="1.0">', '<qresource prefix="/">']
    qrc += [f'    <file alias="{alias}">pixels/{os.path.basename(rel)}.pix</file>' for alias, rel, _rows in files]
    qrc += ['</qresource>', '</RCC>']
    write(os.path.join(out, 'pictures.qrc'), ('\n'.join(qrc) + '\n').encode())

    pictures = [rows for _alias, _rel, rows in files]
    if sheet4:
        write(os.path.abspath(sheet4), sheet(pictures, 4))
    if sheet1:
        write(os.path.abspath(sheet1), sheet(pictures, 1))


if __name__ == '__main__':
    sys.exit(main())
