#pragma once

#include <QString>
#include <Qt>

#include <array>

class AutomatismeStore;
class BulletinRecord;
class LineView;
class Prompts;
struct Options;

// The function keys of the editor's edit controls, which work on whole train lines: continue a
// line from the one above (F2), copy and paste a line (F5, F8), capture it as an automatisme
// (F9), erase it (F12), and, in the list control, carry the engines over (F3, F7, F6).
class FunctionKeys
{
public:
    using LineBuffer = std::array<QString, 36>;

    FunctionKeys(BulletinRecord &record, LineBuffer &lineBuffer, const Options &options,
                 AutomatismeStore &store, Prompts &prompts, LineView &view);

    // A key pressed in the text control (`listControl` false) or in the list control, on the
    // record's current slot. Returns whether the key did something.
    bool press(int key, Qt::KeyboardModifiers modifiers, bool listControl);

    // Whether the line keys act on `slot`: the train lines, short of line 6's last slots.
    static bool linesKeysAct(int slot) { return slot > 57 && slot < 267; }

    void continueLine();        // F2, lines 2..6
    void copyLine();            // F5
    void pasteLine();           // F8
    void eraseLine();           // F12, after confirmation
    void carryEngines();        // F3, F7
    void takePreviousEngines(); // F6

private:
    int line() const;

    BulletinRecord &m_record;
    LineBuffer &m_lineBuffer;
    const Options &m_options;
    AutomatismeStore &m_store;
    Prompts &m_prompts;
    LineView &m_view;
};
