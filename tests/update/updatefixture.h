#pragma once

#include "loopbackserver.h"
#include "update/updatecontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Keeps the skipped version of the tests away from the user's settings.
inline void isolateSettings(const QTemporaryDir &dir)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvaro"));
    QCoreApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings().clear();
}

inline QByteArray manifestJson(const QString &version, const QJsonObject &entry, bool mandatory = false,
                               const QString &platform = QStringLiteral("windows-x64"))
{
    const QJsonObject manifest{{"version", version},
                               {"releaseDate", "2026-11-30"},
                               {"notes", "Sửa lỗi."},
                               {"mandatory", mandatory},
                               {"channels", QJsonObject{{platform, entry}}}};
    return QJsonDocument(manifest).toJson();
}

// A controller that talks to the loopback server and records what it would do outside.
struct UpdateRig {
    LoopbackServer server;
    QTemporaryDir folder;
    QStringList started; // program, then its arguments
    int quits = 0;
    QList<QUrl> opened;
    std::unique_ptr<UpdateController> update;

    explicit UpdateRig(
        bool installs = true, std::function<bool()> startResult = [] { return true; })
    {
        UpdateOptions options = UpdateOptions::defaults();
        options.currentVersion = QStringLiteral("0.21.15");
        options.baseAddress = server.base();
        options.platformKey = QStringLiteral("windows-x64");
        options.installsUpdates = installs;
        options.installerFolder = folder.path();
        options.ssl = LoopbackServer::trust();
        options.manifestIdleMs = options.downloadIdleMs = 3000;
        options.manifestMaxBytes = 8 * 1024;
        options.downloadMaxBytes = 256 * 1024;
        options.startInstaller = [this, startResult](const QString &program, const QStringList &arguments) {
            started = QStringList{program} + arguments;
            return startResult();
        };
        options.quitSoon = [this] { ++quits; };
        options.openUrl = [this](const QUrl &url) {
            opened << url;
            return true;
        };
        update = std::make_unique<UpdateController>(options);
    }

    void serveManifest(const QByteArray &json) { server.serve("/Download/Kelvaro-latest.json", {200, json}); }

    // Waits until no transfer runs; false when it never ends.
    bool settle()
    {
        return QTest::qWaitFor(
            [this] {
                const auto s = update->state();
                return s != UpdateController::Checking && s != UpdateController::Downloading &&
                       s != UpdateController::Verifying;
            },
            15000);
    }

    // The manifest of a newer release whose installer is served at path.
    bool reachAvailable(const QString &path, const QJsonObject &extra = {})
    {
        QJsonObject entry{{"url", server.base() + path}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            entry.insert(it.key(), it.value());
        serveManifest(manifestJson("0.22.0", entry));
        update->checkForUpdates(false);
        return settle() && update->state() == UpdateController::Available;
    }

    QStringList leftInFolder() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
};
