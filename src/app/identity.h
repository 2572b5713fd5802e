#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// The product's identity texts live in the binary only in scrambled form, so that a plain
// search-and-replace of the name does not work, and a digest taken at compile time tells
// whether the scrambled bytes were changed afterwards.
namespace identity {

constexpr std::uint8_t keyAt(std::size_t i)
{
    return static_cast<std::uint8_t>(0xA7u ^ (i * 31u));
}

template <std::size_t N> struct Scrambled {
    std::array<std::uint8_t, N> bytes{};
};

template <std::size_t N> constexpr Scrambled<N> scramble(const char (&text)[N])
{
    Scrambled<N> out;
    for (std::size_t i = 0; i < N; ++i)
        out.bytes[i] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(text[i]) ^ keyAt(i));
    return out;
}

constexpr std::uint32_t fnv1a(const char *text, std::size_t length, std::uint32_t hash = 2166136261u)
{
    for (std::size_t i = 0; i < length; ++i) {
        hash ^= static_cast<std::uint8_t>(text[i]);
        hash *= 16777619u;
    }
    return hash;
}

template <std::size_t N> QString reveal(const Scrambled<N> &scrambled)
{
    QByteArray bytes;
    bytes.reserve(static_cast<int>(N));
    for (std::size_t i = 0; i + 1 < N; ++i)
        bytes.append(static_cast<char>(scrambled.bytes[i] ^ keyAt(i)));
    return QString::fromUtf8(bytes);
}

QString appName();
QString copyrightLine();
// Digest of the two texts as the program reads them now.
std::uint32_t digest(const QString &name, const QString &copyright);
// True when the texts are the ones the program was built with.
bool intact(const QString &name, const QString &copyright);

} // namespace identity
