#include "app/AppContext.h"
#include "app/CKRT_ModSelDlg.h"
#include "models/ModelCatalogue.h"
#include "app/StandInDialog.h"
#include "params/CKRT_MainParaDlg.h"
#include "platform/Pictures.h"
#include "platform/QtMessageService.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krt-config"));
    QApplication::setApplicationVersion(QStringLiteral("2.9.0.9"));
    QApplication::setWindowIcon(Pictures::appIcon());

    QtMessageService messages;
    SystemClock clock;
    AppContext context(DriveMap::fromEnvironment(), RegistryStore::fromEnvironment(), messages, clock);

    const auto runMainDialog = [&context](const ModelDescriptor& model, const std::string& entry) {
        if (model.mainDialog == ModelCatalogue::kPlainMainDialog) {
            CKRT_MainParaDlg main(context, entry);
            if (main.initialise())
                main.exec();
            return;
        }
        // The encrypted-file dialog is not built yet.
        StandInDialog main(QStringLiteral("KRT CONFIG : For ") + QString::fromLocal8Bit(entry),
                           QStringLiteral("EXIT"));
        main.exec();
    };
    CKRT_ModSelDlg selection(context, runMainDialog);
    selection.exec();
    return 0;
}
