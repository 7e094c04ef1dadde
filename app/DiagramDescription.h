#pragma once

#include <optional>
#include <string_view>

namespace zentrova {

// A window that only shows the reference schematic, at its natural size,
// shifted so that the part of interest is in view and clipped by the client area.
struct DiagramDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidthTwips;
    int clientHeightTwips;
    int imageLeftTwips;
    int imageTopTwips;
    // Top-left corner of the client area on the screen; the system places the
    // window when there is none.
    std::optional<std::pair<int, int>> screenPositionTwips;
};

// tu1 shows the schematic from its top edge, tu2 down to its bottom edge.
inline constexpr DiagramDescription kDiagramWindows[] = {
    {"tu1", "图1", 10395, 8625, 0, 0, std::pair{435, 330}},
    {"tu2", "图2", 10620, 8625, 240, -840, std::nullopt},
};

inline constexpr const char* kSchematicResource = ":/zentrova/schematic.jpg";

}  // namespace zentrova
