#pragma once

#include "update/updateoptions.h"
#include "update/updatetransfer.h"

#include <QObject>
#include <QString>

#include <memory>

class InstallerFile;
class QNetworkAccessManager;
class QNetworkRequest;

// Finds out whether a newer release exists, and on Windows downloads, verifies and starts its
// installer. Failures of a check the user did not ask for are kept quiet.
class UpdateController : public QObject {
    Q_OBJECT
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool manualCheck READ manualCheck NOTIFY stateChanged)
    Q_PROPERTY(QString errorString READ errorString NOTIFY stateChanged)
    Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)
    Q_PROPERTY(QString latestVersion READ latestVersion NOTIFY infoChanged)
    Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY infoChanged)
    Q_PROPERTY(QString releaseDate READ releaseDate NOTIFY infoChanged)
    Q_PROPERTY(bool mandatory READ mandatory NOTIFY infoChanged)
    Q_PROPERTY(double downloadProgress READ downloadProgress NOTIFY progressChanged)
    Q_PROPERTY(QString downloadSizeText READ downloadSizeText NOTIFY progressChanged)
    // False where the program never runs an installer: the download page offers the release.
    Q_PROPERTY(bool installsUpdates READ installsUpdates CONSTANT)
    Q_PROPERTY(bool hasDownloadPage READ hasDownloadPage CONSTANT)

public:
    enum State { Idle, Checking, UpToDate, Available, Downloading, Verifying, Ready, Error };
    Q_ENUM(State)

    explicit UpdateController(QObject *parent = nullptr);
    explicit UpdateController(UpdateOptions options, QObject *parent = nullptr);
    ~UpdateController() override;

    State state() const { return m_state; }
    bool manualCheck() const { return m_manualCheck; }
    QString errorString() const { return m_errorString; }
    QString currentVersion() const { return m_options.currentVersion; }
    QString latestVersion() const { return m_latestVersion; }
    QString releaseNotes() const { return m_releaseNotes; }
    QString releaseDate() const { return m_releaseDate; }
    bool mandatory() const { return m_mandatory; }
    double downloadProgress() const { return m_downloadProgress; }
    QString downloadSizeText() const { return m_downloadSizeText; }
    bool installsUpdates() const { return m_options.installsUpdates; }
    bool hasDownloadPage() const;
    QString installerPath() const { return m_installerPath; }

    Q_INVOKABLE void checkForUpdates(bool silent);
    Q_INVOKABLE void checkForUpdates() { checkForUpdates(false); }
    Q_INVOKABLE void downloadAndInstall();
    Q_INVOKABLE void cancel();
    Q_INVOKABLE void openDownloadPage();
    Q_INVOKABLE void skipThisVersion();

signals:
    void stateChanged();
    void infoChanged();
    void progressChanged();

private:
    QNetworkAccessManager *network();
    QNetworkRequest request(const QUrl &address) const;
    void readManifest(UpdateTransfer::Outcome outcome);
    void showProgress(qint64 received, qint64 total);
    void install(UpdateTransfer::Outcome outcome);
    void stopTransfer();
    void setState(State state);
    void fail(const QString &message);

    UpdateOptions m_options;
    QNetworkAccessManager *m_network = nullptr;
    UpdateTransfer *m_transfer = nullptr;
    std::unique_ptr<InstallerFile> m_file;
    QByteArray m_manifestBody;
    State m_state = Idle;
    bool m_manualCheck = false;
    QString m_latestVersion;
    QString m_releaseNotes;
    QString m_releaseDate;
    QString m_downloadAddress;
    QString m_expectedDigest;
    qint64 m_expectedSize = 0;
    bool m_mandatory = false;
    double m_downloadProgress = 0;
    QString m_downloadSizeText;
    QString m_errorString;
    QString m_installerPath;
};
