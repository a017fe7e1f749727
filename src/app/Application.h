#pragma once

class QApplication;

// What the whole program shares: its name, its icon, its fonts.
void configureApplication(QApplication &app);
