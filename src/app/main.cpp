#include "app/TrayController.h"
#include "app/UnixSignalWatcher.h"
#include "platform/SharedInstances.h"
#include "viewmodel/LinkmeterViewModel.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("linkmeter"));
    QApplication::setOrganizationName(QStringLiteral("linkmeter"));
    QApplication::setApplicationDisplayName(QStringLiteral("Linkmeter"));
    // A tray utility keeps running when its popover closes.
    QApplication::setQuitOnLastWindowClosed(false);

    // Services and platform pieces live in here, so they go before the application object does.
    SharedInstances sharedInstances;

    UnixSignalWatcher signalWatcher({SIGTERM, SIGINT});
    QObject::connect(&signalWatcher, &UnixSignalWatcher::received, &app, [] { QApplication::quit(); });

    LinkmeterViewModel viewModel(LinkmeterServices::shared());
    TrayController tray(viewModel);
    QObject::connect(&tray, &TrayController::quitRequested, &app, [] { QApplication::quit(); });
    if (!tray.hasTray())
        tray.showPopover();

    return QApplication::exec();
}
