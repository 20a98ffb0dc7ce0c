#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct OptionShape {
    std::string_view name;  // "--series"
    bool takesValue;
};

// What one command accepts besides the options every command has.
struct CommandShape {
    std::string_view name;
    std::span<const OptionShape> options;
};

// A command line read against the commands: options may stand anywhere, as "--name value" or
// "--name=value", those of every command also before the command; "--" ends the options.
struct Arguments {
    const CommandShape* command = nullptr;  // none: only options were given
    std::vector<std::string> words;
    std::map<std::string, std::vector<std::string>, std::less<>> options;  // a flag holds one ""

    bool has(std::string_view name) const { return options.contains(name); }
    // The last value given; a later option overrides an earlier one, as shells' aliases expect.
    std::optional<std::string> value(std::string_view name) const;
    const std::vector<std::string>& values(std::string_view name) const;
};

// The options every command has.
std::span<const OptionShape> CommonOptions();

struct ArgumentsReading {
    Arguments arguments;
    std::string error;  // set when the command line is not understood
};
ArgumentsReading ReadArguments(std::span<const std::string_view> args, std::span<const CommandShape> commands);

}  // namespace cli
