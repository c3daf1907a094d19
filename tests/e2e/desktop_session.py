"""The built program on a private desktop: an X server, a session bus and the accessibility
bus. Keys and clicks go through the X server (xdotool); what the windows show is read back
through the accessibility bus, controls found by their accessible names."""
import os
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30.0  # generous: the tests share two cores with builds


class Failure(AssertionError):
    pass


def wait_for(predicate, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(0.05)


# Kept from the caller: where programs are, how a sanitized build reports. Nothing else of
# the caller's session (display, buses, sound server, theme, scale, fonts, language) reaches a
# case; sounds go through ALSA into nothing (a case listening for one sets a device of its own).
KEPT = ("PATH", "ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS")


def private_environment(home):
    with open(os.path.join(home, "asound.conf"), "w") as f:
        f.write("pcm.!default { type null }")
    return dict({n: os.environ[n] for n in KEPT if n in os.environ}, HOME=home,
                XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
                XDG_CACHE_HOME=home, LANG="C.UTF-8", LC_ALL="C.UTF-8", CANBERRA_DRIVER="alsa",
                ALSA_CONFIG_PATH=os.path.join(home, "asound.conf"))


class Session:
    screen = "1280x1024"  # the X server's screen
    scale = None  # QT_SCALE_FACTOR of the program, where set
    window_manager = False  # a window manager on the X server, as on a desktop

    def __init__(self, program):
        self.procs, self.errors, self.listeners = [], None, []
        self.runtime = tempfile.TemporaryDirectory()
        try:
            self._start(program)
        except BaseException:
            self.close()
            raise

    def _start(self, program):
        os.chmod(self.runtime.name, 0o700)
        env = private_environment(self.runtime.name)
        os.environ.clear()  # this process talks to the private buses too
        os.environ.update(env)
        display = self._start_display()
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address"],
                          stdout=subprocess.PIPE, text=True)
        address = bus.stdout.readline().strip()
        os.environ.update(display, DBUS_SESSION_BUS_ADDRESS=address,
                          QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if self.scale:
            os.environ["QT_SCALE_FACTOR"] = str(self.scale)
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi, Gio, GLib
        self.Atspi, self.GLib = Atspi, GLib
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def call(interface, method, args, reply=None):
            return session.call_sync("org.a11y.Bus", "/org/a11y/bus", interface, method, args,
                                     reply, 0, 2000, None)
        # The accessibility bus must be up before the program asks whether to join it.
        if not wait_for(lambda: self._try(lambda: call(
                "org.a11y.Bus", "GetAddress", None, GLib.VariantType("(s)")).unpack()[0])):
            raise Failure("the accessibility bus did not start")
        call("org.freedesktop.DBus.Properties", "Set", GLib.Variant(
            "(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))))
        self.errors = open(os.path.join(self.runtime.name, "stderr"), "w+")
        self.program = self._spawn([program], stderr=self.errors)
        self.app = wait_for(self._application)
        if not self.app:
            raise Failure("the program never appeared on the accessibility bus (status %r)"
                          % self.program.poll())
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _start_display(self):
        """The display the program is shown on, as its environment names it."""
        display = self._start_x()
        if self.window_manager:
            self._start_window_manager(display)
        return dict(DISPLAY=display, QT_QPA_PLATFORM="xcb")

    def _start_window_manager(self, display):
        """Openbox, a small window manager that raises and focuses a window on a click."""
        from Xlib import display as xlib
        self._spawn(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display))
        self.x = xlib.Display(display)
        if not wait_for(lambda: self.x.screen().root.get_full_property(
                self.x.intern_atom("_NET_SUPPORTING_WM_CHECK"), 0)):
            raise Failure("the window manager did not start")

    def _start_x(self):
        """An X server that answers. Display numbers start from one of this process's own, so
        that parallel cases do not take a number another case's server is just giving up."""
        first = 100 + os.getpid() % 800
        for number in range(first, first + 20):
            read_fd, write_fd = os.pipe()
            # -noreset: a server that resets when its last client leaves refuses the next one
            # for a moment.
            server = self._spawn(["Xvfb", ":%d" % number, "-displayfd", str(write_fd),
                                  "-noreset", "-nolisten", "tcp", "-screen", "0",
                                  self.screen + "x24"], pass_fds=(write_fd,))
            os.close(write_fd)
            with os.fdopen(read_fd) as pipe:
                ready = pipe.readline().strip()
            display = ":%d" % number
            if ready and subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True,
                                        env=dict(os.environ, DISPLAY=display)).returncode == 0:
                return display
            server.kill()
            server.wait()
        raise Failure("no X server would start")

    def _spawn(self, args, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        kwargs.setdefault("stderr", subprocess.DEVNULL)
        proc = subprocess.Popen(args, **kwargs)
        self.procs.append(proc)
        return proc

    def _try(self, call, default=None):
        try:
            return call()
        except self.GLib.Error:
            return default

    def close(self):
        if self.errors:
            self.errors.seek(0)
            sys.stderr.write(self.errors.read())  # what the program said, for a failing case
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                proc.wait(timeout=10)
        self.runtime.cleanup()

    def _application(self):
        desktop = self.Atspi.get_desktop(0)
        # No main loop runs here to hear of new applications: ask afresh every time.
        desktop.set_cache_mask(self.Atspi.Cache.NONE)
        for app in self.children(desktop):
            if self._try(app.get_process_id) == self.program.pid and self.children(app):
                return app
        return None

    def children(self, acc):
        count = self._try(acc.get_child_count, 0)
        return [c for c in (self._try(lambda i=i: acc.get_child_at_index(i))
                            for i in range(count)) if c]

    def running(self):
        status = self.program.poll()
        if status is not None:
            raise Failure("the program ended by itself, status %d" % status)
        return True

    # Windows and controls ----------------------------------------------------------------

    def window(self, title):
        """Waits for the window with this title and gives it the keyboard focus."""
        seen = []

        def mapped():
            self.running()
            found = [w for w in self.children(self.app) if self._try(w.get_name) == title]
            ids = subprocess.run(["xdotool", "search", "--all", "--pid", str(self.program.pid),
                                  "--name", "^%s$" % title], capture_output=True, text=True)
            seen[:] = [len(found), ids.stdout.split()]
            # A window manager may not have mapped it yet, and is asked for the focus.
            focus = "windowactivate" if self.window_manager else "windowfocus"
            return found and ids.stdout.split() and subprocess.run(
                ["xdotool", focus, "--sync", ids.stdout.split()[-1]],
                stderr=subprocess.DEVNULL).returncode == 0 and found[0]
        found = wait_for(mapped)
        if not found:
            raise Failure("no window %r (on the bus %d times, X windows %s)" % (title, *seen))
        return found

    def control(self, root, name, role):
        for child in self.children(root):
            if (self._try(child.get_name) == name and self._try(child.get_role_name) == role
                    and self.has(child, "SHOWING")):
                return child
            found = self.control(child, name, role)
            if found:
                return found
        return None

    def listen(self, event, *more):
        """From now on, collects the (source, text) of every event of this type; wait_for
        hears them through heard(). With more types, the (source, type) of each, in order."""
        events = []
        listener = self.Atspi.EventListener.new(
            lambda e: events.append((e.source, e.type if more else e.any_data)))
        for kind in (event,) + more:
            listener.register(kind)
        self.listeners.append(listener)  # alive as long as the session
        return events

    def heard(self):
        while self.GLib.MainContext.default().iteration(False):
            pass
        return True

    def has(self, acc, state):
        return self._try(lambda: acc.get_state_set().contains(getattr(
            self.Atspi.StateType, state)), False)

    def text(self, acc):
        return self._try(lambda: self.Atspi.Text.get_text(acc, 0, -1))

    def expect_texts(self, window, expected):
        boxes = {}

        def shown():  # a box gone (Clear makes the form afresh) is looked for again
            for n in expected:
                if not boxes.get(n) or self.text(boxes[n]) is None:
                    boxes[n] = self.control(window, n, "text")
            return {n: boxes[n] and self.text(boxes[n]) for n in expected}
        if not wait_for(lambda: self.running() and shown() == expected):
            raise Failure("expected %r, shown %r" % (expected, shown()))

    def extents(self, acc):
        return self.Atspi.Component.get_extents(acc, self.Atspi.CoordType.SCREEN)

    def on_top(self):
        """The title of the window the window manager shows above all others."""
        root = self.x.screen().root
        stack = root.get_full_property(self.x.intern_atom("_NET_CLIENT_LIST_STACKING"), 0)
        return stack and self.x.create_resource_object("window", stack.value[-1]).get_wm_name()

    def activate(self, title):
        """Brings the window forward and gives it the focus, as a taskbar does."""
        subprocess.run(["xdotool", "search", "--all", "--pid", str(self.program.pid), "--name",
                        "^%s$" % title, "windowactivate", "--sync"], check=True)

    # Input ---------------------------------------------------------------------------------

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "30"] + list(keys), check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)

    def click(self, acc, button=1, repeat=1):
        box = self.extents(acc)
        self.click_at(box.x + box.width // 2, box.y + box.height // 2, button, repeat)

    def click_at(self, x, y, button=1, repeat=1):
        """A click at a place the accessibility bus tells: Qt 6.4 tells it unscaled, in the
        program's own units, the X server counts pixels."""
        scale = self.scale or 1
        subprocess.run(["xdotool", "mousemove", "--sync", str(round(x * scale)),
                        str(round(y * scale)), "click", "--repeat", str(repeat), str(button)],
                       check=True)


def main(cases, desktop=Session):
    """<program> <case>: runs one case on a desktop of its own."""
    program, case = sys.argv[1], sys.argv[2]
    try:
        session = desktop(program)
    except Failure as failure:
        print("FAIL %s: %s" % (case, failure))
        return 1
    try:
        cases[case](session)
    except Failure as failure:
        print("FAIL %s: %s" % (case, failure))
        return 1
    finally:
        session.close()
    print("PASS %s" % case)
    return 0
