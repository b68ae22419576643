// A label that reads as a web link and reports a click.
#pragma once

#include <QLabel>

namespace kx {

class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace kx
