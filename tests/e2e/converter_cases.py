"""The converter window as a user meets it, through the real program: converter_cases.py
<program> <case>."""
import sys

from desktop_session import Failure, Session, main, wait_for

CONVERTER = " Orvane - Amplora Vibration Conversion Program"
CONTACT = "Orvane - Contact Information"
HZ, CPM = "Frequency, Hz", "Frequency, CPM"
ONE_G_PEAK_AT_50 = {
    HZ: "50.0", CPM: "3000.0", "Acceleration, g, rms": "0.707", "Acceleration, g, pk": "1.0",
    "Velocity, in/sec, rms": "0.869", "Velocity, in/sec, peak": "1.23",
    "Velocity, mm/sec, rms": "22.1", "Velocity, mm/sec, peak": "31.2",
    "Displacement, mils, pk - pk": "7.83", "Displacement, mm, pk - pk": "0.199",
    "Acceleration decibels re 1 micro-g, rms (US)": "117.0",
    "Velocity decibels re 10E-8 m/sec, rms (US)": "126.9"}


def convert(s):
    window = s.window(CONVERTER)
    s.type("50")
    s.keys("Return")
    s.expect_texts(window, {HZ: "50.0", CPM: "3000.0"})
    s.keys("Tab", "Tab", "Tab")
    s.type("1")
    s.keys("Return")
    s.expect_texts(window, ONE_G_PEAK_AT_50)
    return window


def road(s):
    convert(s)


def range_message(s):
    window = s.window(CONVERTER)
    s.type("1000000")
    box = s.window("Input Error")
    if not s.control(box, "Entry out of range.  Value must be between  1 and  100000", "label"):
        raise Failure("no range message")
    s.keys("Return")
    s.expect_texts(s.window(CONVERTER), {HZ: "100000"})


def clear(s):
    window = convert(s)
    place = s.Atspi.Component.get_position(window, s.Atspi.CoordType.SCREEN)
    s.click(s.control(window, "Clear", "push button"))
    window = s.window(CONVERTER)
    s.expect_texts(window, {name: "" for name in ONE_G_PEAK_AT_50})
    us = s.control(window, "US", "radio button")
    if not (s.has(us, "CHECKED") and s.has(us, "SENSITIVE")):
        raise Failure("US is not chosen and changeable after Clear")
    moved = s.Atspi.Component.get_position(window, s.Atspi.CoordType.SCREEN)
    if (moved.x, moved.y) != (place.x, place.y):
        raise Failure("Clear moved the window from %r to %r" % (place, moved))


def press(s, window, name):
    """A click on the button, once the wheel has scrolled it into the window's view."""
    view = s.extents(window)
    for _ in range(20):
        box = s.extents(s.control(window, name, "push button"))
        if box.y + box.height < view.y + view.height:
            break
        s.click_at(view.x + view.width // 2, view.y + view.height // 2, button=5)
    s.click(s.control(window, name, "push button"))


def contact_window(s):
    """Beside the converter where the screen has room, else under it once the converter is
    given the focus: boxes, Clear and Exit take clicks; Contact again brings it forward."""
    window = s.window(CONVERTER)
    s.keys("alt+h", "c")
    a, b = s.extents(window), s.extents(s.window(CONTACT))
    covers = a.x < b.x + b.width and b.x < a.x + a.width and a.y < b.y + b.height
    if covers != bool(s.scale) or not wait_for(lambda: s.on_top() == CONTACT):
        raise Failure("the contact window %r, the converter %r" % (b, a))
    if covers:
        s.activate(CONVERTER)
    s.click(s.control(window, HZ, "text"))
    s.type("50")
    s.expect_texts(window, {HZ: "50"})
    press(s, window, "Clear")
    s.expect_texts(window, {HZ: ""})
    s.keys("alt+h", "c")
    if not wait_for(lambda: s.on_top() == CONTACT) or [
            s._try(w.get_name) for w in s.children(s.app)].count(CONTACT) != 1:
        raise Failure("Contact chosen again did not bring the one contact window forward")
    if covers:
        s.activate(CONVERTER)
    press(s, window, "Exit")
    if wait_for(lambda: s.program.poll() is not None and (s.program.returncode,)) != (0,):
        raise Failure("the program ended with %r" % s.program.poll())


def screen_reader(s):
    """The decibel boxes name their reference; a conversion is said once, from the box typed in."""
    window = s.window(CONVERTER)
    for reference, references in (("ISO", ("10E-6 m/sec\u00b2", "10E-9 m/sec")),
                                  ("US", ("1 micro-g", "10E-8 m/sec"))):
        s.click(s.control(window, reference, "radio button"))
        for quantity, level in zip(("Acceleration", "Velocity"), references):
            name = "%s decibels re %s, rms (%s)" % (quantity, level, reference)
            if not wait_for(lambda: s.control(window, name, "text")):
                raise Failure("no decibel box named %r" % name)
    s.click(s.control(window, HZ, "text"))
    said = s.listen("object:property-change:accessible-description")
    convert(s)
    if not s.has(s.control(window, "Acceleration, g, pk", "text"), "FOCUSED"):
        raise Failure("the focus left the box typed in")
    moves = s.listen("object:state-changed:focused", "object:text-caret-moved",
                     "object:text-selection-changed")
    s.keys("Tab")  # the focus moves on: the box's own description comes back
    if not wait_for(lambda: s.heard() and len(said) == 4):
        raise Failure("heard %r" % [text for _, text in said])
    # A screen reader names the box it enters from its focus, which must come first.
    entered = [kind for source, kind in moves
               if s._try(source.get_name) == "Velocity, in/sec, rms"]
    if entered[:1] != ["object:state-changed:focused"]:
        raise Failure("entering in/sec rms reported %r" % entered)
    pair, (box, text), (_, restored) = said[0][1], said[-2], said[-1]
    if pair != "Converted: Frequency, Hz 50.0; Frequency, CPM 3000.0":
        raise Failure("the frequency's ENTER said %r" % pair)
    if not ("0.707" in text and "126.9" in text and text.startswith("Converted: ")) or restored:
        raise Failure("heard %r, then %r" % (text, restored))
    if s._try(box.get_name) != "Acceleration, g, pk":
        raise Failure("said by %r, not by the box typed in" % s._try(box.get_name))


def announcements(s):
    """Copy All Results, Clear and a temperature conversion are each said once."""
    said = s.listen("object:property-change:accessible-description")
    window = convert(s)
    expected = []
    clear = s.control(window, "Clear", "push button")
    for act, words in ((lambda: s.keys("ctrl+shift+c"), "Copied 12 results"),
                       (lambda: s.click(clear), "Form cleared"),
                       (lambda: (s.keys("alt+t"), s.window("Temperature Conversion"),
                                 s.type("100"), s.keys("Return")),
                        "Converted: Fahrenheit 100.0; Celsius 37.8")):
        act()
        expected.append(words)
        if not wait_for(lambda: s.heard() and [t for _, t in said if t][2:] == expected):
            raise Failure("heard %r" % [t for _, t in said if t])


def middle_click(s):
    window = convert(s)
    hz, cpm = s.control(window, HZ, "text"), s.control(window, CPM, "text")
    s.click(cpm, repeat=2)  # the X selection now holds 3000.0
    s.click(hz, button=2)
    s.keys("Tab")
    # A paste lands while the click is handled, before the program takes the TAB after it:
    # once the focus has moved on from Hz, whatever the click did is there to see.
    if not wait_for(lambda: s.running() and s.has(cpm, "FOCUSED")):
        raise Failure("the TAB after the middle click never reached the program")
    if (s.text(hz), s.text(cpm)) != ("50.0", "3000.0"):
        raise Failure("a middle click pasted: Hz %r, CPM %r" % (s.text(hz), s.text(cpm)))


class ContactSession(Session):
    """A desktop with a window manager, on a wide screen or on a laptop's at 150 %."""
    window_manager = True


if __name__ == "__main__":
    cases = {f.__name__: f for f in (road, range_message, clear, middle_click, screen_reader,
                                     announcements)}
    if sys.argv[2] in ("contact_window", "contact_window_at_150"):
        ContactSession.screen, ContactSession.scale = (
            ("1366x768", 1.5) if sys.argv[2].endswith("150") else ("2560x1440", None))
        sys.exit(main({sys.argv[2]: contact_window}, ContactSession))
    sys.exit(main(cases))
