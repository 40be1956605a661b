#pragma once

#include "model/component_record.h"
#include "model/design.h"

namespace korvane {

class DesignChanges;

// Exact equality: every text byte and whole number alike, every double the same
// bit pattern (so 0 and -0 differ, and a NaN equals the same NaN). The defaulted
// operator== of the records compares doubles by value and cannot tell whether a
// recalculation changed anything at all.
bool BitwiseEqual(const ComponentRecord& a, const ComponentRecord& b);

// Every table entry, both design-wide records, every working value and problem
// text, and the changed mark.
bool BitwiseEqual(const Design& a, const Design& b);

// Makes `copy` bitwise equal to `design` and returns whether it was not: one
// walk over both that writes only the entries and values that differ, so
// keeping up with a design that changes little costs about a comparison.
// Each part it overwrites is kept in `kept`, when given, as it was.
bool CopyDifferences(Design& copy, const Design& design, DesignChanges* kept = nullptr);

}  // namespace korvane
