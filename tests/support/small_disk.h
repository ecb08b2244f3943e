#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace montora::test {

// A real file system of a few kilobytes (a tmpfs mounted for the test), to see
// what the writers do when the disk fills up. Mounting needs root; without it the
// test is skipped with the reason.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 64);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    const QString& whyNot() const { return m_whyNot; }
    QString path(const QString& name = QString()) const;

    // Takes every free byte but about `leave` (rounded up to whole pages) with a filler file.
    void fill(qint64 leave = 0);
    // Gives the filler's space back.
    void release();
    // Files left behind by an interrupted write (temporaries of the atomic writer).
    QStringList leftovers() const;
    bool remountReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_whyNot;
};

} // namespace montora::test

#define MONTORA_NEED_SMALL_DISK(disk)                                                  \
    do {                                                                               \
        if (!(disk).isMounted())                                                       \
            GTEST_SKIP() << "no small file system: " << (disk).whyNot().toStdString(); \
    } while (0)
