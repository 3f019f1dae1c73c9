// Runs the page's engine under node: one JSON object per input line, one JSON line per answer
// written to standard output.
// usage: node engine_driver.js SITE_DIR [MODE] < input.jsonl
//   report     (default) input: settings pairs; answer: {text, error, place}
//   downrange  input: pairs with the downrange keys; answer: {json, text, error, place}
//   ranges     input: {pairs, game}; answer: {json, text, error, place}
const fs = require("fs");
const path = require("path");
const readline = require("readline");

const site = path.resolve(process.argv[2]);
const mode = process.argv[3] || "report";
const createKestaEngine = require(path.join(site, "kesta-engine.js"));

const ANSWERS = {
  report: (engine, input) => {
    const r = engine.report(input, null);
    return { text: r.text, error: r.error, place: r.place };
  },
  downrange: (engine, input) => {
    const r = engine.downrange(input);
    return { json: r.json, text: r.text, error: r.error, place: r.place };
  },
  ranges: (engine, input) => {
    const r = engine.ranges(input.pairs, input.game ?? null);
    return { json: r.json, text: r.text, error: r.error, place: r.place };
  },
};
if (!ANSWERS[mode]) {
  process.stderr.write(`unknown mode ${mode}\n`);
  process.exit(2);
}

// The module would fetch() its .wasm, which node has but cannot use on a file path: hand it
// the bytes.
createKestaEngine({ wasmBinary: fs.readFileSync(path.join(site, "kesta-engine.wasm")) }).then((engine) => {
  const lines = readline.createInterface({ input: process.stdin, crlfDelay: Infinity });
  const out = [];
  lines.on("line", (line) => {
    if (line.trim() === "") return;
    out.push(JSON.stringify(ANSWERS[mode](engine, JSON.parse(line))));
    if (out.length >= 200) process.stdout.write(out.splice(0).join("\n") + "\n");
  });
  lines.on("close", () => {
    if (out.length) process.stdout.write(out.join("\n") + "\n");
  });
});
