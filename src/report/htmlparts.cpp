#include "report/htmlparts.h"

QString escapeHtml(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    escaped.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    escaped.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return escaped;
}

QString tableOpening()
{
    return QStringLiteral("<table width='100%' cellspacing='0' cellpadding='6' "
                          "style='border-collapse:collapse;font-size:11px;'>");
}

QString htmlSection(const QString &title, const HtmlRows &rows)
{
    QString body;
    int shown = 0;
    for (const HtmlRow &row : rows) {
        if (row.value.isEmpty())
            continue;
        body += QStringLiteral("<tr><td bgcolor='%1' width='34%' style='color:#6b7280;'>%2</td>"
                               "<td bgcolor='%1' style='color:#111827;'><b>%3</b></td></tr>")
                    .arg(stripe(shown), escapeHtml(row.label), escapeHtml(row.value));
        ++shown;
    }
    if (shown == 0)
        return {};
    return QStringLiteral("<h3 style='color:#1f2937;margin:14px 0 4px 0;'>%1</h3>").arg(escapeHtml(title)) +
           tableOpening() + body + QStringLiteral("</table>");
}

QString severityColor(const QString &level)
{
    if (level == QLatin1String("alert"))
        return QStringLiteral("#dc2626");
    if (level == QLatin1String("warn"))
        return QStringLiteral("#d97706");
    if (level == QLatin1String("ok"))
        return QStringLiteral("#16a34a");
    return QStringLiteral("#2563eb");
}

QString categoryColor(int score, bool na)
{
    if (na)
        return QStringLiteral("#9ca3af");
    if (score >= 80)
        return QStringLiteral("#16A34A");
    if (score >= 60)
        return QStringLiteral("#3B82F6");
    if (score >= 40)
        return QStringLiteral("#F59E0B");
    return QStringLiteral("#DC2626");
}
