#!/usr/bin/python3
"""Runs the course-data extraction on the small tables beside this file and compares its three
files byte for byte with the ones in expected/. The tables' comments name the cases.

    test_extraction.py <extract_course_data.py>
"""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = sys.argv.pop(1) if len(sys.argv) > 1 else None


class Extraction(unittest.TestCase):
    def test_fixtureTablesGiveTheExpectedFiles(self):
        with tempfile.TemporaryDirectory() as output:
            subprocess.run([sys.executable, SCRIPT,
                            "--words", os.path.join(HERE, "american-english-small"),
                            "--blocklist", os.path.join(HERE, "word-blocklist.txt"),
                            "--pinyin", os.path.join(HERE, "pinyin_simp.dict.yaml"),
                            "--wubi", os.path.join(HERE, "wubi86.dict.yaml"),
                            "--output", output,
                            "--characters", "11", "--two", "3", "--phrases", "2"], check=True)
            self.assertEqual(sorted(os.listdir(output)), ["pinyin.tsv", "words.txt", "wubi86.tsv"])
            for name in os.listdir(output):
                with self.subTest(file=name):
                    with open(os.path.join(output, name), "rb") as f:
                        made = f.read()
                    with open(os.path.join(HERE, "expected", name), "rb") as f:
                        expected = f.read()
                    # Compared as lines first, for a readable difference.
                    self.assertEqual(made.decode("utf-8").split("\n"),
                                     expected.decode("utf-8").split("\n"))
                    self.assertEqual(made, expected)


if __name__ == "__main__":
    if SCRIPT is None:
        sys.exit(__doc__)
    unittest.main()
