#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zentrova {

struct FieldDescription;

enum class Operation : unsigned char {
    Field,        // the value of a field's text as the step runs
    Constant,     // a decimal number, standing for the double nearest to it
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,        // base ^ exponent, the exponent a number of the node
    Square,       // x × x
    ThroughText,  // x through its displayed form, rounded to 15 digits
    Define,       // names the value below it, for the working; changes nothing
};

// One node of a formula in postfix order: operands stand before the
// operation that applies them, so evaluating the nodes in order reads the
// operands strictly left to right as the formula is written.
struct FormulaNode {
    Operation operation = Operation::Constant;
    std::string_view name;  // Field: control name; Define: symbol; Constant: symbol or empty
    double number = 0;      // Constant: value; Power: exponent
    std::string_view note;  // Constant: why it has this value; Define: what it is
    int field = -1;         // Field: index in the window's fields
};

// A formula written once as data: the same object evaluates a step and
// explains it, in symbols and with the values of a run. Built at compile
// time with the operators below from named inputs and named constants; a
// formula of more than kCapacity nodes, or one that names a field the
// window does not have, does not compile.
class Formula {
public:
    static constexpr int kCapacity = 48;

    constexpr Formula() = default;

    constexpr std::span<const FormulaNode> nodes() const { return {nodes_.data(), static_cast<std::size_t>(size_)}; }
    constexpr int size() const { return size_; }

    // A field of the window whose fields are given; control must be one of them.
    static constexpr Formula Read(std::span<const FieldDescription> fields, std::string_view control);
    static constexpr Formula Literal(double value, std::string_view note, std::string_view symbol = {})
    {
        return Leaf({Operation::Constant, symbol, value, note, -1});
    }
    static constexpr Formula Unary(Operation operation, const Formula& operand, double number = 0,
                                   std::string_view name = {}, std::string_view note = {})
    {
        Formula f = operand;
        f.Push({operation, name, number, note, -1});
        return f;
    }
    static constexpr Formula Binary(Operation operation, const Formula& left, const Formula& right)
    {
        Formula f = left;
        for (const FormulaNode& node : right.nodes())
            f.Push(node);
        f.Push({operation, {}, 0, {}, -1});
        return f;
    }

    static constexpr Formula Leaf(FormulaNode node)
    {
        Formula f;
        f.Push(node);
        return f;
    }
private:
    constexpr void Push(const FormulaNode& node)
    {
        if (size_ == kCapacity)
            throw "formula too long: raise Formula::kCapacity";
        nodes_[static_cast<std::size_t>(size_++)] = node;
    }

    std::array<FormulaNode, kCapacity> nodes_{};
    int size_ = 0;
};

// A named constant: its value, why it has that value, and, where it stands
// for a quantity of its own (√2, π), the symbol the working shows for it.
constexpr Formula Constant(double value, std::string_view note, std::string_view symbol = {})
{
    return Formula::Literal(value, note, symbol);
}

constexpr Formula operator+(const Formula& a, const Formula& b) { return Formula::Binary(Operation::Add, a, b); }
constexpr Formula operator-(const Formula& a, const Formula& b) { return Formula::Binary(Operation::Subtract, a, b); }
constexpr Formula operator*(const Formula& a, const Formula& b) { return Formula::Binary(Operation::Multiply, a, b); }
constexpr Formula operator/(const Formula& a, const Formula& b) { return Formula::Binary(Operation::Divide, a, b); }

// base ^ exponent; a fractional power of a negative base is invalid.
constexpr Formula Power(const Formula& base, double exponent)
{
    return Formula::Unary(Operation::Power, base, exponent);
}
// The correctly rounded square root, base ^ 0.5.
constexpr Formula Sqrt(const Formula& x) { return Power(x, 0.5); }
constexpr Formula Square(const Formula& x) { return Formula::Unary(Operation::Square, x); }
// The value passed through its text form, as a step does that rounds an
// intermediate value to the 15 digits a field would show.
constexpr Formula AsDisplayed(const Formula& x) { return Formula::Unary(Operation::ThroughText, x); }
// Gives a part of a formula a symbol of its own, defined beside the formula
// when it is explained.
constexpr Formula Define(std::string_view symbol, std::string_view meaning, const Formula& x)
{
    return Formula::Unary(Operation::Define, x, 0, symbol, meaning);
}

}  // namespace zentrova
