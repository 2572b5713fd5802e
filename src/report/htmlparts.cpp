#include "report/htmlparts.h"

#include "report/reportpalette.h"

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
        body += QStringLiteral("<tr><td bgcolor='%1' width='34%' style='color:" REPORT_MUTED ";'>%2</td>"
                               "<td bgcolor='%1' style='color:" REPORT_INK ";'><b>%3</b></td></tr>")
                    .arg(stripe(shown), escapeHtml(row.label), escapeHtml(row.value));
        ++shown;
    }
    if (shown == 0)
        return {};
    return QStringLiteral("<h3 style='color:" REPORT_HEADING ";margin:14px 0 4px 0;'>%1</h3>")
               .arg(escapeHtml(title)) +
           tableOpening() + body + QStringLiteral("</table>");
}

QString severityColor(const QString &level)
{
    if (level == QLatin1String("alert"))
        return QStringLiteral(REPORT_BAD);
    if (level == QLatin1String("warn"))
        return QStringLiteral(REPORT_WARN);
    if (level == QLatin1String("ok"))
        return QStringLiteral(REPORT_OK);
    return QStringLiteral(REPORT_INFO);
}

QString categoryColor(int score, bool na)
{
    if (na)
        return QStringLiteral(REPORT_FAINT);
    if (score >= 80)
        return QStringLiteral(REPORT_SCORE_EXCELLENT);
    if (score >= 60)
        return QStringLiteral(REPORT_SCORE_GOOD);
    if (score >= 40)
        return QStringLiteral(REPORT_SCORE_FAIR);
    return QStringLiteral(REPORT_SCORE_WEAK);
}
