"""What a screen reader sees of the game: its windows and controls on the accessibility bus
(AT-SPI), found by role and name, read and pressed as a screen reader would."""
import sys
import time

import pyatspi

TIMEOUT = 15.0


class Missing(AssertionError):
    pass


def wait_for(what, find, timeout=TIMEOUT):
    """Polls `find` until it returns something; fails naming `what` when time runs out."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = find()
        except Exception:  # the tree changes under our feet while windows come and go
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Missing(f"no {what} within {timeout:.0f} s")
        time.sleep(0.1)


def application(name):
    def find():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        return None
    return wait_for(f"application {name!r}", find)


def descendants(acc):
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def role(acc):
    return acc.getRole()


def top_level(app, roles, name=None, text=None):
    """An open window of `app` with one of `roles`, named `name` or showing `text`."""
    def find():
        for i in range(app.childCount):
            w = app.getChildAtIndex(i)
            if w is None or role(w) not in roles or not showing(w):
                continue
            if name is not None and w.name != name:
                continue
            if text is not None and not any(text in texts_of(d) for d in descendants(w)):
                continue
            return w
        return None
    what = f"window {name!r}" if name is not None else f"window showing {text!r}"
    return wait_for(what, find)


def texts_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return acc.name or ""


def control(window, roles, name):
    def find():
        for d in descendants(window):
            if role(d) in roles and d.name == name and showing(d):
                return d
        return None
    return wait_for(f"{name!r} in {window.name!r}", find)


def press(acc, action="Press"):
    actions = acc.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise Missing(f"{acc.name!r} has no action {action!r}, only {names}")
    actions.doAction(names.index(action))


def named(window, name):
    """A showing control of `window` whose accessible name is `name`."""
    for d in descendants(window):
        if d.name == name and showing(d):
            return d
    return None


def expect_named(window, name):
    """Waits until `window` holds a control named `name` (a value's name follows its caption)."""
    wait_for(f"control named {name!r} in {window.name!r}", lambda: named(window, name))


def expect_equal(what, got, expected):
    if got != expected:
        raise Missing(f"{what}: expected {expected!r}, got {got!r}")


def run(check):
    """Runs a check; a failure prints one line saying what was missing, and exits with 1."""
    try:
        check()
    except Missing as e:
        print(f"FAIL: {e}", file=sys.stderr)
        sys.exit(1)
