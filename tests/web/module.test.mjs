// The page's WebAssembly module against the native anagrove-find: random
// requests (racks with blanks, limits, anagrams, both lists, every order and
// re-sort, board letters, custom values, refusals) must list the same items in
// the same order, with the same status or refusal, and the same blank letters
// and scores as anagrove-find's tab-separated output.
//   ANAGROVE_FIND   the native anagrove-find (built beside the word lists)
//   ANAGROVE_WASM   the module
//   ANAGROVE_SEED   the random seed (printed on failure), REQUESTS their number

import assert from "node:assert/strict";
import { execFile } from "node:child_process";
import { readdirSync, readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import test from "node:test";
import { promisify } from "node:util";

import { moduleIds } from "../../tools/web-page.mjs";
import { Engine, giveRequest, mostTiles } from "../../web/engine.js";

const run = promisify(execFile);
const find = process.env.ANAGROVE_FIND;
const seed = Number(process.env.ANAGROVE_SEED ?? Date.now() % 1e9);
const requests = Number(process.env.REQUESTS ?? 320);
const listFile = (list) => join(dirname(find), `${list}.txt`);
const { WordListKind, PointScheme, SortOrder, TextKind } = moduleIds();

// A small generator, so that a seed repeats a failing run.
function randomSource(state) {
  return () => {
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// A request drawn from the words of the lists, so that most find something.
function randomRequest(rand, words) {
  const pick = (items) => items[Math.floor(rand() * items.length)];
  const word = pick(words[rand() < 0.5 ? "standard" : "extended"]);
  const shuffled = [...word].sort(() => rand() - 0.5);
  const r = {
    list: rand() < 0.5 ? "standard" : "extended",
    minimum: pick(["2", "3", "1", "4", " 5 ", "2.5", "0", "7", "1e1", "-3"]),
    maximum: pick(["8", "5", "6", "3", "10", "4.5", "15", "1e3"]),
    nomax: rand() < 0.25,
    anagram: rand() < 0.2,
    usePoints: rand() < 0.85,
    scheme: pick(["scrabble", "literati", "wordmojo", "custom"]),
    custom: Array.from({ length: 26 }, () => pick(["1", "2", "3", "0", "-1", "10", "2.5", " 4", "1e1", "7.5"])),
    board: {},
  };
  const orders = r.usePoints ? ["alpha", "score", "length"] : ["alpha", "length"];
  r.order = pick(orders);
  r.then = Array.from({ length: Math.floor(rand() * 3) }, () => pick(orders));
  // The rack: some of the word's letters, a few blanks and a few other letters.
  let rack = shuffled.slice(0, 1 + Math.floor(rand() * shuffled.length));
  for (let n = Math.floor(rand() * 3); n-- > 0; ) rack.push(rand() < 0.6 ? "*" : pick([..."etaoinsrdlu"]));
  const kind = rand();
  if (kind < 0.15) {
    r.board.pattern = [...word].map((c) => (rand() < 0.5 ? c : ".")).join("");
    rack = [...word].filter((c, k) => r.board.pattern[k] === ".");
    if (rand() < 0.5) rack.push("*");
  } else if (kind < 0.4) {
    const cut = 1 + Math.floor(rand() * Math.min(3, word.length - 1));
    if (rand() < 0.5) r.board.starts = word.slice(0, cut);
    if (rand() < 0.5) r.board.ends = word.slice(-cut);
    if (rand() < 0.4 || (!r.board.starts && !r.board.ends)) r.board.contains = word.slice(1, 1 + cut);
  }
  // The page takes "?" for a blank too; anagrove-find gets "*".
  r.letters = rack.map((c) => (rand() < 0.1 ? c.toUpperCase() : c === "*" && rand() < 0.3 ? "?" : c)).join("");
  // Now and then one refusal: a limit or a custom value that is not a number.
  const fault = rand();
  if (fault < 0.03) r.minimum = pick(["x", "", "2,5"]);
  else if (fault < 0.06) r.maximum = pick(["eight", " ", "--1"]);
  else if (fault < 0.09 && r.scheme === "custom") r.custom[Math.floor(rand() * 26)] = pick(["a", "", "3e12"]);
  return r;
}

// The requests that random ones seldom make: many blanks, no maximum, long lists.
const fixedRequests = [
  { letters: "**********", nomax: true, list: "extended", order: "length", then: ["score"] },
  { letters: "retains*", list: "extended", order: "score", then: [] },
  { letters: "garden*", order: "alpha", then: ["length", "alpha"], usePoints: false },
  { letters: "qu**", scheme: "custom", custom: Array(26).fill("-2147483648"), order: "score", then: [] },
  { letters: "tain*", board: { starts: "re", ends: "s" }, order: "score", then: [] },
  { letters: "uic", board: { pattern: "q...k" }, anagram: true, order: "alpha", then: [] },
].map((r) => ({
  list: "standard", minimum: "2", maximum: "8", nomax: false, anagram: false, usePoints: true,
  scheme: "scrabble", custom: Array(26).fill("1"), board: {}, ...r,
}));

function findArguments(r, format) {
  const args = ["--dictionary", r.list, "--sort", r.order, "--min", r.minimum, "--max", r.maximum];
  if (r.nomax) args.push("--no-max");
  if (r.anagram) args.push("--anagram");
  if (!r.usePoints) args.push("--no-points");
  if (r.scheme === "custom") args.push("--custom", r.custom.join(","));
  else args.push("--points", r.scheme);
  for (const order of r.then) args.push("--then", order);
  for (const [name, text] of Object.entries(r.board)) args.push(`--${name}`, text);
  if (format) args.push("--format", "tsv", "--all-schemes");
  return [...args, "--", r.letters.replaceAll("?", "*")];
}

async function runFind(args) {
  try {
    const { stdout, stderr } = await run(find, args, { maxBuffer: 1 << 28 });
    return { status: 0, stdout, stderr };
  } catch (failure) {
    return { status: failure.code, stdout: failure.stdout, stderr: failure.stderr };
  }
}

function searchInModule(engine, r) {
  giveRequest(engine, { ...r, sort: r.order, points: r.usePoints });
  const refused = engine.search();
  if (refused >= 0) return { refused: engine.text(TextKind.message) };
  for (const order of r.then) engine.resort(SortOrder[order]);
  const items = Array.from({ length: engine.count() }, (_, row) => engine.text(TextKind.item, row));
  return { items, status: engine.text(TextKind.status) };
}

// anagrove-find's tsv row of each listed word beside the module's figures.
function moduleRows(engine, r) {
  return Array.from({ length: engine.count() }, (_, row) => {
    const points = (n) => (r.usePoints ? String(n) : "");
    const columns = [engine.text(TextKind.word, row), "", "", engine.text(TextKind.blank_letters, row),
      points(engine.blankZeroScore(row))];
    for (const scheme of [PointScheme.scrabble, PointScheme.literati, PointScheme.wordmojo]) columns.push(String(engine.schemeScore(row, scheme)));
    if (r.scheme === "custom") columns.push(String(engine.schemeScore(row, PointScheme.custom)));
    return columns;
  });
}

test("the module lists what anagrove-find lists, for random requests", { timeout: 600_000 }, async (t) => {
  assert.ok(find, "ANAGROVE_FIND names the native anagrove-find");
  const engine = await Engine.create(readFileSync(process.env.ANAGROVE_WASM), moduleIds());
  const words = {};
  for (const list of ["standard", "extended"]) {
    const bytes = readFileSync(listFile(list));
    engine.loadList(WordListKind[list], bytes);
    words[list] = bytes.toString("latin1").split(/\r?\n/).filter((w) => w.length >= 2);
  }
  const rand = randomSource(seed);
  const all = [...fixedRequests, ...Array.from({ length: requests }, () => randomRequest(rand, words))];
  let refusals = 0;
  let withBoard = 0;
  // Two anagrove-find processes at a time; the module answers in between.
  for (let k = 0; k < all.length; k += 2) {
    const pair = all.slice(k, k + 2);
    const native = await Promise.all(pair.map((r, j) => runFind(findArguments(r, (k + j) % 4 === 3))));
    pair.forEach((r, j) => {
      const where = `seed ${seed}, request ${k + j}: anagrove-find ${findArguments(r, false).join(" ")}`;
      const mine = searchInModule(engine, r);
      const theirs = native[j];
      if (mine.refused !== undefined) {
        refusals++;
        assert.equal(theirs.status, 2, where);
        assert.equal(theirs.stderr, `anagrove-find: ${mine.refused}\n`, where);
        return;
      }
      assert.equal(theirs.status, 0, `${where}\n${theirs.stderr}`);
      withBoard += Object.keys(r.board).length > 0;
      if ((k + j) % 4 !== 3) {
        const lines = theirs.stdout === "" ? [] : theirs.stdout.slice(0, -1).split("\n");
        assert.equal(mine.items.length, lines.length, where);
        mine.items.forEach((item, row) => item === lines[row] || assert.equal(item, lines[row], `${where}, row ${row}`));
        assert.equal(mine.status, theirs.stderr.trimEnd(), where);
      } else {
        const rows = theirs.stdout.trimEnd().split("\n").slice(1).filter(Boolean).map((line) => line.split("\t"));
        const expected = rows.map((c) => [c[0], "", "", ...c.slice(3)]);
        assert.deepEqual(moduleRows(engine, r), expected, where);
      }
    });
  }
  t.diagnostic(`${all.length} requests (seed ${seed}): ${refusals} refused, ${withBoard} with board letters`);
  assert.ok(refusals > 0 && withBoard > all.length / 10, "the requests cover refusals and board letters");
});

// The page's numbering is written from the module's headers; here the page's
// names and calls are held against it and against the module itself.
test("the page and the module name the same fields, choices, texts and functions", async () => {
  const ids = moduleIds();
  const web = new URL("../../web/", import.meta.url).pathname;
  const scripts = readdirSync(web).filter((name) => name.endsWith(".js"))
    .map((name) => [name, readFileSync(join(web, name), "utf8")]);
  // Nothing named by the page that the module lacks.
  for (const [name, source] of scripts)
    for (const [, kind, id] of source.matchAll(/\b(TextField|Choice|TextKind|SortOrder|PointScheme|WordListKind)\.(\w+)/g))
      assert.ok(kind in ids && id in ids[kind], `web/${name} names ${kind}.${id}, which the module lacks`);
  const engine = await Engine.create(readFileSync(process.env.ANAGROVE_WASM), ids);
  const module = await WebAssembly.compile(readFileSync(process.env.ANAGROVE_WASM));
  const exported = new Set(WebAssembly.Module.exports(module).map(({ name }) => name));
  const called = [...readFileSync(join(web, "engine.js"), "utf8").matchAll(/#x\.(anagrove_\w+)/g)].map((m) => m[1]);
  assert.deepEqual(called.filter((name) => !exported.has(name)), [], "calls the module does not export");

  // Every choice and every field of the module is given by a whole request.
  const given = { choices: new Set(), fields: new Set() };
  giveRequest({ ids, choose: (c) => given.choices.add(c), setText: (f) => given.fields.add(f) }, {
    list: "standard", sort: "alpha", nomax: false, anagram: false, points: true, scheme: "scrabble",
    letters: "", minimum: "2", maximum: "8", custom: Array(26).fill("1"), board: {},
  });
  assert.deepEqual([...given.choices].sort(), Object.values(ids.Choice).sort(), "choices the page does not give");
  const fields = Array.from({ length: ids.TextField.custom_a + mostTiles }, (_, k) => k);
  assert.deepEqual([...given.fields].sort((a, b) => a - b), fields, "fields the page does not give");

  // Every text kind the page can name gives a text, and the one past the last
  // gives none (else the module has a kind the page cannot name).
  engine.loadList(ids.WordListKind.standard, readFileSync(listFile("standard")));
  giveRequest(engine, { ...fixedRequests[4], sort: "alpha", points: true });
  assert.equal(engine.search(), -1);
  const empty = () => Object.entries(ids.TextKind).filter(([, kind]) => engine.text(kind, kind === ids.TextKind.tile ? 1 : 0) === "").map(([name]) => name);
  assert.deepEqual(empty(), ["message", "spelling", "tile", "language_name"]);
  // In another language every kind but the thesaurus (English only) gives a text too.
  engine.loadAlphabet(readFileSync(join(dirname(find), "alphabets", "es.txt")));
  engine.beginTileList();
  engine.readTileList(Buffer.from("#alphabet es\nni\u00f1o\tNi\u00f1o\n"));
  assert.equal(engine.endTileList(), 1);
  giveRequest(engine, { ...fixedRequests[0], tiles: true, letters: "*i\u00f1o", sort: "alpha", points: true });
  assert.equal(engine.search(), -1);
  assert.deepEqual(empty(), ["message", "thesaurus_link"]);
  assert.equal(engine.text(Math.max(...Object.values(ids.TextKind)) + 1, 0), "");
  engine.setText(ids.TextField.letters, "");
  assert.equal(engine.check(), ids.TextField.letters);
  assert.equal(engine.text(ids.TextKind.message), "Please enter some letters to begin");
  assert.deepEqual(engine.letterValues(ids.PointScheme.scrabble).slice(0, 4), [1, 3, 3, 2]);
});

// A language's bag: each tile's text as a rack types it ("a", "[ch]") as many
// times as the standard set has it, and the blanks.
function bagOf(code) {
  const bag = [];
  for (const line of readFileSync(join(dirname(find), "alphabets", `${code}.txt`), "utf8").split("\n")) {
    const [key, upper, lower, , count] = line.split(" ");
    if (key === "tile") bag.push(...Array(Number(count)).fill([...lower].length > 1 ? `[${lower}]` : lower));
    if (key === "blank") bag.push(...Array(Number(upper)).fill("*"));
  }
  return bag;
}

// The module reads each language's alphabet and list in pieces, as the page
// hands them over, and lists for racks drawn from the language's bag what
// anagrove-find --language lists: the same words in the same order, with the
// same tiles, blanks, scores, spellings and status, or the same refusal.
test("the module lists what anagrove-find --language lists, in every language", { timeout: 600_000 }, async (t) => {
  const ids = moduleIds();
  const engine = await Engine.create(readFileSync(process.env.ANAGROVE_WASM), ids);
  const rand = randomSource(seed + 1);
  const pick = (items) => items[Math.floor(rand() * items.length)];
  let compared = 0;
  for (const code of ["es", "fr", "de", "pl", "ca", "nl", "pt", "pt-BR", "it"]) {
    const listPath = join(dirname(find), "languages", `${code}.txt`);
    const tiles = engine.loadAlphabet(readFileSync(join(dirname(find), "alphabets", `${code}.txt`)));
    const list = readFileSync(listPath);
    engine.beginTileList();
    for (let at = 0; at < list.length; at += 1 << 20) engine.readTileList(list.subarray(at, at + (1 << 20)));
    const words = engine.endTileList();
    assert.ok(words > 100_000, `${code}: ${words} words`);
    const texts = engine.tiles(tiles);
    const bag = bagOf(code);
    for (let k = 0; k < 7; k++) {
      const rack = Array.from({ length: 3 + Math.floor(rand() * 6) }, () => pick(bag));
      const r = { tiles: true, list: "standard", sort: pick(["alpha", "score", "length"]), minimum: pick(["2", "3"]),
        maximum: pick(["8", "5"]), nomax: rand() < 0.2, anagram: rand() < 0.15, points: true, scheme: "scrabble",
        custom: [], board: {}, letters: rack.join("") };
      const args = ["--language", code, "--sort", r.sort, "--min", r.minimum, "--max", r.maximum, "--format", "tsv"];
      if (r.nomax) args.push("--no-max");
      if (r.anagram) args.push("--anagram");
      if (k === 1) {
        r.scheme = "custom";
        r.custom = texts.map(() => String(Math.floor(rand() * 12)));
        args.push("--custom", texts.map((tile, j) => `${tile.text.toLowerCase()}=${r.custom[j]}`).join(","));
      }
      if (k === 2) args.push("--starts", (r.board.starts = pick(bag.filter((tile) => tile !== "*"))));
      if (k === 3) args.push("--contains", (r.board.contains = pick(bag.filter((tile) => tile !== "*"))));
      if (k === 4) r.letters = `${r.letters}[xx]`;
      const native = await runFind([...args, "--", r.letters]);
      const where = `${code}: anagrove-find ${args.join(" ")} -- ${r.letters}`;
      giveRequest(engine, r);
      const refused = engine.search();
      if (refused >= 0) {
        assert.equal(native.status, 2, where);
        assert.equal(native.stderr, `anagrove-find: ${engine.text(ids.TextKind.message)}\n`, where);
        continue;
      }
      assert.equal(native.status, 0, `${where}\n${native.stderr}`);
      const expected = native.stdout.split("\n").slice(1, -1);
      const rows = Array.from({ length: engine.count() }, (_, row) => {
        const tilesApart = engine.text(ids.TextKind.tiles, row);
        return [engine.text(ids.TextKind.word, row), tilesApart.split(" ").length, engine.blankZeroScore(row),
          engine.text(ids.TextKind.blank_letters, row), tilesApart,
          engine.text(ids.TextKind.spelling, row).replaceAll("\t", "\\t")].join("\t");
      });
      assert.deepEqual(rows, expected, where);
      assert.equal(engine.text(ids.TextKind.status), native.stderr.trimEnd(), where);
      compared += expected.length;
    }
  }
  t.diagnostic(`${compared} rows compared over nine languages (seed ${seed})`);
  assert.ok(compared > 100);
});
