// What a hunter calls each input: the name messages use ("Arrow length", "Blade height,
// row 3") and the tooltip the window shows on it (what to type, the unit, a typical value).
// The control names themselves ("InArrowLength") mean nothing to the user.
#pragma once

#include <string>
#include <string_view>

namespace kesta {

// The input's name for messages, for any text box of the form ("InBroadhead_4" gives
// "Blade height, row 3"). A name that is not a text box of the form is returned as it is.
std::string InputLabel(std::string_view control);

// The tooltip of a text box: what to type, in which unit, and a typical value. Empty for a
// name that is not a text box of the form.
std::string InputTooltip(std::string_view control);

// A failure's place as the user reads it: "input InArrowLength" becomes "Arrow length";
// any other place ("report line 14, Dynamic Spine") is returned as it is.
std::string PlaceForUser(std::string_view place);

} // namespace kesta
