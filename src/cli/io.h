// Steps every lumeris-cli command shares: parsing its arguments, reading IN the way the
// program's open procedure does, and writing the result the way Save does.
#pragma once

#include "cli/commands.h"
#include "platform/picture_loader.h"
#include "program/world.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lumeris::cli {

// What a command accepts: options followed by a value ("-o OUT"), options alone ("--teach")
// and exactly `positionalCount` other words.
struct ArgumentRules {
    std::vector<std::string_view> withValue;
    std::vector<std::string_view> flags;
    std::size_t positionalCount = 0;
};

struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;

    std::optional<std::string> value(std::string_view option) const;
    bool has(std::string_view flag) const { return flags.contains(flag); }
};

// Nullopt on wrong usage: an unknown option, an option without its value or the wrong
// number of other words. A repeated option keeps its last value.
std::optional<ParsedArguments> parseArguments(const Arguments& args, const ArgumentRules& rules);

// A decimal integer that fits in 32 bits, or nullopt.
std::optional<std::int32_t> integerArgument(std::string_view text);

// Reads IN like the open procedure, loading pictures through `pictures` (none when it is
// null). Returns 0, or prints the message on stderr and returns 3 for "Invalid data file"
// (also for a missing file) or 2 for a data or conversion error.
int readSchemeInput(const std::string& path, World& world, PictureLoader* pictures = nullptr);

// N Step commands (Teach commands with `teach`), as the window's keys run them; spreadsheet
// items use NS.csv in the current folder.
void runSteps(World& world, std::int32_t steps, bool teach);

// Reads a source file's bytes; 0, or 4 after "Can not read SRC" on stderr.
int readSourceFile(const std::string& path, std::string& bytes);

// Writes the bytes to OUT. Returns 0, or 4 after "Can not write OUT" on stderr.
int writeOutputFile(const std::string& outPath, const std::string& bytes);

// Writes exactly the bytes Save writes to OUT, or to standard output without OUT. Returns 0,
// or 4 after "Can not write OUT" on stderr when the output cannot be written.
int writeSchemeOutput(const std::optional<std::string>& outPath, World& world);

} // namespace lumeris::cli
