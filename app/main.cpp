// Program entry: Turkish dialogs, the database check, then the main window, which logs in.
#include "app/main_window.h"
#include "core/database.h"
#include "core/state.h"
#include "core/translations.h"
#include "settings/backup_page.h"

#include <QApplication>
#include <QMessageBox>

namespace {

// The module state holds the connections; they must go while Qt SQL is still there, not among
// the static objects after main().
struct StateRelease
{
    ~StateRelease() { kx::resetState(); }
};

void showStartError(const QString &text)
{
    QMessageBox::critical(nullptr, QStringLiteral("Kantarix"), text);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    StateRelease releaseState;
    QApplication::setApplicationName(QStringLiteral("Kantarix"));
    QApplication::setApplicationVersion(QStringLiteral(KANTARIX_VERSION));
    kx::installTurkishTranslations();
    kx::installBackupPage();

    // A file that is not our database is reported and left as it is.
    try {
        const QString problem = kx::prepareDatabase(kx::databasePath());
        if (!problem.isEmpty()) {
            showStartError(problem);
            return 1;
        }
    } catch (const kx::DatabaseError &error) {
        showStartError(error.message());
        return 1;
    }

    // The main window's first activation shows the login and runs the start-up.
    kx::FMain window;
    window.showMaximized();
    return app.exec();
}
