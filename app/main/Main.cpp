// velkaris: the program.

#include "MainWindow.h"
#include "ZentavoMain.h"
#include "core/LangManager.h"
#include "data/ProgramFolders.h"
#include "render/ChartFonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPainter>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

using namespace velkaris;

namespace {

/// The load screen's picture: the program's name on a night-blue field.
QPixmap LoadScreenPicture() {
    QPixmap picture(520, 169);
    picture.fill(QColor(0x1b, 0x26, 0x4a));
    QPainter painter(&picture);
    painter.setPen(QColor(0xf2, 0xd4, 0x7a));
    QFont title(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(0, 20, 520, 70), Qt::AlignCenter, QStringLiteral("Velkaris"));
    painter.setPen(QColor(0xc8, 0xd0, 0xe8));
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    painter.drawText(QRect(0, 85, 520, 24), Qt::AlignCenter,
                     QStringLiteral("asztrológiai program"));
    return picture;
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velkaris"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velkaris"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    QTranslator qtHungarian;
    if (qtHungarian.load(QLocale(QLocale::Hungarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtHungarian);

    QString home;
    const qsizetype homeAt = arguments.indexOf(QStringLiteral("--home"));
    if (homeAt >= 0 && homeAt + 1 < arguments.size())
        home = arguments.at(homeAt + 1);
    const TProgramFolders folders = TProgramFolders::Resolve(home);
    if (const auto failed = folders.EnsureHomeLayout()) {
        QMessageBox::critical(nullptr, QStringLiteral("Velkaris"), *failed);
        return 1;
    }
    const TProgramSwitches switches = TProgramSwitches::FromArguments(arguments);
    if (!switches.Font) {
        if (const auto failed = RegisterChartFonts(SymbolFontFile(folders.Shipped())))
            QMessageBox::warning(nullptr, QStringLiteral("Velkaris"), *failed);
    }

    QSplashScreen loadScreen(LoadScreenPicture());
    loadScreen.show();
    QCoreApplication::processEvents();
    TfrmMain window(folders, switches, [&loadScreen](const QString& text) {
        loadScreen.showMessage(text, Qt::AlignBottom | Qt::AlignHCenter, Qt::white);
        QCoreApplication::processEvents();
    });
    window.show();
    loadScreen.finish(&window);
    QTimer::singleShot(0, &window, [&window, &sinceLaunch, arguments] {
        window.Controller().OpenCommandLineCharts(arguments);
        // The start-up benchmark: the time until the window stands, then quit.
        if (qEnvironmentVariableIsSet("VELKARIS_STARTUP_PROBE")) {
            std::printf("startup_ms %lld\n", static_cast<long long>(sinceLaunch.elapsed()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });
    const int result = QApplication::exec();
    if (!switches.Font)
        UnregisterChartFonts();
    return result;
}
