#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Writes the notices of the third-party code in Qt's base module to standard output: name,
version, copyright, licence and the licence's full text, from Qt's own qt_attribution.json files.

Code for other platforms, modules switched off in the Windows build and the build system's own
helpers are left out; everything else is listed, since it may be compiled into the DLLs shipped.

Usage: qt-third-party-notices.py QT_SOURCE_FOLDER
"""
import json
import pathlib
import sys

# Folders whose code never reaches the Windows DLLs built by build-windows-qt.sh.
NOT_SHIPPED = (
    "src/3rdparty/android", "src/3rdparty/gradle", "src/3rdparty/wasm", "src/3rdparty/xcb",
    "src/3rdparty/forkfd", "src/3rdparty/libpsl", "src/3rdparty/libjpeg", "src/3rdparty/md4c",
    "src/3rdparty/VulkanMemoryAllocator", "src/gui/vulkan", "src/network", "src/dbus",
    "src/plugins/platforms/cocoa", "src/corelib/kernel", "tests", "util", "cmake",
)


def entries(source):
    for path in sorted(source.rglob("qt_attribution.json")):
        folder = path.parent
        relative = folder.relative_to(source).as_posix()
        if relative.startswith(NOT_SHIPPED) or relative.startswith("debian"):
            continue
        # Qt's files hold raw line breaks inside strings, which strict JSON refuses.
        data = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in data if isinstance(data, list) else [data]:
            yield folder, entry


def main():
    source = pathlib.Path(sys.argv[1])
    out = sys.stdout
    out.write("Third-party code in Qt's base module, as shipped with ORVA for Windows\n")
    for folder, entry in entries(source):
        files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
        out.write("\n" + "=" * 78 + "\n")
        out.write(f"{entry.get('Name', entry.get('Id'))}")
        out.write(f" {entry['Version']}\n" if entry.get("Version") else "\n")
        out.write(f"Used in Qt: {entry.get('QtUsage', '').strip()}\n")
        out.write(f"Copyright: {' '.join(entry.get('Copyright', '').split())}\n")
        out.write(f"Licence: {entry.get('License', '')} ({entry.get('LicenseId', '')})\n")
        for name in files:
            out.write("\n" + (folder / name).read_text(encoding="utf-8", errors="replace").strip() + "\n")


if __name__ == "__main__":
    main()
