// The page's own words are few: every other text of web/index.html is one of
// the program's texts (the window's captions, messages and help), byte for
// byte once white space is folded.

import assert from "node:assert/strict";
import { readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import test from "node:test";

const root = new URL("../../", import.meta.url).pathname;
const fold = (text) => text.replace(/\s+/g, " ").trim();

// What only the page has: its board letters, the scores side by side, and
// the names of groups that the window shows by their place.
const pageOwn = new Set([
  "Anagrove needs JavaScript and WebAssembly.", "Order", "Board letters",
  "Letters already on the board take no tile.",
  "A letter for each board square and a dot for each square from the rack, as long as the word.",
  "Show every scheme's score",
  // The languages and the player's own list.
  "Language:", "English", "Open word list…",
  "Each other language has one list, fetched when you choose it and kept for use without a network. " +
    "\"Open word list…\" reads a list of your own (UTF-8, a word a line; a first line \"#alphabet es\" names " +
    "its language, else the chosen one is taken); it stays on this device and is never uploaded.",
]);

// Every string literal of the program's C++ sources, adjacent literals joined,
// escapes read and '&' (a menu's key) left out; and the help page's text.
function programTexts() {
  const texts = [];
  const walk = (dir) => {
    for (const entry of readdirSync(dir, { withFileTypes: true })) {
      const path = join(dir, entry.name);
      if (entry.isDirectory()) walk(path);
      else if (/\.(cpp|h)$/.test(entry.name)) {
        const source = readFileSync(path, "latin1");
        for (const run of source.matchAll(/"(?:[^"\\\n]|\\.)*"(?:\s*"(?:[^"\\\n]|\\.)*")*/g)) {
          const joined = [...run[0].matchAll(/"((?:[^"\\\n]|\\.)*)"/g)].map((m) => m[1]).join("");
          texts.push(joined
            .replace(/\\u([0-9A-Fa-f]{4})|\\x([0-9A-Fa-f]{2})/g, (_, u, x) => String.fromCharCode(parseInt(u ?? x, 16)))
            .replace(/\\([rn])/g, " ").replace(/\\(.)/g, "$1").replace(/&(?=\w)/g, ""));
        }
      } else if (entry.name.endsWith(".html")) {
        texts.push(readFileSync(path, "utf8").replace(/<[^>]*>/g, " "));
      }
    }
  };
  walk(join(root, "src"));
  return texts.map(fold);
}

test("the page's texts are the program's, but for the page's own", () => {
  const html = readFileSync(join(root, "web", "index.html"), "utf8")
    .replace(/<(script|style)[^>]*>.*?<\/\1>/gs, "");
  const shown = [...html.matchAll(/>([^<]+)</g)].map((m) => fold(m[1])).filter(Boolean);
  const program = programTexts();
  // A text is the program's when it stands in one of its texts as a whole: not
  // as part of a longer word.
  const whole = (text, p) => p.includes(text) &&
    new RegExp(`(^|[^\\w])${text.replace(/[.*+?^${}()|[\]\\]/g, "\\$&")}([^\\w]|$)`).test(p);
  const unknown = shown.filter((text) => !pageOwn.has(text) && !program.some((p) => whole(text, p)));
  assert.deepEqual(unknown, []);
  assert.ok(shown.includes("Find only exact anagrams") && shown.includes("Use Literati® point associations"));
  const unused = [...pageOwn].filter((text) => !shown.includes(text) && !html.includes(text));
  assert.deepEqual(unused, [], "page-own texts the page no longer has");
});
