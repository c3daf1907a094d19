"""Starts the built program on a private X server and finds its window by its caption."""
import subprocess
import sys

from xserver import XServer, wait_for

CAPTION = " Orvane - Amplora Vibration Conversion Program"


def window_with_caption(env):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "Amplora Vibration"],
                           env=env, capture_output=True, text=True).stdout.split()
    for wid in found:
        name = subprocess.run(["xdotool", "getwindowname", wid], env=env,
                              capture_output=True, text=True).stdout.rstrip("\n")
        if name == CAPTION:
            return wid
    return None


def main(program):
    with XServer() as x:
        env = x.env()
        app = subprocess.Popen([program], env=env)
        try:
            wid = wait_for(lambda: window_with_caption(env))
            if not wid:
                print("no window captioned %r appeared" % CAPTION)
                return 1
            if app.poll() is not None:
                print("the program ended by itself")
                return 1
            print("found window", wid)
            return 0
        finally:
            app.terminate()
            app.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
