// Mounted volumes and the search by label.
#include "platform/drive_label.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace kx {

QList<Volume> mountedVolumes()
{
    QList<Volume> volumes;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && storage.isReady())
            volumes.append({ storage.rootPath(), storage.name() });
    }
    std::sort(volumes.begin(), volumes.end(), [](const Volume &a, const Volume &b) {
        return a.rootPath.compare(b.rootPath, Qt::CaseInsensitive) < 0;
    });
    return volumes;
}

QString findLabeledVolume(const QList<Volume> &volumes, const QString &label)
{
    if (label.isEmpty())
        return {};
    for (const Volume &volume : volumes) {
        if (volume.rootPath.isEmpty())
            continue;
        const bool byLabel = volume.label == label;
        const bool byFolder = volume.label.isEmpty() && QDir(volume.rootPath).dirName() == label;
        if (byLabel || byFolder)
            return volume.rootPath;
    }
    return {};
}

} // namespace kx
