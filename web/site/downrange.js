// The downrange part of the page: its inputs, generated from the engine's keys, and the three
// tables (distances, reaction distances, each animal's ethical range) laid out from the cells
// the engine has already rounded as kesta-report's text tables round them.
const STORE_KEY = "kesta-downrange";

// How the page asks for each downrange key; the element's id is the key. The engine's list of
// keys decides which exist: a key missing here still gets a text box named by its key.
const INPUTS = {
  ShaftOD: { label: "Shaft outside diameter", unit: "inch" },
  Fletching: { label: "Fletching", choices: [["large", "large vanes or feathers"], ["small", "small vanes"]] },
  Head: { label: "Head", choices: [["fixed", "fixed-blade broadhead"], ["mechanical", "mechanical broadhead"],
                                   ["field", "field point"]] },
  Altitude: { label: "Altitude", unit: "m" },
  Temperature: { label: "Air temperature", unit: "°C" },
  Zero: { label: "Sighted in at", unit: "yards" },
  MaxDistance: { label: "Last distance shown", unit: "yards" },
  ChronoNear: { label: "Near chronograph speed", unit: "fps", optional: true },
  ChronoNearYards: { label: "Near chronograph distance", unit: "yards", optional: true },
  ChronoFar: { label: "Far chronograph speed", unit: "fps", optional: true },
  ChronoFarYards: { label: "Far chronograph distance", unit: "yards", optional: true },
};

const $ = (id) => document.getElementById(id);

export function downrangeLabel(key) {
  return INPUTS[key]?.label ?? key;
}

function inputRow(key) {
  const spec = INPUTS[key] ?? { label: key };
  const row = document.createElement("div");
  row.className = "row";
  const label = document.createElement("label");
  label.htmlFor = key;
  label.textContent = spec.label;
  let field;
  if (spec.choices) {
    field = document.createElement("select");
    for (const [value, text] of spec.choices) field.append(new Option(text, value));
  } else {
    field = document.createElement("input");
    field.type = "text";
    field.inputMode = "decimal";
    field.className = "short";
    if (spec.optional) field.placeholder = "none";
  }
  field.id = key;
  row.append(label, field);
  if (spec.unit) {
    const unit = document.createElement("span");
    unit.textContent = spec.unit;
    row.append(unit);
  }
  return row;
}

// The downrange keys and their texts as the inputs hold them.
export function readDownrange(keys) {
  const pairs = {};
  for (const key of keys) pairs[key] = $(key).value;
  return pairs;
}

function showDownrange(pairs) {
  for (const [key, text] of Object.entries(pairs)) {
    const el = $(key);
    if (el) el.value = text;
  }
}

// Whether the hunter has worked with the inputs (changed one, or opened a set-up that holds
// them): only then does a downloaded set-up carry them, as the desktop program's does.
let workedWith = false;

export function downrangeWorkedWith() {
  return workedWith;
}

function stored() {
  try {
    return JSON.parse(localStorage.getItem(STORE_KEY));
  } catch {
    return null;
  }
}

function save(keys) {
  workedWith = true;
  try {
    localStorage.setItem(STORE_KEY, JSON.stringify(readDownrange(keys)));
  } catch {
    // Storage full or refused: the inputs last until the page is closed.
  }
}

// Generates the inputs inside `group` with the stored texts, else the engine's defaults.
export function startDownrange(kesta, group) {
  const defaults = kesta.downrangeDefaults();
  const keys = Object.keys(defaults);
  const chrono = document.createElement("p");
  chrono.className = "note";
  chrono.textContent = "Two chronograph readings of the same arrow, when you have them, " +
                       "measure its slowing instead of the estimate from shaft, fletching and head.";
  for (const key of keys) {
    if (key === "ChronoNear") group.append(chrono);
    group.append(inputRow(key));
  }
  const keep = stored();
  workedWith = keep !== null;
  showDownrange(defaults);
  if (keep) showDownrange(Object.fromEntries(keys.filter((k) => typeof keep[k] === "string")
                                                 .map((k) => [k, keep[k]])));
  group.addEventListener("input", () => save(keys));
  group.addEventListener("change", () => save(keys));
  return keys;
}

// Shows and keeps the inputs a set-up file holds: `texts` as kesta.storedDownrange gives
// them, every key but the chronograph readings, which are absent when there are none.
export function adoptDownrange(keys, texts) {
  const given = Object.fromEntries(texts);
  showDownrange(Object.fromEntries(keys.map((key) => [key, given[key] ?? ""])));
  save(keys);
}

function fillTable(table, cells, firstIsName) {
  const body = table.querySelector("tbody");
  body.replaceChildren();
  for (const row of cells) {
    const tr = document.createElement("tr");
    row.forEach((text, i) => {
      const cell = document.createElement(i === 0 && firstIsName ? "th" : "td");
      if (i === 0 && firstIsName) cell.scope = "row";
      cell.textContent = text;
      tr.append(cell);
    });
    body.append(tr);
  }
}

function showProblem(box, what, result) {
  box.hidden = result.error === null;
  box.textContent = result.error === null ? ""
    : `${what} stopped: ${result.error}.\nWhere: ${downrangeLabel(result.where)}`;
}

// Shows kesta.downrange's and kesta.ranges's results in the section.
export function showDownrangeResults(table, ranges) {
  showProblem($("downrange-error"), "Downrange", table);
  $("downrange-model").textContent = table.modelText;
  $("downrange-tables").hidden = table.error !== null;
  if (table.error === null) {
    fillTable($("distance-table"), table.cells.distances, false);
    fillTable($("reaction-table"), table.cells.reaction, false);
  }
  showProblem($("ranges-error"), "The ethical ranges", ranges);
  $("ranges-part").hidden = ranges.error !== null;
  if (ranges.error === null) {
    $("ranges-game").textContent = `Game table: ${ranges.game}, up to ${ranges.max_distance_yd} yards.`;
    fillTable($("ranges-table"), ranges.cells.animals, true);
  }
  $("downrange").hidden = false;
}
