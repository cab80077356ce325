#!/usr/bin/env node
// Checks SDL2 for the web in Debian's Chromium, headless: loads the page of
// tools/web-check/SdlPage.cpp, waits for it to draw, checks a background and
// a triangle pixel of a screenshot, sends real key events and checks that the
// page printed the SDL scancodes they map to, and watches what SDL reports
// when the page is left.
//
//   scripts/web-deps --check-browser            builds the page, then runs this
//   node tests/web/check-sdl-page.js [FOLDER]   FOLDER holds sdl_page.html, .js
//                                               and .wasm (default build-web/check)
//
// Needs `npm ci --prefix tests/web` once (scripts/web-deps does it). Prints
// what it found; exits 0, or 1 with one line naming what failed.
"use strict";

const fs = require("fs");
const path = require("path");

const repo = path.resolve(__dirname, "..", "..");
const folder = path.resolve(process.argv[2] || path.join(repo, "build-web", "check"));
const stepMs = 20000;
const wholeMs = 180000;

let step = "starting";
const openTabs = new Set();

function fail(what) {
  console.error(`check-sdl-page: FAILED: ${what}`);
  for (const tab of openTabs) tab.browser.process()?.kill("SIGKILL");
  process.exit(1);
}

// Nothing may hang: the whole check has a deadline as well as every wait.
setTimeout(() => fail(`the whole check took over ${wholeMs / 1000} s (while ${step})`), wholeMs).unref();

if (process.argv.length > 3) fail("usage: node tests/web/check-sdl-page.js [FOLDER]");
for (const file of ["sdl_page.html", "sdl_page.js", "sdl_page.wasm"]) {
  if (!fs.existsSync(path.join(folder, file))) {
    fail(`${path.join(folder, file)} does not exist (scripts/web-deps --check-browser builds it)`);
  }
}

let openPage;
let pixelsAt;
try {
  ({ openPage } = require("./browser"));
  ({ pixelsAt } = require("./screenshot"));
} catch (error) {
  fail(error.message);
}

// The SDL scancodes (SDL_scancode.h) of the keys sent, by their DOM code.
const keys = [
  { code: "KeyE", scancode: 8 },
  { code: "Equal", scancode: 46 },
  { code: "Escape", scancode: 41 },
  { code: "F1", scancode: 58 },
  { code: "ArrowLeft", scancode: 80 },
];

const background = [51, 102, 204];
const triangle = [255, 153, 0];

function near(rgb, want, tolerance = 3) {
  return rgb.length >= 3 && want.every((v, i) => Math.abs(rgb[i] - v) <= tolerance);
}

async function ready(tab, what) {
  const line = await tab.waitForConsole(/^sdl-page: (ready|error:)/, stepMs, `${what} to get ready`);
  if (/error:/.test(line.text)) throw new Error(`${what}: ${line.text.replace(/^sdl-page: error: /, "")}`);
  if (tab.errors.length) throw new Error(`${what}: ${tab.errors[0]}`);
}

async function waitForFrames(tab, count, what) {
  try {
    await tab.page.waitForFunction(
      (n) => (window.Module && (Module.sdlPageFrames >= n || Module.sdlPageError)),
      { timeout: stepMs, polling: 50 },
      count,
    );
  } catch (error) {
    throw new Error(`${what}: fewer than ${count} frames drawn in ${stepMs} ms`);
  }
  const error = await tab.page.evaluate(() => Module.sdlPageError || "");
  if (error) throw new Error(`${what}: ${error}`);
}

// The last console line matching re, or "".
function lineOf(tab, re) {
  const found = tab.messages.filter((m) => re.test(m.text)).pop();
  return found ? found.text : "";
}

// Presses and releases a key; resolves to the console lines SDL gave for it.
async function press(tab, code, scancode) {
  const before = tab.messages.length;
  await tab.page.keyboard.down(code);
  await tab.page.keyboard.up(code);
  const upLine = new RegExp(`^sdl-page: SDL_KEYUP scancode ${scancode} `);
  try {
    await tab.waitForConsole(upLine, 2000, `SDL_KEYUP for ${code}`, before);
  } catch {
    // No release seen: the caller decides whether that is a failure.
  }
  return tab.messages.slice(before).map((m) => m.text).filter((t) => /SDL_KEY(DOWN|UP)/.test(t));
}

async function checkKeys(tab, what) {
  for (const { code, scancode } of keys) {
    step = `${what}: pressing ${code}`;
    const lines = await press(tab, code, scancode);
    const down = lines.find((t) => t.startsWith(`sdl-page: SDL_KEYDOWN scancode ${scancode} `));
    const up = lines.find((t) => t.startsWith(`sdl-page: SDL_KEYUP scancode ${scancode} `));
    if (!down || !up) {
      throw new Error(
        `${what}: ${code} should give SDL_KEYDOWN and SDL_KEYUP with scancode ${scancode}; the page printed ${
          lines.length ? lines.join(" | ") : "no key event"
        }`,
      );
    }
    if (!/ focus yes /.test(down)) throw new Error(`${what}: ${code} arrived while the window had no keyboard focus`);
    console.log(`  ${code.padEnd(9)} -> ${down.replace("sdl-page: ", "")}`);
  }
}

async function fixedWindow() {
  step = "opening the page (fixed 640x480 window, keys on the whole page)";
  const tab = await openPage({ root: folder, path: "sdl_page.html", width: 800, height: 600, timeoutMs: stepMs });
  openTabs.add(tab);
  await ready(tab, "the page");
  step = "waiting for frames";
  const started = Date.now();
  await waitForFrames(tab, 30, "the page");
  const frameMs = (Date.now() - started) / 30;

  const version = lineOf(tab, /^sdl-page: GL_VERSION /);
  if (!/OpenGL ES 3\.0 \(WebGL 2\.0/.test(version)) throw new Error(`not WebGL 2: ${version || "no GL_VERSION line"}`);
  for (const re of [/SDL \d/, /desktop display mode/, /sizes at start/, /context:/, /GL_VERSION/, /GL_RENDERER/, /depth \d+/, /SetSwapInterval/, /glReadPixels/]) {
    for (const m of tab.messages.filter((m) => re.test(m.text))) console.log(`  ${m.text.replace("sdl-page: ", "")}`);
  }
  const missing = tab.messages
    .filter((m) => / missing$/.test(m.text) && /GetProcAddress/.test(m.text))
    .map((m) => m.text.split(" ")[2]);
  console.log(`  SDL_GL_GetProcAddress gives no ${missing.join(", ") || "(none missing)"}`);
  console.log(`  about ${frameMs.toFixed(1)} ms a frame`);

  const read = lineOf(tab, /^sdl-page: glReadPixels /).match(/centre (\d+),(\d+),(\d+) corner (\d+),(\d+),(\d+)/);
  if (!read) throw new Error("the page printed no glReadPixels line");
  if (!near(read.slice(1, 4).map(Number), triangle) || !near(read.slice(4, 7).map(Number), background)) {
    throw new Error(`glReadPixels saw centre ${read.slice(1, 4)} and corner ${read.slice(4, 7)}, not ${triangle} and ${background}`);
  }

  step = "taking a screenshot";
  const [centre, corner, beside] = await pixelsAt(tab.page, [[320, 240], [10, 10], [700, 300]]);
  console.log(`  screenshot: canvas centre ${centre}, canvas corner ${corner}, page beside the canvas ${beside}`);
  if (!near(centre, triangle)) throw new Error(`the triangle's pixel in the screenshot is ${centre}, not ${triangle}`);
  if (!near(corner, background)) throw new Error(`the background pixel in the screenshot is ${corner}, not ${background}`);
  if (!near(beside, [0, 0, 0])) throw new Error(`the page beside a 640x480 canvas is ${beside}, not black: the canvas is larger`);

  step = "clicking the canvas";
  await tab.page.click("#canvas");
  await checkKeys(tab, "keys after clicking the canvas");

  // SDL listens on the window by default: keys typed into another element of
  // the page reach it too, and SDL keeps most of them from that element.
  step = "typing into the text field";
  await tab.page.focus("#elsewhere");
  const elsewhere = await press(tab, "KeyE", 8);
  const field = await tab.page.$eval("#elsewhere", (input) => input.value);
  console.log(
    `  with the focus in a text field: SDL ${elsewhere.length ? "sees" : "does not see"} KeyE; the field holds "${field}"`,
  );
  if (!elsewhere.length) throw new Error("with keys on the whole page, SDL saw no key typed into the text field");

  // The window losing the focus (another tab or program) clears SDL's
  // keyboard focus and its pressed keys.
  step = "blurring the window";
  await tab.page.evaluate(() => window.dispatchEvent(new FocusEvent("blur")));
  await tab.waitForConsole(/SDL_WINDOWEVENT FOCUS_LOST/, 2000, "FOCUS_LOST after a blur").catch(() => null);
  const lost = lineOf(tab, /SDL_WINDOWEVENT FOCUS_LOST/);
  const afterBlur = await press(tab, "KeyE", 8);
  console.log(`  after a window blur: ${lost ? lost.replace("sdl-page: ", "") : "no FOCUS_LOST"}; KeyE then gives ${afterBlur.map((t) => t.replace("sdl-page: ", "")).join(" | ") || "nothing"}`);
  await tab.page.evaluate(() => window.dispatchEvent(new FocusEvent("focus")));
  await tab.waitForConsole(/SDL_WINDOWEVENT FOCUS_GAINED/, 2000, "FOCUS_GAINED after a focus").catch(() => null);

  // Leaving the page: SDL sends SDL_APP_TERMINATING from beforeunload.
  step = "leaving the page";
  await tab.page.goto("about:blank", { timeout: stepMs });
  await tab.waitForConsole(/SDL_APP_TERMINATING|SDL_QUIT/, 2000).catch(() => null);
  const leaving = tab.messages.filter((m) => /SDL_APP_TERMINATING|SDL_QUIT|WINDOWEVENT (CLOSE|HIDDEN)/.test(m.text));
  console.log(`  leaving the page gives: ${leaving.map((m) => m.text.replace("sdl-page: ", "")).join(", ") || "no event"}`);
  if (!leaving.some((m) => /SDL_APP_TERMINATING/.test(m.text))) throw new Error("leaving the page gave no SDL_APP_TERMINATING");
  await tab.close();
  openTabs.delete(tab);
}

async function resizableWindow() {
  step = "opening the page (resizable window, keys on the canvas only)";
  const tab = await openPage({
    root: folder,
    path: "sdl_page.html",
    query: "resizable&keyboard=%23canvas",
    width: 800,
    height: 600,
    timeoutMs: stepMs,
  });
  openTabs.add(tab);
  await ready(tab, "the resizable page");
  await waitForFrames(tab, 5, "the resizable page");
  const atStart = lineOf(tab, /sizes at start/);
  console.log(`  ${atStart.replace("sdl-page: ", "")}`);
  if (!/window 800x600, drawable 800x600, canvas 800x600/.test(atStart)) {
    throw new Error(`a resizable window in an 800x600 tab should be 800x600: ${atStart}`);
  }

  step = "resizing the tab";
  await tab.page.setViewport({ width: 1024, height: 700 });
  await tab.waitForConsole(/sizes after a resize: window 1024x700, drawable 1024x700, canvas 1024x700/, 5000,
    "the window to follow the tab to 1024x700");
  console.log(`  ${lineOf(tab, /sizes after a resize/).replace("sdl-page: ", "")}`);
  await waitForFrames(tab, 10, "the resized page");
  const [centre, corner] = await pixelsAt(tab.page, [[512, 350], [1014, 10]]);
  if (!near(centre, triangle) || !near(corner, background)) {
    throw new Error(`after the resize the screenshot shows ${centre} at the centre and ${corner} in a corner`);
  }

  step = "typing into the text field";
  await tab.page.focus("#elsewhere");
  const elsewhere = await press(tab, "KeyE", 8);
  const field = await tab.page.$eval("#elsewhere", (input) => input.value);
  console.log(
    `  keys on the canvas only, focus in the text field: SDL ${elsewhere.length ? "sees" : "does not see"} KeyE; the field holds "${field}"`,
  );
  if (elsewhere.length) throw new Error("with keys on the canvas only, SDL saw a key typed into the text field");
  step = "clicking the canvas";
  await tab.page.click("#canvas");
  const focused = await tab.page.evaluate(() => document.activeElement?.id || document.activeElement?.tagName);
  console.log(`  after a click on the canvas the focused element is ${focused}`);
  await checkKeys(tab, "keys on the canvas only, after clicking it");
  await tab.close();
  openTabs.delete(tab);
}

(async () => {
  const started = Date.now();
  console.log(`check-sdl-page: ${path.relative(process.cwd(), folder) || "."}/sdl_page.html in headless Chromium`);
  console.log("a 640x480 window, keys on the whole page:");
  await fixedWindow();
  console.log("a resizable window, keys on the canvas only:");
  await resizableWindow();
  console.log(`check-sdl-page: ok (${((Date.now() - started) / 1000).toFixed(1)} s)`);
  process.exit(0);
})().catch((error) => fail(error.message.split("\n")[0]));
