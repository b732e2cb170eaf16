// Writes JPEG files with the two mozjpeg builds: node mozjpeg.mjs NPM-DIR PICTURE.ppm JOBS.
// Each line of JOBS: BUILD SET QUALITY BASELINE CHROMA-QUALITY OUTPUT, where BUILD
// is sharp (always baseline-forced, one quality) or jsquash, BASELINE is 0 or 1.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';

const [npmDir, picturePath, jobsPath] = process.argv.slice(2);
const modules = path.join(npmDir, 'node_modules');
const sharp = createRequire(path.join(modules, 'x.js'))('sharp');
const jsquash = await import(pathToFileURL(path.join(modules, '@jsquash/jpeg/encode.js')));
const wasm = path.join(modules, '@jsquash/jpeg/codec/enc/mozjpeg_enc.wasm');
await jsquash.init(new WebAssembly.Module(fs.readFileSync(wasm)));

// A binary PPM (P6, maxval 255) as RGBA pixels.
function readPpm(file) {
  const bytes = fs.readFileSync(file);
  const header = bytes.toString('latin1', 0, 64).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error(`${file}: not a P6 picture`);
  const [width, height] = [Number(header[1]), Number(header[2])];
  const rgb = bytes.subarray(header[0].length);
  const rgba = new Uint8ClampedArray(width * height * 4);
  for (let i = 0; i < width * height; i++) {
    rgba.set(rgb.subarray(3 * i, 3 * i + 3), 4 * i);
    rgba[4 * i + 3] = 255;
  }
  return { data: rgba, width, height };
}

const picture = readPpm(picturePath);
for (const line of fs.readFileSync(jobsPath, 'utf8').split('\n').filter(Boolean)) {
  const [build, set, quality, baseline, chromaQuality, output] = line.split(' ');
  let jpeg;
  if (build === 'sharp') {
    const raw = { raw: { width: picture.width, height: picture.height, channels: 4 } };
    jpeg = await sharp(Buffer.from(picture.data.buffer), raw)
      .jpeg({ mozjpeg: true, quantisationTable: Number(set), quality: Number(quality) })
      .toBuffer();
  } else {
    jpeg = Buffer.from(await jsquash.default(picture, {
      quant_table: Number(set), quality: Number(quality), baseline: baseline === '1',
      separate_chroma_quality: chromaQuality !== quality, chroma_quality: Number(chromaQuality),
    }));
  }
  fs.writeFileSync(output, jpeg);
}
