#pragma once

class Prompts;
class QString;

// A help file of the data folder shown in the system's viewer (a web browser). A file that is
// missing, or that no program of the computer can show, is told in a message.
namespace HelpFile
{

void show(Prompts &prompts, const QString &path);

} // namespace HelpFile
