#!/usr/bin/env python3
"""scripts/ts-tool run as a program on a small string table in a temp folder.

TS_TOOL names the script; LRELEASE, when set, is used to compile what
`make` writes, as the build does.
"""

import os
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

TS_TOOL = os.environ.get("TS_TOOL", os.path.join(os.path.dirname(__file__), "..", "..",
                                                  "scripts", "ts-tool"))
LRELEASE = os.environ.get("LRELEASE")

# A table in the shape of strtab.cpp: shared texts, escapes, split literals.
TABLE = r'''
#define STR_ENTRY(id, text) { id, #id, text }
constexpr Entry kEntries[] = {
    // 0
    STR_ENTRY(first, "Open"),
    STR_ENTRY(second, "Save %1 as %2"),
    STR_ENTRY(third, "Open"),
    STR_ENTRY(fourth, "Tom & Jerry <b>\"quoted\"</b> 'apos'"),
    STR_ENTRY(fifth, "Long\u200bname"),
    STR_ENTRY(sixth, "Split "
                     "literal"),
    STR_ENTRY(seventh, "caf\xc3\xa9"),
};
'''
SOURCES = ["Open", "Save %1 as %2", "Tom & Jerry <b>\"quoted\"</b> 'apos'",
           "Long\u200bname", "Split literal", "caf\u00e9"]
TRANSLATIONS = ["Offnen", "%2 als %1 speichern", "Tom & Jerry <i>\"zitiert\"</i> 'apos'",
                "Langer\u200bName", "Geteiltes Literal", "Caf\u00e9"]


def run_tool(*args):
    return subprocess.run([sys.executable, TS_TOOL] + list(args), capture_output=True,
                          text=True, encoding="utf-8")


class TsToolCase(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="ts-tool-test.")
        self.table = self.path("strtab.cpp")
        self.write(self.table, TABLE)

    def tearDown(self):
        self.tmp.cleanup()

    def path(self, name):
        return os.path.join(self.tmp.name, name)

    def write(self, path, content, newline="\n"):
        with open(path, "w", encoding="utf-8", newline=newline) as f:
            f.write(content)

    def read(self, path):
        with open(path, encoding="utf-8") as f:
            return f.read()

    def tool(self, *args):
        return run_tool("--table", self.table, *args)

    def write_tsv(self, rows, name="in.tsv", newline="\n"):
        path = self.path(name)
        self.write(path, "".join("%s\t%s\n" % row for row in rows), newline)
        return path

    def make(self, rows, code="ger", **kwargs):
        output = self.path(code + ".ts")
        result = self.tool("make", code, self.write_tsv(rows, **kwargs), "--output", output)
        return result, output

    def assert_fails_with(self, result, fragment):
        self.assertEqual(result.returncode, 1, result.stdout + result.stderr)
        self.assertIn(fragment, result.stderr)


class SourcesTest(TsToolCase):
    def test_prints_distinct_texts_in_order_of_first_use(self):
        result = self.tool("sources")
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, "".join(s + "\n" for s in SOURCES))

    def test_reports_unreadable_tables(self):
        cases = {
            "missing table": (None, "cannot read the string table"),
            "no entries": ("int x;\n", "no STR_ENTRY lines found"),
            "unknown escape": ('STR_ENTRY(a, "bad \\q escape"),\n', "unknown escape sequence"),
            "invalid UTF-8": ('STR_ENTRY(a, "\\xff"),\n', "not valid UTF-8"),
        }
        for name, (content, fragment) in cases.items():
            with self.subTest(name):
                if content is None:
                    os.unlink(self.table)
                else:
                    self.write(self.table, content)
                self.assert_fails_with(self.tool("sources"), fragment)


class MakeTest(TsToolCase):
    def test_writes_a_catalogue_that_check_and_lrelease_accept(self):
        result, output = self.make(list(zip(SOURCES, TRANSLATIONS)))
        self.assertEqual(result.returncode, 0, result.stderr)
        root = ET.parse(output).getroot()
        self.assertEqual(root.get("language"), "de_DE")
        self.assertEqual([c.findtext("name") for c in root.findall("context")], ["global"])
        messages = root.findall("context/message")
        self.assertEqual([m.findtext("source") for m in messages], SOURCES)
        self.assertEqual([m.findtext("translation") for m in messages], TRANSLATIONS)
        for message in messages:
            self.assertEqual(message.findtext("comment"), "")
            self.assertIsNone(message.find("translation").get("type"))
        self.assertNotIn("<b>", self.read(output))  # escaped, not markup

        check = self.tool("check", output)
        self.assertEqual(check.returncode, 0, check.stderr)
        self.assertIn("6 messages OK", check.stdout)

        if not LRELEASE:
            self.skipTest("LRELEASE not set")
        compiled = subprocess.run([LRELEASE, output, "-qm", self.path("ger.qm")],
                                  capture_output=True, text=True)
        self.assertEqual(compiled.returncode, 0, compiled.stderr)
        self.assertIn("Generated 6 translation(s) (6 finished and 0 unfinished)",
                      compiled.stdout)

    def test_accepts_windows_line_ends_and_a_byte_order_mark(self):
        path = self.path("crlf.tsv")
        rows = "".join("%s\t%s\r\n" % row for row in zip(SOURCES, TRANSLATIONS))
        with open(path, "w", encoding="utf-8-sig", newline="") as f:
            f.write("\r\n" + rows)
        output = self.path("ptb.ts")
        result = self.tool("make", "ptb", path, "--output", output)
        self.assertEqual(result.returncode, 0, result.stderr)
        messages = ET.parse(output).getroot().findall("context/message")
        self.assertEqual([m.findtext("translation") for m in messages], TRANSLATIONS)

    def test_rejects_incomplete_or_unknown_input_and_leaves_the_old_file(self):
        good = list(zip(SOURCES, TRANSLATIONS))
        cases = {
            "missing source": (good[1:], "missing source text 'Open'"),
            "extra line": (good + [good[0]], "extra line for source text 'Open'"),
            "unknown source": (good + [("Close", "Schliessen")], "unknown source text 'Close'"),
            "empty translation": ([(SOURCES[0], " ")] + good[1:], "empty translation"),
            "no tab": (good + [("just one field",)], "expected exactly one tab"),
            "two tabs": (good + [("Open", "a\tb")], "expected exactly one tab"),
        }
        output = self.path("ger.ts")
        self.write(output, "old content")
        for name, (rows, fragment) in cases.items():
            with self.subTest(name):
                lines = "".join("\t".join(row) + "\n" for row in rows)
                tsv = self.path("bad.tsv")
                self.write(tsv, lines)
                result = self.tool("make", "ger", tsv, "--output", output)
                self.assert_fails_with(result, fragment)
                self.assertEqual(self.read(output), "old content")

    def test_rejects_an_unknown_code(self):
        result, output = self.make(list(zip(SOURCES, TRANSLATIONS)), code="xyz")
        self.assert_fails_with(result, "unknown catalogue code 'xyz'")
        self.assertFalse(os.path.exists(output))


class CheckTest(TsToolCase):
    def setUp(self):
        super().setUp()
        result, self.good = self.make(list(zip(SOURCES, TRANSLATIONS)))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.good_text = self.read(self.good)

    def check_variant(self, old, new):
        self.assertIn(old, self.good_text)
        path = self.path("variant.ts")
        self.write(path, self.good_text.replace(old, new, 1))
        return self.tool("check", path)

    def test_reports_each_fault(self):
        open_msg = ("    <message>\n        <source>Open</source>\n        <comment></comment>\n"
                    "        <translation>Offnen</translation>\n    </message>\n")
        cases = {
            "unfinished": ("<translation>Offnen</translation>",
                           '<translation type="unfinished">Offnen</translation>',
                           "translation is unfinished"),
            "obsolete": ("<translation>Offnen</translation>",
                         '<translation type="obsolete">Offnen</translation>',
                         "translation is obsolete"),
            "empty translation": ("<translation>Offnen</translation>",
                                  "<translation></translation>", "empty translation"),
            "no translation": ("        <translation>Offnen</translation>\n", "",
                               "no translation"),
            "lost placeholder": ("%2 als %1 speichern", "als %1 speichern",
                                 "translation lacks %2"),
            "added placeholder": ("Offnen", "Offnen %1", "translation adds %1"),
            "plural forms": ("<message>", '<message numerus="yes">', "has plural forms"),
            "comment": ("<comment></comment>", "<comment>menu</comment>",
                        "comment is not empty"),
            "other context": ("<name>global</name>", "<name>other</name>",
                              "expected exactly one, 'global'"),
            "second context": ("</context>",
                               "</context>\n<context>\n    <name>global</name>\n</context>",
                               "expected exactly one, 'global'"),
            "no language": (' language="de_DE"', "", "no language attribute"),
            "missing message": (open_msg, "", "missing source text 'Open'"),
            "duplicate message": (open_msg, open_msg * 2, "duplicate source text 'Open'"),
            "unknown source": ("<source>Open</source>", "<source>Close</source>",
                               "unknown source text 'Close'"),
            "not XML": ("</TS>", "", "cannot read the catalogue"),
        }
        for name, (old, new, fragment) in cases.items():
            with self.subTest(name):
                self.assert_fails_with(self.check_variant(old, new), fragment)

    def test_fails_if_any_of_several_files_fails(self):
        bad = self.path("bad.ts")
        self.write(bad, self.good_text.replace("Offnen", ""))
        result = self.tool("check", self.good, bad)
        self.assert_fails_with(result, "bad.ts: message 1 ('Open'): empty translation")
        self.assertIn("ger.ts: 6 messages OK", result.stdout)


if __name__ == "__main__":
    unittest.main(verbosity=2)
