#include "SameQuantity.h"

#include "WindowCatalog.h"
#include "calc/UnitConversion.h"
#include "calc/WindowDescription.h"

namespace zentrova {

std::vector<QuantityHolder> FieldsHoldingTheSameQuantity(const WindowDescription& window, std::string_view control)
{
    std::vector<QuantityHolder> holders;
    const FieldDescription* source = window.FindField(control);
    if (!source || source->quantity == Quantity::None)
        return holders;
    for (const WindowDescription* other : CalculationWindows()) {
        if (other == &window)
            continue;
        for (const FieldDescription& field : other->fields) {
            if (field.quantity == source->quantity && ConversionFactor(source->unit, field.unit))
                holders.push_back({other, &field, !(field.unit == source->unit)});
        }
    }
    return holders;
}

}  // namespace zentrova
