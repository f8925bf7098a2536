// The core compiled to WebAssembly (anagrove.wasm) and the calls the page
// makes to it. Under Node (the tests) this is all of the page that runs.

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
  // source: the module's bytes, or its (promised) response; ids: the module's
  // numbering (module_ids.js, written by the page's build from its headers).
  static async create(source, ids) {
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
    return new Engine(instance.exports, ids);
  }

  #x;
  #session;

  constructor(exports, ids) {
    this.ids = ids;
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

  // Another language's alphabet file (bytes); gives its letter tiles, or
  // throws with the module's reason.
  loadAlphabet(bytes) {
    this.#input(bytes);
    const tiles = this.#x.anagrove_load_alphabet(this.#session);
    if (tiles < 0) throw new Error(this.text(this.ids.TextKind.message));
    return tiles;
  }

  // The alphabet's list file in pieces cut anywhere, as they arrive: begin
  // with its length as far as known (0: not known), read each piece (gives
  // the words so far), end (gives the word count).
  beginTileList(lines = 0, bytes = 0) {
    if (this.#x.anagrove_begin_tile_list(this.#session, lines, bytes) < 0) throw new Error("no alphabet");
  }

  readTileList(piece) {
    this.#input(piece);
    return this.#x.anagrove_read_tile_list(this.#session);
  }

  endTileList() {
    return this.#x.anagrove_end_tile_list(this.#session);
  }

  // The words of that list left out: { notTiles, tooLong }.
  leftOut() {
    return { notTiles: this.#x.anagrove_left_out(this.#session, 0), tooLong: this.#x.anagrove_left_out(this.#session, 1) };
  }

  // The loaded alphabet's tiles: their texts and standard values, tile 1 first.
  tiles(count) {
    return Array.from({ length: count }, (_, k) => ({
      text: this.text(this.ids.TextKind.tile, k + 1),
      value: this.#x.anagrove_tile_value(this.#session, k + 1),
    }));
  }

  setText(field, text) {
    this.#input(utf8.encode(text));
    this.#x.anagrove_set_text(this.#session, field);
  }

  choose(choice, value) {
    this.#x.anagrove_choose(this.#session, choice, Number(value));
  }

  // -1 when the search ran, otherwise the field that refused it (see text(TextKind.message)).
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

  // A preset scheme's value of each letter, A to Z.
  letterValues(scheme) {
    return Array.from({ length: 26 }, (_, k) => this.#x.anagrove_letter_value(scheme, k));
  }
}

export const boardFields = Object.freeze(["starts", "ends", "contains", "pattern"]);

// The letters as the module takes them: a "?" is a blank, as "*" is.
export const moduleLetters = (letters) => letters.replaceAll("?", "*");

// The most letter tiles an alphabet has, each with its custom value's field.
export const mostTiles = 63;

// Gives the engine a whole search: the choices (as the page's choices() has
// them), the letters, and the board letters by field name (a missing one is
// empty); with tiles, in the alphabet loaded last, whose custom values are
// one a tile.
export function giveRequest(engine, request) {
  const { TextField, Choice, WordListKind, SortOrder, PointScheme } = engine.ids;
  engine.choose(Choice.tiles, Boolean(request.tiles));
  engine.choose(Choice.list, WordListKind[request.list]);
  engine.choose(Choice.order, SortOrder[request.sort]);
  engine.choose(Choice.no_maximum, request.nomax);
  engine.choose(Choice.anagram, request.anagram);
  engine.choose(Choice.use_points, request.points);
  engine.choose(Choice.scheme, PointScheme[request.scheme]);
  engine.setText(TextField.letters, moduleLetters(request.letters));
  engine.setText(TextField.minimum, request.minimum);
  engine.setText(TextField.maximum, request.maximum);
  for (let k = 0; k < mostTiles; k++) engine.setText(TextField.custom_a + k, request.custom[k] ?? "");
  for (const name of boardFields) engine.setText(TextField[name], request.board[name] ?? "");
}
