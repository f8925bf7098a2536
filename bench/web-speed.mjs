// The web page's speed in headless Chromium, medians of several runs: the
// start of a first and a repeat visit, the module's searches (the first one
// of a list scans it, the second builds the index, later ones use it), the
// jump to the end of 200,001 words, and the bytes of a first visit. The native
// figures to set beside them come from anagrove-web-bench.
//   tools/web --build-only && node bench/web-speed.mjs [RUNS]
// (puppeteer-core from tests/web: npm ci there first.)

import { createRequire } from "node:module";
import { mkdtempSync, rmSync, statSync, readdirSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";

import { moduleIds, servePage } from "../tools/web-page.mjs";

const puppeteer = createRequire(new URL("../tests/web/package.json", import.meta.url))("puppeteer-core");
const root = new URL("../", import.meta.url).pathname;
const pageDir = join(root, "build", "web");
const runs = Number(process.argv[2] ?? 7);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(value < 10 ? 2 : 1)} ms`;

const server = await servePage(pageDir, { port: 0 });
const home = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(join(tmpdir(), "anagrove-speed-"));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
  headless: true,
  userDataDir: profile,
  args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
    "--disable-component-update", "--disable-sync"],
});

// Milliseconds from the start of the navigation to the first search being possible.
async function visit(page) {
  await page.goto(home);
  await page.waitForFunction(() => performance.getEntriesByName("anagrove-ready").length > 0);
  return page.evaluate(() => performance.getEntriesByName("anagrove-ready")[0].startTime);
}

const first = [];
const repeat = [];
let firstVisitBytes = 0;
for (let k = 0; k < runs; k++) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const sent = server.bytesSent;
  first.push(await visit(page));
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    for (;;) {
      const names = await caches.keys();
      if (names.length > 0 && (await (await caches.open(names[0])).keys()).length >= 8) return;
      await new Promise((done) => setTimeout(done, 50));
    }
  });
  firstVisitBytes = server.bytesSent - sent;
  repeat.push(await visit(page));
  await context.close();
}

// The module's searches on the extended list, each page loaded afresh: the
// elapsed time, and the processor time of the page's thread (the machine may
// be busy), each search run by itself.
const searches = { "retains*": [], "**********": [] };
const page = await browser.newPage();
await page.goto(home);
const devtools = await page.createCDPSession();
await devtools.send("Performance.enable", { timeDomain: "threadTicks" });
const threadTime = async () =>
  (await devtools.send("Performance.getMetrics")).metrics.find((m) => m.name === "ThreadTime").value * 1000;
const { Choice, WordListKind, TextField } = moduleIds();
const fields = { list: Choice.list, extended: WordListKind.extended, nomax: Choice.no_maximum, letters: TextField.letters };
for (let k = 0; k < runs; k++)
  for (const [letters, times] of Object.entries(searches)) {
    await page.evaluate(() => localStorage.setItem("anagrove.choices", JSON.stringify({ list: "extended" })));
    await visit(page);
    await page.evaluate((c, letters) => {
      const e = globalThis.anagrove.engine;
      e.choose(c.list, c.extended);
      e.choose(c.nomax, letters.startsWith("*"));
      e.setText(c.letters, letters);
    }, fields, letters);
    const run = [];
    for (const count of [1, 1, 20]) {
      const before = await threadTime();
      const elapsed = await page.evaluate((count) => {
        const start = performance.now();
        for (let n = 0; n < count; n++) globalThis.anagrove.engine.search();
        return (performance.now() - start) / count;
      }, count);
      run.push([elapsed, (await threadTime() - before) / count]);
    }
    times.push(run);
  }

// From End in the list of 200,001 words to the frame that shows its last row.
await page.evaluate(() => localStorage.setItem("anagrove.choices", JSON.stringify({ list: "extended", nomax: true })));
await visit(page);
await page.type("#letters", "*".repeat(15));
await page.keyboard.press("Enter");
await page.waitForFunction(() => /the first 200001/.test(document.getElementById("status").textContent));
const jumps = [];
for (let k = 0; k < runs; k++)
  jumps.push(await page.evaluate(async () => {
    const box = document.getElementById("words");
    box.focus();
    box.dispatchEvent(new KeyboardEvent("keydown", { key: "Home", bubbles: true }));
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
    const start = performance.now();
    box.dispatchEvent(new KeyboardEvent("keydown", { key: "End", bubbles: true }));
    await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
    if (!document.querySelector('[aria-posinset="200001"]')) throw new Error("the last row is not shown");
    return performance.now() - start;
  }));

await browser.close();
server.close();
rmSync(profile, { recursive: true, force: true });

const wasm = readdirSync(pageDir).find((name) => name.endsWith(".wasm"));
console.log(`runs: ${runs} (medians)`);
console.log(`start, first visit (empty cache): ${ms(median(first))}`);
console.log(`start, repeat visit: ${ms(median(repeat))}`);
const both = (runs, k) => `${ms(median(runs.map((r) => r[k][1])))} (elapsed ${ms(median(runs.map((r) => r[k][0])))})`;
for (const [letters, times] of Object.entries(searches))
  console.log(`"${letters}"${letters.startsWith("*") ? ", no maximum" : ""}, processor time: first search ` +
    `${both(times, 0)}, second (builds the index) ${both(times, 1)}, later ${both(times, 2)}`);
console.log(`jump to the end of 200,001 words: ${ms(median(jumps))}`);
console.log(`module: ${statSync(join(pageDir, wasm)).size} bytes; first visit downloads ${firstVisitBytes} bytes`);
