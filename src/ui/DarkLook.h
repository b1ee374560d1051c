#pragma once

class QApplication;

// The program's dark grey look with white text.
void ApplyDarkLook(QApplication& application);
