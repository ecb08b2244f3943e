#include "canvas/item_picture_cache.h"

#include "imaging/picture_decoder.h"

#include <QSet>

#include <algorithm>
#include <atomic>
#include <thread>

namespace montora {

namespace {

// Runs task(i) for i in 0..count-1 on up to as many threads as the machine has.
void inParallel(size_t count, const std::function<void(size_t)>& task)
{
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < count; i = next++)
            task(i);
    };
    const size_t threads = std::min<size_t>(count, std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8));
    std::vector<std::thread> pool;
    for (size_t t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool)
        thread.join();
}

} // namespace

ItemPictureCache::Entry* ItemPictureCache::use(QHash<QString, Entry>& table, const QString& key)
{
    auto it = table.find(key);
    if (it == table.end())
        return nullptr;
    it->alive = true;
    return &*it;
}

const QImage* ItemPictureCache::drawable(const QString& key, const ToneMatrix& tone)
{
    use(m_pictures, key);
    Entry* entry = use(m_drawables, drawableKey(key, tone));
    return entry ? &entry->image : nullptr;
}

bool ItemPictureCache::has(const QString& key, const ToneMatrix& tone) { return drawable(key, tone) != nullptr; }

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
    return tone.apply(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void ItemPictureCache::run(const std::vector<Request>& requests)
{
    // First the pictures, each once however many items show it.
    std::vector<const Request*> builds;
    QSet<QString> building;
    for (const Request& request : requests)
        if (!m_pictures.contains(request.key) && !building.contains(request.key)) {
            building.insert(request.key);
            builds.push_back(&request);
        }
    std::vector<QImage> built(builds.size());
    inParallel(builds.size(), [&](size_t i) { built[i] = builds[i]->build ? builds[i]->build() : QImage(); });
    for (size_t i = 0; i < builds.size(); ++i)
        m_pictures.insert(builds[i]->key, Entry{std::move(built[i]), true});

    // Then their copies in each tone.
    struct Recolour {
        QString key;
        QImage picture;
        const ToneMatrix* tone;
        QImage drawable;
    };
    std::vector<Recolour> recolours;
    QSet<QString> recolouring;
    for (const Request& request : requests) {
        const QString key = drawableKey(request.key, request.tone);
        if (m_drawables.contains(key) || recolouring.contains(key))
            continue;
        recolouring.insert(key);
        recolours.push_back(Recolour{key, m_pictures.value(request.key).image, &request.tone, QImage()});
    }
    inParallel(recolours.size(), [&](size_t i) {
        recolours[i].drawable = drawableOf(recolours[i].picture, *recolours[i].tone, m_work);
    });
    for (Recolour& recolour : recolours)
        m_drawables.insert(recolour.key, Entry{std::move(recolour.drawable), true});
}

void ItemPictureCache::beginPass()
{
    for (Entry& entry : m_pictures)
        entry.alive = false;
    for (Entry& entry : m_drawables)
        entry.alive = false;
}

void ItemPictureCache::endPass()
{
    auto dead = [](const QHash<QString, Entry>::iterator it) { return !it->alive; };
    m_pictures.removeIf(dead);
    m_drawables.removeIf(dead);
}

void ItemPictureCache::clear()
{
    m_pictures.clear();
    m_drawables.clear();
    m_sources.clear();
}

const ItemPictureCache::SourceInfo& ItemPictureCache::sourceInfo(const QString& path, const QDateTime& modified,
                                                                  qint64 bytes)
{
    auto it = m_sources.find(path);
    if (it != m_sources.end() && it->modified == modified && it->bytes == bytes)
        return *it;
    const auto size = PictureDecoder::size(path);
    const bool cutShort = size && PictureDecoder::isCutShort(path);
    return *m_sources.insert(path, SourceInfo{modified, bytes, size ? *size : QSize(), cutShort});
}

QSize ItemPictureCache::pictureSize(const QString& path, const QDateTime& modified, qint64 bytes)
{
    return sourceInfo(path, modified, bytes).size;
}

bool ItemPictureCache::isCutShort(const QString& path, const QDateTime& modified, qint64 bytes)
{
    return sourceInfo(path, modified, bytes).cutShort;
}

} // namespace montora
