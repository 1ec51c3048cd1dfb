#!/usr/bin/python3
"""A stand-in for a screen reader beside the validator: listens on the
accessibility bus for every event one hears, so that programs tell all they
would tell it, and does nothing with them.

usage: listen_access.py READY_FILE
Writes READY_FILE once it listens; runs until it is stopped.
"""

import sys

import pyatspi


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    pyatspi.Registry.registerEventListener(lambda event: None, 'object', 'window', 'focus')
    with open(sys.argv[1], 'w') as ready:
        ready.write('listening\n')
    pyatspi.Registry.start()
    return 0


if __name__ == '__main__':
    sys.exit(main())
