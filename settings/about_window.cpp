// The about window FHakkinda: the running version and the links to the product and its maker.
#include "settings/about_window.h"

#include "core/state.h"
#include "core/version_check.h"
#include "settings/link_label.h"

#include <QDesktopServices>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

namespace kx {

namespace {

constexpr int BannerHeight = 112;

// A link's address as the label shows it: host and path, without the scheme.
QString shownAddress(const QString &address)
{
    const QUrl url(address);
    QString text = url.authority() + url.path();
    if (text.endsWith(u'/'))
        text.chop(1);
    return text;
}

// A failed open stays silent: there is nothing the user could do about it here.
void openLink(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

// The picture: a steelyard balance beside the product's name on the program's dark band.
void paintBanner(QPainter &painter, const QRect &band, const QFont &baseFont)
{
    QLinearGradient shade(band.topLeft(), band.bottomLeft());
    shade.setColorAt(0, QColor(0x3B, 0x40, 0x47));
    shade.setColorAt(1, QColor(0x1F, 0x22, 0x26));
    painter.fillRect(band, shade);

    const QColor gold(0xF2, 0xB8, 0x4C);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(gold, 3, Qt::SolidLine, Qt::RoundCap));
    const QPointF pivot(band.left() + 62, band.top() + 30);
    painter.drawLine(pivot, QPointF(pivot.x(), band.bottom() - 18));
    painter.drawLine(QPointF(pivot.x() - 22, band.bottom() - 18),
                     QPointF(pivot.x() + 22, band.bottom() - 18));
    const QPointF left(pivot.x() - 34, pivot.y() + 6);
    const QPointF right(pivot.x() + 34, pivot.y() - 6);
    painter.drawLine(left, right);
    painter.setPen(QPen(gold, 1.5));
    for (const QPointF &end : { left, right }) {
        const QPointF pan(end.x(), end.y() + 26);
        painter.drawLine(end, pan + QPointF(-12, 0));
        painter.drawLine(end, pan + QPointF(12, 0));
        QPainterPath bowl;
        bowl.moveTo(pan + QPointF(-14, 0));
        bowl.quadTo(pan + QPointF(0, 12), pan + QPointF(14, 0));
        bowl.closeSubpath();
        painter.fillPath(bowl, gold);
    }

    QFont title = baseFont;
    title.setPointSize(26);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(0xF1, 0xF3, 0xF5));
    painter.drawText(band.adjusted(120, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Kantarix"));
}

} // namespace

QString FHakkinda::productAddress()
{
    return hostUrl(webHost(), QStringLiteral("/"));
}

QString FHakkinda::makerAddress()
{
    return hostUrl(webHost(), QStringLiteral("/hakkimizda.asp"));
}

QString FHakkinda::contactMail()
{
    return QStringLiteral("iletisim@kantarix.com");
}

QString FHakkinda::supportMail()
{
    return QStringLiteral("destek@kantarix.com");
}

QString versionCaption(const QVersionNumber &version)
{
    return QStringLiteral("Sürüm : %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

FHakkinda::FHakkinda(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Hakkında"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(360, 236);

    QFont labels(QStringLiteral("MS Sans Serif"));
    labels.setStyleHint(QFont::SansSerif);
    labels.setPointSize(9);
    setFont(labels);

    LabVer = new QLabel(this);
    LabVer->setGeometry(24, BannerHeight + 14, 312, 20);
    Label3 = new LinkLabel(shownAddress(productAddress()), this);
    Label3->setGeometry(24, BannerHeight + 44, 312, 20);
    Label4 = new LinkLabel(shownAddress(makerAddress()), this);
    Label4->setGeometry(24, BannerHeight + 66, 312, 20);
    Label9 = new LinkLabel(contactMail(), this);
    Label9->setGeometry(24, BannerHeight + 88, 312, 20);
    for (QLabel *label : { static_cast<QLabel *>(Label3), static_cast<QLabel *>(Label4),
                           static_cast<QLabel *>(Label9) })
        label->adjustSize();

    connect(Label3, &LinkLabel::clicked, this, &FHakkinda::Label3_Click);
    connect(Label4, &LinkLabel::clicked, this, &FHakkinda::Label4_Click);
    connect(Label9, &LinkLabel::clicked, this, &FHakkinda::Label9_Click);
    Form_Load();
}

void FHakkinda::Form_Load()
{
    LabVer->setText(versionCaption(programVersion()));
}

void FHakkinda::Label3_Click()
{
    openLink(QUrl(productAddress()));
}

void FHakkinda::Label4_Click()
{
    openLink(QUrl(makerAddress()));
}

void FHakkinda::Label9_Click()
{
    openLink(QUrl(QStringLiteral("mailto:") + supportMail()));
}

void FHakkinda::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    paintBanner(painter, QRect(0, 0, width(), BannerHeight), font());
}

void ShowAboutWindow(QWidget *parent)
{
    auto *window = new FHakkinda(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    state().FHakkinda = window;
    window->exec();
}

} // namespace kx
