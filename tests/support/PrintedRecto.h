#pragma once

#include "RecordingPage.h"

#include "core/AppState.h"
#include "core/print/RectoPrinter.h"

#include <QDate>

// A bulletin on the factory layout, dated 5 March 2007, drawn on a recording page as the printer
// draws it. `Base` holds the run's `AppState state` (a plain holder, or a temporary data folder).
template <class Base>
struct PrintedRecto : Base {
    RecordingPage page;

    PrintedRecto()
    {
        this->state.printLayout.DefautParaImp();
        this->state.printLayout.DefautParaImpVerso();
        this->state.record.setServiceDate(QDate(2007, 3, 5));
    }
    void set(int slot, const char *text)
    {
        this->state.record.setSlot(slot, QString::fromUtf8(text));
    }
    void draw()
    {
        page.texts.clear();
        RectoPrinter::draw(this->state.record, this->state.printLayout,
                           this->state.config.options,
                           RectoPrinter::printShift(this->state.printLayout), page);
    }
};

// The state of a run alone, for tests that need no folder.
struct StateOnly {
    AppState state;
};
