// Anagrove's web page: the search of the desktop program, run by the same core
// compiled to WebAssembly (anagrove.wasm), with the page around it. Under Node
// (the tests) only the Engine below is used.

// The module's texts and choices, numbered as src/web/web_session.h numbers them.
export const Field = Object.freeze({
  letters: 0, minimum: 1, maximum: 2, starts: 3, ends: 4, contains: 5, pattern: 6, customA: 7,
});
export const Choice = Object.freeze({ nomax: 0, anagram: 1, usePoints: 2, list: 3, scheme: 4, order: 5 });
export const Text = Object.freeze({
  item: 0, caption: 1, status: 2, message: 3, blankLetters: 4, blankSquares: 5, blankNote: 6,
  dictionaryLink: 7, thesaurusLink: 8, listedItems: 9, listedCsv: 10, readyStatus: 11,
  loadingStandardStatus: 12, loadingExtendedStatus: 13, searchingStatus: 14,
});
export const Order = Object.freeze({ alpha: 1, score: 2, length: 3 });
export const Scheme = Object.freeze({ scrabble: 0, literati: 1, wordmojo: 2, custom: 3 });
export const List = Object.freeze({ standard: 0, extended: 1 });

const utf8 = new TextEncoder();
const fromUtf8 = new TextDecoder();

// The module's only output of its own: the message of a fault, to the console.
function writeOut(memory, iovs, count, written) {
  const view = new DataView(memory.buffer);
  let total = 0;
  let text = "";
  for (let k = 0; k < count; k++) {
    const at = view.getUint32(iovs + 8 * k, true);
    const size = view.getUint32(iovs + 8 * k + 4, true);
    text += fromUtf8.decode(new Uint8Array(memory.buffer, at, size));
    total += size;
  }
  if (text.trim()) console.error(text.trim());
  view.setUint32(written, total, true);
  return 0;
}

// The core, instantiated from the module's bytes with the three system calls
// it can make (only to report a fault before it stops).
export class Engine {
  // source: the module's bytes, or its (promised) response.
  static async create(source) {
    source = await source;
    let memory = null;
    const imports = {
      wasi_snapshot_preview1: {
        fd_write: (fd, iovs, count, written) => writeOut(memory, iovs, count, written),
        fd_seek: () => 70, // ESPIPE: no file can be sought
        fd_close: () => 8, // EBADF: no file is open
      },
    };
    let instance;
    if (source instanceof Response) {
      // Compiled while it downloads, unless the host sent it with another type
      // than application/wasm.
      const bytes = source.clone();
      try {
        ({ instance } = await WebAssembly.instantiateStreaming(source, imports));
      } catch {
        ({ instance } = await WebAssembly.instantiate(await bytes.arrayBuffer(), imports));
      }
    } else {
      ({ instance } = await WebAssembly.instantiate(source, imports));
    }
    memory = instance.exports.memory;
    return new Engine(instance.exports);
  }

  #x;
  #session;

  constructor(exports) {
    this.#x = exports;
    exports._initialize();
    this.#session = exports.anagrove_new();
  }

  #input(bytes) {
    const at = this.#x.anagrove_input(this.#session, bytes.length);
    new Uint8Array(this.#x.memory.buffer, at, bytes.length).set(bytes);
  }

  // The bytes of a word-list file; gives its word count.
  loadList(list, bytes) {
    this.#input(bytes);
    return this.#x.anagrove_load_list(this.#session, list);
  }

  setText(field, text) {
    this.#input(utf8.encode(text));
    this.#x.anagrove_set_text(this.#session, field);
  }

  choose(choice, value) {
    this.#x.anagrove_choose(this.#session, choice, Number(value));
  }

  // -1 when the search ran, otherwise the field that refused it (see text(Text.message)).
  search() {
    return this.#x.anagrove_search(this.#session);
  }

  // The same without searching.
  check() {
    return this.#x.anagrove_check(this.#session);
  }

  resort(order) {
    this.#x.anagrove_resort(this.#session, order);
  }

  count() {
    return this.#x.anagrove_count(this.#session);
  }

  text(kind, row = 0) {
    const at = this.#x.anagrove_text(this.#session, kind, row);
    const size = this.#x.anagrove_text_size(this.#session);
    return fromUtf8.decode(new Uint8Array(this.#x.memory.buffer, at, size));
  }

  schemeScore(row, scheme) {
    return this.#x.anagrove_scheme_score(this.#session, row, scheme);
  }

  blankZeroScore(row) {
    return this.#x.anagrove_blank_zero_score(this.#session, row);
  }
}

// ---------------------------------------------------------------------------
// The page.

// The choices the desktop program keeps in its settings file, as a first
// visit finds them.
const firstChoices = Object.freeze({
  sort: "alpha", minimum: "2", maximum: "8", nomax: false, anagram: false, list: "standard",
  points: true, scheme: "scrabble", custom: Array(26).fill(""), allSchemes: false,
});
const storageKey = "anagrove.choices";
const boardFields = ["starts", "ends", "contains", "pattern"];

// Gives the engine a whole search: the choices (as Page.choices() has them),
// the letters, and the board letters by field name (a missing one is empty).
export function giveRequest(engine, request) {
  engine.choose(Choice.list, List[request.list]);
  engine.choose(Choice.order, Order[request.sort]);
  engine.choose(Choice.nomax, request.nomax);
  engine.choose(Choice.anagram, request.anagram);
  engine.choose(Choice.usePoints, request.points);
  engine.choose(Choice.scheme, Scheme[request.scheme]);
  engine.setText(Field.letters, request.letters);
  engine.setText(Field.minimum, request.minimum);
  engine.setText(Field.maximum, request.maximum);
  request.custom.forEach((value, k) => engine.setText(Field.customA + k, value));
  for (const name of boardFields) engine.setText(Field[name], request.board[name] ?? "");
}

// Each stored or addressed choice is taken only when it is one the page
// offers; anything else gives the fallback's (the first-visit choices, or
// for an address the stored ones).
function cleanChoices(raw, fallback = firstChoices) {
  const given = raw && typeof raw === "object" ? raw : {};
  const text = (name) => (typeof given[name] === "string" && given[name].length <= 100 ? given[name] : fallback[name]);
  const flag = (name) => (typeof given[name] === "boolean" ? given[name] : fallback[name]);
  const oneOf = (name, words) => (words.includes(given[name]) ? given[name] : fallback[name]);
  const custom = given.custom;
  return {
    sort: oneOf("sort", ["alpha", "score", "length"]),
    minimum: text("minimum"),
    maximum: text("maximum"),
    nomax: flag("nomax"),
    anagram: flag("anagram"),
    list: oneOf("list", ["standard", "extended"]),
    points: flag("points"),
    scheme: oneOf("scheme", Object.keys(Scheme)),
    custom: Array.isArray(custom) && custom.length === 26 && custom.every((v) => typeof v === "string" && v.length <= 100)
      ? [...custom]
      : fallback.custom,
    allSchemes: flag("allSchemes"),
  };
}

// localStorage, where there is one: private modes and blocked storage throw,
// and then the choices are simply not kept.
const storage = {
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

// The request in the page's address: ?letters=garden*&sort=score&...
function choicesFromAddress(search, choices) {
  const p = new URLSearchParams(search);
  const bool = (name) => (p.has(name) ? p.get(name) === "1" : undefined);
  const addressed = {
    sort: p.get("sort"), minimum: p.get("min"), maximum: p.get("max"), nomax: bool("nomax"), anagram: bool("anagram"),
    list: p.get("list"), points: bool("points"), scheme: p.get("scheme"), custom: p.get("custom")?.split(","),
  };
  const board = Object.fromEntries(boardFields.map((name) => [name, p.get(name) ?? ""]));
  return { choices: cleanChoices(addressed, choices), letters: p.get("letters"), board };
}

function addressOf(choices, letters, board) {
  const p = new URLSearchParams({ letters, sort: choices.sort, list: choices.list });
  if (choices.anagram) p.set("anagram", "1");
  else {
    p.set("min", choices.minimum);
    if (choices.nomax) p.set("nomax", "1");
    else p.set("max", choices.maximum);
  }
  if (!choices.points) p.set("points", "0");
  p.set("scheme", choices.scheme);
  if (choices.scheme === "custom") p.set("custom", choices.custom.join(","));
  for (const name of boardFields) if (board[name]) p.set(name, board[name]);
  return `?${p.toString().replaceAll("%2A", "*").replaceAll("%2C", ",")}`;
}

// A word list's bytes from its response: gzip as shipped, unpacked in the
// page, unless the host sent it unpacked (Content-Encoding), which its first
// bytes tell.
async function listBytes(response) {
  if (!response.ok) throw new Error(`${response.url}: ${response.status}`);
  const bytes = new Uint8Array(await response.arrayBuffer());
  if (bytes[0] !== 0x1f || bytes[1] !== 0x8b) return bytes;
  const unpacked = new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"));
  return new Uint8Array(await new Response(unpacked).arrayBuffer());
}

const nextFrame = () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0)));

// The result list: only the rows in view (and a few around them) are in the
// page, so a list of 200,001 words scrolls as one of ten.
class WordRows {
  constructor(box, rowText) {
    this.box = box;
    this.spacer = box.querySelector(".spacer");
    this.rowText = rowText; // (row, element) fills a row's element
    this.count = 0;
    this.selected = -1;
    this.onSelect = () => {};
    this.onOpen = () => {};
    this.shown = new Map(); // row -> element
    this.rowHeight = 32;
    box.addEventListener("scroll", () => this.#schedule());
    box.addEventListener("keydown", (event) => this.#key(event));
    box.addEventListener("click", (event) => this.#pick(event));
    box.addEventListener("dblclick", (event) => {
      if (this.#rowOf(event) >= 0) this.onOpen(this.selected);
    });
    box.addEventListener("focus", () => {
      if (this.selected < 0 && this.count > 0) this.select(0);
    });
    new ResizeObserver(() => this.#schedule()).observe(box);
  }

  show(count) {
    this.count = count;
    this.selected = -1;
    this.box.scrollTop = 0;
    this.rowHeight = parseFloat(getComputedStyle(this.box).getPropertyValue("--row")) *
      parseFloat(getComputedStyle(document.documentElement).fontSize) || 32;
    this.spacer.style.height = `${count * this.rowHeight}px`;
    this.box.removeAttribute("aria-activedescendant");
    this.refresh();
    this.onSelect(-1);
  }

  // Fills the rows in view again (after a re-sort, or another display).
  refresh() {
    for (const element of this.shown.values()) element.remove();
    this.shown.clear();
    this.render();
  }

  #schedule() {
    if (this.pending) return;
    this.pending = requestAnimationFrame(() => {
      this.pending = 0;
      this.render();
    });
  }

  render() {
    const first = Math.max(0, Math.floor(this.box.scrollTop / this.rowHeight) - 5);
    const last = Math.min(this.count, Math.ceil((this.box.scrollTop + this.box.clientHeight) / this.rowHeight) + 5);
    for (const [row, element] of this.shown)
      if ((row < first || row >= last) && row !== this.selected) {
        element.remove();
        this.shown.delete(row);
      }
    for (let row = first; row < last; row++) {
      if (this.shown.has(row)) continue;
      const element = document.createElement("div");
      element.className = "word-row";
      element.id = `word-${row}`;
      element.setAttribute("role", "option");
      element.setAttribute("aria-setsize", String(this.count));
      element.setAttribute("aria-posinset", String(row + 1));
      element.setAttribute("aria-selected", String(row === this.selected));
      element.classList.toggle("active", row === this.selected);
      element.style.transform = `translateY(${row * this.rowHeight}px)`;
      this.rowText(row, element);
      this.box.append(element);
      this.shown.set(row, element);
    }
  }

  select(row) {
    if (this.count === 0) return;
    row = Math.max(0, Math.min(this.count - 1, row));
    const old = this.shown.get(this.selected);
    old?.setAttribute("aria-selected", "false");
    old?.classList.remove("active");
    this.selected = row;
    const top = row * this.rowHeight;
    if (top < this.box.scrollTop) this.box.scrollTop = top;
    else if (top + this.rowHeight > this.box.scrollTop + this.box.clientHeight)
      this.box.scrollTop = top + this.rowHeight - this.box.clientHeight;
    this.render();
    const element = this.shown.get(row);
    element.setAttribute("aria-selected", "true");
    element.classList.add("active");
    this.box.setAttribute("aria-activedescendant", element.id);
    this.onSelect(row);
  }

  #rowOf(event) {
    const element = event.target.closest(".word-row");
    return element ? Number(element.id.slice(5)) : -1;
  }

  #pick(event) {
    const row = this.#rowOf(event);
    if (row >= 0) this.select(row);
  }

  #key(event) {
    const page = Math.max(1, Math.floor(this.box.clientHeight / this.rowHeight) - 1);
    const moves = {
      ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page, Home: -Infinity, End: Infinity,
    };
    if (event.key in moves && !event.altKey) {
      event.preventDefault();
      const from = this.selected < 0 ? 0 : this.selected;
      const move = moves[event.key];
      this.select(move === Infinity ? this.count - 1 : move === -Infinity ? 0 : from + move);
    } else if (event.key === "Enter" && this.selected >= 0) {
      event.preventDefault();
      this.onOpen(this.selected);
    }
  }
}

class Page {
  constructor(engine, doc) {
    this.engine = engine;
    this.doc = doc;
    this.$ = (id) => doc.getElementById(id);
    this.form = this.$("search");
    this.lists = {}; // list word -> promise of its word count
    this.shown = false; // whether a search's results are on show
    this.#makeCustomGrid();
    this.rows = new WordRows(this.$("words"), (row, element) => this.#fillRow(row, element));
    this.rows.onSelect = (row) => this.#selected(row);
    this.rows.onOpen = (row) => this.#open(row, Text.dictionaryLink);
    // The page's scroll padding follows the status bar's height, which grows
    // when a long status wraps (see anagrove.css).
    const bar = this.$("status").parentElement;
    new ResizeObserver(() =>
      doc.documentElement.style.setProperty("--statusbar", `${bar.getBoundingClientRect().height}px`)).observe(bar);
  }

  choices() {
    const value = (name) => this.form.elements[name].value;
    return {
      sort: value("sort") || "alpha",
      minimum: this.$("minimum").value,
      maximum: this.$("maximum").value,
      nomax: this.$("nomax").checked,
      anagram: this.$("anagram").checked,
      list: value("list") || "standard",
      points: this.$("points").checked,
      scheme: value("scheme") || "scrabble",
      custom: [...this.$("custom-values").querySelectorAll("input")].map((box) => box.value),
      allSchemes: this.$("all-schemes").checked,
    };
  }

  apply(choices) {
    this.form.elements.sort.value = choices.sort;
    this.$("minimum").value = choices.minimum;
    this.$("maximum").value = choices.maximum;
    this.$("nomax").checked = choices.nomax;
    this.$("anagram").checked = choices.anagram;
    this.form.elements.list.value = choices.list;
    this.$("points").checked = choices.points;
    this.form.elements.scheme.value = choices.scheme;
    this.$("custom-values").querySelectorAll("input").forEach((box, k) => (box.value = choices.custom[k]));
    this.$("all-schemes").checked = choices.allSchemes;
    this.#enable();
  }

  #makeCustomGrid() {
    const grid = this.$("custom-values");
    for (let k = 0; k < 26; k++) {
      const letter = String.fromCharCode(65 + k);
      const label = this.doc.createElement("label");
      const box = this.doc.createElement("input");
      Object.assign(box, { type: "text", id: `custom-${letter}`, autocomplete: "off", spellcheck: false, inputMode: "decimal" });
      box.setAttribute("aria-describedby", "custom-message");
      label.append(`${letter} =`, box);
      grid.append(label);
    }
  }

  // The window's enabling: the anagram rule replaces the limits, no maximum
  // leaves the maximum out, and without points there is no score order or scheme.
  #enable() {
    const [anagram, nomax, points] = ["anagram", "nomax", "points"].map((id) => this.$(id).checked);
    this.$("minimum").disabled = anagram;
    this.$("maximum").disabled = anagram || nomax;
    this.$("nomax").disabled = anagram;
    for (const box of this.form.elements.scheme) box.disabled = !points;
    this.form.querySelector('input[name="sort"][value="score"]').disabled = !points;
    this.$("custom").hidden = this.form.elements.scheme.value !== "custom";
  }

  setStatus(text) {
    this.$("status").textContent = text;
  }

  keep() {
    storage.write(this.choices());
  }

  // The list's word count, once it is loaded into the module.
  loadList(list) {
    if (!this.lists[list]) {
      this.setStatus(this.engine.text(list === "standard" ? Text.loadingStandardStatus : Text.loadingExtendedStatus));
      this.lists[list] = fetch(this.doc.body.dataset[list])
        .then(listBytes)
        .then((bytes) => this.engine.loadList(List[list], bytes));
      this.lists[list].catch(() => delete this.lists[list]);
    }
    return this.lists[list];
  }

  // Loads a list as choosing it in the window does; the status then says so.
  async chooseList(list) {
    try {
      await this.loadList(list);
      this.setStatus(this.engine.text(Text.readyStatus));
    } catch {
      this.setStatus("No word list is loaded");
    }
  }

  #clearMessages() {
    for (const element of this.doc.querySelectorAll(".message")) element.textContent = "";
    for (const element of this.doc.querySelectorAll("[aria-invalid]")) element.removeAttribute("aria-invalid");
  }

  #refuse(field, message) {
    const names = ["letters", "minimum", "maximum", ...boardFields];
    const box = field < Field.customA ? this.$(names[field]) : this.$(`custom-${String.fromCharCode(65 + field - Field.customA)}`);
    const messageBox = field < Field.customA ? this.$(`${names[field]}-message`) : this.$("custom-message");
    messageBox.textContent = message;
    box.setAttribute("aria-invalid", "true");
    box.focus();
  }

  async find() {
    const c = this.choices();
    this.keep();
    const letters = this.$("letters").value;
    const board = Object.fromEntries(boardFields.map((name) => [name, this.$(name).value]));
    const e = this.engine;
    this.#clearMessages();
    giveRequest(e, { ...c, letters, board });
    const refused = e.check();
    if (letters === "") {
      // As the window does: the list is emptied, then the search stops.
      this.shown = false;
      this.rows.show(0);
      this.setStatus(e.text(Text.searchingStatus));
    }
    if (refused >= 0) {
      this.#refuse(refused, e.text(Text.message));
      return;
    }
    try {
      await this.loadList(c.list);
    } catch {
      this.setStatus("No word list is loaded");
      return;
    }
    this.setStatus(e.text(Text.searchingStatus));
    await nextFrame();
    e.search();
    this.shown = true;
    this.rows.show(e.count());
    this.$("caption").textContent = e.text(Text.caption);
    this.setStatus(e.text(Text.status));
    history.replaceState(null, "", addressOf(c, letters, board));
  }

  resort() {
    this.keep();
    if (!this.shown) return;
    this.engine.resort(Order[this.choices().sort]);
    const selected = this.rows.selected;
    this.rows.show(this.engine.count());
    if (selected >= 0) this.#selected(-1);
  }

  #fillRow(row, element) {
    const e = this.engine;
    const item = e.text(Text.item, row);
    const space = item.indexOf(" ");
    const word = item.slice(0, space);
    const squares = e.text(Text.blankSquares, row);
    const blanks = e.text(Text.blankLetters, row);
    const text = this.doc.createElement("span");
    text.className = "item";
    for (let k = 0; k < word.length; k++) {
      const kind = squares[k];
      const letter = kind === "*" ? this.doc.createElement("mark") : kind === "." ? this.doc.createElement("span") : null;
      if (letter) {
        letter.className = kind === "*" ? "blank" : "on-board";
        letter.textContent = word[k];
        text.append(letter);
      } else text.append(word[k]);
    }
    text.append(item.slice(space));
    element.append(text);
    element.dataset.item = item;
    const note = e.text(Text.blankNote, row);
    element.title = note;
    if (blanks) {
      const spoken = this.doc.createElement("span");
      spoken.className = "visually-hidden";
      spoken.textContent = `, ${note}`;
      element.append(spoken);
    }
    if (this.$("all-schemes").checked) {
      const schemes = this.doc.createElement("span");
      schemes.className = "schemes";
      const scores = [["Scrabble", Scheme.scrabble], ["Literati", Scheme.literati], ["Wordmojo", Scheme.wordmojo]];
      if (this.choices().scheme === "custom") scores.push(["custom", Scheme.custom]);
      schemes.textContent = scores.map(([name, scheme]) => `${name} ${e.schemeScore(row, scheme)}`).join(" · ");
      element.append(schemes);
    }
  }

  #selected(row) {
    const links = [["dictionary", Text.dictionaryLink], ["thesaurus", Text.thesaurusLink]];
    for (const [id, kind] of links) {
      const link = this.$(id);
      const address = row >= 0 ? this.engine.text(kind, row) : "";
      if (address) {
        link.href = address;
        link.removeAttribute("aria-disabled");
      } else {
        link.removeAttribute("href");
        link.setAttribute("aria-disabled", "true");
      }
    }
    this.$("detail").textContent = row >= 0 ? this.engine.text(Text.blankNote, row) : "";
  }

  #open(row, kind) {
    const address = this.engine.text(kind, row);
    if (address) globalThis.open(address, "_blank", "noopener");
  }

  async copy() {
    const note = this.$("action-note");
    try {
      await navigator.clipboard.writeText(this.engine.text(Text.listedWords));
      note.textContent = `Copied ${this.rows.count} words.`;
    } catch {
      note.textContent = "The words could not be copied.";
    }
  }

  save(kind, name, type) {
    const link = this.doc.createElement("a");
    link.href = URL.createObjectURL(new Blob([this.engine.text(kind)], { type }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
  }

  listen() {
    const on = (id, type, handler) => this.$(id).addEventListener(type, handler);
    this.form.addEventListener("submit", (event) => {
      event.preventDefault();
      this.find();
    });
    on("clear", "click", () => {
      this.$("letters").value = "";
      this.$("letters").focus();
    });
    for (const box of this.form.elements.sort) box.addEventListener("change", () => this.resort());
    for (const box of this.form.elements.list)
      box.addEventListener("change", () => {
        this.keep();
        this.chooseList(box.value);
      });
    for (const id of ["nomax", "anagram"])
      on(id, "change", () => {
        this.#enable();
        this.keep();
      });
    on("points", "change", () => {
      const score = this.form.querySelector('input[name="sort"][value="score"]');
      const resort = !this.$("points").checked && score.checked;
      if (resort) this.form.elements.sort.value = "alpha";
      this.#enable();
      if (resort) this.resort();
      else this.keep();
    });
    for (const box of this.form.elements.scheme)
      box.addEventListener("change", () => {
        this.#enable();
        this.keep();
      });
    for (const id of ["minimum", "maximum", "custom-values"]) on(id, "change", () => this.keep());
    on("all-schemes", "change", () => {
      this.keep();
      this.rows.refresh();
    });
    for (const button of this.doc.querySelectorAll("button.help"))
      button.addEventListener("click", () => {
        const open = button.getAttribute("aria-expanded") !== "true";
        button.setAttribute("aria-expanded", String(open));
        this.$(button.getAttribute("aria-controls")).hidden = !open;
      });
    on("copy", "click", () => this.copy());
    on("save-text", "click", () => this.save(Text.listedItems, "words.txt", "text/plain;charset=utf-8"));
    on("save-csv", "click", () => this.save(Text.listedCsv, "words.csv", "text/csv;charset=utf-8"));
    for (const id of ["dictionary", "thesaurus"])
      on(id, "click", (event) => {
        if (!this.$(id).href) event.preventDefault();
      });
  }
}

async function startPage(doc) {
  const body = doc.body;
  const engineReady = Engine.create(fetch(body.dataset.module));
  const stored = storage.read();
  const { choices, letters, board } = choicesFromAddress(location.search, stored);
  const page = new Page(await engineReady, doc);
  page.apply(choices);
  page.listen();
  if (letters !== null) {
    doc.getElementById("letters").value = letters;
    for (const name of boardFields) doc.getElementById(name).value = board[name];
    await page.find();
  } else {
    await page.chooseList(choices.list);
  }
  performance.mark("anagrove-ready"); // the first search is possible from here on
  globalThis.anagrove = page; // for the tests and the curious
  if ("serviceWorker" in navigator)
    navigator.serviceWorker.register("sw.js").catch(() => {
      // no offline copy (a private window, or a host without HTTPS)
    });
}

if (typeof document !== "undefined")
  startPage(document).catch((error) => {
    const status = document.getElementById("status");
    if (status) status.textContent = `Anagrove could not start: ${error.message}`;
  });
