#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zentrova {

// zentrova-calc --design FILE [--json] [--report OUT]: computes every window
// from the design's texts, in catalog order, each as its own compute action,
// and prints every window's fields, or writes the design's report to OUT.
int RunDesignMode(std::string_view file, bool json, std::optional<std::string_view> report, std::string& out,
                  std::string& err);

}  // namespace zentrova
