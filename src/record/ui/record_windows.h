#pragma once
// Makes the training record's windows (the mistakes, the practice drill and
// the training progress) known to the program's window registry, so the menu and the game screens
// open them without knowing their classes.

namespace quintaro {

void RegisterRecordWindows();

} // namespace quintaro
