#!/usr/bin/env python3
"""Plays a short game of the web build in headless Chromium and checks the
page: Start, a miss and a pair answered, Pause and Continue, the clock
running through an open box, Exit refused, then Exit accepted, which ends
the program. In each state on the way, Chromium's accessibility tree is
checked against ax_trees.txt and axe-core audits the page; what is said
is said once. Usage: play_in_chromium.py SITE_DIR AXE_MIN_JS [SCREENSHOT.png]
(DUPLIMO_A11Y_DUMPS: a folder for the trees seen)"""
import functools
import os
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from access import Checker, expected_trees
from chromium import session, wait_for

TITLE = 'KAVREL Soluciones - Duplimo'


def main():
    with session(sys.argv[1]) as (driver, url):
        trees = expected_trees(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'ax_trees.txt'))
        access = Checker(driver, trees, sys.argv[2], {'TITLE': TITLE}, os.environ.get('DUPLIMO_A11Y_DUMPS'))
        play(driver, url, access, sys.argv[3] if len(sys.argv) > 3 else None)
    print('played a short game in Chromium; axe-core:\n' + '\n'.join(access.summary))


def play(driver, url, access, shot):
    driver.get(url)
    by_id = functools.partial(driver.find_element, By.ID)
    js = driver.execute_script
    # The page is the window before any script: every control in place.
    assert driver.title == TITLE
    assert js('return document.documentElement.lang') == 'es'
    assert len(driver.find_elements(By.CSS_SELECTOR, '#frmprincipal .card')) == 120
    assert by_id('frmprincipal').size == {'width': 592, 'height': 440}
    wait_for('the program', lambda: js('return document.activeElement.id') == 'btniniciar')
    assert not js("return document.getElementById('frmprincipal').inert")
    assert not by_id('btndetener').is_enabled()
    # What is said, line by line, and in which live region: the box's while
    # one is open, the page behind it being out of the tree.
    js("window.told = []; for (const id of ['said', 'box-said']) new MutationObserver(function (changes) {"
       "  for (const c of changes) for (const n of c.addedNodes) told.push(id + ': ' + n.textContent); })"
       ".observe(document.getElementById(id), {childList: true})")
    access.check('idle')

    def text(name):
        return by_id(name).get_attribute('value')

    def box():
        return js("const b = document.getElementById('box'); return b.open ? "
                  "[b.getAttribute('role'), b.querySelector('#box-title').textContent, b.querySelector('#box-text').textContent, "
                  "b.querySelector('img').complete && b.querySelector('img').naturalWidth ? "
                  "b.querySelector('img').src.split('/').pop() : 'no icon'] : null")

    def answer(button):
        by_id(button).click()
        wait_for('the box to close', lambda: box() is None)

    def alt(letter):
        ActionChains(driver).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()

    # Start, by its access key, deals: the board takes the keyboard,
    # counters at 0, the clock runs.
    alt('i')
    wait_for('the deal', lambda: text('txtacertados') == '0')
    assert js('return document.activeElement.id') == 'btnsuperior_0'
    assert not by_id('btniniciar').is_enabled() and by_id('btndetener').is_enabled()
    wait_for('a tick', lambda: text('txttiempo') not in ('', '0'), seconds=3)
    access.check('dealt')

    # The pair keys, as the peek shows them with Shift held over each back.
    keys = {}
    ActionChains(driver).key_down(Keys.SHIFT).perform()
    for cell in range(60):
        ActionChains(driver).move_to_element(by_id('btnsuperior_%d' % cell)).perform()
        keys[cell] = js("return document.getElementById('Label5').textContent")
    ActionChains(driver).key_up(Keys.SHIFT).perform()
    ActionChains(driver).move_to_element(by_id('btnsuperior_0')).perform()
    assert js("return document.getElementById('Label5').textContent") == '', 'the peek without Shift'
    assert all(keys.values()), keys
    partner = next(c for c in range(1, 60) if keys[c] == keys[0])
    stranger = next(c for c in range(1, 60) if keys[c] != keys[0])

    # A miss: both faces shown while the box asks; the clock goes on
    # meanwhile. The card turned last is said as the box opens.
    by_id('btnsuperior_%d' % stranger).click()
    assert by_id('btnimagen_%d' % stranger).is_displayed() and not by_id('btnsuperior_%d' % stranger).is_displayed()
    turned = by_id('btnimagen_%d' % stranger).get_attribute('aria-label')
    access.check('a card turned', CELL=stranger, NEXT=stranger + 2, CARD=turned)
    by_id('btnsuperior_0').click()
    assert wait_for('the result', lambda: (box() or [''])[-1] != 'no icon' and box()) == [
        'alertdialog', 'RESULTADO', 'Incorrecto', 'warning.svg']
    last = by_id('btnimagen_0').get_attribute('aria-label')
    wait_for('the card said', lambda: js('return told') == ['box-said: ' + last])
    access.check('the result')
    ticks = text('txttiempo')
    wait_for('a tick behind the box', lambda: text('txttiempo') != ticks, seconds=3)
    other = next(c for c in range(1, 60) if c not in (partner, stranger))
    ActionChains(driver).move_to_element(by_id('btnsuperior_%d' % other)).click().perform()  # behind the box
    if shot:
        driver.save_screenshot(shot)
    answer('box-ok')
    assert text('txtfallados') == '1'
    assert by_id('btnsuperior_0').is_displayed() and by_id('btnsuperior_%d' % stranger).is_displayed()
    assert by_id('btnsuperior_%d' % other).is_displayed(), 'a click behind the box reached the board'
    assert js('return document.activeElement.id') == 'btnsuperior_0'
    wait_for('the score said', lambda: js('return told')[1:] == ['said: Fallados 1'])

    # A pair, by the keyboard: Space on the focused back, arrows between.
    by_id('btnsuperior_0').send_keys(Keys.SPACE)
    by_id('btnsuperior_%d' % partner).click()
    assert wait_for('the result', box)[2] == 'Correcto'
    paired = by_id('btnimagen_%d' % partner).get_attribute('aria-label')
    wait_for('the card said', lambda: js('return told')[2:] == ['box-said: ' + paired])
    answer('box-ok')
    assert text('txtacertados') == '1'
    wait_for('the score said', lambda: js('return told')[3:] == ['said: Acertados 1'])
    assert not by_id('btnsuperior_0').is_displayed() and not by_id('btnimagen_0').is_displayed()
    focused = js('return document.activeElement.id')
    assert focused.startswith('btnsuperior_'), focused
    # The arrows from a back whose neighbours below and to the right are
    # still on the board.
    gone = (0, partner)
    cell = next(c for c in range(50) if c % 10 < 9 and not {c, c + 1, c + 10} & set(gone))
    js("document.getElementById('btnsuperior_%d').focus()" % cell)
    by_id('btnsuperior_%d' % cell).send_keys(Keys.ARROW_DOWN)
    assert js('return document.activeElement.id') == 'btnsuperior_%d' % (cell + 10)
    by_id('btnsuperior_%d' % (cell + 10)).send_keys(Keys.ARROW_UP, Keys.ARROW_RIGHT)
    assert js('return document.activeElement.id') == 'btnsuperior_%d' % (cell + 1)

    # Pause by its access key: the clock and the board stop; Continue.
    alt('t')
    wait_for('the pause', lambda: by_id('btndetener').text == 'Continuar')
    access.check('paused', CELL=partner, NEXT=partner + 2)
    assert not by_id('btnsuperior_%d' % partner).is_enabled() if by_id('btnsuperior_%d' % partner).is_displayed() else True
    paused_at = text('txttiempo')
    time.sleep(1.5)
    assert text('txttiempo') == paused_at
    # Continue by Option+T on a Mac, where the key types a dagger.
    js("document.activeElement.dispatchEvent(new KeyboardEvent('keydown', "
       "{key: '\u2020', code: 'KeyT', altKey: true, bubbles: true}))")
    wait_for('the game again', lambda: by_id('btndetener').text == 'Detener')
    assert js("return document.querySelector('#btndetener u').textContent") == 't'
    wait_for('pause and continue said', lambda: js('return told')[4:] == ['said: Continuar', 'said: Detener'])

    # Leaving the page while a game runs would ask.
    assert js('return Module._duplimo_playing()') == 1

    # Exit: No, or Escape, keeps everything, the keyboard back on Exit;
    # Yes ends the program.
    by_id('btnsalir').click()
    assert wait_for('the question', lambda: (box() or [''])[-1] != 'no icon' and box()) == [
        'alertdialog', 'CONFIRMAR', '¿Desea terminar el programa?', 'question.svg']
    access.check('the close question')
    answer('box-no')
    assert by_id('frmprincipal').is_displayed()
    alt('l')
    wait_for('the question', box)
    ActionChains(driver).send_keys(Keys.ESCAPE).perform()
    wait_for('the box to close', lambda: box() is None)
    assert by_id('frmprincipal').is_displayed() and by_id('btndetener').is_enabled()
    assert js('return document.activeElement.id') == 'btnsalir'
    by_id('btnsalir').click()
    wait_for('the question', box)
    answer('box-yes')
    wait_for('the end', lambda: by_id('ended').is_displayed())
    assert not by_id('frmprincipal').is_displayed()
    assert 'terminado' in by_id('ended').text
    wait_for('the end said', lambda: js('return told')[-1] == 'said: ' + by_id('ended').text)
    access.check('ended')
    stopped = text('txttiempo')
    time.sleep(1.5)
    assert text('txttiempo') == stopped


if __name__ == '__main__':
    main()
