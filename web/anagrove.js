// Anagrove's web page: the search of the desktop program, run by the same core
// compiled to WebAssembly, with the page's controls around it.

import { choicesFromAddress, addressOf, storage } from "./choices.js";
import { boardFields, Engine, giveRequest } from "./engine.js";
import * as ids from "./module_ids.js";
import { pageTexts } from "./page_texts.js";
import { WordRows } from "./word_rows.js";

const { WordListKind, PointScheme, SortOrder, TextField, TextKind } = ids;

// A word-list file's bytes from its response: gzip as shipped, unpacked in the
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

// The page's texts from the module keep the window's leading blank for its
// caption; the page shows none.
const shown = (text) => text.trimStart();

class Page {
  constructor(doc) {
    this.engine = null; // until the module has started
    this.doc = doc;
    this.$ = (id) => doc.getElementById(id);
    this.form = this.$("search");
    this.lists = {}; // list word -> promise of its word count
    this.search = null; // the search on show: its choices, letters, board and re-sorts (then)
    this.searches = 0; // Find Words pressed so far
    this.pending = false; // Find Words pressed before the module started
    this.#makeCustomGrid();
    this.rows = new WordRows(this.$("words"), (row, element) => this.#fillRow(row, element));
    this.rows.onSelect = (row) => this.#selected(row);
    this.rows.onOpen = (row) => this.#open(row, TextKind.dictionary_link);
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
      custom: this.#customBoxes().map((box) => box.value),
      allSchemes: this.$("all-schemes").checked,
    };
  }

  // Sets the controls; custom values of null are left for start() to fill.
  apply(choices) {
    this.form.elements.sort.value = choices.sort;
    this.$("minimum").value = choices.minimum;
    this.$("maximum").value = choices.maximum;
    this.$("nomax").checked = choices.nomax;
    this.$("anagram").checked = choices.anagram;
    this.form.elements.list.value = choices.list;
    this.$("points").checked = choices.points;
    this.form.elements.scheme.value = choices.scheme;
    if (choices.custom) this.#customBoxes().forEach((box, k) => (box.value = choices.custom[k]));
    this.$("all-schemes").checked = choices.allSchemes;
    this.#showAllSchemes();
    this.#enable();
  }

  // Takes the started module: custom values never chosen start from the
  // Scrabble values, and a Find Words pressed meanwhile (or the address's
  // search) runs.
  async start(engine, addressed) {
    this.engine = engine;
    const boxes = this.#customBoxes();
    if (boxes.every((box) => box.value === "")) {
      const values = engine.letterValues(PointScheme.scrabble);
      boxes.forEach((box, k) => (box.value = String(values[k])));
    }
    if (addressed.letters !== null && !this.pending) {
      this.$("letters").value = addressed.letters;
      for (const name of boardFields) this.$(name).value = addressed.board[name];
    }
    if (addressed.letters !== null || this.pending) await this.find(this.pending ? [] : addressed.then);
    else await this.chooseList(this.choices().list);
  }

  #customBoxes() {
    return [...this.$("custom-values").querySelectorAll("input")];
  }

  #makeCustomGrid() {
    const grid = this.$("custom-values");
    for (let k = 0; k < 26; k++) {
      const letter = String.fromCharCode(65 + k);
      const label = this.doc.createElement("label");
      const box = this.doc.createElement("input");
      Object.assign(box, { type: "text", id: `custom-${letter}`, autocomplete: "off", spellcheck: false, inputMode: "decimal" });
      box.setAttribute("aria-label", `${letter} points`);
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

  #showAllSchemes() {
    this.$("words").classList.toggle("all-schemes", this.$("all-schemes").checked);
  }

  setStatus(text) {
    this.$("status").textContent = shown(text);
  }

  keep() {
    storage.write(this.choices());
  }

  // The list's word count, once it is loaded into the module.
  loadList(list) {
    if (!this.lists[list]) {
      this.setStatus(this.engine.text(list === "standard" ? TextKind.loading_standard_status : TextKind.loading_extended_status));
      this.lists[list] = fetch(this.doc.body.dataset[list])
        .then(listBytes)
        .then((bytes) => this.engine.loadList(WordListKind[list], bytes));
      this.lists[list].catch(() => delete this.lists[list]);
    }
    return this.lists[list];
  }

  // Loads a list as choosing it in the window does; the status then says so,
  // unless a search has been asked for meanwhile.
  async chooseList(list) {
    const searches = this.searches;
    let status = TextKind.ready_status;
    try {
      await this.loadList(list);
    } catch {
      status = TextKind.no_list_status;
    }
    if (searches === this.searches) this.setStatus(this.engine.text(status));
  }

  #clearMessages() {
    for (const element of this.doc.querySelectorAll(".message")) element.textContent = "";
    for (const element of this.doc.querySelectorAll("[aria-invalid]")) element.removeAttribute("aria-invalid");
    this.$("action-note").textContent = "";
  }

  #refuse(field, message) {
    const names = ["letters", "minimum", "maximum", ...boardFields];
    const custom = field >= TextField.custom_a;
    const name = names.find((n) => TextField[n] === field);
    const box = custom ? this.$(`custom-${String.fromCharCode(65 + field - TextField.custom_a)}`) : this.$(name);
    const messageBox = custom ? this.$("custom-message") : this.$(`${name}-message`);
    messageBox.textContent = message;
    box.setAttribute("aria-invalid", "true");
    box.focus();
  }

  // Find Words: the search as typed, refused beside its box or run and shown;
  // then re-sorted in each order of then.
  async find(then = []) {
    const searches = ++this.searches;
    if (!this.engine) {
      this.pending = true;
      return;
    }
    const request = { ...this.choices(), letters: this.$("letters").value,
      board: Object.fromEntries(boardFields.map((name) => [name, this.$(name).value])) };
    this.keep();
    this.#clearMessages();
    const e = this.engine;
    giveRequest(e, request);
    const refused = e.check();
    if (refused >= 0) {
      this.#refuse(refused, e.text(TextKind.message));
      return;
    }
    try {
      await this.loadList(request.list);
    } catch {
      this.setStatus(e.text(TextKind.no_list_status));
      return;
    }
    if (searches !== this.searches) return; // a later Find Words runs instead
    this.setStatus(e.text(TextKind.searching_status));
    await nextFrame();
    if (searches !== this.searches) return;
    giveRequest(e, request); // as asked, whatever another search gave meanwhile
    e.search();
    for (const order of then) e.resort(SortOrder[order]);
    if (then.length > 0) this.form.elements.sort.value = then.at(-1);
    this.search = { ...request, then: [...then] };
    this.rows.show(e.count());
    this.$("caption").textContent = shown(e.text(TextKind.caption));
    this.setStatus(e.text(TextKind.status));
    this.#showFilters();
    this.#address();
  }

  // The address names the search on show, as it is now ordered.
  #address() {
    const { letters, board, then } = this.search;
    history.replaceState(null, "", addressOf(this.search, letters, board, then));
  }

  // The board letters of the search on show, each a button that removes it
  // and searches again.
  #showFilters() {
    const box = this.$("filters");
    box.replaceChildren();
    for (const name of boardFields) {
      const letters = this.search.board[name];
      if (!letters) continue;
      const caption = this.doc.querySelector(`label[for="${name}"]`).textContent.trim();
      const button = this.doc.createElement("button");
      button.type = "button";
      button.className = "filter";
      button.dataset.field = name;
      button.setAttribute("aria-label", pageTexts.removeFilter(`${caption} ${letters}`));
      const cross = this.doc.createElement("span");
      cross.setAttribute("aria-hidden", "true");
      cross.textContent = "\u00d7";
      button.append(`${caption} ${letters} `, cross);
      box.append(button);
    }
    box.hidden = box.childElementCount === 0;
  }

  async #removeFilter(name) {
    this.$(name).value = "";
    this.$("words").focus();
    await this.find();
  }

  resort() {
    this.keep();
    if (!this.search) return;
    const order = this.choices().sort;
    this.search.then.push(order);
    this.engine.resort(SortOrder[order]);
    const selected = this.rows.selected;
    this.rows.show(this.engine.count());
    if (selected >= 0) this.#selected(-1);
    this.#address();
  }

  #fillRow(row, element) {
    const e = this.engine;
    const item = e.text(TextKind.item, row);
    const word = e.text(TextKind.word, row);
    const squares = e.text(TextKind.blank_squares, row);
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
    text.append(item.slice(word.length));
    element.append(text);
    // Read once, as the row's description; its name is the item.
    element.title = e.text(TextKind.blank_note, row);
    if (this.$("all-schemes").checked) {
      const schemes = this.doc.createElement("span");
      schemes.className = "schemes";
      const scores = ["scrabble", "literati", "wordmojo"];
      if (this.search?.scheme === "custom") scores.push("custom");
      scores.forEach((scheme, k) => {
        const score = this.doc.createElement("span");
        score.textContent = `${pageTexts.schemeNames[scheme]} ${e.schemeScore(row, PointScheme[scheme])}`;
        schemes.append(k > 0 ? " · " : "", score);
      });
      element.append(schemes);
    }
  }

  #selected(row) {
    const links = [["dictionary", TextKind.dictionary_link], ["thesaurus", TextKind.thesaurus_link]];
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
    this.$("copy-word").disabled = row < 0;
    this.$("detail").textContent = row >= 0 ? this.engine.text(TextKind.blank_note, row) : "";
  }

  #open(row, kind) {
    const address = this.engine.text(kind, row);
    if (address) globalThis.open(address, "_blank", "noopener");
  }

  async #copy(text, done) {
    const note = this.$("action-note");
    try {
      await navigator.clipboard.writeText(text);
      note.textContent = done;
    } catch {
      note.textContent = pageTexts.notCopied;
    }
  }

  copyAll() {
    return this.#copy(this.engine.text(TextKind.listed_words), pageTexts.copiedWords(this.rows.count));
  }

  copyWord() {
    if (this.rows.selected < 0) return undefined;
    const word = this.engine.text(TextKind.word, this.rows.selected);
    return this.#copy(word, pageTexts.copiedWord(word));
  }

  save(kind, name, type) {
    const link = this.doc.createElement("a");
    link.href = URL.createObjectURL(new Blob([this.engine.text(kind)], { type }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10_000);
  }

  // The controls that need the module wait for it; Find Words does not.
  listen() {
    const on = (id, type, handler) => this.$(id).addEventListener(type, handler);
    const started = (handler) => (...args) => this.engine && handler(...args);
    this.form.addEventListener("submit", (event) => {
      event.preventDefault();
      this.find();
    });
    on("clear", "click", () => {
      for (const id of ["letters", ...boardFields]) this.$(id).value = "";
      this.$("letters").focus();
    });
    on("filters", "click", started((event) => {
      const button = event.target.closest("button.filter");
      if (button) this.#removeFilter(button.dataset.field);
    }));
    for (const box of this.form.elements.sort) box.addEventListener("change", started(() => this.resort()));
    for (const box of this.form.elements.list)
      box.addEventListener("change", started(() => {
        this.keep();
        // The list on show is searched again in the other list, unless the
        // letters box has been emptied since.
        if (this.search && this.$("letters").value !== "") this.find();
        else this.chooseList(box.value);
      }));
    for (const id of ["nomax", "anagram"])
      on(id, "change", () => {
        this.#enable();
        this.keep();
      });
    on("points", "change", started(() => {
      const score = this.form.querySelector('input[name="sort"][value="score"]');
      const resort = !this.$("points").checked && score.checked;
      if (resort) this.form.elements.sort.value = "alpha";
      this.#enable();
      if (resort) this.resort();
      else this.keep();
    }));
    for (const box of this.form.elements.scheme)
      box.addEventListener("change", () => {
        this.#enable();
        this.keep();
      });
    for (const id of ["minimum", "maximum", "custom-values"]) on(id, "change", () => this.keep());
    on("all-schemes", "change", () => {
      this.keep();
      this.#showAllSchemes();
      if (this.engine) this.rows.refresh();
    });
    for (const button of this.doc.querySelectorAll("button.help"))
      button.addEventListener("click", () => {
        const open = button.getAttribute("aria-expanded") !== "true";
        button.setAttribute("aria-expanded", String(open));
        this.$(button.getAttribute("aria-controls")).hidden = !open;
      });
    on("copy", "click", started(() => this.copyAll()));
    on("copy-word", "click", started(() => this.copyWord()));
    on("save-text", "click", started(() => this.save(TextKind.listed_items, "words.txt", "text/plain;charset=utf-8")));
    on("save-csv", "click", started(() => this.save(TextKind.listed_csv, "words.csv", "text/csv;charset=utf-8")));
    for (const id of ["dictionary", "thesaurus"])
      on(id, "click", (event) => {
        if (!this.$(id).href) event.preventDefault();
      });
  }
}

async function startPage(doc) {
  const engineReady = Engine.create(fetch(doc.body.dataset.module), ids);
  const addressed = choicesFromAddress(location.search, storage.read());
  const page = new Page(doc);
  page.apply(addressed.choices);
  page.listen();
  page.setStatus(pageTexts.starting);
  await page.start(await engineReady, addressed);
  globalThis.anagrove = page; // for the tests and the curious
  performance.mark("anagrove-ready"); // the first search is possible from here on
  if ("serviceWorker" in navigator)
    navigator.serviceWorker.register("sw.js").catch(() => {
      // no offline copy (a private window, or a host without HTTPS)
    });
}

if (typeof document !== "undefined")
  startPage(document).catch((error) => {
    const status = document.getElementById("status");
    if (status) status.textContent = pageTexts.notStarted(error.message);
  });
