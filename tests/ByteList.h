#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QString>

#include <cstring>

/// Builds expected file bytes by hand, independently of QDataStream: big-endian integers,
/// IEEE doubles, and strings as a byte count followed by UTF-16BE code units.
class ByteList
{
public:
    ByteList &u8(quint8 v)
    {
        m_bytes.append(char(v));
        return *this;
    }
    ByteList &boolean(bool v) { return u8(v ? 1 : 0); }
    ByteList &u32(quint32 v)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            u8(quint8(v >> shift));
        return *this;
    }
    ByteList &i32(qint32 v) { return u32(quint32(v)); }
    ByteList &u64(quint64 v)
    {
        for (int shift = 56; shift >= 0; shift -= 8)
            u8(quint8(v >> shift));
        return *this;
    }
    ByteList &f64(double v)
    {
        quint64 bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        return u64(bits);
    }
    /// A null QString is written as the count 0xFFFFFFFF.
    ByteList &nullStr() { return u32(0xFFFFFFFFu); }
    ByteList &str(const QString &s)
    {
        u32(quint32(s.size() * 2));
        for (const QChar c : s) {
            u8(quint8(c.unicode() >> 8));
            u8(quint8(c.unicode() & 0xFF));
        }
        return *this;
    }
    ByteList &raw(const QByteArray &bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }

    QByteArray bytes() const { return m_bytes; }
    int size() const { return m_bytes.size(); }

private:
    QByteArray m_bytes;
};

/// Empty when equal, else where the two byte arrays first differ (for test messages).
inline QString firstDifference(const QByteArray &actual, const QByteArray &expected)
{
    if (actual == expected)
        return QString();
    int i = 0;
    while (i < actual.size() && i < expected.size() && actual.at(i) == expected.at(i))
        ++i;
    return QStringLiteral("sizes %1/%2, first difference at byte %3: %4 vs %5")
        .arg(actual.size())
        .arg(expected.size())
        .arg(i)
        .arg(QString::fromLatin1(actual.mid(i, 12).toHex(' ')))
        .arg(QString::fromLatin1(expected.mid(i, 12).toHex(' ')));
}

#define COMPARE_BYTES(actual, expected)                                                            \
    do {                                                                                           \
        const QString difference_ = firstDifference((actual), (expected));                         \
        QVERIFY2(difference_.isEmpty(), qPrintable(difference_));                                  \
    } while (false)

/// What the program writes for a value: Qt's own encoding at the settings file's stream version,
/// to compare with a ByteList.
template <typename T> QByteArray encode(const T &value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_12);
    out << value;
    return bytes;
}

/// Reads a value back at the same stream version; `clean` tells whether the read succeeded
/// and used every byte.
template <typename T> T decode(const QByteArray &bytes, bool *clean = nullptr)
{
    T value;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_12);
    in >> value;
    if (clean)
        *clean = in.status() == QDataStream::Ok && in.atEnd();
    return value;
}
