// Draws the README's pictures of the page: the page in a tab of the given
// size after five simulated seconds (its test mode, 300 frames of 1/60 s),
// saved as a PNG. --touch makes the tab a phone's, with its on-screen keys.
//
//   node tests/web/page-picture.js SITE_FOLDER WIDTHxHEIGHT OUT.png [--touch] [--browser chromium|firefox]
//
// docs/zarv-phone.png is `build-web/site 390x844 docs/zarv-phone.png --touch`.
"use strict";

const { openPage } = require("./browser");

const usage =
  "usage: node tests/web/page-picture.js SITE_FOLDER WIDTHxHEIGHT OUT.png [--touch] [--browser chromium|firefox]";
const args = process.argv.slice(2);
const touch = args.includes("--touch");
const at = args.indexOf("--browser");
const browser = at >= 0 ? args[at + 1] : "chromium";
const [site, size, out] = args.filter((arg, i) => !arg.startsWith("--") && !(at >= 0 && i === at + 1));
const [width, height] = (/^(\d+)x(\d+)$/.exec(size || "") || []).slice(1).map(Number);
if (!site || !out || !(width >= 200 && height >= 200) || !["chromium", "firefox"].includes(browser)) {
  console.error(usage);
  process.exit(2);
}

(async () => {
  const tab = await openPage({ root: site, query: "?test", browser, width, height, touch, timeoutMs: 60000 });
  try {
    await tab.page.waitForFunction(() => typeof Module !== "undefined" && Module.calledRun, { timeout: 60000 });
    const frames = await tab.page.evaluate(() => Module._zarvStep(300));
    if (frames !== 300) throw new Error(`the page ran ${frames} frames, not 300`);
    await tab.page.screenshot({ path: out, type: "png" });
    console.log(`${out}: the page at ${width}x${height}${touch ? " with touch" : ""} in ${browser}, frame 299`);
  } finally {
    await tab.close();
  }
})().catch((error) => {
  console.error(`page-picture: ${error.message}`);
  process.exit(1);
});
