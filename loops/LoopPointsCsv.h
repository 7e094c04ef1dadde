#pragma once

#include "LoopPoint.h"

#include <string>
#include <vector>

namespace zentrova {

// The shortest text that reads back to the same double, whatever the locale.
std::string RoundTripText(double value);

// The plotted points as CSV: the header frequency_hz,gain_db,phase_deg and
// one line per point. The command line and the plot window's export write it.
std::string LoopPointsCsv(const std::vector<LoopPoint>& points);

}  // namespace zentrova
