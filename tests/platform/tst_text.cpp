#include "datarow.h"
#include "platform/text.h"
#include "testregistry.h"

#include <QTest>

using namespace platform;

namespace {

enum Rule { Firmware, Drive, Kernel, Output };

QByteArray apply(Rule rule, const QByteArray &in)
{
    const std::string_view bytes(in.constData(), static_cast<std::size_t>(in.size()));
    std::string out;
    switch (rule) {
    case Firmware:
        out = text::utf8OrLatin1ControlsAsSpaces(bytes);
        break;
    case Drive:
        out = text::latin1ControlsAsSpacesTrimmed(bytes);
        break;
    case Kernel:
        out = text::validUtf8WithoutControlsTrimmed(bytes);
        break;
    case Output: {
        const std::u16string units = text::utf16WithoutControlsOrBidi(bytes);
        return QString(reinterpret_cast<const QChar *>(units.data()), static_cast<int>(units.size()))
            .toUtf8();
    }
    }
    return QByteArray(out.data(), static_cast<int>(out.size()));
}

} // namespace

Q_DECLARE_METATYPE(Rule)

// The boundaries where the rules part ways; one row each, the output as UTF-8 bytes.
class TestText : public QObject {
    Q_OBJECT

private slots:
    void rules_data()
    {
        addColumns<Rule, QByteArray, QByteArray>("rule", "in", "out");
        addRow("firmware: valid UTF-8 kept", Firmware, QByteArray("Vi\xE1\xBB\x87t"),
               QByteArray("Vi\xE1\xBB\x87t"));
        addRow("firmware: overlong read as Latin-1", Firmware, QByteArray("\xC0\xAF"),
               QByteArray("\xC3\x80\xC2\xAF"));
        addRow("firmware: cut-off sequence read as Latin-1", Firmware, QByteArray("\xE2\x82"),
               QByteArray("\xC3\xA2\xC2\x82"));
        addRow("firmware: surrogate read as Latin-1", Firmware, QByteArray("\xED\xA0\x80"),
               QByteArray("\xC3\xAD\xC2\xA0\xC2\x80"));
        addRow("firmware: C0 and DEL spaced, C1 kept, nothing trimmed", Firmware,
               QByteArray("a\tb\x7F\xC2\x85 \0\0", 9), QByteArray("a b \xC2\x85   "));
        addRow("drive: Latin-1, invisible characters spaced, trimmed", Drive,
               QByteArray("\xA0x\xADy\xE9\x85 \0\0", 9), QByteArray("x y\xC3\xA9"));
        addRow("drive: UTF-8 is read byte by byte", Drive, QByteArray("\xC3\xA9"),
               QByteArray("\xC3\x83\xC2\xA9"));
        addRow("kernel: invalid bytes dropped", Kernel,
               QByteArray("Caf\xC3\xA9\xFF\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80"), QByteArray("Caf\xC3\xA9"));
        addRow("kernel: C0, DEL and C1 dropped, spaces trimmed", Kernel,
               QByteArray(" \x01"
                          "a\xC2\x85"
                          "b\x7F \n\0\0",
                          11),
               QByteArray("ab"));
        addRow("kernel: outside the basic plane kept", Kernel, QByteArray("\xF0\x9F\x94\x8B"),
               QByteArray("\xF0\x9F\x94\x8B"));
        addRow("output: each bad byte one U+FFFD", Output, QByteArray("a\xFF\xC0\xAF\xED\xA0\x80\xE2\x82"),
               QByteArray("a" + QByteArray("\xEF\xBF\xBD").repeated(8)));
        addRow("output: controls and bidirectional controls dropped", Output,
               QByteArray("\x1B[1m\xC2\x9B\xE2\x80\xAEx\xE2\x81\xA6y\xE2\x80\xAAz\x7F"),
               QByteArray("[1mxyz"));
        addRow("output: a leading byte-order mark dropped, a later one kept", Output,
               QByteArray("\xEF\xBB\xBF"
                          "a\xEF\xBB\xBF"),
               QByteArray("a\xEF\xBB\xBF"));
        addRow("output: spaces kept, NULs dropped", Output, QByteArray(" x \0", 4), QByteArray(" x "));
    }

    void rules()
    {
        QFETCH(Rule, rule);
        QFETCH(QByteArray, in);
        QTEST(apply(rule, in), "out");
    }

    // Trimming counts every Unicode space and comes before the bidirectional controls go.
    void charCodesTrimThenDropBidi()
    {
        QVERIFY(text::charCodesWithoutControlsOrBidi({0xA0, 0x202E, 0x20, 0x41, 0x3000, 0, 0x42}) == u" A");
    }
};

KELVARO_TEST(TestText)
#include "tst_text.moc"
