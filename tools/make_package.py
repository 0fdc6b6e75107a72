#!/usr/bin/env python3
"""Builds the release package marvix-<version>.zip, and the files the installer is built from.

    make_package.py VERSION SOURCE_DIR MARVIX_EXE RENDER_EXE OUT_ZIP [INSTALLER_DIR]

One folder, marvix-<version>, holding the two programs, the gallery of ready clocks with their
faces, the text for Windows users and the licence (both with Windows line ends). The archive is
the same byte for byte for the same inputs: entries in order, with one fixed time stamp.

With INSTALLER_DIR, the same files are also written under INSTALLER_DIR/files, with
INSTALLER_DIR/installed-files.nsh: the installer's two lists of them, one that installs each file
and one that removes exactly those files and their folders again, and the gallery's configuration
names. The uninstaller removes no more than the installer put there, so a clock the user saved
into the gallery folder stays, and so does a gallery face that such a clock shows. The licence
is also written as INSTALLER_DIR/licence-page.txt, a paragraph to a line, for the installer's
licence page, which wraps lines to its own width.
"""
import sys
import zipfile
from pathlib import Path, PurePosixPath

STAMP = (2026, 1, 1, 0, 0, 0)


def windows_text(path, version):
    text = path.read_text(encoding='cp1252').replace('@VERSION@', version)
    return text.replace('\r\n', '\n').replace('\n', '\r\n').encode('cp1252')


def package_entries(version, source, marvix, render):
    """(path inside the package folder, bytes), in the package's order."""
    entries = [('marvix.exe', Path(marvix).read_bytes()),
               ('marvix-render.exe', Path(render).read_bytes()),
               ('README.txt', windows_text(source / 'package' / 'README.txt', version)),
               ('LICENSE.txt', windows_text(source / 'LICENSE', version))]
    gallery = source / 'gallery'
    for path in sorted(gallery.rglob('*')):
        if path.is_file():
            entries.append((f'gallery/{path.relative_to(gallery).as_posix()}', path.read_bytes()))
    return entries


def write_zip(entries, top, out):
    partial = Path(str(out) + '.partial')
    with zipfile.ZipFile(partial, 'w', zipfile.ZIP_DEFLATED) as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(f'{top}/{name}', STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.external_attr = 0o644 << 16
            archive.writestr(info, data)
    partial.replace(out)


def windows_path(name):
    return name.replace('/', '\\')


def paragraphs(text):
    """The text with each paragraph's lines joined, so that a box wraps it to its own width."""
    blocks = text.replace('\r\n', '\n').split('\n\n')
    return '\r\n\r\n'.join(' '.join(line.strip() for line in block.split('\n')).strip()
                           for block in blocks) + '\r\n'


def write_installer_files(entries, folder):
    files = folder / 'files'
    install = ['!macro InstallFiles']
    remove = ['!macro RemoveInstalledFiles']
    folders = set()
    current = None
    for name, data in entries:
        target = files / name
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        parent = PurePosixPath(name).parent
        if parent != current:
            current = parent
            out = '$INSTDIR' if str(parent) == '.' else f'$INSTDIR\\{windows_path(str(parent))}'
            install.append(f'  SetOutPath "{out}"')
        install.append(f'  File "{target.resolve()}"')
        # A gallery face stays while a configuration of the user's shows it.
        delete = 'RemoveUnlessKept' if name.startswith('gallery/faces/') else 'Delete'
        remove.append(f'  {"!insertmacro " if delete != "Delete" else ""}{delete} '
                      f'"$INSTDIR\\{windows_path(name)}"')
        folders.update(p for p in PurePosixPath(name).parents if str(p) != '.')
    # Deepest first; a folder the user has put files of their own into stays.
    for path in sorted(folders, key=lambda p: len(p.parts), reverse=True):
        remove.append(f'  RMDir "$INSTDIR\\{windows_path(str(path))}"')
    configs = '|'.join(PurePosixPath(name).name for name, _ in entries
                       if PurePosixPath(name).parent == PurePosixPath('gallery')
                       and name.endswith('.ccf'))
    text = '\n'.join(install + ['!macroend', ''] + remove + ['!macroend', '',
                      f'!define GALLERY_CONFIGURATIONS "|{configs}|"', ''])
    (folder / 'installed-files.nsh').write_text(text, encoding='utf-8')
    licence = dict(entries)['LICENSE.txt'].decode('cp1252')
    (folder / 'licence-page.txt').write_bytes(paragraphs(licence).encode('cp1252'))


def main():
    version, source, marvix, render, out = sys.argv[1:6]
    entries = package_entries(version, Path(source), marvix, render)
    write_zip(entries, f'marvix-{version}', out)
    if len(sys.argv) > 6:
        write_installer_files(entries, Path(sys.argv[6]))


if __name__ == '__main__':
    main()
