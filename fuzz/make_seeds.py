#!/usr/bin/python3
"""Writes the fuzz targets' seed inputs (fuzz/corpus/TARGET/) from the project's own
fixtures: the stand-in manifest, the shipped layouts, the archives the unit tests build and
the names and addresses their tables try. Run again when those fixtures change.

Usage: fuzz/make_seeds.py    (needs Debian's python3-cryptography to encipher the replies)
"""
import base64
import hashlib
import os
import runpy
import shutil
import sys

from cryptography.hazmat.primitives import padding
from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(ROOT, "fuzz", "corpus")
KEY = b"QuilloDevKey2026"


def fixture_functions(script):
    """The functions of a fixture generator, which writes its header to its first argument."""
    saved = sys.argv
    sys.argv = [script, os.devnull]
    try:
        return runpy.run_path(os.path.join(ROOT, script))
    finally:
        sys.argv = saved


def encipher(plain):
    padder = padding.PKCS7(128).padder()
    data = padder.update(plain) + padder.finalize()
    encryptor = Cipher(algorithms.AES(KEY), modes.ECB()).encryptor()
    return base64.b64encode(encryptor.update(data) + encryptor.finalize())


def manifests():
    with open(os.path.join(ROOT, "tools/standin_packages/manifest.json.in"), "rb") as f:
        template = f.read()
    standin = template.replace(b"{{BASE_URL}}", b"http://127.0.0.1:38471/packages")
    for name in (b"bcl_sdk5_word_x86.msi", b"bcl_sdk5_word_x64.msi", b"vcredist2005_x86.zip",
                 b"fontpack.dat"):
        standin = standin.replace(b"{{SIZE:" + name + b"}}", b"1048576")
    return [
        standin,
        b'{"pdfHandling":{"Version":"3.0.1.0","url":"http://h/alt.exe"},"pdfinstall":['
        b'{"name":"installer","url":"http://h/setup.exe","size":"+12abc"},'
        b'{"name":"x","url":"http://h/a\\\\..\\\\..\\\\evil.exe"},'
        b'{"name":"x","url":"http://h/CON.exe?sig=1/2#f"},'
        b'{"name":"x","url":"http://h/SETUP.EXE","needed":"0"}]}',
        b'{"pdfinstall":[{"name":"dotNet4.0","url":"http://h/dotnet.exe","size":4294967296},'
        b'{"name":["x"],"url":null},{"name":"vcredist2015x86","url":"http://h/vc.exe"}]}',
    ]


ADDRESSES = [
    b"http://h/one/setup.exe\nhttp://h/two/setup.exe\nhttp://h/three/SETUP.EXE",
    b"http://h/dir/\nnoslash.exe\nhttp://h/..\nhttp://h/c:evil.exe\nhttp://h/CON.exe",
    b"http://h/" + b"a" * 119 + b" bbbbbb\nhttp://h/" + b"a" * 119,
    b"http://h/\xa3\xc1.exe\nhttp://h/\xa3\xe1.exe\nhttp://h/\xa7\xa1.exe\nhttp://h/\xa7\xd1.exe",
    b"http://h/" + b"a" * 300 + b".exe?x=1",
]

ENTRY_NAMES = [
    "a.txt", "dir/sub/a.txt", "dir\\sub\\a.txt", "./dir//a.txt", "dir/", "..a/b..",
    "console.txt", "../a", "a/../../b", "/etc/passwd", "C:a", "a/.../b", "NUL.txt",
    "com1", "\u5b89\u88c5/\u8bf4\u660e.txt",
]


def seeds():
    zips = fixture_functions("tests/duilib/make_zip_fixtures.py")
    archives = fixture_functions("tests/install/make_archive_fixtures.py")
    escapes = [archives["archive"]([("harmless.txt", b"fine", archives["STORED"]),
                                    (entry, b"escaped", archives["STORED"])])
               for entry in archives["ESCAPES"].values()]
    layouts = []
    for name in sorted(os.listdir(os.path.join(ROOT, "shell/skin"))):
        if name.endswith(".xml"):
            with open(os.path.join(ROOT, "shell/skin", name), "rb") as f:
                layouts.append(f.read())
    replies = [encipher(m) for m in manifests()]
    return {
        "fuzz_manifest_json": manifests(),
        "fuzz_manifest_reply": replies,
        "fuzz_base64": replies[1:] + [b"GPcZomZ9LYCBkreWz2L/9g==", b"ml4ckdLfiJYCv0Q3FgNiWw==",
                                      b"QQ", b"QUI=\nQUJD"],
        "fuzz_package_file_name": ADDRESSES,
        "fuzz_skin_archive": [zips["mixed"](), zips["streamed"](), zips["layouts"]()],
        "fuzz_layout": layouts,
        "fuzz_archive_extract": [archives["nested"](), archives["damaged_member"](),
                                 archives["shared_data"]()] + escapes[:3],
        "fuzz_entry_path": [name.encode() for name in ENTRY_NAMES]
        + [b"\xb0\xb2\xd7\xb0/readme.txt"],
    }


def main():
    for target, inputs in seeds().items():
        folder = os.path.join(CORPUS, target)
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        for data in inputs:
            name = hashlib.sha1(data).hexdigest()
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)


main()
