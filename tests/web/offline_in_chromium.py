#!/usr/bin/env python3
"""Checks that the web build installs, plays offline and asks nothing of
another origin: the served page has its policy and nothing inline;
Chromium finds it installable; once its service worker controls it, it
reloads with the server stopped and the network cut, and plays. Served
from a folder below the root. Usage: offline_in_chromium.py SITE_DIR"""
import json
import os
import re
import sys
import urllib.parse
import urllib.request

from selenium.webdriver.common.by import By

from chromium import serve, session, wait_for


def main():
    site = os.path.abspath(sys.argv[1])
    server = serve(os.path.dirname(site))
    with session(site, server=server, network_log=True) as (driver, root):
        url = root + os.path.basename(site) + '/'
        page = urllib.request.urlopen(url).read().decode()
        inline = re.findall(r'<style|<script(?![^>]* src=)|\s(?:style|on\w+)=', page)
        policy = re.search(r'<meta http-equiv="Content-Security-Policy" content="([^"]*)">', page)
        assert not inline and policy and "default-src 'none'" in policy[1] and not re.search(
            "'unsafe-(inline|eval)'", policy[1]), (inline, policy and policy[1])

        js = driver.execute_script
        driver.get(url)
        wait_for('the service worker', lambda: js('return !!navigator.serviceWorker.controller'))
        errors = driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors']
        assert not errors, errors

        # No server, no network, nothing in the HTTP cache.
        server.shutdown()
        server.server_close()
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.clearBrowserCache', {})
        driver.execute_cdp_cmd('Network.emulateNetworkConditions',
                               {'offline': True, 'latency': 0, 'downloadThroughput': -1, 'uploadThroughput': -1})
        driver.refresh()
        wait_for('the program', lambda: js('return document.activeElement.id') == 'btniniciar')
        driver.find_element(By.ID, 'btniniciar').click()
        driver.find_element(By.ID, 'btnsuperior_0').click()
        wait_for('the picture', lambda: js("const img = document.querySelector('#btnimagen_0 img');"
                                           "return img.complete && img.naturalWidth === 32"))
        wait_for('a tick', lambda: driver.find_element(By.ID, 'txttiempo').get_attribute('value') not in ('', '0'),
                 seconds=3)

        events = [json.loads(entry['message'])['message'] for entry in driver.get_log('performance')]
        requested = [e['params']['request']['url'] for e in events if e['method'] == 'Network.requestWillBeSent']
        requested = requested[requested.index(url):]  # before, the new tab's
        away = [r for r in requested if urllib.parse.urlsplit(r)[:2] != urllib.parse.urlsplit(url)[:2]]
        assert url + 'pictures/icono_192.png' in requested and not away, 'requests off the site: %s' % away
    print('played offline in Chromium, asking no other origin')


if __name__ == '__main__':
    main()
