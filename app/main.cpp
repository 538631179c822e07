#include "app/CKRT_ModSelDlg.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/CKRT_MainParaDlg.h"
#include "params/CKRT_MainParaEncryptDlg.h"
#include "platform/DialogScreenFit.h"
#include "platform/Pictures.h"
#include "platform/QtMessageService.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <iostream>
#include <memory>

namespace {

const char* const kDescription =
    "Writes the parameter file a cellular trail camera reads from its memory card:\n"
    "pick the model, edit the camera, network and contact settings, and SAVE writes\n"
    "GSM\\<file> on the card and a backup copy on the PC.\n\n"
    "Environment:\n"
    "  KRT_DRIVES=\"C=/folder;E=/media/me/CARD\"  the drive letters by hand; else C: is\n"
    "      $XDG_DATA_HOME/krt-config/drive_c and D: onwards the mounted cards\n"
    "  KRT_REGISTRY_ROOT=<folder>  where the remembered model choice is kept\n"
    "  KRT_DEBUG=1  diagnostic lines on standard error\n\n"
    "See krt-config(1) and krt-cli(1).";

void setIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("krt-config"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KRT_VERSION));
}

/// --help and --version are answered before the GUI application exists,
/// so they need no display. Qt's own options (-platform, -style, …) belong
/// to the GUI application and are left to it.
void answerInformationOptions(int& argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    setIdentity();
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    static_cast<void>(parser.parse(QCoreApplication::arguments()));
    if (parser.isSet(version))
        parser.showVersion();
    if (parser.isSet(help))
        parser.showHelp(0);
}

} // namespace

int main(int argc, char* argv[])
{
    answerInformationOptions(argc, argv);

    QApplication app(argc, argv);
    setIdentity();
    QApplication::setWindowIcon(Pictures::appIcon());
    DialogScreenFit::Filter screenFit;
    app.installEventFilter(&screenFit);

    QtMessageService messages;
    SystemClock clock;
    DriveMap drives = DriveMap::fromEnvironment();
    for (const std::string& problem : drives.problems())
        std::cerr << "krt-config: " << problem << "\n";
    AppContext context(std::move(drives), RegistryStore::fromEnvironment(), messages, clock);

    const auto runMainDialog = [&context](const ModelDescriptor& model, const std::string& entry) {
        std::unique_ptr<CKRT_MainParaDlg> main;
        if (model.mainDialog == ModelCatalogue::kEncryptedMainDialog)
            main = std::make_unique<CKRT_MainParaEncryptDlg>(context, entry);
        else
            main = std::make_unique<CKRT_MainParaDlg>(context, entry);
        if (main->initialise())
            main->exec();
    };
    CKRT_ModSelDlg selection(context, runMainDialog);
    selection.exec();
    return 0;
}
