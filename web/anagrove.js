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

// The core, instantiated from the module's bytes with the three system calls
// it can make (only to report a fault before it stops).
export class Engine {
  static async create(source) {
    const imports = {
      wasi_snapshot_preview1: {
        fd_write: (fd, iovs, count, written) => Engine.#write(engine, iovs, count, written),
        fd_seek: () => 70, // ESPIPE: no file can be sought
        fd_close: () => 8, // EBADF: no file is open
      },
    };
    let engine = null;
    const { instance } = source instanceof Response
      ? await WebAssembly.instantiateStreaming(source, imports)
      : await WebAssembly.instantiate(source, imports);
    engine = new Engine(instance.exports);
    return engine;
  }

  #x;
  #session;

  constructor(exports) {
    this.#x = exports;
    exports._initialize();
    this.#session = exports.anagrove_new();
  }

  static #write(engine, iovs, count, written) {
    const view = new DataView(engine.#x.memory.buffer);
    let total = 0;
    let text = "";
    for (let k = 0; k < count; k++) {
      const at = view.getUint32(iovs + 8 * k, true);
      const size = view.getUint32(iovs + 8 * k + 4, true);
      text += fromUtf8.decode(new Uint8Array(engine.#x.memory.buffer, at, size));
      total += size;
    }
    if (text.trim()) console.error(text.trim());
    view.setUint32(written, total, true);
    return 0;
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
