// The player's choices: kept in the browser's storage for the next visit, and
// with the letters and board letters in the page's address, which names the
// whole search as shown so that opening it shows the same list.

import { boardFields } from "./engine.js";
import { languages } from "./languages.js";
import { WordListKind, PointScheme, SortOrder } from "./module_ids.js";

// The choices the desktop program keeps in its settings file, as a first
// visit finds them; custom values of null start from the Scrabble values.
export const firstChoices = Object.freeze({
  sort: "alpha", minimum: "2", maximum: "8", nomax: false, anagram: false, list: "standard",
  points: true, scheme: "scrabble", custom: null, allSchemes: false, language: "en",
});
// The languages by code, and "own" for the list the player opened.
const languageCodes = Object.fromEntries([...languages.map(({ code }) => [code, true]), ["own", true]]);
const storageKey = "anagrove.choices";

// Each stored or addressed choice is taken only when it is one the page
// offers; anything else gives the fallback's (the first-visit choices, or
// for an address the stored ones).
export function cleanChoices(raw, fallback = firstChoices) {
  const given = raw && typeof raw === "object" ? raw : {};
  const text = (name) => (typeof given[name] === "string" && given[name].length <= 100 ? given[name] : fallback[name]);
  const flag = (name) => (typeof given[name] === "boolean" ? given[name] : fallback[name]);
  const oneOf = (name, words) => (Object.hasOwn(words, given[name]) ? given[name] : fallback[name]);
  const custom = given.custom;
  const customOk = Array.isArray(custom) && custom.length === 26 &&
    custom.every((v) => typeof v === "string" && v.length <= 100) && custom.some((v) => v !== "");
  return {
    sort: oneOf("sort", SortOrder),
    minimum: text("minimum"),
    maximum: text("maximum"),
    nomax: flag("nomax"),
    anagram: flag("anagram"),
    list: oneOf("list", WordListKind),
    points: flag("points"),
    scheme: oneOf("scheme", PointScheme),
    custom: customOk ? [...custom] : fallback.custom,
    allSchemes: flag("allSchemes"),
    language: oneOf("language", languageCodes),
  };
}

// localStorage, where there is one: private modes and blocked storage throw,
// and then the choices are simply not kept.
export const storage = {
  read() {
    try {
      return cleanChoices(JSON.parse(globalThis.localStorage.getItem(storageKey)));
    } catch {
      return cleanChoices(null);
    }
  },
  write(choices) {
    try {
      globalThis.localStorage.setItem(storageKey, JSON.stringify(choices));
    } catch {
      // not kept
    }
  },
};

// The custom values of the other languages, by alphabet code: one text a tile.
const tileCustomKey = "anagrove.tileCustom";
const tileValuesOk = (values) => Array.isArray(values) && values.length > 0 && values.length <= 63 &&
  values.every((v) => typeof v === "string" && v.length <= 100);
export const tileCustomStorage = {
  read() {
    try {
      const kept = JSON.parse(globalThis.localStorage.getItem(tileCustomKey));
      return Object.fromEntries(Object.entries(kept ?? {}).filter(([code, values]) => code !== "en" && tileValuesOk(values)));
    } catch {
      return {};
    }
  },
  write(byCode) {
    try {
      globalThis.localStorage.setItem(tileCustomKey, JSON.stringify(byCode));
    } catch {
      // not kept
    }
  },
};

// The request in the page's address (?letters=garden*&sort=score&...); what
// it leaves out comes from the stored choices. Each "then" is a re-sort after
// the search, in the order they were chosen: a re-sort keeps the order of
// equal items, so the list's order depends on them all.
export function choicesFromAddress(search, stored) {
  const p = new URLSearchParams(search);
  const bool = (name) => (p.has(name) ? p.get(name) === "1" : undefined);
  const addressed = {
    sort: p.get("sort"), minimum: p.get("min"), maximum: p.get("max"), nomax: bool("nomax"), anagram: bool("anagram"),
    list: p.get("list"), points: bool("points"), scheme: p.get("scheme"), custom: p.get("custom")?.split(","),
    language: p.get("lang") ?? (p.has("letters") ? "en" : undefined),
  };
  // Another language's custom values are one a tile, and leave the English ones alone.
  const tileCustom = addressed.language && addressed.language !== "en" ? addressed.custom : undefined;
  if (tileCustom) addressed.custom = undefined;
  const board = Object.fromEntries(boardFields.map((name) => [name, p.get(name) ?? ""]));
  const then = p.getAll("then").filter((order) => Object.hasOwn(SortOrder, order));
  return { choices: cleanChoices(addressed, stored), letters: p.get("letters"), board, then,
    tileCustom: tileValuesOk(tileCustom) ? tileCustom : null };
}

// The address of a search: everything that decides its list and order; the
// language when it is not English.
export function addressOf(choices, letters, board, then = []) {
  const p = new URLSearchParams({ letters, sort: choices.sort, list: choices.list });
  if (choices.language !== "en") p.set("lang", choices.language);
  for (const order of then) p.append("then", order);
  p.set("anagram", choices.anagram ? "1" : "0");
  if (!choices.anagram) {
    p.set("min", choices.minimum);
    p.set("nomax", choices.nomax ? "1" : "0");
    if (!choices.nomax) p.set("max", choices.maximum);
  }
  p.set("points", choices.points ? "1" : "0");
  p.set("scheme", choices.scheme);
  const custom = choices.language === "en" ? choices.custom : choices.tileCustom;
  if (choices.scheme === "custom" && custom) p.set("custom", custom.join(","));
  for (const name of boardFields) if (board[name]) p.set(name, board[name]);
  return `?${p.toString().replaceAll("%2A", "*").replaceAll("%2C", ",").replaceAll("%3F", "?")}`;
}
