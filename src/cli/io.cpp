#include "cli/io.h"

#include "engine/commands.h"
#include "files/open_file.h"
#include "files/scheme_writer.h"
#include "platform/csv_spreadsheet.h"
#include "text/numbers.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace lumeris::cli {

namespace {

bool listed(const std::vector<std::string_view>& names, std::string_view word) {
    return std::find(names.begin(), names.end(), word) != names.end();
}

void printError(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
}

} // namespace

std::optional<std::string> ParsedArguments::value(std::string_view option) const {
    const auto found = values.find(option);
    return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::optional<ParsedArguments> parseArguments(const Arguments& args, const ArgumentRules& rules) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (listed(rules.withValue, word)) {
            if (i + 1 == args.size())
                return std::nullopt;
            parsed.values[word] = args[++i];
        } else if (listed(rules.flags, word)) {
            parsed.flags.insert(word);
        } else if (word.size() > 1 && word.front() == '-') {
            return std::nullopt;
        } else {
            parsed.positional.push_back(word);
        }
    }
    if (parsed.positional.size() != rules.positionalCount)
        return std::nullopt;
    return parsed;
}

std::optional<std::int32_t> integerArgument(std::string_view text) {
    return parseInteger(text);
}

int readSchemeInput(const std::string& path, World& world, PictureLoader* pictures) {
    const OpenResult opened = openSchemeFile(path, world.scheme, world.view, world.doc, pictures);
    if (opened.which == OpenCase::Invalid) {
        printError(opened.message.plain());
        return 3;
    }
    if (!opened.read) {
        printError(opened.read.message.plain());
        return 2;
    }
    return 0;
}

void runSteps(World& world, std::int32_t steps, bool teach) {
    CsvSpreadsheet sheet;
    StepHooks hooks;
    hooks.spreadsheet = &sheet;
    for (std::int32_t i = 0; i < steps; ++i) {
        if (teach)
            teachCommand(world.scheme, world.eval, hooks);
        else
            stepCommand(world.scheme, world.eval, hooks);
    }
}

int writeSchemeOutput(const std::optional<std::string>& outPath, World& world) {
    const std::string bytes = saveBytes(world.scheme, world.view, world.doc);
    if (!outPath) {
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
        if (written && std::fflush(stdout) == 0)
            return 0;
        printError("Can not write the output");
        return 4;
    }
    return writeOutputFile(*outPath, bytes);
}

int writeOutputFile(const std::string& outPath, const std::string& bytes) {
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        printError("Can not write " + outPath);
        return 4;
    }
    return 0;
}

int readSourceFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "Can not read %s\n", path.c_str());
        return 4;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), {});
    return 0;
}

} // namespace lumeris::cli
