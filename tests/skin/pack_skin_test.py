#!/usr/bin/python3
"""Drives scripts/pack-skin.py as the build does and checks the archive it writes."""

import os
import shutil
import subprocess
import tempfile
import unittest
import zipfile

SOURCE_DIR = os.environ.get(
    "QUILLO_SOURCE_DIR", os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
PACKER = os.path.join(SOURCE_DIR, "scripts", "pack-skin.py")
IMAGES = os.path.join(SOURCE_DIR, "shell", "skin")
LAYOUTS = ("Frame.xml", "MsgWnd1.xml", "MsgWnd2.xml", "agreement.xml", "font.xml")
STORED = "frame/btn_install_disable.png"


def run_packer(*args):
    return subprocess.run(["/usr/bin/python3", PACKER, *args], capture_output=True, text=True,
                          timeout=30, check=False)


class SkinFixture(unittest.TestCase):
    """A skin folder made of the committed images and small stand-in layouts."""

    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="pack-skin-test-")
        self.skin = os.path.join(self.work, "skin")
        os.makedirs(self.skin)
        for folder in ("agreement", "base", "frame"):
            shutil.copytree(os.path.join(IMAGES, folder), os.path.join(self.skin, folder))
        for name in LAYOUTS:
            with open(os.path.join(self.skin, name), "w", encoding="utf-8") as layout:
                layout.write(f'<?xml version="1.0" encoding="utf-8"?>\n<Window name="{name}"/>\n')
        # Neither is part of the skin: only *.xml at the root and *.png in the folders are.
        with open(os.path.join(self.skin, "frame", "notes.txt"), "w", encoding="utf-8") as notes:
            notes.write("not packed\n")
        os.makedirs(os.path.join(self.skin, "frame", "old"))

    def tearDown(self):
        shutil.rmtree(self.work)

    def pack(self, name="skin.zip"):
        output = os.path.join(self.work, name)
        result = run_packer(self.skin, output)
        self.assertEqual(result.returncode, 0, result.stderr)
        return output

    def expected_members(self):
        members = sorted(LAYOUTS)
        for folder in ("agreement", "base", "frame"):
            members.append(folder + "/")
            members += sorted(f"{folder}/{name}"
                              for name in os.listdir(os.path.join(self.skin, folder))
                              if name.endswith(".png"))
        return members


class ArchiveContents(SkinFixture):

    def test_members_come_in_a_fixed_order_with_layouts_first(self):
        with zipfile.ZipFile(self.pack()) as archive:
            self.assertEqual(archive.namelist(), self.expected_members())
            self.assertIn("frame/path_browse.png", archive.namelist())

    def test_every_file_is_deflated_but_the_disabled_install_button(self):
        with zipfile.ZipFile(self.pack()) as archive:
            for info in archive.infolist():
                with self.subTest(member=info.filename):
                    if info.is_dir():
                        self.assertEqual(info.compress_type, zipfile.ZIP_STORED)
                        self.assertEqual(info.file_size, 0)
                    elif info.filename == STORED:
                        self.assertEqual(info.compress_type, zipfile.ZIP_STORED)
                    else:
                        self.assertEqual(info.compress_type, zipfile.ZIP_DEFLATED)

    def test_members_are_plain_and_hold_the_source_bytes(self):
        with zipfile.ZipFile(self.pack()) as archive:
            self.assertIsNone(archive.testzip())
            for info in archive.infolist():
                with self.subTest(member=info.filename):
                    # No encryption, no trailing data descriptors, no UTF-8 names.
                    self.assertEqual(info.flag_bits, 0)
                    self.assertEqual(info.date_time, (1980, 1, 1, 0, 0, 0))
                    if not info.is_dir():
                        with open(os.path.join(self.skin, info.filename), "rb") as source:
                            self.assertEqual(archive.read(info), source.read())

    def test_same_folder_gives_same_bytes_whatever_the_file_times(self):
        first = self.pack("first.zip")
        for folder, _, files in os.walk(self.skin):
            for name in files:
                os.utime(os.path.join(folder, name), (1_700_000_000, 1_700_000_000))
        second = self.pack("second.zip")
        with open(first, "rb") as a, open(second, "rb") as b:
            self.assertEqual(a.read(), b.read())


class PackerFailures(SkinFixture):

    def assert_fails_naming(self, missing):
        output = os.path.join(self.work, "skin.zip")
        with open(output, "wb") as previous:
            previous.write(b"previous archive")
        result = run_packer(self.skin, output)
        self.assertEqual(result.returncode, 1)
        self.assertIn(missing, result.stderr)
        # A failed run leaves the previous output alone and no temporary file behind.
        with open(output, "rb") as previous:
            self.assertEqual(previous.read(), b"previous archive")
        self.assertEqual(sorted(os.listdir(self.work)), ["skin", "skin.zip"])

    def test_missing_layout_or_image_is_named(self):
        for missing in ("font.xml", "Frame.xml", STORED, "agreement/logo.png",
                        "base/icon-exc.png"):
            with self.subTest(missing=missing):
                path = os.path.join(self.skin, missing)
                with open(path, "rb") as kept:
                    content = kept.read()
                os.remove(path)
                try:
                    self.assert_fails_naming(missing)
                finally:
                    with open(path, "wb") as restored:
                        restored.write(content)

    def test_missing_image_folder_is_reported(self):
        shutil.rmtree(os.path.join(self.skin, "base"))
        self.assert_fails_naming("base/")

    def test_missing_skin_folder_is_reported(self):
        result = run_packer(os.path.join(self.work, "absent"), os.path.join(self.work, "o.zip"))
        self.assertEqual(result.returncode, 1)
        self.assertIn("is not a folder", result.stderr)
        self.assertFalse(os.path.exists(os.path.join(self.work, "o.zip")))

    def test_wrong_arguments_print_the_usage(self):
        for args in ((), (self.skin,), (self.skin, "a.zip", "b.zip")):
            with self.subTest(args=args):
                result = run_packer(*args)
                self.assertEqual(result.returncode, 2)
                self.assertIn("usage: pack-skin.py <skin folder> <output zip>", result.stderr)


if __name__ == "__main__":
    unittest.main()
