#!/usr/bin/python3
"""Packs the skin folder into the ZIP archive that the setup program embeds.

Usage: pack-skin.py <skin folder> <output zip>

The archive holds the layout files (*.xml) at its root, then the directory entries
"agreement/", "base/" and "frame/", each followed by the PNG images of that folder. Every
file member is deflated except "frame/btn_install_disable.png", which is stored. Timestamps,
attributes and member order are fixed, so the same folder always gives the same bytes.
The output is written to a temporary file beside it and renamed into place, so a failed
run never leaves a partial archive behind.
"""

import os
import sys
import tempfile
import zipfile

IMAGE_FOLDERS = ("agreement", "base", "frame")

REQUIRED_LAYOUTS = ("Frame.xml", "agreement.xml", "MsgWnd1.xml", "MsgWnd2.xml", "font.xml")

REQUIRED_IMAGES = (
    "agreement/btn_close_hover.png",
    "agreement/btn_close_normal.png",
    "agreement/btn_confirm_hover.png",
    "agreement/btn_confirm_normal.png",
    "agreement/btn_confirm_push.png",
    "agreement/logo.png",
    "agreement/scroll_thumb_normal.png",
    "agreement/scrollbar_normal.png",
    "base/Sel-normal.png",
    "base/Unsel-normal.png",
    "base/btnDarkClose-hot.png",
    "base/btnDarkClose-normal.png",
    "base/btnNo-hot.png",
    "base/btnNo-normal.png",
    "base/btnNo-pushed.png",
    "base/btnOk-hot.png",
    "base/btnOk-normal.png",
    "base/btnOk-pushed.png",
    "base/icon-exc.png",
    "frame/BG.png",
    "frame/BG1.png",
    "frame/btn_browse_hot.png",
    "frame/btn_browse_normal.png",
    "frame/btn_browse_pushed.png",
    "frame/btn_close_hover.png",
    "frame/btn_close_normal.png",
    "frame/btn_hide_hot.png",
    "frame/btn_hide_normal.png",
    "frame/btn_install_disable.png",
    "frame/btn_install_hover.png",
    "frame/btn_install_normal.png",
    "frame/btn_install_push.png",
    "frame/btn_showopt_hot.png",
    "frame/btn_showopt_normal.png",
    "frame/btn_startuse_hover.png",
    "frame/btn_startuse_normal.png",
    "frame/btn_startuse_push.png",
    "frame/check.png",
    "frame/path_browse.png",
    "frame/progress_bg.png",
    "frame/progress_fg.png",
    "frame/uncheck.png",
)

# The toolkit reads this member without inflating it.
STORED_MEMBERS = frozenset({"frame/btn_install_disable.png"})

# The earliest time a ZIP header can hold; any fixed value keeps the output reproducible.
FIXED_TIME = (1980, 1, 1, 0, 0, 0)
DOS_ATTR_DIRECTORY = 0x10
DOS_ATTR_ARCHIVE = 0x20


class SkinError(Exception):
    pass


def regular_files(folder, suffix):
    """Names of the regular files in folder that end with suffix, in byte order."""
    if not os.path.isdir(folder):
        return []
    names = [
        name
        for name in os.listdir(folder)
        if name.endswith(suffix) and os.path.isfile(os.path.join(folder, name))
    ]
    return sorted(names, key=lambda name: name.encode("utf-8"))


def plan_members(skin):
    """The archive members in order: (member name, source path or None for a directory)."""
    members = [(name, os.path.join(skin, name)) for name in regular_files(skin, ".xml")]
    for folder in IMAGE_FOLDERS:
        members.append((folder + "/", None))
        source = os.path.join(skin, folder)
        members += [(f"{folder}/{name}", os.path.join(source, name))
                    for name in regular_files(source, ".png")]
    return members


def check_complete(members):
    present = {name for name, _ in members}
    missing = [name for name in REQUIRED_LAYOUTS + REQUIRED_IMAGES if name not in present]
    if missing:
        raise SkinError("the skin folder lacks " + ", ".join(missing))


def member_info(name, is_directory):
    info = zipfile.ZipInfo(name, FIXED_TIME)
    # DOS attributes from a "Windows" creator: the same on whatever system packs the skin.
    info.create_system = 0
    if is_directory:
        info.external_attr = DOS_ATTR_DIRECTORY
        info.compress_type = zipfile.ZIP_STORED
    else:
        info.external_attr = DOS_ATTR_ARCHIVE
        stored = name in STORED_MEMBERS
        info.compress_type = zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED
    return info


def read_file(path):
    try:
        with open(path, "rb") as source:
            return source.read()
    except OSError as error:
        raise SkinError(f"cannot read {path}: {error.strerror}") from error


def write_archive(members, output):
    with zipfile.ZipFile(output, "w") as archive:
        for name, source in members:
            data = b"" if source is None else read_file(source)
            archive.writestr(member_info(name, source is None), data, compresslevel=9)


def pack(skin, output):
    if not os.path.isdir(skin):
        raise SkinError(f"{skin} is not a folder")
    members = plan_members(skin)
    check_complete(members)
    target_dir = os.path.dirname(os.path.abspath(output))
    handle, temporary = tempfile.mkstemp(prefix=".skin-", suffix=".zip", dir=target_dir)
    try:
        with os.fdopen(handle, "wb") as stream:
            write_archive(members, stream)
        os.chmod(temporary, 0o644)
        os.replace(temporary, output)
    except BaseException:
        os.unlink(temporary)
        raise


def main(argv):
    if len(argv) != 3:
        print("usage: pack-skin.py <skin folder> <output zip>", file=sys.stderr)
        return 2
    try:
        pack(argv[1], argv[2])
    except (SkinError, OSError) as error:
        print(f"pack-skin.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
