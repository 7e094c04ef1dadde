#include "JsonCase.h"

#include "LineText.h"
#include "Utf8Sequence.h"
#include "catalog/WindowCatalog.h"
#include "calc/WindowDescription.h"

#include <nlohmann/json.hpp>

namespace zentrova {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// The JSON parser takes only UTF-8; the texts carry what is not as U+FFFD.
std::string ValidUtf8(std::string_view text)
{
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            valid.push_back(text[i++]);
        } else if (const std::size_t length = Utf8SequenceLength(text, i)) {
            valid.append(text, i, length);
            i += length;
        } else {
            valid += kReplacementCharacter;
            ++i;
        }
    }
    return valid;
}

// The parser's message without its "[json.exception.parse_error.101] " tag.
std::string ParseMessage(const nlohmann::json::parse_error& failure)
{
    const std::string_view what = failure.what();
    const std::size_t tag = what.find("] ");
    return std::string(tag == std::string_view::npos ? what : what.substr(tag + 2));
}

}  // namespace

bool ReadJsonCase(std::string_view line, const WindowDescription* batchWindow, JsonCase& result, std::string& error)
{
    nlohmann::json object;
    try {
        object = nlohmann::json::parse(ValidUtf8(line));
    } catch (const nlohmann::json::parse_error& failure) {
        error = "not JSON: " + ParseMessage(failure);
        return false;
    }
    if (!object.is_object()) {
        error = "not a JSON object";
        return false;
    }
    for (const auto& [key, value] : object.items()) {
        if (key != "window" && key != "fields") {
            error = "unknown member " + QuotedArgument(key) + " (expected \"window\" and \"fields\")";
            return false;
        }
    }

    result.window = batchWindow;
    result.texts.clear();
    if (const auto window = object.find("window"); window != object.end()) {
        if (!window->is_string()) {
            error = "\"window\" is not a string";
            return false;
        }
        const std::string& name = window->get_ref<const std::string&>();
        result.window = FindCalculationWindow(name);
        if (!result.window) {
            error = "unknown window " + QuotedArgument(name);
            return false;
        }
        if (batchWindow && result.window != batchWindow) {
            error = "window " + QuotedArgument(name) + " is not the batch's window " + std::string(batchWindow->name);
            return false;
        }
    }
    if (!result.window) {
        error = "no window given";
        return false;
    }

    const auto fields = object.find("fields");
    if (fields == object.end())
        return true;
    if (!fields->is_object()) {
        error = "\"fields\" is not an object";
        return false;
    }
    for (const auto& [control, text] : fields->items()) {
        const int index = result.window->FieldIndex(control);
        if (index < 0) {
            error = "window " + std::string(result.window->name) + " has no field " + QuotedArgument(control);
            return false;
        }
        if (!text.is_string()) {
            error = "the text of " + control + " is not a JSON string";
            return false;
        }
        result.texts.emplace_back(index, text.get<std::string>());
    }
    return true;
}

}  // namespace zentrova
