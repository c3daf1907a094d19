"""The converter on a laptop's 1366x768 screen at 200 %, framed by a window manager: its whole
frame, title bar included, stays on the screen. small_screen.py <program> title_bar"""
import subprocess
import sys

from converter_cases import CONVERTER
from desktop_session import Failure, Session, main, wait_for

WIDTH, HEIGHT = 1366, 768


class LaptopAt200(Session):
    screen, scale, window_manager = "%dx%d" % (WIDTH, HEIGHT), 2, True

    def frame(self, window):
        """The window frame's margins to the screen's edges: left, top, right, bottom."""
        w = self.x.create_resource_object("window", int(window))
        at, size = w.translate_coords(self.x.screen().root, 0, 0), w.get_geometry()
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
