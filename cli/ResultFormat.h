#pragma once

namespace zentrova {

// How sweeps and batches write their results: CSV, one header line and a
// row per compute action, or JSON Lines with one object per action.
enum class ResultFormat { Csv, Json };

}  // namespace zentrova
