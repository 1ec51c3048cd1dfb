#!/usr/bin/env python3
"""Load time and size of the web game against its floor: the same page with
no program, which shows the same controls, styles and pictures.
  web_load.py SITE_DIR FLOOR_HTML [--rounds N] [--slow]
Both pages load in turn in one headless Chromium, the cache off, each file
served gzip-compressed from memory, as a web server configured for it
serves them; --slow adds a slow mobile network's latency and throughput. A page is ready when a click on it works: the floor at its
first contentful paint, the game at that paint or when the program has
taken the panel over (it is no longer inert), whichever is later. Prints
each figure's median and quartiles, the game's over the floor's, and the
bytes each load transferred; a program to run, not a test: it fails only
if a page does not load."""
import argparse
import gzip
import http.server
import mimetypes
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))
from chromium import Quiet, session, wait_for  # noqa: E402

# What a web server is usually told to compress; pictures are compressed already.
COMPRESSED = ('.html', '.css', '.js', '.wasm')
KIB = 1024
GOAL_BYTES = 100 * KIB
GOAL_RATIO = 1.5
# Chromium's "Slow 4G" in its developer tools: 150 ms more per round trip,
# 1.6 Mbit/s down, 750 kbit/s up.
SLOW = {'offline': False, 'latency': 150, 'downloadThroughput': 1.6e6 / 8, 'uploadThroughput': 750e3 / 8}

# Run before the page's own scripts: notes when the panel stops being inert.
WATCH = """
new MutationObserver(function (records, observer) {
  const panel = document.getElementById('frmprincipal');
  if (panel && !panel.inert) {
    window.duplimoTaken = performance.now();
    observer.disconnect();
  }
}).observe(document, { subtree: true, attributes: true, attributeFilter: ['inert'] });
"""

READ = """
const paint = performance.getEntriesByName('first-contentful-paint')[0];
const navigation = performance.getEntriesByType('navigation')[0];
if (!paint || !navigation || navigation.loadEventEnd === 0) return null;
let bytes = navigation.transferSize, body = navigation.encodedBodySize;
for (const entry of performance.getEntriesByType('resource')) {
  bytes += entry.transferSize;
  body += entry.encodedBodySize;
}
return { paint: paint.startTime, load: navigation.loadEventEnd, bytes: bytes, body: body,
         taken: window.duplimoTaken === undefined ? null : window.duplimoTaken };
"""


def files_served(site, floor):
    """URL path -> (body, type, compressed) for every file of the site and the floor."""
    files = {}
    for folder, _, names in os.walk(site):
        for name in names:
            path = os.path.join(folder, name)
            files['/' + os.path.relpath(path, site).replace(os.sep, '/')] = path
    files['/floor.html'] = floor
    files['/'] = files['/index.html']
    served = {}
    for url, path in files.items():
        with open(path, 'rb') as f:
            body = f.read()
        compress = path.endswith(COMPRESSED)
        served[url] = (gzip.compress(body, 9, mtime=0) if compress else body,
                       mimetypes.guess_type(path)[0] or 'application/octet-stream', compress)
    return served


def gzip_handler(served):
    class Gzip(Quiet):
        protocol_version = 'HTTP/1.1'

        def do_GET(self):
            found = served.get(self.path.split('?')[0])
            if not found:
                self.send_error(404)
                return
            body, kind, compressed = found
            if compressed and 'gzip' not in self.headers.get('Accept-Encoding', ''):
                body, compressed = gzip.decompress(body), False
            self.send_response(200)
            self.send_header('Content-Type', kind)
            if compressed:
                self.send_header('Content-Encoding', 'gzip')
            self.send_header('Content-Length', str(len(body)))
            self.end_headers()
            self.wfile.write(body)

    return Gzip


def load(driver, url, game):
    driver.get('about:blank')
    driver.get(url)
    return wait_for('the page to be ready', lambda: (
        lambda m: m if m and (not game or m['taken'] is not None) else None)(driver.execute_script(READ)))


def ready(measure):
    return max(measure['paint'], measure['taken'] or 0)


def summary(values):
    q1, median, q3 = statistics.quantiles(values, n=4, method='inclusive')
    return median, q1, q3


def main():
    parser = argparse.ArgumentParser(description='Load time and size of the web game against its floor.')
    parser.add_argument('site')
    parser.add_argument('floor')
    parser.add_argument('--rounds', type=int, default=15)
    parser.add_argument('--slow', action='store_true', help="over a slow mobile network's latency and throughput")
    arguments = parser.parse_args()
    rounds = arguments.rounds
    served = files_served(arguments.site, arguments.floor)
    results = {'game': [], 'floor': []}
    with session(arguments.site, handler=gzip_handler(served)) as (driver, url):
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        # Each load as a first visit's: the site's service worker, which
        # would answer from its own cache, is left out.
        driver.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})
        if arguments.slow:
            driver.execute_cdp_cmd('Network.emulateNetworkConditions', SLOW)
        driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': WATCH})
        pages = {'game': url, 'floor': url + 'floor.html'}
        # A first load of each, not counted, starts what every later load finds running.
        for name in pages:
            load(driver, pages[name], name == 'game')
        for k in range(rounds):
            # Turn about, so that neither always follows the other.
            for name in (('game', 'floor') if k % 2 == 0 else ('floor', 'game')):
                results[name].append(load(driver, pages[name], name == 'game'))

    print('%d rounds, each page loaded in turn, cache off, served gzip-compressed%s'
          % (rounds, ' over a slow network' if arguments.slow else ''))
    print('%-34s %26s %26s %11s' % ('milliseconds: median [quartiles]', 'game', 'floor', 'game/floor'))
    figures = (('ready for a click', ready), ('first contentful paint', lambda m: m['paint']),
               ('program has the panel', lambda m: m['taken']), ('load event end', lambda m: m['load']))
    medians = {}
    for title, figure in figures:
        row = []
        for name in ('game', 'floor'):
            values = [figure(m) for m in results[name] if figure(m) is not None]
            if values:
                medians[(title, name)] = summary(values)[0]
                row.append('%8.1f [%6.1f, %6.1f]' % summary(values))
            else:
                row.append('-')
        ratio = ('%11.2f' % (medians[(title, 'game')] / medians[(title, 'floor')])
                 if (title, 'floor') in medians and (title, 'game') in medians else '%11s' % '-')
        print('%-34s %26s %26s %s' % (title, row[0], row[1], ratio))
    for label, key in (('bytes transferred', 'bytes'), ('bytes of bodies, compressed', 'body')):
        game, floor_bytes = (statistics.median(m[key] for m in results[n]) for n in ('game', 'floor'))
        print('%-34s %26d %26d %11.2f' % (label, game, floor_bytes, game / floor_bytes))

    print('\nthe site as served, in bytes:')
    total = 0
    for path in sorted(served):
        if path in ('/', '/floor.html'):
            continue
        body, _, compressed = served[path]
        total += len(body)
        if not path.startswith('/pictures/cards/'):
            print('  %-30s %7d%s' % (path[1:], len(body), ' gzip' if compressed else ''))
    cards = [len(served[p][0]) for p in served if p.startswith('/pictures/cards/')]
    print('  %-30s %7d' % ('pictures/cards/ (%d files)' % len(cards), sum(cards)))
    print('  %-30s %7d (%.1f KiB)' % ('total', total, total / KIB))

    ratio = medians[('ready for a click', 'game')] / medians[('ready for a click', 'floor')]
    print('\ngoals: site under %d KiB: %s; game ready within %.1fx the floor: %s (%.2fx)'
          % (GOAL_BYTES // KIB, 'met' if total < GOAL_BYTES else 'MISSED', GOAL_RATIO,
             'met' if ratio <= GOAL_RATIO else 'MISSED', ratio))


if __name__ == '__main__':
    main()
