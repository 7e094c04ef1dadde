#include "FormulaEvaluation.h"

#include "FieldTexts.h"
#include "ParseFieldValue.h"

#include <array>

namespace zentrova {
namespace {

int OperandCount(Operation operation)
{
    switch (operation) {
    case Operation::Field:
    case Operation::Constant:
        return 0;
    case Operation::Power:
    case Operation::Square:
    case Operation::ThroughText:
    case Operation::Define:
        return 1;
    case Operation::Add:
    case Operation::Subtract:
    case Operation::Multiply:
    case Operation::Divide:
        return 2;
    }
    return 0;
}

Number Apply(const FormulaNode& node, const FieldTexts& texts, double* stack, int& depth)
{
    switch (node.operation) {
    case Operation::Field:
        return Number::FromField(ParseFieldValue(texts.At(node.field)));
    case Operation::Constant:
        return Number(node.number);
    case Operation::Power:
        return Pow(Number(stack[--depth]), node.number);
    case Operation::Square: {
        const Number x(stack[--depth]);
        return x * x;
    }
    case Operation::ThroughText:
        return ThroughText(Number(stack[--depth]));
    case Operation::Define:
        return Number(stack[--depth]);
    default:
        break;
    }
    const Number right(stack[--depth]);
    const Number left(stack[--depth]);
    switch (node.operation) {
    case Operation::Add:
        return left + right;
    case Operation::Subtract:
        return left - right;
    case Operation::Multiply:
        return left * right;
    default:
        return left / right;
    }
}

}  // namespace

Number EvaluatePart(const Formula& formula, int last, const FieldTexts& texts)
{
    const auto nodes = formula.nodes();
    std::array<double, Formula::kCapacity> stack;
    int depth = 0;
    for (int i = PartStart(formula, last); i <= last; ++i) {
        double result = 0;
        try {
            // Pops the node's operands off the stack.
            result = Apply(nodes[static_cast<std::size_t>(i)], texts, stack.data(), depth).value();
        } catch (const ArithmeticFault& fault) {
            throw ArithmeticFault(fault.kind(), i);
        }
        stack[static_cast<std::size_t>(depth++)] = result;
    }
    return Number(stack[0]);
}

Number Evaluate(const Formula& formula, const FieldTexts& texts)
{
    return EvaluatePart(formula, formula.size() - 1, texts);
}

int PartStart(const Formula& formula, int last)
{
    const auto nodes = formula.nodes();
    int needed = 1;
    int i = last;
    for (; i >= 0; --i) {
        needed += OperandCount(nodes[static_cast<std::size_t>(i)].operation) - 1;
        if (needed == 0)
            break;
    }
    return i;
}

}  // namespace zentrova
