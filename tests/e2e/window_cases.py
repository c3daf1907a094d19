"""The windows the converter's menus open, and the ways out of the program.

    window_cases.py <program> <case>
"""
import sys

from program import CONVERTER, Failure, expect, run, text

TEMPERATURE = "Temperature Conversion"
HELP = "Amplora Operation"
TUTORIAL = "Vibration Level Conversion Tutorial"
ABOUT = "About Amplora"
CONTACT = "Orvane - Contact Information"
FAHRENHEIT, CELSIUS = "Degrees Fahrenheit", "Degrees Celsius"


def from_help_menu(p, key):
    """Opens the Help menu from the keyboard and chooses the entry with this access key."""
    window = p.window(CONVERTER)
    p.keys("alt+h")
    menu = p.control(window, "Help", "menu item")
    if not p.wait_until(lambda: p.visible(menu, "About", "menu item")):
        raise Failure("the Help menu did not open")
    p.keys(key)


def converter_still_works(p):
    window = p.window(CONVERTER)
    p.type("50", "enter")
    p.expect_texts(window, {"Frequency, Hz": "50.0", "Frequency, CPM": "3000.0"})


def temperature(p):
    p.window(CONVERTER)
    p.keys("alt+t")
    window = p.window(TEMPERATURE)
    p.control(window, "\u00b0F", "label")
    p.control(window, "\u00b0C", "label")
    f, c = p.control(window, FAHRENHEIT, "text"), p.control(window, CELSIUS, "text")
    expect((text(f), text(c)), ("", ""), "temperature boxes when the window opens")
    p.keys("tab")  # from Fahrenheit, where the window starts, to Celsius
    p.type("100", "enter")
    p.expect_text(f, "212.0")
    # Leaving a box converts it: back to Fahrenheit, whose text is selected and replaced.
    p.keys("shift+tab")
    p.type("98.6", "tab")
    p.expect_text(c, "37.0")
    p.expect_text(f, "98.6")
    p.click(p.control(window, "Ok", "push button"))
    p.wait_closed(TEMPERATURE)
    converter_still_works(p)


def about_escape(p):
    from_help_menu(p, "a")
    window = p.window(ABOUT)
    p.control(window, "Amplora ", "label")
    p.control(window, "Version 2.0.1", "label")
    p.keys("esc")
    p.wait_closed(ABOUT)
    converter_still_works(p)


def help_and_tutorial(p):
    from_help_menu(p, "o")
    window = p.window(HELP)
    p.control(window, "Enter another vibration level or frequency to make another conversion.",
              "label")
    p.click(p.control(window, "OK", "push button"))
    p.wait_closed(HELP)

    from_help_menu(p, "t")
    window = p.window(TUTORIAL)
    third = [n for n in p.label_names(window) if n.startswith("Decibel levels are logarithmic")]
    expect(len(third), 1, "tutorial paragraphs on decibels")
    expect(third[0].count("m/sec\u00b2 rms"), 2, "acceleration references with m/sec\u00b2")
    p.click(p.control(window, "Ok", "push button"))
    p.wait_closed(TUTORIAL)
    converter_still_works(p)


def contact_then_exit(p):
    from_help_menu(p, "c")
    window = p.window(CONTACT)
    p.control(window, "Orvane - Orvane Instruments, Inc", "label")
    # Not modal: the converter goes on working beside it.
    converter_still_works(p)
    expect(sorted(p.titles()), sorted([CONVERTER, CONTACT]), "windows open")
    p.expect_exit()
    p.click(p.control(p.window(CONVERTER), "Exit", "push button"))
    expect(p.wait_exit(), 0, "exit status")


def exit_button(p):
    window = p.window(CONVERTER)
    p.expect_exit()
    p.click(p.control(window, "Exit", "push button"))
    expect(p.wait_exit(), 0, "exit status")


def exit_menu(p):
    window = p.window(CONVERTER)
    p.keys("alt+f")
    menu = p.control(window, "File", "menu item")
    if not p.wait_until(lambda: p.visible(menu, "Exit", "menu item")):
        raise Failure("the File menu did not open")
    p.expect_exit()
    p.keys("e")
    expect(p.wait_exit(), 0, "exit status")


CASES = {f.__name__: f for f in (temperature, about_escape, help_and_tutorial, contact_then_exit,
                                 exit_button, exit_menu)}

if __name__ == "__main__":
    sys.exit(run(CASES, sys.argv))
