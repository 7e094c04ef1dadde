#pragma once

#include "ResultFormat.h"

#include <span>

namespace zentrova {

class ChunkedOutput;
class FieldTexts;
class SweepAxis;

// One compute action per point of the cartesian product of the axes, the
// first axis varying slowest, each on a fresh copy of `base` with the
// point's texts written into the swept fields; results in order. A point
// that faults is a result like any other. Stops early only when the output
// fails.
void RunSweep(const FieldTexts& base, std::span<const SweepAxis> axes, ResultFormat format, ChunkedOutput& output);

}  // namespace zentrova
