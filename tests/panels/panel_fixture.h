// Hosts a panel made by the real library through the program's loader, as the main window does.
#pragma once

#include "app/panel_loader.h"

#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>

// A window holding one panel, and a field after it so that a walk out of the panel shows.
class HostedPanel
{
public:
    explicit HostedPanel(const QString &progId)
        : window(std::make_unique<QWidget>())
    {
        auto *layout = new QVBoxLayout(window.get());
        QString error;
        panel = kx::CreatePanel(progId, window.get(), &error);
        if (!panel)
            qWarning("panel %s: %s", qPrintable(progId), qPrintable(error));
        else
            layout->addWidget(panel);
        after = new QLineEdit(window.get());
        after->setObjectName(QStringLiteral("AfterPanel"));
        layout->addWidget(after);
        window->show();
        window->activateWindow();
        ready = panel && QTest::qWaitForWindowActive(window.get());
    }

    template <typename Child = QWidget> Child *child(const char *property) const
    {
        return qobject_cast<Child *>(kx::PanelChild(panel, QString::fromLatin1(property)));
    }

    // The panel child (or the field after the panel) that holds the focus, by name.
    QString focusedName() const
    {
        for (QWidget *widget = QApplication::focusWidget(); widget;
             widget = widget->parentWidget()) {
            if (widget == after || widget->property("TabIndex").isValid())
                return widget->objectName();
        }
        return QString();
    }

    // Counts how often each of the panel's events is raised, by event name.
    void countEvents(const QStringList &events)
    {
        for (const QString &event : events)
            kx::ConnectPanelEvent(panel, event, window.get(), [this, event] { ++raised[event]; });
    }

    // Sends a real key press to whatever holds the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // Types one character as a real key press (also outside Latin-1).
    static void type(const QString &character)
    {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, character,
                            Qt::NoModifier);
    }

    std::unique_ptr<QWidget> window;
    QWidget *panel = nullptr;
    QLineEdit *after = nullptr;
    QMap<QString, int> raised;
    bool ready = false;
};
