#pragma once
// The Help button: the help text beside the program, shown in the viewer under the main window.

#include <QString>

class QWidget;

namespace orvanel {

class frmView;

inline constexpr const char* kHelpFileName = "orvanel_help.txt";

// The help file in the folder of the running program.
QString HelpFilePath();

// Restores a minimised viewer, puts a normal one right under `mainWindow` at its outer size,
// points it at `helpPath` without a copy button, gives it the main window's icon and shows it.
void ShowHelp(frmView& viewer, const QWidget& mainWindow, const QString& helpPath);

} // namespace orvanel
