#pragma once

// What the benchmarks read about their own process, from the kernel on Linux and from the
// process API on Windows.
namespace ProcessReadings {

// CPU time of all threads, user and system, in seconds.
double cpuSeconds();

// Milliseconds since the process was created; -1 when it cannot be read.
double sinceStartMs();

// Resident memory (the working set on Windows) in KiB; -1 when it cannot be read.
long residentKiB();

} // namespace ProcessReadings
