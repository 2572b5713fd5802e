#include "report/healthscore.h"
#include "report/htmlreport.h"
#include "testregistry.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QString kWhiteRow = "<tr><td bgcolor='#ffffff' width='34%' style='color:#6b7280;'>";
const QString kGreyRow = "<tr><td bgcolor='#f3f4f6' width='34%' style='color:#6b7280;'>";

QString heading(const QString &title)
{
    return "<h3 style='color:#1f2937;margin:14px 0 4px 0;'>" + title + "</h3>";
}

QString rowHtml(const QString &background, const QString &label, const QString &value)
{
    return QString("<tr><td bgcolor='%1' width='34%' style='color:#6b7280;'>%2</td><td bgcolor='%1' "
                   "style='color:#111827;'><b>%3</b></td></tr>")
        .arg(background, label, value);
}

// The html of one titled section, from its heading to the end of its table.
QString sectionOf(const QString &html, const QString &title)
{
    const int start = html.indexOf(heading(title));
    if (start < 0)
        return {};
    return html.mid(start, html.indexOf("</table>", start) + 8 - start);
}

QString render(const ReportInputs &in)
{
    ReportSummary summary = computeScore(in);
    summary.generatedAt = "17/05/2024 14:03:09";
    return reportHtml(summary, in);
}

QVariantMap latitude()
{
    return {{"deviceType", "Laptop"}, {"manufacturer", "Dell Inc."}, {"model", "Latitude 7490"}};
}

} // namespace

class TestHtmlReport : public QObject {
    Q_OBJECT

private slots:
    void sectionsKeepOnlyRowsWithValues()
    {
        ReportInputs in;
        in.hardware.system = {{"model", "Latitude 7490"}};
        QString system = sectionOf(render(in), "Hệ thống");
        QCOMPARE(system, heading("Hệ thống") +
                             "<table width='100%' cellspacing='0' cellpadding='6' "
                             "style='border-collapse:collapse;font-size:11px;'>" +
                             rowHtml("#ffffff", "Model", "Latitude 7490") + "</table>");

        // Rows without a value do not advance the striping.
        in.hardware.system = {
            {"manufacturer", "Dell Inc."}, {"osName", "Windows 11 Pro"}, {"boardModel", "0KP0FT"}};
        system = sectionOf(render(in), "Hệ thống");
        QVERIFY(system.contains(rowHtml("#ffffff", "Nhà sản xuất", "Dell Inc.")));
        QVERIFY(system.contains(rowHtml("#f3f4f6", "Hệ điều hành", "Windows 11 Pro")));
        QVERIFY(system.contains(rowHtml("#ffffff", "Bo mạch chủ", "0KP0FT"))); // trimmed join

        // No value at all: no heading either.
        in.hardware.system = {{"deviceType", ""}};
        QVERIFY(!render(in).contains(heading("Hệ thống")));
    }

    void dataIsEscapedOnceAndPlaceholdersStayLiteral()
    {
        ReportInputs in;
        in.hardware.system = {{"model", "A&B <x> &amp; %2 %1"}};
        in.hardware.gpus = {QVariantMap{{"name", "GPU <script>"}, {"vendor", "%1 & co"}}};
        const QString html = render(in);
        QVERIFY(html.contains(rowHtml("#ffffff", "Model", "A&amp;B &lt;x&gt; &amp;amp; %2 %1")));
        QVERIFY(html.contains(heading("GPU — GPU &lt;script&gt;")));
        QVERIFY(html.contains(rowHtml("#ffffff", "Hãng", "%1 &amp; co")));
        QVERIFY(!html.contains("<script>"));
        // The score block names the machine the same way.
        QVERIFY(html.contains(
            "<span style='font-size:11px;color:#6b7280;'>A&amp;B &lt;x&gt; &amp;amp; %2 %1</span>"));
    }

    void scoreBlockFallsBackToTheProcessor()
    {
        ReportInputs in;
        in.hardware.cpu = {{"name", "Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz"}, {"threads", 8}};
        const QString html = render(in);
        QVERIFY(html.contains("<span style='font-size:11px;color:#6b7280;'>Intel(R) Core(TM) i5-8350U CPU @ "
                              "1.70GHz</span></td></tr></table>"));
        QVERIFY(
            html.startsWith("<html><body style='font-family:Segoe UI,Arial,sans-serif;color:#111827;'><table "
                            "width='100%' cellpadding='0' cellspacing='0'>"));
        QVERIFY(html.contains("Lập lúc: 17/05/2024 14:03:09"));
        QVERIFY(html.endsWith("</p></body></html>"));
    }

    void notApplicableCategoryHasAnEmptyBar()
    {
        ReportInputs in;
        const QString naRow = "<tr><td style='color:#111827;'><b>Pin</b><br><span "
                              "style='color:#9ca3af;font-size:10px;'>trọng số "
                              "10</span></td><td align='center' "
                              "style='color:#9ca3af;font-size:16px;'><b>N/A</b></td><td><table "
                              "width='100%' cellpadding='0' cellspacing='0'><tr><td bgcolor='#9ca3af' "
                              "width='0%' height='10'></td><td "
                              "bgcolor='#e5e7eb' height='10'></td></tr></table></td><td "
                              "style='color:#6b7280;'>Máy bàn — không có "
                              "pin</td></tr>";
        const ReportSummary summary = computeScore(in);
        QVERIFY(reportHtml(summary, in).contains(naRow));
        QVERIFY(reportHtml(summary, in)
                    .contains(
                        "<td align='center' style='color:#DC2626;font-size:16px;'><b>0</b></td><td><table "
                        "width='100%' "
                        "cellpadding='0' cellspacing='0'><tr><td bgcolor='#DC2626' width='0%' height='10'>"));

        // Printing draws no zero-width cell, which the layout engine would stretch across the bar.
        const QString printed = reportHtml(summary, in, HtmlUse::Print);
        QVERIFY(!printed.contains("width='0%'"));
        QVERIFY(
            printed.contains("<b>N/A</b></td><td><table width='100%' cellpadding='0' cellspacing='0'><tr><td "
                             "bgcolor='#e5e7eb' height='10'></td></tr></table></td>"));
        QVERIFY(printed.contains("<td bgcolor='#DC2626' width='30%' height='10'>")); // CPU 30 unchanged
    }

    void laptopBlocksOnlyForLaptops()
    {
        ReportInputs in;
        in.hardware.system = latitude();
        in.hardware.cpu = {{"name", "Intel(R) Core(TM) i5-8350U CPU @ 1.70GHz"}};
        in.hardware.ramSummary = {{"total", "16.0 GB"}, {"type", "DDR4"}};
        in.hardware.disks = {QVariantMap{{"mediaType", "SSD"}, {"capacity", "238 GB"}}};
        QString html = render(in);
        const QString board = sectionOf(html, "Mainboard &amp; khả năng nâng cấp (laptop)");
        QVERIFY2(board.contains(rowHtml("#ffffff", "Dòng máy", "Dell Latitude E7470/7480/7490")),
                 qPrintable(board));
        QVERIFY(board.contains("Hàn chết (BGA) — không thay"));
        QVERIFY(html.contains(heading("Kiểm định nguyên bản (Originality Check)")));
        // The originality block comes before the storage table.
        QVERIFY(html.indexOf("Originality") < html.indexOf(heading("Ổ lưu trữ")));

        // A machine type code as model: the family names it.
        in.hardware.system = {{"deviceType", "Laptop"},
                              {"manufacturer", "LENOVO"},
                              {"model", "20L6001ATX"},
                              {"family", "ThinkPad T480"}};
        in.hardware.cpu = {{"name", "Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz"}};
        QVERIFY(render(in).contains(rowHtml("#ffffff", "Dòng máy", "Lenovo ThinkPad T480/T490")));

        in.hardware.system = latitude();
        in.hardware.system.insert("deviceType", "Desktop");
        html = render(in);
        QVERIFY(!html.contains("Mainboard &amp;"));
        QVERIFY(!html.contains("Originality"));
    }

    void originalityVerdictBox()
    {
        const QVariantList findings{
            QVariantMap{
                {"status", "alert"}, {"area", "RAM"}, {"label", "RAM <lạ>"}, {"detail", "8 GB & 4 GB"}},
            QVariantMap{{"status", "ok"}, {"area", "CPU"}, {"label", "Đúng"}, {"detail", ""}}};
        QString html = originalityHtml(findings, {{"level", "warn"},
                                                  {"title", ""},
                                                  {"text", "Có thay đổi"},
                                                  {"starText", "★★★☆☆"},
                                                  {"score", 0},
                                                  {"reasons", QStringList()}});
        QVERIFY(html.contains(
            "<div style='border-left:4px solid #d97706;background:#d9770614;padding:8px 10px;margin:0 "
            "0 8px 0;font-size:12px;color:#d97706;'><b>Có thay đổi</b> &nbsp; <span "
            "style='color:#d97706;'>★★★☆☆</span><br><span style='color:#374151;font-weight:normal;'>"
            "Có thay đổi</span></div>"));
        QVERIFY(!html.contains("/100"));
        QVERIFY(html.contains("<tr><td bgcolor='#ffffff' width='90' style='color:#6b7280;'>RAM</td><td "
                              "bgcolor='#ffffff'><b style='color:#dc2626;'>RAM &lt;lạ&gt;</b><br><span "
                              "style='color:#6b7280;'>8 GB &amp; 4 GB</span></td></tr>"));
        QVERIFY(html.contains("<td bgcolor='#f3f4f6'><b style='color:#16a34a;'>Đúng</b>"));

        html = originalityHtml(findings, {{"level", "info"},
                                          {"title", "Nguyên bản"},
                                          {"text", "t"},
                                          {"score", 72},
                                          {"reasons", QStringList{"−9đ: <a>"}}});
        QVERIFY(html.contains(
            "<b>Nguyên bản</b> &nbsp; <span style='color:#d97706;'></span> &nbsp; <b>72/100</b><br>"));
        QVERIFY(html.contains("solid #2563eb;background:#2563eb14;"));
        QVERIFY(html.contains(
            "<ul style='margin:6px 0 0 18px;color:#6b7280;font-size:11px;'><li>−9đ: &lt;a&gt;</li>"
            "</ul></div>"));

        QVERIFY(originalityHtml({}, {{"title", "x"}}).isEmpty());
    }

    void storageTableEvenWithEmptyCells()
    {
        ReportInputs in;
        QVERIFY(!render(in).contains("Ổ lưu trữ"));
        in.hardware.disks = {QVariantMap{{"model", "SAMSUNG MZVLB256HAHQ"},
                                         {"mediaType", "SSD"},
                                         {"capacity", "238 GB"},
                                         {"health", "Tốt"},
                                         {"healthPercent", 99}},
                             QVariantMap{}};
        const QString html = render(in);
        QVERIFY(html.contains(
            "<tr><td bgcolor='#ffffff'>SAMSUNG MZVLB256HAHQ</td><td bgcolor='#ffffff'>SSD</td><td "
            "bgcolor='#ffffff'>238 GB</td><td bgcolor='#ffffff'>Tốt · 99%</td></tr>"));
        QVERIFY(html.contains(
            "<tr><td bgcolor='#f3f4f6'></td><td bgcolor='#f3f4f6'></td><td bgcolor='#f3f4f6'></td><td "
            "bgcolor='#f3f4f6'></td></tr></table>"));
    }

    void oneSectionPerGpuWithValues()
    {
        ReportInputs in;
        in.hardware.gpus = {QVariantMap{{"name", "Intel UHD 620"}, {"vram", "128 MB"}},
                            QVariantMap{{"name", "GeForce GTX 1650"}, {"driver", "31.0.15.1694"}},
                            QVariantMap{{"name", "Nameless"}}};
        const QString html = render(in);
        QVERIFY(html.contains(heading("GPU — Intel UHD 620") + "<table"));
        QVERIFY(html.contains(heading("GPU — GeForce GTX 1650") + "<table"));
        QVERIFY(!html.contains("GPU — Nameless"));
    }

    void batteryOnlyWhenPresent()
    {
        ReportInputs in;
        in.hardware.battery = {{"present", false}, {"name", "ghost"}};
        QVERIFY(!render(in).contains(heading("Pin")));
        in.hardware.battery = {
            {"present", true}, {"name", "DELL GJKNX84"}, {"wear", "13.3%"}, {"cycleCount", 187}};
        const QString battery = sectionOf(render(in), "Pin");
        QVERIFY(battery.contains(rowHtml("#f3f4f6", "Độ chai", "13.3%")));
        QVERIFY(battery.contains(rowHtml("#ffffff", "Chu kỳ sạc", "187")));
    }

    void networkAdaptersAndBluetooth()
    {
        ReportInputs in;
        in.hardware.network = {
            QVariantMap{{"kind", "WiFi"}, {"virtual", true}, {"description", "Wi-Fi Direct"}}};
        QString html = render(in);
        QCOMPARE(sectionOf(html, "Kết nối — Card Wi-Fi"),
                 heading("Kết nối — Card Wi-Fi") +
                     "<table width='100%' cellspacing='0' cellpadding='6' "
                     "style='border-collapse:collapse;font-size:11px;'>" +
                     rowHtml("#ffffff", "Tình trạng", "Không phát hiện card Wi-Fi") + "</table>");
        QVERIFY(
            sectionOf(html, "Kết nối — Cổng mạng LAN")
                .contains(rowHtml("#f3f4f6", "Gợi ý", "Có thể dùng bộ chuyển USB-LAN / USB-C sang RJ45")));
        QVERIFY(sectionOf(html, "Kết nối — Bluetooth")
                    .contains(rowHtml("#ffffff", "Trạng thái", "Không phát hiện Bluetooth")));

        in.hardware.network << QVariantMap{{"kind", "WiFi"},        {"description", "AX201"},
                                           {"standard", "Wi-Fi 6"}, {"connected", true},
                                           {"ssid", "Nhà <A>"},     {"band", "5 GHz"}}
                            << QVariantMap{{"kind", "Ethernet"},
                                           {"description", "I219-LM"},
                                           {"linkSpeed", "1 Gbps"},
                                           {"connected", false}};
        in.hardware.bluetooth = {{"present", true}, {"name", "LAPTOP"}, {"pairedCount", 0}};
        html = render(in);
        const QString wifi = sectionOf(html, "Kết nối — Card Wi-Fi");
        QVERIFY(wifi.contains(rowHtml("#ffffff", "Chuẩn tối đa", "Wi-Fi 6")));
        QVERIFY(wifi.contains(rowHtml("#f3f4f6", "Đang kết nối", "Nhà &lt;A&gt;")));
        const QString lan = sectionOf(html, "Kết nối — Cổng mạng LAN");
        QVERIFY(lan.contains(rowHtml("#ffffff", "Tốc độ tối đa", "1 Gbps")));
        QVERIFY(lan.contains(rowHtml("#f3f4f6", "Trạng thái", "Chưa cắm cáp mạng")));
        QVERIFY(sectionOf(html, "Kết nối — Bluetooth")
                    .contains(rowHtml("#ffffff", "Thiết bị đã ghép", "0 thiết bị")));
    }

    void screenTestOnlyWhenConfirmed()
    {
        ReportInputs in;
        in.screenTest = {{"confirmed", false}, {"verdict", "Màn hình có lỗi"}, {"verdictLevel", "bad"}};
        QVERIFY(!render(in).contains("Kiểm tra màn hình"));

        in.screenTest = {{"confirmed", true},
                         {"verdict", "Màn hình có lỗi"},
                         {"verdictLevel", "bad"},
                         {"faults", QStringList{"Điểm chết", "Hở sáng <góc>"}},
                         {"note", "Góc trái & dưới"}};
        QString html = render(in);
        QVERIFY(html.contains(
            heading("Kiểm tra màn hình") +
            "<div style='border-left:4px solid #dc2626;background:#dc262614;padding:8px 10px;margin:0 "
            "0 8px 0;font-size:12px;color:#dc2626;'><b>Màn hình có lỗi</b></div><ul "
            "style='font-size:11px;color:#374151;margin:4px 0 4px 18px;'><li>Điểm chết</li><li>Hở "
            "sáng &lt;góc&gt;</li></ul><p style='font-size:11px;color:#6b7280;'>Ghi chú: Góc trái "
            "&amp; dưới</p>"));

        in.screenTest = {{"confirmed", true},
                         {"verdict", "Màn hình đạt — không phát hiện lỗi"},
                         {"verdictLevel", "ok"},
                         {"faults", QStringList()},
                         {"note", ""}};
        html = render(in);
        QVERIFY(html.contains("solid #16a34a;"));
        QVERIFY(html.contains(
            "<p style='font-size:11px;color:#16a34a;'>Không phát hiện điểm chết · không hở sáng · "
            "không sọc · không lưu ảnh.</p>"));
        QVERIFY(!html.contains("Ghi chú:"));
    }

    void performanceRows()
    {
        ReportInputs in;
        QVERIFY(!render(in).contains("Kết quả kiểm tra hiệu năng"));

        in.gpuResult = {{"stressTested", true}, {"stability", 93}, {"stressVerdict", "Ổn định"}};
        QCOMPARE(sectionOf(render(in), "Kết quả kiểm tra hiệu năng").count("<tr>"), 1);
        QVERIFY(render(in).contains(rowHtml("#ffffff", "Ổn định GPU", "93% — Ổn định")));

        in.benchmark = {{"cpuSingle", "812 MOPS"},
                        {"cpuMulti", "3120 MOPS"},
                        {"ramBandwidth", "9.4 GB/s"},
                        {"diskWrite", "1450 MB/s"}};
        in.gpuResult.insert("tested", true);
        in.gpuResult.insert("score", 4321);
        in.gpuResult.insert("throughput", 7.26);
        in.gpuResult.insert("verdict", "Khá");
        const QString perf = sectionOf(render(in), "Kết quả kiểm tra hiệu năng");
        QStringList labels;
        const QRegularExpression label("width='34%' style='color:#6b7280;'>([^<]*)</td>");
        for (auto it = label.globalMatch(perf); it.hasNext();)
            labels << it.next().captured(1);
        QCOMPARE(labels, (QStringList{"CPU đơn luồng", "CPU đa luồng", "Băng thông RAM", "Ổ đĩa — Ghi",
                                      "Điểm GPU", "Thông lượng GPU", "Đánh giá GPU", "Ổn định GPU"}));
        QVERIFY(perf.contains("<b>7.3 GI/s</b>"));
        QVERIFY(perf.contains("<b>4321</b>"));
    }
};

KELVARO_TEST(TestHtmlReport)
#include "tst_htmlreport.moc"
