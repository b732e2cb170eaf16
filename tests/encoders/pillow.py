"""Saves a picture with Pillow's presets: python3 pillow.py PICTURE.ppm OUTPUT-DIR PRESET...
Each file is OUTPUT-DIR/PRESET.jpg."""
import os
import sys

from PIL import Image

picture, out_dir, presets = sys.argv[1], sys.argv[2], sys.argv[3:]
with Image.open(picture) as image:
    for preset in presets:
        image.save(os.path.join(out_dir, preset + ".jpg"), quality=preset)
