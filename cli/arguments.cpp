#include "cli/arguments.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

constexpr std::array<OptionShape, 5> kCommonOptions = {{
    {"--help", false},
    {"--version", false},
    {"--json", false},
    {"--locale", true},
    {"--language", true},
}};

const OptionShape* find(std::span<const OptionShape> options, std::string_view name)
{
    const auto found = std::ranges::find(options, name, &OptionShape::name);
    return found == options.end() ? nullptr : &*found;
}

}  // namespace

std::span<const OptionShape> CommonOptions()
{
    return kCommonOptions;
}

std::optional<std::string> Arguments::value(std::string_view name) const
{
    const auto found = options.find(name);
    return found == options.end() ? std::nullopt : std::optional(found->second.back());
}

const std::vector<std::string>& Arguments::values(std::string_view name) const
{
    static const std::vector<std::string> kNone;
    const auto found = options.find(name);
    return found == options.end() ? kNone : found->second;
}

ArgumentsReading ReadArguments(std::span<const std::string_view> args, std::span<const CommandShape> commands)
{
    ArgumentsReading reading;
    Arguments& arguments = reading.arguments;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.starts_with("--")) {
            const std::size_t equals = arg.find('=');
            const std::string_view name = arg.substr(0, equals);
            const OptionShape* option = find(kCommonOptions, name);
            if (!option && arguments.command)
                option = find(arguments.command->options, name);
            if (!option) {
                reading.error = "unknown option " + std::string(name) +
                    (arguments.command ? " for " + std::string(arguments.command->name) : std::string());
                return reading;
            }
            std::string value;
            if (equals != std::string_view::npos) {
                if (!option->takesValue) {
                    reading.error = std::string(name) + " takes no value";
                    return reading;
                }
                value = arg.substr(equals + 1);
            } else if (option->takesValue) {
                if (i + 1 == args.size()) {
                    reading.error = std::string(name) + " needs a value";
                    return reading;
                }
                value = args[++i];
            }
            arguments.options[std::string(name)].push_back(std::move(value));
        } else if (!arguments.command) {
            const auto found = std::ranges::find(commands, arg, &CommandShape::name);
            if (found == commands.end()) {
                reading.error = "unknown command \"" + std::string(arg) + "\"";
                return reading;
            }
            arguments.command = &*found;
        } else {
            arguments.words.emplace_back(arg);
        }
    }
    return reading;
}

}  // namespace cli
