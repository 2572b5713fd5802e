#include "report/htmlparts.h"
#include "report/htmlreport.h"
#include "report/reportpalette.h"

#include "hardware/keys/systemkeys.h"
#include "laptop/keys/evaluationkeys.h"
#include "laptop/keys/findingkeys.h"
#include "laptop/keys/verdictkeys.h"
#include "laptop/laptopevaluation.h"
#include "laptop/laptopidentify.h"

namespace {

QString boardSection(const LaptopMatch &match)
{
    if (!match.found)
        return {};
    const HtmlRows rows{
        {QStringLiteral("Dòng máy"), match.series},
        {QStringLiteral("Kích cỡ"), match.formFactor},
        {QStringLiteral("Nền tảng CPU"), match.cpuPlatform},
        {QStringLiteral("CPU"), match.cpuSoldered ? QStringLiteral("Hàn chết (BGA) — không thay")
                                                  : QStringLiteral("Socket rời — thay được")},
        {QStringLiteral("CPU hỗ trợ"), match.cpuOptions},
        {QStringLiteral("RAM tối đa"), match.maxRam},
        {QStringLiteral("Số khe RAM"), match.ramSlots >= 1 ? QString::number(match.ramSlots) : QString()},
        {QStringLiteral("Loại RAM"), match.ramType},
        {QStringLiteral("Mã mainboard"), match.boardId},
        {QStringLiteral("Main thay thế được"), match.interchangeable.join(QStringLiteral("; "))},
        {QStringLiteral("Nhận định"), match.upgradeNote},
    };
    return htmlSection(QStringLiteral("Mainboard & khả năng nâng cấp (laptop)"), rows);
}

QString verdictBox(const QVariantMap &verdict)
{
    const QString color = severityColor(verdict.value(VerdictKey::kLevel).toString());
    const QString title = verdict.value(VerdictKey::kTitle).toString();
    const QString text = verdict.value(VerdictKey::kText).toString();
    const int score = verdict.value(VerdictKey::kScore).toInt();
    const QString scorePart = score >= 1 ? QStringLiteral(" &nbsp; <b>%1/100</b>").arg(score) : QString();
    // Stars rate a comparison; a verdict without a score compared nothing.
    const QString stars = score >= 1 ? verdict.value(VerdictKey::kStarText).toString() : QString();

    QString html = QStringLiteral("<div style='border-left:4px solid %1;background:%2;padding:8px 10px;"
                                  "margin:0 0 8px 0;font-size:12px;color:%1;'><b>%3</b> &nbsp; "
                                  "<span style='color:" REPORT_WARN ";'>%4</span>%5<br>"
                                  "<span style='color:" REPORT_BODY ";font-weight:normal;'>%6</span>")
                       .arg(color, tinted(color), escapeHtml(title.isEmpty() ? text : title),
                            escapeHtml(stars), scorePart, escapeHtml(text));
    const QStringList reasons = verdict.value(VerdictKey::kReasons).toStringList();
    if (!reasons.isEmpty()) {
        html += QStringLiteral("<ul style='margin:6px 0 0 18px;color:" REPORT_MUTED ";font-size:11px;'>");
        for (const QString &reason : reasons)
            html += QStringLiteral("<li>%1</li>").arg(escapeHtml(reason));
        html += QStringLiteral("</ul>");
    }
    return html + QStringLiteral("</div>");
}

QString findingsTable(const QVariantList &findings)
{
    QString html = tableOpening();
    for (int i = 0; i < findings.size(); ++i) {
        const QVariantMap finding = findings[i].toMap();
        html += QStringLiteral("<tr><td bgcolor='%1' width='90' style='color:" REPORT_MUTED ";'>%2</td>"
                               "<td bgcolor='%1'><b style='color:%3;'>%4</b><br>"
                               "<span style='color:" REPORT_MUTED ";'>%5</span></td></tr>")
                    .arg(stripe(i), escapeHtml(finding.value(FindingKey::kArea).toString()),
                         severityColor(finding.value(FindingKey::kStatus).toString()),
                         escapeHtml(finding.value(FindingKey::kLabel).toString()),
                         escapeHtml(finding.value(FindingKey::kDetail).toString()));
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString laptopBlocksHtml(const HardwareSnapshot &hardware)
{
    const QVariantMap &system = hardware.system;
    if (system.value(SystemKey::kDeviceType).toString() != QLatin1String("Laptop"))
        return {};

    const LaptopMatch match = identifyMachine(system, hardware.cpu, hardware.ramSummary, hardware.ramModules);
    QString html = boardSection(match);

    // The evaluation identifies the machine through the same function.
    const QVariantMap evaluation =
        evaluateLaptop(system, hardware.cpu, hardware.ramSummary, hardware.ramModules, hardware.disks);
    return html + originalityHtml(evaluation.value(EvaluationKey::kFindings).toList(),
                                  evaluation.value(EvaluationKey::kVerdict).toMap());
}

QString originalityHtml(const QVariantList &findings, const QVariantMap &verdict)
{
    if (findings.isEmpty())
        return {};
    return QStringLiteral(
               "<h3 style='color:" REPORT_HEADING ";margin:14px 0 4px 0;'>Kiểm định nguyên bản (Originality "
               "Check)</h3><p style='color:" REPORT_MUTED ";font-size:11px;margin:0 0 6px 0;'>Đối chiếu cấu "
               "hình hãng — phát hiện tháo lắp / độ chế</p>") +
           verdictBox(verdict) + findingsTable(findings);
}
