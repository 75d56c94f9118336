// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Peak memory of loading hostile passage files, against the bytes of the passages kept.
//
// Each file is loaded in a fresh copy of this program, so that one load's peak cannot hide
// another's: the child reads its resident size before the load (/proc/self/statm) and its peak
// resident size after it (VmHWM in /proc/self/status), and prints the growth. Run it without
// arguments; it writes each file (up to 64 MiB) to a temporary folder and removes it afterwards.

#include "passagestore.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr qsizetype kMiB = 1024 * 1024;
constexpr qsizetype kBig = 64 * kMiB;

struct Scenario {
    const char *name;
    // Bytes of the passage lines the store keeps.
    qsizetype kept;
    std::function<QByteArray()> make;
};

QByteArray asciiRun(qsizetype size)
{
    QByteArray run(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        run[i] = char('a' + i % 26);
    return run;
}

const std::vector<Scenario> &scenarios()
{
    static const std::vector<Scenario> all = {
        {"one 64 MiB passage (UTF-8)", kBig,
         [] {
             return "1\r\n" + asciiRun(kBig) + "\r\n";
         }},
        // The stray byte comes last, so the whole line is decoded as UTF-8 before the fallback.
        {"one 64 MiB passage (Windows-1252)", kBig,
         [] {
             return "1\r\n" + asciiRun(kBig - 1) + "\xE9\r\n";
         }},
        // One character in six is a combining accent, composed before the length is counted.
        {"one 64 MiB passage (UTF-8, decomposed)", kBig,
         [] {
             return "1\r\n" + QByteArray("cafe\xCC\x81 ").repeated(kBig / 7) + "\r\n";
         }},
        {"32767 passages of 2 KiB", 32767 * 2048,
         [] {
             QByteArray file = "32767\r\n";
             const QByteArray line = asciiRun(2048) + "\r\n";
             for (int i = 0; i < 32767; ++i)
                 file += line;
             return file;
         }},
        {"3 passages, then 64 MiB of short lines", 9,
         [] {
             return "3\r\nabc\r\ndef\r\nghi\r\n" +
                    QByteArray(kBig / 8, 'x').replace("x", "ignored\n");
         }},
        {"a count line of 64 MiB digits (rejected)", 0,
         [] {
             return QByteArray(kBig, '7') + "\r\npassage\r\n";
         }},
    };
    return all;
}

qsizetype residentBytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return qsizetype(resident) * sysconf(_SC_PAGESIZE);
}

// VmHWM rather than getrusage: ru_maxrss survives exec and so would report the parent's peak.
qsizetype peakResidentBytes()
{
    long long kib = 0;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %lld kB", &kib) == 1)
                break;
        std::fclose(status);
    }
    return qsizetype(kib) * 1024;
}

int measureOne(std::size_t index, const char *path, const char *warmUpPath)
{
    const Scenario &scenario = scenarios().at(index);
    // A small load first, so that Qt's code and data pages touched by any load are not counted.
    quorvel::PassageStore().load(QString::fromLocal8Bit(warmUpPath));
    const qsizetype before = residentBytes();
    QElapsedTimer timer;
    timer.start();
    quorvel::PassageStore store;
    const QString message = store.load(QString::fromLocal8Bit(path));
    const qint64 ms = timer.elapsed();
    const double growth = double(peakResidentBytes() - before) / double(kMiB);
    const double kept = double(scenario.kept) / double(kMiB);
    std::printf("%-44s %8.1f MiB kept %8.1f MiB peak growth", scenario.name, kept, growth);
    if (scenario.kept > kMiB)
        std::printf(" %5.2fx", growth / kept);
    else
        std::printf("       ");
    std::printf(" %6lld ms  %s\n", static_cast<long long>(ms),
                message.isEmpty() ? "loaded" : "rejected");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--one") == 0)
        return measureOne(std::size_t(std::atoi(argv[2])), argv[3], argv[4]);

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QByteArray path = dir.filePath(QStringLiteral("data")).toLocal8Bit();
    const QByteArray warmUpPath = dir.filePath(QStringLiteral("small")).toLocal8Bit();
    QFile warmUp(QString::fromLocal8Bit(warmUpPath));
    if (!warmUp.open(QIODevice::WriteOnly) || warmUp.write("2\r\nab\r\n\xE9\r\n") < 0)
        return 1;
    warmUp.close();
    std::printf("Peak resident growth while loading, in a fresh process per file:\n");
    for (std::size_t i = 0; i < scenarios().size(); ++i) {
        QFile file(QString::fromLocal8Bit(path));
        if (!file.open(QIODevice::WriteOnly) || file.write(scenarios()[i].make()) < 0)
            return 1;
        file.close();
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            const std::string index = std::to_string(i);
            execl("/proc/self/exe", argv[0], "--one", index.c_str(), path.constData(),
                  warmUpPath.constData(), nullptr);
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return 1;
    }
    return 0;
}
