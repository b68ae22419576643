// The main window after a login, with cards, for the tests of its commands, grids and panels.
#pragma once

#include "app/main_window.h"
#include "app/payment_form.h"
#include "app/saved_documents_window.h"
#include "core/lists.h"
#include "core/messages.h"
#include "core/sql_builders.h"
#include "core/state.h"
#include "tests/support/fixture.h"

#include <QApplication>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace kxtest {

// A logged-in company 1 and its started main window, shown offscreen. Cards added before
// start() are in the lists and the panels.
class EventsWindow
{
public:
    EventsWindow()
    {
        // Nothing listens there: the start-up's version check fetches nothing.
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const QByteArray host = "127.0.0.1:" + QByteArray::number(closed.serverPort());
        qputenv("KANTARIX_WEB_HOST", host);
        qputenv("KANTARIX_RATE_HOST", host);
        fixture.login(1);
    }
    ~EventsWindow()
    {
        window.reset();
        qunsetenv("KANTARIX_WEB_HOST");
        qunsetenv("KANTARIX_RATE_HOST");
    }

    kx::FMain &start()
    {
        window = std::make_unique<kx::FMain>();
        // Closing makes the exit backup: never onto a real drive of the machine that runs the
        // tests (it would push that drive's oldest archive out). Tests that want one set theirs.
        window->backupVolumes = [] { return QList<kx::Volume>(); };
        window->startAfterLogin();
        window->resize(1280, 800);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the main window did not become active");
        return *window;
    }

    // The rights row: every column granted but the ones listed, and not the main computer.
    static void setRights(const QList<int> &refused)
    {
        kx::ModuleState &s = kx::state();
        for (int column = 1; column <= 9; ++column)
            s.FieldValues[column]
                = refused.contains(column) ? QStringLiteral("0") : QStringLiteral("1");
        kx::ExecUpdate(s.TblAyar, 53);
        kx::LoadLists(true, false, false);
        s.MainComputer = false;
    }

    // Closes the modal window that the next step opens, once it is up.
    static void closeNextModal()
    {
        QTimer::singleShot(0, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
    }

    // Runs step and closes every window it opens, innermost first; returns which opened, in
    // the order they were closed: "FOdeme <edited id>", "FKayitli <key loaded in the panel>".
    static QStringList closeOpenedWindows(const std::function<void()> &step)
    {
        QStringList opened;
        QTimer closer;
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [&opened] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *form = qobject_cast<kx::FOdeme *>(modal)) {
                opened << QStringLiteral("FOdeme ") + QString::number(form->editedId());
                form->close();
            } else if (auto *saved = qobject_cast<kx::FKayitli *>(modal)) {
                opened << QStringLiteral("FKayitli ") + saved->loadedKey();
                saved->close();
            }
        });
        closer.start();
        step();
        closer.stop();
        return opened;
    }

    static QStringList shownTexts()
    {
        QStringList texts;
        for (const kx::MessageRecord &record : kx::messageScript().shown)
            texts << record.text;
        return texts;
    }

    Fixture fixture;
    std::unique_ptr<kx::FMain> window;
};

} // namespace kxtest
