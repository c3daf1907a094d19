"""A private desktop for tests that start the built program: an X server, a session bus and
the accessibility bus, none of them shared with anything else on the machine."""
import os
import subprocess
import time

A11Y_BUS = ("org.a11y.Bus", "/org/a11y/bus")


def wait_for(predicate, timeout=20.0, interval=0.05):
    """Polls until predicate() returns something true; returns it, or None on timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


class Desktop:
    """Xvfb, a session bus and the accessibility bus on it; all stopped on exit."""

    def __init__(self, screen="1280x1024x24", accessibility=True):
        self.screen = screen
        self.accessibility = accessibility
        self.procs = []

    def __enter__(self):
        try:
            self._start_x()
            self._start_session_bus()
            if self.accessibility:
                self._start_a11y_bus()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.procs.clear()

    def _spawn(self, args, **kwargs):
        proc = subprocess.Popen(args, **kwargs)
        self.procs.append(proc)
        return proc

    def _start_x(self):
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-nolisten", "tcp", "-screen", "0",
                     self.screen], pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def _start_session_bus(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address"],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.bus_address = bus.stdout.readline().strip()
        if not self.bus_address:
            raise RuntimeError("the session bus did not start")

    def _start_a11y_bus(self):
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                    env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        from gi.repository import Gio, GLib
        flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                 | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
        self.session = Gio.DBusConnection.new_for_address_sync(self.bus_address, flags, None, None)

        def a11y_address():
            try:
                reply = self.session.call_sync(*A11Y_BUS, "org.a11y.Bus", "GetAddress", None,
                                               GLib.VariantType("(s)"), 0, 2000, None)
                return reply.unpack()[0]
            except GLib.Error:
                return None

        if not wait_for(a11y_address, timeout=30):
            raise RuntimeError("the accessibility bus did not answer")
        self.session.call_sync(*A11Y_BUS, "org.freedesktop.DBus.Properties", "Set",
                               GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled",
                                                      GLib.Variant("b", True))),
                               None, 0, 5000, None)

    def env(self, **extra):
        """The environment of a program on this desktop. Qt finds the accessibility bus
        through the session bus; given AT_SPI_BUS_ADDRESS it never joins it."""
        env = dict(os.environ, DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus_address,
                   QT_QPA_PLATFORM="xcb")
        if self.accessibility:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        for name in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "QT_ACCESSIBILITY",
                     "XDG_SESSION_TYPE", "QT_IM_MODULE"):
            env.pop(name, None)
        env.update(extra)
        return env

    def join(self):
        """Makes this process a client of the desktop (before the first accessibility call)."""
        os.environ.update(DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=self.bus_address)
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
