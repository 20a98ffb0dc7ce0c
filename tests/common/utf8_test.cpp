#include "common/utf8.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <tuple>

using namespace common;

TEST(Utf8, eachSequenceIsReadStrictlyAndWrittenBackAsItWas)
{
    // One sequence per row: the code point it stands for, or nothing when it is malformed.
    const std::tuple<const char*, std::string_view, std::optional<char32_t>> rows[] = {
        {"ascii", "/", U'/'},
        {"smallestOfTwoBytes", "\xC2\x80", U'\u0080'},
        {"twoBytes", "\xC3\xB1", U'\u00F1'},
        {"smallestOfThreeBytes", "\xE0\xA0\x80", U'\u0800'},
        {"lastBeforeTheSurrogates", "\xED\x9F\xBF", U'\uD7FF'},
        {"threeBytes", "\xE2\x82\xAC", U'\u20AC'},
        {"fourBytes", "\xF0\x9F\x98\x80", U'\U0001F600'},
        {"largest", "\xF4\x8F\xBF\xBF", U'\U0010FFFF'},
        {"overlongSlashInTwo", "\xC0\xAF", std::nullopt},
        {"overlongSlashInThree", "\xE0\x80\xAF", std::nullopt},
        {"overlongInFour", "\xF0\x80\x80\x80", std::nullopt},
        {"surrogate", "\xED\xA0\x80", std::nullopt},
        {"beyondTheLargest", "\xF4\x90\x80\x80", std::nullopt},
        {"leadBeyondF4", "\xF5\x80\x80\x80", std::nullopt},
        {"strayContinuation", "\x80", std::nullopt},
        {"asciiForAContinuation", "\xC3\x41", std::nullopt},
        {"cutByTheEndOfTheText", "\xE2\x82", std::nullopt},
        // The bytes go on in memory, but the text ends before the sequence does.
        {"cutByTheEndOfTheView", std::string_view("\xE2\x82\xAC", 2), std::nullopt},
    };
    for (const auto& [name, bytes, codePoint] : rows) {
        SCOPED_TRACE(name);
        const std::optional<CodePoint> decoded = DecodeUtf8(bytes);
        EXPECT_EQ(decoded ? std::optional(decoded->value) : std::nullopt, codePoint);
        EXPECT_EQ(IsValidUtf8(bytes), codePoint.has_value());
        std::string written;
        if (codePoint)
            AppendUtf8(written, *codePoint);
        EXPECT_EQ(written, codePoint ? bytes : "");
    }
}
