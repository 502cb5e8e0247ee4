#!/usr/bin/env python3
"""Writes the release archives so that the same files give the same bytes: entries sorted by name, every
date the one given (the commit's), owner root, modes 0755 for folders and programs and 0644 otherwise, no
extra fields, and a gzip header without a name or a time.

  release_archive.py zip OUT.zip FOLDER SECONDS      FOLDER (its name included) into a zip
  release_archive.py tar OUT.tar.gz FOLDER SECONDS   the same as a gzip-compressed tar
  release_archive.py windows-text IN OUT             a UTF-8 text for Notepad: a byte order mark, CRLF lines
"""
import gzip
import io
import os
import sys
import tarfile
import time
import zipfile


def entries(folder):
    """(name in the archive, path, is a folder) for FOLDER and everything under it, sorted by name."""
    base = os.path.dirname(os.path.abspath(folder))
    found = []
    for here, folders, files in os.walk(folder):
        found.append((os.path.relpath(here, base).replace(os.sep, "/"), here, True))
        for name in files:
            path = os.path.join(here, name)
            found.append((os.path.relpath(path, base).replace(os.sep, "/"), path, False))
    return sorted(found)


def mode(path, is_folder):
    return 0o755 if is_folder or os.access(path, os.X_OK) else 0o644


def write_zip(out, folder, seconds):
    date = time.gmtime(max(seconds, 315532800))[:6]   # a zip holds no date before 1980
    with zipfile.ZipFile(out, "w") as archive:
        for name, path, is_folder in entries(folder):
            info = zipfile.ZipInfo(name + "/" if is_folder else name, date)
            info.create_system = 3   # Unix: the modes below are kept by unzip
            info.external_attr = (mode(path, is_folder) | (0o040000 if is_folder else 0o100000)) << 16
            if is_folder:
                info.external_attr |= 0x10   # the MS-DOS folder attribute
                archive.writestr(info, b"")
            else:
                info.compress_type = zipfile.ZIP_DEFLATED
                with open(path, "rb") as f:
                    archive.writestr(info, f.read(), compresslevel=9)


def write_tar(out, folder, seconds):
    data = io.BytesIO()
    with tarfile.open(fileobj=data, mode="w", format=tarfile.GNU_FORMAT) as archive:
        for name, path, is_folder in entries(folder):
            info = tarfile.TarInfo(name)
            info.mtime = seconds
            info.mode = mode(path, is_folder)
            info.uid = info.gid = 0
            info.uname = info.gname = "root"
            if is_folder:
                info.type = tarfile.DIRTYPE
                archive.addfile(info)
            else:
                info.size = os.path.getsize(path)
                with open(path, "rb") as f:
                    archive.addfile(info, f)
    with open(out, "wb") as f, gzip.GzipFile(filename="", mode="wb", fileobj=f, mtime=0, compresslevel=9) as z:
        z.write(data.getvalue())


def write_windows_text(source, out):
    text = open(source, encoding="utf-8").read().lstrip("\ufeff")
    with open(out, "wb") as f:
        f.write(b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8"))


def main(argv):
    if len(argv) == 5 and argv[1] in ("zip", "tar"):
        (write_zip if argv[1] == "zip" else write_tar)(argv[2], argv[3], int(argv[4]))
    elif len(argv) == 4 and argv[1] == "windows-text":
        write_windows_text(argv[2], argv[3])
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
