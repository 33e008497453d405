// Character counting and letter case on UTF-8 file names.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "files/code_points.h"

namespace quillon::files {
namespace {

TEST(CodePoints, CountsCharactersNotBytes) {
    struct Row {
        std::string text;
        std::size_t count;
        const char* what;
    };
    const std::vector<Row> rows = {
        {"", 0, "empty"},
        {"GAME.BIN", 8, "ASCII"},
        {"spiel-ä.bin", 11, "two-byte letter"},
        {"日本.bin", 6, "three-byte letters"},
        {"\xF0\x9F\x8E\xAE.a78", 5, "four-byte character"},
        {"a\x80z", 3, "stray continuation byte"},
        {"\xC0\xAF", 2, "overlong slash"},
        {"\xED\xA0\x80", 3, "encoded surrogate"},
        {"\xF4\x90\x80\x80", 4, "beyond the last code point"},
        {"ab\xE2\x82", 4, "sequence cut off at the end"},
        {"\xC3(", 2, "lead byte without its continuation"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(codePointCount(row.text), row.count) << row.what;
    }
}

TEST(CodePoints, LastAndAllButLastKeepCharactersWhole) {
    struct Row {
        std::string text;
        std::size_t count;
        std::string last;
        std::string rest;
    };
    const std::vector<Row> rows = {
        {"GAME.BIN", 4, ".BIN", "GAME"},
        {"abc", 4, "abc", ""},
        {".bin", 4, ".bin", ""},
        {"", 4, "", ""},
        {"spiel-ä.bin", 4, ".bin", "spiel-ä"},
        {"game.bïn", 4, ".bïn", "game"},
        {"ms.päc", 4, ".päc", "ms"},
        {"x.日本語", 4, ".日本語", "x"},
        {"\xF0\x9F\x8E\xAE\xF0\x9F\x8E\xAE", 1, "\xF0\x9F\x8E\xAE", "\xF0\x9F\x8E\xAE"},
        {"a\xFF" "bcd", 4, "\xFF" "bcd", "a"},
        {"GAME.BIN", 0, "", "GAME.BIN"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(lastCodePoints(row.text, row.count), row.last) << row.text;
        EXPECT_EQ(dropLastCodePoints(row.text, row.count), row.rest) << row.text;
    }
}

TEST(LetterCase, PairsOfEachScript) {
    struct Row {
        std::string small;
        std::string capital;
        const char* what;
    };
    const std::vector<Row> rows = {
        {"game-1.bin", "GAME-1.BIN", "ASCII"},
        {"àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ", "ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ", "Latin-1"},
        {"ÿ", "Ÿ", "y with diaeresis across blocks"},
        {"āčďęğĳłńőŋřšťůŷžźż", "ĀČĎĘĞĲŁŃŐŊŘŠŤŮŶŽŹŻ", "Latin Extended-A"},
        {"αβγδεζηθικλμνξοπρστυφχψω", "ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ", "Greek"},
        {"άέήίόύώϊϋ", "ΆΈΉΊΌΎΏΪΫ", "Greek with tonos and dialytika"},
        {"абвгдежзийклмнопрстуфхцчшщъыьэюя", "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "Cyrillic"},
        {"ѐёђѓєѕіїјљњћќѝўџ", "ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏ", "Cyrillic with marks"},
        {"ѣґӑӏ", "ѢҐӐӀ", "historic and extended Cyrillic"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(toUpper(row.small), row.capital) << row.what;
        EXPECT_EQ(toLower(row.capital), row.small) << row.what;
    }
}

TEST(LetterCase, WhatStaysAsItIs) {
    struct Row {
        std::string text;
        std::string upper;
        std::string lower;
        const char* what;
    };
    const std::vector<Row> rows = {
        {"ß×÷ĸŉ", "ß×÷ĸŉ", "ß×÷ĸŉ", "letters without a simple partner, and signs"},
        {"İıſ", "İıſ", "İıſ", "letters whose partner is ASCII"},
        {"ς", "Σ", "ς", "final sigma upper-cases like sigma"},
        {"日本 🎮", "日本 🎮", "日本 🎮", "scripts without case"},
        {"a\xFF" "b\xC0\xAF", "A\xFF" "B\xC0\xAF", "a\xFF" "b\xC0\xAF", "stray bytes"},
        {"ab\xE2\x82", "AB\xE2\x82", "ab\xE2\x82", "cut-off sequence"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(toUpper(row.text), row.upper) << row.what;
        EXPECT_EQ(toLower(row.text), row.lower) << row.what;
    }
}

std::string encoded(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Over every character the mapping covers: changing case and back returns
// the character, and nothing outside ASCII turns into ASCII, so a file name
// rule can never mistake a foreign letter for a plain one.
TEST(LetterCase, RoundTripsAndStaysInItsScript) {
    for (char32_t c = 1; c < 0x500; ++c) {
        const std::string text = encoded(c);
        const std::string upper = toUpper(text);
        const std::string lower = toLower(text);
        ::testing::ScopedTrace where(__FILE__, __LINE__, "code point " + std::to_string(c));
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
