// Program entry: the application, the user folder and the frame window.
#include "app/terminationsignals.h"
#include "app/widgets/tmainform.h"
#include "settings/programfolder.h"
#include "settings/fileaccess.h"
#include "toolchain/processgroups.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

namespace {

// The programs run from here end with this program even when it is killed
// outright; a clean end lets the watchdog go too.
struct Watchdog {
    Watchdog() { ProcessGroups::startWatchdog(); }
    ~Watchdog() { ProcessGroups::stopWatchdog(); }
};

} // namespace

int main(int argc, char** argv)
{
    // Before any thread starts: the watchdog is a fork of this process.
    const Watchdog watchdog;
    QApplication app(argc, argv);
    // A file name that is not UTF-8 keeps its bytes (Qt's decoding would not).
    FileAccess::setProgramArguments(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pellam Vornic"));
    // No display name: the desktop would append it to every caption.
    QApplication::setDesktopFileName(QStringLiteral("pellam-vornic"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pellam-vornic.svg")));

    // Logout or `kill` ends the program as a quit without questions would.
    TerminationSignals termination;
    QPointer<TMainForm> frame;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &app, [&frame] {
        if (frame)
            frame->quitWithoutQuestions();
        else
            QApplication::exit(0);
    });

    const Result<SeedReport> seeded = seedUserFolder(shippedDataFolder(), userFolder());
    if (!seeded) {
        readShippedFilesTheUserFolderLacks(shippedDataFolder());
        QMessageBox::warning(nullptr, QStringLiteral("Pellam Vornic"),
                             QStringLiteral("Your settings and files cannot be kept in %1.\n\n%2\n\n"
                                            "Pellam Vornic runs with its default settings; changes to them "
                                            "may not be saved.")
                                 .arg(userFolder(), seeded.error()));
    }
    if (termination.received())
        return 0;
    TMainForm window;
    frame = &window;
    window.showMaximized();
    return QApplication::exec();
}
