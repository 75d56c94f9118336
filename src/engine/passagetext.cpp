// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagetext.h"

#include <QStringDecoder>

namespace quorvel {

QString decodeWindows1252(const char *data, qsizetype size)
{
    // 0x80-0x9F are where the code page differs from Latin-1; its five unused bytes keep their
    // Latin-1 control characters.
    static constexpr char16_t kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeUtf8(const char *data, qsizetype size, bool *valid)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(QByteArrayView(data, size));
    if (valid) {
        *valid = !decoder.hasError();
    }
    return text;
}

qint32 codePointCount(const QString &text)
{
    qint32 count = 0;
    for (const QChar c : text) {
        count += c.isLowSurrogate() ? 0 : 1;
    }
    return count;
}

QString toNfc(const QString &text)
{
    return text.normalized(QString::NormalizationForm_C);
}

namespace {

// A surrogate or a value past Unicode is no character to normalise: it is judged as it came.
bool isScalarValue(char32_t key)
{
    return key <= 0x10FFFF && !QChar::isSurrogate(key);
}

} // namespace

QList<uint> typedKeys(char32_t key)
{
    if (!isScalarValue(key))
        return {uint(key)};
    return toNfc(QString::fromUcs4(&key, 1)).toUcs4();
}

char32_t composedKey(char32_t typed, char32_t key)
{
    if (!isScalarValue(typed) || !isScalarValue(key))
        return 0;
    const char32_t pair[2] = {typed, key};
    const QList<uint> composed = toNfc(QString::fromUcs4(pair, 2)).toUcs4();
    return composed.size() == 1 ? char32_t(composed.front()) : 0;
}

} // namespace quorvel
