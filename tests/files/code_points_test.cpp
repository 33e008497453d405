// Character counting and letter case on UTF-8 file names.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "files/code_points.h"

namespace quillon::files {
namespace {

// Catches bytes counted as characters, and a bad sequence not counted one byte each.
TEST(CodePoints, CountAndCutWholeCharacters) {
    const struct {
        std::string text;
        std::size_t count;
        std::string last4, rest;
    } rows[] = {
        {"", 0, "", ""}, {"GAME.BIN", 8, ".BIN", "GAME"},
        {"abc", 3, "abc", ""}, {".bin", 4, ".bin", ""},
        {"spiel-ä.bin", 11, ".bin", "spiel-ä"}, {"game.bïn", 8, ".bïn", "game"},
        {"x.日本語", 5, ".日本語", "x"}, {"a\xF0\x9F\x8E\xAE.a7", 5, "\xF0\x9F\x8E\xAE.a7", "a"},
        {"a\x80z", 3, "a\x80z", ""}, {"\xC0\xAF\xE0\x80\xAF", 5, "\xAF\xE0\x80\xAF", "\xC0"},
        {"\xED\xA0\x80", 3, "\xED\xA0\x80", ""}, {"\xF4\x90\x80\x80", 4, "\xF4\x90\x80\x80", ""},
        {"\xC3(ab\xE2\x82", 6, "ab\xE2\x82", "\xC3("}, {"a\xFF" "bcd", 5, "\xFF" "bcd", "a"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(codePointCount(row.text), row.count);
        EXPECT_EQ(lastCodePoints(row.text, 4), row.last4);
        EXPECT_EQ(dropLastCodePoints(row.text, 4), row.rest);
    }
    EXPECT_EQ(lastCodePoints("GAME.BIN", 0), "");
    EXPECT_EQ(dropLastCodePoints("GAME.BIN", 0), "GAME.BIN");
}

// Catches a letter not mapped both ways, and a sign, uncased or ASCII-partnered letter changed.
TEST(LetterCase, PairsOfEachScript) {
    const struct {
        std::string small, capital;
    } rows[] = {
        {"game-1.bin", "GAME-1.BIN"},
        {"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþÿ", "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŸ"},
        {"āčďęğĳłńőŋřšťůŷžźż", "ĀČĎĘĞĲŁŃŐŊŘŠŤŮŶŽŹŻ"},
        {"αβγδεζηθικλμνξοπρστυφχψωάέήίόύώϊϋ", "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩΆΈΉΊΌΎΏΪΫ"},
        {"абвгдежзийклмнопрстуфхцчшщъыьэюя", "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"},
        {"ѐёђѓєѕіїјљњћќѝўџѣґӑӏ", "ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏѢҐӐӀ"},
        {"ß×÷ĸŉİıſ日本 🎮", "ß×÷ĸŉİıſ日本 🎮"},
        {"a\xFF" "b\xC0\xAF" "c\xE2\x82", "A\xFF" "B\xC0\xAF" "C\xE2\x82"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(toUpper(row.small), row.capital) << row.small;
        EXPECT_EQ(toLower(row.capital), row.small) << row.capital;
    }
    EXPECT_EQ(toUpper("ς") + toLower("ς"), "Σς");
}

// Catches, up to U+04FF, a case change that does not return, or turns a letter into ASCII.
TEST(LetterCase, RoundTripsAndStaysInItsScript) {
    for (char32_t c = 1; c < 0x500; ++c) {
        const bool ascii = c < 0x80;
        const char bytes[] = {static_cast<char>(ascii ? c : 0xC0 | (c >> 6)),
                              static_cast<char>(0x80 | (c & 0x3F))};
        const std::string text(bytes, ascii ? 1 : 2);
        const std::string upper = toUpper(text), lower = toLower(text);
        SCOPED_TRACE("code point " + std::to_string(c));
        if (upper != text && c != U'ς') {
            EXPECT_EQ(toLower(upper), text);
        }
        if (lower != text) {
            EXPECT_EQ(toUpper(lower), text);
        }
        if (c >= 0x80) {
            EXPECT_GE(static_cast<unsigned char>(upper[0]), 0x80);
            EXPECT_GE(static_cast<unsigned char>(lower[0]), 0x80);
        }
    }
}

}  // namespace
}  // namespace quillon::files
