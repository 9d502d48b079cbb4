#!/usr/bin/env python3
"""Draws the program icon (a small histogram with a red limit line) and
writes res/vorna.ico with a 32x32 and a 16x16 image, 32 bits per pixel."""
import struct
import sys

BACKGROUND = (0x20, 0x30, 0x40, 255)
BAR = (0x00, 0xC0, 0x00, 255)
LIMIT = (0xE0, 0x00, 0x00, 255)
AXIS = (0xF0, 0xF0, 0xF0, 255)


def pixels(size):
    heights = [0.25, 0.45, 0.75, 0.95, 0.7, 0.4, 0.2]
    image = [[BACKGROUND for _ in range(size)] for _ in range(size)]
    margin = max(1, size // 16)
    base = size - 1 - margin
    bar_width = (size - 2 * margin) // len(heights)
    for index, height in enumerate(heights):
        left = margin + index * bar_width
        top = base - int(height * (size - 2 * margin - 1))
        for y in range(top, base + 1):
            for x in range(left, left + bar_width - 1):
                image[y][x] = BAR
    for x in range(margin, size - margin):
        image[base][x] = AXIS
    limit_x = margin + 5 * bar_width + bar_width // 2
    for y in range(margin, base):
        image[y][limit_x] = LIMIT
    return image


def icon_image(size):
    image = pixels(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''
    for y in reversed(range(size)):
        for red, green, blue, alpha in image[y]:
            rows += bytes((blue, green, red, alpha))
    mask_row = ((size + 31) // 32) * 4
    mask = b'\0' * (mask_row * size)
    return header + rows + mask


def main(path):
    images = [icon_image(32), icon_image(16)]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        data += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        data += image
    with open(path, 'wb') as out:
        out.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'vorna.ico')
