// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace phodex {

// Makes the grid's covers on a thread of its own: downloads each cover into
// the thumbnail folder as "<album index>.jpg" (with the cover's own address as
// Referer), decodes and scales it there, and hands the image to the GUI thread.
// A cover is loaded only after its download succeeded, so a file left by an
// earlier listing is never shown for another album.
class ThumbnailLoader final : public QObject {
    Q_OBJECT
public:
    ThumbnailLoader(const QString& cacheFolder, QSize coverSize);
    ~ThumbnailLoader() override; // stop() and wait

    // Queues one cover. batch tells the answers of one listing or refill apart.
    void request(int batch, int albumIndex, const QString& coverAddress);
    // Drops the queued covers and ends the download in flight.
    void cancel();
    // cancel(), then ends the thread and waits for it.
    void stop();
    bool busy() const;

    // The decoded and scaled cover, scaled to fit the cover size; null when
    // the download or the decoding failed.
    static QImage LoadCover(const QString& path, QSize coverSize);

signals:
    void loaded(int batch, int albumIndex, const QImage& cover);
    // The queue ran empty after covers of batch.
    void idle(int batch);

private:
    struct Request {
        int batch = 0;
        int album = 0;
        QString address;
    };

    void run();
    QImage fetch(const Request& request);

    const QString m_folder;
    const QSize m_coverSize;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Request> m_queue;
    bool m_working = false;
    bool m_stopping = false;
    std::atomic<bool> m_cancel{false};
    std::thread m_thread;
};

} // namespace phodex
