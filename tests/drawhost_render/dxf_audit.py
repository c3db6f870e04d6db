#!/usr/bin/env python3
"""Reads each DXF named on the command line with ezdxf, an independent reader, and fails (exit 1) when
its audit finds an error or a drafting rule is broken: release 2000 or later, millimetres, every text at
least 3.5 mm on paper (the sheets are drawn in paper millimetres), every text style naming a font file
that is installed, no escape left undecoded. Exit 2 when ezdxf is missing (the caller skips)."""
import subprocess
import sys

try:
    import ezdxf
except ImportError:
    print("python3-ezdxf is not installed")
    sys.exit(2)

MIN_TEXT = 3.5 - 1e-6


def installed_font_files():
    try:
        out = subprocess.run(["fc-list", "--format", "%{file}\n"], capture_output=True, text=True).stdout
    except OSError:
        return None
    return {line.rsplit("/", 1)[-1].lower() for line in out.splitlines() if line}


def check(path, fonts):
    faults = []
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    for error in auditor.errors:
        faults.append(f"audit: {error.message}")
    for fix in auditor.fixes:  # a repair is a fault the file had
        faults.append(f"audit repaired: {fix.message}")
    if doc.dxfversion < "AC1015":
        faults.append(f"release {doc.dxfversion} is older than AC1015")
    if doc.header.get("$INSUNITS") != 4:
        faults.append(f"$INSUNITS is {doc.header.get('$INSUNITS')}, not millimetres")
    for style in doc.styles:
        font = style.dxf.font.lower()
        if fonts is not None and font not in fonts:
            faults.append(f"style {style.dxf.name} names {font}, which is not installed")
    for text in doc.modelspace().query("TEXT"):
        if text.dxf.height < MIN_TEXT:
            faults.append(f"text '{text.dxf.text}' is {text.dxf.height} mm high")
        if "\\U+" in text.dxf.text:
            faults.append(f"text '{text.dxf.text}' keeps an escape")
    return faults


def main():
    fonts = installed_font_files()
    failed = False
    for path in sys.argv[1:]:
        faults = check(path, fonts)
        for fault in faults[:20]:
            print(f"{path}: {fault}")
        failed |= bool(faults)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
