# Turns the example set-up files into the engine's table of examples, so that the engine needs
# no file at run time and the files stay the one place the examples are written down.
# Run as: cmake -DEXAMPLES_DIR=... -DNAMES=a,b,c -DOUTPUT=... -P ExampleTable.cmake
# Each data/examples/NAME.kesta starts with "; description" and holds [values] with one
# key=text line per settings key. Texts are taken as they stand, so a text the INI format
# would escape or quote (", \, ',', ';', a leading @ or blank) is refused here.

cmake_minimum_required(VERSION 3.20)

string(REPLACE "," ";" names "${NAMES}")
file(GLOB present RELATIVE "${EXAMPLES_DIR}" "${EXAMPLES_DIR}/*.kesta")
foreach(file IN LISTS present)
    string(REGEX REPLACE "\\.kesta$" "" name "${file}")
    if(NOT name IN_LIST names)
        message(FATAL_ERROR "${EXAMPLES_DIR}/${file} is not in the list of examples (form/CMakeLists.txt)")
    endif()
endforeach()

# A C++ string literal of `text`.
function(literal text out)
    string(REPLACE "\\" "\\\\" text "${text}")
    string(REPLACE "\"" "\\\"" text "${text}")
    set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(body "")
foreach(name IN LISTS names)
    set(path "${EXAMPLES_DIR}/${name}.kesta")
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "no example file ${path}")
    endif()
    file(READ "${path}" text)
    # Semicolons would split CMake lists; they only begin the description line.
    string(REPLACE ";" "<semicolon>" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(description "")
    set(group "")
    set(pairs "")
    foreach(line IN LISTS lines)
        if(line MATCHES "^<semicolon> ?(.*)$")
            if(description STREQUAL "")
                set(description "${CMAKE_MATCH_1}")
            endif()
        elseif(line MATCHES "^\\[(.*)\\]$")
            set(group "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^([A-Za-z0-9_]+)=(.*)$" AND group STREQUAL "values")
            set(key "${CMAKE_MATCH_1}")
            set(value "${CMAKE_MATCH_2}")
            if(value MATCHES "[\"\\\\,]|<semicolon>|^@|^ | $")
                message(FATAL_ERROR "${path}: the text of ${key} would need INI escapes")
            endif()
            string(APPEND pairs "             {\"${key}\", \"${value}\"},\n")
        elseif(NOT line STREQUAL "")
            message(FATAL_ERROR "${path}: a line that is no key of [values]: ${line}")
        endif()
    endforeach()
    if(description STREQUAL "")
        message(FATAL_ERROR "${path}: no \"; description\" line")
    endif()
    string(REPLACE "<semicolon>" ";" description "${description}")
    literal("${description}" description)
    string(APPEND body "        {\"${name}\",\n         ${description},\n         {\n${pairs}         }},\n")
endforeach()

set(source "// Made by cmake/ExampleTable.cmake from data/examples/*.kesta at build time.
#include \"form/ExampleTable.h\"

namespace kesta {

std::vector<ExampleSetup> ExampleTable() {
    return {
${body}    };
}

} // namespace kesta
")
# Written only when it changes, so that a rebuild does not recompile it.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
endif()
if(NOT old STREQUAL source)
    file(WRITE "${OUTPUT}" "${source}")
endif()
