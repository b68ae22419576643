// Qt's Turkish catalogue, with the standard button texts as the fallback.
#include "core/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace kx {

namespace {

// Qt names its standard buttons in the context "QPlatformTheme".
class ButtonTextTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QPlatformTheme") != 0 || !sourceText)
            return {};
        const QByteArray source(sourceText);
        if (source == "&Yes")
            return QStringLiteral("&Evet");
        if (source == "&No")
            return QStringLiteral("&Hayır");
        if (source == "OK")
            return QStringLiteral("Tamam");
        if (source == "Cancel")
            return QStringLiteral("İptal");
        return {};
    }

    bool isEmpty() const override { return false; }
};

QPointer<QTranslator> &installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

bool installTurkishTranslations(const QString &folder)
{
    if (QTranslator *earlier = installed()) {
        QCoreApplication::removeTranslator(earlier);
        delete earlier;
    }

    const QString path
        = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    auto *catalogue = new QTranslator(QCoreApplication::instance());
    if (catalogue->load(QStringLiteral("qtbase_tr"), path)) {
        QCoreApplication::installTranslator(catalogue);
        installed() = catalogue;
        return true;
    }
    delete catalogue;
    auto *fallback = new ButtonTextTranslator(QCoreApplication::instance());
    QCoreApplication::installTranslator(fallback);
    installed() = fallback;
    return false;
}

} // namespace kx
