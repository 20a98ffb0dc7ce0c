#include "bandwise/calculator/pvir_solve.h"

#include <gtest/gtest.h>

#include <set>

using namespace bandwise;
using Message = SolveOutcome::Message;
using Texts = std::array<std::string, kCalculatorBoxCount>;  // P, V, I, R

namespace {

struct Case {
    const char* name;
    Texts texts;
    std::vector<std::pair<CalculatorBox, std::string>> results;
    std::vector<CalculatorBox> given;
    Message message;
};

void check(const Case& c, const std::string& separator = ".")
{
    SCOPED_TRACE(c.name);
    const SolveOutcome outcome = SolvePvir(c.texts, separator);
    ASSERT_EQ(outcome.results.size(), c.results.size());
    for (std::size_t i = 0; i < c.results.size(); ++i) {
        EXPECT_EQ(outcome.results[i].box, c.results[i].first) << i;
        EXPECT_EQ(outcome.results[i].text, c.results[i].second) << i;
    }
    EXPECT_EQ(outcome.givenBoxes, c.given);
    EXPECT_EQ(outcome.message, c.message);
}

}  // namespace

TEST(PvirSolve, firstGivenPairInFixedOrderGivesTheOtherTwo)
{
    const Case cases[] = {
        {"powerVoltage", {"100", "10", "", ""}, {{CurrentBox, "10"}, {ResistanceBox, "1"}}, {PowerBox, VoltageBox},
            Message::None},
        {"powerCurrent", {"100", "", "2", ""}, {{VoltageBox, "50"}, {ResistanceBox, "25"}}, {PowerBox, CurrentBox},
            Message::None},
        {"powerResistance", {"100", "", "", "4"}, {{VoltageBox, "20"}, {CurrentBox, "5"}}, {PowerBox, ResistanceBox},
            Message::None},
        {"voltageCurrent", {"", "10", "2", ""}, {{PowerBox, "20"}, {ResistanceBox, "5"}}, {VoltageBox, CurrentBox},
            Message::None},
        {"voltageResistance", {"", "10", "", "5"}, {{PowerBox, "20"}, {CurrentBox, "2"}}, {VoltageBox, ResistanceBox},
            Message::None},
        {"currentResistance", {"", "", "2", "5"}, {{PowerBox, "20"}, {VoltageBox, "10"}}, {CurrentBox, ResistanceBox},
            Message::None},
        {"threeGivenOverwritesTheThird", {"100", "10", "", "99"}, {{CurrentBox, "10"}, {ResistanceBox, "1"}},
            {PowerBox, VoltageBox}, Message::None},
        {"fourGivenUsesPowerAndVoltage", {"8", "4", "7", "7"}, {{CurrentBox, "2"}, {ResistanceBox, "2"}},
            {PowerBox, VoltageBox}, Message::None},
        {"voltageCurrentResistance", {"", "6", "3", "100"}, {{PowerBox, "18"}, {ResistanceBox, "2"}},
            {VoltageBox, CurrentBox}, Message::None},
        {"fifteenSignificantDigits", {"1", "3", "", ""}, {{CurrentBox, "0.333333333333333"}, {ResistanceBox, "9"}},
            {PowerBox, VoltageBox}, Message::None},
        {"pastedTextReadsLeadingNumber", {"12abc", "", "2", ""}, {{VoltageBox, "6"}, {ResistanceBox, "3"}},
            {PowerBox, CurrentBox}, Message::None},
        {"powerTextInSecondStepReadsLikeEveryOther", {"12abc", "6", "", ""}, {{CurrentBox, "2"}, {ResistanceBox, "3"}},
            {PowerBox, VoltageBox}, Message::None},
        {"zeroPowerWithResistance", {"0", "", "", "7"}, {{VoltageBox, "0"}, {CurrentBox, "0"}},
            {PowerBox, ResistanceBox}, Message::None},
        {"negativeValues", {"", "-10", "2", ""}, {{PowerBox, "-20"}, {ResistanceBox, "-5"}}, {VoltageBox, CurrentBox},
            Message::None},
        {"hugeButFinite", {"", "", "1e150", "1e-150"}, {{PowerBox, "1E+150"}, {VoltageBox, "1"}},
            {CurrentBox, ResistanceBox}, Message::None},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(PvirSolve, decimalMarkIsAlwaysTheFullStopOnInputAndTheLocalesOnOutput)
{
    // With a comma locale "1.5" is still one and a half in both steps of the first pair.
    check({"commaLocale", {"1.5", "3", "", ""}, {{CurrentBox, "0,5"}, {ResistanceBox, "6"}}, {PowerBox, VoltageBox},
              Message::None},
        ",");
    check({"typedCommaStopsTheNumber", {"1,5", "2", "", ""}, {{CurrentBox, "0,5"}, {ResistanceBox, "4"}},
              {PowerBox, VoltageBox}, Message::None},
        ",");
}

TEST(PvirSolve, failuresKeepWhatWasWrittenAndChangeNothingElse)
{
    const Case cases[] = {
        {"nothingGiven", {"", "", "", ""}, {}, {}, Message::TooFewValues},
        {"oneGiven", {"", "5", "", ""}, {}, {}, Message::TooFewValues},
        {"zeroVoltageFailsAtOnce", {"5", "0", "", ""}, {}, {}, Message::BadValues},
        {"zeroPowerFailsInSecondStep", {"0", "5", "", ""}, {{CurrentBox, "0"}}, {}, Message::BadValues},
        {"negativeZeroShowsZero", {"0", "-5", "", ""}, {{CurrentBox, "0"}}, {}, Message::BadValues},
        {"blanksCountAsGivenAndReadAsZero", {"  ", "5", "", ""}, {{CurrentBox, "0"}}, {}, Message::BadValues},
        {"zeroPowerAndResistance", {"0", "", "", "0"}, {{VoltageBox, "0"}}, {}, Message::BadValues},
        {"negativeUnderRoot", {"-4", "", "", "1"}, {}, {}, Message::BadValues},
        {"negativeUnderSecondRoot", {"4", "", "", "-1"}, {}, {}, Message::BadValues},
        {"productOverflows", {"", "1e300", "1e300", ""}, {}, {}, Message::BadValues},
        {"squareOverflows", {"", "", "1e200", "1"}, {}, {}, Message::BadValues},
        {"quotientOverflows", {"1e300", "1e-300", "", ""}, {}, {}, Message::BadValues},
        {"zeroCurrentSquared", {"5", "", "0", ""}, {}, {}, Message::BadValues},
        {"numberBeyondDouble", {"1e400", "1", "", ""}, {}, {}, Message::BadValues},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(PvirSolve, noInputEverShowsInfinityNanOrNegativeZero)
{
    const std::string values[] = {"", "0", "-0", "1", "-1", "0.5", "1e300", "-1e300", "1e-300", "1e400", "abc", "-"};
    for (const auto& p : values)
        for (const auto& v : values)
            for (const auto& i : values)
                for (const auto& r : values) {
                    for (const ResultWrite& write : SolvePvir({p, v, i, r}, ".").results) {
                        const std::string& t = write.text;
                        EXPECT_TRUE(
                            t != "-0" && t.find("inf") == std::string::npos && t.find("nan") == std::string::npos)
                            << t << " from " << p << "|" << v << "|" << i << "|" << r;
                    }
                }
}

TEST(KeyFilter, acceptsOnlyWhatFormsAPlainNumber)
{
    const std::set<int> alwaysAccepted = {8, '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    for (int code = -2; code <= 300; ++code) {
        if (code == '-' || code == '.')
            continue;
        const bool expected = alwaysAccepted.count(code) > 0 || code < 0 || code > 255;
        EXPECT_EQ(AcceptsTypedCharacter(code, ""), expected) << code;
        EXPECT_EQ(AcceptsTypedCharacter(code, "1.5"), expected) << code;
    }
    struct Row {
        int code;
        const char* text;
        bool accepted;
    };
    const Row rows[] = {
        {'-', "", true},
        {'-', "5", false},
        {'-', "-", false},
        {'.', "", true},
        {'.', "12", true},
        {'.', "1.2", false},
        {'.', ".", false},
        {'.', "-3.", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(AcceptsTypedCharacter(row.code, row.text), row.accepted) << char(row.code) << " into " << row.text;
}
