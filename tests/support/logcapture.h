#pragma once

#include <QByteArray>
#include <QStringList>

// Collects the messages of one logging category, at any level, while it lives.
class LogCapture {
public:
    explicit LogCapture(const char *category)
    {
        lines().clear();
        wanted() = category;
        m_previous = qInstallMessageHandler(handler);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static QByteArray &wanted()
    {
        static QByteArray category;
        return category;
    }
    static void handler(QtMsgType, const QMessageLogContext &context, const QString &text)
    {
        if (context.category && wanted() == context.category)
            lines().append(text);
    }
    QtMessageHandler m_previous = nullptr;
};
