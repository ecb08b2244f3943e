#pragma once

#include "canvas/item_picture_builder.h"
#include "imaging/tone_matrix.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace montora {

// The pictures one compositor draws items from, each under a key that names
// everything it depends on (file and its date, crop, display size, mask, tint...).
// A move, a turn or a selection change keeps every key, so nothing is decoded or
// rescaled; a change of what a picture depends on gives a new key and a new
// picture. Entries no item used during a pass are dropped at its end.
class ItemPictureCache {
public:
    struct Entry {
        QImage picture;  // ARGB32: cropped, masked, reduced to display size
        QImage drawable; // premultiplied, recoloured by the tone (alpha-only tones are left to the painter)
        QString toneKey;
        bool alive = false;
    };

    // A picture to build (when its key is missing) and the tone its drawable needs.
    struct Job {
        QString key;
        std::function<QImage()> build; // null: the entry exists and only needs recolouring
        ToneMatrix tone;
        QString toneKey;
    };

    // The entry under the key, marked as used in this pass; null when missing.
    Entry* use(const QString& key);
    // Builds the pictures and drawables of the jobs, several at a time.
    void run(std::vector<Job>& jobs);

    void beginPass();
    // Drops the entries no item used since beginPass().
    void endPass();
    void clear();
    int size() const { return int(m_entries.size()); }

    PictureWork& work() { return m_work; }

    // The picture's upright size from its header, remembered per file date and length.
    // Invalid when the file cannot be read as a picture.
    QSize pictureSize(const QString& path, const QDateTime& modified, qint64 bytes);

    static QString toneKeyOf(const ToneMatrix& tone);
    static QImage drawableOf(const QImage& picture, const ToneMatrix& tone, PictureWork& work);

private:
    struct SourceInfo {
        QDateTime modified;
        qint64 bytes = -1;
        QSize size;
    };

    QHash<QString, Entry> m_entries;
    QHash<QString, SourceInfo> m_sources;
    PictureWork m_work;
};

} // namespace montora
