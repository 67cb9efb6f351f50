#pragma once

class EditorWindow;
struct Session;

// Connects the editor's list, folder, file and option entries to their windows, and the learning
// of stations and engines to the driver leaving a slot.
void wireFolderWindows(EditorWindow &editor, Session &session);
