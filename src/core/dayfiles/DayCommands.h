#pragma once

#include <QDate>

#include <functional>
#include <optional>

class BulletinView;
class Prompts;
struct AppState;

// The editor's day commands: new day, open and save of generic and archive days.
namespace DayCommands {

// Asks the driver for the service date of an opened generic day (the date window, opened on
// `current`); nullopt leaves the date as read.
using DateChooser = std::function<std::optional<QDate>(const QDate &current)>;

// False when the driver cancels.
bool newDay(AppState &state, Prompts &prompts, BulletinView &view);
// `chooseDate` is asked only when the option Calendrier is "1".
void openGeneric(AppState &state, Prompts &prompts, BulletinView &view,
                 const DateChooser &chooseDate = {});
void openArchive(AppState &state, Prompts &prompts, BulletinView &view);
void saveGeneric(AppState &state, Prompts &prompts, BulletinView &view);
void saveArchive(AppState &state, Prompts &prompts, BulletinView &view);

} // namespace DayCommands
