#pragma once

#include "core/model/VersoField.h"

#include <QList>
#include <QString>

#include <optional>

// How the keyboard moves between the texts of the verso editor.
namespace VersoNavigation {

// The Enter order: txtD 0..79, txtE 0..15, txtI 0..7, txtJ, txtObsMecUP, txtNumTrainH.
const QList<VersoField> &enterOrder();

// Where Enter goes from a text: the next of the Enter order; from textL(i) to textL(i + 1), and
// from textL(29) back to txtD(0). nullopt in the multi-line texts, where Enter makes a new line.
std::optional<VersoField> afterEnter(VersoField field);

// Where Backspace in an empty text goes: one step back in the Enter order, and from textL(0) to
// txtJ. nullopt from txtD(0) and from the observations, which the Enter order does not reach.
std::optional<VersoField> afterBackspace(VersoField field);

// The Tab order: the Enter order, then the observations, then frame L, which neither Enter nor
// Backspace reaches from the other frames; from textL(29) Tab goes round to txtD(0).
const QList<VersoField> &tabOrder();

} // namespace VersoNavigation
