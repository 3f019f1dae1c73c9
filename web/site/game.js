// The game table the report, the what-if table and the ethical ranges judge against: one of the
// engine's built-in tables (the first, Africa, by default) or the hunter's own list, CSV text
// typed, pasted or loaded from a file. The engine reads the list (kesta.readGameList); this file
// only keeps the choice and shows what the engine says of it.
const STORE_KEY = "kesta-game";
export const MY_GAME = "my-game";
const MY_GAME_NAME = "My game"; // stands for the file in messages about a typed list

const $ = (id) => document.getElementById(id);

// The list's text as the hunter gave it: a file's bytes (so that the engine can tell a file
// that is not UTF-8), else the text box's text.
let loadedBytes = null;
let listName = MY_GAME_NAME;

function stored() {
  try {
    return JSON.parse(localStorage.getItem(STORE_KEY)) ?? {};
  } catch {
    return {};
  }
}

function save() {
  // A loaded file the engine refused shows in the box as the browser decodes it, which could
  // read otherwise (a byte that is not UTF-8 becomes U+FFFD): the list kept stays the last good.
  const kept = loadedBytes === null ? { name: listName, csv: $("my-game-csv").value } : stored();
  try {
    localStorage.setItem(STORE_KEY, JSON.stringify({ table: $("game-table").value,
                                                     name: kept.name, csv: kept.csv }));
  } catch {
    // Storage full or refused: the choice only lasts until the page is closed.
  }
}

// What the engine calls take as their game argument: null for the default table, a built-in
// table's name, or {name, csv} for the hunter's list.
export function chosenGame(kesta) {
  const table = $("game-table").value;
  if (table === MY_GAME) return { name: listName, csv: loadedBytes ?? $("my-game-csv").value };
  return table === kesta.games()[0].name ? null : table;
}

// The choice as the desktop program keeps it in a set-up's [game] group: [[key, text], ...]
// with table=NAME and, when the hunter has a list the engine reads, my_game=its CSV text as the
// desktop writes it; null for the default table with no list of one's own, which a set-up does
// not mention (its file is then what it always was).
export function gameGroup(kesta) {
  const table = $("game-table").value;
  const read = kesta.readGameList(loadedBytes ?? $("my-game-csv").value, listName);
  const group = [["table", table]];
  if (read.error === null && read.animals.length > 0) group.push(["my_game", read.csv]);
  return group.length === 1 && table === kesta.games()[0].name ? null : group;
}

// Takes the choice of a set-up's [game] group ({table, my_game} texts, either may be absent)
// as the desktop program does: the list, when the engine reads it, becomes the hunter's own;
// the table is the one named if there is one (the own list only with a list), else the
// default. A list that cannot be read is left out; its reason in the engine's words, with the
// place as the desktop names it, is returned ("" when there is none).
export function adoptGameGroup(kesta, group) {
  const list = group.my_game ?? "";
  let problem = "";
  let csv = "";
  if (list !== "") {
    const read = kesta.readGameList(list, "[game] my_game");
    if (read.error === null) csv = list;
    else problem = `${read.error} (${read.where})`;
  }
  const table = group.table ?? "";
  const known = table === MY_GAME ? csv !== "" : kesta.games().some((g) => g.name === table);
  $("game-table").value = known ? table : kesta.games()[0].name;
  $("my-game-csv").value = csv;
  loadedBytes = null;
  listName = MY_GAME_NAME;
  describe(kesta);
  save();
  changedGame();
  return problem;
}

// The table in use, as the report area names it; the engine's message for a list it cannot read.
function describe(kesta) {
  const table = $("game-table").value;
  const problem = $("game-problem");
  $("my-game").hidden = table !== MY_GAME;
  if (table !== MY_GAME) {
    const game = kesta.games().find((g) => g.name === table);
    $("game-in-use").textContent = `Game table: ${game.name}, ${game.count} animals`;
    problem.textContent = "";
    return;
  }
  const read = kesta.readGameList(chosenGame(kesta).csv, listName);
  if (read.error !== null) {
    problem.textContent = `This list cannot be used: ${read.error} (${read.where}).`;
    $("game-in-use").textContent = `Game table: ${listName}, which cannot be used`;
  } else {
    problem.textContent = `${read.animals.length} animals read.`;
    $("game-in-use").textContent = `Game table: ${listName}, ${read.animals.length} animals`;
  }
}

async function loadFile(kesta, file) {
  // One byte past the engine's limit is enough for it to say the file is too long.
  const bytes = new Uint8Array(await file.slice(0, kesta.mostGameListBytes + 1).arrayBuffer());
  loadedBytes = bytes;
  listName = file.name;
  $("my-game-csv").value = new TextDecoder().decode(bytes);
  describe(kesta);
  // Kept only when the engine can read it: then the text box holds exactly the file's text.
  if (kesta.readGameList(bytes, listName).error === null) {
    loadedBytes = null;
    save();
  }
}

let changedGame = () => {};

export function startGame(kesta, onChange) {
  changedGame = onChange;
  const select = $("game-table");
  for (const game of kesta.games()) {
    const option = document.createElement("option");
    option.value = game.name;
    option.textContent = `${game.name} (${game.count})`;
    option.title = game.description;
    select.append(option);
  }
  const mine = document.createElement("option");
  mine.value = MY_GAME;
  mine.textContent = "my own list";
  select.append(mine);

  const keep = stored();
  if ([...select.options].some((o) => o.value === keep.table)) select.value = keep.table;
  if (typeof keep.csv === "string") $("my-game-csv").value = keep.csv;
  if (typeof keep.name === "string" && keep.name) listName = keep.name;
  describe(kesta);

  const changed = () => {
    describe(kesta);
    save();
    onChange();
  };
  select.addEventListener("change", changed);
  $("my-game-csv").addEventListener("input", () => {
    loadedBytes = null;
    listName = MY_GAME_NAME;
    changed();
  });
  $("my-game-open").addEventListener("click", () => $("my-game-file").click());
  $("my-game-file").addEventListener("change", async (event) => {
    const file = event.target.files[0];
    event.target.value = "";
    if (!file) return;
    await loadFile(kesta, file);
    onChange();
  });
}
