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
// everything it depends on (file and its date, crop, display size, mask, tint...),
// and their recoloured copies under that key and the tone. A move, a turn or a
// selection change keeps every key, so nothing is decoded or rescaled; a new tone
// only recolours the kept picture. Entries no item used during a pass are dropped
// at its end.
class ItemPictureCache {
public:
    // A picture an item needs: how to build it when its key is missing, and the
    // tone its drawable copy takes.
    struct Request {
        QString key;
        std::function<QImage()> build;
        ToneMatrix tone;
    };

    // The drawable (premultiplied, recoloured unless the tone only scales alpha, which
    // the painter does) of a picture in a tone, marked as used; null when missing.
    const QImage* drawable(const QString& key, const ToneMatrix& tone);
    // Whether the drawable is there; marks what is there as used.
    bool has(const QString& key, const ToneMatrix& tone);
    // Builds the missing pictures, then the missing drawables, several at a time.
    void run(const std::vector<Request>& requests);

    void beginPass();
    // Drops the entries no item used since beginPass().
    void endPass();
    void clear();
    int size() const { return int(m_pictures.size()); }

    PictureWork& work() { return m_work; }

    // The picture's upright size from its header, remembered per file date and length.
    // Invalid when the file cannot be read as a picture.
    QSize pictureSize(const QString& path, const QDateTime& modified, qint64 bytes);
    // Whether the file is a JPEG cut short (PictureDecoder::isCutShort), remembered alike.
    bool isCutShort(const QString& path, const QDateTime& modified, qint64 bytes);

    static QString toneKeyOf(const ToneMatrix& tone);
    static QImage drawableOf(const QImage& picture, const ToneMatrix& tone, PictureWork& work);

private:
    struct Entry {
        QImage image;
        bool alive = false;
    };
    struct SourceInfo {
        QDateTime modified;
        qint64 bytes = -1;
        QSize size;
        bool cutShort = false;
    };
    const SourceInfo& sourceInfo(const QString& path, const QDateTime& modified, qint64 bytes);

    static QString drawableKey(const QString& key, const ToneMatrix& tone) { return key + u'#' + toneKeyOf(tone); }
    Entry* use(QHash<QString, Entry>& table, const QString& key);

    QHash<QString, Entry> m_pictures;  // ARGB32: cropped, masked, reduced to display size
    QHash<QString, Entry> m_drawables; // premultiplied, recoloured
    QHash<QString, SourceInfo> m_sources;
    PictureWork m_work;
};

} // namespace montora
