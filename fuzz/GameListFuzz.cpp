// libFuzzer target for the hunter's own game list: the input is the CSV file's bytes. Reading
// either gives a list every report can judge against, or refuses the file with a RuntimeError
// of one of the reader's three kinds whose place names the file; nothing else escapes. A list
// holds 1 to 1001 animals; each name is not blank, holds no ',' ':' or control character and
// is UTF-8; each mass lies from 1 to 5000 kg. The list written back as CSV reads back as the
// same list, and the heavy-buffalo example's report judges every animal of it without stopping
// (-timeout=1: not even 1001 animals may take a second).
#include "ballistics/GameListText.h"
#include "form/Examples.h"
#include "fuzz/FuzzInput.h"
#include "report/Calculator.h"
#include "tools/Errors.h"

#include <cmath>
#include <exception>
#include <string>
#include <string_view>

using namespace kesta;
using fuzz::Check;

namespace {

const std::string kFile = "fuzzed.csv";

bool HoldsControl(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (c < 0x20 || c == 0x7F) return true;
        // U+0080 to U+009F
        if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0)
            return true;
    }
    return false;
}

void CheckAnimal(const game::Animal& animal) {
    Check(animal.name.find_first_not_of(' ') != std::string::npos);
    Check(animal.name.find_first_of(",:") == std::string::npos);
    Check(!HoldsControl(animal.name));
    Check(std::isfinite(animal.massKg));
    Check(animal.massKg >= game::kLightestKg && animal.massKg <= game::kHeaviestKg);
    const game::AnimalFigures figures = game::FiguresOf(animal);
    Check(figures.category >= 1 && figures.category <= game::kCategories);
    Check(figures.chestDepth >= 0);
}

// The example whose report reaches the game lists: the heavy set-up, so the lists hold
// animals of every verdict.
const FormState& Form() {
    static const FormState form = ExampleForm(*FindExample("heavy-buffalo"));
    return form;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    game::GameTable table;
    try {
        table = game::ReadGameList(text, kFile);
    } catch (const RuntimeError& e) {
        Check(e.kind() == ErrorKind::TypeMismatch || e.kind() == ErrorKind::PathFileAccess ||
              e.kind() == ErrorKind::InvalidProcedureCall);
        Check(*e.what() != '\0');
        Check(e.place() == kFile || e.place().rfind(kFile + ", line ", 0) == 0);
        return 0;
    } catch (...) {
        std::terminate(); // the reader raises RuntimeError and nothing else
    }
    Check(size <= game::kMostGameListBytes);
    Check(table.name == kFile);
    Check(!table.animals.empty() && table.animals.size() <= game::kMostAnimals);
    for (const game::Animal& animal : table.animals)
        CheckAnimal(animal);
    try {
        Check(game::ReadGameList(game::GameListCsv(table), kFile) == table);

        Calculator calculator(Form(), table);
        calculator.WriteReport();
        const std::string& box = calculator.BoxText();
        Check(box.size() >= 2 && box.compare(box.size() - 2, 2, "\r\n") == 0);
    } catch (...) {
        std::terminate(); // a list that was read is written back and judged whole
    }
    return 0;
}
