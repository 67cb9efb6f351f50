#pragma once

// What the train-line commands (function keys, line capture) ask of the editor window. The
// editor implements it over its controls; tests use a recording fake.
class LineView
{
public:
    virtual ~LineView() = default;

    // Redraws the bulletin from the record and places the edit control on the current slot,
    // showing the slot's value.
    virtual void showCurrentSlot() = 0;
    // The busy pointer over the editor while a command works.
    virtual void setBusy(bool busy) = 0;
};
