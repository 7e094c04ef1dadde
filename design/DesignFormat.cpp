#include "DesignFormat.h"

#include "calc/WindowDescription.h"
#include "catalog/WindowCatalog.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace zentrova {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kIndent = 2;

DesignProblem Problem(DesignProblemKind kind, std::string detail = {})
{
    return {kind, std::move(detail)};
}

std::optional<DesignProblem> CheckHeader(const Json& root)
{
    if (!root.is_object())
        return Problem(DesignProblemKind::NotDesign);
    const auto format = root.find("format");
    if (format == root.end() || !format->is_string() || format->get<std::string>() != kDesignFormatName)
        return Problem(DesignProblemKind::NotDesign, "format");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer())
        return Problem(DesignProblemKind::BadVersion);
    if (version->is_number_unsigned() && version->get<std::uint64_t>() > kDesignFormatVersion)
        return Problem(DesignProblemKind::LaterVersion, version->dump());
    if (version->get<std::int64_t>() != kDesignFormatVersion)
        return Problem(DesignProblemKind::BadVersion, version->dump());
    const auto windows = root.find("windows");
    if (windows == root.end() || !windows->is_object())
        return Problem(DesignProblemKind::NotDesign, "windows");
    return std::nullopt;
}

// The windows in catalog order, whatever order the file lists them in.
void SortInCatalogOrder(Design& design)
{
    const auto catalog = CalculationWindows();
    const auto rank = [&](const DesignWindow& window) {
        return std::find(catalog.begin(), catalog.end(), window.window) - catalog.begin();
    };
    std::stable_sort(design.windows.begin(), design.windows.end(),
                     [&](const DesignWindow& a, const DesignWindow& b) { return rank(a) < rank(b); });
}

}  // namespace

std::string WriteDesignJson(const Design& design)
{
    Json windows = Json::object();
    for (const DesignWindow& window : design.windows) {
        Json fields = Json::object();
        for (const DesignText& text : window.texts)
            fields[std::string(text.control)] = text.text;
        windows[std::string(window.window->name)] = std::move(fields);
    }
    Json root = Json::object();
    root["format"] = kDesignFormatName;
    root["version"] = kDesignFormatVersion;
    root["windows"] = std::move(windows);
    return root.dump(kIndent, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::variant<Design, DesignProblem> ParseDesignJson(std::string_view json)
{
    if (json.empty())
        return Problem(DesignProblemKind::NotJson);
    Json root;
    try {
        root = Json::parse(json.begin(), json.end());
    } catch (const Json::parse_error& error) {
        // The parser stops one byte past the end when the text breaks off.
        if (error.byte > json.size())
            return Problem(DesignProblemKind::Truncated, std::to_string(json.size()));
        return Problem(DesignProblemKind::NotJson, std::to_string(error.byte));
    } catch (const Json::out_of_range&) {
        // A number beyond the double range, such as 1e999.
        return Problem(DesignProblemKind::NumberOutOfRange);
    }
    if (std::optional<DesignProblem> problem = CheckHeader(root))
        return *problem;

    Design design;
    for (const auto& [name, fields] : root["windows"].items()) {
        const WindowDescription* window = FindCalculationWindow(name);
        if (!window) {
            design.skipped.push_back(name);
            continue;
        }
        if (!fields.is_object())
            return Problem(DesignProblemKind::NotDesign, "windows." + name);
        DesignWindow named{window, {}};
        for (const auto& [control, text] : fields.items()) {
            const FieldDescription* field = window->FindField(control);
            if (!field) {
                design.skipped.push_back(name + "." + control);
                continue;
            }
            if (!text.is_string())
                return Problem(DesignProblemKind::NotAText, name + "." + control);
            named.texts.push_back({field->control, text.get<std::string>()});
        }
        design.windows.push_back(std::move(named));
    }
    SortInCatalogOrder(design);
    return design;
}

}  // namespace zentrova
