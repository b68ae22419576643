// kxbench: runs each measured step a few times and prints "name: median ms" per figure.
#include "bench/bench_backup.h"
#include "bench/bench_documents.h"
#include "bench/bench_report_output.h"
#include "bench/bench_reports.h"
#include "bench/bench_saved_documents.h"
#include "bench/bench_stock_reports.h"
#include "bench/bench_support.h"
#include "bench/generator.h"

#include "core/lists.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

namespace kxbench {

double medianMs(int runs, const std::function<void()> &step, const std::function<void()> &prepare)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

} // namespace kxbench

namespace {
void print(const char *name, double ms)
{
    QTextStream(stdout) << name << ": " << QString::number(ms, 'f', 1) << " ms\n";
}
} // namespace

int main(int argc, char **argv)
{
    // The document figures drive the panels and the grid, which are widgets.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A panel library registered by another build would be loaded in place of the one beside
    // this program; an empty configuration folder of its own keeps the figures about this build.
    QTemporaryDir configHome;
    if (!configHome.isValid())
        qFatal("kxbench: no temporary folder");
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kantarix benchmarks"));
    parser.addHelpOption();
    const QCommandLineOption stock(QStringLiteral("stock"), QStringLiteral("Stock cards."),
                                   QStringLiteral("n"), QStringLiteral("20000"));
    const QCommandLineOption accounts(QStringLiteral("accounts"), QStringLiteral("Accounts."),
                                      QStringLiteral("n"), QStringLiteral("5000"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs per figure."),
                                  QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption documents(QStringLiteral("documents"), QStringLiteral("Documents."),
                                       QStringLiteral("n"), QStringLiteral("200000"));
    const QCommandLineOption lines(QStringLiteral("lines"), QStringLiteral("Document lines."),
                                   QStringLiteral("n"), QStringLiteral("1000000"));
    parser.addOptions({ stock, accounts, runs, documents, lines });
    parser.process(app);

    kxbench::Sizes sizes;
    sizes.stock = parser.value(stock).toInt();
    sizes.accounts = parser.value(accounts).toInt();
    const int runCount = std::max(1, parser.value(runs).toInt());

    kxbench::BenchData data(sizes);
    // The first load upgrades the settings; the figures measure the loads that follow.
    kx::LoadLists(true, true, true);

    // One entry per figure, in the order they are printed; add new figures here.
    const QList<kxbench::Figure> figures = {
        { "loadlists", [] { kx::LoadLists(true, true, true); } },
        kxbench::searchKeyFigure(),
        kxbench::startupFigure(),
        kxbench::pageStockListFigure(),
        kxbench::cardEditorOpenFigure(),
        kxbench::comboCompleteFigure(),
        kxbench::comboPopupFigure(),
    };
    for (const auto &[name, step] : figures)
        print(name, kxbench::medianMs(runCount, step));

    kxbench::DocumentSizes documentSizes;
    documentSizes.documents = parser.value(documents).toInt();
    documentSizes.lines = parser.value(lines).toInt();
    const kxbench::GeneratedDocuments made
        = kxbench::runDocumentFigures(documentSizes, runCount, print);
    kxbench::runSavedDocumentFigures(made, runCount, print);
    kxbench::runReportFigures(runCount, print);
    kxbench::runStockReportFigures(runCount, print);
    kxbench::runReportOutputFigures(runCount, print);
    kxbench::runBackupFigures(runCount, print);
    kxbench::closeBenchMainWindow();
    return 0;
}
