#pragma once

// A small tmpfs mounted over a folder, for tests of a really full disk. It
// needs the right to mount; tests skip where that is missing. Unmounted
// lazily when it goes, in case something still holds a file.
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

#include <sys/mount.h>

namespace spinora::test {

class SmallDisk {
public:
    SmallDisk(const QString& folder, const char* size) : path_(QFile::encodeName(folder))
    {
        QDir().mkpath(folder);
        mounted_ = ::mount("tmpfs", path_.constData(), "tmpfs", 0, size) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(path_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

    // Writes `file` until the disk is full, then gives `room` bytes back.
    static void fill(const QString& file, qint64 room = 0)
    {
        QFile filler(file);
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        if (room > 0) {
            ASSERT_TRUE(QFile::resize(file, filler.size() - room));
        }
    }

private:
    QByteArray path_;
    bool mounted_ = false;
};

} // namespace spinora::test
