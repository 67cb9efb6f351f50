#pragma once

#include <QString>
#include <QStringView>

// The three parts of an engine text: letter, number and depot code ("B 67401 SOT").
struct EngineParts {
    QString letter; // one character, or "/" alone for the no-engine mark
    QString number; // at most 6 characters once split
    QString code;   // at most 3 characters
};

// Splits an engine text. `enaut` and `lettreAutom` are the self-propelled mode and its default
// letter; `slot` is the slot the text belongs to (the shunting engines 39, 42, 45, 48 never get
// the default letter).
EngineParts ExtractEngin(QStringView text, int slot, int enaut, const QString &lettreAutom);
