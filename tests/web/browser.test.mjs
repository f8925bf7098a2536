// The built page (build/web/) in Debian's Chromium, headless, driven by
// puppeteer-core: every control pressed and its effect held against
// anagrove-find, the address after each change, kept choices, the page without
// its server, a new deployment, lists that arrive unpacked or slowly, blocked
// and foreign storage, the window's refusals, 200,001 rows, a phone's screen
// and 200% zoom, axe-core's checks, and screenshots at 360x740 and 1280x800
// into build/web/.
//   ANAGROVE_FIND   the native anagrove-find (built beside the word lists)
//   CHROMIUM        the browser (default /usr/bin/chromium)

import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
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
  return { items: run.stdout.split("\n").slice(0, -1), status: run.stderr, stdout: run.stdout };
}
const wordOf = (item) => item.split(" ")[0];
const scrabble = [1, 3, 3, 2, 1, 4, 2, 4, 1, 8, 5, 1, 3, 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10];

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

// Searches and waits for its status; the status shown before is wiped first,
// for a search may well end with the same one.
async function searched(page, letters) {
  await page.$eval("#status", (status) => (status.textContent = ""));
  await search(page, letters);
  await waitForStatus(page, /words found/);
}

// The scores under every scheme shown in the list's first row.
async function firstSchemes(page) {
  await page.$eval('[aria-label="Words found"]', (box) => (box.scrollTop = 0));
  return (await page.waitForSelector("#word-0 .schemes")).evaluate((element) => element.textContent);
}

// Presses the control of that accessible name with the mouse.
async function press(page, name) {
  const control = await page.waitForSelector(`::-p-aria(${name})`, { visible: true });
  await control.click();
}

// Opens the page's address afresh (no stored choices) and expects the same
// list in the same order, and the same status.
async function sameByAddress(page, what) {
  const context = await browser.createBrowserContext();
  const copy = await openPage(context, page.url());
  await copy.waitForFunction(() => /words found/.test(document.getElementById("status").textContent));
  assert.deepEqual(await readWords(copy), await readWords(page), `${what}: ${page.url()}`);
  assert.equal(await text(copy, "#status"), await text(page, "#status"), what);
  await context.close();
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
  // A screen reader reads the row's item, then its note once.
  const row = await page.accessibility.snapshot({ root: await page.$("#word-0"), interestingOnly: false });
  assert.deepEqual([row.name, row.description], ["aa (2)", "Blank tile: a \u00b7 1 point with blanks at zero"]);
  await page.keyboard.press("ArrowDown");
  assert.equal(await page.$eval("#dictionary", (link) => link.href), "https://www.dictionary.com/search?q=ab");
  await noAxeViolations(page, "after a search, 1280x800");
  await page.screenshot({ path: join(pageDir, "screenshot-1280x800.png") });

  await press(page, "Sort found words by score");
  assert.deepEqual(await readWords(page), find("--then", "score", "garden*").items);
  await sameByAddress(page, "re-sorted by score");
  // Another list lists the search again.
  await press(page, "Extended English");
  await page.waitForFunction(() => /words found out of 254182/.test(document.getElementById("status").textContent));
  assert.deepEqual(await readWords(page), find("--dictionary", "extended", "--sort", "score", "garden*").items);
  await sameByAddress(page, "the other list");
  await search(page, "9", "Maximum letters:");
  await page.waitForFunction(() => /words found out of 254182/.test(document.getElementById("status").textContent));

  // The choices stay for the next visit.
  await page.goto(home);
  await page.waitForFunction(() => globalThis.anagrove);
  const choices = await page.evaluate(() => globalThis.anagrove.choices());
  assert.deepEqual([choices.sort, choices.list, choices.maximum, choices.minimum], ["score", "extended", "9", "2"]);
  // In English the storage holds what it always held, whatever the other languages add.
  assert.deepEqual(await page.evaluate(() => [Object.keys(localStorage),
    Object.keys(JSON.parse(localStorage.getItem("anagrove.choices")))]), [["anagrove.choices"],
    ["sort", "minimum", "maximum", "nomax", "anagram", "list", "points", "scheme", "custom", "allSchemes"]]);

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

// Whether the page fits its width (no sideways scroll, no row cut), and the
// controls a finger presses that are smaller than 44x44 CSS px.
function layoutFaults(page) {
  return page.evaluate(() => {
    const faults = [];
    const root = document.documentElement;
    if (root.scrollWidth > innerWidth) faults.push(`page ${root.scrollWidth} px wide in ${innerWidth}`);
    for (const element of document.querySelectorAll(".words, .word-row, .word-row > *"))
      if (element.scrollWidth > element.clientWidth + 1) faults.push(`${element.className} cut: ${element.textContent}`);
    const targets = 'button, a.button, label:has(> input[type="radio"]), label:has(> input[type="checkbox"])';
    for (const element of document.querySelectorAll(targets)) {
      const box = element.getBoundingClientRect();
      if (element.offsetParent && (box.width < 44 || box.height < 44))
        faults.push(`${element.textContent.trim()}: ${box.width}x${box.height}`);
    }
    return faults;
  });
}

// Tabbing through the page, each control comes into view clear of the status
// bar that stays at the bottom of the screen; so does the list's last item.
async function hiddenUnderStatusBar(page) {
  const under = [];
  const covered = () => page.evaluate(() => {
    const bar = document.querySelector(".statusbar").getBoundingClientRect();
    const active = document.activeElement;
    const shown = active.getAttribute("aria-activedescendant");
    const control = (shown ? document.getElementById(shown) : active).getBoundingClientRect();
    const what = (shown ? document.getElementById(shown) : active).outerHTML.slice(0, 60);
    return control.bottom > bar.top + 0.5 ? `${what}: ${control.bottom} > ${bar.top}` : "";
  });
  await page.evaluate(() => window.scrollTo(0, 0));
  await (await page.$("::-p-aria(Letters)")).focus();
  for (let k = 0; k < 150; k++) {
    await page.keyboard.press("Tab");
    if (await page.evaluate(() => document.activeElement === document.body)) break; // past the last control
    under.push(await covered());
  }
  await page.focus('[aria-label="Words found"]');
  await page.keyboard.press("End");
  under.push(await covered());
  return under.filter(Boolean);
}

test("the window's refusals beside their fields, and a phone's screen", async () => {
  const server = await serve(pageDir, { port: 0 });
  const context = await browser.createBrowserContext();
  const page = await openPage(context, `http://127.0.0.1:${server.address().port}/`, { width: 360, height: 740 });
  await waitForStatus(page, new RegExp(ready));
  await noAxeViolations(page, "before a search, 360x740");
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
  // An empty box is refused as every other refusal is: the list, its count and the status stay.
  await refusal("Letters", "", "Please enter some letters to begin");
  assert.equal(await text(page, "#status"), ready);
  await searched(page, "qu**");
  const shown = [await text(page, "#caption"), await text(page, "#status"), await readWords(page)];
  await refusal("Letters", "", "Please enter some letters to begin");
  assert.deepEqual([await text(page, "#caption"), await text(page, "#status"), await readWords(page)], shown);
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
  // Custom values start from the Scrabble values, so a search with them runs at once.
  await press(page, "Use custom point associations");
  await searched(page, "tea*");
  assert.equal(await text(page, "#status"), find("--custom", scrabble.join(","), "tea*").status.trim());
  await refusal("C points", "x", "Please enter a number from -2147483648 to 2147483647 for C.");
  await refusal("C points", "3e12", "Please enter a number from -2147483648 to 2147483647 for C.");
  await fill(page, "C points", "7");
  assert.equal(await page.$$eval("[aria-invalid]", (boxes) => boxes.length), 1, "one box marked at a time");
  await searched(page, "tea*");
  assert.equal(await page.$$eval("[aria-invalid]", (boxes) => boxes.length), 0);
  const custom = scrabble.with(2, 7).join(",");
  assert.equal(await text(page, "#status"), find("--custom", custom, "tea*").status.trim());

  // The order is chosen above the list it sorts.
  const [orders, list] = await page.$$eval(".orders, .words", (boxes) => boxes.map((b) => b.getBoundingClientRect().top));
  assert.ok(orders < list, "the sort options above the list");
  // Every scheme's score, with the custom values open.
  await press(page, "Show every scheme's score");
  assert.deepEqual(await layoutFaults(page), [], "at 360x740");
  const tsv = find("--custom", custom, "--format", "tsv", "--all-schemes", "tea*").stdout.split("\n")[1].split("\t");
  assert.equal(await firstSchemes(page),
    `Scrabble ${tsv[5]} · Literati ${tsv[6]} · Wordmojo ${tsv[7]} · custom ${tsv[8]}`);
  await noAxeViolations(page, "every scheme, custom values open, 360x740");
  await page.screenshot({ path: join(pageDir, "screenshot-360x740.png") });
  assert.deepEqual(await hiddenUnderStatusBar(page), [], "under the status bar at 360x740");
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
  await noAxeViolations(page, "dark, at 360x740");
  await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "light" }]);
  // 1280x800 at 200% zoom.
  await page.setViewport({ width: 640, height: 400 });
  await page.evaluate(() => window.scrollTo(0, 0));
  assert.deepEqual(await layoutFaults(page), [], "at 640x400");
  assert.deepEqual(await hiddenUnderStatusBar(page), [], "under the status bar at 640x400");
  await page.screenshot({ path: join(pageDir, "screenshot-640x400.png") });
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

test("every button and option against anagrove-find, and the address after each change", async () => {
  const server = await serve(pageDir, { port: 0 });
  const home = `http://127.0.0.1:${server.address().port}/`;
  const downloads = mkdtempSync(join(tmpdir(), "anagrove-downloads-"));
  const context = await browser.createBrowserContext({ downloadBehavior: { policy: "allow", downloadPath: downloads } });
  await context.overridePermissions(home.slice(0, -1), ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
  const page = await openPage(context, home);
  await waitForStatus(page, new RegExp(ready));
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  const findWords = async () => {
    await page.$eval("#status", (status) => (status.textContent = ""));
    await press(page, "Find Words");
    await waitForStatus(page, /words found/);
  };

  // The list and status on show are anagrove-find's for these options.
  const listed = async (what, ...args) => {
    const expected = find(...args);
    assert.deepEqual(await readWords(page), expected.items, what);
    assert.equal(await text(page, "#status"), expected.status.trim(), what);
    return expected.items;
  };

  await searched(page, "qu**");
  assert.deepEqual(await hiddenUnderStatusBar(page), [], "under the status bar at 1280x800");
  await press(page, "Sort found words by score");
  let items = await listed("by score", "--then", "score", "qu**");
  await sameByAddress(page, "by score");
  await press(page, "Copy All Words");
  await page.waitForFunction(() => document.getElementById("action-note").textContent !== "");
  assert.equal(await clipboard(), `${items.map(wordOf).join("\n")}\n`);
  assert.equal(await text(page, "#action-note"), `Copied ${items.length} words.`);
  await page.$eval('[aria-label="Words found"]', (box) => (box.scrollTop = 0));
  await (await page.waitForSelector("#word-2", { visible: true })).click();
  await press(page, "Copy Word");
  await page.waitForFunction(() => /^Copied [a-z]+\.$/.test(document.getElementById("action-note").textContent));
  assert.equal(await clipboard(), wordOf(items[2]));
  assert.equal(await page.$eval("#dictionary", (link) => link.href), `https://www.dictionary.com/search?q=${wordOf(items[2])}`);
  assert.equal(await page.$eval("#thesaurus", (link) => link.href), `https://www.thesaurus.com/search?q=${wordOf(items[2])}`);
  await press(page, "Sort found words by length");
  items = await listed("score, then length", "--then", "score", "--then", "length", "qu**");
  await sameByAddress(page, "score, then length");
  await press(page, "Sort found words alphabetically");
  items = await listed("then alphabetically", "--then", "score", "--then", "length", "--then", "alpha", "qu**");
  await press(page, "Plain text (*.txt)");
  await press(page, "CSV, comma-separated values (*.csv)");
  const saved = async (name) => {
    for (let k = 0; k < 100 && !existsSync(join(downloads, name)); k++) await new Promise((done) => setTimeout(done, 100));
    return readFileSync(join(downloads, name), "utf8");
  };
  assert.equal(await saved("words.txt"), `${items.join("\n")}\n`);
  const tsv = find("--then", "score", "--then", "length", "--then", "alpha", "--format", "tsv", "qu**").stdout.trimEnd().split("\n").slice(1);
  assert.deepEqual((await saved("words.csv")).trimEnd().split("\r\n").slice(1), tsv.map((row) => row.replaceAll("\t", ",")));

  // The next search clears the note; "?" is a blank as "*" is.
  await searched(page, "qu??");
  assert.equal(await text(page, "#action-note"), "");
  await listed("? for blanks", "qu**");
  for (const [option, word] of [["Literati", "literati"], ["Wordmojo", "wordmojo"], ["Scrabble", "scrabble"]]) {
    await press(page, `Use ${option}® point associations`);
    await findWords();
    await listed(option, "--points", word, "qu**");
  }
  await press(page, "Use custom point associations");
  await fill(page, "Q points", "1");
  await findWords();
  await listed("custom values", "--custom", scrabble.with(16, 1).join(","), "qu**");
  await press(page, "Show every scheme's score");
  const first = find("--custom", scrabble.with(16, 1).join(","), "--format", "tsv", "--all-schemes", "qu**")
    .stdout.split("\n")[1].split("\t");
  assert.equal(await firstSchemes(page),
    `Scrabble ${first[5]} · Literati ${first[6]} · Wordmojo ${first[7]} · custom ${first[8]}`);
  await press(page, "Show every scheme's score");
  await press(page, "Use Scrabble® point associations");
  await press(page, "Calculate points when displaying words");
  await findWords();
  await listed("without points", "--no-points", "qu**");
  await sameByAddress(page, "without points");
  await press(page, "Calculate points when displaying words");

  // The limits, no maximum and exact anagrams.
  await fill(page, "Minimum letters:", "3");
  await fill(page, "Maximum letters:", "5");
  await findWords();
  await listed("3 to 5 letters", "--min", "3", "--max", "5", "qu**");
  await press(page, "(no maximum limit)");
  await search(page, "retains**");
  await page.waitForFunction(() => /retains/.test(location.search) && /words found/.test(document.getElementById("status").textContent));
  await listed("no maximum", "--min", "3", "--no-max", "retains**");
  await sameByAddress(page, "no maximum");
  await press(page, "Find only exact anagrams");
  await findWords();
  await listed("anagrams", "--anagram", "retains**");
  await sameByAddress(page, "anagrams");
  await press(page, "Find only exact anagrams");
  await press(page, "(no maximum limit)");
  await fill(page, "Minimum letters:", "2");
  await fill(page, "Maximum letters:", "8");

  // Each board box, shown beside the results and removable there.
  await fill(page, "Letters", "tains*");
  for (const [box, option, letters] of [["Starts with:", "--starts", "re"], ["Ends with:", "--ends", "s"],
    ["Contains:", "--contains", "ai"], ["Pattern:", "--pattern", "r.t..n."]]) {
    await fill(page, box, letters);
    await findWords();
    await listed(box, option, letters, "tains*");
    assert.deepEqual(await page.$$eval("#filters button", (buttons) => buttons.map((b) => b.getAttribute("aria-label"))),
      [`Remove ${box} ${letters}`]);
    await sameByAddress(page, box);
    await press(page, `Remove ${box} ${letters}`);
    await page.waitForFunction(() => document.querySelectorAll("#filters button").length === 0);
    await listed(`${box} removed`, "tains*");
    assert.equal(await page.$eval(`::-p-aria(${box})`, (input) => input.value), "");
  }
  // Clear empties the letters and the board boxes alike.
  for (const box of ["Starts with:", "Ends with:", "Contains:"]) await fill(page, box, "z");
  await press(page, "Clear");
  assert.deepEqual(await page.$$eval("#letters, #starts, #ends, #contains, #pattern", (boxes) => boxes.map((b) => b.value)),
    ["", "", "", "", ""]);
  await searched(page, "retains");
  await listed("after Clear", "retains");

  // The other list lists the search again; the help opens and closes.
  await press(page, "Extended English");
  await page.waitForFunction(() => /words found out of 254182/.test(document.getElementById("status").textContent));
  await listed("extended", "--dictionary", "extended", "retains");
  await sameByAddress(page, "extended");
  await press(page, "Standard English");
  await page.waitForFunction(() => /words found out of 173597/.test(document.getElementById("status").textContent));
  for (const help of ["About the word lists", "About letter points"]) {
    await press(page, help);
    assert.equal(await page.$eval(`::-p-aria(${help})`, (b) => [b.getAttribute("aria-expanded"),
      document.getElementById(b.getAttribute("aria-controls")).hidden].join()), "true,false");
    await press(page, help);
  }
  assert.deepEqual(page.problems, []);
  rmSync(downloads, { recursive: true, force: true });
  await context.close();
  server.close();
});

test("Find Words pressed while the page loads searches once the list is there", async () => {
  const server = await serve(pageDir, { port: 0 });
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const cdp = await page.createCDPSession();
  await cdp.send("Network.enable");
  // About 100 kB a second: the list takes seconds.
  await cdp.send("Network.emulateNetworkConditions",
    { offline: false, latency: 150, downloadThroughput: 100_000, uploadThroughput: 50_000 });
  await page.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: "domcontentloaded" });
  await page.waitForFunction(() => document.getElementById("status").textContent !== "");
  await fill(page, "Letters", "garden*");
  await press(page, "Find Words");
  assert.equal(await page.evaluate(() => globalThis.anagrove), undefined, "pressed before the page was ready");
  await waitForStatus(page, /please wait/);
  await page.waitForFunction(() => globalThis.anagrove, { timeout: 60_000 });
  assert.match(await text(page, "#status"), /words found/);
  assert.deepEqual(await readWords(page), find("garden*").items);
  await context.close();
  server.close();
});

// A language's standard values by tile text ("l·l" -> 10), from its alphabet file.
function standardValues(code) {
  const values = new Map();
  for (const line of readFileSync(join(root, "data", "alphabets", `${code}.txt`), "utf8").split("\n")) {
    const [key, , lower, value] = line.split(" ");
    if (key === "tile") values.set(lower, Number(value));
  }
  return values;
}

// Chooses a language in the language box by keys, as a player without a
// mouse does on a closed box: focused, then arrows to the language (each
// language passed on the way is chosen and given up again).
async function chooseLanguage(page, name) {
  const box = await page.waitForSelector("::-p-aria(Language:)", { visible: true });
  await box.focus();
  const [from, to] = await box.evaluate((select, wanted) =>
    [select.selectedIndex, [...select.options].findIndex((option) => option.textContent === wanted)], name);
  for (let k = from; k !== to; k += Math.sign(to - from)) await page.keyboard.press(to > from ? "ArrowDown" : "ArrowUp");
  assert.equal(await box.evaluate((select) => select.selectedOptions[0].textContent), name);
}

test("other languages: chosen by keys, a tile typed by its button, custom values per tile, kept offline, and a player's own list", async () => {
  const server = await serve(pageDir, { port: 0 });
  const home = `http://127.0.0.1:${server.address().port}/`;
  const context = await browser.createBrowserContext();
  const page = await openPage(context, home);
  await waitForStatus(page, new RegExp(ready));
  const listed = async (what, ...args) => {
    const expected = find(...args);
    assert.deepEqual(await readWords(page), expected.items, what);
    assert.equal(await text(page, "#status"), expected.status.trim().split("\n").at(-1).trim(), what);
    return expected.items;
  };

  // Catalan: its tile row types L·L in brackets, and the list is anagrove-find's.
  await chooseLanguage(page, "Català");
  await waitForStatus(page, new RegExp(ready));
  assert.deepEqual(await page.$$eval("#tile-row button", (buttons) => buttons.map((b) => b.textContent)), ["Ç", "L·L", "NY", "QU"]);
  await fill(page, "Letters", "ego*");
  await press(page, "L·L");
  assert.equal(await page.$eval("#letters", (box) => [box.value, document.activeElement === box].join()), "ego*[l·l],true");
  await page.$eval("#status", (status) => (status.textContent = ""));
  await page.keyboard.press("Enter");
  await waitForStatus(page, /words found/);
  const items = await listed("Catalan", "--language", "ca", "ego*[l·l]");
  assert.ok(items.some((item) => item.startsWith("al·le")));
  assert.equal(await page.$eval('[aria-label="Words found"]', (box) => box.lang), "ca");
  assert.match(page.url(), /lang=ca/);
  await sameByAddress(page, "Catalan");
  // The lookup is the word's spelling on the Catalan Wiktionary; there is no thesaurus.
  await page.$eval('[aria-label="Words found"]', (box) => (box.scrollTop = 0));
  await (await page.waitForSelector("#word-0", { visible: true })).click();
  assert.equal(await page.$eval("#dictionary", (link) => link.href), "https://ca.wiktionary.org/wiki/al%C2%B7le");
  assert.equal(await page.$eval("#thesaurus", (link) => link.getAttribute("aria-disabled")), "true");
  // One custom box a tile, from the standard values; Literati and Wordmojo are English only.
  assert.equal(await page.$eval('input[value="literati"]', (box) => box.disabled), true);
  await press(page, "Use custom point associations");
  const values = standardValues("ca");
  assert.equal(await page.$$eval("#custom-values input", (boxes) => boxes.length), values.size);
  assert.equal(await page.$eval("::-p-aria(L·L points)", (box) => box.value), "10");
  await fill(page, "L·L points", "1");
  await press(page, "Find Words");
  await page.waitForFunction(() => /words found/.test(document.getElementById("status").textContent) &&
    /scheme=custom/.test(location.search));
  values.set("l·l", 1);
  await listed("custom values", "--language", "ca", "--custom", [...values].map(([tile, v]) => `${tile}=${v}`).join(","), "ego*[l·l]");
  await sameByAddress(page, "Catalan with custom values");
  await page.goto(home);
  await page.waitForFunction(() => globalThis.anagrove);
  await waitForStatus(page, new RegExp(ready));
  assert.equal(await page.$eval("::-p-aria(L·L points)", (box) => box.value), "1", "kept per language");
  await press(page, "Use Scrabble® point associations");
  await refusalIn(page, "Letters", "ego*[xx]", "[xx]");

  // Spanish: searched, checked by axe, then kept for use without the server.
  await chooseLanguage(page, "Español");
  await waitForStatus(page, /words found|Please enter/);
  await searched(page, "[ch]a*o");
  await listed("Spanish", "--language", "es", "[ch]a*o");
  await noAxeViolations(page, "Spanish chosen, after a search");
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await (await page.createCDPSession()).send("Network.clearBrowserCache");
  await new Promise((done) => server.close(done) && server.closeAllConnections());
  await page.goto(home);
  await page.waitForFunction(() => globalThis.anagrove);
  assert.equal(await page.$eval("::-p-aria(Language:)", (box) => box.value), "es");
  await waitForStatus(page, new RegExp(ready));
  await searched(page, "ll*ma");
  await listed("Spanish without the server", "--language", "es", "ll*ma");

  // A list of the player's own, read in the page (no server to send it to).
  const folder = mkdtempSync(join(tmpdir(), "anagrove-own-"));
  const file = join(folder, "club.txt");
  writeFileSync(file, "#alphabet es\r\ncalle\r\nllama\r\nchorizo\r\nniño\tNiño\r\nkilo\r\n");
  const [chooser] = await Promise.all([page.waitForFileChooser(), press(page, "Open word list…")]);
  await chooser.accept([file]);
  await page.waitForFunction(() => document.getElementById("language").value === "own");
  await waitForStatus(page, /words found/);
  // As anagrove-find says it, the word without a Spanish tile (K) left out.
  const leftOut = spawnSync(process.env.ANAGROVE_FIND, ["--word-list", file, "--check", "casa"], { encoding: "utf8" }).stderr;
  assert.equal(leftOut.replace(file, "club.txt"), `anagrove-find: ${(await text(page, "#list-note")).slice(0, -1)}\n`);
  await searched(page, "[ll]ama*");
  await listed("own list", "--word-list", file, "[ll]ama*");
  await searched(page, "nio*");
  await listed("own list, niño", "--word-list", file, "nio*");
  await page.reload();
  await page.waitForFunction(() => globalThis.anagrove);
  assert.equal(await page.$eval("::-p-aria(Language:)", (box) => box.selectedOptions[0].textContent), "Own list: club.txt");
  await searched(page, "*ho*i*roz");
  await listed("own list kept", "--word-list", file, "*ho*i*roz");
  rmSync(folder, { recursive: true, force: true });
  assert.deepEqual(page.problems, []);
  await context.close();
});

// The refusal of letters that are not the alphabet's, as anagrove-find words it.
async function refusalIn(page, box, typed, rack) {
  await search(page, typed, box);
  await page.waitForFunction(() => document.getElementById("letters-message").textContent !== "");
  const run = spawnSync(process.env.ANAGROVE_FIND, ["--language", "ca", "--", rack], { encoding: "utf8" });
  assert.equal(`anagrove-find: ${await text(page, "#letters-message")}\n`, run.stderr);
}

test("Catalan on a phone after a search with [l·l], and the Polish list's load: its progress, longest task and memory", async () => {
  const server = await serve(pageDir, { port: 0 });
  const context = await browser.createBrowserContext();
  const page = await openPage(context, `http://127.0.0.1:${server.address().port}/?lang=ca&letters=%5Bl%C2%B7l%5Dego*`,
    { width: 360, height: 740 });
  await waitForStatus(page, /words found/);
  assert.deepEqual(await readWords(page), find("--language", "ca", "[l·l]ego*").items);
  assert.deepEqual(await layoutFaults(page), [], "Catalan at 360x740");
  await page.$eval('[aria-label="Words found"]', (box) => (box.scrollTop = 0));
  await page.evaluate(() => window.scrollTo(0, 0));
  await page.screenshot({ path: join(pageDir, "screenshot-catalan-360x740.png") });

  // Polish, the largest list: every status shown while it loads, and every
  // long task, recorded in the page.
  await page.evaluate(() => {
    globalThis.statuses = [];
    new MutationObserver(() => globalThis.statuses.push(document.getElementById("status").textContent))
      .observe(document.getElementById("status"), { childList: true, characterData: true, subtree: true });
    globalThis.longTasks = [];
    new PerformanceObserver((list) => globalThis.longTasks.push(...list.getEntries().map((e) => e.duration)))
      .observe({ type: "longtask" });
    globalThis.loadStart = performance.now();
  });
  await press(page, "Clear");
  await chooseLanguage(page, "Polski");
  await page.waitForFunction((text) => document.getElementById("status").textContent === text, { timeout: 120_000 }, ready);
  const loaded = await page.evaluate(() => ({ ms: performance.now() - globalThis.loadStart, statuses: globalThis.statuses,
    longest: Math.max(0, ...globalThis.longTasks) }));
  assert.ok(loaded.statuses.some((status) => /^Loading the Polski word list\.\.\. please wait \d+%$/.test(status)),
    "progress while Polish loads");
  await searched(page, "żółw*");
  assert.deepEqual(await readWords(page), find("--language", "pl", "żółw*").items);
  t_diagnostic(`Polish ready ${Math.round(loaded.ms)} ms after it was chosen; longest task ${Math.round(loaded.longest)} ms; ` +
    `peak memory of the page's processes ${peakMemory()} MB`);
  assert.deepEqual(page.problems, []);
  await context.close();
});

// The highest resident memory (VmHWM) of the browser's renderer processes, in MB.
function peakMemory() {
  let peak = 0;
  const parents = new Map(spawnSync("ps", ["-eo", "pid=,ppid="], { encoding: "utf8" }).stdout.trim().split("\n")
    .map((line) => line.trim().split(/\s+/).map(Number)));
  const under = (pid) => pid > 1 && (parents.get(pid) === browser.process().pid || under(parents.get(pid)));
  for (const pid of [...parents.keys()].filter(under)) {
    try {
      if (!readFileSync(`/proc/${pid}/cmdline`, "utf8").includes("--type=renderer")) continue;
      const kb = Number(/VmHWM:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, "utf8"))?.[1] ?? 0);
      peak = Math.max(peak, kb);
    } catch {
      // gone meanwhile
    }
  }
  return Math.round(peak / 1024);
}

function t_diagnostic(message) {
  console.log(`# ${message}`);
}
