// The page: window.kesta for scripts and tests, and the form's buttons on top of it.
import { readPairs, showPairs } from "./form.js";
import { setupFileText, readSetupFile } from "./setupfile.js";
import { showNeeds } from "./needs.js";
import { startGame, chosenGame, gameGroup, adoptGameGroup } from "./game.js";
import { startDownrange, readDownrange, showDownrangeResults, downrangeWorkedWith,
         adoptDownrange } from "./downrange.js";

const STORE_KEY = "kesta-inputs";
const MAX_SETUP_BYTES = 1024 * 1024; // as the desktop program: a set-up is about 700 bytes

let engine = null;

// Engine calls take an object of settings key -> stored text, the keys and texts of the
// settings store and kesta-report's KEY=VALUE (the downrange keys too); a missing key takes its
// default. `game` is the game table, as kesta-report's --game: null or absent for the default
// (africa), a built-in table's name (kesta.games()), or {name, csv} for the hunter's own list as
// CSV text (or its bytes), `name` standing for the file in messages.
const kesta = {
  ready: null,
  report: (pairs, game) => engine.report(pairs, game ?? null),  // {text, error, place, where}
  needs: (pairs, game) => engine.needs(pairs, game ?? null),    // {rows, error, place, where}
  // --downrange --format json's fields (model, distances, reaction) and its text (json), the
  // text form (text) and the text tables' rounded cells (cells); error, place, where.
  downrange: (pairs) => engine.downrange(pairs),
  // --ranges --format json's fields (model, max_distance_yd, animals), json, text, cells.
  ranges: (pairs, game) => engine.ranges(pairs, game ?? null),
  downrangeDefaults: () => engine.downrangeDefaults(),
  // [[key, text], ...]: the pairs' downrange inputs as a set-up file keeps them.
  storedDownrange: (pairs) => engine.storedDownrange(pairs),
  games: () => engine.games(),                                // [{name, description, count}]
  // {name, animals, csv, error, place, where}; csv the list as a set-up file keeps it.
  readGameList: (csv, name) => engine.readGameList(csv, name ?? "My game"),
  get mostGameListBytes() { return engine.mostGameListBytes; },
  defaults: () => engine.defaults(),
  load: (pairs, current) => engine.load(pairs, current ?? null),
  examples: () => engine.examples(),
  keys: () => engine.keys(),
};
window.kesta = kesta;
kesta.ready = globalThis.createKestaEngine().then((module) => {
  engine = module;
  start();
});

const $ = (id) => document.getElementById(id);

function saveInputs() {
  try {
    localStorage.setItem(STORE_KEY, JSON.stringify(readPairs(kesta.keys())));
  } catch {
    // Storage full or refused (private browsing): the page still works, it only forgets.
  }
}

function storedInputs() {
  try {
    const text = localStorage.getItem(STORE_KEY);
    return text ? JSON.parse(text) : null;
  } catch {
    return null;
  }
}

let downrangeKeys = [];

// The form's pairs with the downrange inputs beside them.
function allPairs() {
  return { ...readPairs(kesta.keys()), ...readDownrange(downrangeKeys) };
}

function showReport() {
  const result = kesta.report(readPairs(kesta.keys()), chosenGame(kesta));
  $("report-text").textContent = result.text;
  const box = $("report-error");
  if (result.error !== null) {
    // As the window says it: the kind, then where the report stopped.
    box.textContent = "The report stopped: " + result.error + ".\nWhere: " + result.where;
    box.hidden = false;
  } else {
    box.hidden = true;
    box.textContent = "";
  }
  $("needs").hidden = true;
  $("downrange").hidden = true;
  // On a phone the report is below the inputs: bring it (and any error) into view.
  if (!window.matchMedia("(min-width: 900px)").matches) $("report-error").parentElement.scrollIntoView();
}

function showExamples() {
  const select = $("example-select");
  for (const example of kesta.examples()) {
    const option = document.createElement("option");
    option.value = example.name;
    option.textContent = example.name;
    option.title = example.description;
    select.append(option);
  }
  const describe = () => {
    const example = kesta.examples().find((e) => e.name === select.value);
    $("example-description").textContent = example ? example.description : "";
  };
  select.addEventListener("change", describe);
  describe();
  $("example-button").addEventListener("click", () => {
    const example = kesta.examples().find((e) => e.name === select.value);
    if (!example) return;
    showPairs(example.pairs);
    saveInputs();
  });
}

function downloadSetup() {
  const groups = { game: gameGroup(kesta) };
  if (downrangeWorkedWith()) groups.downrange = kesta.storedDownrange(readDownrange(downrangeKeys));
  const text = setupFileText(readPairs(kesta.keys()), kesta.keys(), groups);
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
  link.download = "setup.kesta";
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

async function openSetup(file) {
  const problem = $("file-problem");
  problem.textContent = "";
  if (file.size > MAX_SETUP_BYTES) {
    problem.textContent = `${file.name} was not opened: it is larger than 1 MB, too large for a set-up.`;
    return;
  }
  const read = readSetupFile(await file.text(), kesta.keys());
  if (read.problem) {
    problem.textContent = `${file.name} was not opened: ${read.problem}.`;
    return;
  }
  showPairs(kesta.load(read.pairs, readPairs(kesta.keys())));
  saveInputs();
  // As the desktop program opens one: the downrange inputs and the game choice when the file
  // holds them, a text the model cannot use taking its default, a list the engine cannot read
  // left out while the rest of the set-up still opens.
  if (Object.keys(read.downrange).length > 0)
    adoptDownrange(downrangeKeys, kesta.storedDownrange(read.downrange));
  const gameProblem = "table" in read.game || "my_game" in read.game
    ? adoptGameGroup(kesta, read.game) : "";
  problem.textContent = (read.warning ? `Opened ${file.name}, but ${read.warning}.` : `Opened ${file.name}.`) +
    (gameProblem ? ` Its own game list was left out: ${gameProblem}.` : "");
}

// The browser's print of the report alone under the printed report's title (style.css), which
// also names the document, as the desktop program's print job is named.
function printReport() {
  const title = document.title;
  document.title = $("print-title").textContent;
  window.print();
  document.title = title;
}

function start() {
  const stored = storedInputs();
  showPairs(stored ? kesta.load(stored, null) : kesta.defaults());
  showExamples();
  downrangeKeys = startDownrange(kesta, $("downrange-inputs"));
  // Figures shown for another table would mislead: a new choice takes them away.
  startGame(kesta, () => {
    $("needs").hidden = true;
    $("downrange").hidden = true;
  });
  const form = $("setup");
  form.addEventListener("input", saveInputs);
  form.addEventListener("change", saveInputs);
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    showReport();
  });
  $("print-button").addEventListener("click", printReport);
  $("needs-button").addEventListener("click", () => {
    $("report-error").hidden = true;
    $("downrange").hidden = true;
    showNeeds(kesta.needs(readPairs(kesta.keys()), chosenGame(kesta)), $("needs"), $("report-error"));
    $("needs").scrollIntoView({ block: "nearest" });
  });
  $("downrange-button").addEventListener("click", () => {
    const pairs = allPairs();
    $("report-error").hidden = true;
    $("needs").hidden = true;
    showDownrangeResults(kesta.downrange(pairs), kesta.ranges(pairs, chosenGame(kesta)));
    $("downrange").scrollIntoView({ block: "nearest" });
  });
  $("download-button").addEventListener("click", downloadSetup);
  $("open-button").addEventListener("click", () => $("open-file").click());
  $("open-file").addEventListener("change", (event) => {
    const file = event.target.files[0];
    if (file) openSetup(file);
    event.target.value = "";
  });
  $("engine-state").textContent = "Ready. Works offline once loaded.";
  document.body.classList.add("ready");
}

if ("serviceWorker" in navigator) {
  navigator.serviceWorker.register("sw.js").catch(() => {
    // Without a service worker (file://, some private modes) the page still works online.
  });
}
