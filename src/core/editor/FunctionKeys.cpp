#include "core/editor/FunctionKeys.h"

#include "core/automatismes/Automatismes.h"
#include "core/base/Prompts.h"
#include "core/editor/SlotNavigation.h"
#include "core/engines/EngineRules.h"
#include "core/model/BulletinRecord.h"
#include "core/model/LineView.h"
#include "core/model/SlotTable.h"

using namespace SlotTable;

FunctionKeys::FunctionKeys(BulletinRecord &record, LineBuffer &lineBuffer, const Options &options,
                           AutomatismeStore &store, Prompts &prompts, LineView &view)
    : m_record(record), m_lineBuffer(lineBuffer), m_options(options), m_store(store),
      m_prompts(prompts), m_view(view)
{
}

int FunctionKeys::line() const
{
    return lineOf(m_record.currentSlot());
}

bool FunctionKeys::press(int key, Qt::KeyboardModifiers modifiers, bool listControl)
{
    const int slot = m_record.currentSlot();
    if (listControl) {
        // The engine keys have their own ranges, line 6's last engine included.
        if ((key == Qt::Key_F3 || key == Qt::Key_F7) && SlotNavigation::isLineEngineSlot(slot)) {
            carryEngines();
            return true;
        }
        if (key == Qt::Key_F6 && slot >= 118 && slot <= 267) {
            takePreviousEngines();
            return true;
        }
    }
    if (!linesKeysAct(slot)) return false;
    switch (key) {
    case Qt::Key_F2:
        continueLine();
        return true;
    case Qt::Key_F5:
        copyLine();
        return true;
    case Qt::Key_F8:
        pasteLine();
        return true;
    case Qt::Key_F9:
        // Ctrl+F9, and only Ctrl, is no capture.
        if ((modifiers & ~Qt::KeypadModifier) == Qt::ControlModifier) return false;
        Automatismes::captureLine(m_record, slot, m_options, m_store, m_prompts, m_view);
        return true;
    case Qt::Key_F12:
        eraseLine();
        return true;
    default:
        return false;
    }
}

void FunctionKeys::continueLine()
{
    const int k = line();
    if (k < 1) return;
    for (int r : {Fac, De, A, Via, Categ, IndCompo, AgSeul, NbVeh, Long, Masse, Coef, KmTrain})
        m_record.setSlot(lineSlot(k, r), m_record.slot(lineSlot(k - 1, r)));
    for (int r = EvoDep; r <= HeureDep2; ++r)
        m_record.setSlot(lineSlot(k, r), QString());
    for (int r : {NumeroTrain, EnginTitu, EnginUm1, EnginUm2})
        m_record.setSlot(lineSlot(k, r), QString());

    m_record.setCurrentSlot(lineSlot(k, EnginTitu));
    EngineRules::Change_ParitEngin(m_record, m_record.currentSlot(), m_options);
    const auto route = [this, k](int engine, int from, int to) {
        if (m_record.slot(lineSlot(k, engine)).isEmpty()) return;
        m_record.setSlot(lineSlot(k, from), m_record.slot(lineSlot(k, De)));
        m_record.setSlot(lineSlot(k, to), m_record.slot(lineSlot(k, A)));
    };
    route(EnginUm1, De2Um1, A2Um1);
    route(EnginUm2, De2Um2, A2Um2);

    // Ready for the new train number, whose typing then looks up the automatismes.
    m_record.setCurrentSlot(lineSlot(k, NumeroTrain));
    m_view.showCurrentSlot();
}

void FunctionKeys::copyLine()
{
    const int k = line();
    for (int r = 0; r < LineLength; ++r)
        m_lineBuffer[size_t(r)] = m_record.slot(lineSlot(k, r));
    m_prompts.message(QStringLiteral("Kerbo"),
                      QStringLiteral(" Copie de la ligne du train ") + QString::number(k + 1) +
                          QStringLiteral("  effectuée "),
                      Prompts::Icon::Information);
}

void FunctionKeys::pasteLine()
{
    const int k = line();
    for (int r = 0; r < LineLength; ++r)
        if (!m_lineBuffer[size_t(r)].isEmpty())
            m_record.setSlot(lineSlot(k, r), m_lineBuffer[size_t(r)]);
    m_view.showCurrentSlot();
}

void FunctionKeys::eraseLine()
{
    const int k = line();
    if (m_prompts.question(QStringLiteral("Kerbo"),
                           QStringLiteral(" Attention effacement de la ligne du train ") +
                               QString::number(k + 1),
                           Prompts::Icon::Exclamation, Prompts::Buttons::OkCancel,
                           Prompts::Answer::Ok) != Prompts::Answer::Ok)
        return;
    for (int r = 0; r < LineLength; ++r)
        m_record.setSlot(lineSlot(k, r), QString());
    m_view.showCurrentSlot();
}

void FunctionKeys::carryEngines()
{
    EngineRules::Change_ParitEngin(m_record, m_record.currentSlot(), m_options);
    m_view.showCurrentSlot();
}

void FunctionKeys::takePreviousEngines()
{
    EngineRules::takePreviousEngines(m_record, m_record.currentSlot(), m_options);
    EngineRules::Traitement_Engins(m_record, m_record.currentSlot(), m_options);
    m_view.showCurrentSlot();
}
