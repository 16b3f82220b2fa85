#!/usr/bin/env python3
"""Draws the images of published web pages into a "Web Graphics" folder.

Usage: draw_web_graphics.py OUTPUT_DIR

OUTPUT_DIR/Icons gets the eight images copied beside every published site;
OUTPUT_DIR/Backgrounds gets, for each named background, the tile the pages
use (NAME.gif) and the preview the Publishing Wizard shows (NAME.bmp, the
size of its preview box). Every picture is drawn here from a seeded random
source, so a run gives the same files each time.
"""
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFont

BACKGROUNDS = [
    "beads", "chalk", "cloud1", "cloud2", "cloud3", "cloud4", "concrete", "fire", "floortile",
    "flower", "foam", "grid", "lace", "letters", "marble", "nova", "sand", "smear1", "smear2",
    "soil", "speckle", "stone", "terrain1", "terrain2", "terrain3", "vines", "weave",
]
TILE = 96
PREVIEW = (137, 129)

OUTLINE = (40, 40, 60)


def save_gif(image, path):
    """GIF with colour 0 as the transparent one when the image has alpha."""
    if image.mode == "RGBA":
        alpha = image.getchannel("A")
        rgb = Image.new("RGB", image.size, (255, 0, 255))
        rgb.paste(image, mask=alpha)
        pal = rgb.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        # Index 255 marks the transparent pixels.
        mask = alpha.point(lambda a: 255 if a < 128 else 0)
        pal.paste(255, mask=mask)
        pal.save(path, transparency=255, optimize=False)
    else:
        image.convert("P", palette=Image.Palette.ADAPTIVE, colors=256).save(path, optimize=False)


def canvas(w, h):
    return Image.new("RGBA", (w, h), (0, 0, 0, 0))


def draw_folder():
    img = canvas(15, 13)
    d = ImageDraw.Draw(img)
    d.polygon([(0, 2), (5, 2), (6, 3), (13, 3), (13, 12), (0, 12)], fill=(236, 200, 80), outline=(140, 100, 20))
    d.rectangle([1, 5, 12, 11], fill=(250, 222, 120))
    d.line([(1, 5), (12, 5)], fill=(140, 100, 20))
    return img


def draw_person():
    img = canvas(16, 16)
    d = ImageDraw.Draw(img)
    d.ellipse([2, 9, 13, 20], fill=(60, 110, 190), outline=OUTLINE)
    d.ellipse([4, 1, 11, 8], fill=(242, 196, 160), outline=OUTLINE)
    return img


def draw_team():
    img = canvas(16, 16)
    d = ImageDraw.Draw(img)
    d.ellipse([7, 8, 16, 19], fill=(70, 150, 90), outline=OUTLINE)
    d.ellipse([9, 2, 14, 7], fill=(232, 186, 150), outline=OUTLINE)
    d.ellipse([-1, 9, 9, 20], fill=(60, 110, 190), outline=OUTLINE)
    d.ellipse([1, 3, 7, 9], fill=(242, 196, 160), outline=OUTLINE)
    return img


def draw_org():
    img = canvas(16, 16)
    d = ImageDraw.Draw(img)
    d.rectangle([2, 1, 13, 15], fill=(170, 176, 190), outline=OUTLINE)
    for y in (3, 6, 9):
        for x in (4, 7, 10):
            d.rectangle([x, y, x + 1, y + 1], fill=(250, 240, 150))
    d.rectangle([6, 12, 9, 15], fill=(110, 80, 50))
    return img


def draw_web():
    img = canvas(16, 16)
    d = ImageDraw.Draw(img)
    d.ellipse([1, 1, 14, 14], fill=(90, 160, 230), outline=(20, 60, 120))
    d.polygon([(4, 4), (8, 3), (9, 6), (6, 8), (4, 7)], fill=(70, 160, 80))
    d.polygon([(9, 9), (12, 8), (12, 11), (10, 13)], fill=(70, 160, 80))
    d.arc([4, 1, 11, 14], 0, 360, fill=(20, 60, 120))
    d.line([(1, 8), (14, 8)], fill=(20, 60, 120))
    return img


def draw_card(w, h):
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 2, w - 1, h - 3], fill=(255, 252, 235), outline=OUTLINE)
    return img, d


def draw_vcard():
    img, d = draw_card(16, 16)
    d.ellipse([2, 5, 6, 9], fill=(60, 110, 190))
    d.rectangle([2, 10, 6, 11], fill=(60, 110, 190))
    for y in (5, 8, 11):
        d.line([(8, y), (13, y)], fill=(120, 120, 130))
    return img


def draw_program_16():
    img, d = draw_card(16, 16)
    d.rectangle([0, 2, 15, 5], fill=(200, 70, 50), outline=OUTLINE)
    # A "Z" stroked in the card's body.
    d.line([(4, 7), (11, 7)], fill=(200, 70, 50), width=2)
    d.line([(11, 7), (4, 12)], fill=(200, 70, 50), width=2)
    d.line([(4, 12), (11, 12)], fill=(200, 70, 50), width=2)
    return img


def font(size):
    for path in ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                 "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"):
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    try:
        return ImageFont.load_default(size=size)
    except TypeError:
        return ImageFont.load_default()


def draw_button():
    w, h = 120, 40
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / (h - 1)
        d.line([(0, y), (w, y)], fill=(int(70 + 40 * t), int(100 + 30 * t), int(170 - 40 * t)))
    d.rectangle([0, 0, w - 1, h - 1], outline=(20, 30, 70))
    d.line([(1, 1), (w - 2, 1)], fill=(170, 190, 240))
    logo = draw_program_16().resize((24, 24), Image.Resampling.NEAREST)
    img.paste(logo, (7, 8), logo)
    d.text((37, 7), "Zendrivo", font=font(16), fill=(255, 255, 255))
    d.text((38, 25), "contact organizer", font=font(8), fill=(220, 230, 255))
    return img


def blend(a, b, t):
    return tuple(int(a[i] + (b[i] - a[i]) * t) for i in range(3))


def value_noise(rng, cells):
    """A wrapping grid of random values, smoothly interpolated over the tile."""
    grid = [[rng.random() for _ in range(cells)] for _ in range(cells)]

    def at(x, y):
        fx, fy = x * cells / TILE, y * cells / TILE
        x0, y0 = int(fx) % cells, int(fy) % cells
        x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
        tx, ty = fx - int(fx), fy - int(fy)
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * tx
        bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * tx
        return top + (bottom - top) * ty

    return at


def noise_tile(rng, low, high, octaves=(4, 8, 16), contrast=1.0):
    layers = [value_noise(rng, c) for c in octaves]
    img = Image.new("RGB", (TILE, TILE))
    px = img.load()
    for y in range(TILE):
        for x in range(TILE):
            v = sum(layer(x, y) / (i + 1) for i, layer in enumerate(layers))
            v /= sum(1 / (i + 1) for i in range(len(layers)))
            v = min(1.0, max(0.0, 0.5 + (v - 0.5) * contrast))
            px[x, y] = blend(low, high, v)
    return img


def speckle_tile(rng, base, dot, count, size=1):
    img = Image.new("RGB", (TILE, TILE), base)
    d = ImageDraw.Draw(img)
    for _ in range(count):
        x, y = rng.randrange(TILE), rng.randrange(TILE)
        colour = blend(base, dot, rng.uniform(0.4, 1.0))
        d.ellipse([x, y, x + size, y + size], fill=colour)
    return img


def pattern_tile(name, rng):
    d = None
    if name == "beads":
        img = Image.new("RGB", (TILE, TILE), (244, 238, 250))
        d = ImageDraw.Draw(img)
        for y in range(0, TILE, 16):
            for x in range(0, TILE, 16):
                ox = 8 if (y // 16) % 2 else 0
                c = blend((200, 170, 230), (170, 200, 240), rng.random())
                d.ellipse([x + ox - 5, y + 3, x + ox + 5, y + 13], fill=c, outline=(180, 160, 210))
                d.ellipse([x + ox - 2, y + 5, x + ox, y + 7], fill=(255, 255, 255))
        return img
    if name == "grid":
        img = Image.new("RGB", (TILE, TILE), (250, 252, 255))
        d = ImageDraw.Draw(img)
        for i in range(0, TILE, 12):
            d.line([(i, 0), (i, TILE)], fill=(205, 220, 240))
            d.line([(0, i), (TILE, i)], fill=(205, 220, 240))
        return img
    if name == "floortile":
        img = Image.new("RGB", (TILE, TILE), (236, 232, 222))
        d = ImageDraw.Draw(img)
        for y in range(0, TILE, 24):
            for x in range(0, TILE, 24):
                if (x // 24 + y // 24) % 2:
                    d.rectangle([x, y, x + 23, y + 23], fill=(222, 214, 200))
                d.rectangle([x, y, x + 23, y + 23], outline=(205, 198, 186))
        return img
    if name == "weave":
        img = Image.new("RGB", (TILE, TILE), (240, 234, 220))
        d = ImageDraw.Draw(img)
        for y in range(0, TILE, 8):
            for x in range(0, TILE, 8):
                if (x // 8 + y // 8) % 2:
                    d.rectangle([x, y + 2, x + 7, y + 5], fill=(222, 208, 180))
                else:
                    d.rectangle([x + 2, y, x + 5, y + 7], fill=(228, 216, 192))
        return img
    if name == "lace":
        img = Image.new("RGB", (TILE, TILE), (252, 248, 250))
        d = ImageDraw.Draw(img)
        for y in range(0, TILE, 24):
            for x in range(0, TILE, 24):
                d.ellipse([x + 2, y + 2, x + 22, y + 22], outline=(226, 210, 220))
                d.ellipse([x + 8, y + 8, x + 16, y + 16], outline=(226, 210, 220))
        return img
    if name == "letters":
        img = Image.new("RGB", (TILE, TILE), (250, 250, 244))
        d = ImageDraw.Draw(img)
        f = font(11)
        for y in range(2, TILE - 8, 16):
            for x in range(2, TILE - 6, 16):
                d.text((x + rng.randrange(3), y), chr(rng.randrange(65, 91)), font=f, fill=(222, 222, 210))
        return img
    if name == "flower":
        img = Image.new("RGB", (TILE, TILE), (250, 246, 240))
        d = ImageDraw.Draw(img)
        for cy in range(16, TILE, 32):
            for cx in range(16, TILE, 32):
                for k in range(5):
                    a = 2 * math.pi * k / 5
                    px, py = cx + 6 * math.cos(a), cy + 6 * math.sin(a)
                    d.ellipse([px - 4, py - 4, px + 4, py + 4], fill=(246, 210, 220))
                d.ellipse([cx - 3, cy - 3, cx + 3, cy + 3], fill=(244, 226, 150))
        return img
    if name == "vines":
        img = Image.new("RGB", (TILE, TILE), (244, 250, 240))
        d = ImageDraw.Draw(img)
        for x0 in range(0, TILE, 32):
            pts = [(x0 + 10 + 8 * math.sin(2 * math.pi * y / TILE), y) for y in range(0, TILE + 1, 4)]
            d.line(pts, fill=(190, 218, 180), width=2)
            for y in range(8, TILE, 24):
                x = x0 + 10 + 8 * math.sin(2 * math.pi * y / TILE)
                d.ellipse([x + 2, y - 3, x + 10, y + 3], fill=(200, 228, 190))
        return img
    if name == "nova":
        img = noise_tile(rng, (18, 20, 48), (40, 44, 90))
        d = ImageDraw.Draw(img)
        for _ in range(40):
            x, y = rng.randrange(TILE), rng.randrange(TILE)
            d.point((x, y), fill=blend((180, 180, 220), (255, 255, 255), rng.random()))
        return img
    return None


NOISE = {
    "chalk": ((236, 236, 232), (252, 252, 250), (8, 16, 32), 1.4),
    "cloud1": ((200, 222, 250), (250, 252, 255), (3, 6, 12), 1.6),
    "cloud2": ((214, 226, 240), (255, 255, 255), (4, 8), 1.8),
    "cloud3": ((232, 222, 246), (255, 252, 255), (3, 6, 12), 1.6),
    "cloud4": ((240, 226, 210), (255, 252, 246), (4, 8, 16), 1.5),
    "concrete": ((196, 196, 190), (226, 226, 220), (8, 16, 32), 1.2),
    "fire": ((250, 200, 120), (255, 244, 200), (3, 6, 12), 1.8),
    "foam": ((220, 240, 240), (255, 255, 255), (6, 12, 24), 1.6),
    "marble": ((226, 226, 232), (252, 252, 255), (2, 4, 8, 16), 2.2),
    "smear1": ((230, 236, 220), (252, 252, 244), (2, 4), 2.0),
    "smear2": ((236, 226, 236), (252, 246, 252), (2, 4), 2.0),
    "soil": ((168, 132, 96), (210, 178, 140), (6, 12, 24), 1.3),
    "stone": ((190, 186, 178), (232, 228, 220), (4, 8, 16, 32), 1.5),
    "terrain1": ((196, 220, 176), (244, 240, 210), (3, 6, 12), 1.6),
    "terrain2": ((222, 206, 170), (248, 240, 220), (3, 6, 12), 1.6),
    "terrain3": ((190, 214, 220), (236, 244, 236), (3, 6, 12), 1.6),
}
SPECKLE = {
    "sand": ((240, 228, 200), (200, 176, 130), 700, 0),
    "speckle": ((250, 250, 250), (150, 160, 190), 260, 1),
}


def draw_background(name):
    rng = random.Random(name)
    tile = pattern_tile(name, rng)
    if tile is None and name in NOISE:
        low, high, octaves, contrast = NOISE[name]
        tile = noise_tile(rng, low, high, octaves, contrast)
    if tile is None:
        base, dot, count, size = SPECKLE[name]
        tile = speckle_tile(rng, base, dot, count, size)
    preview = Image.new("RGB", PREVIEW)
    for y in range(0, PREVIEW[1], TILE):
        for x in range(0, PREVIEW[0], TILE):
            preview.paste(tile, (x, y))
    return tile, preview


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: draw_web_graphics.py OUTPUT_DIR")
    out = sys.argv[1]
    icons = os.path.join(out, "Icons")
    backgrounds = os.path.join(out, "Backgrounds")
    os.makedirs(icons, exist_ok=True)
    os.makedirs(backgrounds, exist_ok=True)
    for file, draw in (("folder.gif", draw_folder), ("org.gif", draw_org), ("person.gif", draw_person),
                       ("team.gif", draw_team), ("web.gif", draw_web), ("zvb_16.gif", draw_program_16),
                       ("vcard.gif", draw_vcard), ("zivobtn.gif", draw_button)):
        save_gif(draw(), os.path.join(icons, file))
    for name in BACKGROUNDS:
        tile, preview = draw_background(name)
        save_gif(tile, os.path.join(backgrounds, name + ".gif"))
        preview.save(os.path.join(backgrounds, name + ".bmp"))


if __name__ == "__main__":
    main()
