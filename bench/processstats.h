// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

// What the benchmarks read about their own process, and the statistics they print.
class ProcessStats {
public:
    // Resident and peak resident size (VmRSS, VmHWM of /proc/self/status), in bytes.
    static std::int64_t residentBytes();
    static std::int64_t peakResidentBytes();
    // The part of the resident size that is the process's own memory, not mapped files.
    static std::int64_t residentAnonymousBytes();
    // User plus system CPU time used so far, in microseconds.
    static std::int64_t cpuMicroseconds();
    // The system-wide monotonic clock, so that two processes can compare their readings.
    static std::int64_t monotonicNs();

    static double median(std::vector<double> samples);
    // The sample below which the given share of samples lies, e.g. 0.99.
    static double percentile(std::vector<double> samples, double share);
};

} // namespace quorvel
