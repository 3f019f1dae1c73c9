// Set-up files (.kesta): the saved-settings INI text, the format version in [kesta], group
// [values] with one key=value line per settings key (written in table order), and beside them
// the groups a set-up may carry: [downrange] (the downrange inputs' texts by key) and [game]
// (table=NAME and my_game=CSV text). Values are written as the desktop program writes them
// (quotes around texts with ',', ';', '=' or blanks at either end; backslash escapes; "@"
// doubled at the start), and the groups and their keys in the order its writer puts them (by
// name), so a file saved here opens there, byte for byte the same, and the other way round.

const NAMED_ESCAPES = {
  "\x07": "\\a", "\b": "\\b", "\f": "\\f", "\n": "\\n", "\r": "\\r", "\t": "\\t", "\v": "\\v",
  '"': '\\"', "\\": "\\\\",
};

function isHexDigit(c) {
  return /^[0-9a-fA-F]$/.test(c);
}

export function iniValueText(value) {
  let text = value;
  if (text.includes("\0")) text = "@String(" + text + ")";
  else if (text.startsWith("@")) text = "@" + text;
  let escaped = "";
  let escapeNextHexDigit = false;
  for (const c of text) {
    // A reader takes every hex digit after "\x" (and digit after "\0"): escape a following one.
    if (escapeNextHexDigit && isHexDigit(c)) {
      escaped += "\\x" + c.charCodeAt(0).toString(16);
      continue;
    }
    escapeNextHexDigit = false;
    const code = c.charCodeAt(0);
    if (code === 0) {
      escaped += "\\0";
      escapeNextHexDigit = true;
    } else if (NAMED_ESCAPES[c]) {
      escaped += NAMED_ESCAPES[c];
    } else if (code <= 0x1f) {
      escaped += "\\x" + code.toString(16);
      escapeNextHexDigit = true;
    } else {
      escaped += c;
    }
  }
  const quoted = /[,;=]/.test(value) || escaped.startsWith(" ") || escaped.endsWith(" ");
  return quoted ? '"' + escaped + '"' : escaped;
}

export const SETUP_FORMAT = 1; // what this page writes and reads

// Names in the desktop writer's order: by UTF-16 code units, capitals before small letters.
function byName(a, b) {
  return a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0;
}

// `groups`: {name: [[key, text], ...]}, the further groups; an empty or absent one is not
// written, so a set-up without them is what it always was.
export function setupFileText(pairs, keys, groups = {}) {
  const sections = Object.entries(groups).filter(([, entries]) => entries && entries.length)
                         .map(([name, entries]) => [name, [...entries].sort(byName)]);
  sections.push(["kesta", [["format", String(SETUP_FORMAT)]]],
                ["values", keys.map((key) => [key, pairs[key] ?? ""])]);
  return sections.sort(byName).map(([name, entries]) =>
    "[" + name + "]\n" + entries.map(([key, text]) => key + "=" + iniValueText(text) + "\n").join(""))
    .join("\n");
}

// The pieces of one stored value: quoted parts and escapes resolved, blanks outside quotes
// trimmed, split at unquoted commas (a list).
function iniPieces(raw) {
  const pieces = [];
  let piece = "";
  let inQuotes = false;
  let i = 0;
  const s = raw.trim();
  while (i < s.length) {
    const c = s[i];
    if (c === '"') {
      inQuotes = !inQuotes;
      i++;
    } else if (c === "\\" && i + 1 < s.length) {
      const e = s[i + 1];
      i += 2;
      const simple = { a: "\x07", b: "\b", f: "\f", n: "\n", r: "\r", t: "\t", v: "\v",
                       '"': '"', "'": "'", "?": "?", "\\": "\\" };
      if (e in simple) {
        piece += simple[e];
      } else if (e === "x") {
        let hex = "";
        while (i < s.length && isHexDigit(s[i])) hex += s[i++];
        piece += String.fromCharCode(parseInt(hex || "0", 16));
      } else if (e >= "0" && e <= "7") {
        let oct = e;
        while (i < s.length && s[i] >= "0" && s[i] <= "7") oct += s[i++];
        piece += String.fromCharCode(parseInt(oct, 8));
      } else {
        piece += e;
      }
    } else if (c === "," && !inQuotes) {
      pieces.push(piece.trim());
      piece = "";
      i++;
    } else {
      piece += c;
      i++;
    }
  }
  pieces.push(pieces.length ? piece.trim() : piece);
  return pieces;
}

// A stored text with its type mark resolved; null for a typed value ("@Variant(...)") that is
// no text.
function untyped(value) {
  if (value.startsWith("@@")) return value.slice(1);
  if (value.startsWith("@String(") && value.endsWith(")")) return value.slice(8, -1);
  if (value.startsWith("@")) return null;
  return value;
}

// One stored value, the pieces of a list joined by "," as the settings store reads [values].
// null for a typed value that is no text.
export function iniValue(raw) {
  return untyped(iniPieces(raw).join(","));
}

// One value as the desktop reads [downrange] and [game]: the text, or "" for a list (unquoted
// commas) or a typed value, which it takes for no text at all.
export function iniText(raw) {
  const pieces = iniPieces(raw);
  return pieces.length === 1 ? untyped(pieces[0]) ?? "" : "";
}

// The further groups Open reads, with their keys' texts.
const FURTHER_GROUPS = ["downrange", "game"];

// The warning a file's format version gives, "" for one read as it is (none, or 1), in the
// desktop program's words.
function formatWarning(text) {
  if (text === null) return "";
  const version = /^\s*[+-]?\d+\s*$/.test(text) ? Number(text) : NaN;
  if (version === SETUP_FORMAT) return "";
  if (version > SETUP_FORMAT)
    return `it is in set-up format ${version}, newer than this program's (${SETUP_FORMAT}); ` +
           "what this program does not know of it is ignored";
  return `its set-up format "${text}" is not one this program knows (${SETUP_FORMAT}); ` +
         `it is read as format ${SETUP_FORMAT}`;
}

// {pairs, downrange, game, problem, warning}: the [values] group's settings keys with their
// texts, or why the text is no set-up (then pairs is null); downrange and game the keys and
// texts of those groups ({} when the file has no such keys); warning names a format version
// not read as it is.
export function readSetupFile(text, keys) {
  if (text.includes("\0"))
    return { pairs: null, problem: "it holds binary data (NUL bytes), not text", warning: "" };
  const lines = text.split(/\r\n|\r|\n/);
  if (!lines.some((l) => l.trim() === "[values]"))
    return { pairs: null, problem: "it is not a set-up: it has no [values] group", warning: "" };
  const known = new Set(keys);
  const pairs = {};
  // No prototype: a hand-edited key such as "__proto__" is a key like any other.
  const further = Object.fromEntries(FURTHER_GROUPS.map((name) => [name, Object.create(null)]));
  let version = null;
  let group = "";
  for (const line of lines) {
    const t = line.trim();
    if (t === "" || t.startsWith(";") || t.startsWith("#")) continue;
    if (t.startsWith("[") && t.endsWith("]")) {
      group = t.slice(1, -1);
      continue;
    }
    const eq = t.indexOf("=");
    if (eq < 0) continue;
    const key = t.slice(0, eq).trim();
    if (group === "kesta" && key === "format") version = iniValue(t.slice(eq + 1));
    if (FURTHER_GROUPS.includes(group)) further[group][key] = iniText(t.slice(eq + 1));
    if (group !== "values") continue;
    if (!known.has(key)) continue;
    const value = iniValue(t.slice(eq + 1));
    if (value !== null) pairs[key] = value;
  }
  return { pairs, ...further, problem: null, warning: formatWarning(version) };
}
