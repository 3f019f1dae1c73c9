// The toolkit-free state of the window's input controls: what the user typed and chose.
// The window copies its widgets into a FormState before a report and back after loading
// settings; kesta-report builds one from the settings store. The report reads only this.
//
// Controls are addressed by their names in the window; an element of a control array is the
// array's name, "_" and the element number ("InBroadhead_3", "Safety_4").
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kesta {

class FormState {
  public:
    // The design state, before any settings are loaded: every text box empty except inEdge
    // "25" and inTip "60"; the first option of every unit pair, "Imperial" and "100%"
    // selected; the ShaftDiameter list with no entry chosen (-1); inCOC not ticked.
    FormState();

    // Text of a text box. A name the form does not have is a fault of the program:
    // std::logic_error.
    const std::string& Text(std::string_view control) const;
    void SetText(std::string_view control, std::string text);

    // Selected state of an option button. Selecting one clears the other options of the
    // same container; clearing one selects nothing else.
    bool Selected(std::string_view option) const;
    void SetSelected(std::string_view option, bool selected);

    // Chosen position of the ShaftDiameter list: -1 (none), 0, 1 or 2.
    int ShaftDiameter() const { return shaftDiameter_; }
    void SetShaftDiameter(int position);

    // State of the inCOC check box: 0 not ticked, 1 ticked.
    int CutOnContact() const { return cutOnContact_; }
    void SetCutOnContact(int state);

    // Names of every text box and every option button, in the window's order.
    static const std::vector<std::string>& TextBoxes();
    static const std::vector<std::string>& Options();
    // The option groups, one per container, e.g. {"ArrowSpeedFPS", "ArrowSpeedM"}.
    static const std::vector<std::vector<std::string>>& OptionGroups();
    // The three entries of the ShaftDiameter list, top first.
    static const std::vector<std::string>& ShaftDiameterEntries();

    bool operator==(const FormState&) const = default;

  private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, bool, std::less<>> options_;
    int shaftDiameter_ = -1;
    int cutOnContact_ = 0;
};

// "InBroadhead" and 3 give "InBroadhead_3".
std::string ElementName(std::string_view array, int element);

} // namespace kesta
