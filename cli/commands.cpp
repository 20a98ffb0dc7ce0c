#include "cli/commands.h"

#include "bandwise/decoding/decoding_result.h"
#include "bandwise/encoding/encoding_refresh.h"
#include "cli/json_text.h"
#include "common/ascii.h"
#include "common/display_colour.h"
#include "common/values/finder.h"
#include "common/values/notation.h"
#include "common/values/series.h"
#include "common/values/smd.h"
#include "common/values/typed_value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>

namespace cli {

namespace {

using common::BandColour;
using common::ToleranceChoice;
using values::Decimal;

Outcome bad(std::string message)
{
    return {kBadInput, {}, std::move(message)};
}

std::string quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string localised(std::string text, std::string_view separator)
{
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

std::string numberText(Decimal value, std::string_view separator)
{
    return localised(values::DecimalText(value), separator);
}

// Always `decimals` places and a sign on either side of zero, so that a column of errors lines up
// and tells at a glance which side of the wanted value each answer lies.
std::string percentText(Decimal percent, int decimals, std::string_view separator)
{
    std::string text = values::DecimalText(percent);
    std::size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    const auto have = static_cast<int>(text.size() - point - 1);
    text.append(static_cast<std::size_t>(std::max(decimals - have, 0)), '0');
    std::string shown = values::MakeDecimal(0) < percent ? "+" : "";
    shown += localised(text, separator);
    shown += '%';
    return shown;
}

std::optional<int> integerFrom(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? std::optional(value) : std::nullopt;
}

std::string valueProblem(std::string_view text, const values::ValueReading& reading)
{
    using values::ValueError;
    const std::string what = quoted(text);
    switch (reading.error) {
    case ValueError::None:
        break;
    case ValueError::Empty:
        return "an empty value";
    case ValueError::NotANumber:
        return what + " is not a value";
    case ValueError::NotPositive:
        return what + ": no resistor has that value";
    case ValueError::AmbiguousPrefix:
        return what + ": \"m\" is milli to some and mega to others; write M for mega";
    case ValueError::TrailingText:
        return what + ": unexpected text after the value";
    case ValueError::BadTolerance:
        return what + ": a tolerance lies above 0 % and up to 100 %";
    case ValueError::TooSmall:
        return what + ": below 0.001 ohm";
    case ValueError::TooLarge:
        return what + ": above 1 Tohm";
    case ValueError::TooManyDigits:
        return what + ": more than 15 significant digits";
    case ValueError::AmbiguousMark:
        if (reading.meanings)
            return what + " is " + values::EngineeringText(reading.meanings->first.ohms) + " to some and " +
                values::EngineeringText(reading.meanings->second.ohms) + " to others; write it without the mark";
        break;
    }
    return what + " is not a value";
}

// A resistance as a person types it, read as the window's "Set value…" reads it.
std::optional<values::TypedValue> readValue(std::string_view text, std::string& error)
{
    const values::ValueReading reading = values::ReadTypedValue(text);
    if (!reading.value)
        error = valueProblem(text, reading);
    return reading.value;
}

// "12", "3.3", "3,3 V".
std::optional<Decimal> readVolts(std::string text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    if (!text.empty() && common::AsciiLower(text.back()) == 'v')
        text.pop_back();
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    std::replace(text.begin(), text.end(), ',', '.');
    return values::DecimalFromText(text);
}

// Letter case is ignored in ASCII and in Latin-1's letters, which hold every accented colour word
// of the shipped languages ("MARRÓN").
std::string folded(std::string_view word)
{
    std::string text(word);
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = common::AsciiLower(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if (static_cast<unsigned char>(text[i]) == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97)
            text[i + 1] = static_cast<char>(next + 0x20);
    }
    return text;
}

// The language's words first, then the English ones, which always work.
std::optional<ToleranceChoice> colourNamed(std::string_view word, const bandwise::WindowTexts& texts)
{
    const std::string wanted = folded(word);
    const bandwise::WindowTexts english;
    for (const bandwise::WindowTexts* language : {&texts, &english}) {
        for (const BandColour colour : common::kAllBandColours) {
            if (folded(language->Colour_Names[common::OrdinalOf(colour)]) == wanted)
                return colour;
        }
        if (folded(language->None_Name) == wanted)
            return ToleranceChoice::None();
    }
    return std::nullopt;
}

// ---- decode ------------------------------------------------------------------------------

Outcome decode(const Request& request)
{
    const std::vector<std::string>& words = request.arguments.words;
    if (words.size() < 3 || words.size() > 6)
        return bad("decode takes 3 to 6 colours, first band first");
    const auto scheme = words.size() <= 4 ? common::BandScheme::FourBand
        : words.size() == 5               ? common::BandScheme::FiveBand
                                          : common::BandScheme::SixBand;
    enum Place { Digit, Multiplier, Tolerance, Tempco };
    constexpr std::array<std::string_view, 4> kPlaceNames = {
        "a digit", "the multiplier", "the tolerance", "the temperature coefficient"};
    std::vector<Place> places = {Digit, Digit};
    if (scheme != common::BandScheme::FourBand)
        places.push_back(Digit);
    places.push_back(Multiplier);
    if (words.size() != 3)
        places.push_back(Tolerance);
    if (scheme == common::BandScheme::SixBand)
        places.push_back(Tempco);

    bandwise::DecodingSelection selection;
    // Three stripes are a resistor without a tolerance band.
    if (words.size() == 3)
        selection.tolerance = ToleranceChoice::None();
    std::vector<std::optional<BandColour>*> digits = {
        &selection.firstBand, &selection.secondBand, &selection.thirdBand};
    std::optional<int> tempcoPpm;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::optional<ToleranceChoice> choice = colourNamed(words[i], request.texts);
        if (!choice)
            return bad("unknown colour " + quoted(words[i]));
        const std::optional<BandColour> colour = choice->colour();
        const bool meaningful = places[i] == Digit ? colour && common::DigitOf(*colour)
            : places[i] == Multiplier              ? colour && common::MultiplierPowerOf(*colour)
            : places[i] == Tolerance               ? common::ToleranceOf(*choice).has_value()
                                                   : colour && common::TempcoOf(*colour);
        if (!meaningful)
            return bad(quoted(words[i]) + " means nothing as stripe " + std::to_string(i + 1) + ", " +
                std::string(kPlaceNames[places[i]]));
        if (places[i] == Digit)
            *digits[static_cast<std::size_t>(
                std::count(places.begin(), places.begin() + static_cast<long>(i), Digit))] = colour;
        else if (places[i] == Multiplier)
            selection.multiplier = colour;
        else if (places[i] == Tolerance)
            selection.tolerance = choice;
        else {
            selection.tempco = colour;
            tempcoPpm = common::TempcoOf(*colour);
        }
    }

    const bandwise::DecodingOutput shown =
        bandwise::ComputeDecodingResult(selection, scheme, bandwise::ResultForm::Normal, request.decimalSeparator);
    const std::optional<values::TypedValue> exact = bandwise::ExactReading(selection, scheme);
    const std::string value = shown.resistorValue.value_or("");
    if (request.json) {
        return {0,
            JsonObject(
                {{"command", JsonString("decode")}, {"value", JsonString(value)}, {"ohms", JsonNumber(exact->ohms)},
                    {"tolerance_percent",
                        exact->tolerancePercent ? JsonNumber(*exact->tolerancePercent) : std::string(kJsonNull)},
                    {"tempco_ppm", tempcoPpm ? std::to_string(*tempcoPpm) : std::string(kJsonNull)}}) +
                "\n",
            {}};
    }
    return {0, value + (shown.tempcoValue ? " " + *shown.tempcoValue : "") + "\n", {}};
}

// ---- encode ------------------------------------------------------------------------------

Outcome encode(const Request& request)
{
    const Arguments& arguments = request.arguments;
    if (arguments.words.size() != 1)
        return bad("encode takes one value");
    const std::string bands = arguments.value("--bands").value_or("4");
    const auto scheme = bands == "4" ? std::optional(common::BandScheme::FourBand)
        : bands == "5"               ? std::optional(common::BandScheme::FiveBand)
        : bands == "6"               ? std::optional(common::BandScheme::SixBand)
                                     : std::nullopt;
    if (!scheme)
        return bad("--bands is 4, 5 or 6");
    // The tolerance read as part of the value, "4k7 1%", as "Set value…" reads it.
    std::string text = arguments.words[0];
    if (const std::optional<std::string> tolerance = arguments.value("--tolerance"))
        text += " " + *tolerance + (tolerance->find('%') == std::string::npos ? "%" : "");
    std::string problem;
    const std::optional<values::TypedValue> value = readValue(text, problem);
    if (!value)
        return bad(problem);

    const std::optional<std::string> tempco = arguments.value("--tempco");
    if (tempco.has_value() != (*scheme == common::BandScheme::SixBand))
        return bad(tempco ? "--tempco needs --bands 6" : "six bands need --tempco PPM");
    using Problem = bandwise::ListEntry::Problem;
    bandwise::ListEntry entry = bandwise::ListsForValue(*value, *scheme);
    const std::string digits = bands == "4" ? "two" : "three";
    switch (entry.problem) {
    case Problem::None:
        break;
    case Problem::NeedsMoreDigits:
        return bad(quoted(text) + " has more significant digits than the " + digits + " of " + bands + " bands");
    case Problem::TooSmall:
        return bad(quoted(text) + " is below the smallest value of " + bands + " bands");
    case Problem::TooLarge:
        return bad(quoted(text) + " is above the largest value of " + bands + " bands");
    case Problem::NoSuchTolerance:
        return bad("no band has the tolerance of " + quoted(text));
    }
    if (tempco) {
        const std::optional<int> ppm = integerFrom(*tempco);
        for (const BandColour colour : common::kAllBandColours) {
            if (ppm && common::TempcoOf(colour) == ppm)
                entry.choices.tempco = colour;
        }
        if (!entry.choices.tempco)
            return bad("no band has a temperature coefficient of " + quoted(*tempco) + " ppm");
    }

    const common::BandPalette palette = common::DefaultPalette();
    const std::function<std::string(std::string_view)> asWritten = [](std::string_view word) {
        return std::string(word);
    };
    const bandwise::EncodingOutput shown = bandwise::ComputeEncodingRefresh({entry.choices, *scheme,
        request.texts.Colour_Names, request.texts.None_Name, palette, request.decimalSeparator, asWritten});
    std::vector<std::string> words;
    for (const std::optional<std::string>& name : shown.colourNames) {
        if (name)
            words.push_back(*name);
    }
    if (request.json) {
        std::vector<std::string> names;
        for (const std::string& word : words)
            names.push_back(JsonString(word));
        return {0,
            JsonObject({{"command", JsonString("encode")}, {"ohms", JsonNumber(value->ohms)},
                {"tolerance_percent",
                    value->tolerancePercent ? JsonNumber(*value->tolerancePercent) : std::string(kJsonNull)},
                {"bands", JsonArray(names)}, {"value", JsonString(shown.resValue.value_or(""))}}) +
                "\n",
            {}};
    }
    std::string line;
    for (const std::string& word : words)
        line += (line.empty() ? "" : " ") + word;
    return {0, line + "\n", {}};
}

// ---- smd -----------------------------------------------------------------------------------

std::string_view kindName(values::SmdKind kind)
{
    switch (kind) {
    case values::SmdKind::Jumper:
        return "jumper";
    case values::SmdKind::ThreeDigit:
        return "3-digit";
    case values::SmdKind::FourDigit:
        return "4-digit";
    case values::SmdKind::Eia96:
        return "EIA-96";
    }
    return {};
}

// A code reads as a value; anything else is read as a value and gives its codes. A value that
// looks like a code is written with its unit: "100 ohm".
Outcome smd(const Request& request)
{
    if (request.arguments.words.size() != 1)
        return bad("smd takes one code or value");
    const std::string& word = request.arguments.words[0];
    const std::string_view separator = request.decimalSeparator;
    std::vector<std::string> lines;
    std::vector<std::string> json;
    const values::SmdDecoding decoding = values::DecodeSmd(word);
    for (const values::SmdReading& reading : decoding.readings) {
        const std::string kind(kindName(reading.kind));
        const std::string ohms = values::EngineeringText(reading.ohms, separator);
        lines.push_back(ohms + " (" + kind + ")");
        json.push_back(
            JsonObject({{"kind", JsonString(kind)}, {"ohms", JsonNumber(reading.ohms)}, {"text", JsonString(ohms)}}));
    }
    std::string jsonText;
    if (!decoding.readings.empty()) {
        jsonText =
            JsonObject({{"command", JsonString("smd")}, {"code", JsonString(word)}, {"readings", JsonArray(json)}});
    } else {
        std::string problem;
        const std::optional<values::TypedValue> value = readValue(word, problem);
        if (!value)
            return bad(quoted(word) + " is no SMD code; " + problem);
        for (const values::SmdMarking& marking : values::EncodeSmd(value->ohms)) {
            const std::string kind(kindName(marking.kind));
            lines.push_back(marking.code + " (" + kind + ")");
            json.push_back(JsonObject({{"kind", JsonString(kind)}, {"code", JsonString(marking.code)}}));
        }
        if (lines.empty())
            return {kNoAnswer, {}, "no SMD marking gives " + values::EngineeringText(value->ohms)};
        jsonText = JsonObject({{"command", JsonString("smd")}, {"ohms", JsonNumber(value->ohms)},
            {"text", JsonString(values::EngineeringText(value->ohms, separator))}, {"markings", JsonArray(json)}});
    }
    if (request.json)
        return {0, jsonText + "\n", {}};
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return {0, text, {}};
}

// ---- what the finder's commands share ------------------------------------------------------

std::optional<values::Series> readSeries(const Arguments& arguments, std::string& error)
{
    const std::string name = arguments.value("--series").value_or("E24");
    const std::optional<values::Series> series = values::SeriesFromName(name);
    if (!series)
        error = "unknown series " + quoted(name) + ": E1, E3, E6, E12, E24, E48, E96 or E192";
    return series;
}

std::optional<Decimal> readOhms(
    const Arguments& arguments, std::string_view option, Decimal fallback, std::string& error)
{
    const std::optional<std::string> text = arguments.value(option);
    if (!text)
        return fallback;
    const std::optional<values::TypedValue> value = readValue(*text, error);
    if (value && value->tolerancePercent) {
        error = std::string(option) + " takes a value without a tolerance";
        return std::nullopt;
    }
    return value ? std::optional(value->ohms) : std::nullopt;
}

std::optional<values::PartSource> readParts(const Arguments& arguments, std::string& error)
{
    values::PartSource parts;
    const std::optional<values::Series> series = readSeries(arguments, error);
    const std::optional<Decimal> lowest = readOhms(arguments, "--lowest", parts.lowest, error);
    const std::optional<Decimal> highest = readOhms(arguments, "--highest", parts.highest, error);
    if (!series || !lowest || !highest)
        return std::nullopt;
    parts.series = *series;
    parts.lowest = *lowest;
    parts.highest = *highest;
    for (const std::string& text : arguments.values("--exclude")) {
        const std::optional<values::TypedValue> value = readValue(text, error);
        if (!value)
            return std::nullopt;
        parts.excluded.push_back(value->ohms);
    }
    return parts;
}

Outcome finderFailure(values::FinderError error, std::string_view badTarget)
{
    using values::FinderError;
    switch (error) {
    case FinderError::None:
        break;
    case FinderError::BadTarget:
        return bad(std::string(badTarget));
    case FinderError::BadRange:
        return bad("the parts' range, and the total's, must run upwards within 0.1 ohm to 1 Gohm");
    case FinderError::NoParts:
        return {kNoAnswer, {}, "no part of the series lies in the range, or every one is excluded"};
    case FinderError::NoAnswer:
        return {kNoAnswer, {}, "no choice of parts gives a total in the range"};
    case FinderError::Stopped:
        break;
    }
    return {kNoAnswer, {}, "no answer"};
}

constexpr std::array<std::string_view, 17> kTopologyNames = {"single", "series2", "parallel2", "series3", "parallel3",
    "parallel_pair_in_series", "series_pair_in_parallel", "series4", "parallel4", "parallel_pair_in_series4",
    "series_pair_in_parallel4", "parallel_triple_in_series", "series_triple_in_parallel", "parallel_pairs_in_series",
    "series_pairs_in_parallel", "parallel_pair_in_series_in_parallel", "series_pair_in_parallel_in_series"};

std::string networkText(values::Topology topology, const std::vector<Decimal>& parts)
{
    std::vector<std::string> texts;
    for (const Decimal& part : parts)
        texts.push_back(values::RkmText(part));
    return values::NetworkText(topology, texts);
}

// " = 4.7 kΩ", or " ≈ 3.141 kΩ" when the network's value has more digits than are shown.
std::string resistanceText(const values::ShownResistance& resistance, std::string_view separator)
{
    return (resistance.exact ? " = " : " \u2248 ") + values::EngineeringText(resistance.ohms, separator);
}

std::string partsJson(
    values::Topology topology, const std::vector<Decimal>& parts, const values::ShownResistance& resistance)
{
    std::vector<std::string> numbers;
    for (const Decimal& part : parts)
        numbers.push_back(JsonNumber(part));
    return JsonObject({{"topology", JsonString(kTopologyNames[static_cast<std::size_t>(topology)])},
        {"network", JsonString(networkText(topology, parts))}, {"parts", JsonArray(numbers)},
        {"ohms", JsonNumber(resistance.ohms)}, {"ohms_exact", resistance.exact ? "true" : "false"}});
}

// ---- nearest -------------------------------------------------------------------------------

Outcome nearest(const Request& request)
{
    const Arguments& arguments = request.arguments;
    if (arguments.words.size() != 1)
        return bad("nearest takes one value");
    std::string problem;
    const std::optional<values::TypedValue> value = readValue(arguments.words[0], problem);
    const std::optional<values::Series> series = value ? readSeries(arguments, problem) : std::nullopt;
    if (!series)
        return bad(problem);
    const std::optional<values::SeriesNeighbours> neighbours = values::NearestInSeries(value->ohms, *series);
    if (!neighbours)
        return {kNoAnswer, {}, "no member of the series is near " + values::EngineeringText(value->ohms)};
    const auto line = [&](const values::SeriesNeighbour& neighbour) {
        return values::EngineeringText(neighbour.value, request.decimalSeparator) + " " +
            percentText(neighbour.errorPercent, 2, request.decimalSeparator) + "\n";
    };
    const auto json = [](const values::SeriesNeighbour& neighbour) {
        return JsonObject(
            {{"ohms", JsonNumber(neighbour.value)}, {"text", JsonString(values::EngineeringText(neighbour.value))},
                {"error_percent", JsonNumber(neighbour.errorPercent)}});
    };
    if (request.json) {
        return {0,
            JsonObject({{"command", JsonString("nearest")}, {"series", JsonString(values::SeriesName(*series))},
                {"ohms", JsonNumber(value->ohms)}, {"below", json(neighbours->below)},
                {"above", json(neighbours->above)}}) +
                "\n",
            {}};
    }
    const bool member = neighbours->below.value == neighbours->above.value;
    return {0, line(neighbours->below) + (member ? "" : line(neighbours->above)), {}};
}

// ---- combine -------------------------------------------------------------------------------

Outcome combine(const Request& request)
{
    const Arguments& arguments = request.arguments;
    if (arguments.words.size() != 1)
        return bad("combine takes one value");
    std::string problem;
    const std::optional<values::TypedValue> value = readValue(arguments.words[0], problem);
    const std::optional<values::PartSource> parts = value ? readParts(arguments, problem) : std::nullopt;
    if (!parts)
        return bad(problem);
    const std::optional<int> maxParts = integerFrom(arguments.value("--max").value_or("3"));
    if (!maxParts || *maxParts < 1 || *maxParts > 4)
        return bad("--max is 1, 2, 3 or 4 parts");

    const values::CombinationAnswer answer = values::FindCombinations({value->ohms, *parts, *maxParts});
    if (answer.error != values::FinderError::None)
        return finderFailure(answer.error, "the wanted value lies outside 0.1 ohm to 1 Gohm");
    std::string text;
    std::vector<std::string> json;
    for (const values::Combination& combination : answer.best) {
        text += networkText(combination.topology, combination.parts) +
            resistanceText(combination.resistance, request.decimalSeparator) + " " +
            percentText(combination.errorPercent, 3, request.decimalSeparator) + "\n";
        std::string network = partsJson(combination.topology, combination.parts, combination.resistance);
        network.pop_back();
        json.push_back(network + ",\"error_percent\":" + JsonNumber(combination.errorPercent) +
            ",\"exact_match\":" + (combination.exactMatch ? "true" : "false") + "}");
    }
    if (request.json) {
        return {0,
            JsonObject({{"command", JsonString("combine")}, {"series", JsonString(values::SeriesName(parts->series))},
                {"ohms", JsonNumber(value->ohms)}, {"combinations", JsonArray(json)}}) +
                "\n",
            {}};
    }
    return {0, text, {}};
}

// ---- divider -------------------------------------------------------------------------------

// A bare ratio has no volts and no current to tell.
std::string dividerText(const values::Divider& divider, bool byRatio, std::string_view separator)
{
    const std::string legs = "R1 = " + networkText(divider.top.topology, divider.top.parts) +
        ", R2 = " + networkText(divider.bottom.topology, divider.bottom.parts) + ": ";
    const std::string error = percentText(divider.errorPercent, 3, separator);
    if (byRatio)
        return legs + "ratio " + numberText(divider.ratio, separator) + " " + error;
    return legs + numberText(divider.vout, separator) + " V " + error + ", " +
        numberText(divider.milliamps, separator) + " mA";
}

std::string dividerJson(const std::optional<values::Divider>& divider)
{
    if (!divider)
        return std::string(kJsonNull);
    const auto leg = [](const values::DividerLeg& part) {
        return partsJson(part.topology, part.parts, part.resistance);
    };
    return JsonObject({{"r1", leg(divider->top)}, {"r2", leg(divider->bottom)}, {"ratio", JsonNumber(divider->ratio)},
        {"vout", JsonNumber(divider->vout)}, {"error_percent", JsonNumber(divider->errorPercent)},
        {"milliamps", JsonNumber(divider->milliamps)}, {"exact_match", divider->exactMatch ? "true" : "false"}});
}

Outcome divider(const Request& request)
{
    const Arguments& arguments = request.arguments;
    if (!arguments.words.empty())
        return bad("divider takes options only: --vin V --vout V, or --ratio R");
    values::DividerQuery query;
    const bool byRatio = arguments.has("--ratio");
    if (byRatio == (arguments.has("--vin") || arguments.has("--vout")))
        return bad("divider takes --vin and --vout, or --ratio");
    const std::string vinText = byRatio ? "1" : arguments.value("--vin").value_or("");
    const std::string voutText = arguments.value(byRatio ? "--ratio" : "--vout").value_or("");
    const std::optional<Decimal> vin = readVolts(vinText);
    const std::optional<Decimal> vout = readVolts(voutText);
    if (!vin || !vout)
        return bad("unreadable voltage or ratio " + quoted(vin ? voutText : vinText));
    std::string problem;
    const std::optional<values::PartSource> parts = readParts(arguments, problem);
    const std::optional<Decimal> lowest = readOhms(arguments, "--total-min", query.lowestTotal, problem);
    const std::optional<Decimal> highest = readOhms(arguments, "--total-max", query.highestTotal, problem);
    if (!parts || !lowest || !highest)
        return bad(problem);
    query.vin = *vin;
    query.vout = *vout;
    query.parts = *parts;
    query.lowestTotal = *lowest;
    query.highestTotal = *highest;
    query.twoPerLeg = arguments.has("--two-per-leg");

    const values::DividerAnswer answer = values::FindDivider(query);
    if (answer.error != values::FinderError::None)
        return finderFailure(
            answer.error, byRatio ? "the ratio lies between 0 and 1" : "Vout lies between 0 V and Vin");
    if (request.json) {
        return {0,
            JsonObject({{"command", JsonString("divider")}, {"series", JsonString(values::SeriesName(parts->series))},
                {"vin", JsonNumber(query.vin)}, {"vout", JsonNumber(query.vout)},
                {"one_per_leg", dividerJson(answer.single)}, {"two_per_leg", dividerJson(answer.twoPerLeg)}}) +
                "\n",
            {}};
    }
    const auto line = [&](const std::optional<values::Divider>& found) {
        return found ? dividerText(*found, byRatio, request.decimalSeparator) : std::string("none");
    };
    if (!query.twoPerLeg)
        return {0, line(answer.single) + "\n", {}};
    return {0, "one per leg: " + line(answer.single) + "\ntwo per leg: " + line(answer.twoPerLeg) + "\n", {}};
}

// ---- the table -----------------------------------------------------------------------------

constexpr std::array<OptionShape, 3> kEncodeOptions = {{{"--bands", true}, {"--tolerance", true}, {"--tempco", true}}};
constexpr std::array<OptionShape, 1> kNearestOptions = {{{"--series", true}}};
constexpr std::array<OptionShape, 5> kCombineOptions = {
    {{"--series", true}, {"--max", true}, {"--exclude", true}, {"--lowest", true}, {"--highest", true}}};
constexpr std::array<OptionShape, 10> kDividerOptions = {
    {{"--vin", true}, {"--vout", true}, {"--ratio", true}, {"--series", true}, {"--two-per-leg", false},
        {"--total-min", true}, {"--total-max", true}, {"--exclude", true}, {"--lowest", true}, {"--highest", true}}};

constexpr std::array<Command, 6> kCommands = {{
    {{"decode", {}},
        "decode COLOUR COLOUR [COLOUR] COLOUR [COLOUR] [COLOUR]\n"
        "The value of a resistor's colour bands, first band first, as the window shows it:\n"
        "3 bands (no tolerance band), 4, 5, or 6 with the temperature coefficient.\n"
        "Colour words in English, or in the language of --language.\n"
        "  bandwise-cli decode yellow violet red gold       4700\u00B15%\n",
        decode, true},
    {{"encode", kEncodeOptions},
        "encode VALUE [--bands 4|5|6] [--tolerance PERCENT] [--tempco PPM]\n"
        "The colour bands of a value, first band first (4 bands unless told).\n"
        "Six bands need the temperature coefficient in ppm/K: 100, 50, 15 or 25.\n"
        "  bandwise-cli encode 4k7 --bands 5 --tolerance 1%\n",
        encode, true},
    {{"smd", {}},
        "smd CODE|VALUE\n"
        "The value of an SMD resistor's code (472, 4R7, 4701, 68B), or the codes a value\n"
        "can carry (4k99). A value that looks like a code is written with its unit: 100ohm.\n",
        smd},
    {{"nearest", kNearestOptions},
        "nearest VALUE [--series E24]\n"
        "The members of a standard series either side of a value, with their errors.\n",
        nearest},
    {{"combine", kCombineOptions},
        "combine VALUE [--series E24] [--max 1-4] [--exclude VALUE]... [--lowest VALUE] [--highest VALUE]\n"
        "The closest combination of 1 to --max standard parts (3 unless told) for each way\n"
        "of joining them in series and parallel, closest first. Parts run from --lowest\n"
        "(1 ohm) to --highest (10 Mohm); --exclude, once per value, leaves a value out.\n",
        combine},
    {{"divider", kDividerOptions},
        "divider --vin V --vout V | --ratio R  [--series E24] [--two-per-leg]\n"
        "        [--total-min VALUE] [--total-max VALUE] [--exclude VALUE]... [--lowest VALUE] [--highest VALUE]\n"
        "The closest voltage divider: R1 from Vin to the output, R2 from the output to ground,\n"
        "with R1 + R2 from --total-min (1k) to --total-max (1M). --two-per-leg also gives the\n"
        "best with up to two parts in each leg.\n",
        divider},
}};

}  // namespace

std::span<const Command> Commands()
{
    return kCommands;
}

std::span<const CommandShape> CommandShapes()
{
    static const std::array<CommandShape, kCommands.size()> kShapes = [] {
        std::array<CommandShape, kCommands.size()> shapes;
        std::ranges::transform(kCommands, shapes.begin(), &Command::shape);
        return shapes;
    }();
    return kShapes;
}

}  // namespace cli
