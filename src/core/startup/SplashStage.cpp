#include "core/startup/SplashStage.h"
#include "core/base/StaleWork.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/startup/StartUpMessages.h"

namespace SplashStage {

EditorLayout Decision::layout() const
{
    return dataFolderOk && choice.outcome == LayoutChoice::Outcome::OpenEditor ? choice.layout
                                                                              : EditorLayout::None;
}

Decision decide(AppState &state, const ScreenMetrics &screen, const DataFolder::Location &data)
{
    Decision decision;
    state.screen = screen;
    state.keptScreen = screen;
    decision.dataFolderOk = data.ok();
    if (!decision.dataFolderOk)
        return decision;
    state.config.ouestKerbo = data.programFolder;
    removeStaleTemporaryFiles(state.config.dataFolder());
    const bool scaleFlag =
        state.config.read(ConfigKeys::EchelleEditeur, ConfigKeys::Echelle).number != 0;

    decision.choice = chooseLayout(screen, scaleFlag);
    if (decision.choice.outcome == LayoutChoice::Outcome::OpenEditor) {
        // The flag changes in memory only; the scale menu entry is what writes it.
        state.keptScreen = decision.choice.kept;
        state.config.echelle = decision.choice.scaleFlag;
    }
    return decision;
}

EditorLayout conclude(const Decision &decision, Prompts &prompts, const ScreenMetrics &screen,
                      const DataFolder::Location &data)
{
    if (!decision.dataFolderOk) {
        prompts.message(DataFolder::unwritableTitle(), data.error, Prompts::Icon::Critical);
        return EditorLayout::None;
    }
    switch (decision.choice.outcome) {
    case LayoutChoice::Outcome::ResolutionMessage:
        prompts.message(StartUpMessages::resolutionTitle(), StartUpMessages::resolutionText(screen),
                        Prompts::Icon::Critical);
        break;
    case LayoutChoice::Outcome::FontMessage:
        prompts.message(StartUpMessages::fontTitle(), StartUpMessages::fontText(screen),
                        Prompts::Icon::Critical);
        break;
    case LayoutChoice::Outcome::OpenEditor:
        break;
    }
    return decision.layout();
}

} // namespace SplashStage
