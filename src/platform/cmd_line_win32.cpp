#include "platform/cmd_line_win32.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "platform/field_names.h"
#include "platform/wide_text_win32.h"

namespace quillon::platform {

namespace {

// Characters cmd.exe cannot be told to take literally, even inside quotes:
// it expands %VAR% everywhere and !VAR! where delayed expansion is on (a
// registry setting may turn it on), a double quote flips its quoting state,
// and a line break ends the command. None can be escaped reliably.
std::optional<std::string> unpassable(char character) {
    switch (character) {
        case '"':
            return "a double quote (\")";
        case '%':
            return "a percent sign (%)";
        case '!':
            return "an exclamation mark (!)";
        case '\r':
        case '\n':
            return "a line break";
        default:
            break;
    }
    const auto code = static_cast<unsigned char>(character);
    if (code < 0x20 || code == 0x7F) {
        return "a control character";
    }
    return std::nullopt;
}

std::string refusal(const std::string& field, const std::string& what) {
    return "The " + field + " holds " + what +
           ", which the Windows command interpreter cannot pass to cartpipe unchanged. "
           "Remove it and try again.";
}

// The character by its look and its number: a look-alike cannot be told
// from what it imitates by its look alone.
std::string describe(const TextCharacter& character) {
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(character.code));
    return "the character " + character.text + " (" + number + ")";
}

std::optional<std::string> firstUnpassable(std::string_view text) {
    for (char character : text) {
        if (std::optional<std::string> what = unpassable(character)) {
            return what;
        }
    }
    // The tool gets its arguments converted to the ANSI code page, where a
    // character it lacks becomes a look-alike: "ｘ" an "x" (another file),
    // "＂" a quote that splits the field, "－" a dash that makes a path an
    // option.
    if (const std::optional<TextCharacter> outside = firstOutsideAnsi(text)) {
        return describe(*outside);
    }
    return std::nullopt;
}

// Text made only of these reaches the tool unchanged without quotes, so the
// usual fields (tokens, hex values, cartridge codes) stand exactly as in the
// preview line.
bool isPlain(std::string_view text) {
    for (char character : text) {
        const bool letterOrDigit = (character >= 'A' && character <= 'Z') ||
                                   (character >= 'a' && character <= 'z') ||
                                   (character >= '0' && character <= '9');
        if (!letterOrDigit &&
            std::string_view("-_.:\\/+").find(character) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// Inside double quotes cmd.exe takes & | < > ^ ( ) and blanks literally, and
// a batch file gets the argument whole. The tool's runtime reads backslashes
// before the closing quote as escapes of it, so those are doubled.
std::string quoted(std::string_view text) {
    std::string result = "\"";
    result += text;
    const std::size_t lastOther = text.find_last_not_of('\\');
    const std::size_t trailing =
        lastOther == std::string_view::npos ? text.size() : text.size() - lastOther - 1;
    result.append(trailing, '\\');
    result += '"';
    return result;
}

// The interpreter's own word, quoted where it holds a blank so that it
// stays one word.
std::string interpreterWord(std::string_view interpreter) {
    return interpreter.find(' ') == std::string_view::npos ? std::string(interpreter)
                                                           : quoted(interpreter);
}

bool isCommandCom(std::string_view interpreter) {
    constexpr std::string_view name = "\\command.com";
    if (interpreter.size() < name.size()) {
        return false;
    }
    const std::string_view end = interpreter.substr(interpreter.size() - name.size());
    for (std::size_t at = 0; at < name.size(); ++at) {
        const char lower = end[at] >= 'A' && end[at] <= 'Z' ? char(end[at] - 'A' + 'a') : end[at];
        if (lower != name[at]) {
            return false;
        }
    }
    return true;
}

// cmd.exe reads at most 8191 characters of a line and runs nothing of a
// longer one; a DOS program such as command.com is handed at most 127
// characters after its name. Either way nothing would start and nothing
// would say so.
std::string tooLong(std::string_view interpreter, const std::string& word,
                    const std::string& line) {
    const bool dos = isCommandCom(interpreter);
    const std::size_t longest = dos ? 127 : 8191;
    const std::string_view counted =
        dos ? std::string_view(line).substr(word.size()) : std::string_view(line);
    const std::size_t length = toWide(counted).value_or(std::wstring()).size();
    if (length <= longest) {
        return {};
    }
    return "The command line for cartpipe is too long: " + std::to_string(length) +
           " characters, where " +
           (dos ? std::string("command.com takes at most 127 after its own name")
                : std::string("the Windows command interpreter takes at most 8191")) +
           ". Shorten the file path or the other fields and try again.";
}

}  // namespace

CmdFields cmdFields(const command::TransferCommand& command) {
    CmdFields passed;
    for (std::size_t index = 0; index < command.options.size(); ++index) {
        const std::string& field = command.options[index];
        if (std::optional<std::string> what = firstUnpassable(field)) {
            return {{}, refusal(optionFieldName(command, index), *what)};
        }
        passed.fields.options.push_back(isPlain(field) ? field : quoted(field));
    }
    if (std::optional<std::string> what = firstUnpassable(command.file)) {
        return {{}, refusal(std::string(kFileArgumentName), *what)};
    }
    passed.fields.file = quoted(command.file);
    return passed;
}

InterpreterLine interpreterLine(std::string_view interpreter, AfterTool after,
                                const command::TransferCommand& command) {
    CmdFields passed = cmdFields(command);
    if (!passed.refusal.empty()) {
        return {{}, std::move(passed.refusal)};
    }
    const std::string word = interpreterWord(interpreter);
    // "/d" leaves out the AutoRun commands a user may have set up for
    // interactive prompts, whose output would be mistaken for the tool's;
    // "/c" ends with the tool and passes its exit status on.
    const std::string_view switches = after == AfterTool::Stay ? " /k " : " /d /c ";
    std::string line =
        command::joinLine(word + std::string(switches) + std::string(command::kPreviewPrefix),
                          passed.fields, passed.fields.file);
    if (std::string refusal = tooLong(interpreter, word, line); !refusal.empty()) {
        return {{}, std::move(refusal)};
    }
    return {std::move(line), {}};
}

}  // namespace quillon::platform
