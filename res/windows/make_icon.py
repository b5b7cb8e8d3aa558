#!/usr/bin/env python3
"""Writes a Windows icon file holding the given PNG images as they are (Windows Vista and later
read PNG entries), so the program's icon has one source: the PNGs of res/."""
import struct
import sys


def main(output, pngs):
    images = [open(path, 'rb').read() for path in pngs]
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b''
    for data in images:
        if data[:8] != b'\x89PNG\r\n\x1a\n':
            sys.exit(f'make_icon.py: not a PNG file: {pngs[images.index(data)]}')
        width, height = struct.unpack('>II', data[16:24])
        # A width or height of 256 is written as 0.
        entries += struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(output, 'wb') as out:
        out.write(header + entries + b''.join(images))


if __name__ == '__main__':
    if len(sys.argv) < 3:
        sys.exit('usage: make_icon.py OUTPUT.ico IMAGE.png...')
    main(sys.argv[1], sys.argv[2:])
