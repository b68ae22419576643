// The about window FHakkinda: the running version and the links to the product and its maker.
#pragma once

#include <QDialog>
#include <QVersionNumber>

class QLabel;

namespace kx {

class LinkLabel;

class FHakkinda : public QDialog
{
    Q_OBJECT

public:
    explicit FHakkinda(QWidget *parent = nullptr);

    QLabel *LabVer = nullptr;
    LinkLabel *Label3 = nullptr; // the product's site
    LinkLabel *Label4 = nullptr; // the maker's site
    LinkLabel *Label9 = nullptr; // shows the contact address, writes to the support address

    // The link targets, on the configured web host.
    static QString productAddress();
    static QString makerAddress();
    static QString contactMail();
    static QString supportMail();

public slots:
    void Label3_Click();
    void Label4_Click();
    void Label9_Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
};

// "Sürüm : " and major.minor.revision as plain numbers: 3.00.0239 shows as 3.0.239.
QString versionCaption(const QVersionNumber &version);

// Creates FHakkinda into its instance slot and shows it modally; returns when it has closed.
void ShowAboutWindow(QWidget *parent);

} // namespace kx
