#!/usr/bin/python3
"""GNOME's accessibility validator, accerciser's "Basic" schema, run over the
game in each state a player meets: idle, dealt, a card turned, a result box
open (and closed again), paused, and the close confirmation open, while a
client listens for every event as a screen reader does.

usage: DUPLIMO_VALIDATOR_SCHEMA=.../basic.py validate_access.py PROGRAM
Run it where PROGRAM reaches a display and the accessibility bus. Prints
every report and exits 1 if there is an error, or if the game logs a
complaint of its accessibility (qt.accessibility), 2 if the game could not
be driven.
"""

import importlib.util
import os
import signal
import subprocess
import sys
import tempfile
import time
import types

import pyatspi
from gi.repository import Atspi
from pyatspi import ROLE_ALERT as ALERT, ROLE_PUSH_BUTTON as BUTTON
from pyatspi import STATE_ENABLED, STATE_SHOWING, STATE_MANAGES_DESCENDANTS

SCHEMA = os.environ['DUPLIMO_VALIDATOR_SCHEMA']
TIMEOUT = 10


# ---------------------------------------------------------------- the schema

class Validator:
    """The interface the schema's validators implement."""
    def condition(self, acc):
        return True

    def before(self, acc, state, view):
        pass

    def after(self, acc, state, view):
        pass


def load_schema():
    """The schema's validators, in the order they are defined, with the
    ports it needs to today's pyatspi."""
    i18n = types.ModuleType('accerciser.i18n')
    i18n._ = lambda text: text
    package = types.ModuleType('accerciser')
    package.i18n = i18n
    validate = types.ModuleType('validate')
    validate.Validator = Validator
    sys.modules.update({'accerciser': package, 'accerciser.i18n': i18n, 'validate': validate})
    spec = importlib.util.spec_from_file_location('basic', SCHEMA)
    basic = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(basic)

    # Every object has an action interface now: "supports actions" means
    # offers one, on screen.
    def offers_an_action(self, acc):
        return acc.queryAction().nActions > 0 and acc.getState().contains(STATE_SHOWING)
    basic.ActionIsInteractive.condition = offers_an_action

    # The role, not the object, is what may carry a label in its text.
    def readable(self, acc):
        if acc.name and acc.name.strip():
            return True
        if acc.getRole() in self.TEXT_CAN_LABEL:
            try:
                return bool(acc.queryText().getText(0, -1).strip())
            except NotImplementedError:
                return False
        return False
    basic.HasLabelName._checkForReadable = readable

    # Relations lost their type name.
    Atspi.Relation.getRelationTypeName = \
        lambda rel: pyatspi.relationToString(rel.getRelationType()).upper().replace(' ', '_')

    return [cls() for cls in vars(basic).values()
            if isinstance(cls, type) and issubclass(cls, Validator) and cls is not Validator]


class Report:
    """The view the validators log to."""
    def __init__(self, state_name):
        self.state_name = state_name
        self.errors = 0

    def _log(self, level, text, acc):
        try:
            where = '%s "%s"' % (acc.getRoleName(), acc.name)
        except Exception:
            where = '?'
        print('  %-6s %-45s %s' % (level, text, where))

    def error(self, text, acc, url=''):
        self.errors += 1
        self._log('ERROR', text, acc)

    def warn(self, text, acc, url=''):
        self._log('WARN', text, acc)

    def info(self, text, acc, url=''):
        self._log('INFO', text, acc)

    def debug(self, text, acc, url=''):
        pass


def validate(validators, root, report):
    """The validator's walk: before() on an object, then its subtree, then
    after(); descendants of an object that manages them are left out."""
    state = {}

    def run(acc, before):
        for validator in validators:
            try:
                applies = validator.condition(acc)
            except Exception:
                continue
            if not applies:
                continue
            try:
                (validator.before if before else validator.after)(acc, state, report)
            except Exception as error:
                report.error('EXCEPT %s: %s' % (type(validator).__name__, error), acc)

    def walk(acc):
        run(acc, True)
        if not acc.getState().contains(STATE_MANAGES_DESCENDANTS):
            for i in range(acc.childCount):
                child = acc.getChildAtIndex(i)
                if child is not None:
                    walk(child)
        run(acc, False)

    walk(root)


# ---------------------------------------------------------------- driving the game

def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.05)
    raise RuntimeError('timed out waiting for ' + what)


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield child
            yield from descendants(child)


def find(root, role, name):
    """The first descendant with that role (pyatspi.ROLE_..., or None for
    any) and name. Roles are compared as numbers: their names change with
    the release ("push button", "button")."""
    for acc in descendants(root):
        if role in (None, acc.getRole()) and acc.name == name:
            return acc
    return None


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index('Press') if 'Press' in names else 0)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    validators = load_schema()
    # A client listening for every event, as a screen reader does: Qt tells
    # only what some client listens for.
    with tempfile.TemporaryDirectory() as folder:
        ready = os.path.join(folder, 'listening')
        listener = subprocess.Popen([sys.executable, os.path.join(os.path.dirname(__file__), 'listen_access.py'), ready])
        try:
            wait_for('the listener', lambda: os.path.getsize(ready))
            return play(validators, sys.argv[1])
        finally:
            listener.terminate()
            listener.wait()


def play(validators, program):
    log = tempfile.TemporaryFile(mode='w+')
    game = subprocess.Popen([program], stderr=log)
    errors = 0
    try:
        app = wait_for('the game on the accessibility bus', lambda: application(game.pid))
        window = wait_for('the main window', lambda: find(app, None, 'KAVREL Soluciones - Duplimo'))
        control = lambda role, name: wait_for(name, lambda: find(window, role, name))
        enabled = lambda acc: acc.getState().contains(STATE_ENABLED)

        def check(state_name):
            nonlocal errors
            time.sleep(0.3)  # let the game settle: focus, announcements
            report = Report(state_name)
            print('%s:' % state_name)
            validate(validators, app, report)
            print('  %d errors' % report.errors)
            errors += report.errors

        check('idle')
        press(control(BUTTON, 'Iniciar'))
        first = control(BUTTON, 'Carta 1')
        wait_for('a deal', lambda: enabled(first))
        check('dealt')
        press(first)
        wait_for('a turned card', lambda: not first.getState().contains(STATE_SHOWING))
        check('one card turned')
        press(control(BUTTON, 'Carta 2'))
        box = wait_for('the result box', lambda: find(app, ALERT, 'RESULTADO'))
        check('result box open')
        press(wait_for('Aceptar', lambda: find(box, BUTTON, 'Aceptar')))
        # A box that closed still answers, as a screen reader asks about it
        # after the event that told it closed.
        wait_for('the result box to close', lambda: not box.getState().contains(STATE_SHOWING))
        try:
            answers = box.name == 'RESULTADO'
        except Exception:
            answers = False
        if not answers:
            print('  ERROR  the closed result box answers no more')
            errors += 1
        press(control(BUTTON, 'Detener'))
        control(BUTTON, 'Continuar')
        check('paused')
        press(control(BUTTON, 'Salir'))
        box = wait_for('the close confirmation', lambda: find(app, ALERT, 'CONFIRMAR'))
        check('close confirmation open')
        press(wait_for('Sí', lambda: find(box, BUTTON, 'Sí')))
        game.wait(TIMEOUT)
    except RuntimeError as error:
        print('validate_access.py: %s' % error, file=sys.stderr)
        return 2
    finally:
        if game.poll() is None:
            game.send_signal(signal.SIGTERM)
            game.wait()
    # Nor does the game's accessibility complain of anything asked or told.
    log.seek(0)
    for line in log:
        sys.stderr.write(line)
        if line.startswith('qt.accessibility'):
            errors += 1
    print('validator: %d errors in all' % errors)
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
