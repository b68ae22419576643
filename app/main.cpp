// Program entry: Turkish dialogs, the database check, the login, then the main window.
#include "core/database.h"
#include "core/login_form.h"
#include "core/state.h"
#include "core/translations.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <memory>

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

    {
        std::unique_ptr<kx::FGiris> login;
        try {
            login = std::make_unique<kx::FGiris>();
        } catch (const kx::DatabaseError &error) {
            showStartError(error.message());
            return 1;
        }
        // The close box of the login window ends the program at once.
        if (login->exec() != QDialog::Accepted)
            return 0;
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kantarix"));
    kx::state().FMain = &window;
    window.showMaximized();
    return app.exec();
}
