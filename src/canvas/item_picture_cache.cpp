#include "canvas/item_picture_cache.h"

#include "imaging/picture_decoder.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace montora {

ItemPictureCache::Entry* ItemPictureCache::use(const QString& key)
{
    auto it = m_entries.find(key);
    if (it == m_entries.end())
        return nullptr;
    it->alive = true;
    return &*it;
}

QString ItemPictureCache::toneKeyOf(const ToneMatrix& tone)
{
    if (tone.onlyScalesAlpha())
        return QStringLiteral("plain");
    QString key;
    key.reserve(26 * 12);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j)
            key += QString::number(double(tone.matrix().at(i, j)), 'g', 9) + u',';
    key += QString::number(double(tone.hasGamma() ? tone.gamma() : 1.0f), 'g', 9);
    return key;
}

QImage ItemPictureCache::drawableOf(const QImage& picture, const ToneMatrix& tone, PictureWork& work)
{
    if (picture.isNull())
        return QImage();
    if (tone.onlyScalesAlpha())
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ++work.tones;
    QImage toned = tone.apply(picture);
    return toned.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void ItemPictureCache::run(std::vector<Job>& jobs)
{
    if (jobs.empty())
        return;
    struct Outcome {
        QImage picture;
        QImage drawable;
        bool built = false;
    };
    std::vector<Outcome> outcomes(jobs.size());
    // Existing pictures that only need a new drawable are looked up before the
    // workers start, so the workers never touch the table.
    std::vector<QImage> existing(jobs.size());
    for (size_t i = 0; i < jobs.size(); ++i)
        if (!jobs[i].build)
            if (Entry* entry = use(jobs[i].key))
                existing[i] = entry->picture;

    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            Outcome& outcome = outcomes[i];
            if (jobs[i].build) {
                outcome.picture = jobs[i].build();
                outcome.built = true;
            } else {
                outcome.picture = existing[i];
            }
            outcome.drawable = drawableOf(outcome.picture, jobs[i].tone, m_work);
        }
    };
    const size_t threads =
        std::min<size_t>(jobs.size(), std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8));
    if (threads <= 1) {
        worker();
    } else {
        std::vector<std::thread> pool;
        for (size_t t = 1; t < threads; ++t)
            pool.emplace_back(worker);
        worker();
        for (std::thread& thread : pool)
            thread.join();
    }
    for (size_t i = 0; i < jobs.size(); ++i) {
        Entry& entry = m_entries[jobs[i].key];
        if (outcomes[i].built)
            entry.picture = std::move(outcomes[i].picture);
        entry.drawable = std::move(outcomes[i].drawable);
        entry.toneKey = jobs[i].toneKey;
        entry.alive = true;
    }
}

void ItemPictureCache::beginPass()
{
    for (Entry& entry : m_entries)
        entry.alive = false;
}

void ItemPictureCache::endPass()
{
    m_entries.removeIf([](const QHash<QString, Entry>::iterator it) { return !it->alive; });
}

void ItemPictureCache::clear()
{
    m_entries.clear();
    m_sources.clear();
}

QSize ItemPictureCache::pictureSize(const QString& path, const QDateTime& modified, qint64 bytes)
{
    auto it = m_sources.find(path);
    if (it != m_sources.end() && it->modified == modified && it->bytes == bytes)
        return it->size;
    const auto size = PictureDecoder::size(path);
    m_sources.insert(path, SourceInfo{modified, bytes, size ? *size : QSize()});
    return size ? *size : QSize();
}

} // namespace montora
