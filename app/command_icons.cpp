// The command icons, drawn in code in the program's own flat style.
#include "app/ribbon_menu.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kx {

namespace {

enum class Motif {
    Box,
    Person,
    Truck,
    Invoice,
    InvoiceLines,
    Money,
    Chart,
    Gear,
    Help,
    Info,
    Plus,
    Pencil,
    Cross,
    Disk,
    Eraser,
    Folder,
    Eye,
    Printer,
    Shield,
    Exchange,
    Report
};

struct IconDesign
{
    int id;
    Motif motif;
    QRgb color;
    bool badgePlus;
};

const IconDesign designs[] = {
    { Command::StockList, Motif::Box, 0xE8A33C, false },
    { Command::AccountList, Motif::Person, 0x4FA3E0, false },
    { Command::DeliveryNote, Motif::Truck, 0x7CC36B, false },
    { Command::Invoice, Motif::Invoice, 0xE0E4EA, false },
    { Command::InvoiceWithLines, Motif::InvoiceLines, 0xF0D060, false },
    { Command::Payment, Motif::Money, 0x63C08A, false },
    { Command::ReportList, Motif::Chart, 0x6FA8F0, false },
    { Command::Settings, Motif::Gear, 0xB8C0CC, false },
    { Command::Help, Motif::Help, 0x58B6E8, false },
    { Command::About, Motif::Info, 0x9AA8BC, false },
    { Command::NewStock, Motif::Box, 0xE8A33C, true },
    { Command::NewAccount, Motif::Person, 0x4FA3E0, true },
    { Command::NewCard, Motif::Plus, 0x63C08A, false },
    { Command::EditCard, Motif::Pencil, 0xF0C040, false },
    { Command::DeleteCard, Motif::Cross, 0xE05A4F, false },
    { Command::SaveDocument, Motif::Disk, 0x5B9BE0, false },
    { Command::ClearDocument, Motif::Eraser, 0xE88A8A, false },
    { Command::SavedDocuments, Motif::Folder, 0xE8B84C, false },
    { Command::ShowReport, Motif::Eye, 0x63C08A, false },
    { Command::SaveReport, Motif::Disk, 0x5B9BE0, false },
    { Command::PrintReport, Motif::Printer, 0xB8C0CC, false },
    { Command::AccountStatement, Motif::Report, 0x6FA8F0, false },
    { Command::PriceList, Motif::Report, 0xE8A33C, false },
    { Command::CashReport, Motif::Report, 0x63C08A, false },
    { Command::DebtsAndCredits, Motif::Report, 0xE05A4F, false },
    { Command::VatReport, Motif::Report, 0xB07FE0, false },
    { Command::StockMovements, Motif::Report, 0x4FC3C8, false },
    { Command::StockInventory, Motif::Report, 0xF0C040, false },
    { Command::Cheques, Motif::Report, 0x9AA8BC, false },
    { Command::WarrantyLookup, Motif::Shield, 0x63C08A, false },
    { Command::CheckRatesAndVersion, Motif::Exchange, 0xF0C040, false },
};

// Draws a motif into the square 0..32.
void drawMotif(QPainter &p, Motif motif, const QColor &color)
{
    const QColor dark = color.darker(170);
    p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    switch (motif) {
    case Motif::Box: {
        QPolygonF front({ { 5, 11 }, { 19, 11 }, { 19, 27 }, { 5, 27 } });
        QPolygonF top({ { 5, 11 }, { 12, 5 }, { 26, 5 }, { 19, 11 } });
        QPolygonF side({ { 19, 11 }, { 26, 5 }, { 26, 21 }, { 19, 27 } });
        p.drawPolygon(front);
        p.setBrush(color.lighter(125));
        p.drawPolygon(top);
        p.setBrush(color.darker(120));
        p.drawPolygon(side);
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        break;
    }
    case Motif::Person:
        p.drawEllipse(QRectF(10, 4, 12, 12));
        p.drawRoundedRect(QRectF(5, 18, 22, 11), 6, 6);
        break;
    case Motif::Truck:
        p.drawRect(QRectF(3, 9, 17, 13));
        p.setBrush(color.lighter(130));
        p.drawPolygon(QPolygonF({ { 20, 13 }, { 26, 13 }, { 29, 18 }, { 29, 22 }, { 20, 22 } }));
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawEllipse(QRectF(6, 20, 6, 6));
        p.drawEllipse(QRectF(21, 20, 6, 6));
        break;
    case Motif::Invoice:
    case Motif::InvoiceLines:
    case Motif::Report: {
        QPainterPath page;
        page.moveTo(7, 3);
        page.lineTo(20, 3);
        page.lineTo(26, 9);
        page.lineTo(26, 29);
        page.lineTo(7, 29);
        page.closeSubpath();
        p.setBrush(motif == Motif::Report ? QColor(0xF4, 0xF6, 0xF9) : color);
        p.drawPath(page);
        p.setPen(QPen(motif == Motif::Report ? color : dark, 2));
        for (int y = 12; y <= 24; y += 4)
            p.drawLine(QPointF(10, y), QPointF(23, y));
        if (motif == Motif::InvoiceLines) {
            p.drawLine(QPointF(16, 10), QPointF(16, 26));
        } else if (motif == Motif::Report) {
            p.setPen(Qt::NoPen);
            p.setBrush(color);
            p.drawRect(QRectF(10, 20, 3, 6));
            p.drawRect(QRectF(15, 16, 3, 10));
            p.drawRect(QRectF(20, 18, 3, 8));
        }
        break;
    }
    case Motif::Money:
        p.drawRoundedRect(QRectF(3, 8, 26, 16), 2, 2);
        p.setBrush(color.lighter(140));
        p.drawEllipse(QRectF(11, 10, 10, 12));
        p.setPen(QPen(dark, 2));
        p.drawText(QRectF(11, 10, 10, 12), Qt::AlignCenter, QStringLiteral("₺"));
        break;
    case Motif::Chart:
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(4, 28), QPointF(28, 28));
        p.drawLine(QPointF(4, 28), QPointF(4, 4));
        p.setBrush(color);
        p.drawRect(QRectF(8, 16, 5, 12));
        p.setBrush(color.lighter(130));
        p.drawRect(QRectF(15, 9, 5, 19));
        p.setBrush(color.darker(115));
        p.drawRect(QRectF(22, 13, 5, 15));
        break;
    case Motif::Gear: {
        QPainterPath gear;
        const QPointF center(16, 16);
        for (int i = 0; i < 8; ++i) {
            QTransform t;
            t.translate(16, 16);
            t.rotate(i * 45);
            gear.addPolygon(t.map(QPolygonF({ { -3, -14 }, { 3, -14 }, { 4, -9 }, { -4, -9 } })));
        }
        gear.addEllipse(center, 10, 10);
        p.setPen(Qt::NoPen);
        p.drawPath(gear.simplified());
        p.setBrush(QColor(0x2A, 0x2D, 0x33));
        p.drawEllipse(center, 4, 4);
        break;
    }
    case Motif::Help:
    case Motif::Info: {
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(18);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter,
                   motif == Motif::Help ? QStringLiteral("?") : QStringLiteral("i"));
        break;
    }
    case Motif::Plus:
        p.setPen(QPen(color, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 6), QPointF(16, 26));
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        break;
    case Motif::Pencil:
        p.drawPolygon(QPolygonF({ { 6, 22 }, { 21, 7 }, { 25, 11 }, { 10, 26 }, { 5, 27 } }));
        break;
    case Motif::Cross:
        p.setPen(QPen(color, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    case Motif::Disk:
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(QColor(0xF4, 0xF6, 0xF9));
        p.drawRect(QRectF(9, 4, 14, 9));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case Motif::Eraser:
        p.drawPolygon(QPolygonF({ { 4, 20 }, { 16, 8 }, { 28, 20 }, { 20, 28 }, { 12, 28 } }));
        p.setBrush(QColor(0xF4, 0xF6, 0xF9));
        p.drawPolygon(QPolygonF({ { 4, 20 }, { 10, 14 }, { 18, 22 }, { 12, 28 } }));
        break;
    case Motif::Folder:
        p.drawPolygon(
            QPolygonF({ { 3, 8 }, { 12, 8 }, { 15, 11 }, { 29, 11 }, { 29, 27 }, { 3, 27 } }));
        p.setBrush(color.lighter(125));
        p.drawPolygon(QPolygonF({ { 3, 27 }, { 7, 15 }, { 31, 15 }, { 29, 27 } }));
        break;
    case Motif::Eye: {
        QPainterPath eye;
        eye.moveTo(2, 16);
        eye.quadTo(16, 2, 30, 16);
        eye.quadTo(16, 30, 2, 16);
        p.setBrush(QColor(0xF4, 0xF6, 0xF9));
        p.drawPath(eye);
        p.setBrush(color);
        p.drawEllipse(QPointF(16, 16), 6, 6);
        break;
    }
    case Motif::Printer:
        p.setBrush(QColor(0xF4, 0xF6, 0xF9));
        p.drawRect(QRectF(9, 3, 14, 9));
        p.setBrush(color);
        p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
        p.setBrush(QColor(0xF4, 0xF6, 0xF9));
        p.drawRect(QRectF(9, 19, 14, 10));
        break;
    case Motif::Shield: {
        QPainterPath shield;
        shield.moveTo(16, 3);
        shield.lineTo(27, 7);
        shield.quadTo(27, 23, 16, 29);
        shield.quadTo(5, 23, 5, 7);
        shield.closeSubpath();
        p.drawPath(shield);
        p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({ { 11, 16 }, { 15, 20 }, { 22, 12 } }));
        break;
    }
    case Motif::Exchange:
        p.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 22, 22), 30 * 16, 150 * 16);
        p.drawArc(QRectF(5, 5, 22, 22), 210 * 16, 150 * 16);
        p.drawPolyline(QPolygonF({ { 24, 4 }, { 25, 11 }, { 18, 11 } }));
        p.drawPolyline(QPolygonF({ { 8, 28 }, { 7, 21 }, { 14, 21 } }));
        break;
    }
}

QPixmap drawIcon(const IconDesign &design, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    drawMotif(p, design.motif, QColor(design.color));
    if (design.badgePlus) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3C, 0xB0, 0x5A));
        p.drawEllipse(QRectF(17, 17, 14, 14));
        p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 20), QPointF(24, 28));
        p.drawLine(QPointF(20, 24), QPointF(28, 24));
    }
    return pixmap;
}

} // namespace

QIcon commandIcon(int id)
{
    for (const IconDesign &design : designs) {
        if (design.id == id) {
            QIcon icon;
            for (int size : { 16, 24, 32 })
                icon.addPixmap(drawIcon(design, size));
            return icon;
        }
    }
    return {};
}

} // namespace kx
