#include "FormulaText.h"

#include "FieldTexts.h"
#include "FormulaEvaluation.h"
#include "ParseFieldValue.h"
#include "WindowDescription.h"
#include "Working.h"

#include <algorithm>

namespace zentrova {
namespace {

// One operand on the rendering stack: its text and whether it needs
// parentheses when it stands inside another operation.
struct Piece {
    std::string text;
    bool atomic = true;
};

std::string Wrapped(const Piece& piece)
{
    return piece.atomic ? piece.text : "(" + piece.text + ")";
}

std::string_view OperatorSign(Operation operation)
{
    switch (operation) {
    case Operation::Add:
        return " + ";
    case Operation::Subtract:
        return " − ";
    case Operation::Multiply:
        return " × ";
    default:
        return " ÷ ";
    }
}

// The rendering of one node from the pieces of its operands.
Piece Combine(const FormulaNode& node, std::vector<Piece>& stack)
{
    if (node.operation == Operation::Add || node.operation == Operation::Subtract ||
        node.operation == Operation::Multiply || node.operation == Operation::Divide) {
        const Piece right = std::move(stack.back());
        stack.pop_back();
        const Piece left = std::move(stack.back());
        stack.pop_back();
        return {Wrapped(left) + std::string(OperatorSign(node.operation)) + Wrapped(right), false};
    }
    const Piece operand = std::move(stack.back());
    stack.pop_back();
    switch (node.operation) {
    case Operation::Power:
        if (node.number == 0.5)
            return {"√" + Wrapped(operand), true};
        return {Wrapped(operand) + "^" + ValueText(node.number), true};
    case Operation::Square:
        return {Wrapped(operand) + "²", true};
    case Operation::ThroughText:
        return {"r15(" + operand.text + ")", true};
    default:
        return operand;
    }
}

class Renderer {
public:
    Renderer(std::span<const FieldDescription> fields, const Formula& formula, const FieldTexts* texts)
        : fields_(fields), formula_(formula), texts_(texts)
    {
    }

    FormulaWorking Render(int first, int last)
    {
        const auto nodes = formula_.nodes();
        for (int i = first; i <= last; ++i) {
            const FormulaNode& node = nodes[static_cast<std::size_t>(i)];
            switch (node.operation) {
            case Operation::Field:
                Leaf(std::string(fields_[static_cast<std::size_t>(node.field)].symbol),
                     ParseFieldValue(texts_ ? texts_->At(node.field) : std::string()));
                break;
            case Operation::Constant:
                Leaf(node.name.empty() ? ValueText(node.number) : std::string(node.name), node.number);
                break;
            case Operation::Define:
                Define(node, i);
                break;
            default:
                working_.roundsThroughText = working_.roundsThroughText || node.operation == Operation::ThroughText;
                symbols_.push_back(Combine(node, symbols_));
                values_.push_back(Combine(node, values_));
            }
        }
        working_.formula = symbols_.back().text;
        if (texts_)
            working_.values = values_.back().text;
        return std::move(working_);
    }

private:
    void Leaf(std::string symbol, double value)
    {
        symbols_.push_back({std::move(symbol), true});
        // A negative number inside an operation reads better in parentheses.
        values_.push_back({ValueText(value), !(value < 0)});
    }

    void Define(const FormulaNode& node, int last)
    {
        const int first = PartStart(formula_, last);
        std::string value;
        if (texts_) {
            try {
                value = ValueText(EvaluatePart(formula_, last, *texts_).value());
            } catch (const ArithmeticFault&) {
                value.clear();
            }
        }
        const std::string symbol(node.name);
        const bool known = std::any_of(working_.where.begin(), working_.where.end(),
                                       [&](const Definition& d) { return d.symbol == symbol; });
        if (!known) {
            FormulaWorking part = Renderer(fields_, formula_, texts_).Render(first, last - 1);
            // Definitions inside this one stand before it.
            for (Definition& inner : part.where) {
                if (std::none_of(working_.where.begin(), working_.where.end(),
                                 [&](const Definition& d) { return d.symbol == inner.symbol; }))
                    working_.where.push_back(std::move(inner));
            }
            working_.roundsThroughText = working_.roundsThroughText || part.roundsThroughText;
            working_.where.push_back({symbol, std::string(node.note), std::move(part.formula), std::move(part.values),
                                      value});
        }
        symbols_.pop_back();
        values_.pop_back();
        symbols_.push_back({symbol, true});
        values_.push_back({value.empty() ? "?" : value, !value.starts_with('-')});
    }

    std::span<const FieldDescription> fields_;
    const Formula& formula_;
    const FieldTexts* texts_;
    std::vector<Piece> symbols_;
    std::vector<Piece> values_;
    FormulaWorking working_;
};

}  // namespace

FormulaWorking RenderFormula(std::span<const FieldDescription> fields, const Formula& formula, const FieldTexts* texts)
{
    // A formula that is one definition as a whole is shown as what it defines.
    const int last = formula.size() - 1;
    const bool defined = formula.nodes()[static_cast<std::size_t>(last)].operation == Operation::Define;
    return Renderer(fields, formula, texts).Render(0, defined ? last - 1 : last);
}

std::string RenderFormulaPart(std::span<const FieldDescription> fields, const Formula& formula, int last)
{
    return Renderer(fields, formula, nullptr).Render(PartStart(formula, last), last).formula;
}

}  // namespace zentrova
