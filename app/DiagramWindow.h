#pragma once

#include <QWidget>

namespace zentrova {

struct DiagramDescription;

// Shows the annotated reference schematic in Image1; no fields, no buttons.
class DiagramWindow : public QWidget {
public:
    explicit DiagramWindow(const DiagramDescription& description, QWidget* parent = nullptr);
};

}  // namespace zentrova
