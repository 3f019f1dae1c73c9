// A game list file from disk: read whole, but only when it is a regular file of at most 1 MB,
// and never blocking on a named pipe. The text then goes to the engine's reader.
#pragma once

#include "ballistics/GameList.h"

#include <string>

namespace kesta {

// The bytes of the file. Raises RuntimeError whose place is the file: File not found when it
// does not exist; Path/File access error, with the reason ("it is a folder", "it is a named
// pipe", "the file is over 1 MB: ...", "permission denied"), for anything else that is not a
// readable regular file.
std::string ReadGameFileBytes(const std::string& path);

// The game list the file holds (game::ReadGameList), named after the path; a bad file raises
// as the reader does, naming the file and the line.
game::GameTable ReadGameFile(const std::string& path);

// A built-in table by its name, else the game list file at that path.
game::GameTable GameTableOf(const std::string& nameOrPath);

} // namespace kesta
