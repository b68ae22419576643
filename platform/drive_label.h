// Finding a mounted volume by its label, over QStorageInfo.
#pragma once

#include <QList>
#include <QString>

namespace kx {

struct Volume
{
    QString rootPath; // where it is mounted: "E:/", "/media/ali/KANTARIX"
    QString label; // the volume label; empty where the system keeps none
};

// The ready volumes of the system, in the order of their root paths (C: before D:).
QList<Volume> mountedVolumes();

// The root path of the first volume in the given order whose label equals the given one
// exactly (case counts); a volume without a label matches when it is mounted at a folder of
// exactly that name. Empty when none matches.
QString findLabeledVolume(const QList<Volume> &volumes, const QString &label);

} // namespace kx
