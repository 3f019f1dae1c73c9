# Writes the built-in game tables (data/game/*.csv, listed in data/game/tables.csv) into one C++
# source, so the engine carries them and no program needs a file at run time.
#   cmake -D GAME_DIR=<data/game> -D OUT=<file.cpp> -P EmbedGameTables.cmake
# The texts are embedded as they are; the engine parses them with the same reader as the
# hunter's own list, so a built-in table can never hold what a hunter's file may not.
set(delimiter "kesta_game")
file(STRINGS "${GAME_DIR}/tables.csv" index_lines ENCODING UTF-8)
list(POP_FRONT index_lines index_header)
if(NOT index_header STREQUAL "name,description")
    message(FATAL_ERROR "${GAME_DIR}/tables.csv: the header must be name,description")
endif()
set(entries "")
foreach(line IN LISTS index_lines)
    if(line STREQUAL "")
        continue()
    endif()
    string(FIND "${line}" "," comma)
    if(comma LESS 1)
        message(FATAL_ERROR "${GAME_DIR}/tables.csv: '${line}' is not name,description")
    endif()
    string(SUBSTRING "${line}" 0 ${comma} name)
    math(EXPR after "${comma} + 1")
    string(SUBSTRING "${line}" ${after} -1 description)
    string(FIND "${description}" "\"" quote)
    if(NOT quote EQUAL -1)
        message(FATAL_ERROR "${GAME_DIR}/tables.csv: a description may not hold a quote")
    endif()
    file(READ "${GAME_DIR}/${name}.csv" csv)
    string(FIND "${csv}" ")${delimiter}\"" clash)
    if(NOT clash EQUAL -1)
        message(FATAL_ERROR "${GAME_DIR}/${name}.csv holds the embedding delimiter")
    endif()
    string(APPEND entries "    {\"${name}\", \"${description}\",\n     R\"${delimiter}(${csv})${delimiter}\"},\n")
endforeach()
set(source "// Generated from data/game by cmake/EmbedGameTables.cmake: edit the CSV files, not this.
#include \"ballistics/BuiltInGameTexts.h\"

namespace kesta::game {

namespace {

constexpr BuiltInGameText kTexts[] = {
${entries}};

} // namespace

std::span<const BuiltInGameText> BuiltInGameTexts() {
    return kTexts;
}

} // namespace kesta::game
")
# Rewritten only when it changes, so an unchanged table rebuilds nothing.
file(WRITE "${OUT}.new" "${source}")
file(COPY_FILE "${OUT}.new" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.new")
