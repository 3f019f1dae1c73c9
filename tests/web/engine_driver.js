// Runs the page's engine under node: one JSON object of settings pairs per input line, one
// JSON line {text, error, place} per report written to standard output.
// usage: node engine_driver.js SITE_DIR < pairs.jsonl
const fs = require("fs");
const path = require("path");
const readline = require("readline");

const site = path.resolve(process.argv[2]);
const createKestaEngine = require(path.join(site, "kesta-engine.js"));

// The module would fetch() its .wasm, which node has but cannot use on a file path: hand it
// the bytes.
createKestaEngine({ wasmBinary: fs.readFileSync(path.join(site, "kesta-engine.wasm")) }).then((engine) => {
  const lines = readline.createInterface({ input: process.stdin, crlfDelay: Infinity });
  const out = [];
  lines.on("line", (line) => {
    if (line.trim() === "") return;
    const r = engine.report(JSON.parse(line), null);
    out.push(JSON.stringify({ text: r.text, error: r.error, place: r.place }));
    if (out.length >= 200) process.stdout.write(out.splice(0).join("\n") + "\n");
  });
  lines.on("close", () => {
    if (out.length) process.stdout.write(out.join("\n") + "\n");
  });
});
