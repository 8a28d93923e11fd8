#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "testing.h"

inline QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// While it lives, no file of the process may grow past two pages: a full disk, for the
// superuser too.
class DiskFull : public FileSizeLimit
{
public:
    DiskFull() : FileSizeLimit(8192) {}
};
