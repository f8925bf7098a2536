// The web page's build and a static server for trying it out and for its tests.
//   node tools/web-page.mjs build MODULE.wasm OUTDIR [LANGUAGES]
//                                      the page into OUTDIR, with the lists
//                                      LANGUAGES/CODE.txt of the other languages
//   node tools/web-page.mjs serve DIR [--port N]       DIR at http://127.0.0.1:N (8080)
//
// The page's files from web/ get their content's hash in their names, so a
// host may keep them for ever; index.html and the service worker sw.js keep
// their names and name the others, and each script names the hashed scripts
// it imports. The word lists are shipped gzip-compressed; the other
// languages' lists and alphabets are fetched only when chosen, and languages.js
// names them. The numbers the page
// passes to the module (module_ids.js) are written from the module's headers.

import { createHash } from "node:crypto";
import { mkdirSync, readFileSync, rmSync, writeFileSync, readdirSync } from "node:fs";
import { createServer } from "node:http";
import { dirname, extname, join, normalize, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { gzipSync } from "node:zlib";

const root = resolve(dirname(fileURLToPath(import.meta.url)), "..");

const hashOf = (bytes) => createHash("sha256").update(bytes).digest("hex").slice(0, 12);

// name.ext -> name.HASH.ext, and standard.txt.gz -> standard.HASH.txt.gz.
const hashedName = (name, bytes) => {
  const ext = name.endsWith(".txt.gz") ? ".txt.gz" : extname(name);
  return `${name.slice(0, -ext.length)}.${hashOf(bytes)}${ext}`;
};

// The headers whose enumerations number what the page passes to the module.
const idHeaders = ["src/web/web_session.h", "src/results/sort_order.h", "src/points/letter_points.h",
  "src/word_list/word_list_kind.h"];

// Every `enum class Name [: type] { a, b = 3, c }` of those headers, as
// { Name: { a: 0, b: 3, c: 4 } }.
export function moduleIds() {
  const ids = {};
  for (const header of idHeaders) {
    const source = readFileSync(join(root, header), "utf8").replace(/\/\*[^]*?\*\/|\/\/[^\n]*/g, "");
    for (const [, name, body] of source.matchAll(/enum\s+class\s+(\w+)\s*(?::\s*[\w:]+\s*)?\{([^}]*)\}/g)) {
      if (ids[name]) throw new Error(`${header}: a second enum class ${name}`);
      let next = 0;
      ids[name] = {};
      for (const item of body.split(",").map((text) => text.trim()).filter(Boolean)) {
        const [, id, value] = item.match(/^(\w+)(?:\s*=\s*(-?\d+))?$/) ?? [];
        if (!id) throw new Error(`${header}: ${name}: cannot read "${item}"`);
        next = value === undefined ? next : Number(value);
        ids[name][id] = next++;
      }
    }
  }
  return ids;
}

// The page's module_ids.js: one frozen object for each enumeration.
export function moduleIdsScript(ids = moduleIds()) {
  const lines = ["// Written by tools/web-page.mjs from the module's headers: the numbers the page passes to it."];
  for (const [name, values] of Object.entries(ids))
    lines.push(`export const ${name} = Object.freeze(${JSON.stringify(values)});`);
  return `${lines.join("\n")}\n`;
}

// The page's scripts, each after those it imports.
const scripts = ["page_texts.js", "engine.js", "choices.js", "word_rows.js", "language_lists.js", "anagrove.js"];

// The languages beside English, in the order the page offers them.
export const languageCodes = ["es", "fr", "de", "pl", "ca", "nl", "pt", "pt-BR", "it"];

// The page's languages.js: for each language its code, its own name, its
// alphabet's and list's files, and the list's lines and bytes unpacked and
// packed (for its progress and to size it once). English comes first, with
// its alphabet only (for lists the player opens).
function addLanguages(add, languagesDir) {
  const languages = [];
  for (const code of ["en", ...(languagesDir ? languageCodes : [])]) {
    const alphabet = readFileSync(join(root, "data", "alphabets", `${code}.txt`));
    const name = alphabet.toString().match(/^name (.+)$/m)[1];
    const entry = { code, name, alphabet: add(`alphabet-${code}.txt`, alphabet) };
    if (code !== "en") {
      const text = readFileSync(join(languagesDir, `${code}.txt`));
      const packed = gzipSync(text, { level: 9 });
      let lines = 0;
      for (let at = text.indexOf(10); at >= 0; at = text.indexOf(10, at + 1)) lines++;
      Object.assign(entry, { list: add(`${code}.txt.gz`, packed), lines, bytes: text.length, packed: packed.length });
    }
    languages.push(entry);
  }
  return `// Written by tools/web-page.mjs: the languages and their files, English first.\n` +
    `export const languages = Object.freeze(${JSON.stringify(languages)});\n`;
}

export function buildPage(modulePath, outDir, languagesDir = null) {
  const web = (name) => readFileSync(join(root, "web", name));
  const files = new Map(); // placeholder name -> [output name, bytes]
  const add = (name, bytes) => {
    files.set(name, [hashedName(name, bytes), bytes]);
    return files.get(name)[0];
  };
  // Fetched when a language is chosen, not when the page is first kept.
  const onDemand = new Set();
  const addOnDemand = (name, bytes) => {
    const hashed = add(name, bytes);
    onDemand.add(hashed);
    return hashed;
  };
  add("anagrove.wasm", readFileSync(modulePath));
  add("module_ids.js", Buffer.from(moduleIdsScript()));
  add("languages.js", Buffer.from(addLanguages(addOnDemand, languagesDir)));
  for (const name of scripts) {
    const source = web(name).toString().replace(/(from\s+|import\s+)"\.\/([\w.]+\.js)"/g, (whole, head, imported) => {
      if (!files.has(imported)) throw new Error(`web/${name}: imports ${imported} before it is built`);
      return `${head}"./${files.get(imported)[0]}"`;
    });
    add(name, Buffer.from(source));
  }
  add("anagrove.css", web("anagrove.css"));
  add("org.anagrove.Anagrove.svg", readFileSync(join(root, "dist", "org.anagrove.Anagrove.svg")));
  for (const list of ["standard.txt", "extended.txt"])
    add(`${list}.gz`, gzipSync(readFileSync(join(root, "data", list)), { level: 9 }));
  const fill = (text) =>
    text.replace(/\{\{([^}]+)\}\}/g, (whole, name) => {
      if (!files.has(name)) throw new Error(`web/: no file for ${whole}`);
      return files.get(name)[0];
    });
  add("manifest.webmanifest", Buffer.from(fill(web("manifest.webmanifest").toString())));
  const page = Buffer.from(fill(web("index.html").toString()));

  // The service worker caches the page and every file it names, under a
  // cache whose name changes with any of them.
  const names = [...files.values()].map(([name]) => name).sort();
  const build = hashOf(Buffer.concat([page, Buffer.from(names.join("\n"))]));
  const worker = web("sw.js")
    .toString()
    .replace("{{cache}}", `anagrove-${build}`)
    .replace("{{files}}", JSON.stringify(["./", ...names.filter((name) => !onDemand.has(name))]))
    .replace("{{onDemand}}", JSON.stringify([...onDemand].sort()));

  rmSync(outDir, { recursive: true, force: true });
  mkdirSync(outDir, { recursive: true });
  for (const [name, bytes] of files.values()) writeFileSync(join(outDir, name), bytes);
  writeFileSync(join(outDir, "index.html"), page);
  writeFileSync(join(outDir, "sw.js"), worker);
  return { build, files: Object.fromEntries([...files].map(([k, [name]]) => [k, name])) };
}

const types = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".wasm": "application/wasm",
  ".gz": "application/gzip",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
};

// Serves dir on 127.0.0.1 (port 0: any free port). Files with a hash in their
// name may be kept for a year. With listsEncoded, the lists go out with
// Content-Encoding: gzip, as some hosts send them, so that the browser unpacks
// them itself. The server's bytesSent counts the body bytes it has sent, and
// setting its dir serves another folder from then on.
export function servePage(dir, { port = 8080, listsEncoded = false } = {}) {
  const server = createServer((request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    const name = normalize(path === "/" ? "/index.html" : path).slice(1);
    let body;
    try {
      if (name.includes("/") || name.startsWith(".")) throw new Error("outside");
      body = readFileSync(join(server.dir, name));
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" }).end("Not found\n");
      return;
    }
    const headers = {
      "Content-Type": types[extname(name)] ?? "application/octet-stream",
      "Cache-Control": /\.[0-9a-f]{12}\./.test(name) ? "public, max-age=31536000, immutable" : "no-cache",
      "Content-Length": body.length,
    };
    if (listsEncoded && name.endsWith(".txt.gz")) {
      headers["Content-Type"] = "text/plain";
      headers["Content-Encoding"] = "gzip";
    }
    server.bytesSent += body.length;
    response.writeHead(200, headers).end(request.method === "HEAD" ? undefined : body);
  });
  server.bytesSent = 0;
  server.dir = dir;
  return new Promise((done) => server.listen(port, "127.0.0.1", () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [command, ...args] = process.argv.slice(2);
  if (command === "build") {
    const { build } = buildPage(args[0], args[1], args[2] ?? null);
    console.log(`${args[1]}: build ${build}, ${readdirSync(args[1]).length} files`);
  } else if (command === "serve") {
    const at = args.indexOf("--port");
    const server = await servePage(args[0], { port: at >= 0 ? Number(args[at + 1]) : 8080 });
    console.log(`Serving ${args[0]} at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
  } else {
    console.error("usage: web-page.mjs build MODULE.wasm OUTDIR | serve DIR [--port N]");
    process.exit(2);
  }
}
