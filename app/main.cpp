#include "dirtree.h"
#include "main_window.h"
#include "pane.h"
#include "qt_prompt.h"

#include "prompt.h"
#include "volumes.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(tandem::mainwindow::Main::ApplicationName);
    tandem::mainwindow::QtPrompt prompt;
    tandem::platform::InstallPrompt(&prompt);
    tandem::mainwindow::InstallQtBusyPointer();

    tandem::mainwindow::Main window;
    const QString drives = QString::fromStdString(tandem::platform::SystemVolumes().PresentLetters());
    for (int index = 1; index <= 2; ++index) {
        tandem::panes::Pane& pane = window.Pane(index);
        pane.FolderTree->setDriveLetters(drives);
        pane.GoToLastItem(window.ProgramFolder());
    }
    window.show();
    const int result = app.exec();
    tandem::platform::InstallPrompt(nullptr);
    return result;
}
