#pragma once

#include <QString>
#include <QTest>

// One row of a data table, columns in order; a text literal fills a QString column.
inline QString asColumn(const char *text)
{
    return QString::fromUtf8(text);
}

template <typename T> const T &asColumn(const T &value)
{
    return value;
}

template <typename... Columns> void addRow(const char *name, const Columns &...columns)
{
    (QTest::newRow(name) << ... << asColumn(columns));
}

// The columns of a data table in order: addColumns<QString, bool>("model", "virtual").
template <typename... Types, typename... Names> void addColumns(Names... names)
{
    (QTest::addColumn<Types>(names), ...);
}
