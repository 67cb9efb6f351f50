#include "core/startup/SplashStage.h"

#include "core/AppState.h"
#include "core/base/Prompts.h"
#include "core/startup/StartUpMessages.h"

namespace SplashStage {

EditorLayout run(AppState &state, Prompts &prompts, const ScreenMetrics &screen,
                 const DataFolder::Location &data)
{
    state.screen = screen;
    state.keptScreen = screen;
    if (!data.ok()) {
        prompts.message(DataFolder::unwritableTitle(), data.error, Prompts::Icon::Critical);
        return EditorLayout::None;
    }
    state.config.ouestKerbo = data.programFolder;
    DataFolder::removeStaleTemporaries(state.config.dataFolder());
    const bool scaleFlag =
        state.config.read(ConfigKeys::EchelleEditeur, ConfigKeys::Echelle).number != 0;

    const LayoutChoice choice = chooseLayout(screen, scaleFlag);
    switch (choice.outcome) {
    case LayoutChoice::Outcome::ResolutionMessage:
        prompts.message(StartUpMessages::resolutionTitle(), StartUpMessages::resolutionText(screen),
                        Prompts::Icon::Critical);
        return EditorLayout::None;
    case LayoutChoice::Outcome::FontMessage:
        prompts.message(StartUpMessages::fontTitle(), StartUpMessages::fontText(screen),
                        Prompts::Icon::Critical);
        return EditorLayout::None;
    case LayoutChoice::Outcome::OpenEditor:
        break;
    }
    // The flag changes in memory only; the scale menu entry is what writes it.
    state.keptScreen = choice.kept;
    state.config.echelle = choice.scaleFlag;
    return choice.layout;
}

} // namespace SplashStage
