// Snapshots, undo and the clipboard copy.
#include "shell/main_window.h"

void Form1::SaveSnapshot() {}
void Form1::RestoreSnapshot() {}
void Form1::Command6_Click() {}
void Form1::Picture6_DblClick() {}
