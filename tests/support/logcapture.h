#pragma once

#include <QStringList>

// Collects the warnings logged while it lives.
class WarningCapture {
public:
    WarningCapture()
    {
        lines().clear();
        m_previous = qInstallMessageHandler(handler);
    }
    ~WarningCapture() { qInstallMessageHandler(m_previous); }
    static QStringList &lines()
    {
        static QStringList captured;
        return captured;
    }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtWarningMsg)
            lines().append(text);
    }
    QtMessageHandler m_previous = nullptr;
};
