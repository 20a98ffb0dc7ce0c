#pragma once

#include "bandwise/core/window_texts.h"
#include "cli/arguments.h"

#include <span>
#include <string>
#include <string_view>

namespace cli {

// The exit statuses: 1 for a question without an answer (nothing in the range asked for), 2 for
// a command line the program cannot read.
inline constexpr int kNoAnswer = 1;
inline constexpr int kBadInput = 2;

struct Request {
    const Arguments& arguments;
    std::string_view decimalSeparator;
    const bandwise::WindowTexts& texts;  // the colour words of the language asked for
    bool json = false;
};

struct Outcome {
    int status = 0;
    std::string text;  // for stdout
    std::string error;  // for stderr, without the program's name
};

struct Command {
    CommandShape shape;
    std::string_view usage;  // the help of the command, from its synopsis on
    Outcome (*run)(const Request&);
    bool usesColourWords = false;
};

std::span<const Command> Commands();
std::span<const CommandShape> CommandShapes();

}  // namespace cli
