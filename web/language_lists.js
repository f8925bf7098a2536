// The other languages' lists and the player's own list: fetched or read when
// chosen, unpacked as they arrive and handed to the module piece by piece, the
// page given its turn between pieces so that it stays responsive.

import { languages } from "./languages.js";

export { languages };
export const languageOf = (code) => languages.find((language) => language.code === code);

// The list a player opened, kept in the browser (never sent anywhere).
const ownCache = "anagrove-own";
const ownKey = "own-list.txt";

// Lets the page handle its input and paint, then goes on (scheduler.yield,
// where there is one, goes on first among the tasks waiting).
const givePageItsTurn = () => globalThis.scheduler?.yield?.() ?? new Promise((done) => setTimeout(done, 0));
const gzipped = (bytes) => bytes.length >= 2 && bytes[0] === 0x1f && bytes[1] === 0x8b;

// The stream's bytes, unpacked when they are gzip (a host may have sent them
// unpacked already), with counted(n) told of each n bytes as they arrive.
async function unpackedStream(stream, counted) {
  const reader = stream.getReader();
  const first = await reader.read();
  const packed = !first.done && gzipped(first.value);
  const whole = new ReadableStream({
    start(controller) {
      if (!first.done) {
        counted(first.value.length, packed);
        controller.enqueue(first.value);
      }
    },
    async pull(controller) {
      const { done, value } = await reader.read();
      if (done) controller.close();
      else {
        counted(value.length, packed);
        controller.enqueue(value);
      }
    },
    cancel: (why) => reader.cancel(why),
  });
  return packed ? whole.pipeThrough(new DecompressionStream("gzip")) : whole;
}

// Reads the list into the engine's alphabet loaded last; gives its word
// count, or null when wanted() turned false meanwhile (another list was
// chosen). No piece of work runs longer than about 30 ms before the page's turn.
async function readList(engine, stream, size, wanted) {
  engine.beginTileList(size.lines ?? 0, size.bytes ?? 0);
  const reader = stream.getReader();
  let since = performance.now();
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    if (!wanted()) {
      reader.cancel().catch(() => {}); // the rest is not waited for
      return null;
    }
    for (let at = 0; at < value.length; at += 1 << 18) engine.readTileList(value.subarray(at, at + (1 << 18)));
    if (performance.now() - since > 30) {
      await givePageItsTurn();
      since = performance.now();
    }
  }
  return engine.endTileList();
}

async function fetchBytes(address) {
  const response = await fetch(address);
  if (!response.ok) throw new Error(`${response.url}: ${response.status}`);
  return new Uint8Array(await response.arrayBuffer());
}

// Loads a shipped language: its alphabet, then its list with progress(share
// from 0 to 1). Gives { tiles, words }, or null when no longer wanted.
export async function loadLanguage(engine, code, progress, wanted) {
  const language = languageOf(code);
  const tiles = engine.loadAlphabet(await fetchBytes(language.alphabet));
  const response = await fetch(language.list);
  if (!response.ok) throw new Error(`${response.url}: ${response.status}`);
  let arrived = 0;
  const stream = await unpackedStream(response.body, (n, packed) => {
    arrived += n;
    progress(Math.min(1, arrived / (packed ? language.packed : language.bytes)));
  });
  const words = await readList(engine, stream, language, wanted);
  return words === null ? null : { tiles, words };
}

// The code a list file's first line names ("#alphabet es"), if any.
export async function namedAlphabet(blob) {
  const head = await blob.slice(0, 100).text();
  return /^#alphabet (\S+)\r?\n/.exec(head)?.[1] ?? null;
}

// Keeps the player's list for the next visits, with its name and the
// language it is read in.
export async function keepOwnList(file, code) {
  const store = await caches.open(ownCache);
  await store.put(ownKey, new Response(file, {
    headers: { "Content-Type": "text/plain; charset=utf-8", "X-List-Name": encodeURIComponent(file.name), "X-Language": code },
  }));
}

// The kept list: { name, code, blob }, or null when none is kept.
export async function keptOwnList() {
  try {
    const response = await (await caches.open(ownCache)).match(ownKey);
    if (!response) return null;
    return { name: decodeURIComponent(response.headers.get("X-List-Name")), code: response.headers.get("X-Language"),
      blob: await response.blob() };
  } catch {
    return null; // no caches here (an insecure address)
  }
}

// Loads a player's list (a Blob) in the language of code; as loadLanguage.
export async function loadOwnList(engine, blob, code, progress, wanted) {
  const tiles = engine.loadAlphabet(await fetchBytes(languageOf(code).alphabet));
  let arrived = 0;
  const stream = await unpackedStream(blob.stream(), (n) => progress(Math.min(1, (arrived += n) / blob.size)));
  const words = await readList(engine, stream, { bytes: blob.size }, wanted);
  return words === null ? null : { tiles, words, leftOut: engine.leftOut() };
}
