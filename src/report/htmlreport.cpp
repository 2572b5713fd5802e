#include "report/htmlreport.h"

#include "hardware/keys/batterykeys.h"
#include "hardware/keys/bluetoothkeys.h"
#include "hardware/keys/cpukeys.h"
#include "hardware/keys/diskkeys.h"
#include "hardware/keys/gpukeys.h"
#include "hardware/keys/networkkeys.h"
#include "hardware/keys/ramsummarykeys.h"
#include "hardware/keys/systemkeys.h"
#include "perf/keys/benchmarkkeys.h"
#include "perf/keys/gpuresultkeys.h"
#include "report/htmlparts.h"
#include "report/keys/categorykeys.h"
#include "report/reportpalette.h"

namespace {

QString text(const QVariantMap &map, const QString &key)
{
    return map.value(key).toString();
}

// An integer key as decimal text; empty (the row disappears) when the map lacks it.
QString integer(const QVariantMap &map, const QString &key)
{
    return map.contains(key) ? QString::number(map.value(key).toInt()) : QString();
}

QString headerHtml(const ReportSummary &summary)
{
    return QStringLiteral("<table width='100%' cellpadding='0' cellspacing='0'><tr><td><span "
                          "style='font-size:22px;font-weight:bold;color:" REPORT_INK
                          ";'>Kelvaro</span><br><span "
                          "style='font-size:12px;color:" REPORT_MUTED
                          ";'>Phiếu kiểm định máy tính toàn diện</span></td><td "
                          "align='right' style='font-size:11px;color:" REPORT_MUTED
                          ";'>Lập lúc: %1</td></tr></table><hr "
                          "style='border:1px solid " REPORT_RULE ";'>")
        .arg(escapeHtml(summary.generatedAt));
}

QString scoreBlockHtml(const ReportSummary &summary, const HardwareSnapshot &hardware)
{
    QString machine = text(hardware.system, SystemKey::kModel);
    if (machine.isEmpty())
        machine = text(hardware.cpu, CpuKey::kName);
    return QStringLiteral(
               "<table width='100%' cellpadding='10' cellspacing='0'><tr><td width='150' "
               "align='center' bgcolor='%1' style='border-radius:8px;'><span "
               "style='font-size:40px;font-weight:bold;color:" REPORT_WHITE ";'>%2</span><br><span "
               "style='font-size:12px;color:" REPORT_WHITE
               ";'>/ 100</span></td><td style='padding-left:16px;'>"
               "<span style='font-size:13px;color:" REPORT_MUTED ";'>Xếp loại tổng thể</span><br><span "
               "style='font-size:26px;font-weight:bold;color:%1;'>%3</span><br><span "
               "style='font-size:11px;color:" REPORT_MUTED ";'>%4</span></td></tr></table>")
        .arg(summary.gradeColor, QString::number(summary.overall), escapeHtml(summary.grade),
             escapeHtml(machine));
}

// The score as a bar: a coloured cell as wide as the score, on a grey one.
QString scoreBar(int width, const QString &color, HtmlUse use)
{
    if (use == HtmlUse::Print && width == 0) {
        return QStringLiteral(
            "<table width='100%' cellpadding='0' cellspacing='0'><tr><td bgcolor='" REPORT_RULE "' "
            "height='10'></td></tr></table>");
    }
    return QStringLiteral(
               "<table width='100%' cellpadding='0' cellspacing='0'><tr><td bgcolor='%1' width='%2%' "
               "height='10'></td><td bgcolor='" REPORT_RULE "' height='10'></td></tr></table>")
        .arg(color, QString::number(width));
}

QString categoryTableHtml(const QVariantList &categories, HtmlUse use)
{
    QString html =
        QStringLiteral("<h3 style='color:" REPORT_HEADING
                       ";margin:16px 0 4px 0;'>Đánh giá theo hạng mục</h3>") +
        tableOpening() +
        QStringLiteral("<tr bgcolor='" REPORT_HEADING "'><td style='color:" REPORT_WHITE
                       ";'><b>Hạng mục</b></td><td "
                       "style='color:" REPORT_WHITE ";' width='90' align='center'><b>Điểm</b></td><td "
                       "style='color:" REPORT_WHITE ";' width='220'><b>Mức độ</b></td><td "
                       "style='color:" REPORT_WHITE ";'><b>Chi tiết</b></td></tr>");
    for (const QVariant &item : categories) {
        const QVariantMap row = item.toMap();
        const bool na = row.value(CategoryKey::kNa).toBool();
        const int score = row.value(CategoryKey::kScore).toInt();
        const QString color = categoryColor(score, na);
        html += QStringLiteral("<tr><td style='color:" REPORT_INK ";'><b>%1</b><br><span "
                               "style='color:" REPORT_FAINT
                               ";font-size:10px;'>trọng số %2</span></td><td align='center' "
                               "style='color:%3;font-size:16px;'><b>%4</b></td><td>%5</td><td "
                               "style='color:" REPORT_MUTED ";'>%6</td></tr>")
                    .arg(escapeHtml(text(row, CategoryKey::kName)),
                         QString::number(row.value(CategoryKey::kWeight).toInt()), color,
                         na ? QStringLiteral("N/A") : QString::number(score),
                         scoreBar(na ? 0 : score, color, use), escapeHtml(text(row, CategoryKey::kNote)));
    }
    return html + QStringLiteral("</table>");
}

QString systemSection(const QVariantMap &system)
{
    const QString board = (text(system, SystemKey::kBoardManufacturer) + QLatin1Char(' ') +
                           text(system, SystemKey::kBoardModel))
                              .trimmed();
    return htmlSection(QStringLiteral("Hệ thống"),
                       {
                           {QStringLiteral("Nhà sản xuất"), text(system, SystemKey::kManufacturer)},
                           {QStringLiteral("Model"), text(system, SystemKey::kModel)},
                           {QStringLiteral("Loại máy"), text(system, SystemKey::kDeviceType)},
                           {QStringLiteral("Hệ điều hành"), text(system, SystemKey::kOsName)},
                           {QStringLiteral("Phiên bản"), text(system, SystemKey::kOsVersion)},
                           {QStringLiteral("Bo mạch chủ"), board},
                           {QStringLiteral("BIOS"), text(system, SystemKey::kBiosVersion)},
                           {QStringLiteral("Firmware"), text(system, SystemKey::kFirmware)},
                           {QStringLiteral("Serial máy"), text(system, SystemKey::kSerial)},
                       });
}

QString cpuSection(const QVariantMap &cpu)
{
    QString upgrade;
    if (cpu.contains(CpuKey::kUpgradable)) {
        upgrade = cpu.value(CpuKey::kUpgradable).toBool()
                      ? QStringLiteral("Có thể (socket rời — tùy mainboard/BIOS)")
                      : QStringLiteral("Không thể (hàn chết / BGA)");
    }
    return htmlSection(QStringLiteral("CPU"),
                       {
                           {QStringLiteral("Tên"), text(cpu, CpuKey::kName)},
                           {QStringLiteral("Số nhân"), integer(cpu, CpuKey::kCores)},
                           {QStringLiteral("Số luồng"), integer(cpu, CpuKey::kThreads)},
                           {QStringLiteral("Socket"), text(cpu, CpuKey::kSocket)},
                           {QStringLiteral("Tập lệnh"), text(cpu, CpuKey::kInstructionSets)},
                           {QStringLiteral("Khả năng nâng cấp"), upgrade},
                           {QStringLiteral("Nhận định CPU"), text(cpu, CpuKey::kUpgradeNote)},
                       });
}

QString ramSection(const QVariantMap &ram)
{
    QString used;
    if (ram.contains(RamSummaryKey::kUsedSlots)) {
        used = QStringLiteral("%1 / %2")
                   .arg(ram.value(RamSummaryKey::kUsedSlots).toInt())
                   .arg(ram.value(RamSummaryKey::kSlots).toInt());
    }
    return htmlSection(QStringLiteral("RAM"),
                       {
                           {QStringLiteral("Tổng dung lượng"), text(ram, RamSummaryKey::kTotal)},
                           {QStringLiteral("Loại"), text(ram, RamSummaryKey::kType)},
                           {QStringLiteral("Kênh"), text(ram, RamSummaryKey::kChannel)},
                           {QStringLiteral("Khe đã dùng"), used},
                           {QStringLiteral("Hỗ trợ tối đa"), text(ram, RamSummaryKey::kMaxCapacity)},
                           {QStringLiteral("Khe còn trống"), integer(ram, RamSummaryKey::kFreeSlots)},
                           {QStringLiteral("Nhận định RAM"), text(ram, RamSummaryKey::kUpgradeNote)},
                       });
}

QString storageHtml(const QVariantList &disks)
{
    if (disks.isEmpty())
        return {};
    QString html = QStringLiteral(
        "<h3 style='color:" REPORT_HEADING ";margin:14px 0 4px 0;'>Ổ lưu trữ</h3><table width='100%' "
        "cellspacing='0' cellpadding='6' style='border-collapse:collapse;font-size:11px;'>"
        "<tr bgcolor='" REPORT_HEADING "'><td style='color:" REPORT_WHITE_SHORT ";'><b>Model</b></td><td "
        "style='color:" REPORT_WHITE_SHORT ";'><b>Loại</b></td><td style='color:" REPORT_WHITE_SHORT
        ";'><b>Dung "
        "lượng</b></td><td style='color:" REPORT_WHITE_SHORT ";'><b>Sức khỏe</b></td></tr>");
    for (int i = 0; i < disks.size(); ++i) {
        const QVariantMap disk = disks[i].toMap();
        QString health = text(disk, DiskKey::kHealth);
        if (disk.contains(DiskKey::kHealthPercent))
            health += QStringLiteral(" · %1%").arg(disk.value(DiskKey::kHealthPercent).toInt());
        html +=
            QStringLiteral("<tr><td bgcolor='%1'>%2</td><td bgcolor='%1'>%3</td><td bgcolor='%1'>%4</td><td "
                           "bgcolor='%1'>%5</td></tr>")
                .arg(stripe(i), escapeHtml(text(disk, DiskKey::kModel)),
                     escapeHtml(text(disk, DiskKey::kMediaType)), escapeHtml(text(disk, DiskKey::kCapacity)),
                     escapeHtml(health));
    }
    return html + QStringLiteral("</table>");
}

QString gpuSections(const QVariantList &gpus)
{
    QString html;
    for (const QVariant &item : gpus) {
        const QVariantMap gpu = item.toMap();
        html += htmlSection(QStringLiteral("GPU — ") + text(gpu, GpuKey::kName),
                            {
                                {QStringLiteral("Hãng"), text(gpu, GpuKey::kVendor)},
                                {QStringLiteral("Bộ nhớ (VRAM)"), text(gpu, GpuKey::kVram)},
                                {QStringLiteral("Driver"), text(gpu, GpuKey::kDriver)},
                                {QStringLiteral("Độ phân giải"), text(gpu, GpuKey::kResolution)},
                            });
    }
    return html;
}

QString batterySection(const QVariantMap &battery)
{
    if (!battery.value(BatteryKey::kPresent).toBool())
        return {};
    return htmlSection(
        QStringLiteral("Pin"),
        {
            {QStringLiteral("Tên"), text(battery, BatteryKey::kName)},
            {QStringLiteral("Dung lượng thiết kế"), text(battery, BatteryKey::kDesignCapacity)},
            {QStringLiteral("Dung lượng hiện tại"), text(battery, BatteryKey::kFullCapacity)},
            {QStringLiteral("Độ chai"), text(battery, BatteryKey::kWear)},
            {QStringLiteral("Chu kỳ sạc"), integer(battery, BatteryKey::kCycleCount)},
        });
}

// The first adapter of a kind that is not a virtual one; empty when there is none.
QVariantMap firstAdapter(const QVariantList &network, const QString &kind)
{
    for (const QVariant &item : network) {
        const QVariantMap adapter = item.toMap();
        if (text(adapter, NetworkKey::kKind) == kind && !adapter.value(NetworkKey::kVirtual).toBool())
            return adapter;
    }
    return {};
}

QString networkSections(const QVariantList &network, const QVariantMap &bluetooth)
{
    QString html;
    const QString wifiTitle = QStringLiteral("Kết nối — Card Wi-Fi");
    const QVariantMap wifi = firstAdapter(network, QStringLiteral("WiFi"));
    if (wifi.isEmpty()) {
        html += htmlSection(wifiTitle,
                            {{QStringLiteral("Tình trạng"), QStringLiteral("Không phát hiện card Wi-Fi")}});
    } else {
        QString standard = text(wifi, NetworkKey::kMaxStandard);
        if (standard.isEmpty())
            standard = text(wifi, NetworkKey::kStandard);
        HtmlRows rows{{QStringLiteral("Tình trạng"), QStringLiteral("Có card Wi-Fi")},
                      {QStringLiteral("Chip / Model"), text(wifi, NetworkKey::kDescription)},
                      {QStringLiteral("Chuẩn tối đa"), standard}};
        if (wifi.value(NetworkKey::kConnected).toBool()) {
            rows << HtmlRow{QStringLiteral("Đang kết nối"), text(wifi, NetworkKey::kSsid)}
                 << HtmlRow{QStringLiteral("Băng tần"), text(wifi, NetworkKey::kBand)};
        }
        html += htmlSection(wifiTitle, rows);
    }

    const QString lanTitle = QStringLiteral("Kết nối — Cổng mạng LAN");
    const QVariantMap wired = firstAdapter(network, QStringLiteral("Ethernet"));
    if (wired.isEmpty()) {
        html += htmlSection(lanTitle,
                            {{QStringLiteral("Cổng LAN"), QStringLiteral("Máy không có cổng LAN (Ethernet)")},
                             {QStringLiteral("Gợi ý"), QStringLiteral("Có thể dùng bộ chuyển USB-LAN / "
                                                                      "USB-C sang RJ45")}});
    } else {
        QString speed = text(wired, NetworkKey::kMaxSpeed);
        if (speed.isEmpty())
            speed = text(wired, NetworkKey::kLinkSpeed);
        html += htmlSection(lanTitle,
                            {{QStringLiteral("Cổng LAN"), QStringLiteral("Có cổng LAN (Ethernet)")},
                             {QStringLiteral("Chip điều khiển"), text(wired, NetworkKey::kDescription)},
                             {QStringLiteral("Tốc độ tối đa"), speed},
                             {QStringLiteral("Trạng thái"), wired.value(NetworkKey::kConnected).toBool()
                                                                ? QStringLiteral("Đã cắm cáp · đang kết nối")
                                                                : QStringLiteral("Chưa cắm cáp mạng")}});
    }

    const QString bluetoothTitle = QStringLiteral("Kết nối — Bluetooth");
    if (bluetooth.value(BluetoothKey::kPresent).toBool()) {
        QString paired;
        if (bluetooth.contains(BluetoothKey::kPairedCount))
            paired = QStringLiteral("%1 thiết bị").arg(bluetooth.value(BluetoothKey::kPairedCount).toInt());
        html +=
            htmlSection(bluetoothTitle, {{QStringLiteral("Trạng thái"), QStringLiteral("Có sẵn")},
                                         {QStringLiteral("Tên"), text(bluetooth, BluetoothKey::kName)},
                                         {QStringLiteral("Địa chỉ"), text(bluetooth, BluetoothKey::kAddress)},
                                         {QStringLiteral("Thiết bị đã ghép"), paired}});
    } else {
        html += htmlSection(bluetoothTitle,
                            {{QStringLiteral("Trạng thái"), QStringLiteral("Không phát hiện Bluetooth")}});
    }
    return html;
}

QString screenTestHtml(const ScreenTestResult &screen)
{
    if (!screen.confirmed)
        return {};
    const QString &level = screen.verdictLevel;
    QString color = QStringLiteral(REPORT_INFO);
    if (level == QLatin1String("ok"))
        color = QStringLiteral(REPORT_OK);
    else if (level == QLatin1String("warn"))
        color = QStringLiteral(REPORT_WARN);
    else if (level == QLatin1String("bad"))
        color = QStringLiteral(REPORT_BAD);

    QString html =
        QStringLiteral("<h3 style='color:" REPORT_HEADING ";margin:14px 0 4px 0;'>Kiểm tra màn hình</h3>") +
        QStringLiteral("<div style='border-left:4px solid %1;background:%2;padding:8px 10px;margin:0 0 "
                       "8px 0;font-size:12px;color:%1;'><b>%3</b></div>")
            .arg(color, tinted(color), escapeHtml(screen.verdict));
    const QStringList &faults = screen.faults;
    if (faults.isEmpty()) {
        html += QStringLiteral("<p style='font-size:11px;color:" REPORT_OK
                               ";'>Không phát hiện điểm chết · không hở sáng "
                               "· không sọc · không lưu ảnh.</p>");
    } else {
        html += QStringLiteral("<ul style='font-size:11px;color:" REPORT_BODY ";margin:4px 0 4px 18px;'>");
        for (const QString &fault : faults)
            html += QStringLiteral("<li>%1</li>").arg(escapeHtml(fault));
        html += QStringLiteral("</ul>");
    }
    const QString &note = screen.note;
    if (!note.isEmpty())
        html += QStringLiteral("<p style='font-size:11px;color:" REPORT_MUTED ";'>Ghi chú: %1</p>")
                    .arg(escapeHtml(note));
    return html;
}

QString performanceSection(const QVariantMap &benchmark, const QVariantMap &gpu)
{
    HtmlRows rows;
    if (!benchmark.isEmpty()) {
        rows << HtmlRow{QStringLiteral("CPU đơn luồng"), text(benchmark, BenchmarkKey::kCpuSingle)}
             << HtmlRow{QStringLiteral("CPU đa luồng"), text(benchmark, BenchmarkKey::kCpuMulti)}
             << HtmlRow{QStringLiteral("Băng thông RAM"), text(benchmark, BenchmarkKey::kRamBandwidth)}
             << HtmlRow{QStringLiteral("Ổ đĩa — Đọc"), text(benchmark, BenchmarkKey::kDiskRead)}
             << HtmlRow{QStringLiteral("Ổ đĩa — Ghi"), text(benchmark, BenchmarkKey::kDiskWrite)};
    }
    if (gpu.value(GpuResultKey::kTested).toBool()) {
        rows << HtmlRow{QStringLiteral("Điểm GPU"), QString::number(gpu.value(GpuResultKey::kScore).toInt())}
             << HtmlRow{QStringLiteral("Thông lượng GPU"),
                        QStringLiteral("%1 GI/s").arg(gpu.value(GpuResultKey::kThroughput).toDouble(), 0, 'f',
                                                      1)}
             << HtmlRow{QStringLiteral("Đánh giá GPU"), text(gpu, GpuResultKey::kVerdict)};
    }
    if (gpu.value(GpuResultKey::kStressTested).toBool()) {
        rows << HtmlRow{QStringLiteral("Ổn định GPU"),
                        QStringLiteral("%1% — %2")
                            .arg(QString::number(gpu.value(GpuResultKey::kStability).toInt()),
                                 text(gpu, GpuResultKey::kStressVerdict))};
    }
    return htmlSection(QStringLiteral("Kết quả kiểm tra hiệu năng"), rows);
}

} // namespace

QString reportHtml(const ReportSummary &summary, const ReportInputs &inputs, HtmlUse use)
{
    const HardwareSnapshot &hw = inputs.hardware;
    QString html =
        QStringLiteral("<html><body style='font-family:Segoe UI,Arial,sans-serif;color:" REPORT_INK ";'>");
    html += headerHtml(summary);
    html += scoreBlockHtml(summary, hw);
    html += categoryTableHtml(summary.categories, use);
    html += systemSection(hw.system);
    html += cpuSection(hw.cpu);
    html += ramSection(hw.ramSummary);
    html += laptopBlocksHtml(hw);
    html += storageHtml(hw.disks);
    html += gpuSections(hw.gpus);
    html += batterySection(hw.battery);
    html += networkSections(hw.network, hw.bluetooth);
    html += screenTestHtml(inputs.screenTest);
    html += performanceSection(inputs.benchmark, inputs.gpuResult);
    html += QStringLiteral(
        "<hr style='border:1px solid " REPORT_RULE ";margin-top:18px;'><p style='font-size:10px;"
        "color:" REPORT_FAINT ";'>Báo cáo được tạo tự động bởi Kelvaro. Điểm Kelvaro Score là đánh giá "
        "tham khảo dựa trên cấu hình và kết quả kiểm tra thực tế.</p></body></html>");
    return html;
}
