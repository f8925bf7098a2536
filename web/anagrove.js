// Anagrove's web page: the search of the desktop program, run by the same core
// compiled to WebAssembly, with the page's controls around it.

import { choicesFromAddress, addressOf, storage, tileCustomStorage } from "./choices.js";
import { boardFields, Engine, giveRequest } from "./engine.js";
import { keepOwnList, keptOwnList, languageOf, languages, loadLanguage, loadOwnList, namedAlphabet } from "./language_lists.js";
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
    this.tileList = null; // the other language's list in the module: { key, promise of { tiles, words } }
    this.loads = 0; // lists of other languages asked for so far
    this.ownList = null; // the player's list: { name, code, blob }
    this.custom = { en: null }; // custom values kept per language while another is shown
    this.#makeLanguageChoice();
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
      custom: this.#language() === "en" ? this.#customBoxes().map((box) => box.value) : this.custom.en,
      allSchemes: this.$("all-schemes").checked,
      language: this.#language(),
      // another language's custom values, as its boxes show them
      tileCustom: this.#shownAlphabet === "en" ? null : this.#customBoxes().map((box) => box.value),
    };
  }

  #language() {
    return this.$("language").value || "en";
  }

  // The language whose alphabet a language choice searches in.
  #alphabetCode(language = this.#language()) {
    return language === "own" ? this.ownList?.code ?? "en" : language;
  }

  #makeLanguageChoice() {
    const select = this.$("language");
    for (const { code, name } of languages.slice(1)) {
      const option = this.doc.createElement("option");
      Object.assign(option, { value: code, lang: code, textContent: name });
      select.append(option);
    }
  }

  // Offers the player's kept list in the language choice.
  #offerOwnList(own) {
    this.ownList = own;
    let option = this.$("language").querySelector('option[value="own"]');
    if (!own) return option?.remove();
    if (!option) {
      option = this.doc.createElement("option");
      option.value = "own";
      this.$("language").append(option);
    }
    option.textContent = pageTexts.ownList(own.name);
    option.lang = own.code;
    return undefined;
  }

  // Sets the controls; custom values of null are left for start() to fill.
  apply(choices) {
    this.form.elements.sort.value = choices.sort;
    this.$("minimum").value = choices.minimum;
    this.$("maximum").value = choices.maximum;
    this.$("nomax").checked = choices.nomax;
    this.$("anagram").checked = choices.anagram;
    this.form.elements.list.value = choices.list;
    this.$("language").value = choices.language;
    if (this.$("language").value !== choices.language) this.$("language").value = "en";
    this.$("points").checked = choices.points;
    this.form.elements.scheme.value = choices.scheme;
    if (choices.custom && this.#shownAlphabet === "en") this.#customBoxes().forEach((box, k) => (box.value = choices.custom[k]));
    if (choices.custom) this.custom.en = [...choices.custom];
    this.$("all-schemes").checked = choices.allSchemes;
    this.#showAllSchemes();
    this.#enable();
  }

  // Takes the started module: custom values never chosen start from the
  // Scrabble values, and a Find Words pressed meanwhile (or the address's
  // search) runs.
  async start(engine, addressed, own) {
    this.engine = engine;
    const boxes = this.#customBoxes();
    if (boxes.every((box) => box.value === "")) {
      const values = engine.letterValues(PointScheme.scrabble);
      boxes.forEach((box, k) => (box.value = String(values[k])));
      this.custom.en = boxes.map((box) => box.value);
    }
    this.#offerOwnList(own);
    Object.assign(this.custom, tileCustomStorage.read());
    this.$("language").value = addressed.choices.language;
    if (addressed.tileCustom) this.custom[this.#alphabetCode()] = addressed.tileCustom;
    if (this.$("language").value !== addressed.choices.language) this.$("language").value = "en";
    if (addressed.letters !== null && !this.pending) {
      this.$("letters").value = addressed.letters;
      for (const name of boardFields) this.$(name).value = addressed.board[name];
    }
    if (addressed.letters !== null || this.pending) await this.find(this.pending ? [] : addressed.then);
    else if (this.#language() !== "en") await this.chooseLanguage();
    else await this.chooseList(this.choices().list);
  }

  // The custom values' boxes, the tile row, the list options and the schemes
  // follow the language; English shows the page as it always was.
  #shownAlphabet = "en";
  #showLanguage(tiles) {
    const code = this.#alphabetCode();
    const english = this.#language() === "en";
    for (const label of this.doc.querySelectorAll(".english-list")) label.hidden = !english;
    this.$("words").lang = code;
    for (const scheme of ["literati", "wordmojo"]) {
      const box = this.form.querySelector(`input[name="scheme"][value="${scheme}"]`);
      box.dataset.english = "true";
      if (!english && box.checked) this.form.elements.scheme.value = "scrabble";
    }
    this.$("all-schemes").disabled = !english;
    if (!english) this.$("all-schemes").checked = false;
    this.#showAllSchemes();
    if (code !== this.#shownAlphabet) {
      this.custom[this.#shownAlphabet] = this.#customBoxes().map((box) => box.value);
      this.#shownAlphabet = code;
      if (code === "en") this.#makeCustomGrid();
      else this.#makeCustomGrid(tiles);
      const kept = this.custom[code];
      const boxes = this.#customBoxes();
      if (kept?.length === boxes.length) boxes.forEach((box, k) => (box.value = kept[k]));
      this.#makeTileRow(tiles ?? []);
    }
    this.#enable();
  }

  // Buttons that type the tiles a Latin keyboard lacks: those of several
  // letters (in brackets) and letters beyond a-z, into the box typed in last.
  #makeTileRow(tiles) {
    const row = this.$("tile-row");
    row.replaceChildren();
    for (const { text } of tiles) {
      const lower = text.toLowerCase();
      const several = [...lower].length > 1;
      if (!several && /^[a-z]$/.test(lower)) continue;
      const button = this.doc.createElement("button");
      button.type = "button";
      button.textContent = text;
      button.dataset.typed = several ? `[${lower}]` : lower;
      row.append(button);
    }
    row.hidden = row.childElementCount === 0;
    const several = [...row.children].find((button) => button.dataset.typed.startsWith("["));
    this.$("tiles-note").hidden = !several;
    if (several) this.$("tiles-note").textContent = pageTexts.tilesNote(several.dataset.typed);
  }

  #typeTile(typed) {
    const box = this.typingBox ?? this.$("letters");
    const [from, to] = [box.selectionStart ?? box.value.length, box.selectionEnd ?? box.value.length];
    box.setRangeText(typed, from, to, "end");
    box.focus();
  }

  // The module's list of the chosen language, loaded once; the status tells
  // how far it has come. Gives { tiles, words }, or null when another list
  // was chosen meanwhile.
  loadTileList(language = this.#language()) {
    const key = language === "own" ? `own:${this.ownList?.name}` : language;
    if (this.tileList?.key === key) return this.tileList.promise;
    const load = ++this.loads;
    const wanted = () => load === this.loads;
    const previous = this.tileList?.promise.catch(() => null) ?? Promise.resolve();
    const name = language === "own" ? this.ownList.name : languageOf(language).name;
    const progress = (share) => {
      if (wanted() && this.loadingStatus) this.setStatus(pageTexts.loadingShare(pageTexts.loadingList(name), share));
    };
    this.loadingStatus = true;
    this.setStatus(pageTexts.loadingList(name));
    // One list is read into the module at a time: the one before stops first.
    const promise = previous.then(() => {
      if (!wanted()) return null;
      return language === "own"
        ? loadOwnList(this.engine, this.ownList.blob, this.ownList.code, progress, wanted)
        : loadLanguage(this.engine, language, progress, wanted);
    }).then((loaded) => {
      if (wanted() && loaded) {
        this.loadingStatus = false;
        this.setStatus(this.engine.text(TextKind.ready_status));
      }
      return loaded;
    });
    this.tileList = { key, promise };
    promise.catch(() => {
      if (this.tileList?.promise === promise) this.tileList = null;
    });
    return promise;
  }

  // Chooses a language as the language box does: its list is loaded (and the
  // search on show searched again in it).
  async chooseLanguage() {
    this.keep();
    this.#clearMessages();
    this.$("list-note").textContent = "";
    if (this.#language() === "en") {
      this.#showLanguage();
      if (this.search && this.$("letters").value !== "") await this.find();
      else await this.chooseList(this.choices().list);
      return;
    }
    const searches = this.searches;
    let loaded = null;
    try {
      loaded = await this.loadTileList();
    } catch {
      if (searches === this.searches) this.setStatus(this.engine.text(TextKind.no_list_status));
      return;
    }
    if (!loaded) return; // another language was chosen meanwhile
    this.#showLanguage(this.engine.tiles(loaded.tiles));
    const left = loaded.leftOut;
    if (left && left.notTiles + left.tooLong > 0)
      this.$("list-note").textContent = pageTexts.leftOut(this.ownList.name, left, languageOf(this.ownList.code).name);
    if (this.search && this.$("letters").value !== "") await this.find();
    else if (searches === this.searches) this.setStatus(this.engine.text(TextKind.ready_status));
  }

  // "Open word list…": the chosen file is read here, in the language its
  // first line names or else the chosen one, kept for the next visits, and
  // offered in the language choice.
  async openList(file) {
    const message = this.$("list-message");
    message.textContent = "";
    const named = await namedAlphabet(file);
    const code = named ?? this.#alphabetCode();
    if (!languageOf(code)) {
      message.textContent = pageTexts.unknownAlphabet(file.name, named);
      return;
    }
    const own = { name: file.name, code, blob: file };
    this.#offerOwnList(own);
    try {
      await keepOwnList(file, code);
    } catch {
      // not kept for the next visit (no caches here), but searched now
    }
    this.$("language").value = "own";
    await this.chooseLanguage();
  }

  #customBoxes() {
    return [...this.$("custom-values").querySelectorAll("input")];
  }

  // One box a letter A to Z, or one a tile of another alphabet ({ text, value }),
  // which starts from its standard value.
  #makeCustomGrid(tiles = null) {
    const grid = this.$("custom-values");
    grid.replaceChildren();
    const count = tiles?.length ?? 26;
    for (let k = 0; k < count; k++) {
      const letter = tiles ? tiles[k].text : String.fromCharCode(65 + k);
      const label = this.doc.createElement("label");
      const box = this.doc.createElement("input");
      Object.assign(box, { type: "text", id: `custom-${letter}`, autocomplete: "off", spellcheck: false, inputMode: "decimal" });
      box.setAttribute("aria-label", `${letter} points`);
      box.setAttribute("aria-describedby", "custom-message");
      if (tiles) box.value = String(tiles[k].value);
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
    for (const box of this.form.elements.scheme) box.disabled = !points || (box.dataset.english === "true" && this.#language() !== "en");
    this.form.querySelector('input[name="sort"][value="score"]').disabled = !points;
    this.$("custom").hidden = this.form.elements.scheme.value !== "custom";
  }

  #showAllSchemes() {
    this.$("words").classList.toggle("all-schemes", this.$("all-schemes").checked && !this.$("all-schemes").disabled);
  }

  setStatus(text) {
    this.$("status").textContent = shown(text);
  }

  keep() {
    // English keeps what it always kept; the other languages add to it.
    const choices = this.choices();
    storage.write({ ...choices, tileCustom: undefined, language: choices.language === "en" ? undefined : choices.language });
    if (choices.tileCustom) this.custom[this.#shownAlphabet] = choices.tileCustom;
    const { en, ...others } = this.custom;
    if (Object.keys(others).length > 0) tileCustomStorage.write(others);
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
    const box = custom ? this.#customBoxes()[field - TextField.custom_a] : this.$(name);
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
    const choices = this.choices();
    const tiles = choices.language !== "en";
    const request = { ...choices, letters: this.$("letters").value, tiles,
      custom: tiles ? this.#customBoxes().map((box) => box.value) : choices.custom,
      board: Object.fromEntries(boardFields.map((name) => [name, this.$(name).value])) };
    this.keep();
    this.#clearMessages();
    const e = this.engine;
    if (tiles) {
      let loaded = null;
      try {
        loaded = await this.loadTileList(choices.language);
      } catch {
        if (searches === this.searches) this.setStatus(e.text(TextKind.no_list_status));
        return;
      }
      if (!loaded || searches !== this.searches) return; // a later Find Words runs instead
      this.#showLanguage(e.tiles(loaded.tiles));
      request.custom = request.tileCustom = this.#customBoxes().map((box) => box.value);
    } else this.#showLanguage();
    giveRequest(e, request);
    const refused = e.check();
    if (refused >= 0) {
      this.#refuse(refused, e.text(TextKind.message));
      return;
    }
    try {
      if (!tiles) await this.loadList(request.list);
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
    const tiles = e.text(TextKind.tiles, row).split(" "); // a tile a square
    const squares = e.text(TextKind.blank_squares, row);
    const text = this.doc.createElement("span");
    text.className = "item";
    tiles.forEach((tile, k) => {
      const kind = squares[k];
      const letter = kind === "*" ? this.doc.createElement("mark") : kind === "." ? this.doc.createElement("span") : null;
      if (letter) {
        letter.className = kind === "*" ? "blank" : "on-board";
        letter.textContent = tile;
        text.append(letter);
      } else text.append(tile);
    });
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
    on("language", "change", started(() => this.chooseLanguage()));
    on("open-list", "click", () => this.$("list-file").click());
    on("list-file", "change", started(() => {
      const [file] = this.$("list-file").files;
      this.$("list-file").value = "";
      if (file) this.openList(file);
    }));
    on("tile-row", "click", (event) => {
      const button = event.target.closest("button");
      if (button) this.#typeTile(button.dataset.typed);
    });
    for (const id of ["letters", ...boardFields]) on(id, "focus", () => (this.typingBox = this.$(id)));
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
  await page.start(await engineReady, addressed, await keptOwnList());
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
