#include "HelpCommand.h"
#include "QtPlatform.h"
#include "TextFileSource.h"
#include "frmMain.h"
#include "frmView.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Orvanel"));
    QApplication::setDesktopFileName(QStringLiteral("orvanel"));

    orvanel::QtMessageSink messages;
    orvanel::QtClipboard clipboard;
    orvanel::QtUrlOpener urls;
    orvanel::QtScreenInfo screen;
    orvanel::QtProgramControl program;
    orvanel::DiskTextFileSource files;

    orvanel::frmView viewer(files, messages, clipboard);
    orvanel::frmMain window({messages, clipboard, urls, screen, program, viewer,
                             orvanel::RegionalNumberFormat(QLocale::system()),
                             orvanel::HelpFilePath()});
    window.Form_Load();
    return QApplication::exec();
}
