"""Real keyboard and mouse input through the X server (XTest), the keyboard focus, and the
bell, for a desktop without a window manager."""
import ctypes
import select
import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest
from Xlib.protocol import event as xevent

# Keys by the names the tests use; single characters map to their own keysyms.
KEY_NAMES = {"enter": "Return", "tab": "Tab", "esc": "Escape", "backspace": "BackSpace",
             "left": "Left", "right": "Right", "up": "Up", "down": "Down", "home": "Home",
             "end": "End", "delete": "Delete", "space": "space",
             "alt": "Alt_L", "shift": "Shift_L", "ctrl": "Control_L", ".": "period",
             "-": "minus", "+": "plus", ",": "comma", " ": "space"}


class XInput:
    """One connection to the X server that types, clicks, focuses and waits for a program."""

    def __init__(self, display_name):
        self.d = xdisplay.Display(display_name)
        # A window may close between being listed and being pinged; that is no error here.
        self.d.set_error_handler(lambda error, request: None)
        self.root = self.d.screen().root
        self.atom = self.d.intern_atom
        # Qt sends its replies to pings to the root window for its structure listeners.
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        self.d.sync()
        self.serial = 0

    def close(self):
        self.d.close()

    # Windows ---------------------------------------------------------------------------

    def toplevels(self, pid):
        """The mapped top-level windows of a process, bottom to top, with their titles."""
        found = []
        for w in self.root.query_tree().children:
            try:
                if w.get_attributes().map_state != X.IsViewable:
                    continue
                prop = w.get_full_property(self.atom("_NET_WM_PID"), X.AnyPropertyType)
                if not prop or prop.value[0] != pid:
                    continue
                found.append((w, self.title(w)))
            except Exception:  # a window that went away meanwhile
                continue
        return found

    def title(self, w):
        prop = w.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
        if prop:
            return prop.value.decode("utf-8")
        name = w.get_wm_name()
        return name.decode("latin-1") if isinstance(name, bytes) else (name or "")

    def window(self, pid, title):
        """The mapped top-level window of the process with this exact title, or None."""
        for w, t in reversed(self.toplevels(pid)):
            if t == title:
                return w
        return None

    def focus(self, w):
        """Gives a window the keyboard focus, as a window manager would, and raises it."""
        w.configure(stack_mode=X.Above)
        w.set_input_focus(X.RevertToPointerRoot, X.CurrentTime)
        self.d.sync()

    def focused(self):
        return self.d.get_input_focus().focus

    # Input -----------------------------------------------------------------------------

    def keycode(self, name):
        keysym = XK.string_to_keysym(KEY_NAMES.get(name.lower() if len(name) > 1 else name,
                                                   name))
        if not keysym:
            raise ValueError("no keysym for %r" % name)
        code = self.d.keysym_to_keycode(keysym)
        if not code:
            raise ValueError("no key for %r" % name)
        return code

    def key(self, combo):
        """Presses and releases one key with modifiers: "enter", "shift+tab", "alt+t", "5"."""
        parts = combo.split("+") if len(combo) > 1 and combo != "+" else [combo]
        codes = [self.keycode(p) for p in parts]
        for c in codes:
            xtest.fake_input(self.d, X.KeyPress, c)
        for c in reversed(codes):
            xtest.fake_input(self.d, X.KeyRelease, c)
        self.d.sync()

    def type(self, text):
        for ch in text:
            self.key(ch)

    def click(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.sync()

    # Waiting for the program -----------------------------------------------------------

    def ping(self, w, timeout):
        """A round trip through the program's own X connection: the program answers the ping
        only after it has read every event sent to it before. False when it never answers."""
        self.serial += 1
        protocols = self.atom("WM_PROTOCOLS")
        ping = self.atom("_NET_WM_PING")
        msg = xevent.ClientMessage(window=w, client_type=protocols,
                                   data=(32, [ping, self.serial, w.id, 0, 0]))
        w.send_event(msg, event_mask=0)
        self.d.flush()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            while self.d.pending_events():
                ev = self.d.next_event()
                if (ev.type == X.ClientMessage and ev.client_type == protocols
                        and ev.data[1][0] == ping and ev.data[1][1] == self.serial):
                    return True
            select.select([self.d], [], [], max(0.0, deadline - time.monotonic()))
        return False


class Bell:
    """Counts the X bell rung by anyone on the display (XKB bell notifications)."""

    XKB_USE_CORE_KBD = 0x100
    XKB_BELL_NOTIFY = 8
    XKB_BELL_NOTIFY_MASK = 1 << 8

    def __init__(self, display_name):
        x = ctypes.CDLL("libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        for f in ("XSync", "XPending", "XNextEvent", "XCloseDisplay", "XkbQueryExtension",
                  "XkbSelectEvents"):
            getattr(x, f).argtypes = None
        self.x = x
        self.dpy = ctypes.c_void_p(x.XOpenDisplay(display_name.encode()))
        if not self.dpy:
            raise RuntimeError("cannot open display " + display_name)
        opcode, self.base, error = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
        major, minor = ctypes.c_int(1), ctypes.c_int(0)
        if not x.XkbQueryExtension(self.dpy, ctypes.byref(opcode), ctypes.byref(self.base),
                                   ctypes.byref(error), ctypes.byref(major), ctypes.byref(minor)):
            raise RuntimeError("the X server has no XKB")
        x.XkbSelectEvents(self.dpy, ctypes.c_uint(self.XKB_USE_CORE_KBD),
                          ctypes.c_ulong(self.XKB_BELL_NOTIFY_MASK),
                          ctypes.c_ulong(self.XKB_BELL_NOTIFY_MASK))
        x.XSync(self.dpy, 0)
        self.rung = 0
        self.event = (ctypes.c_long * 24)()

    def count(self):
        """Bells rung so far; every bell the server has handled before this call counts."""
        self.x.XSync(self.dpy, 0)
        while self.x.XPending(self.dpy):
            self.x.XNextEvent(self.dpy, ctypes.byref(self.event))
            raw = ctypes.cast(self.event, ctypes.POINTER(ctypes.c_int))
            # XkbAnyEvent: int type; long serial; Bool send_event; Display*; Time; int xkb_type
            if raw[0] == self.base.value and raw[10] == self.XKB_BELL_NOTIFY:
                self.rung += 1
        return self.rung

    def close(self):
        self.x.XCloseDisplay(self.dpy)
