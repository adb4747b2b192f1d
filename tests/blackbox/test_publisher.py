"""One publisher: the company the program's version record names (Explorer's Details tab) is the
Manufacturer the installer writes into Add/Remove Programs, in both places the package names it."""
import os
import re
import unittest

from harness import SCR

WXS = os.path.join(os.path.dirname(__file__), "..", "..", "packaging", "globulon.wxs")


def version_string(program, key):
    """A value of the version record's string table, read from the program's bytes: the key in
    UTF-16, padded to a 32-bit boundary, then the value up to its terminating zero."""
    with open(program, "rb") as file:
        data = file.read()
    found = data.find((key + "\0").encode("utf-16-le"))
    if found < 0:
        return None
    start = found + 2 * (len(key) + 1)
    start += (4 - start % 4) % 4
    end = start
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[start:end].decode("utf-16-le")


class Publisher(unittest.TestCase):
    def test_the_version_record_and_the_installer_name_one_publisher(self):
        with open(WXS, encoding="utf-8") as file:
            manufacturers = set(re.findall(r'Manufacturer="([^"]+)"', file.read()))
        self.assertEqual(len(manufacturers), 1, manufacturers)
        company = version_string(SCR, "CompanyName")
        self.assertEqual({company}, manufacturers)
        self.assertIn(company, version_string(SCR, "LegalCopyright"))


if __name__ == "__main__":
    unittest.main()
