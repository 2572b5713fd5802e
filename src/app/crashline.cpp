#include "app/crashcapture.h"

namespace {

// Appends without allocating; stops quietly at the end of the buffer.
struct Writer {
    char *out;
    std::size_t capacity;
    std::size_t length = 0;

    void put(char c)
    {
        if (length + 1 < capacity)
            out[length++] = c;
    }
    void text(const char *s)
    {
        while (*s)
            put(*s++);
    }
    void decimal(std::int64_t value, int width)
    {
        char digits[24];
        int n = 0;
        std::uint64_t v = value < 0 ? 0 : static_cast<std::uint64_t>(value);
        do {
            digits[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v && n < 24);
        while (n < width && n < 24)
            digits[n++] = '0';
        while (n)
            put(digits[--n]);
    }
    void hex(std::uint64_t value, int width)
    {
        char digits[20];
        int n = 0;
        do {
            digits[n++] = "0123456789abcdef"[value & 0xF];
            value >>= 4;
        } while (value && n < 20);
        while (n < width && n < 20)
            digits[n++] = '0';
        while (n)
            put(digits[--n]);
    }
};

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void civilFromDays(std::int64_t days, std::int64_t &year, int &month, int &day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

std::size_t formatCrashLine(char *out, std::size_t capacity, std::int64_t localSeconds, int milliseconds,
                            std::int64_t processId, std::uint32_t code, std::uintptr_t address)
{
    if (!out || capacity == 0)
        return 0;
    Writer w{out, capacity};
    std::int64_t days = localSeconds / 86400;
    std::int64_t rest = localSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    std::int64_t year = 0;
    int month = 0, day = 0;
    civilFromDays(days, year, month, day);
    w.decimal(year, 4);
    w.put('-');
    w.decimal(month, 2);
    w.put('-');
    w.decimal(day, 2);
    w.put(' ');
    w.decimal(rest / 3600, 2);
    w.put(':');
    w.decimal(rest / 60 % 60, 2);
    w.put(':');
    w.decimal(rest % 60, 2);
    w.put('.');
    w.decimal(milliseconds, 3);
    w.text(" [");
    w.decimal(processId, 1);
    w.text("]  CRASH code=0x");
    w.hex(code, 8);
    w.text(" addr=0x");
    w.hex(address, 1);
    w.put('\n');
    out[w.length] = '\0';
    return w.length;
}
