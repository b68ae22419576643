// The shared test fixture: temporary program folder, fresh database, login without a window.
#include "tests/support/fixture.h"

#include "core/database.h"
#include "core/lists.h"
#include "core/login_form.h"
#include "core/messages.h"
#include "core/state.h"

#include <QFile>
#include <QTest>

namespace kxtest {

Fixture::Fixture()
    : m_dir(std::in_place)
{
    if (!m_dir->isValid())
        qFatal("no temporary folder for the test");
    m_folder = m_dir->path();
    start();
}

Fixture::Fixture(const QString &folder)
    : m_folder(folder)
{
    start();
}

void Fixture::start()
{
    m_hadPreviousDir = qEnvironmentVariableIsSet("KANTARIX_DIR");
    m_previousDir = qgetenv("KANTARIX_DIR");
    qputenv("KANTARIX_DIR", m_folder.toUtf8());
    kx::resetState();
    kx::messageScript().clear();
    kx::messageScript().suppressNotices = true;
    if (!QFile::exists(databasePath()))
        kx::createDatabase(databasePath());
}

Fixture::~Fixture()
{
    kx::ModuleState &s = kx::state();
    if (s.Conn)
        s.Conn->Close();
    if (s.Conn2)
        s.Conn2->Close();
    kx::resetState();
    kx::messageScript().clear();
    if (m_hadPreviousDir)
        qputenv("KANTARIX_DIR", m_previousDir);
    else
        qunsetenv("KANTARIX_DIR");
}

QString Fixture::folder() const
{
    return m_folder;
}

QString Fixture::databasePath() const
{
    return folder() + QStringLiteral("/Data.mdb");
}

QByteArray Fixture::databaseBytes() const
{
    QFile file(databasePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fixture::login(int company)
{
    kx::ModuleState &s = kx::state();
    kx::CreateDatabaseObjects();
    s.Rs2->Open(QStringLiteral("select * from firmalar order by id"), *s.Conn);
    s.FirmaRows = s.Rs2->GetRows();
    s.Rs2->Close();

    kx::ChooseCompany(company - 1);
    s.FieldValues.fill(kx::SkipSlot);
}

void Fixture::loadLists()
{
    kx::LoadLists(true, true, true);
}

} // namespace kxtest
