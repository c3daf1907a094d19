"""Drives the built program as a user would: keys and clicks through the X server, and what
the windows show read back through the accessibility bus, controls found by their names."""
import os
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

from desktop import Desktop, wait_for  # noqa: E402
from xinput import Bell, XInput  # noqa: E402

CONVERTER = " Orvane - Amplora Vibration Conversion Program"
WINDOW_ROLES = {"frame", "dialog", "alert", "window"}
TIMEOUT = 30.0  # generous: the tests share two cores with builds


class Failure(AssertionError):
    pass


def expect(actual, expected, what):
    if actual != expected:
        raise Failure("%s: expected %r, got %r" % (what, expected, actual))


def name(acc):
    try:
        return acc.get_name()
    except GLib.Error:
        return None


def role(acc):
    try:
        return acc.get_role_name()
    except GLib.Error:
        return None


def has_state(acc, state):
    try:
        return acc.get_state_set().contains(state)
    except GLib.Error:
        return False


def showing(acc):
    return has_state(acc, Atspi.StateType.SHOWING)


def enabled(acc):
    return has_state(acc, Atspi.StateType.SENSITIVE)


def checked(acc):
    return has_state(acc, Atspi.StateType.CHECKED)


def text(acc):
    try:
        return Atspi.Text.get_text(acc, 0, -1)
    except GLib.Error:
        return None


def children(acc):
    try:
        count = acc.get_child_count()
        return [c for c in (acc.get_child_at_index(i) for i in range(count)) if c]
    except GLib.Error:
        return []


def find_all(root, wanted_names, wanted_role=None):
    """The descendants of root with one of these names (and this role), depth first, in one
    walk: {name: [objects]}."""
    found = {n: [] for n in wanted_names}
    for child in children(root):
        n = name(child)
        if n in found and (wanted_role is None or role(child) == wanted_role):
            found[n].append(child)
        for n, more in find_all(child, wanted_names, wanted_role).items():
            found[n].extend(more)
    return found


class Program:
    """The program under test, started on a desktop; stopped on exit if still running."""

    def __init__(self, desktop, path):
        desktop.join()
        self.runtime = tempfile.TemporaryDirectory(prefix="amplora-e2e-")
        os.chmod(self.runtime.name, 0o700)
        self.x = XInput(desktop.display)
        self.bell = Bell(desktop.display)
        self.proc = subprocess.Popen([path], env=desktop.env(XDG_RUNTIME_DIR=self.runtime.name))
        self.exit_expected = False
        self.app = wait_for(self._application, timeout=TIMEOUT)
        if not self.app:
            self.__exit__(None, None, None)
            raise Failure("the program never appeared on the accessibility bus")
        # Every read goes to the program: nothing is answered from a stale cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.bell.close()
        self.x.close()
        self.runtime.cleanup()

    def _application(self):
        desktop = Atspi.get_desktop(0)
        for app in children(desktop):
            try:
                if app.get_process_id() == self.proc.pid and app.get_child_count() > 0:
                    return app
            except GLib.Error:
                continue
        return None

    # Windows ---------------------------------------------------------------------------

    def windows(self):
        """The program's open windows as the accessibility bus lists them: (title, object)."""
        return [(name(w), w) for w in children(self.app)
                if role(w) in WINDOW_ROLES and showing(w)]

    def window(self, title, timeout=TIMEOUT):
        """Waits for the window with this title and gives it the keyboard focus."""
        def mapped():
            acc = next((w for t, w in self.windows() if t == title), None)
            xwin = self.x.window(self.proc.pid, title)
            return (acc, xwin) if acc and xwin else None

        found = self.wait_until(mapped, timeout=timeout)
        if not found:
            raise Failure("no window %r; open: %r" % (title, [t for t, _ in self.windows()]))
        acc, xwin = found
        self.x.focus(xwin)
        if not self.wait_until(lambda: has_state(acc, Atspi.StateType.ACTIVE), timeout=timeout):
            raise Failure("window %r never became active" % title)
        return acc

    def wait_closed(self, title, timeout=TIMEOUT):
        if not self.wait_until(lambda: all(t != title for t, _ in self.windows()),
                               timeout=timeout):
            raise Failure("window %r is still open" % title)

    def wait_until(self, predicate, timeout=TIMEOUT):
        """Polls until predicate() holds; fails at once when the program ends unasked (a
        crash, or a sanitizer report in a sanitized build)."""
        def check():
            self.check_running()
            return predicate()

        return wait_for(check, timeout=timeout)

    def check_running(self):
        status = self.proc.poll()
        if status is not None and not self.exit_expected:
            raise Failure("the program ended by itself, status %d" % status)

    def titles(self):
        return [t for t, _ in self.windows()]

    # Controls --------------------------------------------------------------------------

    def visible(self, window, control_name, control_role=None):
        """The controls of the window on screen with this name."""
        return [c for c in find_all(window, [control_name], control_role)[control_name]
                if showing(c)]

    def controls(self, window, names, control_role=None, visible=True):
        """{name: the one control of the window with this name (among the visible ones)}."""
        found = find_all(window, names, control_role)
        out = {}
        for n, candidates in found.items():
            if visible:
                candidates = [c for c in candidates if showing(c)]
            if len(candidates) != 1:
                raise Failure("%d controls named %r in %r" % (len(candidates), n, name(window)))
            out[n] = candidates[0]
        return out

    def control(self, window, control_name, control_role=None, visible=True):
        return self.controls(window, [control_name], control_role, visible)[control_name]

    def label_names(self, acc):
        """The captions of every label in a window."""
        names = []
        for child in children(acc):
            if role(child) == "label":
                names.append(name(child))
            names.extend(self.label_names(child))
        return names

    # Input -----------------------------------------------------------------------------

    def barrier(self):
        """Returns once the program has handled every key and click sent so far: a ping
        through its X connection orders it after the input, the accessibility call after the
        handlers the input started, and the second ping after anything they sent the X server
        (such as the bell)."""
        for _ in range(2):
            if not self._ping():
                return
            try:
                self.app.get_child_count()
            except GLib.Error:
                return

    def _ping(self):
        """Pings the program's topmost window; False when it has none left."""
        deadline = time.monotonic() + TIMEOUT
        wait = 0.25
        while time.monotonic() < deadline:
            self.check_running()
            tops = self.x.toplevels(self.proc.pid)
            if not tops or self.proc.poll() is not None:
                return False
            # A window that closes meanwhile never answers: ask again, a fresh list.
            if self.x.ping(tops[-1][0], timeout=wait):
                return True
            wait = min(wait * 2, 8.0)
        raise Failure("the program stopped answering")

    def keys(self, *combos):
        for combo in combos:
            self.x.key(combo)
        self.barrier()

    def type(self, chars, then=None):
        self.x.type(chars)
        if then:
            self.x.key(then)
        self.barrier()

    def click(self, acc):
        """A real mouse click in the middle of a control."""
        box = Atspi.Component.get_extents(acc, Atspi.CoordType.SCREEN)
        if box.width <= 0 or box.height <= 0:
            raise Failure("%r has no place on the screen" % name(acc))
        self.x.click(box.x + box.width // 2, box.y + box.height // 2)
        self.barrier()

    # Reading ---------------------------------------------------------------------------

    def expect_text(self, acc, expected, timeout=TIMEOUT):
        if not self.wait_until(lambda: text(acc) == expected, timeout=timeout):
            raise Failure("%r shows %r, expected %r" % (name(acc), text(acc), expected))

    def expect_texts(self, window, expected, timeout=TIMEOUT):
        """expected: {box name: text}; waits until every box shows its text."""
        boxes = self.controls(window, list(expected), "text")

        def current():
            return {n: text(b) for n, b in boxes.items()}

        if not self.wait_until(lambda: current() == expected, timeout=timeout):
            now = current()
            wrong = {n: (now[n], expected[n]) for n in expected if now[n] != expected[n]}
            raise Failure("boxes showing something else (shown, expected): %r" % wrong)

    def expect_bells(self, count, timeout=TIMEOUT):
        if not self.wait_until(lambda: self.bell.count() >= count, timeout=timeout):
            raise Failure("the bell rang %d times, expected %d" % (self.bell.count(), count))
        self.barrier()
        expect(self.bell.count(), count, "bells rung")

    def expect_exit(self):
        """Announces that the next action ends the program."""
        self.exit_expected = True

    def wait_exit(self, timeout=TIMEOUT):
        """The program's exit status: 0 unless a sanitizer found something on the way out."""
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program is still running")


def run(cases, argv):
    """Command line of the case files: <case file> <program> <case name>."""
    program, case = argv[1], argv[2]
    if case not in cases:
        print("unknown case %r; known: %s" % (case, ", ".join(cases)))
        return 2
    start = time.monotonic()
    with Desktop() as desktop, Program(desktop, program) as p:
        try:
            cases[case](p)
            p.check_running()
        except Failure as failure:
            print("FAIL %s: %s" % (case, failure))
            return 1
    print("PASS %s (%.1f s)" % (case, time.monotonic() - start))
    return 0
