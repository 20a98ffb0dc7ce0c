#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace bandwise {

enum CalculatorBox { PowerBox, VoltageBox, CurrentBox, ResistanceBox };
inline constexpr int kCalculatorBoxCount = 4;

struct ResultWrite {
    CalculatorBox box;
    std::string text;
};

// What pressing Calculate does, in order: write each result (and turn its box grey), then turn
// the given boxes white, then show the message, if any. A failure after the first result keeps
// that result: nothing is undone.
struct SolveOutcome {
    enum class Message { None, TooFewValues, BadValues };
    std::vector<ResultWrite> results;
    std::vector<CalculatorBox> givenBoxes;  // empty unless both results were written
    Message message = Message::None;
};

// Texts of the power, voltage, current and resistance boxes; any two non-empty ones give the
// other two by Ohm's law and the power law. The decimal separator is the one results are written
// with; it reads as a decimal point, as "." always does.
SolveOutcome SolvePvir(const std::array<std::string, kCalculatorBoxCount>& texts, std::string_view decimalSeparator);

// Whether a typed character may enter a box: digits, one decimal mark (the full stop, or the
// locale's own separator), a leading minus sign and Backspace. code is the character as a signed
// 16-bit value; boxText the box's whole text.
bool AcceptsTypedCharacter(int code, std::string_view boxText, std::string_view decimalSeparator);

// What of `inserted` (pasted or dropped text, in UTF-8) typing it key by key would have let into
// a box holding boxText: each character is judged as typed into the text the ones before it left,
// and the first to get in replaces the selection (given in bytes of boxText). A Backspace in it
// is no character of the text and never gets in.
std::string InsertedAsTyped(std::string_view inserted, std::string_view boxText, std::size_t selectionStart,
    std::size_t selectionLength, std::string_view decimalSeparator);

}  // namespace bandwise
