"""The settings dialog of the real program ("/c"): what it shows at first, what OK, Cancel and
closing store, and a second "/c" bringing the open dialog back."""
import os
import subprocess
import time
import unittest

from harness import (DEADLINE, TITLE, GlobulonTestCase, LinkRecorder, ScreenReader, ToolLines,
                     control_rects, count_color, finish, focused_control, get_setting, menu_open,
                     pointer_hot_spot, run_wine_tool, screenshot, set_setting, settings_exist,
                     visible_windows, wait_until, window_geometry, window_texts, xdotool)

DIALOG = f"^{TITLE}$"
KEYS = ("ColorFixed", "ColorRandom", "BlackScreen", "MouseMove")
USED_KEYS = ("alt+o", "alt+c", "alt+d", "alt+m", "alt+r", "alt+g", "alt+b", "alt+space",
             "Return", "Escape", "alt+F4", "Up", "Down", "Home", "End", "Tab", "shift+Tab", "n")
# Control ids of the options, the colour lists and the swatch.
RANDOM, RED_LIST, GREEN_LIST, BLUE_LIST, SWATCH = 102, 105, 107, 109, 111
OK, CANCEL = 1, 2
PICKER_BASIC_COLOURS = 720  # the basic colours of the system's colour dialog
# The About box's text, its mail and web links, and the links' colour.
ABOUT_TEXT, MAIL_LINK, WEB_LINK, LINK_BLUE = 101, 103, 104, (0, 0, 255)


def hand_hot_spot():
    """The hot spot of the program's hand pointer, as its cursor file gives it."""
    cursor = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "hand.cur")
    with open(cursor, "rb") as file:
        entry = file.read(22)[6:]  # the first picture's entry in the file's directory
    return int.from_bytes(entry[4:6], "little"), int.from_bytes(entry[6:8], "little")


def underlined(rect):
    """True when a row of the link on the screen is link blue from edge to edge: its underline."""
    left, top, right, bottom = rect
    reader = ScreenReader()
    pixels = reader.pixels(left, top, right - left, bottom - top)
    reader.close()
    width = right - left
    return any(pixels[i:i + width].count(LINK_BLUE) > width * 9 // 10
               for i in range(0, len(pixels), width))


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def setUpModule():
    # The first Wine program of a fresh wineserver starts Wine's services, which keep the
    # standard handles they were given: start them here with none, so that no later pipe of a
    # test is held open by them.
    subprocess.run(["wine", "reg", "query", r"HKCU\Software"], stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # On a fresh display the first keys xdotool sends reach a running Wine program as other
    # keys (Alt arrived as an "m"). Sent once before any Wine window exists, they go nowhere.
    if not visible_windows("."):
        for key in USED_KEYS:
            xdotool("key", key)


class SetupDialogCase(GlobulonTestCase):
    def open_dialog(self, *args):
        """Starts the program with "/c" and returns (process, X window) once the dialog shows."""
        process = self.start(*(args or ("/c",)))
        windows = wait_until(lambda: visible_windows(DIALOG), timeout=DEADLINE)
        self.assertEqual(len(windows), 1, "the settings dialog did not open")
        xdotool("windowfocus", "--sync", windows[0])
        # Keys are for a dialog that has put the focus on its first control.
        self.assertTrue(wait_until(lambda: focused_control(TITLE), DEADLINE),
                        "no control of the dialog has the focus")
        return process, windows[0]

    def press(self, *keys):
        """Keys for the dialog, which has the keyboard since open_dialog. The X server hands
        them to Wine in order, as it does a person's."""
        for key in keys:
            self.assertIn(key, USED_KEYS)
        xdotool("key", *keys)

    def stored(self):
        return {key: get_setting(key) for key in KEYS}

    def open_about(self):
        """"About..." from the open dialog's system menu (its last entry); returns once the box
        shows and has the focus."""
        self.press("alt+space")
        self.assertTrue(wait_until(lambda: menu_open(TITLE), DEADLINE), "no system menu")
        self.press("Up", "Return")
        self.assertTrue(wait_until(lambda: focused_control("About"), DEADLINE),
                        "no About box with the focus")

    def swatch_shows(self, rgb):
        """True once most of the swatch is painted in the colour; False when it is not within
        DEADLINE."""
        left, top, right, bottom = control_rects(TITLE)[0][SWATCH]
        crop = (right - left - 4, bottom - top - 4, left + 2, top + 2)
        return wait_until(lambda: count_color(screenshot(), rgb, crop) > crop[0] * crop[1] // 2,
                          DEADLINE)


class FirstRun(SetupDialogCase):
    def test_ok_stores_random_colours_black_screen_and_no_mouse(self):
        process, _ = self.open_dialog()
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "", "ColorRandom": "1",
                                         "BlackScreen": "True", "MouseMove": "False"})

    def test_access_keys_change_what_ok_stores(self):
        process, _ = self.open_dialog()
        # "&Only one color" starts from black; "&Delete Screen" cleared; "&Mouse sensitivity" set.
        self.press("alt+o", "alt+d", "alt+m", "Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "0,0,0", "ColorRandom": "0",
                                         "BlackScreen": "False", "MouseMove": "True"})


class StoredFixedColour(SetupDialogCase):
    def test_dialog_shows_the_colour_and_ok_stores_it_back(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "10,20,30")
        set_setting("BlackScreen", "0")
        process, _ = self.open_dialog()
        shot = screenshot()
        # The swatch is about 65 x 41 pixels in the stored colour.
        self.assertGreater(count_color(shot, (10, 20, 30)), 1500)
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "10,20,30", "ColorRandom": "0",
                                         "BlackScreen": "False", "MouseMove": "False"})


class ColourOptions(SetupDialogCase):
    def test_random_colours_and_back_bring_the_stored_colour_and_checks_back(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "255,128,0")
        process, _ = self.open_dialog()
        # "&Delete Screen" cleared, then "Random &Colors": the lists take no input, and the
        # option is the group's tab stop.
        self.press("alt+d", "alt+c", "Tab")
        self.assertTrue(wait_until(lambda: focused_control(TITLE) == OK, DEADLINE),
                        "Tab did not skip the lists")
        self.press("shift+Tab")
        self.assertTrue(wait_until(lambda: focused_control(TITLE) == RANDOM, DEADLINE),
                        "the random option is no tab stop")
        self.assertTrue(self.swatch_shows((255, 255, 255)))
        # "&Only one color" brings back what is stored, "Delete Screen" ticked as it was.
        self.press("alt+o", "Tab")
        self.assertTrue(wait_until(lambda: focused_control(TITLE) == RED_LIST, DEADLINE),
                        "the lists take no input again")
        self.assertTrue(self.swatch_shows((255, 128, 0)))
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "255,128,0", "ColorRandom": "0",
                                         "BlackScreen": "True", "MouseMove": "False"})


class PickingColours(SetupDialogCase):
    """The colour lists as the user works them: the mouse in an open list, keys on a closed one."""

    def pick_with_the_mouse(self, list_id, rows_down):
        """Opens the list with its arrow and clicks the entry rows_down below the top one shown;
        returns that entry's value."""
        left, top, right, bottom = control_rects(TITLE)[0][list_id]
        xdotool("mousemove", right - 8, (top + bottom) // 2, "click", 1)
        open_list = wait_until(lambda: control_rects(TITLE)[1], timeout=DEADLINE)
        self.assertIsNotNone(open_list, "the list did not open")
        list_left, list_top, list_right, _, item_height, top_index = open_list
        y = list_top + 1 + rows_down * item_height + item_height // 2
        xdotool("mousemove", (list_left + list_right) // 2 - 10, y, "click", 1)
        self.assertTrue(wait_until(lambda: control_rects(TITLE)[1] is None, DEADLINE),
                        "the pick did not close the list")
        return top_index + rows_down

    def test_a_mouse_pick_in_each_open_list_is_kept_and_stored(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "10,20,30")
        process, _ = self.open_dialog()
        picked = [self.pick_with_the_mouse(list_id, rows)
                  for list_id, rows in ((RED_LIST, 5), (GREEN_LIST, 9), (BLUE_LIST, 24))]
        self.assertEqual(picked, [15, 29, 54])
        self.assertTrue(self.swatch_shows(tuple(picked)))
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(get_setting("ColorFixed"), "15,29,54")

    def test_keys_on_a_closed_list_select_the_entry(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "10,20,30")
        process, _ = self.open_dialog()
        self.press("alt+g", *["Down"] * 5, "alt+b", "End", "alt+r", "Home")
        self.assertTrue(self.swatch_shows((0, 25, 255)))
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(get_setting("ColorFixed"), "0,25,255")

    def test_keys_reach_the_same_list_after_another_program_had_the_foreground(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "10,20,30")
        process, dialog = self.open_dialog()
        self.press("alt+g")
        taker = ToolLines("foreground_taker.exe")
        self.addCleanup(taker.close)
        took = taker.wait_for(lambda line: line.startswith("foreground="), timeout=DEADLINE)
        self.assertEqual(took, "foreground=1", "the tool did not get the foreground")
        # A click on the dialog's bare corner brings it back: the focus is where the user left it.
        x, y, _, height = window_geometry(dialog)
        xdotool("mousemove", x + 4, y + height - 4, "click", 1)
        self.assertTrue(wait_until(lambda: focused_control(TITLE) == GREEN_LIST, DEADLINE),
                        "the focus did not come back to the list")
        self.press("Down", "Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(get_setting("ColorFixed"), "10,21,30")

    def test_the_swatch_opens_the_picker_and_its_colour_fills_the_lists(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "10,20,30")
        process, _ = self.open_dialog()
        left, top, right, bottom = control_rects(TITLE)[0][SWATCH]
        xdotool("mousemove", (left + right) // 2, (top + bottom) // 2, "click", 1)
        self.assertTrue(wait_until(lambda: PICKER_BASIC_COLOURS in control_rects("Set Color")[0],
                                   timeout=DEADLINE), "the colour picker did not open")
        # Pure red, the first of the second row of the picker's eight-by-six basic colours.
        left, top, right, bottom = control_rects("Set Color")[0][PICKER_BASIC_COLOURS]
        xdotool("mousemove", left + (right - left) // 16, top + 3 * (bottom - top) // 12,
                "click", 1)
        self.press("Return")
        self.assertTrue(wait_until(lambda: not visible_windows("^Set Color$"), timeout=DEADLINE))
        self.assertTrue(self.swatch_shows((255, 0, 0)))
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(get_setting("ColorFixed"), "255,0,0")

    def test_one_number_alone_shows_the_white_the_saver_draws(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "12")
        process, _ = self.open_dialog()
        self.assertTrue(self.swatch_shows((255, 255, 255)))
        self.press("alt+r", "Home", *["Down"] * 5)
        self.assertTrue(self.swatch_shows((5, 255, 255)))
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(get_setting("ColorFixed"), "5,255,255")


class Keys(SetupDialogCase):
    def test_tab_moves_the_focus_and_enter_presses_the_focused_button(self):
        set_setting("ColorRandom", "0")
        set_setting("ColorFixed", "1,2,3")
        process, _ = self.open_dialog()
        # From the blue list, Tab goes to OK and then to Cancel, which Enter then presses.
        self.press("alt+b", "Tab")
        self.assertTrue(wait_until(lambda: focused_control(TITLE) == OK, DEADLINE), "not on OK")
        self.press("Tab")
        self.assertTrue(wait_until(lambda: focused_control(TITLE) == CANCEL, DEADLINE),
                        "not on Cancel")
        self.press("Return")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(self.stored(), {"ColorFixed": "1,2,3", "ColorRandom": "0",
                                         "BlackScreen": None, "MouseMove": None})


class LeavingWithoutOk(SetupDialogCase):
    def test_escape_stores_nothing(self):
        process, _ = self.open_dialog()
        self.press("alt+o", "alt+d", "Escape")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertFalse(settings_exist())

    def test_closing_the_window_stores_nothing(self):
        set_setting("ColorRandom", "1")
        process, _ = self.open_dialog()
        self.press("alt+m", "alt+F4")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertEqual(self.stored(), {"ColorFixed": None, "ColorRandom": "1",
                                         "BlackScreen": None, "MouseMove": None})

    def test_end_task_closes_the_dialog_and_stores_nothing(self):
        process, _ = self.open_dialog()
        self.press("alt+m")
        # taskkill without /f asks the program's windows to close, as "End task" does.
        run_wine_tool("wine", "taskkill", "/im", "globulon.scr")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertFalse(settings_exist())


class SecondCopy(SetupDialogCase):
    def test_second_configure_hands_over_to_the_open_dialog(self):
        first, window = self.open_dialog()
        began = time.monotonic()
        second = self.start("/c")
        self.assertEqual(finish(second, timeout=DEADLINE), 0)
        self.assertLess(time.monotonic() - began, DEADLINE)
        self.assertIsNone(first.poll(), "the open dialog must stay")
        self.assertEqual(visible_windows(DIALOG), [window])
        self.press("Escape")
        self.assertEqual(finish(first, timeout=DEADLINE), 0)

    def test_second_configure_restores_a_minimised_dialog(self):
        first, window = self.open_dialog()
        size = window_geometry(window)[2:]

        def shown_whole():
            return window in visible_windows(DIALOG) and window_geometry(window)[2:] == size

        # "Minimize" from the system menu: the dialog goes, or shrinks to its caption.
        self.press("alt+space")
        self.assertTrue(wait_until(lambda: menu_open(TITLE), DEADLINE), "no system menu")
        self.press("n")
        self.assertTrue(wait_until(lambda: not shown_whole(), DEADLINE),
                        "the dialog was not minimised")
        self.assertEqual(finish(self.start("/c"), timeout=DEADLINE), 0)
        self.assertTrue(wait_until(shown_whole, DEADLINE), "the dialog did not come back")
        self.assertEqual(visible_windows(DIALOG), [window])
        self.assertIsNone(first.poll(), "the open dialog must stay")
        self.assertTrue(wait_until(lambda: focused_control(TITLE), DEADLINE))
        self.press("Escape")
        self.assertEqual(finish(first, timeout=DEADLINE), 0)

    def test_hand_over_brings_the_open_about_box_forward_not_the_dialog_behind_it(self):
        first, _ = self.open_dialog()
        self.press("alt+m")  # "Mouse sensitivity" ticked, then the About box
        self.open_about()
        self.assertEqual(finish(self.start("/c"), timeout=DEADLINE), 0)
        # Enter belongs to the About box, which the hand-over brought forward with its focus:
        # it closes the box and leaves the dialog unsaved.
        self.assertTrue(wait_until(lambda: focused_control("About"), DEADLINE),
                        "the About box has no focus")
        self.press("Return")
        self.assertTrue(wait_until(lambda: not window_texts("About"), timeout=DEADLINE))
        self.assertIsNone(first.poll(), "the dialog must stay open")
        self.assertFalse(settings_exist())
        self.press("Escape")
        self.assertEqual(finish(first, timeout=DEADLINE), 0)


class AboutLinks(SetupDialogCase):
    def test_the_links_follow_the_pointer_and_any_button_opens_one(self):
        web = LinkRecorder(self, "https")
        process, _ = self.open_dialog()
        self.open_about()
        controls = control_rects("About")[0]
        on_text = (controls[ABOUT_TEXT][0] + 4, controls[ABOUT_TEXT][1] + 4)
        hand = hand_hot_spot()
        # A click on the text opens nothing: the box stays for what follows.
        xdotool("mousemove", *on_text, "click", 1)
        # Over a link: that link underlined, the other plain, the program's hand pointer.
        for hovered, other in ((MAIL_LINK, WEB_LINK), (WEB_LINK, MAIL_LINK)):
            xdotool("mousemove", *centre(controls[hovered]))
            self.assertTrue(wait_until(lambda: underlined(controls[hovered]) and
                                       not underlined(controls[other]) and
                                       pointer_hot_spot() == hand, DEADLINE), hovered)
        # Back on the text: both plain, the arrow again.
        xdotool("mousemove", *on_text)
        self.assertTrue(wait_until(lambda: not underlined(controls[MAIL_LINK]) and
                                   not underlined(controls[WEB_LINK]) and
                                   pointer_hot_spot() != hand, DEADLINE))
        address = next(text for text in window_texts("About") if text.startswith("https://"))
        # A right click opens the site (with its final "/"), closes the box and ends the
        # program, storing nothing.
        xdotool("mousemove", *centre(controls[WEB_LINK]), "click", 3)
        self.assertEqual(finish(process, timeout=DEADLINE), 0)
        self.assertTrue(wait_until(web.starts, DEADLINE), "the web link did not open")
        self.assertEqual(web.starts(), [("Default", address + "/")])
        self.assertFalse(settings_exist())


if __name__ == "__main__":
    unittest.main()
