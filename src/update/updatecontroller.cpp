#include "update/updatecontroller.h"

#include "update/installerfile.h"
#include "update/installername.h"
#include "update/updateaddresses.h"
#include "update/updatemanifest.h"
#include "update/updaterules.h"

#include <QDateTime>
#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSettings>

#include <utility>

namespace {

const QString kSkipVersionKey = QStringLiteral("update/skipVersion");

QString noServerMessage()
{
    return QStringLiteral("Bản dựng này không có máy chủ cập nhật.");
}
QString unreachableMessage()
{
    return QStringLiteral("Không kết nối được máy chủ cập nhật. Vui lòng thử lại sau.");
}
QString invalidManifestMessage()
{
    return QStringLiteral("Dữ liệu cập nhật không hợp lệ.");
}
QString noReleaseMessage()
{
    return QStringLiteral("Chưa có bản phát hành cho nền tảng này.");
}
QString downloadFailedMessage()
{
    return QStringLiteral("Tải bản cập nhật thất bại. Vui lòng thử lại.");
}
QString integrityMessage()
{
    return QStringLiteral("Kiểm tra toàn vẹn thất bại — tệp có thể bị hỏng. Đã huỷ cài đặt.");
}
QString writeFailedMessage()
{
    return QStringLiteral("Không ghi được tệp cài đặt tạm.");
}
QString startFailedMessage()
{
    return QStringLiteral("Không khởi chạy được trình cài đặt.");
}

} // namespace

UpdateController::UpdateController(QObject *parent) : UpdateController(UpdateOptions::defaults(), parent) {}

UpdateController::UpdateController(UpdateOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
}

UpdateController::~UpdateController()
{
    stopTransfer();
}

bool UpdateController::hasDownloadPage() const
{
    return !downloadPageAddress(m_options.baseAddress).isEmpty();
}

QNetworkAccessManager *UpdateController::network()
{
    // Made on first use: the network stack's start-up is not paid by runs that never check.
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return m_network;
}

QNetworkRequest UpdateController::request(const QUrl &address) const
{
    QNetworkRequest request(address);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Kelvaro/%1").arg(currentVersion()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setSslConfiguration(m_options.ssl);
    return request;
}

void UpdateController::checkForUpdates(bool silent)
{
    if (m_state == Checking || m_state == Downloading || m_state == Verifying)
        return;
    const QUrl address = manifestAddress(m_options.baseAddress, qEnvironmentVariable("KELVARO_UPDATE_URL"),
                                         QDateTime::currentMSecsSinceEpoch());
    if (address.isEmpty()) {
        // Nobody to ask: a silent check has nothing to say, a manual one says why.
        if (!silent) {
            m_manualCheck = true;
            fail(noServerMessage());
        }
        return;
    }
    m_manualCheck = !silent;
    m_errorString.clear();
    setState(Checking);
    if (!isSecureAddress(address.toString())) {
        fail(unreachableMessage());
        return;
    }
    m_manifestBody.clear();
    UpdateTransfer::Limits limits;
    limits.maxBytes = m_options.manifestMaxBytes;
    limits.idleMs = m_options.manifestIdleMs;
    limits.totalMs = m_options.manifestTotalMs;
    m_transfer = new UpdateTransfer(
        network()->get(request(address)), limits,
        [this](const QByteArray &chunk) {
            m_manifestBody += chunk;
            return true;
        },
        this);
    connect(m_transfer, &UpdateTransfer::finished, this, &UpdateController::readManifest);
}

void UpdateController::readManifest(UpdateTransfer::Outcome outcome)
{
    stopTransfer();
    const QByteArray body = std::exchange(m_manifestBody, QByteArray());
    if (outcome == UpdateTransfer::Outcome::TooLarge) {
        fail(invalidManifestMessage());
        return;
    }
    if (outcome != UpdateTransfer::Outcome::Done) {
        fail(unreachableMessage());
        return;
    }
    const std::optional<UpdateRelease> release = parseUpdateManifest(body, m_options.platformKey);
    if (!release) {
        fail(invalidManifestMessage());
        return;
    }
    m_latestVersion = release->version;
    m_releaseDate = release->releaseDate;
    m_releaseNotes = release->notes;
    m_mandatory = release->mandatory;
    m_downloadAddress = release->url;
    m_expectedDigest = release->sha256;
    m_expectedSize = release->size;
    m_downloadSizeText = transferSizeText(m_expectedSize);
    emit infoChanged();
    emit progressChanged();

    if (m_latestVersion.isEmpty() || m_downloadAddress.isEmpty()) {
        fail(noReleaseMessage());
        return;
    }
    if (!isSecureAddress(m_downloadAddress)) {
        m_downloadAddress.clear();
        fail(invalidManifestMessage());
        return;
    }
    if (compareVersions(m_latestVersion, currentVersion()) <= 0) {
        setState(UpToDate);
        return;
    }
    if (!m_manualCheck && !m_mandatory && QSettings().value(kSkipVersionKey).toString() == m_latestVersion) {
        setState(Idle);
        return;
    }
    setState(Available);
}

void UpdateController::downloadAndInstall()
{
    if (m_downloadAddress.isEmpty() || m_state == Downloading || m_state == Verifying)
        return;
    if (!m_options.installsUpdates) {
        openDownloadPage();
        return;
    }
    stopTransfer();
    m_manualCheck = true;
    m_downloadProgress = 0;
    m_errorString.clear();
    emit progressChanged();
    setState(Downloading);

    const QUrl address(m_downloadAddress);
    m_installerPath = QDir(m_options.installerFolder).filePath(installerFileName(address));
    m_file = std::make_unique<InstallerFile>(m_installerPath);
    if (!m_file->open()) {
        m_file.reset();
        fail(writeFailedMessage());
        return;
    }
    QNetworkRequest get = request(address);
    get.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    get.setRawHeader("Cache-Control", "no-cache");
    UpdateTransfer::Limits limits;
    // Never more than the manifest announced, and never without bound.
    limits.maxBytes = m_expectedSize > 0 ? m_expectedSize : m_options.downloadMaxBytes;
    limits.idleMs = m_options.downloadIdleMs;
    m_transfer = new UpdateTransfer(
        network()->get(get), limits, [this](const QByteArray &chunk) { return m_file->write(chunk); }, this);
    connect(m_transfer, &UpdateTransfer::progress, this, &UpdateController::showProgress);
    connect(m_transfer, &UpdateTransfer::finished, this, &UpdateController::install);
}

void UpdateController::showProgress(qint64 received, qint64 total)
{
    if (total < 1)
        total = m_expectedSize;
    if (total < 1)
        return;
    m_downloadProgress = downloadFraction(received, total);
    m_downloadSizeText = QStringLiteral("%1 / %2").arg(transferSizeText(received), transferSizeText(total));
    emit progressChanged();
}

void UpdateController::install(UpdateTransfer::Outcome outcome)
{
    stopTransfer();
    std::unique_ptr<InstallerFile> file = std::move(m_file);
    const auto discardAndFail = [&file, this](const QString &message) {
        file->discard();
        fail(message);
    };
    switch (outcome) {
    case UpdateTransfer::Outcome::Done:
        break;
    case UpdateTransfer::Outcome::TooLarge:
        // More than the manifest announced is not the file it describes.
        discardAndFail(m_expectedSize > 0 ? integrityMessage() : downloadFailedMessage());
        return;
    case UpdateTransfer::Outcome::SinkFailed:
        discardAndFail(writeFailedMessage());
        return;
    case UpdateTransfer::Outcome::Failed:
    case UpdateTransfer::Outcome::TimedOut:
        discardAndFail(downloadFailedMessage());
        return;
    }

    setState(Verifying);
    const bool sizeDiffers = m_expectedSize > 0 && file->size() != m_expectedSize;
    const bool digestDiffers = !m_expectedDigest.isEmpty() && file->sha256() != m_expectedDigest;
    if (sizeDiffers || digestDiffers) {
        discardAndFail(integrityMessage());
        return;
    }
    if (!file->commit()) {
        discardAndFail(writeFailedMessage());
        return;
    }
    setState(Ready);
    const QStringList arguments{QStringLiteral("/SILENT"), QStringLiteral("/SUPPRESSMSGBOXES"),
                                QStringLiteral("/NORESTART")};
    if (m_options.startInstaller(QDir::toNativeSeparators(m_installerPath), arguments))
        m_options.quitSoon();
    else
        fail(startFailedMessage());
}

void UpdateController::cancel()
{
    stopTransfer();
    if (m_file) {
        m_file->discard();
        m_file.reset();
    }
    m_downloadProgress = 0;
    emit progressChanged();
    setState(Idle);
}

void UpdateController::openDownloadPage()
{
    const QUrl page = downloadPageAddress(m_options.baseAddress);
    if (!page.isEmpty())
        m_options.openUrl(page);
}

void UpdateController::skipThisVersion()
{
    if (!m_latestVersion.isEmpty())
        QSettings().setValue(kSkipVersionKey, m_latestVersion);
    // A download still running would otherwise go on to install the skipped release.
    cancel();
}

void UpdateController::stopTransfer()
{
    if (!m_transfer)
        return;
    m_transfer->abort();
    m_transfer->deleteLater();
    m_transfer = nullptr;
}

void UpdateController::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void UpdateController::fail(const QString &message)
{
    m_errorString = message;
    const State target = m_manualCheck ? Error : Idle;
    if (m_state == target)
        emit stateChanged(); // the message is new even when the state is not
    else
        setState(target);
}
