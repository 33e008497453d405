#include "platform/wide_text_win32.h"

#include <windows.h>

#include <utility>

namespace quillon::platform {

namespace {

std::optional<std::wstring> decode(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) {
        return std::wstring();
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::optional<std::string> encode(UINT codePage, DWORD flags, std::wstring_view wide,
                                  BOOL* usedDefault) {
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefault);
    if (length <= 0 || (usedDefault != nullptr && *usedDefault)) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr,
                          nullptr);
    return text;
}

}  // namespace

std::optional<std::wstring> toWide(std::string_view utf8) {
    return decode(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
}

std::string toUtf8(std::wstring_view wide) {
    return encode(CP_UTF8, 0, wide, nullptr).value_or(std::string());
}

std::optional<std::string> toAnsi(std::string_view utf8) {
    const std::optional<std::wstring> wide = toWide(utf8);
    if (!wide) {
        return std::nullopt;
    }
    // Where the ANSI code page is UTF-8 every character has its bytes, and
    // the system refuses the "default character used" question.
    if (::GetACP() == CP_UTF8) {
        return encode(CP_UTF8, WC_ERR_INVALID_CHARS, *wide, nullptr);
    }
    BOOL usedDefault = FALSE;
    return encode(CP_ACP, WC_NO_BEST_FIT_CHARS, *wide, &usedDefault);
}

std::optional<TextCharacter> firstOutsideAnsi(std::string_view utf8) {
    const TextCharacter undecodable{"\uFFFD", U'\uFFFD'};
    if (toAnsi(utf8)) {
        return std::nullopt;
    }
    const std::optional<std::wstring> wide = toWide(utf8);
    if (!wide) {
        return undecodable;
    }
    // One character at a time, a surrogate pair as one: the whole text
    // failed, and the user is told which character made it fail.
    for (std::size_t at = 0; at < wide->size();) {
        const bool pair = IS_HIGH_SURROGATE((*wide)[at]) && at + 1 < wide->size() &&
                          IS_LOW_SURROGATE((*wide)[at + 1]);
        const std::wstring_view character(wide->data() + at, pair ? 2 : 1);
        if (std::string text = toUtf8(character); !toAnsi(text)) {
            const char32_t code = pair ? 0x10000 + ((char32_t(character[0]) - 0xD800) << 10) +
                                             (char32_t(character[1]) - 0xDC00)
                                       : char32_t(character[0]);
            return TextCharacter{std::move(text), code};
        }
        at += character.size();
    }
    return undecodable;
}

std::string ansiToUtf8(std::string_view ansi) {
    return toUtf8(decode(CP_ACP, 0, ansi).value_or(std::wstring()));
}

}  // namespace quillon::platform
