#include "HelpCommand.h"

#include "ViewerMessages.h"
#include "frmView.h"

#include <QCoreApplication>

namespace orvanel {

QString HelpFilePath() {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(kHelpFileName);
}

void ShowHelp(frmView& viewer, const QWidget& mainWindow, const QString& helpPath) {
    // A minimised viewer comes back in the normal state, even one that was maximised before.
    if (viewer.isMinimized()) {
        viewer.setWindowState(Qt::WindowNoState);
    }
    if (!viewer.isMaximized()) {
        const QRect main = mainWindow.frameGeometry();
        // Before its first show the viewer has no frame yet; it gets the same decoration as
        // the main window, so the main window's frame stands in for it.
        const QSize frame = mainWindow.frameGeometry().size() - mainWindow.geometry().size();
        viewer.move(main.left(), main.top() + main.height());
        viewer.resize(main.size() - frame);
    }
    viewer.strFilename = helpPath;
    viewer.setWindowTitle(
        QString::fromUtf8(kHelpTitle.data(), static_cast<qsizetype>(kHelpTitle.size())));
    viewer.blnCopyToClipboardInvisible = true;
    viewer.setWindowIcon(mainWindow.windowIcon());
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

} // namespace orvanel
