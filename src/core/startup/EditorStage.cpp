#include "core/startup/EditorStage.h"

#include "core/AppState.h"
#include "core/base/Paths.h"
#include "core/base/Prompts.h"
#include "core/model/BulletinView.h"
#include "core/folders/RosterFolderList.h"
#include "core/model/ListFiles.h"
#include "core/model/SlotTable.h"
#include "core/print/PrinterFonts.h"
#include "core/print/PrintLayoutFile.h"
#include "core/startup/StartUpMessages.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

namespace EditorStage {

void run(AppState &state, Prompts &prompts, BulletinView &view, const EditorStageHooks &hooks)
{
    Config &config = state.config;

    // A missing printer only warns: printing reports its own failure later.
    if (hooks.hasPrinter && !hooks.hasPrinter())
        prompts.message(StartUpMessages::noPrinterTitle(), StartUpMessages::noPrinterText(),
                        Prompts::Icon::Exclamation);

    const QDate today = QDate::currentDate();
    state.record.setServiceDate(today);
    view.showServiceDate(today);

    if (config.ouestKerbo.isEmpty())
        config.ouestKerbo =
            Paths::CheckPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
    config.write(ConfigKeys::CheminDossiers, ConfigKeys::OuestKerbo, config.ouestKerbo);

    // The program folder and the scale flag were settled by the splash; the file holds the rest.
    const QString programFolder = config.ouestKerbo;
    const bool scaleFlag = config.echelle;
    config.load();
    config.ouestKerbo = programFolder;
    config.echelle = scaleFlag;

    PrinterFonts::checkAtStartUp(state.config);
    // The calibration windows save the whole layout: it must hold the driver's file first.
    ensureLoaded(state.printLayout, config.dataFolder());

    if (config.condition == 0 && hooks.runCartouche)
        hooks.runCartouche(true);

    for (int slot = SlotTable::CartoucheFirstSlot; slot <= SlotTable::CartoucheLastSlot; ++slot)
        state.record.setSlot(slot, config.cartoucheValue(slot));

    config.hdGenerique = Paths::CheckPath(config.hdGenerique);
    if (RosterFolderList::verify(state.config)) {
        view.showRosterFolder(QString());
        view.reloadRosterList();
    }
    config.hdGenerique = Paths::folderOrDriveC(config.hdGenerique);
    config.hdArchive = Paths::folderOrDriveC(config.hdArchive);

    state.engineListFile = ListFiles::engineListFile(config.options.enaut);

    state.record.setCurrentSlot(SlotTable::FirstTrainNumberSlot);
    view.showRosterFolder(config.hdGenerique);
    view.refreshBulletin();
}

} // namespace EditorStage
