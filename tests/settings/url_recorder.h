// Records the links a window opens, in place of the browser or mail program.
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace kxtest {

// While it lives, links of the given schemes come here instead of going to the desktop.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    explicit UrlRecorder(const QStringList &schemes
                         = { QStringLiteral("http"), QStringLiteral("https"),
                             QStringLiteral("mailto") })
        : m_schemes(schemes)
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlRecorder() override
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }

private:
    QStringList m_schemes;
};

} // namespace kxtest
