// SPDX-License-Identifier: MIT
#include "ui/thumbnailloader.h"

#include "net/fetch.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace phodex {

namespace {

constexpr std::uint32_t kCoverTimeoutMs = 20000;

} // namespace

ThumbnailLoader::ThumbnailLoader(const QString& cacheFolder, QSize coverSize)
    : m_folder(cacheFolder), m_coverSize(coverSize) {}

ThumbnailLoader::~ThumbnailLoader() {
    stop();
}

void ThumbnailLoader::request(int batch, int albumIndex, const QString& coverAddress) {
    std::lock_guard lock(m_mutex);
    if (m_stopping)
        return;
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
    m_queue.push_back({batch, albumIndex, coverAddress});
    m_wake.notify_one();
}

void ThumbnailLoader::cancel() {
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    if (m_working)
        m_cancel = true;
}

void ThumbnailLoader::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_queue.clear();
        m_stopping = true;
        m_cancel = true;
        m_wake.notify_one();
    }
    if (m_thread.joinable())
        m_thread.join();
}

bool ThumbnailLoader::busy() const {
    std::lock_guard lock(m_mutex);
    return m_working || !m_queue.empty();
}

void ThumbnailLoader::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping)
            return;
        const Request request = m_queue.front();
        m_queue.pop_front();
        m_working = true;
        m_cancel = false;
        lock.unlock();
        const QImage cover = fetch(request);
        lock.lock();
        m_working = false;
        if (m_stopping)
            return;
        emit loaded(request.batch, request.album, cover);
        if (m_queue.empty())
            emit idle(request.batch);
    }
}

QImage ThumbnailLoader::fetch(const Request& request) {
    if (request.address.isEmpty() || !QDir().mkpath(m_folder))
        return {};
    const QString path = QDir(m_folder).filePath(QStringLiteral("%1.jpg").arg(request.album));
    // The cache is ours: a cover of an earlier listing makes room for this one.
    QFile::remove(path);
    CUrlRequest fetchRequest(request.address, path, kCoverTimeoutMs);
    fetchRequest.headers = QStringLiteral("Referer: %1").arg(request.address);
    fetchRequest.cancel = &m_cancel;
    CUrlResponse response;
    if (!Fetch(response, fetchRequest, 0))
        return {};
    return LoadCover(path, m_coverSize);
}

QImage ThumbnailLoader::LoadCover(const QString& path, QSize coverSize) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    const QImage scaled = picture.scaled(coverSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage cover(coverSize, QImage::Format_RGB888);
    cover.fill(Qt::white);
    QPainter painter(&cover);
    painter.drawImage((coverSize.width() - scaled.width()) / 2,
                      (coverSize.height() - scaled.height()) / 2, scaled);
    return cover;
}

} // namespace phodex
