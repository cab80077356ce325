// Reads a screenshot of a tab: the tab's own pixels, decoded by the page (an
// image drawn on a 2D canvas), so no PNG decoder is needed here.
"use strict";

// Takes a screenshot and reads it: for each of `points` ([x, y]) its colour
// [r, g, b]; for each of `regions` ({ name, x0, y0, x1, y1, rgb, tolerance })
// the pixels whose every channel is within `tolerance` of `rgb`, their count
// and bounds. Resolves to { colours: [...], regions: { name: { count, left,
// top, right, bottom } } }.
async function readScreenshot(page, { points = [], regions = [] }) {
  const png = await page.screenshot({ type: "png", encoding: "base64" });
  return page.evaluate(
    async (data, at, wanted) => {
      const image = new Image();
      image.src = `data:image/png;base64,${data}`;
      await image.decode();
      const canvas = document.createElement("canvas");
      canvas.width = image.width;
      canvas.height = image.height;
      const context = canvas.getContext("2d", { willReadFrequently: true });
      context.drawImage(image, 0, 0);
      const pixels = context.getImageData(0, 0, image.width, image.height).data;
      const found = {};
      for (const r of wanted) {
        const seen = { count: 0, left: Infinity, top: Infinity, right: -Infinity, bottom: -Infinity };
        for (let y = Math.max(0, r.y0); y < Math.min(image.height, r.y1); ++y)
          for (let x = Math.max(0, r.x0); x < Math.min(image.width, r.x1); ++x) {
            const i = (y * image.width + x) * 4;
            if (
              Math.abs(pixels[i] - r.rgb[0]) <= r.tolerance &&
              Math.abs(pixels[i + 1] - r.rgb[1]) <= r.tolerance &&
              Math.abs(pixels[i + 2] - r.rgb[2]) <= r.tolerance
            ) {
              seen.count += 1;
              seen.left = Math.min(seen.left, x);
              seen.top = Math.min(seen.top, y);
              seen.right = Math.max(seen.right, x + 1);
              seen.bottom = Math.max(seen.bottom, y + 1);
            }
          }
        found[r.name] = seen;
      }
      const colours = at.map(([x, y]) => {
        const i = (y * image.width + x) * 4;
        return [pixels[i], pixels[i + 1], pixels[i + 2]];
      });
      return { colours, regions: found };
    },
    png,
    points,
    regions,
  );
}

async function colourRegions(page, regions) {
  return (await readScreenshot(page, { regions })).regions;
}

async function pixelsAt(page, points) {
  return (await readScreenshot(page, { points })).colours;
}

module.exports = { colourRegions, pixelsAt };
