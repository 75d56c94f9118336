// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, memory and the big passage file, each in fresh processes.
//
// Runs the start-up probe (Quorvel's own start-up) and the bare Qt program alternately, timing
// each from just before it is forked to the first paint of its window, as the probe reports it
// on the shared monotonic clock. The probes also report their resident memory at that moment.
// Then the start-up probe reads a generated file of 32,767 passages of 1,000 characters, and
// reports its load time and peak memory, against the bare program's peak.
//
// Prints "figure <name> <value>" lines for bench/run, after a readable account.
#include "processstats.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using quorvel::ProcessStats;

namespace {

constexpr double kMiB = 1024.0 * 1024.0;
constexpr int kBigCount = 32767;
constexpr int kBigLength = 1000;

struct ProbeRun {
    double startMs = 0;
    std::map<std::string, double> figures;
};

std::string programDir()
{
    char path[4096];
    const ssize_t size = readlink("/proc/self/exe", path, sizeof path - 1);
    if (size <= 0)
        return ".";
    const std::string exe(path, std::size_t(size));
    return exe.substr(0, exe.rfind('/'));
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(got));
    return text;
}

ProbeRun runProbe(const std::string &exe, const std::string &argument = std::string())
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    const long long began = ProcessStats::monotonicNs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (argument.empty())
            execl(exe.c_str(), exe.c_str(), nullptr);
        else
            execl(exe.c_str(), exe.c_str(), argument.c_str(), nullptr);
        _exit(127);
    }
    close(out[1]);
    const std::string text = readAll(out[0]);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    ProbeRun run;
    auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    run.figures["cpu_ms"] = ms(usage.ru_utime) + ms(usage.ru_stime);
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        if (equals != std::string::npos)
            run.figures[word.substr(0, equals)] = std::atof(word.c_str() + equals + 1);
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !run.figures.count("painted_ns")) {
        std::fprintf(stderr, "%s did not report a first paint:\n%s\n", exe.c_str(), text.c_str());
        std::exit(2);
    }
    run.startMs = (run.figures["painted_ns"] - double(began)) / 1e6;
    return run;
}

std::vector<double> column(const std::vector<ProbeRun> &runs, const std::string &key)
{
    std::vector<double> values;
    for (const ProbeRun &run : runs)
        values.push_back(key.empty() ? run.startMs : run.figures.at(key));
    return values;
}

// Real words, every passage a different cut, so no two lines are alike.
QByteArray bigPassageFile()
{
    const QByteArray words =
        QByteArrayLiteral("Rain fell on the quiet harbour while the night ferry waited, its "
                          "lamps swinging over the black water and the tired crew. ");
    QByteArray source;
    while (source.size() < 2 * kBigLength + words.size())
        source += words;
    QByteArray file = QByteArray::number(kBigCount) + "\r\n";
    file.reserve(qsizetype(kBigCount) * (kBigLength + 2) + 16);
    for (int i = 0; i < kBigCount; ++i)
        file += source.mid((i * 37) % words.size(), kBigLength) + "\r\n";
    return file;
}

void figure(const char *name, double value)
{
    std::printf("figure %s %.6g\n", name, value);
}

double medianOf(const std::vector<ProbeRun> &runs, const std::string &key)
{
    return ProcessStats::median(column(runs, key));
}

struct Runs {
    std::vector<ProbeRun> ours;
    std::vector<ProbeRun> bare;
    std::vector<ProbeRun> label;
    std::vector<ProbeRun> big;
    double bigFileMiB = 0;
};

void measureStartUps(const std::string &ours, const std::string &bare, int pairs, Runs &runs)
{
    // Libraries, fonts and caches into the page cache before anything counts.
    for (int i = 0; i < 2; ++i) {
        runProbe(ours);
        runProbe(bare);
    }
    for (int i = 0; i < pairs; ++i) {
        // Alternated, and each goes first a third of the time, so that drift hits all alike.
        for (int k = 0; k < 3; ++k) {
            const int which = (i + k) % 3;
            if (which == 0)
                runs.ours.push_back(runProbe(ours));
            else if (which == 1)
                runs.bare.push_back(runProbe(bare));
            else
                runs.label.push_back(runProbe(bare, "label"));
        }
    }
}

bool measureBigFile(const std::string &ours, const std::string &bare, int pairs, Runs &runs)
{
    QTemporaryDir temp;
    const QString path = temp.filePath(QStringLiteral("data"));
    QFile big(path);
    const QByteArray bytes = bigPassageFile();
    if (!temp.isValid() || !big.open(QIODevice::WriteOnly) || big.write(bytes) < 0)
        return false;
    big.close();
    runs.bigFileMiB = double(bytes.size()) / kMiB;
    runProbe(ours, path.toStdString());
    for (int i = 0; i < pairs; ++i) {
        runs.big.push_back(runProbe(ours, path.toStdString()));
        runs.bare.push_back(runProbe(bare));
    }
    return true;
}

void reportStartUps(const Runs &runs)
{
    const auto range = [](const std::vector<ProbeRun> &some) {
        return std::make_pair(ProcessStats::percentile(column(some, ""), 0),
                              ProcessStats::percentile(column(some, ""), 1));
    };
    std::printf("Start-up, process start to first paint, median of %zu runs each, alternated:\n",
                runs.ours.size());
    std::printf("  Quorvel %.1f ms (%.1f to %.1f), bare Qt %.1f ms (%.1f to %.1f), bare Qt with "
                "one QLabel %.1f ms\n",
                medianOf(runs.ours, ""), range(runs.ours).first, range(runs.ours).second,
                medianOf(runs.bare, ""), range(runs.bare).first, range(runs.bare).second,
                medianOf(runs.label, ""));
    std::printf("  CPU time (user + system) of the whole process: Quorvel %.1f ms, bare Qt %.1f "
                "ms, with one QLabel %.1f ms\n",
                medianOf(runs.ours, "cpu_ms"), medianOf(runs.bare, "cpu_ms"),
                medianOf(runs.label, "cpu_ms"));
    std::printf("  first paint pass: Quorvel %.2f ms, bare Qt %.2f ms\n",
                (medianOf(runs.ours, "painted_ns") - medianOf(runs.ours, "paint_began_ns")) / 1e6,
                (medianOf(runs.bare, "painted_ns") - medianOf(runs.bare, "paint_began_ns")) / 1e6);
    std::printf("Resident at first paint: Quorvel %.1f MiB (%.1f MiB anonymous), bare Qt %.1f MiB "
                "(%.1f), with one QLabel %.1f MiB (%.1f)\n",
                medianOf(runs.ours, "rss") / kMiB, medianOf(runs.ours, "rss_anon") / kMiB,
                medianOf(runs.bare, "rss") / kMiB, medianOf(runs.bare, "rss_anon") / kMiB,
                medianOf(runs.label, "rss") / kMiB, medianOf(runs.label, "rss_anon") / kMiB);
    figure("startup_ours_ms", medianOf(runs.ours, ""));
    figure("startup_bare_ms", medianOf(runs.bare, ""));
    figure("startup_label_ms", medianOf(runs.label, ""));
    figure("rss_ours_mib", medianOf(runs.ours, "rss") / kMiB);
    figure("rss_bare_mib", medianOf(runs.bare, "rss") / kMiB);
}

void reportBigFile(const Runs &runs)
{
    const double peak = medianOf(runs.big, "hwm") / kMiB;
    const double barePeak = medianOf(runs.bare, "hwm") / kMiB;
    const double load = medianOf(runs.big, "load_ms");
    std::printf("Big file (%.1f MiB, %d x %d characters), median of %zu: load %.1f ms, peak %.1f "
                "MiB against the bare program's %.1f MiB\n",
                runs.bigFileMiB, kBigCount, kBigLength, runs.big.size(), load, peak, barePeak);
    figure("bigfile_load_ms", load);
    figure("bigfile_peak_mib", peak);
    figure("bigfile_bare_peak_mib", barePeak);
    figure("bigfile_extra_mib", peak - barePeak);
    figure("bigfile_size_mib", runs.bigFileMiB);
}

} // namespace

int main(int argc, char **argv)
{
    const int pairs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 20;
    const int bigPairs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string dir = programDir();
    const std::string ours = dir + "/startup_probe";
    const std::string bare = dir + "/bare_probe";
    Runs runs;
    measureStartUps(ours, bare, pairs, runs);
    if (!measureBigFile(ours, bare, bigPairs, runs))
        return 2;
    reportStartUps(runs);
    reportBigFile(runs);
    return 0;
}
