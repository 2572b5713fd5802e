#include "app/identity.h"

namespace identity {

namespace {

#define KELVARO_NAME "Kelvaro"
#define KELVARO_COPYRIGHT "© 2026 Kelvaro. Bảo lưu mọi quyền."

constexpr auto kName = scramble(KELVARO_NAME);
constexpr auto kCopyright = scramble(KELVARO_COPYRIGHT);
constexpr std::uint32_t kExpectedDigest =
    fnv1a(KELVARO_COPYRIGHT, sizeof(KELVARO_COPYRIGHT) - 1, fnv1a(KELVARO_NAME, sizeof(KELVARO_NAME) - 1));

#undef KELVARO_NAME
#undef KELVARO_COPYRIGHT

} // namespace

QString appName()
{
    return reveal(kName);
}

QString copyrightLine()
{
    return reveal(kCopyright);
}

std::uint32_t digest(const QString &name, const QString &copyright)
{
    const QByteArray n = name.toUtf8();
    const QByteArray c = copyright.toUtf8();
    return fnv1a(c.constData(), static_cast<std::size_t>(c.size()),
                 fnv1a(n.constData(), static_cast<std::size_t>(n.size())));
}

bool intact(const QString &name, const QString &copyright)
{
    return digest(name, copyright) == kExpectedDigest;
}

} // namespace identity
