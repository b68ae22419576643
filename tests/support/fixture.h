// A fresh program folder and database per test, and a login without the login window.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <optional>

namespace kxtest {

// Make one per test case (a member set in init(), or a local):
//
//     kxtest::Fixture fixture;      // temp folder, KANTARIX_DIR, fresh Data.mdb, clean state
//     fixture.login(1);             // company 1 ("Birinci Firma", tables "1..."), Conn open
//
// The constructor resets kx::state() and kx::messageScript() (with suppressNotices on, so
// pop-ups are recorded, not shown). The destructor closes the connections, resets the state
// and restores KANTARIX_DIR.
class Fixture
{
public:
    Fixture();
    // The same in folder, which exists and outlives the fixture, on the Data.mdb there (made
    // when missing): for a child process that carries on in its test's program folder.
    explicit Fixture(const QString &folder);
    ~Fixture();
    Fixture(const Fixture &) = delete;
    Fixture &operator=(const Fixture &) = delete;

    QString folder() const; // the program folder (KANTARIX_DIR)
    QString databasePath() const; // folder() + "/Data.mdb"
    // The database file as it stands, byte for byte: what an all-or-nothing write must leave.
    QByteArray databaseBytes() const;

    // Does what a successful login does: makes Conn2, Rs2, Conn, Rs and opens Conn; fills
    // FirmaRows, FirmaAdi, FirmaId (company + 1), FirmaParola, WorkDate, KasaAmount and the
    // table set ("1Stok".. for company 1, "2Stok".. for 2). Also fills FieldValues with the
    // skip mark, as the start-up does, so the SQL builders can be used at once.
    void login(int company = 1);

    // LoadLists(true, true, true): settings (with the row-54 upgrade), stock and accounts.
    // With the delivered settings each company keeps its own card tables, so this is what the
    // start-up loads. Call after login() and again after adding cards.
    void loadLists();

private:
    void start();

    std::optional<QTemporaryDir> m_dir;
    QString m_folder;
    QByteArray m_previousDir;
    bool m_hadPreviousDir = false;
};

} // namespace kxtest
