// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processstats.h"

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <time.h>

namespace quorvel {

namespace {

std::int64_t statusKib(const char *field)
{
    long long kib = 0;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const std::size_t length = std::strlen(field);
        while (std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
                std::sscanf(line + length + 1, "%lld", &kib);
                break;
            }
        }
        std::fclose(status);
    }
    return kib;
}

} // namespace

std::int64_t ProcessStats::residentBytes()
{
    return statusKib("VmRSS") * 1024;
}

std::int64_t ProcessStats::residentAnonymousBytes()
{
    return statusKib("RssAnon") * 1024;
}

// VmHWM rather than getrusage's ru_maxrss, which a process inherits across exec.
std::int64_t ProcessStats::peakResidentBytes()
{
    return statusKib("VmHWM") * 1024;
}

std::int64_t ProcessStats::cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto micros = [](const timeval &t) {
        return std::int64_t(t.tv_sec) * 1000000 + t.tv_usec;
    };
    return micros(usage.ru_utime) + micros(usage.ru_stime);
}

std::int64_t ProcessStats::monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double ProcessStats::median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double ProcessStats::percentile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = std::size_t(share * double(samples.size() - 1) + 0.5);
    return samples[std::min(index, samples.size() - 1)];
}

} // namespace quorvel
