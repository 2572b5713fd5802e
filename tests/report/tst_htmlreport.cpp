// Cases the two golden reports do not reach.
#include "report/healthscore.h"
#include "report/htmlreport.h"
#include "testregistry.h"

#include <QTest>

namespace {

QString row(const QString &background, const QString &label, const QString &value)
{
    return QString("<tr><td bgcolor='%1' width='34%' style='color:#6b7280;'>%2</td><td bgcolor='%1' "
                   "style='color:#111827;'><b>%3</b></td></tr>")
        .arg(background, label, value);
}

QString render(const ReportInputs &in, HtmlUse use = HtmlUse::File)
{
    return reportHtml(computeScore(in), in, use);
}

} // namespace

class TestHtmlReport : public QObject {
    Q_OBJECT

private slots:
    void sectionsAndRowsThatVanish()
    {
        ReportInputs in;
        in.hardware.system = {{"manufacturer", ""}, {"model", "A&B <x> &amp;"}};
        in.hardware.cpu = {{"name", "Core i5"}};
        in.hardware.gpus = {QVariantMap{{"name", "Nameless"}}};
        in.hardware.network = {
            QVariantMap{{"kind", "WiFi"}, {"virtual", true}, {"description", "Wi-Fi Direct"}}};
        in.gpuResult = {{"stressTested", true}, {"stability", 93}, {"stressVerdict", "Ổn định"}};
        QString html = render(in);
        // One white row; entities in the data are escaped again.
        QVERIFY(html.contains(row("#ffffff", "Model", "A&amp;B &lt;x&gt; &amp;amp;") + "</table>"));
        QVERIFY(!html.contains("GPU — Nameless"));
        QVERIFY(html.contains(row("#ffffff", "Tình trạng", "Không phát hiện card Wi-Fi") + "</table>"));
        QVERIFY(html.contains("Kết quả kiểm tra hiệu năng</h3>"));
        QCOMPARE(html.mid(html.indexOf("Kết quả kiểm tra hiệu năng")).count("<tr>"), 1);
        QVERIFY(html.contains(row("#ffffff", "Ổn định GPU", "93% — Ổn định")));

        in.hardware.system.clear();
        html = render(in);
        QVERIFY(html.contains("<span style='font-size:11px;color:#6b7280;'>Core i5</span>"));
        QVERIFY(!html.contains(">Hệ thống</h3>"));
    }

    void benchmarkRowsAsStored()
    {
        ReportInputs in;
        in.benchmark = {{"cpuSingle", "812 MOPS"},
                        {"cpuMulti", "3120 MOPS"},
                        {"ramBandwidth", "9.4 GB/s"},
                        {"diskWrite", "1450 MB/s"}};
        const QString html = render(in);
        QVERIFY(html.contains(row("#ffffff", "CPU đơn luồng", "812 MOPS") +
                              row("#f3f4f6", "CPU đa luồng", "3120 MOPS") +
                              row("#ffffff", "Băng thông RAM", "9.4 GB/s") +
                              row("#f3f4f6", "Ổ đĩa — Ghi", "1450 MB/s") + "</table>"));
    }

    void laptopIdentifiedByFamily()
    {
        ReportInputs in;
        in.hardware.system = {{"deviceType", "Laptop"},
                              {"manufacturer", "LENOVO"},
                              {"model", "20L6001ATX"},
                              {"family", "ThinkPad T480"}};
        in.hardware.cpu = {{"name", "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"}};
        QVERIFY(render(in).contains(row("#ffffff", "Dòng máy", "Lenovo ThinkPad T480/T490")));
    }

    void verdictWithoutScoreOrTitle()
    {
        const QVariantList findings{QVariantMap{{"status", "alert"}, {"area", "RAM"}, {"label", "RAM <lạ>"}}};
        QString html = originalityHtml(
            findings, {{"level", "warn"}, {"text", "Có thay đổi"}, {"score", 0}, {"starText", "★★★★★"}});
        QVERIFY(html.contains(
            "color:#d97706;'><b>Có thay đổi</b> &nbsp; <span style='color:#d97706;'></span><br>"));
        QVERIFY(!html.contains("/100"));
        QVERIFY(!html.contains("★"));
        QVERIFY(!html.contains("<ul"));
        QVERIFY(html.contains("<b style='color:#dc2626;'>RAM &lt;lạ&gt;</b>"));
        QVERIFY(originalityHtml({}, {{"title", "x"}}).isEmpty());
    }

    void unconfirmedScreenTestIsLeftOut()
    {
        ReportInputs in;
        in.screenTest = {QStringList{"Sọc"}, {}, "Màn hình có lỗi", "bad", false};
        QVERIFY(!render(in).contains("Kiểm tra màn hình"));
    }

    void printedBarsHaveNoZeroWidthCell()
    {
        // The rich-text engine would stretch a 0 % cell across the bar; browsers get the plain one.
        ReportInputs in;
        QVERIFY(render(in).contains("<td bgcolor='#9ca3af' width='0%' height='10'></td>"));
        const QString printed = render(in, HtmlUse::Print);
        QVERIFY(!printed.contains("width='0%'"));
        QCOMPARE(printed.count("<tr><td bgcolor='#e5e7eb' height='10'></td></tr>"),
                 3); // storage 0, battery, stability
        QVERIFY(printed.contains("<td bgcolor='#DC2626' width='30%' height='10'>"));
    }
};

KELVARO_TEST(TestHtmlReport)
#include "tst_htmlreport.moc"
