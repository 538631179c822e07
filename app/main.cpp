#include "app/CKRT_ModSelDlg.h"
#include "context/AppContext.h"
#include "models/ModelCatalogue.h"
#include "params/CKRT_MainParaDlg.h"
#include "params/CKRT_MainParaEncryptDlg.h"
#include "platform/DialogScreenFit.h"
#include "platform/Pictures.h"
#include "platform/QtMessageService.h"

#include <QApplication>

#include <iostream>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krt-config"));
    QApplication::setApplicationVersion(QStringLiteral("2.9.0.9"));
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
