// The page as a visitor gets it, in headless Chromium (WebGL 2 on
// SwiftShader) and in Firefox ESR (WebGL 2 on Mesa's llvmpipe, in a window on
// the X display it is given), one after the other: the time from the page's
// start to its first frame and frames per second on animation frames (capped
// by the browser at its display rate), and the sizes of what a visitor
// downloads. Then, in Chromium, its floor: the same picture drawn by bare
// WebGL 2 (floor.html) at the poses of the settled aircraft (from the native
// build's zarv-capture), uncapped, by turns with the page, and the page's
// frame time against the floor's; and the native program on llvmpipe with the
// page's back buffer (gl_frame_bench).
//
//   node bench/web/page_bench.js SITE_FOLDER NATIVE_BUILD_FOLDER [WIDTH HEIGHT]
"use strict";

const { execFileSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");

const { openPage } = require("../../tests/web/browser");
const { parsePoses } = require("../../tests/web/poses");

const [site, nativeBuild, widthArg, heightArg] = process.argv.slice(2);
if (!site || !nativeBuild) {
  console.error("usage: node bench/web/page_bench.js SITE_FOLDER NATIVE_BUILD_FOLDER [WIDTH HEIGHT]");
  process.exit(2);
}
const width = Number(widthArg || 1280);
const height = Number(heightArg || 800);
const repo = path.resolve(__dirname, "../..");
const uncapped = ["--disable-frame-rate-limit", "--disable-gpu-vsync"];

// Frames per second of `count` (an expression in the page that gives the
// frames drawn so far): five seconds to settle, then ten seconds counted.
async function framesPerSecond(page, count) {
  await new Promise((resolve) => setTimeout(resolve, 5000));
  const read = `[${count}, performance.now()]`;
  const start = await page.evaluate(read);
  await new Promise((resolve) => setTimeout(resolve, 10000));
  const end = await page.evaluate(read);
  return ((end[0] - start[0]) * 1000) / (end[1] - start[1]);
}

// The page; resolves to its frames per second, the size of its drawing
// buffer and the attributes of its WebGL context.
async function measurePage(what, extraArgs, browser = "chromium") {
  const tab = await openPage({ root: site, width, height, timeoutMs: 60000, extraArgs, browser });
  try {
    await tab.page.waitForFunction(() => window.zarv.firstFrame !== null || window.zarv.ended !== null, {
      timeout: 60000,
    });
    const firstFrame = await tab.page.evaluate(() => window.zarv.firstFrame);
    const canvas = await tab.page.evaluate(() => {
      const c = document.getElementById("canvas");
      return {
        width: c.width,
        height: c.height,
        shown: `${c.clientWidth}x${c.clientHeight}`,
        boxWidth: c.clientWidth,
        boxHeight: c.clientHeight,
        attributes: c.getContext("webgl2").getContextAttributes(),
      };
    });
    const fps = await framesPerSecond(tab.page, "Module._zarvStep(0)");
    console.log(`${what}: first frame ${firstFrame.toFixed(0)} ms after the page's start; ` +
      `${fps.toFixed(1)} frames per second (canvas ${canvas.width}x${canvas.height} drawn, shown at ${canvas.shown})`);
    return { fps, ...canvas };
  } finally {
    await tab.close();
  }
}

// The poses of the settled aircraft: zarv-capture's last of 300 frames (five
// simulated seconds), by body. Asked once.
let poses = null;
function settledPoses() {
  if (!poses) poses = capturePoses();
  return poses;
}

function capturePoses() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "page-bench-poses-"));
  try {
    const csv = path.join(folder, "poses.csv");
    execFileSync(path.resolve(nativeBuild, "zarv-capture"), ["--frames", "300", "--poses", csv], {
      cwd: path.resolve(nativeBuild),
      stdio: ["ignore", "ignore", "inherit"],
    });
    const settled = {};
    for (const pose of parsePoses(fs.readFileSync(csv, "utf8").split("\n")).values())
      if (pose.frame === 299) settled[pose.body] = pose;
    return settled;
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// The bare WebGL 2 floor (floor.html) drawn as the page is: same canvas box,
// drawing buffer and context attributes, same browser flags.
async function measureFloor(what, page, extraArgs) {
  const root = fs.mkdtempSync(path.join(os.tmpdir(), "page-bench-floor-"));
  try {
    fs.copyFileSync(path.join(__dirname, "floor.html"), path.join(root, "floor.html"));
    fs.cpSync(path.join(repo, "art/3d/yak_52"), path.join(root, "art"), { recursive: true });
    const tab = await openPage({ root, path: "floor.html", width, height, timeoutMs: 60000, extraArgs });
    try {
      await tab.page.evaluate((setup) => startFloor(setup), {
        width: page.width,
        height: page.height,
        // The program's window, and so its back buffer, is 50 pixels smaller
        // each way than the screen, which is the canvas's box.
        aspect: (page.boxWidth - 50) / (page.boxHeight - 50),
        attributes: page.attributes,
        poses: settledPoses(),
      });
      const fps = await framesPerSecond(tab.page, "window.floor.frames");
      console.log(`${what}: ${fps.toFixed(1)} frames per second (canvas ${page.width}x${page.height})`);
      return fps;
    } finally {
      await tab.close();
    }
  } finally {
    fs.rmSync(root, { recursive: true, force: true });
  }
}

// Page and floor by turns, so that whatever else the machine does weighs on
// both alike: the ratio of the medians, and each round's.
const kRounds = 3;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// The native program on llvmpipe on a screen the size of the page's canvas
// box, so that its back buffer is the page's.
function measureNative(page) {
  const output = execFileSync(path.resolve(nativeBuild, "gl_frame_bench"), ["program", "--frames", "300"], {
    env: { ...process.env, ZARV_BENCH_SCREEN: `${page.boxWidth}x${page.boxHeight}`, SDL_VIDEODRIVER: "offscreen" },
    encoding: "utf8",
  });
  const line = output.split("\n").find((l) => l.startsWith("program"));
  console.log(`native, on a screen of the canvas box (${page.boxWidth}x${page.boxHeight}): ${line}`);
}

(async () => {
  for (const name of ["zarv.wasm", "zarv.data", "zarv.js", "controls.js", "index.html"])
    console.log(`${name}: ${fs.statSync(path.join(site, name)).size} bytes`);
  await measurePage(`headless Chromium, ${width}x${height}`, []);
  if (process.env.DISPLAY) await measurePage(`Firefox ESR, ${width}x${height}`, [], "firefox");
  else console.log("Firefox ESR: not measured (it needs an X display; bench/web/run.sh gives it one)");
  const pages = [];
  const floors = [];
  let page;
  for (let round = 1; round <= kRounds; ++round) {
    page = await measurePage(`headless Chromium, frame rate not capped (round ${round})`, uncapped);
    pages.push(page.fps);
    floors.push(await measureFloor(`bare WebGL 2 scene floor, frame rate not capped (round ${round})`, page, uncapped));
  }
  const contextAttributes = Object.entries(page.attributes)
    .map(([key, value]) => `${key} ${value}`)
    .join(", ");
  console.log(`  the page's context: ${contextAttributes}`);
  const rounds = pages.map((fps, i) => (floors[i] / fps).toFixed(2)).join(", ");
  const pageFps = median(pages);
  const floorFps = median(floors);
  console.log(`page ${(1000 / pageFps).toFixed(2)} ms/frame, floor ${(1000 / floorFps).toFixed(2)} ms/frame ` +
    `(medians of ${kRounds}): the page takes ${(floorFps / pageFps).toFixed(2)} times its floor (by round: ${rounds})`);
  measureNative(page);
})().catch((error) => {
  console.error(`page_bench: ${error.message}`);
  process.exit(1);
});
