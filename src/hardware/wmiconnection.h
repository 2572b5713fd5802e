#pragma once

#include "platform/source.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <memory>

// A connection to one WMI namespace, used on the thread that opened it.
class WmiConnection {
public:
    explicit WmiConnection(platform::Source &source) : m_source(source) {}

    bool open(const QString &nameSpace);
    bool isValid() const { return m_service != nullptr; }

    // Empty when the connection is not valid or the query fails.
    QList<QVariantMap> query(const QString &wql) const;
    QVariantMap queryFirst(const QString &wql) const;

private:
    platform::Source &m_source;
    std::unique_ptr<platform::WmiService> m_service;
};
