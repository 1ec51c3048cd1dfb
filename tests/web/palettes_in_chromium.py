#!/usr/bin/env python3
"""Measures the page's look on Chromium's screenshots, in the light and
dark palettes and forced colours, 800 px wide at 100 % and 200 % and on a
360 px wide phone: texts read by 4.5:1, the counters' digits by 3:1, the
edges of cards, buttons and text boxes stand out by 3:1 and so do the card
pictures' outlines and the focus mark; the window fits the viewport, a tap on a shrunken card
turns it, and a box hides no turned card. With DOCS_DIR, keeps the
screenshots there. Usage: palettes_in_chromium.py SITE_DIR [DOCS_DIR]"""
import base64
import collections
import os
import struct
import sys
import zlib

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from chromium import session, wait_for

SIZES = {'100': (800, 600, 1), '200': (800, 600, 2), '360': (360, 640, 1)}
PALETTES = {'light': [('prefers-color-scheme', 'light')], 'dark': [('prefers-color-scheme', 'dark')],
            'forced': [('prefers-color-scheme', 'dark'), ('forced-colors', 'active')],
            'forced-light': [('prefers-color-scheme', 'light'), ('forced-colors', 'active')]}
DOCS = ('light', 'dark', 'forced')


def pixels(png):
    """The rows of an 8-bit RGB or RGBA PNG, as (r, g, b) tuples."""
    pos, data = 8, b''
    while pos < len(png):
        size, kind = struct.unpack('>I4s', png[pos:pos + 8])
        if kind == b'IHDR':
            width, height, depth, colour = struct.unpack('>IIBB', png[pos + 8:pos + 18])
            assert depth == 8 and colour in (2, 6), (depth, colour)
        elif kind == b'IDAT':
            data += png[pos + 8:pos + 8 + size]
        pos += 12 + size
    raw, n = zlib.decompress(data), 3 if colour == 2 else 4
    stride, rows, prev = width * n, [], bytearray(width * n)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        if kind == 2:
            line = bytearray((a + b) & 255 for a, b in zip(line, prev))
        elif kind:
            for i in range(stride):
                a, b, c = line[i - n] if i >= n else 0, prev[i], prev[i - n] if i >= n else 0
                if kind == 1:
                    line[i] = (line[i] + a) & 255
                elif kind == 3:
                    line[i] = (line[i] + (a + b) // 2) & 255
                else:
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append([tuple(line[x:x + 3]) for x in range(0, stride, n)])
        prev = line
    return rows


def contrast(a, b):
    """WCAG 2's contrast ratio."""
    def luminance(c):
        v = [x / 255 / 12.92 if x <= 10 else ((x / 255 + 0.055) / 1.055) ** 2.4 for x in c]
        return 0.2126 * v[0] + 0.7152 * v[1] + 0.0722 * v[2]
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def region(shot, rect, inset=0):
    """The pixels of a rectangle in CSS pixels, as rows, inset device pixels in."""
    x0, y0, x1, y1 = (round(v) for v in rect)
    return [row[x0 + inset:x1 - inset] for row in shot[y0 + inset:y1 - inset]]


def text_ratio(area):
    """A text as drawn: the strongest pixel against the commonest colour."""
    counts = collections.Counter(p for row in area for p in row)
    background = counts.most_common(1)[0][0]
    return max(contrast(p, background) for p in counts)


def edge_ratio(shot, rect):
    """The least contrast, along a control's sides (corners left out), of
    its strongest pixel across the edge against the commonest colour just
    outside that side."""
    x0, y0, x1, y1 = (round(v) for v in rect)
    least = 21
    xs, ys = range(x0 + 3, x1 - 3), range(y0 + 3, y1 - 3)
    for out, band in ((y0 - 3, range(y0 - 1, y0 + 2)), (y1 + 2, range(y1 - 2, y1 + 1))):
        around = collections.Counter(shot[out][x] for x in xs).most_common(1)[0][0]
        least = min([least] + [max(contrast(shot[y][x], around) for y in band) for x in xs])
    for out, band in ((x0 - 3, range(x0 - 1, x0 + 2)), (x1 + 2, range(x1 - 2, x1 + 1))):
        around = collections.Counter(shot[y][out] for y in ys).most_common(1)[0][0]
        least = min([least] + [max(contrast(shot[y][x], around) for x in band) for y in ys])
    return least


def outline_share(shot, card, picture, reach):
    """The share of a picture's edge that stands out from the card under it
    by 3:1, counting a pixel up to reach steps inside the edge."""
    background = collections.Counter(p for row in region(shot, card, 2 * reach) for p in row).most_common(1)[0][0]
    area = region(shot, picture)
    h, w = len(area), len(area[0])
    inside = {(x, y) for y in range(h) for x in range(w) if area[y][x] != background}
    edge = [(x, y) for x, y in inside if not {(x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)} <= inside]
    standing = sum(any((x + dx, y + dy) in inside and contrast(area[y + dy][x + dx], background) >= 3
                       for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1)
                       if abs(dx) + abs(dy) <= reach)
                   for x, y in edge)
    return standing / len(edge)


def mark_share(shot, marked, unmarked):
    """The share of a focus mark's pixels, where a focused control differs
    from a like one without the focus, that stand out by 3:1."""
    changed = [(p, q) for a, b in zip(region(shot, marked), region(shot, unmarked)) for p, q in zip(a, b) if p != q]
    return sum(contrast(p, q) >= 3 for p, q in changed) / max(len(changed), 1) if len(changed) > 40 else 0


def main():
    site, docs = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None
    with session(site) as (driver, url):
        cdp, js = driver.execute_cdp_cmd, driver.execute_script

        def resize(name):
            width, height, scale = SIZES[name]
            cdp('Emulation.setDeviceMetricsOverride',
                {'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': name == '360'})
            wait_for('the new size', lambda: js('return document.documentElement.clientWidth') == width)
            driver.execute_async_script('requestAnimationFrame(() => requestAnimationFrame(arguments[0]))')

        def rect(element_id, inner=''):
            return js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                      "return [r.left, r.top, r.right, r.bottom]", '#' + element_id + inner)

        def shoot(palette):
            cdp('Emulation.setEmulatedMedia', {'features': [{'name': n, 'value': v} for n, v in PALETTES[palette]]})
            return base64.b64decode(cdp('Page.captureScreenshot', {'format': 'png'})['data'])

        def clear(name, margin=0):
            """Whether the box leaves the control in view."""
            r, b = rect(name), rect('box')
            return b[2] + margin <= r[0] or b[0] >= r[2] + margin or b[3] + margin <= r[1] or b[1] >= r[3] + margin

        # Start by the keyboard: the first card's focus mark, against the
        # second card, in every palette.
        driver.get(url)
        resize('100')
        wait_for('the program', lambda: js('return document.activeElement.id') == 'btniniciar')
        ActionChains(driver).key_down(Keys.ALT).send_keys('i').key_up(Keys.ALT).perform()
        wait_for('the deal', lambda: js('return document.activeElement.id') == 'btnsuperior_0')
        failures = []
        least = collections.defaultdict(lambda: [21, 21, 21, 1, 1])  # texts, digits, edges, outlines, focus
        for palette in PALETTES:
            share = least[palette][4] = mark_share(pixels(shoot(palette)), rect('btnsuperior_0'), rect('btnsuperior_1'))
            if share < 0.9:
                failures.append('the focus mark in %s: %.2f' % (palette, share))

        # On the phone: a tap on a back, a click on another: both faces
        # shown while the box says the miss.
        cdp('Emulation.setTouchEmulationEnabled', {'enabled': True})
        resize('360')
        key = ("const b = document.getElementById('btnsuperior_' + arguments[0]);"
               "b.dispatchEvent(new MouseEvent('mousemove', {bubbles: true, shiftKey: true}));"
               "return document.getElementById('Label5').textContent")
        other = next(c for c in range(1, 60) if js(key, c) != js(key, 0))
        left, top, right, bottom = rect('btnsuperior_0')
        for kind in ('touchStart', 'touchEnd'):
            cdp('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': [] if kind == 'touchEnd' else
                                             [{'x': (left + right) / 2, 'y': (top + bottom) / 2}]})
        wait_for('the tapped card', lambda: js("return !document.getElementById('btnimagen_0').hidden"), seconds=2)
        resize('100')
        driver.find_element('id', 'btnsuperior_%d' % other).click()
        wait_for('the box', lambda: js("return document.getElementById('box').open"))
        faces = ['btnimagen_0', 'btnimagen_%d' % other]

        for size in ('100', '360', '200'):
            resize(size)
            scale = SIZES[size][2]
            desk = rect('frmprincipal')
            assert js('return [innerWidth, document.documentElement.scrollWidth]') == [SIZES[size][0]] * 2, \
                'zoomed out or scrolling sideways at ' + size
            assert desk[0] >= 0 and desk[2] <= SIZES[size][0] and desk[3] <= SIZES[size][1], (size, desk)
            assert size == '360' or desk[2] - desk[0] == 592, 'shrunk though it fits: %s' % desk
            box = rect('box')
            assert all(clear(face) for face in faces), 'the box hides a turned card at ' + size
            assert box[0] >= 0 and box[2] <= SIZES[size][0] and box[3] <= SIZES[size][1], 'the box is off at ' + size
            for palette in PALETTES:
                png = shoot(palette)
                if docs and palette in DOCS:
                    with open(os.path.join(docs, 'web-%s-%s.png' % (palette, size)), 'wb') as out:
                        out.write(png)
                shot = pixels(png)

                def dev(r):
                    return [v * scale for v in r]
                measured = least[palette]
                window = collections.Counter(p for row in region(shot, dev(desk)) for p in row).most_common(1)[0][0]
                if (contrast(window, (0, 0, 0)) < contrast(window, (255, 255, 255))) == ('light' in palette):
                    failures.append('the window in %s at %s is %s' % (palette, size, window))

                def check(what, value, minimum, slot):
                    measured[slot] = min(measured[slot], value)
                    if value < minimum:
                        failures.append('%s in %s at %s: %.2f' % (what, palette, size, value))

                texts = [('Frame2', ' > legend'), ('Frame3', ' > legend'), ('box-text', ''), ('Label1', ''),
                         ('Label2', ''), ('Label3', ''), ('btndetener', ' .caption'), ('btnsalir', ' .caption')]
                for name, inner in texts:
                    check(name + inner, text_ratio(region(shot, dev(rect(name, inner)))), 4.5, 0)
                check('box button', text_ratio(region(shot, dev(rect('box-ok')), 3 * scale)), 4.5, 0)
                for name in ('txtacertados', 'txtfallados', 'txttiempo'):
                    check(name, text_ratio(region(shot, dev(rect(name)), 2 * scale)), 3, 1)
                controls = ['btnsuperior_%d' % c for c in range(60) if c not in (0, other)] + faces
                controls += ['btniniciar', 'btndetener', 'btnsalir', 'txtacertados', 'txtfallados', 'txttiempo']
                for name in [c for c in controls if clear(c, 4)] + ['box-ok']:
                    check(name + "'s edge", edge_ratio(shot, dev(rect(name))), 3, 2)
                # Shrunk on the phone, the art loses some of its pixels.
                for face in faces if size != '360' else ():
                    share = outline_share(shot, dev(rect(face)), dev(rect(face, ' img')), 2 * scale)
                    check(face + "'s picture", share, 0.85, 3)

        # Every card picture, twice over, on the cards of every palette.
        resize('100')
        js("for (let i = 0; i < 60; ++i) {"
           "  document.getElementById('btnsuperior_' + i).hidden = true;"
           "  const face = document.getElementById('btnimagen_' + i);"
           "  face.hidden = false;"
           "  face.querySelector('img').src = 'pictures/cards/' + String(i % 30 + 1).padStart(2, '0') + '.png';"
           "}")
        for palette in PALETTES:
            shot = pixels(shoot(palette))
            for i in range(60):
                face = 'btnimagen_%d' % i
                if clear(face, 4):
                    share = outline_share(shot, rect(face), rect(face, ' img'), 2)
                    least[palette][3] = min(least[palette][3], share)
                    if share < 0.85:
                        failures.append('picture %d in %s: %.2f' % (i % 30 + 1, palette, share))
    print('%-13s %6s %7s %6s %9s %6s' % ('palette', 'texts', 'digits', 'edges', 'outlines', 'focus'))
    for palette, (texts, digits, edges, outlines, focus) in least.items():
        print('%-13s %5.2f:1 %5.2f:1 %5.2f:1 %8.0f%% %5.0f%%'
              % (palette, texts, digits, edges, 100 * outlines, 100 * focus))
    assert not failures, '\n'.join(failures)


if __name__ == '__main__':
    main()
