// Cases the golden reports do not reach. The goldens pin the markup; here the sections are read
// back as text.
#include "report/healthscore.h"
#include "report/htmlreport.h"
#include "testregistry.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QString render(const ReportInputs &in, HtmlUse use = HtmlUse::File)
{
    return reportHtml(computeScore(in), in, use);
}

// "Title: label=value; …" for each section, as escaped in the page.
QStringList sections(const QString &html)
{
    static const QRegularExpression row(
        QStringLiteral("<tr><td[^>]*>([^<]*)</td><td[^>]*><b>(.*?)</b></td></tr>"));
    QStringList out;
    for (const QString &part : html.split(QStringLiteral("<h3")).mid(1)) {
        QStringList rows;
        auto it = row.globalMatch(part.left(part.indexOf(QStringLiteral("</table>"))));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            rows << m.captured(1) + '=' + m.captured(2);
        }
        out << part.section('>', 1).section(QStringLiteral("</h3>"), 0, 0) + ": " + rows.join("; ");
    }
    return out;
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
        in.benchmark = {{"cpuSingle", "812 MOPS"}, {"ramBandwidth", "9.4 GB/s"}, {"diskWrite", "1450 MB/s"}};
        const QStringList shown = sections(render(in));
        // Entities in the data are escaped again.
        QVERIFY(shown.contains("Hệ thống: Model=A&amp;B &lt;x&gt; &amp;amp;"));
        QVERIFY(!shown.join('\n').contains("Nameless"));
        QVERIFY(shown.contains("Kết nối — Card Wi-Fi: Tình trạng=Không phát hiện card Wi-Fi"));
        QVERIFY(shown.contains("Kết quả kiểm tra hiệu năng: CPU đơn luồng=812 MOPS; Băng thông RAM=9.4 GB/s; "
                               "Ổ đĩa — Ghi=1450 MB/s; Ổn định GPU=93% — Ổn định"));

        in.hardware.system.clear();
        const QString html = render(in);
        QVERIFY(html.contains(">Core i5</span>")); // the processor names the machine
        QVERIFY(!html.contains(">Hệ thống</h3>"));
    }

    void laptopIdentifiedByFamily()
    {
        ReportInputs in;
        in.hardware.system = {{"deviceType", "Laptop"},
                              {"manufacturer", "LENOVO"},
                              {"model", "20L6001ATX"},
                              {"family", "ThinkPad T480"}};
        in.hardware.cpu = {{"name", "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"}};
        QVERIFY(sections(render(in)).join('\n').contains("Dòng máy=Lenovo ThinkPad T480/T490"));
    }

    void verdictWithoutScoreOrTitle()
    {
        const QVariantList findings{QVariantMap{{"status", "alert"}, {"area", "RAM"}, {"label", "RAM <lạ>"}}};
        const QString html = originalityHtml(
            findings, {{"level", "warn"}, {"text", "Có thay đổi"}, {"score", 0}, {"starText", "★★★★★"}});
        QVERIFY(html.contains("<b>Có thay đổi</b>"));
        QVERIFY(!html.contains("/100"));
        QVERIFY(!html.contains("★"));
        QVERIFY(!html.contains("<ul"));
        QVERIFY(html.contains("RAM &lt;lạ&gt;</b>"));
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
