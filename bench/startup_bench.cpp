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

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
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

} // namespace

int main(int argc, char **argv)
{
    const int pairs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 20;
    const int bigPairs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const std::string dir = programDir();
    const std::string ours = dir + "/startup_probe";
    const std::string bare = dir + "/bare_probe";

    // Libraries, fonts and caches into the page cache before anything counts.
    for (int i = 0; i < 2; ++i) {
        runProbe(ours);
        runProbe(bare);
    }
    std::vector<ProbeRun> ourRuns;
    std::vector<ProbeRun> bareRuns;
    std::vector<ProbeRun> labelRuns;
    for (int i = 0; i < pairs; ++i) {
        // Alternated, and each goes first a third of the time, so that drift hits all alike.
        for (int k = 0; k < 3; ++k) {
            switch ((i + k) % 3) {
            case 0:
                ourRuns.push_back(runProbe(ours));
                break;
            case 1:
                bareRuns.push_back(runProbe(bare));
                break;
            default:
                labelRuns.push_back(runProbe(bare, "label"));
            }
        }
    }

    QTemporaryDir temp;
    const QString bigPath = temp.filePath(QStringLiteral("data"));
    QFile big(bigPath);
    const QByteArray bigBytes = bigPassageFile();
    if (!temp.isValid() || !big.open(QIODevice::WriteOnly) || big.write(bigBytes) < 0)
        return 2;
    big.close();
    std::vector<ProbeRun> bigRuns;
    runProbe(ours, bigPath.toStdString());
    for (int i = 0; i < bigPairs; ++i) {
        bigRuns.push_back(runProbe(ours, bigPath.toStdString()));
        bareRuns.push_back(runProbe(bare));
    }

    const double ourStart = ProcessStats::median(column(ourRuns, ""));
    const double bareStart = ProcessStats::median(column(bareRuns, ""));
    const double labelStart = ProcessStats::median(column(labelRuns, ""));
    const double ourRss = ProcessStats::median(column(ourRuns, "rss")) / kMiB;
    const double bareRss = ProcessStats::median(column(bareRuns, "rss")) / kMiB;
    const double bareHwm = ProcessStats::median(column(bareRuns, "hwm")) / kMiB;
    const double bigHwm = ProcessStats::median(column(bigRuns, "hwm")) / kMiB;
    const double bigLoad = ProcessStats::median(column(bigRuns, "load_ms"));
    const double fileMiB = double(bigBytes.size()) / kMiB;

    std::printf("Start-up, process start to first paint, median of %d alternated runs each:\n",
                pairs);
    std::printf("  Quorvel %.1f ms (min %.1f, max %.1f), bare Qt %.1f ms (min %.1f, max %.1f)\n",
                ourStart, ProcessStats::percentile(column(ourRuns, ""), 0),
                ProcessStats::percentile(column(ourRuns, ""), 1), bareStart,
                ProcessStats::percentile(column(bareRuns, ""), 0),
                ProcessStats::percentile(column(bareRuns, ""), 1));
    std::printf("  the bare program with one QLabel: %.1f ms\n", labelStart);
    std::printf(
        "  CPU time (user + system) of the whole process: Quorvel %.1f ms, bare Qt %.1f ms, "
        "with one QLabel %.1f ms\n",
        ProcessStats::median(column(ourRuns, "cpu_ms")),
        ProcessStats::median(column(bareRuns, "cpu_ms")),
        ProcessStats::median(column(labelRuns, "cpu_ms")));
    std::printf("  first paint pass: Quorvel %.2f ms, bare Qt %.2f ms\n",
                ProcessStats::median(column(ourRuns, "painted_ns")) / 1e6 -
                    ProcessStats::median(column(ourRuns, "paint_began_ns")) / 1e6,
                ProcessStats::median(column(bareRuns, "painted_ns")) / 1e6 -
                    ProcessStats::median(column(bareRuns, "paint_began_ns")) / 1e6);
    std::printf("Resident at first paint: Quorvel %.1f MiB (%.1f MiB anonymous), bare Qt %.1f MiB "
                "(%.1f), with one QLabel %.1f MiB (%.1f)\n",
                ourRss, ProcessStats::median(column(ourRuns, "rss_anon")) / kMiB, bareRss,
                ProcessStats::median(column(bareRuns, "rss_anon")) / kMiB,
                ProcessStats::median(column(labelRuns, "rss")) / kMiB,
                ProcessStats::median(column(labelRuns, "rss_anon")) / kMiB);
    std::printf("Big file (%.1f MiB, %d x %d characters), median of %d: load %.1f ms, peak %.1f "
                "MiB against the bare program's %.1f MiB\n",
                fileMiB, kBigCount, kBigLength, bigPairs, bigLoad, bigHwm, bareHwm);
    figure("startup_ours_ms", ourStart);
    figure("startup_bare_ms", bareStart);
    figure("startup_label_ms", labelStart);
    figure("rss_ours_mib", ourRss);
    figure("rss_bare_mib", bareRss);
    figure("bigfile_load_ms", bigLoad);
    figure("bigfile_peak_mib", bigHwm);
    figure("bigfile_bare_peak_mib", bareHwm);
    figure("bigfile_extra_mib", bigHwm - bareHwm);
    figure("bigfile_size_mib", fileMiB);
    return 0;
}
