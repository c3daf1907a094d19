"""The converter on a laptop's 1366x768 screen at 200 %, framed by a window manager: its whole
frame, title bar included, stays on the screen. small_screen.py <program> title_bar"""
import os
import re
import subprocess
import sys

from converter_cases import CONVERTER
from desktop_session import Failure, Session, main, wait_for

WIDTH, HEIGHT = 1366, 768


class LaptopAt200(Session):
    def _start_display(self):
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-nolisten", "tcp", "-screen", "0",
                     "%dx%dx24" % (WIDTH, HEIGHT)], pass_fds=(write_fd,))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            self.display = ":" + pipe.readline().strip()
        self._spawn(["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=self.display))
        if not wait_for(lambda: "window id" in self._x("xprop", "-root",
                                                       "_NET_SUPPORTING_WM_CHECK")):
            raise Failure("the window manager did not start")
        os.environ["QT_SCALE_FACTOR"] = "2"
        return dict(DISPLAY=self.display, QT_QPA_PLATFORM="xcb")

    def _x(self, *command):
        return subprocess.run(command, capture_output=True, text=True,
                              env=dict(os.environ, DISPLAY=self.display)).stdout

    def frame(self, window):
        """The window frame's margins to the screen's edges: left, top, right, bottom."""
        info = self._x("xwininfo", "-id", window)
        x, y, w, h = (int(re.search(r"%s:\s+(-?\d+)" % key, info).group(1)) for key in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        extents = re.findall(r"\d+", self._x("xprop", "-id", window, "_NET_FRAME_EXTENTS"))
        left, right, top, bottom = map(int, extents) if len(extents) == 4 else (0, 0, 0, 0)
        return x - left, y - top, WIDTH - (x + w + right), HEIGHT - (y + h + bottom)


def title_bar(s):
    s.window(CONVERTER)
    window = s._x("xdotool", "search", "--pid", str(s.program.pid), "--name", CONVERTER).split()
    if not wait_for(lambda: min(s.frame(window[-1])) >= 0):
        raise Failure("the frame's margins to the screen's edges: %r" % (s.frame(window[-1]),))


if __name__ == "__main__":
    sys.exit(main({"title_bar": title_bar}, LaptopAt200))
