#pragma once
// The program's objects, wired as the program runs them: the desktop services, the viewer and
// the main window. main() shows them; the start-up benchmark measures the very same.

#include "HelpCommand.h"
#include "QtPlatform.h"
#include "TextFileSource.h"
#include "frmMain.h"
#include "frmView.h"

#include <QLocale>

#include <optional>

namespace orvanel {

struct Orvanel {
    QtMessageSink messages;
    QtClipboard clipboard;
    QtUrlOpener urls;
    QtScreenInfo screen;
    QtProgramControl program;
    DiskTextFileSource files;
    std::optional<frmView> viewer;
    frmMain window{{messages, clipboard, urls, screen, program,
                    [this]() -> frmView& {
                        if (!viewer) {
                            viewer.emplace(files, messages, clipboard);
                        }
                        return *viewer;
                    },
                    RegionalNumberFormat(QLocale::system()), HelpFilePath()}};
};

} // namespace orvanel
