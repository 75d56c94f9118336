#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace quorvel {

class RandomSource;

// The passages read once at start-up from the passage file.
//
// Line 1 holds the count as a numeric prefix; each of the next count lines is one passage, and
// whatever follows them is ignored. Lines end at CR LF, CR or LF. The lines read are UTF-8 when
// they all decode as such (a leading BOM is skipped), otherwise Windows-1252. Lengths count
// characters (code points), not UTF-16 units.
class PassageStore {
public:
    // Returns "" on success, or a message naming the file, the problem and the line. On failure
    // the store is left empty.
    QString load(const QString &path);
    // The same from bytes already read; fileName only goes into messages.
    QString loadFromBytes(const QByteArray &bytes, const QString &fileName);

    int PassageCount() const { return int(m_passages.size()); }
    // index runs from 1 to PassageCount().
    const QString &passage(int index) const { return m_passages.at(index - 1); }
    qint32 passageLength(int index) const { return m_lengths.at(std::size_t(index - 1)); }

    // Reseeds random, picks a passage uniformly and sets passageLen to its length in characters.
    QString PickPassage(RandomSource &random, qint32 &passageLen) const;

private:
    void clear();

    QStringList m_passages;
    std::vector<qint32> m_lengths;
};

} // namespace quorvel
