// The page in headless Chromium (WebGL 2 on SwiftShader): the time from the
// page's start to its first frame, frames per second on animation frames
// (capped by the browser at its display rate, and with the cap lifted), and
// the sizes of what a visitor downloads.
//
//   node bench/web/page_bench.js SITE_FOLDER [WIDTH HEIGHT]
"use strict";

const fs = require("fs");
const path = require("path");

const { openPage } = require("../../tests/web/browser");

const [site, widthArg, heightArg] = process.argv.slice(2);
if (!site) {
  console.error("usage: node bench/web/page_bench.js SITE_FOLDER [WIDTH HEIGHT]");
  process.exit(2);
}
const width = Number(widthArg || 1280);
const height = Number(heightArg || 800);

async function measure(what, extraArgs) {
  const session = await openPage({ root: site, width, height, timeoutMs: 60000, extraArgs });
  try {
    await session.page.waitForFunction(() => window.zarv.firstFrame !== null || window.zarv.ended !== null, {
      timeout: 60000,
    });
    const firstFrame = await session.page.evaluate(() => window.zarv.firstFrame);
    const canvas = await session.page.evaluate(() => {
      const c = document.getElementById("canvas");
      return `${c.width}x${c.height} drawn, shown at ${c.clientWidth}x${c.clientHeight}`;
    });
    // Five seconds to settle, then ten seconds counted.
    await new Promise((resolve) => setTimeout(resolve, 5000));
    const start = await session.page.evaluate(() => [Module._zarvStep(0), performance.now()]);
    await new Promise((resolve) => setTimeout(resolve, 10000));
    const end = await session.page.evaluate(() => [Module._zarvStep(0), performance.now()]);
    const fps = ((end[0] - start[0]) * 1000) / (end[1] - start[1]);
    console.log(`${what}: first frame ${firstFrame.toFixed(0)} ms after the page's start; ` +
      `${fps.toFixed(1)} frames per second (canvas ${canvas})`);
  } finally {
    await session.close();
  }
}

(async () => {
  for (const name of ["zarv.wasm", "zarv.data", "zarv.js", "index.html"])
    console.log(`${name}: ${fs.statSync(path.join(site, name)).size} bytes`);
  await measure("headless Chromium", []);
  await measure("headless Chromium, frame rate not capped", [
    "--disable-frame-rate-limit",
    "--disable-gpu-vsync",
  ]);
})().catch((error) => {
  console.error(`page_bench: ${error.message}`);
  process.exit(1);
});
