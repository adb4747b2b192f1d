"""Start-up of the real program: the password switch, odd command lines, a second copy."""
import time
import unittest

from harness import GlobulonTestCase, finish, settings_exist, visible_windows


class PasswordRequest(GlobulonTestCase):
    def test_password_switch_beeps_and_ends_without_window_or_setting(self):
        for args in (["/a"], ["/A", "590"]):
            began = time.monotonic()
            process = self.start(*args)
            self.assertEqual(finish(process, timeout=10), 0, args)
            self.assertLess(time.monotonic() - began, 5, args)
            self.assertEqual(visible_windows("."), [], args)
            self.assertFalse(settings_exist(), args)


class HostileCommandLines(GlobulonTestCase):
    def test_garbage_and_huge_handles_end_cleanly(self):
        for args in (["/p", "9" * 400], ["/p", "-" * 3000], ["/p", "&HFFFFFFFFFFFF"],
                     ["/P590"], ["/A", "\u00e9\u4e2d" * 500]):
            process = self.start(*args)
            self.assertEqual(finish(process, timeout=15), 0, args[:1])


if __name__ == "__main__":
    unittest.main()
