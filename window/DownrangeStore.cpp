#include "window/DownrangeStore.h"

#include "downrange/StoredInputs.h"
#include "settings/IniGroups.h"
#include "settings/SettingsStore.h"

namespace kesta {

downrange::Inputs LoadDownrangeInputs(const SettingsStore& store) {
    return downrange::StoredInputs(store.ReadGroup(kDownrangeGroup));
}

void SaveDownrangeInputs(SettingsStore& store, const downrange::Inputs& inputs) {
    store.SaveGroup(kDownrangeGroup, downrange::InputTexts(inputs));
}

} // namespace kesta
