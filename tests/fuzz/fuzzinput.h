// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// Splits one fuzzer input into the several arguments a target needs: small
// numbers and short strings from the front, the rest as the page or file.
// Every split is total, so any byte sequence is a valid input.
namespace phodex::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() {
        if (m_pos >= m_size)
            return 0;
        return m_data[m_pos++];
    }
    // A string of at most 255 bytes whose length comes first, as UTF-8.
    QString shortText() { return QString::fromUtf8(shortBytes()); }
    QByteArray shortBytes() {
        const std::size_t length = byte();
        return take(length);
    }
    QByteArray rest() { return take(m_size - m_pos); }
    QString restText() { return QString::fromUtf8(rest()); }

private:
    QByteArray take(std::size_t length) {
        length = std::min(length, m_size - m_pos);
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(length));
        m_pos += length;
        return out;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Stops the run as a finding: both libFuzzer and the replay report an abort.
[[noreturn]] void Fail(const char* what);

inline void Check(bool holds, const char* what) {
    if (!holds)
        Fail(what);
}

} // namespace phodex::fuzz
