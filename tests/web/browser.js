// Runs a page of the WebAssembly build in Debian's Chromium, headless, for the
// browser checks: serves a folder on 127.0.0.1 with a small static server,
// starts /usr/bin/chromium through puppeteer-core (which downloads no browser)
// with a new empty profile, and hands back the page with a collector of what
// it printed to its console.
//
//   const { openPage } = require("./browser");
//   const tab = await openPage({ root: "build-web/check", path: "sdl_page.html" });
//   await tab.waitForConsole(/ready/, 20000, "the page getting ready");
//   ...
//   await tab.close();
//
// Every wait has a timeout and fails with an Error whose message names what
// was awaited. CHROMIUM=/path/to/chromium picks another browser binary.
"use strict";

const fs = require("fs");
const http = require("http");
const os = require("os");
const path = require("path");

let puppeteer;
try {
  puppeteer = require("puppeteer-core");
} catch (error) {
  throw new Error(
    `puppeteer-core is not installed in ${__dirname}/node_modules (run: npm ci --prefix ${__dirname})`,
  );
}

const defaultChromium = "/usr/bin/chromium";

// What Chromium needs here: no sandbox as root (it refuses to start
// otherwise); no GPU, so WebGL runs on SwiftShader through ANGLE, which
// recent Chromium allows only when asked (--enable-unsafe-swiftshader);
// and none of the background traffic a browser starts on its own.
const chromiumFlags = [
  "--headless=new",
  "--no-sandbox",
  "--disable-gpu",
  "--use-angle=swiftshader",
  "--enable-unsafe-swiftshader",
  "--ignore-gpu-blocklist",
  "--disable-dev-shm-usage",
  "--disable-quic",
  "--no-first-run",
  "--no-default-browser-check",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--disable-extensions",
  "--disable-default-apps",
  "--disable-domain-reliability",
  "--disable-client-side-phishing-detection",
  "--disable-features=Translate,OptimizationHints,MediaRouter,DialMediaRouteProvider,CalculateNativeWinOcclusion,InterestFeedContentSuggestions,CertificateTransparencyComponentUpdater,AutofillServerCommunication,PrivacySandboxSettings4",
  "--no-pings",
  "--password-store=basic",
  "--use-mock-keychain",
  "--mute-audio",
  "--hide-scrollbars",
];

const contentTypes = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
  ".data": "application/octet-stream",
  ".json": "application/json",
  ".css": "text/css",
  ".png": "image/png",
  ".txt": "text/plain; charset=utf-8",
};

// Resolves `promise`, or rejects after `ms` milliseconds with an Error that
// names `what`.
function withTimeout(promise, ms, what) {
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`timed out after ${ms} ms waiting for ${what}`)), ms);
  });
  return Promise.race([promise, timeout]).finally(() => clearTimeout(timer));
}

// Serves the files under `root` (nothing outside it) on 127.0.0.1 at a free
// port. Resolves to { server, origin, requests }, where requests lists every
// path asked for with its status.
function serveFolder(root, timeoutMs = 10000) {
  const base = fs.realpathSync(root);
  const requests = [];
  const server = http.createServer((request, response) => {
    let status = 200;
    let file;
    // Browsers ask for an icon no page here has.
    if (request.url === "/favicon.ico") {
      response.writeHead(204);
      response.end();
      return;
    }
    try {
      const url = new URL(request.url, "http://localhost");
      file = path.join(base, decodeURIComponent(url.pathname));
      if (file !== base && !file.startsWith(base + path.sep)) status = 403;
      else if (fs.statSync(file, { throwIfNoEntry: false })?.isDirectory()) file = path.join(file, "index.html");
    } catch {
      status = 400;
    }
    if (status === 200 && !fs.existsSync(file)) status = 404;
    requests.push({ path: request.url, status });
    if (status !== 200) {
      response.writeHead(status, { "Content-Type": "text/plain" });
      response.end(`${status}\n`);
      return;
    }
    response.writeHead(200, {
      "Content-Type": contentTypes[path.extname(file)] || "application/octet-stream",
      "Cache-Control": "no-store",
    });
    fs.createReadStream(file).pipe(response);
  });
  const listening = new Promise((resolve, reject) => {
    server.once("error", (error) => reject(new Error(`the static server cannot listen: ${error.message}`)));
    server.listen(0, "127.0.0.1", () => {
      resolve({ server, origin: `http://127.0.0.1:${server.address().port}`, requests });
    });
  });
  return withTimeout(listening, timeoutMs, "the static server to listen on 127.0.0.1");
}

// Starts Chromium with a profile of its own in a new temporary folder.
async function launchChromium({ executablePath, timeoutMs = 30000, extraArgs = [] } = {}) {
  const chromium = executablePath || process.env.CHROMIUM || defaultChromium;
  if (!fs.existsSync(chromium)) {
    throw new Error(`no browser at ${chromium} (install Debian's chromium package, or set CHROMIUM)`);
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "web-check-profile-"));
  let browser;
  try {
    browser = await withTimeout(
      puppeteer.launch({
        executablePath: chromium,
        headless: true,
        // The flags above replace puppeteer's own defaults, and the browser
        // is driven over a pipe, not a debugging port.
        ignoreDefaultArgs: true,
        args: [...chromiumFlags, `--user-data-dir=${profile}`, "--remote-debugging-pipe", ...extraArgs, "about:blank"],
        pipe: true,
        timeout: timeoutMs,
        protocolTimeout: timeoutMs,
        defaultViewport: null,
        dumpio: !!process.env.WEB_CHECK_BROWSER_LOG,
      }),
      timeoutMs + 5000,
      `${chromium} to start`,
    );
  } catch (error) {
    fs.rmSync(profile, { recursive: true, force: true });
    throw new Error(`cannot start ${chromium}: ${error.message.split("\n")[0]}`);
  }
  return { browser, profile };
}

// Firefox ESR over WebDriver BiDi, with a profile puppeteer makes. Headless
// Firefox finds no GL driver here, so it runs with a window: on the X
// display it is given (scripts/test starts it under xvfb-run), where WebGL 2
// runs on Mesa's llvmpipe. The preferences keep it from calling home and,
// with `noWebgl2`, switch WebGL 2 off as a browser without it would be.
const defaultFirefox = "/usr/bin/firefox-esr";
async function launchFirefox({ executablePath, timeoutMs = 30000, noWebgl2 = false, touch = false } = {}) {
  const firefox = executablePath || process.env.FIREFOX || defaultFirefox;
  if (!fs.existsSync(firefox)) {
    throw new Error(`no browser at ${firefox} (install Debian's firefox-esr package, or set FIREFOX)`);
  }
  if (!process.env.DISPLAY) throw new Error("Firefox needs an X display here (run under xvfb-run)");
  let browser;
  try {
    browser = await withTimeout(
      puppeteer.launch({
        browser: "firefox",
        executablePath: firefox,
        headless: false,
        timeout: timeoutMs,
        protocolTimeout: timeoutMs,
        defaultViewport: null,
        dumpio: !!process.env.WEB_CHECK_BROWSER_LOG,
        extraPrefsFirefox: {
          "webgl.force-enabled": true,
          "webgl.enable-webgl2": !noWebgl2,
          // A phone: touch events, and a finger as the main pointer (coarse,
          // no hover) for the page's media queries.
          ...(touch ? { "dom.w3c_touch_events.enabled": 1, "ui.primaryPointerCapabilities": 1, "ui.allPointerCapabilities": 1 } : {}),
          "app.update.enabled": false,
          "browser.shell.checkDefaultBrowser": false,
          "datareporting.policy.dataSubmissionEnabled": false,
          "network.captive-portal-service.enabled": false,
          "network.connectivity-service.enabled": false,
        },
      }),
      timeoutMs + 5000,
      `${firefox} to start`,
    );
  } catch (error) {
    throw new Error(`cannot start ${firefox}: ${error.message.split("\n")[0]}`);
  }
  return { browser, profile: null };
}

// Serves `root`, starts the browser and opens `path` under it in a tab of
// `width` x `height` CSS pixels. Resolves to the opened tab:
//   page                      the puppeteer page
//   url(p)                    the address of p under the served folder
//   messages                  every console line so far: { type, text }
//   errors                    uncaught page errors and failed requests (any
//                             of them also ends every waitForConsole at once)
//   waitForConsole(re, ms, what, from)   resolves to the first message from
//                             index `from` on (default 0) that matches re
//   close()                   closes the browser and the server
// `browser` is "chromium" (the default) or "firefox"; `noWebgl2` switches
// WebGL 2 off in either; `touch` makes the tab a phone's (touch events, a
// coarse pointer); `extraArgs` go to Chromium after its usual flags.
async function openPage({
  root,
  path: pagePath = "index.html",
  query = "",
  width = 800,
  height = 600,
  timeoutMs = 30000,
  executablePath,
  extraArgs = [],
  browser: browserName = "chromium",
  noWebgl2 = false,
  touch = false,
} = {}) {
  if (!root || !fs.existsSync(root) || !fs.statSync(root).isDirectory()) {
    throw new Error(`no folder to serve at ${root}`);
  }
  if (!fs.existsSync(path.join(root, pagePath))) {
    throw new Error(`no page ${pagePath} in ${root}`);
  }
  const served = await serveFolder(root);
  let launched;
  try {
    launched =
      browserName === "firefox"
        ? await launchFirefox({ executablePath, timeoutMs, noWebgl2, touch })
        : await launchChromium({
            executablePath,
            timeoutMs,
            extraArgs: noWebgl2 ? ["--disable-webgl2", ...extraArgs] : extraArgs,
          });
  } catch (error) {
    served.server.close();
    throw error;
  }
  const { browser, profile } = launched;
  const messages = [];
  const errors = [];
  const waiters = new Set();
  const record = (message) => {
    messages.push(message);
    for (const waiter of waiters) waiter.message(message);
  };
  // A page error or a failed request ends every wait at once.
  const recordError = (error) => {
    errors.push(error);
    for (const waiter of waiters) waiter.error(error);
  };

  let closed = false;
  const close = async () => {
    if (closed) return;
    closed = true;
    try {
      await withTimeout(browser.close(), 10000, "the browser to close");
    } catch {
      browser.process()?.kill("SIGKILL");
    }
    served.server.closeAllConnections?.();
    served.server.close();
    if (profile) fs.rmSync(profile, { recursive: true, force: true });
  };

  try {
    const pages = await withTimeout(browser.pages(), timeoutMs, "the browser's first tab");
    const page = pages[0] || (await withTimeout(browser.newPage(), timeoutMs, "a new tab"));
    page.setDefaultTimeout(timeoutMs);
    page.setDefaultNavigationTimeout(timeoutMs);
    page.on("console", (message) => record({ type: message.type(), text: message.text() }));
    page.on("pageerror", (error) => recordError(`uncaught in the page: ${error.message.split("\n")[0]}`));
    page.on("requestfailed", (request) =>
      recordError(`request failed: ${request.url()} (${request.failure()?.errorText || "no reason"})`),
    );
    page.on("response", (response) => {
      if (response.status() >= 400) recordError(`HTTP ${response.status()} for ${response.url()}`);
    });
    await page.setViewport({ width, height, isMobile: touch, hasTouch: touch });

    const url = (p) => `${served.origin}/${p.replace(/^\/+/, "")}`;
    const waitForConsole = (re, ms, what, from = 0) => {
      const awaited = what || `a console line matching ${re}`;
      const found = messages.slice(from).find((m) => re.test(m.text));
      if (found) return Promise.resolve(found);
      if (errors.length) return Promise.reject(new Error(`${errors[0]} (while waiting for ${awaited})`));
      let waiter;
      const seen = new Promise((resolve, reject) => {
        waiter = {
          message: (message) => re.test(message.text) && resolve(message),
          error: (error) => reject(new Error(`${error} (while waiting for ${awaited})`)),
        };
        waiters.add(waiter);
      });
      return withTimeout(seen, ms, awaited).finally(() => waiters.delete(waiter));
    };

    await page.goto(url(pagePath) + (query ? `?${query.replace(/^\?/, "")}` : ""), {
      waitUntil: "load",
      timeout: timeoutMs,
    });
    return { browser, page, url, messages, errors, waitForConsole, close, requests: served.requests };
  } catch (error) {
    await close();
    throw error;
  }
}

module.exports = { openPage, serveFolder, launchChromium, launchFirefox, withTimeout, chromiumFlags };
