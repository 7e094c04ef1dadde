#include "LoopPointsCsv.h"

#include <charconv>

namespace zentrova {

std::string RoundTripText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string LoopPointsCsv(const std::vector<LoopPoint>& points)
{
    std::string csv = "frequency_hz,gain_db,phase_deg\n";
    for (const LoopPoint& point : points)
        csv += RoundTripText(point.frequencyHz) + "," + RoundTripText(point.gainDb) + "," +
               RoundTripText(point.phaseDeg) + "\n";
    return csv;
}

}  // namespace zentrova
