// The built page (build/web/) in Debian's Chromium, headless, driven by
// puppeteer-core: a search against anagrove-find, re-sorting, kept choices,
// the page without its server, a new deployment, lists that arrive unpacked,
// blocked and foreign storage, the window's refusals, 200,001 rows, axe-core's
// checks, and screenshots at 360x740 and 1280x800 into build/web/.
//   ANAGROVE_FIND   the native anagrove-find (built beside the word lists)
//   CHROMIUM        the browser (default /usr/bin/chromium)

import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";

import puppeteer from "puppeteer-core";

import { servePage } from "../../tools/web-page.mjs";

const root = new URL("../../", import.meta.url).pathname;
const pageDir = join(root, "build", "web");
const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
const ready = "Please enter letters to begin search";

// anagrove-find's items (one a line) and status for the same request.
function find(...args) {
  const run = spawnSync(process.env.ANAGROVE_FIND, args, { encoding: "utf8", maxBuffer: 1 << 28 });
  assert.equal(run.status, 0, run.stderr);
  return { items: run.stdout.split("\n").slice(0, -1), status: run.stderr };
}

let browser;
let profile;
before(async () => {
  profile = mkdtempSync(join(tmpdir(), "anagrove-chromium-"));
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run", "--disable-background-networking",
      "--disable-component-update", "--disable-sync"],
  });
});
// Every server a test starts is closed here too, so that a failed test ends
// the run instead of keeping it waiting on an open server.
const servers = [];
async function serve(dir, options) {
  const server = await servePage(dir, options);
  servers.push(server);
  return server;
}
after(async () => {
  for (const server of servers) {
    server.close();
    server.closeAllConnections();
  }
  await browser?.close();
  rmSync(profile, { recursive: true, force: true });
});

// A page whose console errors, uncaught errors and dialogs fail the test.
async function openPage(context, url, { width = 1280, height = 800 } = {}) {
  const page = await context.newPage();
  page.problems = [];
  page.on("console", (message) => message.type() === "error" && page.problems.push(message.text()));
  page.on("pageerror", (error) => page.problems.push(error.message));
  page.on("dialog", (dialog) => {
    page.problems.push(`dialog: ${dialog.message()}`);
    dialog.dismiss();
  });
  await page.setViewport({ width, height });
  await page.goto(url);
  await page.waitForFunction(() => globalThis.anagrove);
  return page;
}

const text = (page, selector) => page.$eval(selector, (element) => element.textContent);
const waitForStatus = (page, pattern) =>
  page.waitForFunction((source) => new RegExp(source).test(document.getElementById("status").textContent),
    {}, pattern.source);

// Types into the box of that accessible name, its text replaced. The browser
// updates its accessibility tree after the page shows a box, so the box is
// waited for.
async function fill(page, box, typed) {
  const field = await page.waitForSelector(`::-p-aria(${box})`, { visible: true });
  await field.click({ count: 3 });
  await page.keyboard.press("Delete");
  await field.type(typed);
}

// The same, then Enter.
async function search(page, letters, box = "Letters") {
  await fill(page, box, letters);
  await page.keyboard.press("Enter");
}

// Every item of "Words found", read as shown by scrolling through the list.
function readWords(page) {
  return page.evaluate(async () => {
    const box = document.querySelector('[role="listbox"][aria-label="Words found"]');
    const frame = () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
    const items = [];
    box.scrollTop = 0;
    for (;;) {
      await frame();
      for (const row of box.querySelectorAll('[role="option"]'))
        items[Number(row.getAttribute("aria-posinset")) - 1] = row.querySelector(".item").textContent;
      if (box.scrollTop + box.clientHeight >= box.scrollHeight - 1) return items;
      box.scrollTop += box.clientHeight;
    }
  });
}

async function searched(page, letters) {
  const before = await text(page, "#status");
  await search(page, letters);
  await page.waitForFunction((old) => {
    const now = document.getElementById("status").textContent;
    return now !== old && now.includes("words found");
  }, {}, before);
}

async function noAxeViolations(page, what) {
  await page.evaluate(axeSource);
  const { violations } = await page.evaluate(() => globalThis.axe.run(document));
  assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(" ")}`), [], what);
}

test("a search, its order, kept choices, then the page without its server and after a new deployment", async () => {
  const server = await serve(pageDir, { port: 0 });
  const home = `http://127.0.0.1:${server.address().port}/`;
  const page = await openPage(browser, home);
  await waitForStatus(page, new RegExp(ready));
  assert.equal(await text(page, "#caption"), "Words Found");

  await searched(page, "garden*");
  const expected = find("garden*");
  assert.deepEqual(await readWords(page), expected.items);
  assert.equal(await text(page, "#caption"), `${expected.items.length} words found`);
  assert.equal(await text(page, "#status"), expected.status.trim());
  assert.match(page.url(), /\?letters=garden\*&sort=alpha/);
  await page.focus('[aria-label="Words found"]');
  await page.keyboard.press("Home");
  assert.equal(await text(page, "#detail"), "Blank tile: a \u00b7 1 point with blanks at zero"); // "aa (2)"
  await page.keyboard.press("ArrowDown");
  assert.equal(await page.$eval("#dictionary", (link) => link.href), "https://www.dictionary.com/search?q=ab");
  await noAxeViolations(page, "after a search, 1280x800");
  await page.screenshot({ path: join(pageDir, "screenshot-1280x800.png") });

  await (await page.$("::-p-aria(Sort found words by score)")).click();
  assert.deepEqual(await readWords(page), find("--then", "score", "garden*").items);
  await (await page.$("::-p-aria(Extended English)")).click();
  await waitForStatus(page, /words found out of 254182/);
  await search(page, "9", "Maximum letters:");
  await page.waitForFunction(() => /words found out of 254182/.test(document.getElementById("status").textContent));

  // The choices stay for the next visit.
  await page.goto(home);
  await page.waitForFunction(() => globalThis.anagrove);
  const choices = await page.evaluate(() => globalThis.anagrove.choices());
  assert.deepEqual([choices.sort, choices.list, choices.maximum, choices.minimum], ["score", "extended", "9", "2"]);

  // Without the server (and the browser's own cache), the service worker's copy answers.
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await (await page.createCDPSession()).send("Network.clearBrowserCache");
  await new Promise((done) => server.close(done) && server.closeAllConnections());
  await page.reload();
  await page.waitForFunction(() => globalThis.anagrove);
  await searched(page, "retains*");
  assert.deepEqual(await readWords(page), find("--dictionary", "extended", "--max", "9", "--sort", "score", "retains*").items);

  // The first visit after a new deployment shows it.
  const deployed = mkdtempSync(join(tmpdir(), "anagrove-deployed-"));
  cpSync(pageDir, deployed, { recursive: true });
  const html = readFileSync(join(deployed, "index.html"), "utf8");
  writeFileSync(join(deployed, "index.html"), html.replace("<title>Anagrove</title>", "<title>Anagrove next</title>"));
  const worker = readFileSync(join(deployed, "sw.js"), "utf8");
  writeFileSync(join(deployed, "sw.js"), worker.replace(/anagrove-[0-9a-f]+/, "anagrove-next"));
  const next = await serve(deployed, { port: Number(new URL(home).port) });
  await page.reload();
  assert.equal(await page.title(), "Anagrove next");
  next.close();
  next.closeAllConnections();
  rmSync(deployed, { recursive: true, force: true });
  assert.deepEqual(page.problems, []);
  await page.close();
});

test("the window's refusals beside their fields, and a phone's screen", async () => {
  const server = await serve(pageDir, { port: 0 });
  const context = await browser.createBrowserContext();
  const page = await openPage(context, `http://127.0.0.1:${server.address().port}/`, { width: 360, height: 740 });
  await waitForStatus(page, new RegExp(ready));
  // The message beside the box (what its description adds to the note), and the box marked and focused.
  const refusal = async (box, typed, message) => {
    await search(page, typed, box);
    const field = await page.$(`::-p-aria(${box})`);
    const shown = await field.evaluate((element) => ({
      message: element.getAttribute("aria-describedby").split(" ")
        .map((id) => document.getElementById(id)).filter((e) => e.getAttribute("role") === "alert")
        .map((e) => e.textContent).join(""),
      invalid: element.getAttribute("aria-invalid"),
      focused: document.activeElement === element,
    }));
    assert.deepEqual(shown, { message, invalid: "true", focused: true }, `${box}: ${typed}`);
  };
  await refusal("Letters", "", "Please enter some letters to begin");
  assert.equal(await text(page, "#status"), ready);
  await refusal("Letters", "ab1", 'Please enter letters a-z, and * for blank tiles, in the box "Letters".');
  await fill(page, "Letters", "tea*");
  await refusal("Minimum letters:", "two", 'Please enter a number in the box "Minimum letters:".');
  await fill(page, "Minimum letters:", "2");
  await refusal("Maximum letters:", "8 letters", 'Please enter a number in the box "Maximum letters:".');
  await fill(page, "Maximum letters:", "8");
  await refusal("Starts with:", "r3", 'Please enter letters a-z in the box "Starts with:".');
  await fill(page, "Starts with:", "");
  await refusal("Pattern:", "r.3", 'Please enter letters a-z and dots in the box "Pattern:".');
  await fill(page, "Pattern:", "");
  await (await page.$("::-p-aria(Use custom point associations)")).click();
  for (let k = 0; k < 26; k++) await fill(page, `${String.fromCharCode(65 + k)} points`, "1");
  await refusal("C points", "x", "Please enter a number from -2147483648 to 2147483647 for C.");
  await refusal("C points", "3e12", "Please enter a number from -2147483648 to 2147483647 for C.");
  await fill(page, "C points", "3");
  assert.equal(await page.$$eval("[aria-invalid]", (boxes) => boxes.length), 1, "one box marked at a time");
  await searched(page, "tea*");
  assert.equal(await page.$$eval("[aria-invalid]", (boxes) => boxes.length), 0);
  assert.equal(await text(page, "#status"), find("--custom", `1,1,3${",1".repeat(23)}`, "tea*").status.trim());
  await noAxeViolations(page, "at 360x740");
  await page.screenshot({ path: join(pageDir, "screenshot-360x740.png") });
  // Tabbing through the page, each control comes into view clear of the status
  // bar that stays at the bottom of the screen.
  await page.evaluate(() => window.scrollTo(0, 0));
  await (await page.$("::-p-aria(Letters)")).focus();
  const under = [];
  for (let k = 0; k < 80; k++) {
    await page.keyboard.press("Tab");
    const hidden = await page.evaluate(() => {
      if (document.activeElement === document.body) return ""; // past the last control
      const control = document.activeElement.getBoundingClientRect();
      const bar = document.querySelector(".statusbar").getBoundingClientRect();
      return control.bottom > bar.top + 0.5 ? document.activeElement.outerHTML.slice(0, 60) : "";
    });
    if (hidden) under.push(hidden);
  }
  assert.deepEqual(under, [], "controls under the status bar when focused");
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
  await noAxeViolations(page, "dark, at 360x740");
  assert.deepEqual(page.problems, []);
  await context.close();
  server.close();
});

test("blocked or foreign storage, unpacked lists, a shared address, and 200,001 words", async () => {
  const server = await serve(pageDir, { port: 0, listsEncoded: true });
  const home = `http://127.0.0.1:${server.address().port}/`;
  const context = await browser.createBrowserContext();
  const blocked = await context.newPage();
  await blocked.evaluateOnNewDocument(() =>
    Object.defineProperty(globalThis, "localStorage", { get: () => { throw new DOMException("blocked", "SecurityError"); } }));
  await blocked.goto(`${home}?letters=tea*&sort=score&min=3&max=4`);
  await blocked.waitForFunction(() => /words found out of/.test(document.getElementById("status").textContent));
  const shared = await blocked.evaluate(() => [...document.querySelectorAll(".word-row .item")].map((e) => e.textContent));
  assert.deepEqual(shared, find("--sort", "score", "--min", "3", "--max", "4", "tea*").items.slice(0, shared.length));
  await blocked.close();

  const page = await openPage(context, home);
  await page.evaluate(() => localStorage.setItem("anagrove.choices",
    JSON.stringify({ sort: "sideways", minimum: 5, list: "klingon", nomax: true, custom: [1, 2] })));
  await page.reload();
  await page.waitForFunction(() => globalThis.anagrove);
  const choices = await page.evaluate(() => globalThis.anagrove.choices());
  assert.deepEqual([choices.sort, choices.minimum, choices.list, choices.nomax], ["alpha", "2", "standard", true]);
  await page.evaluate(() => localStorage.setItem("anagrove.choices", "{"));
  await page.reload();
  await page.waitForFunction(() => globalThis.anagrove);
  assert.equal((await page.evaluate(() => globalThis.anagrove.choices())).nomax, false);

  await (await page.$("::-p-aria(Extended English)")).click();
  await (await page.$("::-p-aria((no maximum limit))")).click();
  await searched(page, "*".repeat(15));
  const many = find("--dictionary", "extended", "--no-max", "*".repeat(15));
  assert.equal(await text(page, "#status"), many.status.trim());
  assert.match(many.status, /the first 200001 of/);
  await page.focus('[aria-label="Words found"]');
  await page.keyboard.press("End");
  const last = await page.$eval('[aria-label="Words found"] [aria-selected="true"]',
    (row) => [row.getAttribute("aria-posinset"), row.querySelector(".item").textContent]);
  assert.deepEqual(last, ["200001", many.items.at(-1)]);
  assert.ok(await page.$$eval(".word-row", (rows) => rows.length) < 100, "only the rows in view are in the page");
  assert.deepEqual(page.problems, []);
  await context.close();
  server.close();
});
