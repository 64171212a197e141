#!/usr/bin/env python3
"""Writes a zip archive whose bytes depend only on its files' contents.

make_zip.py OUT.zip EPOCH NAME=FILE...

The entries stand in the order given, each stamped with EPOCH (the commit's
time, SOURCE_DATE_EPOCH) and marked as made on Windows with the archive
attribute, so Explorer shows them as ordinary files. Names that are not
ASCII are stored as UTF-8 with the zip's flag for it, which Explorer and
every unpacker of today read.
"""
import os
import sys
import time
import zipfile


def main():
    out, epoch, entries = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
    # A zip's time is local time in whole even seconds from 1980 on.
    stamp = time.gmtime(max(epoch, 315532800))
    date_time = (stamp.tm_year, stamp.tm_mon, stamp.tm_mday,
                 stamp.tm_hour, stamp.tm_min, stamp.tm_sec - stamp.tm_sec % 2)
    with zipfile.ZipFile(out + ".tmp", "w") as archive:
        for entry in entries:
            name, path = entry.split("=", 1)
            info = zipfile.ZipInfo(name, date_time)
            info.create_system = 0  # MS-DOS and Windows
            info.external_attr = 0x20  # FILE_ATTRIBUTE_ARCHIVE
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(path, "rb") as f:
                archive.writestr(info, f.read(), compresslevel=9)
    os.replace(out + ".tmp", out)


if __name__ == "__main__":
    main()
