#include "core/print/PreviewDrawing.h"

#include "core/AppState.h"
#include "core/print/Page.h"
#include "core/print/RectoPrinter.h"
#include "core/print/VersoPrinter.h"

namespace PreviewDrawing {

void AfficheRecto(const AppState &state, const QFont &font, Page &page)
{
    page.setFont(font);
    RectoPrinter::draw(state.record, state.printLayout, state.config.options,
                       RectoPrinter::previewShift(state.printLayout), page);
}

void SortieEcranVerso(const AppState &state, const QFont &font, Page &page)
{
    page.setFont(font);
    VersoPrinter::draw(state.verso, state.versoLines, state.printLayout,
                       VersoPrinter::previewShift(state.printLayout), page);
}

} // namespace PreviewDrawing
