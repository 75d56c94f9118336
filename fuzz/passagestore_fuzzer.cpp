// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the passage loader as a passage file, then picks passages from
// whatever loaded. Besides the sanitizers' findings it stops on any broken promise of the store:
// reading the bytes from a file must give what reading them from memory gives, a failure must
// name the file and leave the store empty, a success must hold 1 to 32767 one-line passages whose
// lengths count their characters, and every pick must return one of them.

#include "passagestore.h"
#include "randomsource.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using quorvel::PassageStore;

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// Hands out the given values in turn, as a random source that might misbehave would.
class ScriptedRandom : public quorvel::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : m_values(std::move(values)) {}
    void reseed() override {}
    float next() override { return m_values[m_next++ % m_values.size()]; }

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

qsizetype codePoints(const QString &text)
{
    return text.toUcs4().size();
}

// The input as a file on disk would be, without touching the disk.
QString asFile(const std::uint8_t *data, std::size_t size)
{
    static const int fd = memfd_create("passages", 0);
    require(fd >= 0 && ftruncate(fd, 0) == 0 &&
                pwrite(fd, data, size, 0) == static_cast<ssize_t>(size),
            "cannot write the memory file");
    return QStringLiteral("/proc/self/fd/%1").arg(fd);
}

void checkSameAsFile(const PassageStore &store, const QString &message, const QString &path)
{
    PassageStore fromFile;
    require(fromFile.load(path) == message, "file and memory give different messages");
    require(fromFile.PassageCount() == store.PassageCount(), "file and memory differ in count");
    for (int i = 1; i <= store.PassageCount(); ++i)
        require(fromFile.passage(i) == store.passage(i), "file and memory differ in a passage");
}

void checkLoaded(const PassageStore &store)
{
    const int count = store.PassageCount();
    require(count >= 1 && count <= 32767, "count outside 1..32767");
    for (int i = 1; i <= count; ++i) {
        const QString &passage = store.passage(i);
        require(!passage.contains(QLatin1Char('\r')) && !passage.contains(QLatin1Char('\n')),
                "line break inside a passage");
        require(store.passageLength(i) == codePoints(passage), "length is not the character count");
    }
}

void checkPicks(const PassageStore &store, const std::uint8_t *data, std::size_t size)
{
    // The ends of [0, 1), its middle, and four input bytes taken as a float, which may be NaN,
    // negative or far outside the range a sound source keeps to.
    float wild = 0.5f;
    if (size >= sizeof wild)
        std::memcpy(&wild, data + size - sizeof wild, sizeof wild);
    const std::vector<float> values = {0.0f, 0.5f, std::nextafter(1.0f, 0.0f), wild};
    ScriptedRandom random(values);
    for (std::size_t i = 0; i < values.size(); ++i) {
        qint32 length = -1;
        const QString passage = store.PickPassage(random, length);
        bool found = false;
        for (int k = 1; k <= store.PassageCount() && !found; ++k)
            found = store.passage(k) == passage && store.passageLength(k) == length;
        require(found, "pick is not a stored passage with its length");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Borrowed, not copied: a read past the input's end lands outside the fuzzer's buffer.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString fileName = asFile(data, size);
    PassageStore store;
    const QString message = store.loadFromBytes(bytes, fileName);
    checkSameAsFile(store, message, fileName);
    if (!message.isEmpty()) {
        require(store.PassageCount() == 0, "failed load kept passages");
        require(message.contains(QLatin1Char('"') + fileName + QLatin1Char('"')) &&
                    message.contains(QLatin1String(", line ")),
                "message does not name the file and the line");
        return 0;
    }
    checkLoaded(store);
    checkPicks(store, data, size);
    return 0;
}
