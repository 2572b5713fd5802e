#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// Who the application is, whether it runs from an installation, and its uninstaller.
class AppController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString appName READ appName CONSTANT)
    Q_PROPERTY(QString appVersion READ appVersion CONSTANT)
    Q_PROPERTY(QString platformName READ platformName CONSTANT)
    Q_PROPERTY(QString copyright READ copyright CONSTANT)
    // The Qt library the process runs on, not the one it was built against.
    Q_PROPERTY(QString qtVersion READ qtVersion CONSTANT)
    Q_PROPERTY(bool tampered READ tampered CONSTANT)
    Q_PROPERTY(bool debuggerDetected READ debuggerDetected CONSTANT)
    Q_PROPERTY(bool installed READ installed CONSTANT)

public:
    using Launcher = std::function<bool(const QString &program, const QStringList &arguments)>;

    explicit AppController(QObject *parent = nullptr);
    // Tests choose the folder searched for the uninstaller and catch the launch.
    AppController(QString programFolder, Launcher launcher, QObject *parent = nullptr);

    QString appName() const;
    QString appVersion() const;
    QString platformName() const;
    QString copyright() const;
    QString qtVersion() const;
    bool tampered() const { return m_tampered; }
    bool debuggerDetected() const { return m_debuggerDetected; }
    bool installed() const;

    Q_INVOKABLE void uninstall();

    // The first "unins*.exe" file of the folder by name, as an absolute path; empty when none.
    static QString findUninstaller(const QString &folder);

private:
    QString m_programFolder; // empty: the running executable's folder
    Launcher m_launcher;
    bool m_tampered = false;
    bool m_debuggerDetected = false;
};
