// Set-up files (.kesta): the saved-settings INI text, the format version in [kesta], then
// group [values] with one key=value line per settings key (written in table order). Values are written as the desktop program writes them (quotes
// around texts with ',', ';', '=' or blanks at either end; backslash escapes; "@" doubled at
// the start), so a file saved here opens there and the other way round.

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

export function setupFileText(pairs, keys) {
  let text = "[kesta]\nformat=" + SETUP_FORMAT + "\n\n[values]\n";
  for (const key of keys) text += key + "=" + iniValueText(pairs[key] ?? "") + "\n";
  return text;
}

// One stored value: quoted parts and escapes resolved, blanks outside quotes trimmed, the
// pieces of a list (unquoted commas) joined by "," as the settings store reads them.
// null for a typed value ("@Variant(...)") that is no text.
export function iniValue(raw) {
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
  let value = pieces.join(",");
  if (value.startsWith("@@")) value = value.slice(1);
  else if (value.startsWith("@String(") && value.endsWith(")")) value = value.slice(8, -1);
  else if (value.startsWith("@")) return null;
  return value;
}

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

// {pairs, problem, warning}: the [values] group's settings keys with their texts, or why the
// text is no set-up (then pairs is null); warning names a format version not read as it is.
export function readSetupFile(text, keys) {
  if (text.includes("\0"))
    return { pairs: null, problem: "it holds binary data (NUL bytes), not text", warning: "" };
  const lines = text.split(/\r\n|\r|\n/);
  if (!lines.some((l) => l.trim() === "[values]"))
    return { pairs: null, problem: "it is not a set-up: it has no [values] group", warning: "" };
  const known = new Set(keys);
  const pairs = {};
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
    if (group !== "values") continue;
    if (!known.has(key)) continue;
    const value = iniValue(t.slice(eq + 1));
    if (value !== null) pairs[key] = value;
  }
  return { pairs, problem: null, warning: formatWarning(version) };
}
