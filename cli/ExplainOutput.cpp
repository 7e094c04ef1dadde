#include "ExplainOutput.h"

#include "JsonText.h"
#include "calc/ParseFieldValue.h"

#include <charconv>

namespace zentrova {
namespace {

// The shortest text that reads back as the same double: a JSON number.
std::string JsonNumber(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string_view PartName(PartKind part)
{
    switch (part) {
    case PartKind::Resistor:
        return "resistor";
    case PartKind::Capacitor:
        return "capacitor";
    case PartKind::Inductor:
        return "inductor";
    case PartKind::None:
        break;
    }
    return {};
}

std::string PartJson(PartKind part)
{
    return part == PartKind::None ? "null" : JsonString(PartName(part));
}

std::string StandardJson(PartKind part, const std::vector<StandardValues>& standard, const std::string* text)
{
    if (part == PartKind::None || standard.empty() || !text)
        return "null";
    const double computed = ParseFieldValue(*text);
    std::string json = "{";
    for (const StandardValues& values : standard) {
        if (json.size() > 1)
            json += ", ";
        json += JsonString(values.series) + ": {\"nearest\": " + JsonNumber(values.nearest) +
                ", \"lower\": " + JsonNumber(values.lower) + ", \"higher\": " + JsonNumber(values.higher) +
                ", \"deviation_percent\": " + JsonNumber(DeviationPercent(values.nearest, computed)) +
                ", \"lower_deviation_percent\": " + JsonNumber(DeviationPercent(values.lower, computed)) +
                ", \"higher_deviation_percent\": " + JsonNumber(DeviationPercent(values.higher, computed)) + "}";
    }
    return json + "}";
}

std::string WhereJson(const std::vector<Definition>& where)
{
    std::string json = "[";
    for (const Definition& d : where) {
        if (json.size() > 1)
            json += ", ";
        json += "{\"symbol\": " + JsonString(d.symbol) + ", \"formula\": " + JsonString(d.formula) +
                ", \"values\": " + JsonString(d.values) + ", \"value\": " +
                (d.value.empty() ? "null" : JsonString(d.value)) + "}";
    }
    return json + "]";
}

std::string ReferenceJson(const std::optional<ReferenceWorking>& reference)
{
    if (!reference)
        return "null";
    const ReferenceWorking& r = *reference;
    return "{\"symbol\": " + JsonString(r.symbol) + ", \"formula\": " + JsonString(r.working.formula) +
           ", \"values\": " + JsonString(r.working.values) + ", \"where\": " + WhereJson(r.working.where) +
           ", \"value\": " + (r.text ? JsonNumber(ParseFieldValue(*r.text)) : "null") +
           ", \"text\": " + (r.text ? JsonString(*r.text) : "null") + ", \"unit\": " + JsonString(r.unit) +
           ", \"note\": " + JsonString(r.note) + ", \"failure\": " + (r.text ? "null" : JsonString(r.failure)) +
           ", \"part\": " + PartJson(r.part) + ", \"standard\": " +
           StandardJson(r.part, r.standard, r.text ? &*r.text : nullptr) + "}";
}

}  // namespace

std::string StepsJson(const ComputeWorking& working)
{
    std::string json = "[";
    for (const StepWorking& step : working.steps) {
        if (json.size() > 1)
            json += ", ";
        json += "{\"step\": " + std::to_string(step.step) + ", \"target\": " + JsonString(step.target) +
                ", \"symbol\": " + JsonString(step.symbol) + ", \"circuit\": " + JsonString(step.circuit) +
                ", \"formula\": " + JsonString(step.working.formula) + ", \"values\": " +
                JsonString(step.working.values) + ", \"text\": " + (step.text ? JsonString(*step.text) : "null") +
                ", \"unit\": " + JsonString(step.unit) + ", \"fault\": " +
                (step.fault ? "{\"kind\": " + JsonString(FaultKindName(step.fault->kind)) +
                                  ", \"reason\": " + JsonString(step.faultReason) + "}"
                            : std::string("null")) +
                ", \"part\": " + PartJson(step.part) + ", \"standard\": " +
                StandardJson(step.part, step.standard, step.text ? &*step.text : nullptr) +
                ", \"reference\": " + ReferenceJson(step.reference) + "}";
    }
    return json + "]";
}

}  // namespace zentrova
