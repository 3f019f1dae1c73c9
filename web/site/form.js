// The page's inputs as settings pairs and back. Every input's element id is its settings key,
// so this needs no table of its own: the element's type says how its stored text reads.
//   text box   its text
//   radio      "True" / "False"
//   ShaftDia   the chosen entry's position, "-1" when none is chosen
//   inCOC      "1" ticked, "0" not

export function readPairs(keys) {
  const pairs = {};
  for (const key of keys) {
    const el = document.getElementById(key);
    if (!el) continue;
    if (el.type === "radio") pairs[key] = el.checked ? "True" : "False";
    else if (el.type === "checkbox") pairs[key] = el.checked ? "1" : "0";
    else if (el.tagName === "SELECT") pairs[key] = String(el.selectedIndex);
    else pairs[key] = el.value;
  }
  return pairs;
}

// Shows pairs the engine has normalised (kesta.load): every key present, options "True" or
// "False", the list a position from -1 to 2, the tick 0 or 1.
export function showPairs(pairs) {
  for (const [key, text] of Object.entries(pairs)) {
    const el = document.getElementById(key);
    if (!el) continue;
    if (el.type === "radio") el.checked = text === "True";
    else if (el.type === "checkbox") el.checked = text === "1";
    else if (el.tagName === "SELECT") el.selectedIndex = Number(text);
    else el.value = text;
  }
}
