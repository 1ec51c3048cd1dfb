"""What a screen reader gets from the page in Chromium: its accessibility
tree, as compact text, and axe-core's audit of it."""
import json
import os
import re

from chromium import wait_for

# What a node's line tells besides its role and name.
FLAGS = ('disabled', 'focused', 'modal', 'readonly', 'keyshortcuts')
AXE_TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']
# The window's tab order crosses its groups (Start, Exit, the counters, the
# cards, Pause), as the desktop's does: positive tab indices keep it while
# the document keeps the groups, in the desktop's reading order.
AXE_RULES_OFF = {'tabindex': {'enabled': False}}


def tree(driver):
    """The tree as lines 'role "name" flags', indented by depth. Ignored
    nodes and unnamed generic wrappers give way to their children; text
    that names its parent is left out, and a node whose only content is
    text is named by it."""
    nodes = driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
    by_id = {n['nodeId']: n for n in nodes}

    def shown(node):
        out = []
        for child in (by_id[c] for c in node.get('childIds', ()) if c in by_id):
            role = child.get('role', {}).get('value')
            if child.get('ignored') or role in ('generic', 'none', 'InlineTextBox') and not name_of(child):
                out += shown(child)
            else:
                out.append(child)
        return out

    def name_of(node):
        return node.get('name', {}).get('value', '')

    lines = []

    def render(node, depth):
        role, name, children = node['role']['value'], name_of(node), shown(node)
        if name or all(c['role']['value'] == 'StaticText' for c in children):
            children = [c for c in children if c['role']['value'] != 'StaticText']
        if not name and not children:
            name = ''.join(name_of(c) for c in shown(node))
        props = {p['name']: p['value'].get('value') for p in node.get('properties', ())}
        line = '  ' * depth + '%s "%s"' % (role, name)
        described = node.get('description', {}).get('value')
        if described:
            line += ' described "%s"' % described
        for flag in FLAGS:
            if props.get(flag) not in (None, False):
                line += ' ' + flag + ('' if props[flag] is True else ' "%s"' % props[flag])
        lines.append(line)
        for child in children:
            render(child, depth + 1)

    render(next(n for n in nodes if n['role']['value'] == 'RootWebArea'), 0)
    return lines


def expected_trees(path):
    """The trees headed [NAME] in PATH, as lines."""
    trees, name = {}, None
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n')
            if line.startswith('['):
                name = line.strip('[]')
                trees[name] = []
            elif line.strip() and not line.startswith('#'):
                trees[name].append(line)
    return trees


def expand(lines, values):
    """LINES with @KEY@ put in from VALUES, then a line holding {A..B}
    repeated for each number from A to B, none if B < A."""
    out = []
    for line in lines:
        for key, value in values.items():
            line = line.replace('@%s@' % key, str(value))
        span = re.search(r'\{(\d+)\.\.(\d+)\}', line)
        if not span:
            out.append(line)
            continue
        out += [line[:span.start()] + str(k) + line[span.end():] for k in range(int(span[1]), int(span[2]) + 1)]
    return out


def axe(driver, script):
    """axe-core's audit of the page as it stands: {rule: [targets]} of the
    violations, and the counts of passes, violations and incomplete."""
    if not driver.execute_script('return !!window.axe'):
        with open(script, encoding='utf-8') as f:
            driver.execute_script(f.read())
    result = driver.execute_async_script(
        'arguments[2](await axe.run(document, {runOnly: {type: "tag", values: arguments[0]}, rules: arguments[1],'
        ' resultTypes: ["violations", "incomplete"]}))', AXE_TAGS, AXE_RULES_OFF)
    violations = {v['id']: [n['target'] for n in v['nodes']] for v in result['violations']}
    return violations, {k: len(result[k]) for k in ('passes', 'violations', 'incomplete')}


class Checker:
    """Checks the page's tree against the one expected and has axe audit
    it, state by state, once what was said has gone from the page; keeps
    the trees in the folder DUMPS, if given."""

    def __init__(self, driver, trees, axe_script, values, dumps=None):
        if not os.path.exists(axe_script):
            raise AssertionError('axe-core is missing at %s: run npm ci --prefix tests/web' % axe_script)
        self.driver, self.trees, self.axe_script, self.values, self.dumps = driver, trees, axe_script, values, dumps
        self.summary = []

    def check(self, state, **values):
        wait_for('what was said to go', lambda: self.driver.execute_script(
            "return !document.querySelector('#said > *, #box-said > *')"), seconds=5)
        seen = tree(self.driver)
        expected = expand(self.trees[state], dict(self.values, **values))
        if self.dumps:
            os.makedirs(self.dumps, exist_ok=True)
            with open(os.path.join(self.dumps, re.sub(r'\W+', '-', state) + '.txt'), 'w', encoding='utf-8') as f:
                f.write('\n'.join(seen) + '\n')
        faults = ['line %d: %r, expected %r' % (k + 1, s, e) for k, (s, e) in enumerate(zip(seen, expected)) if s != e]
        assert not faults and len(seen) == len(expected), 'the tree %s, %d lines for %d:\n%s' % (
            state, len(seen), len(expected), '\n'.join(faults[:10] or seen[len(expected):] or expected[len(seen):]))
        violations, counts = axe(self.driver, self.axe_script)
        self.summary.append('%-18s passes %2d  violations %d  incomplete %d' %
                            (state, counts['passes'], counts['violations'], counts['incomplete']))
        assert not violations, 'axe, %s: %s' % (state, json.dumps(violations)[:2000])
