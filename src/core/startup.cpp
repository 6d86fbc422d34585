#include "core/startup.h"

#include "core/data_module.h"
#include "core/wd_run_once.h"

#include <QApplication>
#include <QWidget>

#include <memory>

int runTenvora(int &argc, char **argv, const MainWindowFactory &makeMainWindow)
{
    QApplication app(argc, argv);
    RunOnceGuard guard;
    if (guard.AlreadyRunning())
        return 0;

    QApplication::setApplicationName(QStringLiteral("Tenvora v1.0"));
    QObject::connect(&guard, &RunOnceGuard::raiseRequested, &app, &bringApplicationForward);

    auto dataModule = std::make_unique<TDM1>();
    DM1 = dataModule.get();
    std::unique_ptr<QWidget> mainWindow(makeMainWindow(*dataModule));
    mainWindow->show();
    const int result = app.exec();
    mainWindow.reset();
    DM1 = nullptr;
    return result;
}
