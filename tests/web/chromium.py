"""What the browser checks share: the site served on a free local port,
headless Chromium driven through its driver, waiting, and a console that
must stay quiet."""
import contextlib
import functools
import http.server
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder, handler=Quiet):
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def wait_for(what, condition, seconds=10):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError('timed out waiting for ' + what)
        time.sleep(0.05)


@contextlib.contextmanager
def session(site, width=800, height=600, flags=(), server=None, network_log=False, handler=Quiet):
    """Yields (driver, url) for SITE in a fresh profile; fails if the console
    reported an error or a warning meanwhile. SERVER, if given, serves
    instead of one of the session's own (served by HANDLER), the url its root; with NETWORK_LOG,
    driver.get_log('performance') holds Chromium's network events."""
    server = server or serve(site, handler)
    profile = tempfile.mkdtemp(prefix='duplimo-chromium-')
    options = webdriver.ChromeOptions()
    options.binary_location = os.environ.get('DUPLIMO_CHROMIUM') or shutil.which('chromium')
    for flag in ('--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                 '--disable-component-update', '--disable-sync', '--user-data-dir=' + profile,
                 '--window-size=%d,%d' % (width, height), '--lang=es', *flags):
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL', **({'performance': 'ALL'} if network_log else {})})
    driver = webdriver.Chrome(service=Service(os.environ.get('DUPLIMO_CHROMEDRIVER') or shutil.which('chromedriver')),
                              options=options)
    try:
        try:
            yield driver, 'http://127.0.0.1:%d/' % server.server_port
        except Exception:
            for entry in driver.get_log('browser'):
                print('console:', entry['message'], file=sys.stderr)
            raise
        problems = [entry['message'] for entry in driver.get_log('browser') if entry['level'] in ('SEVERE', 'WARNING')]
        assert not problems, 'the console reported: %s' % problems
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
