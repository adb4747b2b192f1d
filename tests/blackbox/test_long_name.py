"""The preview of a copy with a long file name ("Globulon Screen Saver.scr") that the host starts
by its short 8.3 alias: the display-settings dialog lists the saver under the long name, and the
preview compares that, not the alias it was started by. Wine makes the alias on request (it keeps
no 8.3 names on disk; `dir /x` lists a mangled "GLOB~NRM.SCR", by which the file opens)."""
import os
import shutil
import subprocess
import unittest

from harness import (DEADLINE, SCR, GlobulonTestCase, PreviewHost, finish, get_setting,
                     picture_changes, wait_until)

LONG_NAME = "Globulon Screen Saver"
FOLDER = r"C:\globtest"


def short_name(folder, name):
    """The 8.3 alias Wine gives the file, as `dir /x` lists it ("" when it lists none)."""
    result = subprocess.run(["wine", "cmd", "/c", "dir", "/x", folder], capture_output=True,
                            text=True)
    for line in result.stdout.splitlines():
        # Date, time, AM/PM, size, short name, long name.
        fields = line.split(None, 5)
        if len(fields) == 6 and fields[5].strip() == name:
            return fields[4]
    return ""


class LongName(GlobulonTestCase):
    def setUp(self):
        super().setUp()
        folder = os.path.join(os.environ["WINEPREFIX"], "drive_c", FOLDER[3:])
        os.makedirs(folder, exist_ok=True)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        shutil.copy(SCR, os.path.join(folder, LONG_NAME + ".scr"))

    def test_a_copy_started_by_its_short_name_previews_while_its_long_name_is_selected(self):
        alias = short_name(FOLDER, LONG_NAME + ".scr")
        self.assertRegex(alias, r"^[^ .]{1,8}\.SCR$", "no 8.3 alias")
        alias = FOLDER + "\\" + alias
        host = PreviewHost("popup", "--entry", LONG_NAME)
        self.addCleanup(host.close)
        process = subprocess.Popen(["wine", alias, "/p", str(host.preview)],
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        self.processes.append(process)
        recorded = wait_until(lambda: get_setting("ActiveSetup") == str(host.preview), DEADLINE)
        self.assertTrue(recorded, "the preview did not start")
        # A preview that took its entry for another saver's ends after its first frame.
        for frame in ("a new frame", "a second new frame"):
            self.assertTrue(picture_changes(host.preview_crop), f"{frame} is missing")
        self.assertIsNone(process.poll(), "the preview ended while its entry was selected")
        host.command("select Other")
        self.assertEqual(finish(process, timeout=DEADLINE), 0)


if __name__ == "__main__":
    unittest.main()
