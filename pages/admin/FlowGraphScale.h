#pragma once

// The row of a paint box of height `height` at which the flow graph draws
// `value` on the scale lo..hi. Larger values are drawn higher. A value at or
// below lo is drawn as lo + 1, one at or above hi as hi - 1, and the row stays
// within 1..height - 1. A scale without span (hi <= lo) draws on the bottom row.
int FlowGraphScale(int value, int lo, int hi, int height);
