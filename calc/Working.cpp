#include "Working.h"

#include "FieldTexts.h"
#include "FloatBits.h"
#include "FormatResult.h"
#include "FormulaEvaluation.h"
#include "FormulaText.h"
#include "ParseFieldValue.h"
#include "WindowDescription.h"

#include <charconv>
#include <cmath>

namespace zentrova {
namespace {

std::vector<StandardValues> StandardValuesFor(PartKind part, const std::string& text)
{
    std::vector<StandardValues> standard;
    const double value = ParseFieldValue(text);
    for (const ESeries* series : SeriesFor(part)) {
        if (const std::optional<StandardValues> values = ChooseStandardValues(*series, value))
            standard.push_back(*values);
    }
    return standard;
}

std::string FieldLabel(const WindowDescription& window, int index)
{
    return "“" + std::string(window.fields[static_cast<std::size_t>(index)].labelText) + "”";
}

// Labels of the fields read by the part ending at `last` whose value is 0.
std::vector<std::string> ZeroInputs(const WindowDescription& window, const Formula& formula, int last,
                                    const FieldTexts& texts)
{
    std::vector<std::string> zeros;
    const auto nodes = formula.nodes();
    for (int i = PartStart(formula, last); i <= last; ++i) {
        const FormulaNode& node = nodes[static_cast<std::size_t>(i)];
        if (node.operation == Operation::Field && ParseFieldValue(texts.At(node.field)) == 0)
            zeros.push_back(FieldLabel(window, node.field));
    }
    return zeros;
}

std::string Joined(const std::vector<std::string>& parts)
{
    std::string joined;
    for (const std::string& part : parts)
        joined += (joined.empty() ? "" : "、") + part;
    return joined;
}

std::string DivisionByZeroReason(const WindowDescription& window, const Formula& formula, int node,
                                 const FieldTexts& texts, bool dividendZero)
{
    const FormulaNode& divisor = formula.nodes()[static_cast<std::size_t>(node - 1)];
    const std::string prefix = dividendZero ? "无效运算：0 除以 0，" : "";
    if (divisor.operation == Operation::Field)
        return prefix + "除数" + FieldLabel(window, divisor.field) + "为零。请检查输入是否为空或为 0。";
    const std::string part = RenderFormulaPart(window.fields, formula, node - 1);
    const std::vector<std::string> zeros = ZeroInputs(window, formula, node - 1, texts);
    if (zeros.empty())
        return prefix + "除数 " + part + " 为零（计算中下溢为零）。";
    return prefix + "除数 " + part + " 为零，因为 " + Joined(zeros) + " 为 0。请检查输入是否为空或为 0。";
}

std::string FaultReasonFor(const WindowDescription& window, const Formula& formula, const ComputeFault& fault,
                           const FieldTexts& texts)
{
    if (fault.node < 0) {
        return fault.kind == FaultKind::Overflow ? "结果溢出：它的文本超出了双精度数的范围，无法再读回。"
                                                 : "无效运算。";
    }
    const FormulaNode& node = formula.nodes()[static_cast<std::size_t>(fault.node)];
    switch (fault.kind) {
    case FaultKind::DivisionByZero:
        if (node.operation == Operation::Divide)
            return DivisionByZeroReason(window, formula, fault.node, texts, false);
        return "除数为零。请检查输入是否为空或为 0。";
    case FaultKind::Overflow:
        if (node.operation == Operation::Field)
            return FieldLabel(window, node.field) + "的数值溢出，超出了双精度数的范围。";
        return "数值溢出，超出了双精度数的范围。";
    case FaultKind::Invalid:
        if (node.operation == Operation::Divide)
            return DivisionByZeroReason(window, formula, fault.node, texts, true);
        if (node.operation == Operation::Power)
            return "无效运算：对负数 " + RenderFormulaPart(window.fields, formula, fault.node - 1) +
                   " 开平方或取非整数次幂。";
        return "无效运算。";
    }
    return "无效运算。";
}

ReferenceWorking ExplainReference(const WindowDescription& window, const ReferenceFormula& reference,
                                  const FieldTexts& texts)
{
    ReferenceWorking working;
    working.symbol = reference.symbol;
    working.working = RenderFormula(window.fields, reference.formula, &texts);
    working.unit = reference.unit.symbol;
    working.note = reference.note;
    working.part = reference.part;
    try {
        working.text = FormatResult(Evaluate(reference.formula, texts).value());
        working.standard = StandardValuesFor(reference.part, *working.text);
    } catch (const ArithmeticFault& fault) {
        working.failure = FaultReasonFor(window, reference.formula, ComputeFault{0, {}, fault.kind(), fault.node()},
                                           texts);
    }
    return working;
}

std::string DeviationText(double standard, double computed)
{
    const double percent = DeviationPercent(standard, computed);
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(percent), std::chars_format::fixed, 2).ptr;
    return std::string(percent < 0 ? "-" : "+") + std::string(buffer, end) + " %";
}

std::string WithUnit(const std::string& text, std::string_view unit)
{
    return unit.empty() ? text : text + " " + std::string(unit);
}

std::string StandardLines(const std::vector<StandardValues>& standard, const std::string& computedText,
                          std::string_view unit, std::string_view indent)
{
    const double computed = ParseFieldValue(computedText);
    std::string lines;
    for (const StandardValues& values : standard) {
        lines += std::string(indent) + std::string(values.series) + " 标准值：最接近 " +
                 WithUnit(ValueText(values.nearest), unit) + "（" + DeviationText(values.nearest, computed) +
                 "）；较小 " + WithUnit(ValueText(values.lower), unit) + "（" + DeviationText(values.lower, computed) +
                 "）；较大 " + WithUnit(ValueText(values.higher), unit) + "（" +
                 DeviationText(values.higher, computed) + "）\n";
    }
    return lines;
}

std::string FormulaLines(std::string_view symbol, const FormulaWorking& working, std::string_view indent,
                         const std::optional<std::string>& result, std::string_view unit)
{
    const std::string pad(indent);
    std::string lines = pad + std::string(symbol) + " = " + working.formula + "\n";
    if (!working.values.empty())
        lines += pad + "    = " + working.values + "\n";
    if (result)
        lines += pad + "    = " + WithUnit(*result, unit) + "\n";
    for (const Definition& d : working.where) {
        lines += pad + "  其中 " + d.symbol + "（" + d.meaning + "）= " + d.formula + " = " + d.values + " = " +
                 (d.value.empty() ? "?" : d.value) + "\n";
    }
    return lines;
}

}  // namespace

std::string ValueText(double value)
{
    if (IsNaN(value))
        return "?";
    if (!IsFinite(value))
        return value < 0 ? "-∞" : "∞";
    const std::string text = FormatResult(value);
    if (ParseFieldValue(text) == value)
        return text;
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string FaultReasonText(const WindowDescription& window, const ComputeFault& fault, const FieldTexts& texts)
{
    const ComputeStep& step = window.steps[static_cast<std::size_t>(fault.step - 1)];
    return FaultReasonFor(window, step.formula, fault, texts);
}

ComputeWorking ExplainComputeAction(const WindowDescription& window, FieldTexts& texts)
{
    ComputeWorking run;
    int number = 0;
    for (const ComputeStep& step : window.steps) {
        ++number;
        const FieldDescription& target = window.fields[static_cast<std::size_t>(step.targetIndex)];
        StepWorking working;
        working.step = number;
        working.description = &step;
        working.target = step.target;
        working.label = target.labelText;
        working.symbol = target.symbol;
        working.unit = target.unit.symbol;
        working.circuit = step.circuit;
        working.part = step.part;
        working.working = RenderFormula(window.fields, step.formula, &texts);
        try {
            RunStep(step, texts);
            working.text = texts.At(step.targetIndex);
            working.standard = StandardValuesFor(step.part, *working.text);
        } catch (const ArithmeticFault& fault) {
            run.fault = ComputeFault{number, step.target, fault.kind(), fault.node()};
            working.fault = run.fault;
            working.faultReason = FaultReasonFor(window, step.formula, *run.fault, texts);
        }
        run.steps.push_back(std::move(working));
        if (run.fault)
            break;
    }
    for (StepWorking& working : run.steps) {
        if (working.description->reference)
            working.reference = ExplainReference(window, *working.description->reference, texts);
    }
    return run;
}

std::string StepFormulaText(const WindowDescription& window, const ComputeStep& step)
{
    const std::string_view symbol = window.fields[static_cast<std::size_t>(step.targetIndex)].symbol;
    return std::string(symbol) + " = " + RenderFormula(window.fields, step.formula, nullptr).formula;
}

std::string StepWorkingText(const StepWorking& step)
{
    std::string text;
    if (!step.circuit.empty())
        text += "  " + std::string(step.circuit) + "\n";
    text += FormulaLines(step.symbol, step.working, "  ", step.text, step.unit);
    if (step.text)
        text += StandardLines(step.standard, *step.text, step.unit, "  ");
    else
        text += "  无法计算：" + step.faultReason + "\n";
    if (step.reference) {
        const ReferenceWorking& reference = *step.reference;
        text += "  与标准设计方法不同：" + std::string(reference.note) + "\n";
        text += "    标准设计方法：\n";
        text += FormulaLines(reference.symbol, reference.working, "    ", reference.text, reference.unit);
        if (reference.text)
            text += StandardLines(reference.standard, *reference.text, reference.unit, "    ");
        else
            text += "    无法计算：" + reference.failure + (step.text ? "窗口自己的结果不受影响。" : "") + "\n";
    }
    return text;
}

std::string ComputeWorkingText(const WindowDescription& window, const ComputeWorking& working)
{
    std::string text;
    bool roundsThroughText = false;
    for (const StepWorking& step : working.steps) {
        text += "第 " + std::to_string(step.step) + " 步：" + std::string(step.label) + "（" +
                std::string(step.target) + "）\n" + StepWorkingText(step);
        roundsThroughText = roundsThroughText || step.working.roundsThroughText ||
                            (step.reference && step.reference->working.roundsThroughText);
    }
    const std::size_t ran = working.steps.size();
    if (working.fault && ran + 1 == window.steps.size())
        text += "第 " + std::to_string(ran + 1) + " 步没有运行，它的结果保持原来的文本。\n";
    else if (working.fault && ran < window.steps.size())
        text += "第 " + std::to_string(ran + 1) + " 至 " + std::to_string(window.steps.size()) +
                " 步没有运行，它们的结果保持原来的文本。\n";
    if (roundsThroughText)
        text += "r15(x)：x 经其文本形式取 15 位有效数字。\n";
    return text;
}

bool ResultDependsOn(const WindowDescription& window, std::string_view output, std::string_view field)
{
    for (std::size_t s = 0; s < window.steps.size(); ++s) {
        const ComputeStep& step = window.steps[s];
        if (step.target != output)
            continue;
        for (const FormulaNode& node : step.formula.nodes()) {
            if (node.operation != Operation::Field)
                continue;
            if (node.name == field)
                return true;
            // A result read back: it depends on what that earlier step read.
            for (std::size_t e = 0; e < s; ++e) {
                if (window.steps[e].target == node.name && ResultDependsOn(window, node.name, field))
                    return true;
            }
        }
        return false;
    }
    return false;
}

}  // namespace zentrova
