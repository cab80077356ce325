// The program in a web page, in headless Chromium or in Firefox ESR (which
// needs an X display: scripts/test runs it under xvfb-run):
//   - the picture after five simulated seconds: sky at the corners, both help
//     texts top left in their colours, the white airframe and the red nose
//     wheel near the middle; the status line names the release;
//   - real key events (R, P, E then =, the camera keys) on a fixed frame
//     time, the poses the page writes to its console compared with
//     zarv-capture run natively on the same keys;
//   - on a phone (touch, 390 x 844), the on-screen keys: every key of the
//     help offered, two held at once and a tap matching zarv-capture's poses;
//     in portrait, landscape and at 360 px nothing runs off the screen and
//     the middle of the picture stays clear; with a mouse they stay hidden
//     until asked for;
//   - Esc ends the program: the loop stops, teardown runs, nothing throws;
//     while loading, the status line counted both downloads' bytes;
//   - without WebGL 2 (Chromium's --disable-webgl2), and with zarv.data
//     missing, the page says it could not start, in its status line and a
//     dialog, and stays alive.
//
//   node tests/web/page-test.js [--browser chromium|firefox] SITE_FOLDER NATIVE_BUILD_FOLDER
//
// SITE_FOLDER holds the page (scripts/web makes build-web/site); the native
// build folder holds zarv-capture. Exit status 0 when every check passes,
// else 1 with one line per failed check.
"use strict";

const { execFileSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");

const { openPage } = require("./browser");
const { colourRegions } = require("./screenshot");
const { comparePoses, parsePoses } = require("./poses");

const usage = "usage: node tests/web/page-test.js [--browser chromium|firefox] SITE_FOLDER NATIVE_BUILD_FOLDER";
const args = process.argv.slice(2);
let browser = "chromium";
if (args[0] === "--browser") {
  browser = args[1];
  args.splice(0, 2);
}
const [site, nativeBuild] = args;
if (!site || !nativeBuild || !["chromium", "firefox"].includes(browser)) {
  console.error(usage);
  process.exit(2);
}
const capture = path.resolve(nativeBuild, "zarv-capture");

const kWidth = 1280;
const kHeight = 800;
const kStepTimeout = 120000;
// The release the status line names: project()'s version.
const kVersion = (fs
  .readFileSync(path.join(__dirname, "../../CMakeLists.txt"), "utf8")
  .match(/^project\(zarv VERSION ([0-9.]+)/m) || [])[1];

// A test run of the page: frames only on zarvStep, 1/60 s each.
async function openTestRun({ width = kWidth, height = kHeight, touch = false } = {}) {
  const tab = await openPage({
    root: site,
    path: "index.html",
    query: "?test&dt=1/60",
    browser,
    width,
    height,
    touch,
    timeoutMs: 60000,
  });
  await tab.page.waitForFunction(
    () => window.zarv && (window.zarv.ended !== null || (typeof Module !== "undefined" && Module.calledRun)),
    { timeout: 60000 },
  );
  const ended = await tab.page.evaluate(() => window.zarv.ended);
  if (ended !== null) throw new Error(`the program did not start (status ${ended}): ${errorLines(tab)}`);
  return tab;
}

function errorLines(tab) {
  return tab.messages
    .filter((m) => m.type === "error")
    .map((m) => m.text)
    .concat(tab.errors.map(String))
    .join(" | ");
}

// Runs frames up to (not including) `frame`; resolves to the frames run.
async function stepTo(tab, frame) {
  return tab.page.evaluate(
    (target) => Module._zarvStep(Math.max(0, target - Module._zarvStep(0))),
    frame,
  );
}

async function thePicture() {
  const tab = await openTestRun();
  try {
    const frames = await stepTo(tab, 300);
    if (frames !== 300) throw new Error(`the page ran ${frames} frames, not 300`);
    const box = await tab.page.evaluate(() => {
      const r = document.getElementById("canvas").getBoundingClientRect();
      return { x: Math.round(r.x), y: Math.round(r.y), w: Math.round(r.width), h: Math.round(r.height) };
    });
    // The back buffer is 50 px smaller than the canvas box, and stretched to it.
    const sx = box.w / (box.w - 50);
    // The texts' corner (the help texts live in the back buffer's top-left
    // 600 x 300 pixels) and the middle of the picture.
    const corner = { x0: box.x, y0: box.y, x1: box.x + Math.round(640 * sx), y1: box.y + Math.round(0.3 * box.h) };
    const middle = {
      x0: box.x + Math.round(box.w * 0.3),
      y0: box.y + Math.round(box.h * 0.25),
      x1: box.x + Math.round(box.w * 0.7),
      y1: box.y + Math.round(box.h * 0.75),
    };
    const sky = [155, 155, 255];
    const found = await colourRegions(tab.page, [
      { name: "topLeft", x0: box.x, y0: box.y + Math.round(box.h * 0.4), x1: box.x + 8, y1: box.y + Math.round(box.h * 0.4) + 8, rgb: sky, tolerance: 2 },
      { name: "topRight", x0: box.x + box.w - 8, y0: box.y, x1: box.x + box.w, y1: box.y + 8, rgb: sky, tolerance: 2 },
      { name: "bottomLeft", x0: box.x, y0: box.y + box.h - 8, x1: box.x + 8, y1: box.y + box.h, rgb: sky, tolerance: 2 },
      { name: "bottomRight", x0: box.x + box.w - 8, y0: box.y + box.h - 8, x1: box.x + box.w, y1: box.y + box.h, rgb: sky, tolerance: 2 },
      { name: "cyan", ...corner, rgb: [0, 255, 255], tolerance: 100 },
      { name: "redText", ...corner, rgb: [255, 0, 0], tolerance: 100 },
      { name: "white", ...middle, rgb: [255, 255, 255], tolerance: 40 },
      { name: "redWheel", ...middle, rgb: [230, 0, 0], tolerance: 60 },
    ]);
    const problems = [];
    for (const name of ["topLeft", "topRight", "bottomLeft", "bottomRight"])
      if (found[name].count !== 64) problems.push(`the ${name} corner is not all sky (${found[name].count} of 64 pixels)`);
    const cyan = found.cyan;
    const red = found.redText;
    if (cyan.count < 200) problems.push(`the cyan camera help is missing (${cyan.count} pixels)`);
    if (red.count < 100) problems.push(`the red key help is missing (${red.count} pixels)`);
    if (cyan.count >= 200 && red.count >= 100 && !(cyan.top < red.top))
      problems.push(`the camera help (top ${cyan.top}) is not above the key help (top ${red.top})`);
    if (found.white.count < 2000) problems.push(`no white airframe near the middle (${found.white.count} pixels)`);
    if (found.redWheel.count < 100) problems.push(`no red nose wheel near the middle (${found.redWheel.count} pixels)`);
    const version = await tab.page.evaluate(() => document.getElementById("version").textContent);
    if (version !== `Zarv ${kVersion}`) problems.push(`the status line says "${version}", not "Zarv ${kVersion}"`);
    // With a mouse the on-screen keys stay hidden until asked for.
    const shownAtFirst = await onScreenKeysShown(tab.page);
    await tab.page.click("#controls-button");
    if (shownAtFirst || !(await onScreenKeysShown(tab.page)))
      problems.push(`with a mouse the on-screen keys are ${shownAtFirst ? "shown" : "hidden"} at first, and the button does not show them`);
    const errors = errorLines(tab);
    if (errors) problems.push(`the console has errors: ${errors}`);
    if (problems.length) throw new Error(problems.join("; "));
    console.log(
      `  picture: sky at the corners; cyan help ${cyan.count} px (top ${cyan.top - box.y}), red help ${red.count} px ` +
        `(top ${red.top - box.y}); airframe ${found.white.count} white px, nose wheel ${found.redWheel.count} red px`,
    );
  } finally {
    await tab.close();
  }
}

// The keys the capture tool's tests use, as held frame ranges: the page's
// key name (KeyboardEvent.code) and the capture tool's DIK name.
const kKeyScript = [
  { code: "KeyP", dik: "P", first: 120, last: 179 },
  { code: "KeyR", dik: "R", first: 180, last: 185 },
  { code: "KeyE", dik: "E", first: 200, last: 205 },
  { code: "Equal", dik: "EQUALS", first: 206, last: 265 },
  { code: "F2", dik: "F2", first: 266, last: 270 },
  { code: "KeyS", dik: "S", first: 271, last: 290 },
  { code: "KeyZ", dik: "Z", first: 291, last: 300 },
  { code: "F3", dik: "F3", first: 301, last: 305 },
  { code: "F1", dik: "F1", first: 306, last: 310 },
  { code: "KeyA", dik: "A", first: 311, last: 320 },
  { code: "ArrowLeft", dik: "LEFT", first: 321, last: 340 },
  { code: "ArrowUp", dik: "UP", first: 341, last: 360 },
];
const kScriptFrames = 370;

async function theKeysAgainstTheNativeProgram() {
  const tab = await openTestRun();
  let pagePoses;
  try {
    await tab.page.focus("#canvas");
    for (const key of kKeyScript) {
      await stepTo(tab, key.first);
      await tab.page.keyboard.down(key.code);
      await stepTo(tab, key.last + 1);
      await tab.page.keyboard.up(key.code);
    }
    const frames = await stepTo(tab, kScriptFrames);
    if (frames !== kScriptFrames) throw new Error(`the page ran ${frames} frames, not ${kScriptFrames}`);
    pagePoses = parsePoses(tab.messages.map((m) => m.text));
    const errors = errorLines(tab);
    if (errors) throw new Error(`the console has errors: ${errors}`);
  } finally {
    await tab.close();
  }

  const nativePoses = runNative(kScriptFrames, kKeyScript);
  const result = comparePoses(pagePoses, nativePoses, { metres: 1e-4, degrees: 0.01 });
  console.log(
    `  poses: ${result.compared} poses over ${kScriptFrames} frames; largest differences ` +
      `${result.largestMetres.toExponential(2)} m, ${result.largestDegrees.toExponential(2)} deg`,
  );
  if (result.problems.length) throw new Error(result.problems.slice(0, 5).join("; "));
}

// The poses of zarv-capture over `frames` frames of 1/60 s with `holds`
// ({ dik, first, last }) held.
function runNative(frames, holds) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "zarv-web-poses-"));
  try {
    const csv = path.join(folder, "native.csv");
    const args = ["--frames", String(frames), "--dt", "1/60", "--poses", csv];
    for (const key of holds) args.push("--hold", `${key.dik}:${key.first}-${key.last}`);
    execFileSync(capture, args, { stdio: ["ignore", "ignore", "inherit"] });
    return parsePoses(fs.readFileSync(csv, "utf8").split("\n"));
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// Whether the page shows its on-screen keys.
function onScreenKeysShown(page) {
  return page.evaluate(() => {
    const panel = document.getElementById("controls");
    return !panel.hidden && panel.getBoundingClientRect().width > 0;
  });
}

// Every key of the help, as the help writes it.
const kHelpKeys = ["E", "=", "-", "Up", "Down", "Left", "Right", "Delete", "Page Down", "Home", "End",
  "1", "2", "R", "P", "F1", "F2", "F3", "S", "X", "Z", "C", "A", "D"];

// The centre of the on-screen button for `key`.
async function buttonFor(page, key) {
  const box = await page.evaluate((name) => {
    const button = [...document.querySelectorAll("#controls button")].find((b) =>
      b.getAttribute("aria-label").startsWith(`${name}:`));
    const r = button?.getBoundingClientRect();
    return r && { x: r.x + r.width / 2, y: r.y + r.height / 2 };
  }, key);
  if (!box) throw new Error(`no on-screen button for ${key}`);
  return box;
}

// On a phone (touch, a coarse pointer, 390 x 844): the on-screen keys show
// by themselves and offer every key of the help; "=" held by one finger
// while another holds E gives the poses zarv-capture gives holding the same
// keys over the same frames; a tap on F2 holds it for one frame and changes
// the view.
async function theOnScreenKeysOnAPhone() {
  const tab = await openTestRun({ width: 390, height: 844, touch: true });
  const page = tab.page;
  let pagePoses;
  try {
    if (!(await onScreenKeysShown(page))) throw new Error("a phone does not get the on-screen keys");
    const labels = await page.evaluate(() =>
      [...document.querySelectorAll("#controls button")].map((b) => b.getAttribute("aria-label")));
    const missing = kHelpKeys.filter((key) => !labels.some((label) => label.startsWith(`${key}:`)));
    if (missing.length) throw new Error(`no on-screen button for ${missing.join(", ")} (the buttons: ${labels.join(" | ")})`);

    await stepTo(tab, 150);
    const equal = await buttonFor(page, "=");
    const throttle = await page.touchscreen.touchStart(equal.x, equal.y);
    await stepTo(tab, 200);
    const e = await buttonFor(page, "E");
    const engine = await page.touchscreen.touchStart(e.x, e.y);
    await stepTo(tab, 206);
    await engine.end();
    await stepTo(tab, 266);
    await throttle.end();
    await stepTo(tab, 300);
    const f2 = await buttonFor(page, "F2");
    await page.touchscreen.tap(f2.x, f2.y);
    await stepTo(tab, 301);
    await page.waitForFunction(() => !document.querySelector("#controls .held"), { timeout: 10000 });
    await stepTo(tab, kTouchFrames);
    pagePoses = parsePoses(tab.messages.map((m) => m.text));
    const errors = errorLines(tab);
    if (errors) throw new Error(`the console has errors: ${errors}`);
  } finally {
    await tab.close();
  }
  const native = runNative(kTouchFrames, [
    { dik: "EQUALS", first: 150, last: 265 },
    { dik: "E", first: 200, last: 205 },
    { dik: "F2", first: 300, last: 300 },
  ]);
  const result = comparePoses(pagePoses, native, { metres: 1e-4, degrees: 0.01 });
  if (result.problems.length) throw new Error(result.problems.slice(0, 5).join("; "));
  const camera = (frame) => pagePoses.get(`${frame},camera`)?.p;
  const before = camera(299);
  const after = camera(kTouchFrames - 1);
  const moved = before && after ? Math.hypot(...after.map((v, i) => v - before[i])) : 0;
  if (!(moved > 1)) throw new Error(`the tap on F2 moved the camera ${moved.toFixed(3)} m: the view did not change`);
  console.log(
    `  on-screen keys: ${kHelpKeys.length} keys offered; "=" and E held together and F2 tapped, ` +
      `${result.compared} poses as the native program's (largest differences ` +
      `${result.largestMetres.toExponential(2)} m, ${result.largestDegrees.toExponential(2)} deg); F2 moved the camera ${moved.toFixed(2)} m`,
  );
}
const kTouchFrames = 320;

// The page's layout on phones: in portrait and landscape the on-screen keys
// stay clear of the aircraft in the middle of the picture, and on a screen
// 360 pixels wide nothing runs off it, with the keys' list open or not.
async function thePhoneLayout() {
  const tab = await openTestRun({ width: 390, height: 844, touch: true });
  const page = tab.page;
  try {
    await stepTo(tab, 300);
    const problems = [];
    for (const [width, height] of [[390, 844], [844, 390], [360, 740]]) {
      await page.setViewport({ width, height, isMobile: true, hasTouch: true });
      for (const keysOpen of [false, true]) {
        if (keysOpen) await page.click("#keys-button");
        problems.push(...(await page.evaluate(layoutProblems, `${width}x${height}${keysOpen ? " with the keys' list open" : ""}`)));
        if (keysOpen) await page.click("#keys-button");
      }
    }
    if (problems.length) throw new Error(problems.slice(0, 6).join("; "));
    console.log("  phone layout: 390x844, 844x390 and 360x740, the keys' list shut and open: nothing off the screen, the middle clear");
  } finally {
    await tab.close();
  }
}

// Runs in the page: what runs off the screen, and which on-screen key covers
// the middle of the picture (a third of its width and height).
function layoutProblems(where) {
  const problems = [];
  const width = document.documentElement.clientWidth;
  const height = document.documentElement.clientHeight;
  if (document.documentElement.scrollWidth > width)
    problems.push(`${where}: the page is ${document.documentElement.scrollWidth} px wide`);
  for (const element of document.body.querySelectorAll("*")) {
    const r = element.getBoundingClientRect();
    if (r.width === 0 || r.height === 0 || element.closest("dialog:not([open])")) continue;
    if (r.left < -0.5 || r.right > width + 0.5 || r.top < -0.5 || r.bottom > height + 0.5)
      problems.push(`${where}: #${element.id || element.tagName} "${element.textContent.slice(0, 20)}" runs off the screen`);
  }
  const c = document.getElementById("canvas").getBoundingClientRect();
  const middle = { left: c.left + c.width / 3, right: c.right - c.width / 3, top: c.top + c.height / 3, bottom: c.bottom - c.height / 3 };
  for (const button of document.querySelectorAll("#controls button")) {
    const r = button.getBoundingClientRect();
    if (r.left < middle.right && r.right > middle.left && r.top < middle.bottom && r.bottom > middle.top)
      problems.push(`${where}: "${button.getAttribute("aria-label")}" covers the middle of the picture`);
  }
  const listShown = document.getElementById("keys-text").getClientRects().length > 0;
  if (listShown !== document.getElementById("help").classList.contains("keys-open"))
    problems.push(`${where}: the keys' list is ${listShown ? "shown" : "hidden"} with the "Keys" button ${listShown ? "shut" : "open"}`);
  return problems;
}

async function escapeEndsTheProgram() {
  // A page as a visitor gets it: the loop on animation frames.
  const tab = await openPage({ root: site, path: "index.html", browser, width: kWidth, height: kHeight, timeoutMs: 60000 });
  try {
    await tab.page.waitForFunction(() => window.zarv.firstFrame !== null || window.zarv.ended !== null, {
      timeout: 60000,
    });
    // While loading, the status line counted the bytes of both downloads.
    const loading = await tab.page.evaluate(() => ({
      loaded: window.zarv.loaded,
      firstFrameMs: window.zarv.firstFrame - window.zarv.loadStart,
    }));
    for (const file of ["zarv.wasm", "zarv.data"]) {
      const got = loading.loaded[file];
      const size = fs.statSync(path.join(site, file)).size;
      if (!got || got.loaded !== size || got.total !== size)
        throw new Error(`the page's progress for ${file} ends at ${JSON.stringify(got)}, not ${size} bytes`);
    }
    console.log(`  loaded zarv.wasm and zarv.data with progress; first frame after ${loading.firstFrameMs.toFixed(0)} ms`);
    await tab.page.focus("#canvas");
    const before = await tab.page.evaluate(() => Module._zarvStep(0));
    await tab.page.keyboard.down("Escape");
    await tab.page.waitForFunction(() => window.zarv.ended !== null, { timeout: 30000 });
    await tab.page.keyboard.up("Escape");
    const status = await tab.page.evaluate(() => window.zarv.ended);
    const afterEnd = await tab.page.evaluate(() => Module._zarvStep(0));
    await new Promise((resolve) => setTimeout(resolve, 500));
    const later = await tab.page.evaluate(() => Module._zarvStep(0));
    const problems = [];
    if (status !== 0) problems.push(`the program ended with status ${status}, not 0`);
    if (later !== afterEnd) problems.push(`frames went on after the end (${afterEnd}, then ${later})`);
    if (!(afterEnd > before)) problems.push(`no frame ran between the first frame and Esc`);
    const errors = errorLines(tab);
    if (errors) problems.push(`the console has errors: ${errors}`);
    if (problems.length) throw new Error(problems.join("; "));
    console.log(`  Esc: ended with status 0 after ${afterEnd} frames; no frame after that, nothing thrown`);
  } finally {
    await tab.close();
  }
}

// What the page says when it cannot start: the status line, and a dialog
// with a caption and a text; the page itself stays alive.
async function theCannotStartWord(tab, caption) {
  await tab.page.waitForFunction(() => window.zarv.failed !== null, { timeout: 30000 });
  // A broken start must not take the tab with it a moment later.
  await new Promise((resolve) => setTimeout(resolve, 1500));
  return tab.page.evaluate((expected) => {
    const dialog = document.getElementById("message");
    const problems = [];
    const status = document.getElementById("state").textContent;
    if (!status.startsWith("Could not start")) problems.push(`the status line says "${status}"`);
    if (!dialog.open) problems.push("no dialog is shown");
    const shown = document.getElementById("message-caption").textContent;
    if (shown !== expected) problems.push(`the dialog's caption is "${shown}", not "${expected}"`);
    return { problems, status, text: document.getElementById("message-text").textContent };
  }, caption);
}

async function withoutWebgl2ThePageSaysSo() {
  const tab = await openPage({
    root: site, path: "index.html", browser, width: kWidth, height: kHeight, timeoutMs: 60000,
    noWebgl2: true,
  });
  try {
    const word = await theCannotStartWord(tab, "This page needs WebGL 2");
    if (!/WebGL 2/.test(word.text) || !/Try /.test(word.text))
      word.problems.push(`the dialog does not say what to try: "${word.text}"`);
    if (word.problems.length) throw new Error(word.problems.join("; "));
    console.log(`  no WebGL 2: "${word.status}"`);
  } finally {
    await tab.close();
  }
}

async function aMissingDataFileStopsTheStartPlainly() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "zarv-web-site-"));
  try {
    for (const file of fs.readdirSync(site))
      if (file !== "zarv.data") fs.copyFileSync(path.join(site, file), path.join(folder, file));
    const tab = await openPage({ root: folder, path: "index.html", browser, width: kWidth, height: kHeight, timeoutMs: 60000 });
    try {
      const word = await theCannotStartWord(tab, "Zarv could not start");
      if (!/zarv\.data/.test(word.text)) word.problems.push(`the dialog does not name zarv.data: "${word.text}"`);
      if (word.problems.length) throw new Error(word.problems.join("; "));
      console.log(`  zarv.data missing: "${word.status}"; the dialog: "${word.text}"`);
    } finally {
      await tab.close();
    }
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

(async () => {
  console.log(`in ${browser}:`);
  let failed = 0;
  for (const [what, check] of [
    ["the picture after five simulated seconds", thePicture],
    ["real key events against the native program's poses", theKeysAgainstTheNativeProgram],
    ["on a phone, the on-screen keys against the native program's poses", theOnScreenKeysOnAPhone],
    ["the page's layout on phones", thePhoneLayout],
    ["Esc ends the program", escapeEndsTheProgram],
    ["without WebGL 2 the page says so", withoutWebgl2ThePageSaysSo],
    ["a missing data file: the page says it could not start", aMissingDataFileStopsTheStartPlainly],
  ]) {
    // PAGE_TEST_ONLY=pattern runs only the checks whose names match it.
    if (process.env.PAGE_TEST_ONLY && !new RegExp(process.env.PAGE_TEST_ONLY).test(what)) continue;
    const start = Date.now();
    try {
      await check();
      console.log(`ok   ${what} (${((Date.now() - start) / 1000).toFixed(1)} s)`);
    } catch (error) {
      failed += 1;
      console.log(`FAIL ${what}: ${error.message}`);
    }
  }
  process.exit(failed ? 1 : 0);
})();
