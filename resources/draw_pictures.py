#!/usr/bin/env python3
"""Draws the window background and the seven gift pictures of the scoreboard.

Plain Python (no imaging library): each picture is painted into an RGB canvas from a
few filled shapes, written as PPM and turned into JPEG by ImageMagick's `convert`.
The gift pictures are a few pixels larger than their 40 x 48 buttons on purpose: the
button shows the middle and cuts the edges off.

    python3 resources/draw_pictures.py [OUTPUT_FOLDER]   (default: this folder)
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile


class Canvas:
    """An RGB canvas painted at `scale` times its size and averaged down, so that the
    small gift pictures get smooth edges."""

    def __init__(self, width, height, scale=1, colour=(255, 255, 255)):
        self.width, self.height, self.scale = width, height, scale
        self.w, self.h = width * scale, height * scale
        self.px = [list(colour) for _ in range(self.w * self.h)]

    def _put(self, x, y, colour, alpha):
        p = self.px[y * self.w + x]
        for i in range(3):
            p[i] = p[i] + (colour[i] - p[i]) * alpha

    def fill(self, inside, colour, box=None, alpha=1.0):
        """Paints every sample whose centre (in picture units) satisfies inside(x, y)."""
        s = self.scale
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        for sy in range(max(0, int(y0 * s)), min(self.h, int(math.ceil(y1 * s)) + 1)):
            y = (sy + 0.5) / s
            for sx in range(max(0, int(x0 * s)), min(self.w, int(math.ceil(x1 * s)) + 1)):
                x = (sx + 0.5) / s
                if inside(x, y):
                    self._put(sx, sy, colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, alpha=1.0):
        self.fill(lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, colour,
                  (cx - rx - 1, cy - ry - 1, cx + rx + 1, cy + ry + 1), alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.ellipse(cx, cy, r, r, colour, alpha)

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.fill(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, colour, (x0, y0, x1, y1), alpha)

    def polygon(self, points, colour, alpha=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def inside(x, y):
            hit = False
            j = len(points) - 1
            for i, (xi, yi) in enumerate(points):
                xj, yj = points[j]
                if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit

        self.fill(inside, colour, (min(xs), min(ys), max(xs), max(ys)), alpha)

    def line(self, xa, ya, xb, yb, width, colour, alpha=1.0):
        dx, dy = xb - xa, yb - ya
        length2 = dx * dx + dy * dy or 1e-9

        def inside(x, y):
            t = max(0.0, min(1.0, ((x - xa) * dx + (y - ya) * dy) / length2))
            px, py = xa + t * dx, ya + t * dy
            return (x - px) ** 2 + (y - py) ** 2 <= (width / 2) ** 2

        pad = width
        self.fill(inside, colour, (min(xa, xb) - pad, min(ya, yb) - pad, max(xa, xb) + pad,
                                   max(ya, yb) + pad), alpha)

    def ppm(self):
        s = self.scale
        out = bytearray(b"P6\n%d %d\n255\n" % (self.width, self.height))
        for y in range(self.height):
            for x in range(self.width):
                acc = [0.0, 0.0, 0.0]
                for sy in range(s):
                    row = (y * s + sy) * self.w
                    for sx in range(s):
                        p = self.px[row + x * s + sx]
                        for i in range(3):
                            acc[i] += p[i]
                out.extend(max(0, min(255, int(round(c / (s * s))))) for c in acc)
        return bytes(out)


def frame(c, top, bottom):
    """A soft vertical gradient behind every gift, so the buttons read as one set."""
    for y in range(c.h):
        t = y / max(1, c.h - 1)
        colour = [top[i] + (bottom[i] - top[i]) * t for i in range(3)]
        for x in range(c.w):
            c.px[y * c.w + x] = list(colour)


def lollipop(w, h):
    c = Canvas(w, h, 4)
    frame(c, (255, 246, 250), (255, 224, 236))
    c.line(w / 2, h * 0.45, w / 2, h - 3, 3, (250, 250, 250))
    c.line(w / 2 + 1, h * 0.45, w / 2 + 1, h - 3, 1, (200, 190, 190))
    c.circle(w / 2, h * 0.36, 15, (235, 40, 110))
    for r, col in ((11, (255, 200, 60)), (7.5, (80, 190, 250)), (4, (255, 255, 255))):
        c.circle(w / 2, h * 0.36, r, col)
    c.circle(w / 2 - 6, h * 0.36 - 7, 3, (255, 255, 255), 0.7)
    return c


def duck(w, h):
    c = Canvas(w, h, 4)
    frame(c, (226, 244, 255), (150, 205, 245))
    c.ellipse(w * 0.5, h * 0.66, 16, 11, (255, 214, 20))
    c.circle(w * 0.6, h * 0.36, 9, (255, 214, 20))
    c.polygon([(w * 0.78, h * 0.36), (w - 2, h * 0.40), (w * 0.78, h * 0.45)], (255, 120, 20))
    c.circle(w * 0.64, h * 0.33, 1.8, (30, 30, 40))
    c.ellipse(w * 0.4, h * 0.64, 7, 4, (240, 180, 10))
    c.rect(0, h * 0.84, w, h, (90, 160, 230), 0.8)
    return c


def balloon(w, h):
    c = Canvas(w, h, 4)
    frame(c, (235, 250, 255), (200, 235, 250))
    c.line(w * 0.5, h * 0.7, w * 0.45, h - 2, 1.2, (120, 120, 120))
    c.ellipse(w * 0.5, h * 0.38, 14, 17, (250, 60, 60))
    c.polygon([(w * 0.5 - 3, h * 0.72), (w * 0.5 + 3, h * 0.72), (w * 0.5, h * 0.67)],
              (210, 40, 40))
    c.ellipse(w * 0.5 - 5, h * 0.38 - 7, 3, 5, (255, 190, 190), 0.8)
    return c


def rose(w, h):
    c = Canvas(w, h, 4)
    frame(c, (255, 250, 240), (250, 235, 215))
    c.line(w * 0.5, h * 0.45, w * 0.5, h - 2, 2.5, (40, 150, 60))
    c.polygon([(w * 0.5, h * 0.7), (w * 0.2, h * 0.6), (w * 0.28, h * 0.72)], (60, 170, 70))
    c.polygon([(w * 0.5, h * 0.78), (w * 0.82, h * 0.68), (w * 0.74, h * 0.8)], (60, 170, 70))
    c.circle(w * 0.5, h * 0.33, 12, (200, 20, 50))
    for i in range(5):
        a = i * 2 * math.pi / 5
        c.circle(w * 0.5 + 5 * math.cos(a), h * 0.33 + 5 * math.sin(a), 5, (230, 50, 80))
    c.circle(w * 0.5, h * 0.33, 4, (170, 10, 40))
    return c


def brick(w, h):
    c = Canvas(w, h, 4)
    frame(c, (245, 245, 240), (215, 215, 205))
    top, bottom = h * 0.3, h * 0.78
    c.polygon([(4, top + 6), (w - 10, top + 6), (w - 10, bottom), (4, bottom)], (190, 70, 40))
    c.polygon([(4, top + 6), (12, top - 2), (w - 2, top - 2), (w - 10, top + 6)], (225, 110, 70))
    c.polygon([(w - 10, top + 6), (w - 2, top - 2), (w - 2, bottom - 8), (w - 10, bottom)],
              (150, 50, 30))
    for y in (top + 14, top + 24):
        c.line(5, y, w - 11, y, 1, (235, 215, 200))
    c.line(w * 0.45, top + 6, w * 0.45, top + 14, 1, (235, 215, 200))
    c.line(w * 0.3, top + 14, w * 0.3, top + 24, 1, (235, 215, 200))
    c.line(w * 0.6, top + 24, w * 0.6, bottom, 1, (235, 215, 200))
    return c


def fireworks(w, h):
    c = Canvas(w, h, 4)
    frame(c, (20, 24, 70), (50, 30, 100))
    for cx, cy, r, col in ((w * 0.45, h * 0.35, 13, (255, 210, 60)),
                           (w * 0.72, h * 0.68, 8, (120, 230, 255)),
                           (w * 0.25, h * 0.72, 7, (255, 110, 180))):
        for i in range(12):
            a = i * math.pi / 6
            c.line(cx + 0.3 * r * math.cos(a), cy + 0.3 * r * math.sin(a), cx + r * math.cos(a),
                   cy + r * math.sin(a), 1.4, col)
        c.circle(cx, cy, 1.8, (255, 255, 255))
    return c


def snowman(w, h):
    c = Canvas(w, h, 4)
    frame(c, (200, 225, 255), (160, 195, 240))
    c.rect(0, h * 0.86, w, h, (250, 252, 255))
    c.circle(w * 0.5, h * 0.7, 12, (252, 252, 255))
    c.circle(w * 0.5, h * 0.38, 8.5, (252, 252, 255))
    c.rect(w * 0.5 - 7, h * 0.13, w * 0.5 + 7, h * 0.2, (30, 30, 40))
    c.rect(w * 0.5 - 4.5, h * 0.03, w * 0.5 + 4.5, h * 0.19, (30, 30, 40))
    c.circle(w * 0.5 - 3, h * 0.36, 1.3, (20, 20, 20))
    c.circle(w * 0.5 + 3, h * 0.36, 1.3, (20, 20, 20))
    c.polygon([(w * 0.5, h * 0.4), (w * 0.5 + 7, h * 0.42), (w * 0.5, h * 0.44)],
              (255, 130, 20))
    c.rect(w * 0.5 - 8, h * 0.5, w * 0.5 + 8, h * 0.54, (220, 40, 50))
    for y in (0.62, 0.7, 0.78):
        c.circle(w * 0.5, h * y, 1.3, (40, 40, 50))
    return c


def background(w, h):
    """A calm diagonal gradient with a few soft bubbles: the controls stay readable."""
    c = Canvas(w, h, 1)
    top_left, bottom_right = (255, 236, 214), (214, 232, 255)
    for y in range(h):
        for x in range(w):
            t = (x / w + y / h) / 2
            c.px[y * w + x] = [top_left[i] + (bottom_right[i] - top_left[i]) * t
                               for i in range(3)]
    bubbles = [(90, 80, 60, (255, 200, 220)), (700, 120, 90, (200, 230, 255)),
               (420, 300, 140, (255, 245, 200)), (150, 480, 100, (210, 255, 225)),
               (650, 470, 120, (255, 215, 200)), (300, 560, 50, (230, 215, 255)),
               (560, 40, 40, (215, 255, 240))]
    for cx, cy, r, col in bubbles:
        c.circle(cx, cy, r, col, 0.45)
        c.circle(cx - r * 0.3, cy - r * 0.3, r * 0.25, (255, 255, 255), 0.35)
    return c


# The gift pictures in gift order; their sizes are fixed by the catalogue.
PICTURES = [
    ("background", 800, 600, background),
    ("gift1", 43, 53, lollipop),
    ("gift2", 41, 52, duck),
    ("gift3", 42, 53, balloon),
    ("gift4", 42, 52, rose),
    ("gift5", 43, 52, brick),
    ("gift6", 43, 50, fireworks),
    ("gift7", 42, 52, snowman),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    convert = shutil.which("convert")
    if convert is None:
        sys.exit("ImageMagick's convert is needed to write JPEG files")
    with tempfile.TemporaryDirectory() as tmp:
        for name, w, h, draw in PICTURES:
            ppm = os.path.join(tmp, name + ".ppm")
            with open(ppm, "wb") as f:
                f.write(draw(w, h).ppm())
            jpg = os.path.join(out, name + ".jpg")
            subprocess.run([convert, ppm, "-strip", "-quality", "90", jpg], check=True)
            print(jpg)


if __name__ == "__main__":
    main()
