#!/usr/bin/env python3
"""Builds the release package marvix-<version>.zip.

    make_package.py VERSION SOURCE_DIR MARVIX_EXE RENDER_EXE OUT_ZIP

One folder, marvix-<version>, holding the two programs, the gallery of ready clocks with their
faces, the text for Windows users and the licence (both with Windows line ends). The archive is
the same byte for byte for the same inputs: entries in order, with one fixed time stamp.
"""
import sys
import zipfile
from pathlib import Path

STAMP = (2026, 1, 1, 0, 0, 0)


def windows_text(path, version):
    text = path.read_text(encoding='cp1252').replace('@VERSION@', version)
    return text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp1252')


def main():
    version, source, marvix, render, out = sys.argv[1:6]
    source = Path(source)
    top = f'marvix-{version}'
    entries = [(f'{top}/marvix.exe', Path(marvix).read_bytes()),
               (f'{top}/marvix-render.exe', Path(render).read_bytes()),
               (f'{top}/README.txt', windows_text(source / 'package' / 'README.txt', version)),
               (f'{top}/LICENSE.txt', windows_text(source / 'LICENSE', version))]
    gallery = source / 'gallery'
    for path in sorted(gallery.rglob('*')):
        if path.is_file():
            entries.append((f'{top}/gallery/{path.relative_to(gallery).as_posix()}',
                            path.read_bytes()))
    partial = Path(out + '.partial')
    with zipfile.ZipFile(partial, 'w', zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(name, STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, data)
    partial.replace(out)


if __name__ == '__main__':
    main()
