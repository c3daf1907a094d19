"""The converter on a laptop's 1366x768 screen at 200 %, framed by a window manager: its whole
frame, title bar included, stays on the screen. small_screen.py <program> title_bar"""
import os
import subprocess
import sys

from converter_cases import CONVERTER
from desktop_session import Failure, Session, main, wait_for

WIDTH, HEIGHT = 1366, 768


class LaptopAt200(Session):
    def _start_display(self):
        from Xlib import display as xlib
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-nolisten", "tcp", "-screen", "0",
                     "%dx%dx24" % (WIDTH, HEIGHT)], pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            display = ":" + pipe.readline().strip()
        self._spawn(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=display))
        self.x = xlib.Display(display)
        self.root = self.x.screen().root
        if not wait_for(lambda: self.root.get_full_property(
                self.x.intern_atom("_NET_SUPPORTING_WM_CHECK"), 0)):
            raise Failure("the window manager did not start")
        os.environ["QT_SCALE_FACTOR"] = "2"
        return dict(DISPLAY=display, QT_QPA_PLATFORM="xcb")

    def frame(self, window):
        """The window frame's margins to the screen's edges: left, top, right, bottom."""
        w = self.x.create_resource_object("window", int(window))
        at, size = w.translate_coords(self.root, 0, 0), w.get_geometry()
        x, y = -at.x, -at.y
        extents = w.get_full_property(self.x.intern_atom("_NET_FRAME_EXTENTS"), 0)
        left, right, top, bottom = extents.value if extents else (0, 0, 0, 0)
        return (x - left, y - top, WIDTH - (x + size.width + right),
                HEIGHT - (y + size.height + bottom))


def title_bar(s):
    s.window(CONVERTER)
    window = subprocess.run(["xdotool", "search", "--pid", str(s.program.pid), "--name",
                             CONVERTER], capture_output=True, text=True).stdout.split()
    if not wait_for(lambda: min(s.frame(window[-1])) >= 0):
        raise Failure("the frame's margins to the screen's edges: %r" % (s.frame(window[-1]),))


if __name__ == "__main__":
    sys.exit(main({"title_bar": title_bar}, LaptopAt200))
