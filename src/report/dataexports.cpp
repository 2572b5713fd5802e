#include "report/dataexports.h"

#include "report/keys/categorykeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Spreadsheets run a cell that starts with one of these as a formula; a hostile device name
// in a note must stay text.
bool looksLikeFormula(const QString &text)
{
    return !text.isEmpty() && QStringLiteral("=+-@").contains(text.at(0));
}

} // namespace

QByteArray reportJson(const ReportSummary &summary, const ReportInputs &inputs)
{
    const HardwareSnapshot &hw = inputs.hardware;
    QJsonObject root;
    root.insert(QStringLiteral("tool"), QStringLiteral("Kelvaro"));
    root.insert(QStringLiteral("generatedAt"), summary.generatedAt);
    root.insert(QStringLiteral("kelvaroScore"), summary.overall);
    root.insert(QStringLiteral("grade"), summary.grade);

    QJsonArray categories;
    for (const QVariant &row : summary.categories)
        categories.append(QJsonObject::fromVariantMap(row.toMap()));
    root.insert(QStringLiteral("categories"), categories);

    QJsonObject hardware;
    hardware.insert(QStringLiteral("system"), QJsonObject::fromVariantMap(hw.system));
    hardware.insert(QStringLiteral("cpu"), QJsonObject::fromVariantMap(hw.cpu));
    hardware.insert(QStringLiteral("ram"), QJsonObject::fromVariantMap(hw.ramSummary));
    hardware.insert(QStringLiteral("ramModules"), QJsonArray::fromVariantList(hw.ramModules));
    hardware.insert(QStringLiteral("disks"), QJsonArray::fromVariantList(hw.disks));
    hardware.insert(QStringLiteral("gpus"), QJsonArray::fromVariantList(hw.gpus));
    hardware.insert(QStringLiteral("battery"), QJsonObject::fromVariantMap(hw.battery));
    hardware.insert(QStringLiteral("displays"), QJsonArray::fromVariantList(hw.displays));
    hardware.insert(QStringLiteral("network"), QJsonArray::fromVariantList(hw.network));
    hardware.insert(QStringLiteral("bluetooth"), QJsonObject::fromVariantMap(hw.bluetooth));
    root.insert(QStringLiteral("hardware"), hardware);

    QJsonObject tests;
    tests.insert(QStringLiteral("benchmark"), QJsonObject::fromVariantMap(inputs.benchmark));
    tests.insert(QStringLiteral("gpu"), QJsonObject::fromVariantMap(inputs.gpuResult));
    root.insert(QStringLiteral("tests"), tests);

    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString reportCsv(const ReportSummary &summary)
{
    QString csv = QStringLiteral("Kelvaro - Báo cáo kiểm định\n");
    csv += QStringLiteral("Thời gian,") + summary.generatedAt + QLatin1Char('\n');
    csv += QStringLiteral("Kelvaro Score,%1\n").arg(summary.overall);
    csv += QStringLiteral("Xếp loại,") + summary.grade + QStringLiteral("\n\n");
    csv += QStringLiteral("Hạng mục,Điểm,Trọng số,Ghi chú\n");
    for (const QVariant &item : summary.categories) {
        const QVariantMap row = item.toMap();
        QString note = row.value(CategoryKey::kNote).toString();
        note.replace(QLatin1Char('"'), QLatin1Char('\''));
        if (looksLikeFormula(note))
            note.prepend(QLatin1Char('\''));
        const bool na = row.value(CategoryKey::kNa).toBool();
        csv += row.value(CategoryKey::kName).toString() + QLatin1Char(',') +
               (na ? QStringLiteral("N/A") : QString::number(row.value(CategoryKey::kScore).toInt())) +
               QLatin1Char(',') + QString::number(row.value(CategoryKey::kWeight).toInt()) +
               QStringLiteral(",\"") + note + QStringLiteral("\"\n");
    }
    return csv;
}
