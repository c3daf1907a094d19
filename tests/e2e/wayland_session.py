"""The built program native on Wayland: Weston, only WAYLAND_DISPLAY set for the program; a
private session bus and accessibility bus as on the X desktop. A headless Weston has no seat:
nothing can type or click there, so texts are set and buttons pressed through the accessibility
bus. Keys need a seat: Weston's X11 back end on a private X server, whose keyboard it passes on
to its clients as a Wayland keyboard. wayland_session.py <program> <case>"""
import os
import re
import subprocess
import sys

from converter_cases import CONTACT, CONVERTER, HZ, ONE_G_PEAK_AT_50
from desktop_session import Failure, Session, main, wait_for


class WaylandSession(Session):
    keyboard = False

    def _start_display(self):
        socket = "wayland-amplora"
        # The compositor's log of every request its clients make: what became of their windows.
        self.protocol = os.path.join(self.runtime.name, "weston.log")
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime.name)
        if self.keyboard:
            env["DISPLAY"] = self.x_display = self._start_x()
        backend = "x11" if self.keyboard else "headless"
        self._spawn(["weston", "--backend=%s-backend.so" % backend, "--use-pixman",
                     "--idle-time=0", "--socket=" + socket, "--log=" + self.protocol,
                     "--logger-scopes=log,proto"], env=env)
        if not wait_for(lambda: os.path.exists(os.path.join(self.runtime.name, socket))):
            raise Failure("Weston did not start")
        if self.keyboard:
            # The X focus is given to Weston once, before the program starts: Weston takes the
            # Wayland keyboard from its clients whenever its X window loses the focus, and a
            # focus moved while the program starts may leave the program without it.
            subprocess.run(["xdotool", "search", "--sync", "--class", "^Weston Compositor$",
                            "windowfocus", "--sync"], env=env, check=True)
        # Sounds go to a file: the default sound device of a configuration of their own.
        self.sound = os.path.join(self.runtime.name, "sound.raw")
        config = os.path.join(self.runtime.name, "asound.conf")
        with open(config, "w") as f:
            f.write('pcm.!default { type file; slave.pcm { type null }; file "%s" }' % self.sound)
        # Sanitized, with whole stacks: Mesa's leak at the end (Qt's, through EGL) is known by
        # them once its driver is unloaded.
        sanitizer = dict(ASAN_OPTIONS=os.environ["ASAN_OPTIONS"] + ":fast_unwind_on_malloc=0"
                         ) if "ASAN_OPTIONS" in os.environ else {}
        return dict(sanitizer, WAYLAND_DISPLAY=socket, ALSA_CONFIG_PATH=config)

    def type(self, text):
        """Typed on the X server's keyboard, into Weston's window, on to its focused client."""
        self._xdotool("type", text)

    def keys(self, *keys):
        self._xdotool("key", *keys)

    def _xdotool(self, command, *args):
        subprocess.run(["xdotool", command, "--delay", "30", *args],
                       env=dict(os.environ, DISPLAY=self.x_display), check=True)

    def has_keyboard(self):
        """Whether Weston's last word to the program's keyboard was that it has it."""
        created, _ = self.toplevels()
        with open(self.protocol) as log:
            said = created and re.findall(r"client %s ev wl_keyboard@\d+\.(enter|leave)\("
                                          % re.escape(created[0][0]), log.read())
        return bool(said) and said[-1] == "enter"

    def window(self, title):
        found = wait_for(lambda: self.running() and [
            w for w in self.children(self.app) if self._try(w.get_name) == title])
        if not found:
            raise Failure("no window %r" % title)
        return found[0]

    def toplevels(self):
        """The program's Wayland toplevels: those created, and those destroyed since."""
        with open(self.protocol) as log:
            text = log.read()
        return (re.findall(r"client (\S+) rq xdg_surface@\d+\.get_toplevel\(new id "
                           r"xdg_toplevel@(\d+)\)", text),
                re.findall(r"client (\S+) rq xdg_toplevel@(\d+)\.destroy\(\)", text))


def clear(s, window=None):
    """Clear through its action: the same window, in its start-up state."""
    if window is None:  # no keyboard: a text set through the bus stands for typing
        window = s.window(CONVERTER)
        s.control(window, HZ, "text").set_text_contents("50")
        s.expect_texts(window, {HZ: "50"})
    frame = window.path
    press(s, window, "Clear")

    def started():  # the form is made afresh: its boxes are new objects
        for w in s.children(s.app):
            box = s._try(w.get_name) == CONVERTER and s.control(w, HZ, "text")
            if box and s.text(box) == "":
                return w
    window = wait_for(started)
    s.expect_texts(window, {name: "" for name in ONE_G_PEAK_AT_50})
    if any(s.has(s.control(window, n, "text"), "SENSITIVE") for n in list(ONE_G_PEAK_AT_50)[2:]):
        raise Failure("level boxes open after Clear")
    us = s.control(window, "US", "radio button")
    if not (s.has(us, "CHECKED") and s.has(us, "SENSITIVE")):
        raise Failure("US is not chosen and changeable after Clear")
    if window.path != frame:
        raise Failure("Clear made a new window: %s, then %s" % (frame, window.path))
    created, destroyed = s.toplevels()
    if not created or created[0] in destroyed:
        raise Failure("Clear unmapped the converter's Wayland window: %s" % (created,))


def keys(s):
    """Typed on a Wayland keyboard: a refused key rings the bell, a reading converts, and
    Clear starts over in the same window."""
    window = s.window(CONVERTER)
    # Weston may hand the new window the keyboard after it is on the bus; a key typed before
    # that goes nowhere.
    if not wait_for(s.has_keyboard):
        raise Failure("the converter never had the keyboard")
    s.type("q")
    if not wait_for(lambda: os.path.exists(s.sound) and os.path.getsize(s.sound) > 0):
        raise Failure("a refused key made no sound")
    s.type("50")
    s.keys("Return", "Tab", "Tab", "Tab")
    s.type("1")
    s.keys("Return")
    s.expect_texts(window, ONE_G_PEAK_AT_50)
    clear(s, window)


def press(s, window, name):
    button = s.control(window, name, "push button")
    actions = [button.get_action_name(i) for i in range(button.get_n_actions())]
    button.do_action(actions.index("Press"))


def contact(s):
    """The contact window is a toplevel of its own, not kept above the converter, which
    stays usable: Clear and Exit work."""
    window = s.window(CONVERTER)
    # Shortcuts work in the active window only, which Weston may make it after the keyboard.
    if not wait_for(lambda: s.has_keyboard() and s.has(window, "ACTIVE")):
        raise Failure("the converter never had the keyboard")
    s._xdotool("keydown", "alt+h")  # held: Weston opens a menu for the latest key event only
    wait_for(lambda: s.control(window, "Contact Orvane", "menu item"))
    s._xdotool("keyup", "alt+h")
    s.keys("c")
    s.window(CONTACT)
    created = wait_for(lambda: len(s.toplevels()[0]) == 2 and s.toplevels()[0])
    with open(s.protocol) as log:
        if not created or "xdg_toplevel@%s.set_parent(xdg_toplevel" % created[1][1] in log.read():
            raise Failure("the contact window is no toplevel of its own: %s" % (created,))
    clear(s)
    press(s, s.window(CONVERTER), "Exit")
    if wait_for(lambda: s.program.poll() is not None and (s.program.returncode,)) != (0,):
        raise Failure("the program ended with %r" % s.program.poll())


if __name__ == "__main__":
    WaylandSession.keyboard = sys.argv[2] in ("keys", "contact")
    sys.exit(main({"clear": clear, "keys": keys, "contact": contact}, WaylandSession))
