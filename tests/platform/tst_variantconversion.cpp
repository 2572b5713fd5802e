#include "platform/variant_conversion.h"
#include "testregistry.h"

#include <QTest>

using namespace platform;

namespace {

RawVariant scalar(std::uint16_t vt, std::uint64_t bits)
{
    RawVariant v;
    v.vt = vt;
    v.bits = bits;
    return v;
}

RawArrayElement number(std::uint64_t bits, bool fetched = true)
{
    RawArrayElement e;
    e.fetched = fetched;
    e.bits = bits;
    return e;
}

RawArrayElement text(const std::u16string &value, bool fetched = true)
{
    RawArrayElement e;
    e.fetched = fetched;
    e.text = value;
    return e;
}

RawVariant array(std::uint16_t elementType, std::vector<RawArrayElement> elements)
{
    RawVariant v;
    v.vt = VtArray | elementType;
    v.array = std::move(elements);
    return v;
}

} // namespace

class TestVariantConversion : public QObject {
    Q_OBJECT

private slots:
    void integersKeepTheirSignAndWidth()
    {
        QCOMPARE(convertVariant(scalar(VtI2, 0xFFFF)), Value(std::int32_t{-1}));
        QCOMPARE(convertVariant(scalar(VtI1, 0x80)), Value(std::int32_t{-128}));
        QCOMPARE(convertVariant(scalar(VtUi1, 0xFF)), Value(std::int32_t{255}));
        QCOMPARE(convertVariant(scalar(VtUi2, 0xFFFF)), Value(std::int32_t{65535}));
        QCOMPARE(convertVariant(scalar(VtI4, 0xFFFFFFFE)), Value(std::int32_t{-2}));
        QCOMPARE(convertVariant(scalar(VtInt, 7)), Value(std::int32_t{7}));
        QCOMPARE(convertVariant(scalar(VtUi4, 0xFFFFFFFF)), Value(std::uint32_t{0xFFFFFFFF}));
        QCOMPARE(convertVariant(scalar(VtUint, 5)), Value(std::uint32_t{5}));
        QCOMPARE(convertVariant(scalar(VtI8, 0xFFFFFFFFFFFFFFFF)), Value(std::int64_t{-1}));
        QCOMPARE(convertVariant(scalar(VtUi8, 0xFFFFFFFFFFFFFFFF)), Value(std::uint64_t{0xFFFFFFFFFFFFFFFF}));
    }

    void realsAndBooleans()
    {
        RawVariant real;
        real.vt = VtR4;
        real.real = 1.5;
        QCOMPARE(convertVariant(real), Value(1.5));
        real.vt = VtR8;
        QCOMPARE(convertVariant(real), Value(1.5));
        // VARIANT_TRUE is 0xFFFF; any non-zero counts, and false is still a present value.
        QCOMPARE(convertVariant(scalar(VtBool, 0xFFFF)), Value(true));
        QCOMPARE(convertVariant(scalar(VtBool, 1)), Value(true));
        QCOMPARE(convertVariant(scalar(VtBool, 0)), Value(false));
        QVERIFY(isPresent(convertVariant(scalar(VtBool, 0))));
        QVERIFY(isPresent(convertVariant(scalar(VtI4, 0))));
    }

    void textEndsAtTheFirstZero()
    {
        RawVariant v;
        v.vt = VtBstr;
        v.text = std::u16string(u"Dell Inc.\0junk", 14);
        QCOMPARE(convertVariant(v), Value(std::string("Dell Inc.")));
        v.text = u"Vi\u1EC7t Nam \U0001F600";
        QCOMPARE(convertVariant(v), Value(std::string("Vi\xE1\xBB\x87t Nam \xF0\x9F\x98\x80")));
        // A lone surrogate cannot become UTF-8.
        v.text = std::u16string{u'A', static_cast<char16_t>(0xD800), u'B'};
        QCOMPARE(convertVariant(v), Value(std::string("A\xEF\xBF\xBD"
                                                      "B")));
        v.text.reset();
        QVERIFY(!isPresent(convertVariant(v)));
        v.text = u"";
        QVERIFY(!isPresent(convertVariant(v)));
    }

    void stringArraysAreJoined()
    {
        QCOMPARE(convertVariant(array(VtBstr, {text(u"A"), text(u"B")})), Value(std::string("A, B")));
        RawArrayElement null;
        null.fetched = true;
        QCOMPARE(convertVariant(array(VtBstr, {text(u"A"), text(u"lost", false), null, text(u"C")})),
                 Value(std::string("A, C")));
        QVERIFY(!isPresent(convertVariant(array(VtBstr, {}))));
    }

    void numberArraysBecomeLists()
    {
        QCOMPARE(convertVariant(array(VtI4, {number(10), number(0xFFFFFFFF)})), Value(IntList{10, -1}));
        QCOMPARE(convertVariant(array(VtI2, {number(0xFFFF)})), Value(IntList{-1}));
        QCOMPARE(convertVariant(array(VtI1, {number(0xFF)})), Value(IntList{255}));
        QCOMPARE(convertVariant(array(VtUi2, {number(0xFFFF)})), Value(IntList{65535}));
        QCOMPARE(convertVariant(array(VtI4, {number(3, false), number(4)})), Value(IntList{4}));
        QVERIFY(!isPresent(convertVariant(array(VtI4, {number(3, false)}))));
    }

    void unsupportedValuesAreLeftOut_data()
    {
        QTest::addColumn<int>("vt");
        QTest::newRow("empty") << int(VtEmpty);
        QTest::newRow("null") << int(VtNull);
        QTest::newRow("date") << int(VtDate);
        QTest::newRow("unknown type") << 0x48;
        QTest::newRow("array of doubles") << int(VtArray | VtR8);
        QTest::newRow("array of booleans") << int(VtArray | VtBool);
        QTest::newRow("null int array") << int(VtArray | VtI4);
        QTest::newRow("null string array") << int(VtArray | VtBstr);
    }

    void unsupportedValuesAreLeftOut()
    {
        QFETCH(int, vt);
        RawVariant v = scalar(static_cast<std::uint16_t>(vt), 1);
        if (vt == (VtArray | VtR8) || vt == (VtArray | VtBool))
            v.array = std::vector<RawArrayElement>{number(1)};
        QVERIFY(std::holds_alternative<std::monostate>(convertVariant(v)));
    }
};

KELVARO_TEST(TestVariantConversion)
#include "tst_variantconversion.moc"
