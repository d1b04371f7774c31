#pragma once
// Gives the pages of freed memory back to the system. Loading a big history
// or building a big report frees many megabytes scattered among what stays;
// the allocator would otherwise keep those pages with the program all day.

namespace cvd::qt {

void ReleaseFreedMemory();

}  // namespace cvd::qt
