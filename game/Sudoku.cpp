// The program block: creates the eight windows in their order, shows the
// splash and runs the message loop until the main window closes.
#include "AboutUnit.h"
#include "DebugUnit.h"
#include "DisplayScaling.h"
#include "LecteurMP3Unit.h"
#include "MainUnit.h"
#include "MultiPlayerSetupUnit.h"
#include "NameEntryUnit.h"
#include "PlayerScoresUnit.h"
#include "SetupHostingUnit.h"
#include "TerminationSignals.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    keepScreenPixelsUnscaled();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sudoku"));
    QApplication::setOrganizationName(QStringLiteral("BRINDLEX"));
    // The main window's close ends the program, whatever other window is left.
    QApplication::setQuitOnLastWindowClosed(false);

    // Owned here until the end of the program, freed in the reverse order.
    const auto main = std::make_unique<TfrmMain>();
    frmMain = main.get();
    const auto player = std::make_unique<TFormLecteurMP3>(frmMain);
    FormLecteurMP3 = player.get();
    const QString appFolder = frmMain->FAppFolder;
    const auto about = std::make_unique<TfrmAbout>(appFolder);
    frmAbout = about.get();
    const auto debug = std::make_unique<TfrmDebug>();
    frmDebug = debug.get();
    const auto multiplayer = std::make_unique<TfrmMultiplayerSetup>();
    frmMultiplayerSetup = multiplayer.get();
    const auto hosting = std::make_unique<TfrmSetupHosting>();
    frmSetupHosting = hosting.get();
    const auto scores = std::make_unique<TfrmPlayerScores>();
    frmPlayerScores = scores.get();
    const auto name = std::make_unique<TfrmEnterName>();
    frmEnterName = name.get();
    // The network windows reach the main window only through its NetHost side.
    frmMultiplayerSetup->setHost(frmMain);
    frmSetupHosting->setHost(frmMain);
    frmEnterName->setHost(frmMain);

    QObject::connect(frmMain, &TfrmMain::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // kill, Ctrl+C and the end of the session close the game as the player would.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, frmMain, &QWidget::close);

    frmAbout->show();
    frmMain->hide();
    frmMain->show();
    const int result = QApplication::exec();

    frmEnterName = nullptr;
    frmPlayerScores = nullptr;
    frmSetupHosting = nullptr;
    frmMultiplayerSetup = nullptr;
    frmDebug = nullptr;
    frmAbout = nullptr;
    FormLecteurMP3 = nullptr;
    frmMain = nullptr;
    return result;
}
