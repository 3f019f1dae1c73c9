// The what-if table: one row per animal of kesta.needs(pairs), its fields as the CSV gives them.
const COLUMNS = ["position", "animal", "mass_kg", "category", "verdict", "least_grains",
                 "least_fps", "same_energy_grains", "same_energy_fps"];

// Whole fps rounded half to even, as kesta-report's text table rounds it: a tie is exact in
// binary, so it can be told from its neighbours.
function wholeHalfEven(x) {
  const floor = Math.floor(x);
  const rest = x - floor;
  if (rest === 0.5) return floor % 2 === 0 ? floor : floor + 1;
  return rest < 0.5 ? floor : floor + 1;
}

function cellText(column, text) {
  if (text === "") return "–";
  if (column === "same_energy_fps") return String(wholeHalfEven(Number(text)));
  return text;
}

export function showNeeds(result, section, errorBox) {
  const body = section.querySelector("tbody");
  body.replaceChildren();
  for (const row of result.rows) {
    const tr = document.createElement("tr");
    for (const column of COLUMNS) {
      const cell = document.createElement(column === "animal" ? "th" : "td");
      if (column === "animal") cell.scope = "row";
      cell.textContent = cellText(column, row[column]);
      tr.append(cell);
    }
    body.append(tr);
  }
  section.hidden = result.error !== null;
  if (result.error !== null) {
    errorBox.textContent = "What would it take stopped: " + result.error + ".\nWhere: " + result.place;
    errorBox.hidden = false;
  }
}
