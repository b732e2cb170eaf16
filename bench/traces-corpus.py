#!/usr/bin/python3
"""traces-corpus.py SOURCES_LIST OUT_DIR [QUALITIES]

Makes a corpus for measuring the traces of an earlier compression: each
source JPEG is decoded, downscaled by a non-integer factor (so that no block
grid of its own compression survives) and saved as OUT_DIR/NAME/src.ppm; then
cjpeg compresses it once at every quality (single-QQ.jpg) and twice at every
ordered pair of different qualities (double-Q1-Q2.jpg), and once more twice
with the picture cropped by 1 to 7 pixels between the saves (crop-Q1-Q2.jpg,
for a few pairs). Needs Pillow, cjpeg and djpeg."""
import os
import random
import subprocess
import sys

from PIL import Image

QUALITIES = [50, 60, 70, 75, 80, 85, 90, 95]
CROP_PAIRS = [(60, 80), (70, 90), (75, 85), (80, 95)]
LONGEST = 1024   # longest side after scaling: about the 3,600 blocks the model reads


def pictures(source):
    """The whole picture and, for a large one, its four quarters: more
    sources of one photo, each kept on the same side of a split."""
    picture = Image.open(source)
    picture.load()
    picture = picture.convert("L" if picture.mode in ("L", "I;16", "I") else "RGB")
    yield "", picture
    if max(picture.size) >= 1600:
        w, h = picture.width // 2, picture.height // 2
        for i, (x, y) in enumerate([(0, 0), (w, 0), (0, h), (w, h)]):
            yield f"-q{i}", picture.crop((x, y, x + w, y + h))


def scaled(picture):
    factor = min(0.71, LONGEST / max(picture.size))
    size = (max(8, round(picture.width * factor)), max(8, round(picture.height * factor)))
    return picture.resize(size, Image.LANCZOS)


def cjpeg(quality, source, target):
    with open(target, "wb") as out:
        subprocess.run(["cjpeg", "-quality", str(quality), source], stdout=out, check=True)


def djpeg(source, target):
    with open(target, "wb") as out:
        subprocess.run(["djpeg", source], stdout=out, check=True)


def make(picture, folder, qualities, rng):
    os.makedirs(folder, exist_ok=True)
    ppm = os.path.join(folder, "src.ppm")
    scaled(picture).save(ppm)
    first = {}
    for q in qualities:
        cjpeg(q, ppm, os.path.join(folder, f"single-{q}.jpg"))
        first[q] = os.path.join(folder, f"first-{q}.ppm")
        djpeg(os.path.join(folder, f"single-{q}.jpg"), first[q])
    for q1 in qualities:
        for q2 in qualities:
            if q1 != q2:
                cjpeg(q2, first[q1], os.path.join(folder, f"double-{q1}-{q2}.jpg"))
    for q1, q2 in CROP_PAIRS:
        if q1 in first and q2 in qualities:
            picture = Image.open(first[q1])
            dx, dy = rng.randint(0, 7), rng.randint(1, 7)
            if rng.random() < 0.5:
                dx, dy = dy, dx
            cropped = os.path.join(folder, "cropped.ppm")
            picture.crop((dx, dy, picture.width, picture.height)).save(cropped)
            cjpeg(q2, cropped, os.path.join(folder, f"crop-{q1}-{q2}.jpg"))
    for name in os.listdir(folder):
        if name.endswith(".ppm"):
            os.remove(os.path.join(folder, name))


def main():
    sources = [line.strip() for line in open(sys.argv[1]) if line.strip()]
    out = sys.argv[2]
    qualities = [int(q) for q in sys.argv[3].split(",")] if len(sys.argv) > 3 else QUALITIES
    rng = random.Random(22)
    for source in sources:
        name = os.path.splitext(os.path.basename(source))[0]
        try:
            for suffix, picture in pictures(source):
                make(picture, os.path.join(out, name + suffix), qualities, rng)
        except Exception as error:   # a source Pillow cannot read is left out
            print(f"skipped {source}: {error}", file=sys.stderr)


main()
