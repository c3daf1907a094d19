"""The converter window as a user meets it: typed input, the boxes it fills, its messages.

    converter_cases.py <program> <case>
"""
import sys

from program import CONVERTER, Failure, checked, enabled, expect, run, showing, text

HZ, CPM = "Frequency, Hz", "Frequency, CPM"
LEVELS = ["Acceleration, g, rms", "Acceleration, g, pk", "Velocity, in/sec, rms",
          "Velocity, in/sec, peak", "Velocity, mm/sec, rms", "Velocity, mm/sec, peak",
          "Displacement, mils, pk - pk", "Displacement, mm, pk - pk", "Acceleration decibels",
          "Velocity decibels"]
US_CAPTIONS = ["AdB re 1 micro-g, rms", "VdB re 10E-8 m/sec, rms"]
ISO_CAPTIONS = ["AdB re 10E-6 m/sec\u00b2, rms", "VdB re 10E-9 m/sec, rms"]

# 1 g peak at 50 Hz, as every box shows it.
ONE_G_PEAK_AT_50 = {"Acceleration decibels": "117.0", "Acceleration, g, rms": "0.707",
                    "Acceleration, g, pk": "1.0", "Velocity, in/sec, rms": "0.869",
                    "Velocity, in/sec, peak": "1.23", "Velocity decibels": "126.9",
                    "Velocity, mm/sec, rms": "22.1", "Velocity, mm/sec, peak": "31.2",
                    "Displacement, mils, pk - pk": "7.83", "Displacement, mm, pk - pk": "0.199"}


def boxes(p, window, names):
    return p.controls(window, names, "text")


def expect_start_up(p, window):
    """Only the frequency boxes take input, every box is empty, US is chosen and changeable."""
    all_boxes = boxes(p, window, [HZ, CPM] + LEVELS)
    expect({n: text(b) for n, b in all_boxes.items()}, {n: "" for n in all_boxes},
           "texts at start")
    expect({n: enabled(b) for n, b in all_boxes.items()},
           {n: n in (HZ, CPM) for n in all_boxes}, "boxes taking input at start")
    us, iso = p.control(window, "US", "radio button"), p.control(window, "ISO", "radio button")
    expect((checked(us), checked(iso), enabled(us), enabled(iso)), (True, False, True, True),
           "reference buttons (US checked, ISO checked, US enabled, ISO enabled)")
    for caption in US_CAPTIONS:
        p.control(window, caption, "label")
    for caption in ISO_CAPTIONS:
        expect(showing(p.control(window, caption, "label", visible=False)), False,
               "ISO caption %r shown" % caption)


def enter_one_g_peak_at_50(p, window, iso=False):
    p.type("50", "enter")
    p.expect_texts(window, {HZ: "50.0", CPM: "3000.0"})
    expect(all(enabled(b) for b in boxes(p, window, LEVELS).values()), True,
           "amplitude boxes open after the frequency")
    p.keys("tab", "tab", "tab")  # CPM, g rms, g pk
    p.type("1", "enter")
    # The ISO references are a tenth of the US ones: 20 dB more.
    iso_decibels = {"Acceleration decibels": "137.0", "Velocity decibels": "146.9"}
    p.expect_texts(window, dict(ONE_G_PEAK_AT_50, **(iso_decibels if iso else {})))


def start_up(p):
    window = p.window(CONVERTER)
    expect_start_up(p, window)
    # The keyboard starts in the Hz box: what is typed lands there.
    p.type("7")
    p.expect_text(p.control(window, HZ, "text"), "7")


def conversion(p):
    window = p.window(CONVERTER)
    enter_one_g_peak_at_50(p, window)
    expect(all(enabled(b) for b in boxes(p, window, [HZ, CPM] + LEVELS).values()), True,
           "every box open after a conversion")


def range_error(p):
    window = p.window(CONVERTER)
    hz = p.control(window, HZ, "text")
    p.type("1000000")
    box = p.window("Input Error")
    p.control(box, "Entry out of range.  Value must be between  1 and  100000", "label")
    p.keys("enter")
    p.wait_closed("Input Error")
    window = p.window(CONVERTER)
    p.expect_text(hz, "100000")
    # The refused digit never arrives later either: ENTER takes the five zeros.
    p.keys("enter")
    p.expect_texts(window, {HZ: "100000.0", CPM: "6000000.0"})
    expect(p.bell.count(), 0, "bells rung for a range message")


def refused_key(p):
    window = p.window(CONVERTER)
    hz = p.control(window, HZ, "text")
    p.type("5")
    p.expect_text(hz, "5")
    p.type("a")
    p.expect_bells(1)
    p.type("+")
    p.expect_bells(2)
    p.keys("enter")
    p.expect_texts(window, {HZ: "5.0", CPM: "300.0"})


def frequency_change(p):
    window = p.window(CONVERTER)
    enter_one_g_peak_at_50(p, window)
    # Back into the Hz box with the mouse: any key in the g pk box would lock the others.
    p.click(p.control(window, HZ, "text"))
    p.keys("end", "shift+home")
    p.type("100")
    derived = [n for n in LEVELS if n.startswith(("Velocity", "Displacement"))]
    p.expect_texts(window, dict({CPM: ""}, **{n: "" for n in derived}))
    expect([n for n, b in boxes(p, window, [CPM] + LEVELS).items() if enabled(b)], [],
           "boxes open while the frequency is typed")
    p.keys("enter")
    # Velocity and displacement follow from the 0.707 g rms shown, acceleration stays.
    p.expect_texts(window, {HZ: "100.0", CPM: "6000.0", "Acceleration, g, rms": "0.707",
                            "Acceleration, g, pk": "1.0", "Acceleration decibels": "117.0",
                            "Velocity, in/sec, rms": "0.434", "Velocity, in/sec, peak": "0.614",
                            "Velocity, mm/sec, rms": "11.0", "Velocity, mm/sec, peak": "15.6",
                            "Velocity decibels": "120.8", "Displacement, mils, pk - pk": "1.96",
                            "Displacement, mm, pk - pk": "0.0497"})


def iso_reference(p):
    window = p.window(CONVERTER)
    us, iso = p.control(window, "US", "radio button"), p.control(window, "ISO", "radio button")
    p.click(iso)
    for caption in ISO_CAPTIONS:
        p.control(window, caption, "label")
    for caption in US_CAPTIONS:
        expect(showing(p.control(window, caption, "label", visible=False)), False,
               "US caption %r shown under ISO" % caption)
    expect((checked(us), checked(iso)), (False, True), "reference buttons (US, ISO)")
    p.click(p.control(window, HZ, "text"))
    p.type("100", "enter")
    p.expect_texts(window, {HZ: "100.0", CPM: "6000.0"})
    expect((enabled(us), enabled(iso)), (False, False), "reference buttons open after a frequency")
    p.keys("tab", "tab")  # CPM, g rms
    p.type("1", "enter")
    p.expect_texts(window, {"Acceleration, g, rms": "1.0", "Acceleration decibels": "140.0",
                            "Velocity, in/sec, rms": "0.614", "Velocity decibels": "143.9"})


def clear(p):
    window = p.window(CONVERTER)
    p.click(p.control(window, "ISO", "radio button"))
    p.click(p.control(window, HZ, "text"))
    enter_one_g_peak_at_50(p, window, iso=True)
    old = p.x.window(p.proc.pid, CONVERTER).id
    p.click(p.control(window, "Clear", "push button"))

    # The old window goes and a new one comes; only one converter window is left.
    def rebuilt():
        tops = [(w.id, t) for w, t in p.x.toplevels(p.proc.pid)]
        return len(tops) == 1 and tops[0][0] != old and tops[0][1] == CONVERTER

    if not p.wait_until(rebuilt):
        raise Failure("windows after Clear: %r" % p.x.toplevels(p.proc.pid))
    window = p.window(CONVERTER)
    expect_start_up(p, window)
    p.type("50", "enter")
    p.expect_texts(window, {HZ: "50.0", CPM: "3000.0"})


CASES = {f.__name__: f for f in (start_up, conversion, range_error, refused_key,
                                 frequency_change, iso_reference, clear)}

if __name__ == "__main__":
    sys.exit(run(CASES, sys.argv))
